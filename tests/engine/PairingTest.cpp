// Pair keys, compatibility ratings and the two reading lookups.

#include "EngineTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using namespace engine_test;
namespace tables = modLoveCompatibility::tables;

constexpr std::string_view kVery = "Very Compatible";
constexpr std::string_view kCompatible = "Compatible";
constexpr std::string_view kNeutral = "Neutral";
constexpr std::string_view kDifficult = "Difficult";

// The rating table as it is published: per first number, the second numbers
// that lead to each label.
struct RatingRow {
    int first;
    std::vector<int> very, compatible, neutral, difficult;
};
const std::vector<RatingRow> kPublishedRatings = {
    {1, {1, 5, 7}, {3, 9}, {8}, {2, 4, 6}},   {2, {2, 4, 8}, {3, 6}, {9}, {1, 5, 7}},
    {3, {3, 6, 9}, {1, 2, 5}, {}, {4, 7, 8}}, {4, {2, 4, 8}, {6, 7}, {}, {1, 3, 5, 9}},
    {5, {1, 5, 7}, {3, 9}, {8}, {2, 4, 6}},   {6, {3, 6, 9}, {2, 4, 8}, {}, {1, 5, 7}},
    {7, {1, 5, 7}, {4}, {9}, {2, 3, 6, 8}},   {8, {2, 4, 8}, {6}, {1, 5}, {3, 7, 9}},
    {9, {3, 6, 9}, {1, 5}, {2, 7}, {4, 8}},
};

template <class Table>
std::string_view rowText(const Table& table, std::string_view key) {
    const auto* row = findRow(table, key);
    return row != nullptr ? row->text : std::string_view{};
}

// ----------------------------------------------------------------- Pair key

TEST(PairKey, JoinsTheDecimalTextsUserFirst) {
    const std::tuple<int, int, std::string_view> cases[] = {
        {4, 7, "47"}, {7, 4, "74"},   {0, 5, "05"},     {5, 0, "50"},
        {1, 1, "11"}, {11, 3, "113"}, {22, 10, "2210"}, {32767, 32767, "3276732767"}};
    for (const auto& [first, second, key] : cases) {
        EXPECT_EQ(mlc::MakePairKey(i16(first), i16(second)), key);
    }
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const std::string key = mlc::MakePairKey(i16(a), i16(b));
            ASSERT_EQ(key.size(), 2u);
            EXPECT_EQ(key[0], '0' + a);
            EXPECT_EQ(key[1], '0' + b);
        }
    }
}

// ------------------------------------------------------------------ Ratings

TEST(Rating, AllOrderedPairsMatchThePublishedTable) {
    ASSERT_EQ(kPublishedRatings.size(), 9u);
    for (const RatingRow& row : kPublishedRatings) {
        std::map<int, std::string_view> expected;
        for (const int s : row.very) expected.emplace(s, kVery);
        for (const int s : row.compatible) expected.emplace(s, kCompatible);
        for (const int s : row.neutral) expected.emplace(s, kNeutral);
        for (const int s : row.difficult) expected.emplace(s, kDifficult);
        ASSERT_EQ(expected.size(), 9u) << "row " << row.first << " must name each second number once";
        for (const auto& [second, label] : expected) {
            EXPECT_EQ(mlc::GetCompatibilityRating(i16(row.first), i16(second)), label)
                << row.first << " and " << second;
        }
    }
}

TEST(Rating, SymmetricWithTheExpectedCountsAndTriads) {
    std::map<std::string_view, int> unorderedCounts;
    const auto group = [](int n) {
        return n == 1 || n == 5 || n == 7 ? 0 : n == 2 || n == 4 || n == 8 ? 1 : 2;
    };
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const auto ab = mlc::GetCompatibilityRating(i16(a), i16(b));
            EXPECT_EQ(ab, mlc::GetCompatibilityRating(i16(b), i16(a))) << a << " and " << b;
            EXPECT_EQ(ab == kVery, group(a) == group(b)) << a << " and " << b;
            if (a <= b) ++unorderedCounts[ab];
        }
    }
    EXPECT_EQ(unorderedCounts, (std::map<std::string_view, int>{
                                   {kVery, 18}, {kCompatible, 9}, {kNeutral, 4}, {kDifficult, 14}}));
}

TEST(Rating, NamedPairs) {
    for (int n = 1; n <= 9; ++n) {
        EXPECT_EQ(mlc::GetCompatibilityRating(i16(n), i16(n)), kVery) << n;
    }
    const std::tuple<int, int, std::string_view> named[] = {
        {1, 8, kNeutral}, {8, 1, kNeutral}, {4, 9, kDifficult}, {9, 4, kDifficult}, {7, 9, kNeutral}};
    for (const auto& [first, second, rating] : named) {
        EXPECT_EQ(mlc::GetCompatibilityRating(i16(first), i16(second)), rating) << first << " and " << second;
    }
}

