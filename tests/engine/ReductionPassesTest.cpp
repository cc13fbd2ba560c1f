// The passes a reduction reports: the arithmetic the tooltips show must be the
// arithmetic that produced the number, pass for pass.

#include "EngineTestSupport.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using namespace engine_test;

using Passes = std::vector<std::pair<int, int>>;  // {number, digit sum}

Passes passesOf(const mlc::Reduction& how) {
    Passes out;
    for (const mlc::DigitPass& pass : how.passesMade()) {
        out.emplace_back(pass.number, pass.sum);
    }
    return out;
}

// The passes start at the total, each adds up the digits of the one before,
// and the last ends at the number; with no pass, the total is the number.
void expectChainFromTotalToNumber(const mlc::Reduction& how, int number) {
    ASSERT_TRUE(how.totalFits);
    int current = how.total;
    for (const mlc::DigitPass& pass : how.passesMade()) {
        ASSERT_EQ(pass.number, current);
        ASSERT_EQ(pass.sum, referenceDigitSum(pass.number)) << pass.number;
        current = pass.sum;
    }
    ASSERT_EQ(current, number) << "total " << how.total;
}

}  // namespace

TEST(ReductionPasses, KnownDatesAndNames) {
    mlc::Reduction how;
    EXPECT_EQ(mlc::GetLifePathNumber(1, 1, 1900, how), 3);
    EXPECT_EQ(how.total, 1902);
    EXPECT_EQ(passesOf(how), (Passes{{1902, 12}, {12, 3}}));

    EXPECT_EQ(mlc::GetLifePathNumber(9, 9, 1998, how), 9);
    EXPECT_EQ(passesOf(how), (Passes{{2016, 9}}));

    // A Life Path reduction goes past 11.
    EXPECT_EQ(mlc::GetLifePathNumber(1, 8, 2000, how), 2);
    EXPECT_EQ(passesOf(how), (Passes{{2009, 11}, {11, 2}}));

    // A Destiny reduction stops at a master number it produced, not at a
    // starting total of 11.
    EXPECT_EQ(mlc::GetDestinyNumber("Catherine", how), 11);
    EXPECT_EQ(how.total, 47);
    EXPECT_EQ(passesOf(how), (Passes{{47, 11}}));
    EXPECT_EQ(mlc::GetDestinyNumber("Ann", how), 2);
    EXPECT_EQ(passesOf(how), (Passes{{11, 2}}));
    EXPECT_EQ(mlc::GetDestinyNumber(nameWithLetterTotal(499), how), 22);
    EXPECT_EQ(passesOf(how), (Passes{{499, 22}}));

    EXPECT_EQ(mlc::GetDestinyNumber("--", how), 0);
    EXPECT_TRUE(how.totalFits);
    EXPECT_EQ(how.total, 0);
    EXPECT_TRUE(how.passesMade().empty());
}

TEST(ReductionPasses, DateTotalsAtTheEdgesOfSixteenBits) {
    mlc::Reduction how;
    ASSERT_EQ(mlc::GetDestinyNumber("Catherine", how), 11);  // leaves passes behind
    EXPECT_EQ(mlc::GetLifePathNumber(32767, 1, 0, how), 0);
    EXPECT_FALSE(how.totalFits);
    EXPECT_TRUE(how.passesMade().empty());
    EXPECT_EQ(mlc::GetLifePathNumber(-32768, -1, 0, how), 0);
    EXPECT_FALSE(how.totalFits);
    // The lowest total that fits is reduced without its sign, 32768.
    EXPECT_EQ(mlc::GetLifePathNumber(-32768, 0, 0, how), 8);
    EXPECT_EQ(passesOf(how), (Passes{{32768, 26}, {26, 8}}));
}

TEST(ReductionPasses, ChainFromTotalToTheSameNumberAsWithoutReporting) {
    // One report object for every call: each call starts it afresh.
    mlc::Reduction how;
    for (std::int16_t year = 1900; year <= 2050; ++year) {
        for (std::int16_t month = 1; month <= 12; ++month) {
            for (std::int16_t day = 1; day <= 31; ++day) {
                const int number = mlc::GetLifePathNumber(day, month, year, how);
                ASSERT_EQ(number, mlc::GetLifePathNumber(day, month, year));
                ASSERT_EQ(how.total, day + month + year);
                expectChainFromTotalToNumber(how, number);
            }
        }
    }
    // Every letter total, built from I's (9) and one letter for the rest.
    for (int total = 0; total <= 32767; ++total) {
        const std::string name = nameWithLetterTotal(total);
        const int number = mlc::GetDestinyNumber(name, how);
        ASSERT_EQ(number, mlc::GetDestinyNumber(name));
        ASSERT_EQ(how.total, total);
        expectChainFromTotalToNumber(how, number);
    }
}
