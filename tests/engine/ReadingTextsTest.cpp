// Shape and prose checks for the reading tables. The wording is free to
// change; what must not drift is the key layout, length and sentence bounds,
// text sharing between mirrored keys, the few rows whose wording is fixed, and
// the prose rules: each reading its own words, a voice and tone to match.

#include "EngineTestSupport.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace engine_test;
using modLoveCompatibility::tables::kLongReadings;
using modLoveCompatibility::tables::kShortReadings;
using modLoveCompatibility::tables::ReadingRow;

constexpr std::string_view kFixedShort12 =
    "An ideal and nice match but with a tendency towards typecast roles. Enjoy the romance and live with understanding.";
constexpr std::string_view kFixedShort21 =
    "A nice match but with a tendency towards stereotyped roles. Enjoy the romance and live with understanding. This life is going to be peaceful and full of bliss.";
constexpr std::string_view kFixedShort33 =
    "This will be a wild journey. Evade overdoing things. You need to make your relationship more stable.";
constexpr std::string_view kFixedLong14 =
    "4's desire for control is a tough sell on the 1. The 1's need to make things happen now, frustrates the meticulous 4. Opposites in many ways, these two should not expect easy compromise. If they ever can accept one another for who they are, their respective strengths will make a solid relationship.";

// A sentence ends at '.', '!' or '?' followed by a space or the end of the
// text; an apostrophe such as "4's" therefore never ends one.
std::vector<std::string> sentencesOf(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if ((c == '.' || c == '!' || c == '?') && (i + 1 == text.size() || text[i + 1] == ' ')) {
            out.emplace_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    return out;
}

std::size_t countSentences(std::string_view text) { return sentencesOf(text).size(); }

// The table holds every pair of 1..9 as its key, in ascending order: every
// ordered pair, or every unordered one with the smaller digit first.
template <std::size_t N>
void expectKeysInOrder(const std::array<ReadingRow, N>& table, bool ordered) {
    std::vector<std::string> expected;
    for (int a = 1; a <= 9; ++a)
        for (int b = ordered ? 1 : a; b <= 9; ++b) expected.push_back(pairKey(a, b));
    ASSERT_EQ(expected.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) EXPECT_EQ(table[i].key, expected[i]) << "row " << i;
}

template <std::size_t N>
std::size_t distinctTexts(const std::array<ReadingRow, N>& table) {
    std::set<std::string_view> texts;
    for (const auto& row : table) texts.insert(row.text);
    return texts.size();
}

bool hasLineBreak(std::string_view text) {
    return text.find('\n') != std::string_view::npos || text.find('\r') != std::string_view::npos;
}

bool isPrintableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

// Lower-case words; digits and apostrophes stay inside a word ("4's").
std::vector<std::string> words(std::string_view text) {
    std::vector<std::string> out;
    std::string word;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '\'') {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    if (!word.empty()) out.push_back(word);
    return out;
}

bool hasWord(std::string_view text, std::initializer_list<std::string_view> choices) {
    const auto all = words(text);
    return std::any_of(all.begin(), all.end(), [&](const std::string& w) {
        return std::find(choices.begin(), choices.end(), w) != choices.end();
    });
}

// True when a word starts with one of the stems ("patien" for patient, patience).
bool hasStem(std::string_view text, std::initializer_list<std::string_view> stems) {
    const auto all = words(text);
    return std::any_of(all.begin(), all.end(), [&](const std::string& w) {
        return std::any_of(stems.begin(), stems.end(),
                           [&](std::string_view s) { return w.rfind(s, 0) == 0; });
    });
}

// A number standing on its own, as in "the 4", "4's" or "two 4s", not inside "14".
bool mentionsNumber(std::string_view text, char digit) {
    for (std::size_t i = text.find(digit); i != std::string_view::npos; i = text.find(digit, i + 1)) {
        const bool digitBefore = i > 0 && std::isdigit(static_cast<unsigned char>(text[i - 1]));
        const bool digitAfter = i + 1 < text.size() && std::isdigit(static_cast<unsigned char>(text[i + 1]));
        if (!digitBefore && !digitAfter) return true;
    }
    return false;
}

struct Reading {
    std::string label;  // "short 47", "long 14"
    std::string_view text;
    bool fixedWording;
    std::string_view rating;
};

// Every distinct text of both tables once, with the rating of its pair.
std::vector<Reading> allReadings() {
    std::vector<Reading> out;
    std::set<std::string_view> seen;
    const auto add = [&](std::string_view kind, const ReadingRow& row,
                         std::initializer_list<std::string_view> fixed) {
        if (!seen.insert(row.text).second) return;
        const bool isFixed = std::find(fixed.begin(), fixed.end(), row.key) != fixed.end();
        const auto rating = modLoveCompatibility::GetCompatibilityRating(
            static_cast<std::int16_t>(row.key[0] - '0'), static_cast<std::int16_t>(row.key[1] - '0'));
        out.push_back({std::string(kind) + " " + std::string(row.key), row.text, isFixed, rating});
    };
    for (const auto& row : kShortReadings) add("short", row, {"12", "21", "33"});
    for (const auto& row : kLongReadings) add("long", row, {"14"});
    return out;
}

template <class Items>
double averageLength(const Items& texts) {
    const double total = std::accumulate(texts.begin(), texts.end(), 0.0,
                                         [](double sum, std::string_view t) { return sum + t.size(); });
    return total / static_cast<double>(texts.size());
}

struct Bounds {
    std::size_t shortest, longest;
    std::size_t fewestSentences, mostSentences;
    double averageLength, tolerance;  // over the distinct texts
};

// Every text of the table within the bounds, on one line of printable ASCII.
template <std::size_t N>
void expectWithinBounds(const std::array<ReadingRow, N>& table, const Bounds& bounds) {
    std::set<std::string_view> distinct;
    for (const auto& row : table) {
        distinct.insert(row.text);
        EXPECT_GE(row.text.size(), bounds.shortest) << row.key;
        EXPECT_LE(row.text.size(), bounds.longest) << row.key;
        const auto sentences = countSentences(row.text);
        EXPECT_GE(sentences, bounds.fewestSentences) << row.key;
        EXPECT_LE(sentences, bounds.mostSentences) << row.key;
        EXPECT_FALSE(hasLineBreak(row.text)) << row.key;
        EXPECT_TRUE(isPrintableAscii(row.text)) << row.key;
    }
    EXPECT_NEAR(averageLength(distinct), bounds.averageLength, bounds.tolerance);
}

// ---------------------------------------------------------------------------
// pairKey layout
// ---------------------------------------------------------------------------

TEST(ReadingTableKeys, ShortTableHoldsEveryOrderedPairInAscendingOrder) {
    expectKeysInOrder(kShortReadings, true);
}

TEST(ReadingTableKeys, LongTableHoldsEveryUnorderedPairSmallerDigitFirstInAscendingOrder) {
    expectKeysInOrder(kLongReadings, false);
}

// ---------------------------------------------------------------------------
// Short readings
// ---------------------------------------------------------------------------

TEST(ShortReadings, StayWithinBoundsOnOnePrintableLine) {
    // About 170 characters on average.
    expectWithinBounds(kShortReadings, {90, 285, 2, 5, 170.0, 15.0});
}

TEST(ShortReadings, MirroredKeysShareOneTextExceptOneTwo) {
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            const auto* forward = findRow(kShortReadings, pairKey(a, b));
            const auto* reverse = findRow(kShortReadings, pairKey(b, a));
            ASSERT_NE(forward, nullptr) << pairKey(a, b);
            ASSERT_NE(reverse, nullptr) << pairKey(b, a);
            if (a == 1 && b == 2) {
                EXPECT_NE(forward->text, reverse->text) << "12 and 21 must differ";
            } else {
                EXPECT_EQ(forward->text, reverse->text) << pairKey(a, b) << " vs " << pairKey(b, a);
            }
        }
    }
}