TEST(Rating, NumbersOutsideOneToNine) {
    // First outside 1..9: empty, whatever the second; second outside with a
    // valid first: Difficult.
    EXPECT_EQ(mlc::GetCompatibilityRating(0, 5), "");
    EXPECT_EQ(mlc::GetCompatibilityRating(5, 0), kDifficult);
    const std::vector<int> outside = {-32768, -1, 0, 10, 11, 22, 32767};
    for (const int bad : outside) {
        for (int n = -1; n <= 12; ++n) {
            EXPECT_EQ(mlc::GetCompatibilityRating(i16(bad), i16(n)), "") << bad << " then " << n;
        }
        for (int first = 1; first <= 9; ++first) {
            EXPECT_EQ(mlc::GetCompatibilityRating(i16(first), i16(bad)), kDifficult)
                << first << " then " << bad;
        }
    }
}

// ------------------------------------------------------------ Short reading

TEST(ShortReading, EveryKeyFindsItsOwnRow) {
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const std::string key = pairKey(a, b);
            const auto text = mlc::GetShortReading(key);
            EXPECT_FALSE(text.empty()) << key;
            EXPECT_EQ(text, rowText(tables::kShortReadings, key)) << key;
        }
    }
}

TEST(ShortReading, MirroredKeysShareOneTextExceptTwelveAndTwentyOne) {
    EXPECT_NE(mlc::GetShortReading("12"), mlc::GetShortReading("21"));
    EXPECT_EQ(mlc::GetShortReading("19"), mlc::GetShortReading("91"));
    EXPECT_EQ(mlc::GetShortReading("47"), mlc::GetShortReading("74"));
    // The three equal pairs named in the tables each have a text of their own.
    const std::set<std::string_view> own = {mlc::GetShortReading("11"), mlc::GetShortReading("55"),
                                            mlc::GetShortReading("99")};
    EXPECT_EQ(own.size(), 3u);
}

TEST(ShortReading, KeysOutsideTheTableGiveNothing) {
    using namespace std::string_view_literals;
    for (const std::string_view key : {""sv,         "1"sv,
                                       "9"sv,        "05"sv,
                                       "50"sv,       "00"sv,
                                       "10"sv,       " 12"sv,
                                       "12 "sv,      " 1"sv,
                                       "123"sv,      "113"sv,
                                       "1 2"sv,      "1a"sv,
                                       "a1"sv,       "-1"sv,
                                       "1:"sv,       ":1"sv,
                                       "\x31\x00"sv, "\x00\x32"sv,
                                       "\xb9\xb9"sv, "\xef\xbc\x91\xef\xbc\x92"sv /* full-width 1 2 */}) {
        EXPECT_EQ(mlc::GetShortReading(key), "") << '"' << key << '"' << " size " << key.size();
    }
    // A valid key followed by more text, as a view over a longer buffer.
    const std::string longer = "123";
    EXPECT_EQ(mlc::GetShortReading(std::string_view(longer)), "");
    EXPECT_NE(mlc::GetShortReading(std::string_view(longer).substr(0, 2)), "");
}

// ------------------------------------------------------------- Long reading

TEST(LongReading, EitherOrderFindsTheRowOfTheSortedPair) {
    constexpr std::string_view kReading14 =
        "4's desire for control is a tough sell on the 1. The 1's need to make things happen now, "
        "frustrates the meticulous 4. Opposites in many ways, these two should not expect easy "
        "compromise. If they ever can accept one another for who they are, their respective "
        "strengths will make a solid relationship.";
    EXPECT_EQ(mlc::GetPairReading(1, 4), kReading14);
    EXPECT_EQ(mlc::GetPairReading(4, 1), kReading14);
    EXPECT_EQ(mlc::GetPairReading(7, 7), rowText(tables::kLongReadings, "77"));
    for (int a = 1; a <= 9; ++a) {
        for (int b = 1; b <= 9; ++b) {
            const auto text = mlc::GetPairReading(i16(a), i16(b));
            EXPECT_FALSE(text.empty()) << a << " and " << b;
            EXPECT_EQ(text, rowText(tables::kLongReadings, pairKey(std::min(a, b), std::max(a, b))))
                << a << " and " << b;
        }
    }
}

TEST(LongReading, ZeroOrNumbersAboveNineGiveNothing) {
    const std::vector<std::pair<int, int>> pairs = {{0, 0},  {0, 5},      {5, 0},     {0, 9},         {10, 1},
                                                    {1, 10}, {9, 10},     {11, 2},    {2, 22},        {-1, 5},
                                                    {5, -1}, {-32768, 1}, {1, 32767}, {32767, -32768}};
    for (const auto& [a, b] : pairs) {
        EXPECT_EQ(mlc::GetPairReading(i16(a), i16(b)), "") << a << " and " << b;
    }
}

}  // namespace
