// Life Path and Destiny numbers, the digit reduction behind both, and master
// folding. The reference helpers below follow the published rules (letter
// table as a list of letters, reduction as a walk over decimal digits), so
// they share no code or shortcut with the engine.

#include "EngineTestSupport.h"

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace {

using namespace engine_test;

constexpr int kMax16 = 32767;

// The Pythagorean letter table as it is written out: value 1 for A, J, S ...
constexpr std::string_view kLettersByValue[9] = {"AJS", "BKT", "CLU", "DMV", "ENW",
                                                 "FOX", "GPY", "HQZ", "IR"};

int referenceLetterValue(char ch) {
    if (ch >= 'a' && ch <= 'z') {
        ch = static_cast<char>(ch - 'a' + 'A');
    }
    for (int value = 1; value <= 9; ++value) {
        if (kLettersByValue[value - 1].find(ch) != std::string_view::npos) {
            return value;
        }
    }
    return 0;
}

// Digit reduction as a walk over the decimal text: sum the digits, stop on a
// single digit, stop on 11 or 22 only when that is a produced digit sum.
int referenceReduce(int total, bool retainMasters) {
    for (;;) {
        total = referenceDigitSum(total);
        if (total < 10 || (retainMasters && (total == 11 || total == 22))) {
            return total;
        }
    }
}

// Letter total with the 16-bit rule: a letter that would pass 32767 is left out.
int referenceLetterTotal(std::string_view name) {
    int total = 0;
    for (const char ch : name) {
        const int next = total + referenceLetterValue(ch);
        if (next <= kMax16) {
            total = next;
        }
    }
    return total;
}

int referenceDestiny(std::string_view name) { return referenceReduce(referenceLetterTotal(name), true); }

// ---------------------------------------------------------------- Life Path

TEST(LifePath, KnownDates) {
    // 1902 -> 12 -> 3, 2093 -> 14 -> 5, 2016 -> 9 in one pass, 2026 -> 10 -> 1,
    // and 2009 -> 11 -> 2: a Life Path number never keeps a master number.
    const DateCase known[] = {
        {1, 1, 1900, 3}, {31, 12, 2050, 5}, {9, 9, 1998, 9}, {28, 9, 1989, 1}, {1, 8, 2000, 2}};
    expectLifePaths(known);
}

TEST(LifePath, EveryDateOfTheListsIsOneToNineAndMatchesTheModNineForm) {
    std::set<int> seen;
    for (int year = 1900; year <= 2050; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= 31; ++day) {
                const int total = day + month + year;
                const int expected = 1 + (total - 1) % 9;
                const int got = mlc::GetLifePathNumber(i16(day), i16(month), i16(year));
                ASSERT_EQ(got, expected) << day << '.' << month << '.' << year;
                ASSERT_GE(got, 1);
                ASSERT_LE(got, 9);
                seen.insert(got);
            }
        }
    }
    EXPECT_EQ(seen.size(), 9u);
}

TEST(LifePath, DateTotalOverflowGivesZero) {
    // The year alone tips 30000 + 2000 + 1000 over; -32768 - 1 is below the
    // range. Each addition is checked on its own: day + month overflowing is
    // fatal even when the year would bring the sum back (32767 + 1 - 100).
    // Right at the edge nothing overflows: 32767 -> 25 -> 7.
    const DateCase overflow[] = {{32767, 1, 0, 0},    {32767, 1, 1900, 0}, {30000, 2000, 1000, 0},
                                 {-32768, -1, 0, 0},  {32767, 1, -100, 0}, {-32768, -1, 100, 0},
                                 {32000, 700, 67, 7}, {32766, 1, 0, 7}};
    expectLifePaths(overflow);
}

// --------------------------------------------------------------- Destiny

TEST(Destiny, KnownNames) {
    // Ann's and Susan's letter total is 11: a starting total, not a digit
    // sum, so 2; David's 22 gives 4; Catherine's 47 gives 11, unfolded.
    const NameCase known[] = {{"Ann", 2},   {"ANN", 2},   {"aNn", 2},
                              {"Susan", 2}, {"David", 4}, {"Catherine", 11}};
    expectDestinies(known);
}