TEST(ShortReadings, HoldExactlyFortySixDistinctTexts) { EXPECT_EQ(distinctTexts(kShortReadings), 46u); }

TEST(ShortReadings, UnrelatedPairsNeverShareText) {
    // Sharing is allowed only between a key and its mirror.
    for (std::size_t i = 0; i < kShortReadings.size(); ++i) {
        for (std::size_t j = i + 1; j < kShortReadings.size(); ++j) {
            const auto& x = kShortReadings[i];
            const auto& y = kShortReadings[j];
            const bool mirrored = x.key[0] == y.key[1] && x.key[1] == y.key[0];
            if (!mirrored) {
                EXPECT_NE(x.text, y.text) << x.key << " and " << y.key;
            }
        }
    }
}

TEST(ShortReadings, FixedRowsAreVerbatim) {
    for (const auto& [k, text] :
         {std::pair{"12", kFixedShort12}, {"21", kFixedShort21}, {"33", kFixedShort33}}) {
        const auto* row = findRow(kShortReadings, k);
        ASSERT_NE(row, nullptr) << k;
        EXPECT_EQ(row->text, text) << k;
    }
}

// ---------------------------------------------------------------------------
// Long readings
// ---------------------------------------------------------------------------

TEST(LongReadings, StayWithinBoundsOnOnePrintableLine) {
    // About 435 characters on average.
    expectWithinBounds(kLongReadings, {268, 612, 3, 7, 435.0, 30.0});
}

TEST(LongReadings, EveryTextIsDistinct) { EXPECT_EQ(distinctTexts(kLongReadings), kLongReadings.size()); }

TEST(LongReadings, NameBothNumbersOfTheirPair) {
    for (const auto& row : kLongReadings) {
        EXPECT_TRUE(mentionsNumber(row.text, row.key[0])) << row.key;
        EXPECT_TRUE(mentionsNumber(row.text, row.key[1])) << row.key;
    }
}

