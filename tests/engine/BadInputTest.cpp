// Input the entry page never lets through but the engine must still take
// without throwing: huge or binary names, broken or non-ASCII UTF-8, and any
// 16-bit birth date.

#include "EngineTestSupport.h"

#include <cstdint>
#include <cstdlib>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace engine_test;
using namespace std::string_literals;
using namespace std::string_view_literals;

// ------------------------------------------------------------------ names

TEST(BadName, HundredThousandCharacters) {
    constexpr std::size_t kLength = 100000;
    // 6553 E's make 32765; every further E would pass 32767 and is skipped.
    EXPECT_EQ(mlc::GetDestinyNumber(std::string(kLength, 'E')), 5);  // 32765 -> 23 -> 5
    EXPECT_EQ(mlc::GetDestinyNumber(std::string(kLength, ' ')), 0);
    EXPECT_EQ(mlc::GetDestinyNumber(std::string(kLength, ' ') + "Ann"), 2);
    std::string accented;
    while (accented.size() < kLength) accented += "\xc3\xa9 ";  // "é "
    EXPECT_EQ(mlc::GetDestinyNumber(accented), 0);

    std::mt19937 rng(99u);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 20; ++round) {
        std::string noise(kLength, '\0');
        for (char& c : noise) c = static_cast<char>(byte(rng));
        int got = -1;
        EXPECT_NO_THROW(got = mlc::GetDestinyNumber(noise));
        EXPECT_TRUE(isDestinyValue(got)) << got;
    }
}

TEST(BadName, EmbeddedNulBytesDoNotEndTheName) {
    // "An\0n" totals 11, not "An" = 6; Ann, 100000 NULs and a give 12 -> 3.
    const NameCase names[] = {{"An\0n"s, 2},
                              {"\0Ann"s, 2},
                              {"\0\0\0"s, 0},
                              {"C\0a\0t\0h\0e\0r\0i\0n\0e"s, 11},
                              {"Ann" + std::string(100000, '\0') + "a", 3}};
    expectDestinies(names);
}

TEST(BadName, InvalidUtf8BytesCountZero) {
    for (const std::string_view bytes : {"\xff"sv, "\xfe\xff"sv, "\xc3"sv, "\x80"sv, "\x80\xbf"sv,
                                         "\xc1\x81"sv,          // overlong 'A'
                                         "\xe0\x81\x81"sv,      // overlong 'A' in three bytes
                                         "\xed\xa0\x80"sv,      // UTF-16 surrogate
                                         "\xf4\x90\x80\x80"sv,  // beyond U+10FFFF
                                         "\xf8\x88\x80\x80\x80"sv}) {
        EXPECT_EQ(mlc::GetDestinyNumber(bytes), 0) << "size " << bytes.size();
        // Letters around broken bytes still count: A + N + N = 11 -> 2.
        const std::string mixed = "A" + std::string(bytes) + "N" + std::string(bytes) + "N";
        EXPECT_EQ(mlc::GetDestinyNumber(mixed), 2) << "size " << bytes.size();
    }
    // A truncated sequence must not swallow the letter after it.
    EXPECT_EQ(mlc::GetDestinyNumber("\xc3"
                                    "A"),
              1);
    EXPECT_EQ(mlc::GetDestinyNumber("\xe2\x84"
                                    "I"),
              9);
}

TEST(BadName, NonAsciiLettersCountZero) {
    // Some of these map to ASCII letters under a Unicode case mapping or a
    // compatibility decomposition (long s, Kelvin sign, dotless i,
    // ligature fi, full-width A); none of them is a letter of the table.
    for (const std::string_view letter :
         {"\xc3\xa9"sv /* é */, "\xc3\x89"sv /* É */, "\xc3\x96"sv /* Ö */, "\xc3\xb6"sv /* ö */,
          "\xc3\x9f"sv /* ß */, "\xc4\xb1"sv /* ı */, "\xc4\xb0"sv /* İ */, "\xc5\xbf"sv /* ſ */,
          "\xe2\x84\xaa"sv /* Kelvin */, "\xef\xac\x81"sv /* ﬁ */, "\xef\xbc\xa1"sv /* Ａ */,
          "\xd0\x90"sv /* Cyrillic А */, "\xce\x91"sv /* Greek Α */}) {
        EXPECT_EQ(mlc::GetDestinyNumber(letter), 0) << letter;
    }
    EXPECT_EQ(mlc::GetDestinyNumber("Jos\xc3\xa9"), mlc::GetDestinyNumber("Jos"));
    EXPECT_EQ(mlc::GetDestinyNumber("Zo\xc3\xab"), mlc::GetDestinyNumber("Zo"));
    EXPECT_EQ(mlc::GetDestinyNumber("\xc3\x96zil"), mlc::GetDestinyNumber("zil"));
}

// ------------------------------------------------------------------ dates

// The date total with each of the two additions checked on its own; 0 on
// overflow, otherwise the digit sum of the total read without its sign.
int expectedLifePath(int day, int month, int year) {
    const int dayMonth = day + month;
    if (dayMonth < -32768 || dayMonth > 32767) return 0;
    const int total = dayMonth + year;
    if (total < -32768 || total > 32767) return 0;
    const int magnitude = std::abs(total);
    return magnitude == 0 ? 0 : 1 + (magnitude - 1) % 9;
}

TEST(BadDate, AnySixteenBitDateGivesZeroToNine) {
    std::vector<int> values = {-32768, -32767, -32766, -2050, -1900, -31,   -12,   -1,
                               0,      1,      9,      12,    13,    31,    32,    1899,
                               1900,   2050,   2051,   9999,  16384, 32735, 32766, 32767};
    for (int v = -32768; v <= 32767; v += 1021) values.push_back(v);
    std::set<int> seen;
    for (const int day : values) {
        for (const int month : values) {
            for (const int year : values) {
                int got = -1;
                ASSERT_NO_THROW(got = mlc::GetLifePathNumber(i16(day), i16(month), i16(year)));
                ASSERT_EQ(got, expectedLifePath(day, month, year)) << day << ' ' << month << ' ' << year;
                seen.insert(got);
            }
        }
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(BadDate, ImpossibleCalendarDatesStillReduce) {
    // The entry check turns these away; the engine only adds.
    const DateCase dates[] = {{31, 2, 1999, 7} /* 2032 -> 7 */, {0, 0, 0, 0}, {-1, 1, 0, 0}};
    expectLifePaths(dates);
}

// ------------------------------------------------- whole calculation

TEST(BadInput, FullCalculationStaysConsistent) {
    mlc::CalculationState s;
    s.strName[0] = std::string(100000, 'g') + "\xc3\xa9\0\xff"s;
    s.strName[1] = "\xc3\x96\xc3\xb6";  // letters of no value
    s.intDay = {32767, -32768};
    s.intMonth = {1, -1};
    s.intYear = {0, 0};
    ASSERT_NO_THROW(mlc::CalculateCompatibility(s));
    expectLifePath(s, {0, 0, "", "", ""});
    expectDestiny(s, {7, 0, "", "", "Difficult"});  // the G's stop at 32767 -> 25 -> 7

    // A valid user date with an overflowing partner date: the partner's 0
    // is the second number.
    s.intDay[0] = 1;
    s.intMonth[0] = 1;
    s.intYear[0] = 1900;
    ASSERT_NO_THROW(mlc::CalculateCompatibility(s));
    expectLifePath(s, {3, 0, "", "", "Difficult"});
}

}  // namespace