TEST(Destiny, EachLetterHasItsTableValueInBothCases) {
    for (int value = 1; value <= 9; ++value) {
        for (const char upper : kLettersByValue[value - 1]) {
            const char lower = static_cast<char>(upper - 'A' + 'a');
            EXPECT_EQ(mlc::GetDestinyNumber(std::string(1, upper)), value) << upper;
            EXPECT_EQ(mlc::GetDestinyNumber(std::string(1, lower)), value) << lower;
        }
    }
}

TEST(Destiny, OnlyLettersCount) {
    EXPECT_EQ(mlc::GetDestinyNumber("Mary Ann"), mlc::GetDestinyNumber("MaryAnn"));
    EXPECT_EQ(mlc::GetDestinyNumber("Mary-Ann O'Neil"), mlc::GetDestinyNumber("MaryAnnONeil"));
    const NameCase noLetters[] = {{"", 0}, {"   ", 0}, {" 1 2 3 4567890 ", 0}};
    expectDestinies(noLetters);
    // Every byte that is not one of the 52 ASCII letters is worth 0, alone
    // and between letters.
    for (int byte = 0; byte < 256; ++byte) {
        const char c = static_cast<char>(byte);
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
            continue;
        }
        EXPECT_EQ(mlc::GetDestinyNumber(std::string(1, c)), 0) << "byte " << byte;
        EXPECT_EQ(mlc::GetDestinyNumber(std::string("A") + c + "A"), 2) << "byte " << byte;
    }
}

TEST(Destiny, LetterTotalsThatReachMasterNumbers) {
    // 9992 -> 29 -> 11: a master number found on the second pass is kept;
    // 33 is no master number; 69 -> 15 -> 6.
    const std::pair<int, int> totals[] = {{11, 2},   {22, 4},   {29, 11},   {38, 11}, {47, 11},
                                          {56, 11},  {65, 11},  {74, 11},   {83, 11}, {92, 11},
                                          {119, 11}, {499, 22}, {9992, 11}, {33, 6},  {69, 6}};
    for (const auto& [total, destiny] : totals) {
        EXPECT_EQ(mlc::GetDestinyNumber(nameWithLetterTotal(total)), destiny) << total;
    }
}

TEST(Destiny, ExhaustiveShortNamesMatchTheLetterTable) {
    // Every name of up to four characters over capitals and space: enough
    // letters to reach 11 as a digit sum (total 29 and up).
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";
    std::set<int> seen;
    std::string name;
    for (std::size_t length = 1; length <= 4; ++length) {
        std::size_t combinations = 1;
        for (std::size_t i = 0; i < length; ++i) {
            combinations *= alphabet.size();
        }
        for (std::size_t index = 0; index < combinations; ++index) {
            name.clear();
            for (std::size_t rest = index, i = 0; i < length; ++i, rest /= alphabet.size()) {
                name += alphabet[rest % alphabet.size()];
            }
            const int got = mlc::GetDestinyNumber(name);
            ASSERT_EQ(got, referenceDestiny(name)) << '"' << name << '"';
            seen.insert(got);
        }
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11}));
}

TEST(Destiny, RandomNamesStayInRangeAndMatchTheLetterTable) {
    std::mt19937 rng(20240611u);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz   -'0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> shortLength(0, 40);
    std::uniform_int_distribution<int> longLength(41, 9000);  // some pass the 16-bit total
    std::set<int> seen;
    for (int round = 0; round < 30000; ++round) {
        const int length = round % 50 == 0 ? longLength(rng) : shortLength(rng);
        std::string name;
        for (int i = 0; i < length; ++i) {
            name += alphabet[pick(rng)];
        }
        const int got = mlc::GetDestinyNumber(name);
        ASSERT_TRUE(isDestinyValue(got)) << got << " for \"" << name << '"';
        ASSERT_EQ(got, referenceDestiny(name)) << '"' << name << '"';
        seen.insert(got);
    }
    EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 22}));
}

