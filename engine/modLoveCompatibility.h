#pragma once
// The numerology engine: from two people's names and birth dates to their
// Life Path and Destiny numbers, pair keys, ratings and reading texts.
// Plain standard C++ with no user-interface dependency; never throws.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace modLoveCompatibility {

// Index 0 is the user, index 1 the partner.
inline constexpr std::size_t kPersonCount = 2;

// Entries and results of the last calculation. The person entries are written
// by the caller; CalculateCompatibility writes everything else. The text views
// point into the program's constant tables and never dangle.
struct CalculationState {
    std::array<std::string, kPersonCount> strName{};
    std::array<std::int16_t, kPersonCount> intDay{};
    std::array<std::int16_t, kPersonCount> intMonth{};
    std::array<std::int16_t, kPersonCount> intYear{};
    std::array<std::int16_t, kPersonCount> intLifePath{};
    std::array<std::int16_t, kPersonCount> intDestiny{};  // after master folding

    std::string_view strLifePathShort;
    std::string_view strDestinyShort;
    std::string_view strLifePathReading;
    std::string_view strDestinyReading;
    std::string_view strLifePathRating;
    std::string_view strDestinyRating;
};

// One pass of a digit reduction: the digits of `number` add up to `sum`. The
// first number is the total without its sign, which for -32768 needs more
// than 16 bits.
struct DigitPass {
    int number = 0;
    int sum = 0;
};

// The arithmetic behind one number, for people who want to check it: the
// total that was reduced and every pass the reduction made, in order. A
// 16-bit total reaches a single digit within three passes.
struct Reduction {
    bool totalFits = false;  // false when the date total left 16 bits: nothing was reduced
    std::int16_t total = 0;  // the date total or the letter total
    std::array<DigitPass, 3> passes{};
    std::size_t passCount = 0;

    std::span<const DigitPass> passesMade() const { return {passes.data(), passCount}; }
};

// Reduces a birth date to 1..9; 0 when the date total overflows 16 bits.
std::int16_t GetLifePathNumber(std::int16_t day, std::int16_t month, std::int16_t year);
// The same, also reporting how the number was reached.
std::int16_t GetLifePathNumber(std::int16_t day, std::int16_t month, std::int16_t year, Reduction& how);

// Reduces a name to 1..9, 11 or 22 (0 without any letter A-Z/a-z). The name
// is UTF-8; each byte counts as one character and only ASCII letters count.
std::int16_t GetDestinyNumber(std::string_view name);
// The same, also reporting how the number was reached (before any folding).
std::int16_t GetDestinyNumber(std::string_view name, Reduction& how);

// The sum of the letter values of a name before any reduction; a letter that
// would take the sum past 32767 is not counted.
std::int16_t getLetterTotal(std::string_view name);

// Repeated digit sum of a non-negative total. With retainMasters, a digit sum
// of 11 or 22 stops the reduction (the starting total itself never does).
std::int16_t ReduceDigits(std::int16_t total, bool retainMasters);

// 11 -> 2, 22 -> 4, anything else unchanged.
std::int16_t FoldMasterNumber(std::int16_t n);

// Decimal texts of both numbers joined, the first number's first: 4, 7 -> "47".
std::string MakePairKey(std::int16_t first, std::int16_t second);

// "Very Compatible", "Compatible", "Neutral", "Difficult", or "" when the first
// number lies outside 1..9.
std::string_view GetCompatibilityRating(std::int16_t first, std::int16_t second);

// Short reading for an exact pair key, "" for any key not in the table.
std::string_view GetShortReading(std::string_view key);

// Long reading for two numbers in either order, "" when the pair has none.
std::string_view GetPairReading(std::int16_t first, std::int16_t second);

// Runs the whole calculation on the person entries of the given state.
void CalculateCompatibility(CalculationState& state);

// The module's own calculation state, alive for the whole run.
CalculationState& state();

// Runs the calculation on the module's own state.
void CalculateCompatibility();

}  // namespace modLoveCompatibility
