// The calculation sequence: what CalculateCompatibility writes into the
// state from the two people's entries, and the module's own state.

#include "EngineTestSupport.h"

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace engine_test;

struct Person {
    std::string name;
    int day, month, year;
};

void enter(mlc::CalculationState& s, const Person& user, const Person& partner) {
    const Person* people[] = {&user, &partner};
    for (std::size_t i = 0; i < mlc::kPersonCount; ++i) {
        s.strName[i] = people[i]->name;
        s.intDay[i] = i16(people[i]->day);
        s.intMonth[i] = i16(people[i]->month);
        s.intYear[i] = i16(people[i]->year);
    }
}

mlc::CalculationState calculate(const Person& user, const Person& partner) {
    mlc::CalculationState s;
    enter(s, user, partner);
    mlc::CalculateCompatibility(s);
    return s;
}

// A name whose letter total is 499, which reduces to the master number 22.
const std::string kNameOf22 = nameWithLetterTotal(499);

const Person kAnn{"Ann", 1, 1, 1900};
const Person kCatherine{"Catherine", 9, 9, 1998};

TEST(Calculation, AnnAndCatherine) {
    const auto s = calculate(kAnn, kCatherine);
    expectLifePath(s, {3, 9, mlc::GetShortReading("39"), mlc::GetPairReading(3, 9), "Very Compatible"});
    // Catherine's 11 is folded to 2.
    expectDestiny(s, {2, 2, mlc::GetShortReading("22"), mlc::GetPairReading(2, 2), "Very Compatible"});
    for (const auto text :
         {s.strLifePathShort, s.strDestinyShort, s.strLifePathReading, s.strDestinyReading}) {
        EXPECT_FALSE(text.empty());
    }
    // The entries are read, never changed.
    EXPECT_EQ(s.strName[0], "Ann");
    EXPECT_EQ(s.strName[1], "Catherine");
    EXPECT_EQ(s.intDay[1], 9);
    EXPECT_EQ(s.intMonth[1], 9);
    EXPECT_EQ(s.intYear[1], 1998);
}

TEST(Calculation, ExchangingTheRolesKeepsRatingsAndLongReadings) {
    const auto forward = calculate(kAnn, kCatherine);
    const auto reversed = calculate(kCatherine, kAnn);
    EXPECT_EQ(reversed.intLifePath[0], 9);
    EXPECT_EQ(reversed.intLifePath[1], 3);
    EXPECT_EQ(reversed.strLifePathShort, mlc::GetShortReading("93"));
    EXPECT_EQ(reversed.strLifePathRating, forward.strLifePathRating);
    EXPECT_EQ(reversed.strDestinyRating, forward.strDestinyRating);
    EXPECT_EQ(reversed.strLifePathReading, forward.strLifePathReading);
    EXPECT_EQ(reversed.strDestinyReading, forward.strDestinyReading);

    // The short reading follows the order only for 1 and 2.
    const Person bornOn1{"A", 9, 9, 1999};  // 2017 -> 10 -> 1
    const Person bornOn2{"B", 1, 8, 2000};  // 2009 -> 11 -> 2
    const auto oneTwo = calculate(bornOn1, bornOn2);
    const auto twoOne = calculate(bornOn2, bornOn1);
    ASSERT_EQ(oneTwo.intLifePath[0], 1);
    ASSERT_EQ(oneTwo.intLifePath[1], 2);
    EXPECT_EQ(oneTwo.strLifePathShort, mlc::GetShortReading("12"));
    EXPECT_EQ(twoOne.strLifePathShort, mlc::GetShortReading("21"));
    EXPECT_NE(oneTwo.strLifePathShort, twoOne.strLifePathShort);
    EXPECT_EQ(oneTwo.strDestinyShort, mlc::GetShortReading("12"));  // A = 1, B = 2
    EXPECT_EQ(oneTwo.strLifePathRating, twoOne.strLifePathRating);
    EXPECT_EQ(oneTwo.strLifePathReading, twoOne.strLifePathReading);
}

TEST(Calculation, MasterNumbersAreFoldedBeforePairing) {
    // Catherine 11 and Tom 3 pair as 2 and 3.
    const auto s = calculate({"Catherine", 1, 1, 1900}, {"Tom", 1, 1, 1900});
    expectDestiny(s, {2, 3, mlc::GetShortReading("23"), mlc::GetPairReading(2, 3), "Compatible"});
    EXPECT_FALSE(s.strDestinyShort.empty());

    // 22 and David (total 22, which is 4) pair as 4 and 4.
    ASSERT_EQ(mlc::GetDestinyNumber(kNameOf22), 22);
    const auto t = calculate({kNameOf22, 1, 1, 1900}, {"David", 1, 1, 1900});
    expectDestiny(t, {4, 4, mlc::GetShortReading("44"), mlc::GetPairReading(4, 4), "Very Compatible"});
    EXPECT_FALSE(t.strDestinyShort.empty());

    // A Life Path number is never a master number to begin with.
    const auto u = calculate({"Ann", 1, 8, 2000}, {"Ann", 1, 8, 2000});
    EXPECT_EQ(u.intLifePath[0], 2);
    EXPECT_EQ(u.strLifePathShort, mlc::GetShortReading("22"));
}

TEST(Calculation, NameWithoutLettersGivesDestinyZero) {
    const auto userBlank = calculate({"123", 1, 1, 1900}, {"E", 1, 1, 1900});
    expectDestiny(userBlank, {0, 5, "", "", ""});  // key "05"
    // The Life Path side is unaffected.
    EXPECT_EQ(userBlank.strLifePathRating, "Very Compatible");
    EXPECT_FALSE(userBlank.strLifePathShort.empty());

    const auto partnerBlank = calculate({"E", 1, 1, 1900}, {"", 1, 1, 1900});
    expectDestiny(partnerBlank, {5, 0, "", "", "Difficult"});  // key "50"
}