TEST(LongReadings, FixedOneFourRowIsVerbatim) {
    const auto* r14 = findRow(kLongReadings, "14");
    ASSERT_NE(r14, nullptr);
    EXPECT_EQ(r14->text, kFixedLong14);
}

TEST(LongReadings, SevenNineSaysThePairIsListedAsNeutral) {
    const auto* r79 = findRow(kLongReadings, "79");
    ASSERT_NE(r79, nullptr);
    EXPECT_NE(r79->text.find("listed as neutral"), std::string_view::npos);
}

// ---------------------------------------------------------------------------
// Prose: each reading in its own words, in the voice and tone of its kind
// ---------------------------------------------------------------------------

// A sentence or a run of five words may appear in one reading only; the fixed
// rows 12 and 21 are the one pair allowed to share.
TEST(ReadingProse, NoSentenceOrFiveWordPhraseRecursAcrossReadings) {
    constexpr std::size_t kRun = 5;
    const auto readings = allReadings();
    std::map<std::string, std::set<std::size_t>> sentences;
    std::map<std::string, std::set<std::size_t>> runs;
    for (std::size_t r = 0; r < readings.size(); ++r) {
        for (const auto& sentence : sentencesOf(readings[r].text)) sentences[sentence].insert(r);
        const auto w = words(readings[r].text);
        for (std::size_t i = 0; i + kRun <= w.size(); ++i) {
            std::string run;
            for (std::size_t j = i; j < i + kRun; ++j) run += w[j] + ' ';
            runs[run].insert(r);
        }
    }
    const auto report = [&](const std::string& what, const std::set<std::size_t>& where) {
        const bool onlyFixed =
            std::all_of(where.begin(), where.end(), [&](std::size_t r) { return readings[r].fixedWording; });
        if (where.size() < 2 || onlyFixed) return;
        std::string labels;
        for (const auto r : where) labels += readings[r].label + "; ";
        ADD_FAILURE() << '"' << what << "\" in " << labels;
    };
    for (const auto& [sentence, where] : sentences) report(sentence, where);
    for (const auto& [run, where] : runs) report(run, where);
}

// Stock phrases that made many readings sound alike: at most one use each.
TEST(ReadingProse, StockPhrasesAppearAtMostOnce) {
    const auto readings = allReadings();
    for (const std::string_view phrase :
         {"comes easily", "friends", "remarkably well", "each other's need"}) {
        const auto uses = std::count_if(readings.begin(), readings.end(), [&](const Reading& r) {
            std::string lower(r.text);
            std::transform(lower.begin(), lower.end(), lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            return lower.find(phrase) != std::string::npos;
        });
        EXPECT_LE(uses, 1) << phrase;
    }
}

// Short readings speak to the couple; long readings speak about the two numbers.
TEST(ReadingProse, ShortReadingsAddressTheCoupleLongReadingsDescribeIt) {
    for (const auto& r : allReadings()) {
        if (r.fixedWording) continue;
        const bool secondPerson = hasWord(r.text, {"you", "your", "yours", "yourself", "yourselves"});
        EXPECT_EQ(secondPerson, r.label.rfind("short", 0) == 0) << r.label;
    }
}

// A pair rated "Difficult" is warned of the work ahead and promised no ease.
TEST(ReadingProse, DifficultPairsAreWarnedAndNotPromisedEase) {
    std::size_t difficult = 0;
    for (const auto& r : allReadings()) {
        if (r.fixedWording || r.rating != "Difficult") continue;
        ++difficult;
        EXPECT_TRUE(hasStem(r.text, {"work", "effort", "patien", "clash", "struggl", "hard", "challeng",
                                     "test", "friction", "tension", "strain", "conflict"}))
            << r.label << " gives no warning: " << r.text;
        EXPECT_FALSE(hasWord(r.text, {"easily", "easy", "effortless", "effortlessly", "naturally", "perfect",
                                      "perfectly"}) ||
                     r.text.find("remarkably well") != std::string_view::npos)
            << r.label << " promises ease: " << r.text;
    }
    // 13 short readings (12 and 21 are fixed) and 13 long ones (14 is fixed).
    EXPECT_EQ(difficult, 26u);
}

// ---------------------------------------------------------------------------
// Across both tables
// ---------------------------------------------------------------------------

TEST(ReadingTables, ShortAndLongTextsNeverCoincide) {
    for (const auto& s : kShortReadings)
        for (const auto& l : kLongReadings)
            EXPECT_NE(s.text, l.text) << "short " << s.key << " equals long " << l.key;
}

// The counter is part of the guard, so its edge cases are checked too.
TEST(SentenceCounter, IgnoresApostrophesAndCountsEachTerminalMark) {
    EXPECT_EQ(countSentences("4's plan. The 1's idea!"), 2u);
    EXPECT_EQ(countSentences("Why? Because. Fine"), 2u);
    EXPECT_EQ(countSentences("No end mark"), 0u);
    EXPECT_EQ(countSentences("Version 1.5 is out."), 1u);
}

}  // namespace