TEST(Destiny, LetterThatWouldPassTheSixteenBitTotalIsSkipped) {
    const std::string full(3640, 'I');  // 32760
    ASSERT_EQ(referenceLetterTotal(full), 32760);
    EXPECT_EQ(mlc::GetDestinyNumber(full), mlc::ReduceDigits(32760, true));
    EXPECT_EQ(mlc::GetDestinyNumber(full), 9);  // 18 -> 9

    // The 3641st I (32769) is skipped; the walk goes on and a later G still
    // fits exactly: 32767 -> 25 -> 7. Neither clamping nor stopping gives 7
    // here together with 9 for the case above.
    EXPECT_EQ(mlc::GetDestinyNumber(full + "IG"), mlc::ReduceDigits(32767, true));
    const NameCase edge[] = {{full + "I", 9},
                             {full + "IG", 7},
                             {full + "IIIZg", 7},  // I, I, I, Z(8) skipped, g fits
                             // 32768 would overflow by one; a smaller letter after it still counts.
                             {full + "Z", 9},     // 32760
                             {full + "Za", 1},    // 32761 -> 19 -> 10 -> 1
                             {full + "ZF", 6},    // 32766 -> 24 -> 6
                             {full + "ZFZa", 7},  // 32767
                             // Once at 32767 every further letter is skipped.
                             {std::string(40000, 'A'), 7},
                             {std::string(32767, 'a') + "R", 7}};
    expectDestinies(edge);
}

// ----------------------------------------------------------- ReduceDigits

TEST(ReduceDigits, StartingTotalIsNeverAMasterNumber) {
    // {total, retain masters, number}; 9992 gives 29 on the first pass.
    const std::tuple<int, bool, int> cases[] = {
        {11, true, 2},   {22, true, 4},    {29, true, 11}, {29, false, 2}, {499, true, 22},
        {499, false, 4}, {9992, true, 11}, {0, true, 0},   {0, false, 0},  {32767, false, 7}};
    for (const auto& [total, retain, number] : cases) {
        EXPECT_EQ(mlc::ReduceDigits(i16(total), retain), number) << total << ' ' << retain;
    }
}

TEST(ReduceDigits, EveryNonNegativeTotalMatchesTheDigitWalk) {
    for (int total = 0; total <= kMax16; ++total) {
        ASSERT_EQ(mlc::ReduceDigits(i16(total), true), referenceReduce(total, true)) << total;
        const int plain = mlc::ReduceDigits(i16(total), false);
        ASSERT_EQ(plain, referenceReduce(total, false)) << total;
        ASSERT_EQ(plain, total == 0 ? 0 : 1 + (total - 1) % 9) << total;
    }
}

TEST(ReduceDigits, NegativeTotalsReduceTheirDigitsWithoutTheSign) {
    for (int total = -32768; total < 0; ++total) {
        ASSERT_EQ(mlc::ReduceDigits(i16(total), false), referenceReduce(-total, false)) << total;
        ASSERT_EQ(mlc::ReduceDigits(i16(total), true), referenceReduce(-total, true)) << total;
    }
    EXPECT_EQ(mlc::ReduceDigits(-32768, false), 8);  // 3+2+7+6+8 = 26 -> 8
}

// ------------------------------------------------------- FoldMasterNumber

TEST(FoldMasterNumber, FoldsOnlyElevenAndTwentyTwo) {
    EXPECT_EQ(mlc::FoldMasterNumber(11), 2);
    EXPECT_EQ(mlc::FoldMasterNumber(22), 4);
    for (int n = 0; n <= 9; ++n) {
        EXPECT_EQ(mlc::FoldMasterNumber(i16(n)), n);
    }
    for (const int n : {-32768, -22, -11, -1, 10, 12, 21, 23, 33, 44, 32767}) {
        EXPECT_EQ(mlc::FoldMasterNumber(i16(n)), n);
    }
}

}  // namespace
