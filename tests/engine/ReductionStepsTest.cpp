#include "engine/ReductionSteps.h"
#include "engine/modLoveCompatibility.h"

#include <gtest/gtest.h>

#include <string>

using namespace modLoveCompatibility;

namespace {

// The number a description ends at: the text after its last " = ", or after
// its last arrow when the last step is not a sum.
int FinalNumber(const std::string& steps) {
    const auto eq = steps.rfind(" = ");
    const auto arrow = steps.rfind("\u2192 ");
    std::size_t from = 0;
    if (eq != std::string::npos && (arrow == std::string::npos || eq > arrow)) {
        from = eq + 3;
    } else if (arrow != std::string::npos) {
        from = arrow + std::string("\u2192 ").size();
    } else {
        from = steps.rfind(' ') + 1;
    }
    return std::stoi(steps.substr(from));
}

}  // namespace

TEST(ReductionSteps, LifePathShowsEveryPass) {
    EXPECT_EQ(DescribeLifePath(1, 1, 1900), "1 + 1 + 1900 = 1902 \u2192 1 + 9 + 0 + 2 = 12 \u2192 1 + 2 = 3");
    EXPECT_EQ(DescribeLifePath(9, 9, 1998), "9 + 9 + 1998 = 2016 \u2192 2 + 0 + 1 + 6 = 9");
    EXPECT_EQ(DescribeLifePath(1, 8, 2000), "1 + 8 + 2000 = 2009 \u2192 2 + 0 + 0 + 9 = 11 \u2192 1 + 1 = 2");
}

TEST(ReductionSteps, LifePathStepsEndAtTheNumberForEveryListedDate) {
    for (std::int16_t year = 1900; year <= 2050; ++year) {
        for (std::int16_t month = 1; month <= 12; ++month) {
            for (std::int16_t day = 1; day <= 31; ++day) {
                ASSERT_EQ(FinalNumber(DescribeLifePath(day, month, year)), GetLifePathNumber(day, month, year))
                    << day << "." << month << "." << year;
            }
        }
    }
}

TEST(ReductionSteps, OverflowingDateSaysSoAndEndsAtZero) {
    const std::string steps = DescribeLifePath(32767, 1, 0);
    EXPECT_NE(steps.find("too large"), std::string::npos);
    EXPECT_EQ(FinalNumber(steps), 0);
}

TEST(ReductionSteps, DestinyShowsTotalReductionAndFolding) {
    EXPECT_EQ(DescribeDestiny("Catherine"), "letter total 47 \u2192 4 + 7 = 11 \u2192 11 counts as 1 + 1 = 2");
    // A total of 11 is not a digit sum, so it reduces on.
    EXPECT_EQ(DescribeDestiny("Ann"), "letter total 11 \u2192 1 + 1 = 2");
    EXPECT_EQ(DescribeDestiny("--"), "letter total 0");
}

TEST(ReductionSteps, DestinyStepsEndAtTheFoldedNumber) {
    const std::string names[] = {"Ann", "Catherine", "David", "Susan", "Mary Ann", "Zz", "Alexandra Montgomery",
                                 std::string(499, 'I'), std::string(5000, 'Z'), "\xC3\xA9l\xC3\xA8ne"};
    for (const std::string& name : names) {
        EXPECT_EQ(FinalNumber(DescribeDestiny(name)), FoldMasterNumber(GetDestinyNumber(name))) << name;
    }
}