TEST(Calculation, RecalculatingReplacesEveryResult) {
    mlc::CalculationState s;
    enter(s, kAnn, kCatherine);
    mlc::CalculateCompatibility(s);
    ASSERT_FALSE(s.strDestinyShort.empty());

    // Second run: results that come out empty must not keep the old texts.
    enter(s, {"", 31, 12, 2050}, {"Joe", 28, 9, 1989});
    mlc::CalculateCompatibility(s);
    expectLifePath(s, {5, 1, mlc::GetShortReading("51"), mlc::GetPairReading(1, 5), "Very Compatible"});
    expectDestiny(s, {0, 3, "", "", ""});  // Joe: J1 O6 E5 = 12 -> 3
}

TEST(Calculation, TextsPointIntoTheConstantTables) {
    // The stored views must outlive the temporary pair keys and the entries.
    mlc::CalculationState s;
    enter(s, kAnn, kCatherine);
    mlc::CalculateCompatibility(s);
    s.strName[0].assign(1000, 'x');
    s.strName[1].clear();
    EXPECT_EQ(s.strLifePathShort.data(), mlc::GetShortReading("39").data());
    EXPECT_EQ(s.strDestinyShort.data(), mlc::GetShortReading("22").data());
    EXPECT_EQ(s.strLifePathReading.data(), mlc::GetPairReading(3, 9).data());
    EXPECT_EQ(s.strDestinyReading.data(), mlc::GetPairReading(2, 2).data());
}

TEST(Calculation, ResultsAgreeWithTheSingleStepsOverManyEntries) {
    std::mt19937 rng(7331u);
    const std::vector<std::string> names = {
        "",         "   ",         "Ann",      "Catherine", "Susan", "David",
        "Mary Ann", "O'Neil",      "Jean-Luc", kNameOf22,   "Zoe",   "Bartholomew Featherstonehaugh",
        "x",        "QQQQQQQQQQQQ"};
    std::uniform_int_distribution<std::size_t> name(0, names.size() - 1);
    std::uniform_int_distribution<int> day(1, 31), month(1, 12), year(1900, 2050);
    for (int round = 0; round < 5000; ++round) {
        const Person user{names[name(rng)], day(rng), month(rng), year(rng)};
        const Person partner{names[name(rng)], day(rng), month(rng), year(rng)};
        const auto s = calculate(user, partner);
        std::int16_t lp[2], de[2];
        const Person* people[] = {&user, &partner};
        for (int i = 0; i < 2; ++i) {
            lp[i] = mlc::GetLifePathNumber(i16(people[i]->day), i16(people[i]->month), i16(people[i]->year));
            de[i] = mlc::FoldMasterNumber(mlc::GetDestinyNumber(people[i]->name));
            ASSERT_EQ(s.intLifePath[i], lp[i]);
            ASSERT_EQ(s.intDestiny[i], de[i]);
            ASSERT_GE(lp[i], 1);
            ASSERT_LE(lp[i], 9);
            ASSERT_GE(de[i], 0);
            ASSERT_LE(de[i], 9);
        }
        ASSERT_EQ(s.strLifePathShort, mlc::GetShortReading(mlc::MakePairKey(lp[0], lp[1])));
        ASSERT_EQ(s.strDestinyShort, mlc::GetShortReading(mlc::MakePairKey(de[0], de[1])));
        ASSERT_EQ(s.strLifePathReading, mlc::GetPairReading(lp[0], lp[1]));
        ASSERT_EQ(s.strDestinyReading, mlc::GetPairReading(de[0], de[1]));
        ASSERT_EQ(s.strLifePathRating, mlc::GetCompatibilityRating(lp[0], lp[1]));
        ASSERT_EQ(s.strDestinyRating, mlc::GetCompatibilityRating(de[0], de[1]));
        // Life Path numbers are always 1..9, so their texts are always found.
        ASSERT_FALSE(s.strLifePathShort.empty());
        ASSERT_FALSE(s.strLifePathReading.empty());
        ASSERT_FALSE(s.strLifePathRating.empty());
    }
}

// ----------------------------------------------------------- module state

TEST(ModuleState, IsOneLastingObject) { EXPECT_EQ(&mlc::state(), &mlc::state()); }

TEST(ModuleState, CalculationWithoutArgumentsUsesTheModuleState) {
    mlc::CalculationState& state = mlc::state();
    enter(state, kAnn, kCatherine);
    mlc::CalculateCompatibility();
    expectLifePath(state, {3, 9, mlc::GetShortReading("39"), mlc::GetPairReading(3, 9), "Very Compatible"});
    expectDestiny(state, {2, 2, mlc::GetShortReading("22"), mlc::GetPairReading(2, 2), "Very Compatible"});

    // Calculating on another state leaves the module's state alone.
    mlc::CalculationState other;
    enter(other, kCatherine, {"", 1, 1, 1900});
    mlc::CalculateCompatibility(other);
    EXPECT_EQ(state.intLifePath[0], 3);
    EXPECT_EQ(state.strDestinyRating, "Very Compatible");
    EXPECT_EQ(other.strDestinyRating, "Difficult");

    // A second run on the module's state sees the new entries.
    state.strName[1] = "";
    mlc::CalculateCompatibility();
    EXPECT_EQ(state.intDestiny[1], 0);
    EXPECT_EQ(state.strDestinyRating, "Difficult");
}

}  // namespace
