// Shape checks for the reading tables. The prose itself is free to change;
// what must not drift is the key layout, length and sentence bounds, text
// sharing between mirrored keys, and the few rows whose wording is fixed.

#include "engine/ReadingTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

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
// text; an apostrophe such as "4's" is therefore never counted.
std::size_t countSentences(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '.' && c != '!' && c != '?') continue;
        if (i + 1 == text.size() || text[i + 1] == ' ') ++count;
    }
    return count;
}

std::string key(int a, int b) {
    return std::string{static_cast<char>('0' + a), static_cast<char>('0' + b)};
}

std::vector<std::string> expectedShortKeys() {
    std::vector<std::string> keys;
    for (int a = 1; a <= 9; ++a)
        for (int b = 1; b <= 9; ++b) keys.push_back(key(a, b));
    return keys;
}

std::vector<std::string> expectedLongKeys() {
    std::vector<std::string> keys;
    for (int a = 1; a <= 9; ++a)
        for (int b = a; b <= 9; ++b) keys.push_back(key(a, b));
    return keys;
}

template <std::size_t N>
const ReadingRow* findRow(const std::array<ReadingRow, N>& table, std::string_view k) {
    for (const auto& row : table)
        if (row.key == k) return &row;
    return nullptr;
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
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return c >= 0x20 && c <= 0x7e; });
}

// ---------------------------------------------------------------------------
// Key layout
// ---------------------------------------------------------------------------

TEST(ReadingTableKeys, ShortTableHoldsEveryOrderedPairInAscendingOrder) {
    const auto expected = expectedShortKeys();
    ASSERT_EQ(expected.size(), kShortReadings.size());
    for (std::size_t i = 0; i < kShortReadings.size(); ++i)
        EXPECT_EQ(kShortReadings[i].key, expected[i]) << "row " << i;
}

TEST(ReadingTableKeys, LongTableHoldsEveryUnorderedPairSmallerDigitFirstInAscendingOrder) {
    const auto expected = expectedLongKeys();
    ASSERT_EQ(expected.size(), kLongReadings.size());
    for (std::size_t i = 0; i < kLongReadings.size(); ++i)
        EXPECT_EQ(kLongReadings[i].key, expected[i]) << "row " << i;
}

// ---------------------------------------------------------------------------
// Short readings
// ---------------------------------------------------------------------------

TEST(ShortReadings, StayWithinLengthAndSentenceBounds) {
    for (const auto& row : kShortReadings) {
        EXPECT_GE(row.text.size(), 90u) << row.key;
        EXPECT_LE(row.text.size(), 285u) << row.key;
        const auto sentences = countSentences(row.text);
        EXPECT_GE(sentences, 2u) << row.key;
        EXPECT_LE(sentences, 5u) << row.key;
    }
}

TEST(ShortReadings, AreSingleLinePrintableAscii) {
    for (const auto& row : kShortReadings) {
        EXPECT_FALSE(hasLineBreak(row.text)) << row.key;
        EXPECT_TRUE(isPrintableAscii(row.text)) << row.key;
    }
}

TEST(ShortReadings, MirroredKeysShareOneTextExceptOneTwo) {
    for (int a = 1; a <= 9; ++a) {
        for (int b = a + 1; b <= 9; ++b) {
            const auto* forward = findRow(kShortReadings, key(a, b));
            const auto* reverse = findRow(kShortReadings, key(b, a));
            ASSERT_NE(forward, nullptr) << key(a, b);
            ASSERT_NE(reverse, nullptr) << key(b, a);
            if (a == 1 && b == 2) {
                EXPECT_NE(forward->text, reverse->text) << "12 and 21 must differ";
            } else {
                EXPECT_EQ(forward->text, reverse->text) << key(a, b) << " vs " << key(b, a);
            }
        }
    }
}

TEST(ShortReadings, HoldExactlyFortySixDistinctTexts) {
    EXPECT_EQ(distinctTexts(kShortReadings), 46u);
}

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
    const auto* r12 = findRow(kShortReadings, "12");
    const auto* r21 = findRow(kShortReadings, "21");
    const auto* r33 = findRow(kShortReadings, "33");
    ASSERT_NE(r12, nullptr);
    ASSERT_NE(r21, nullptr);
    ASSERT_NE(r33, nullptr);
    EXPECT_EQ(r12->text, kFixedShort12);
    EXPECT_EQ(r21->text, kFixedShort21);
    EXPECT_EQ(r33->text, kFixedShort33);
}

// ---------------------------------------------------------------------------
// Long readings
// ---------------------------------------------------------------------------

TEST(LongReadings, StayWithinLengthAndSentenceBounds) {
    for (const auto& row : kLongReadings) {
        EXPECT_GE(row.text.size(), 268u) << row.key;
        EXPECT_LE(row.text.size(), 612u) << row.key;
        const auto sentences = countSentences(row.text);
        EXPECT_GE(sentences, 3u) << row.key;
        EXPECT_LE(sentences, 7u) << row.key;
    }
}

TEST(LongReadings, AreSingleLinePrintableAscii) {
    for (const auto& row : kLongReadings) {
        EXPECT_FALSE(hasLineBreak(row.text)) << row.key;
        EXPECT_TRUE(isPrintableAscii(row.text)) << row.key;
    }
}

TEST(LongReadings, EveryTextIsDistinct) {
    EXPECT_EQ(distinctTexts(kLongReadings), kLongReadings.size());
}

TEST(LongReadings, NameBothDigitsOfTheirPair) {
    for (const auto& row : kLongReadings) {
        EXPECT_NE(row.text.find(row.key[0]), std::string_view::npos) << row.key;
        EXPECT_NE(row.text.find(row.key[1]), std::string_view::npos) << row.key;
    }
}

TEST(LongReadings, FixedOneFourRowIsVerbatim) {
    const auto* r14 = findRow(kLongReadings, "14");
    ASSERT_NE(r14, nullptr);
    EXPECT_EQ(r14->text, kFixedLong14);
}

TEST(LongReadings, SevenNineCallsThePairNeutral) {
    const auto* r79 = findRow(kLongReadings, "79");
    ASSERT_NE(r79, nullptr);
    EXPECT_NE(r79->text.find("neutral"), std::string_view::npos);
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
