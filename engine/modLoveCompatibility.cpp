#include "engine/modLoveCompatibility.h"

#include "engine/ReadingTables.h"

#include <charconv>
#include <limits>
#include <optional>

namespace modLoveCompatibility {
namespace {

// Every sum of the calculation is 16-bit; a result outside that range is an
// overflow, and the caller decides what an overflow means.
std::optional<std::int16_t> guardedAdd(std::int16_t a, std::int16_t b) {
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<std::int16_t>::min() || sum > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(sum);
}

// Pythagorean letter values: A=1 .. I=9, J starts again at 1. Only the 26
// ASCII letters count; every other byte, including each byte of a non-ASCII
// letter in UTF-8, is worth 0.
constexpr std::int16_t letterValue(unsigned char c) {
    // Setting bit 5 folds A-Z onto a-z and brings no other byte into a-z.
    const unsigned offset = (c | 0x20u) - 'a';
    return offset < 26 ? static_cast<std::int16_t>(offset % 9 + 1) : std::int16_t{0};
}

constexpr int kMaxLetterValue = 9;
constexpr int kMax16 = std::numeric_limits<std::int16_t>::max();

// The digit sum of 0..99999, which covers every 16-bit value without its
// sign. A digit d in the 10^k place adds d * 10^k to n and d * (10^k - 1) / 9
// to n / 10 + n / 100 + n / 1000 + n / 10000, so n minus nine times that sum
// leaves the digits alone. Unlike a digit-by-digit loop, the four divisions
// do not wait for one another.
constexpr int digitSum(int n) {
    const auto u = static_cast<unsigned>(n);
    return static_cast<int>(u - 9 * (u / 10 + u / 100 + u / 1000 + u / 10000));
}

// The one digit reduction behind every number. `onPass(number, sum)` sees each
// pass as it is made; callers that only want the number pass a no-op, which
// the compiler removes.
template <class OnPass>
constexpr int reduce(int total, bool retainMasters, OnPass&& onPass) {
    // The digits are read without the sign; int keeps -32768 representable.
    int current = total < 0 ? -total : total;
    // A digit sum of a 16-bit number is at most 2 + 9 * 4 = 38, so every
    // pass shrinks the number and the loop ends.
    while (current > 9) {
        const int sum = digitSum(current);
        onPass(current, sum);
        if (retainMasters && (sum == 11 || sum == 22)) {
            return sum;
        }
        current = sum;
    }
    return current;
}

constexpr auto kNoRecord = [](int, int) {};

// The longest reduction any 16-bit total, with or without its sign, can make.
constexpr std::size_t mostPasses() {
    std::size_t most = 0;
    for (int total = 0; total <= kMax16 + 1; ++total) {
        std::size_t passes = 0;
        reduce(total, false, [&passes](int, int) { ++passes; });
        most = passes > most ? passes : most;
    }
    return most;
}
static_assert(mostPasses() <= std::tuple_size_v<decltype(Reduction::passes)>,
              "a reduction makes more passes than Reduction can hold");

// Fills `how` with the passes of one reduction.
auto recorder(Reduction& how) {
    return [&how](int number, int sum) { how.passes[how.passCount++] = {number, sum}; };
}

// The date total, guarded: std::nullopt when a sum leaves 16 bits.
std::optional<std::int16_t> dateTotal(std::int16_t day, std::int16_t month, std::int16_t year) {
    const auto dayMonth = guardedAdd(day, month);
    return dayMonth ? guardedAdd(*dayMonth, year) : std::nullopt;
}

// Index of a two-digit key "ab" (a, b in 1..9) in the ascending short table.
constexpr std::size_t shortIndex(int first, int second) {
    return static_cast<std::size_t>((first - 1) * 9 + (second - 1));
}

// Index of the unordered pair first <= second in the ascending long table:
// row "ab" comes after all rows that start with a smaller digit.
constexpr std::size_t longIndex(int first, int second) {
    const int before = (first - 1) * 9 - (first - 1) * (first - 2) / 2;
    return static_cast<std::size_t>(before + (second - first));
}

constexpr bool isDigit1To9(int n) { return n >= 1 && n <= 9; }

// The short reading of two numbers, found the way GetShortReading(MakePairKey(
// first, second)) finds it but without building the key: only two numbers in
// 1..9 make a key of the table.
std::string_view shortReadingOf(int first, int second) {
    if (!isDigit1To9(first) || !isDigit1To9(second)) {
        return {};
    }
    return tables::kShortReadings[shortIndex(first, second)].text;
}

enum class Rating : unsigned char { None, VeryCompatible, Compatible, Neutral, Difficult };

constexpr std::string_view ratingText(Rating r) {
    switch (r) {
    case Rating::VeryCompatible:
        return "Very Compatible";
    case Rating::Compatible:
        return "Compatible";
    case Rating::Neutral:
        return "Neutral";
    case Rating::Difficult:
        return "Difficult";
    case Rating::None:
        break;
    }
    return {};
}

// Rows: the first number; columns: the second number, 1..9.
constexpr Rating V = Rating::VeryCompatible;
constexpr Rating C = Rating::Compatible;
constexpr Rating N = Rating::Neutral;
constexpr Rating D = Rating::Difficult;
constexpr std::array<std::array<Rating, 9>, 9> kRatings{{
    //  1  2  3  4  5  6  7  8  9
    {{V, D, C, D, V, D, V, N, C}},  // 1
    {{D, V, C, V, D, C, D, V, N}},  // 2
    {{C, C, V, D, C, V, D, D, V}},  // 3
    {{D, V, D, V, D, C, C, V, D}},  // 4
    {{V, D, C, D, V, D, V, N, C}},  // 5
    {{D, C, V, C, D, V, D, C, V}},  // 6
    {{V, D, D, C, V, D, V, D, N}},  // 7
    {{N, V, D, V, N, C, D, V, D}},  // 8
    {{C, N, V, D, C, V, N, D, V}},  // 9
}};

}  // namespace

std::int16_t ReduceDigits(std::int16_t total, bool retainMasters) {
    return static_cast<std::int16_t>(reduce(total, retainMasters, kNoRecord));
}

std::int16_t GetLifePathNumber(std::int16_t day, std::int16_t month, std::int16_t year) {
    const auto total = dateTotal(day, month, year);
    return total ? static_cast<std::int16_t>(reduce(*total, false, kNoRecord)) : std::int16_t{0};
}

std::int16_t GetLifePathNumber(std::int16_t day, std::int16_t month, std::int16_t year, Reduction& how) {
    how = {};
    const auto total = dateTotal(day, month, year);
    if (!total) {
        return 0;
    }
    how.totalFits = true;
    how.total = *total;
    return static_cast<std::int16_t>(reduce(*total, false, recorder(how)));
}

std::int16_t GetDestinyNumber(std::string_view name) {
    return static_cast<std::int16_t>(reduce(getLetterTotal(name), true, kNoRecord));
}

std::int16_t GetDestinyNumber(std::string_view name, Reduction& how) {
    how = {};
    how.totalFits = true;
    how.total = getLetterTotal(name);
    return static_cast<std::int16_t>(reduce(how.total, true, recorder(how)));
}

std::int16_t getLetterTotal(std::string_view name) {
    if (name.size() <= static_cast<std::size_t>(kMax16 / kMaxLetterValue)) {
        // Too short to reach 32767, so no letter needs the overflow guard.
        int total = 0;
        for (const char ch : name) {
            total += letterValue(static_cast<unsigned char>(ch));
        }
        return static_cast<std::int16_t>(total);
    }
    std::int16_t total = 0;
    for (const char ch : name) {
        // A letter that would overflow the total is skipped, not fatal.
        if (const auto next = guardedAdd(total, letterValue(static_cast<unsigned char>(ch)))) {
            total = *next;
        }
    }
    return total;
}

std::int16_t FoldMasterNumber(std::int16_t n) {
    if (n == 11) {
        return 2;
    }
    if (n == 22) {
        return 4;
    }
    return n;
}

std::string MakePairKey(std::int16_t first, std::int16_t second) {
    // Two 16-bit decimals with signs fit in 12 characters, inside the small
    // string buffer, so building a key never allocates.
    std::array<char, 16> buffer{};
    char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), first).ptr;
    end = std::to_chars(end, buffer.data() + buffer.size(), second).ptr;
    return std::string(buffer.data(), end);
}

std::string_view GetCompatibilityRating(std::int16_t first, std::int16_t second) {
    if (!isDigit1To9(first)) {
        return {};
    }
    if (!isDigit1To9(second)) {
        return ratingText(Rating::Difficult);
    }
    return ratingText(kRatings[static_cast<std::size_t>(first - 1)][static_cast<std::size_t>(second - 1)]);
}

std::string_view GetShortReading(std::string_view key) {
    // Keys are exactly two digits 1..9 in ascending order, so the row of a
    // matching key is found by arithmetic instead of a scan.
    if (key.size() != 2) {
        return {};
    }
    const int first = key[0] - '0';
    const int second = key[1] - '0';
    if (!isDigit1To9(first) || !isDigit1To9(second)) {
        return {};
    }
    const auto& row = tables::kShortReadings[shortIndex(first, second)];
    return row.key == key ? row.text : std::string_view{};
}

std::string_view GetPairReading(std::int16_t first, std::int16_t second) {
    if (first > second) {
        std::swap(first, second);
    }
    if (!isDigit1To9(first) || !isDigit1To9(second)) {
        return {};
    }
    return tables::kLongReadings[longIndex(first, second)].text;
}

void CalculateCompatibility(CalculationState& s) {
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        s.intLifePath[i] = GetLifePathNumber(s.intDay[i], s.intMonth[i], s.intYear[i]);
    }
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        s.intDestiny[i] = GetDestinyNumber(s.strName[i]);
    }
    // Every later step, and everything shown, uses the folded Destiny numbers.
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        s.intDestiny[i] = FoldMasterNumber(s.intDestiny[i]);
    }
    s.strLifePathShort = shortReadingOf(s.intLifePath[0], s.intLifePath[1]);
    s.strDestinyShort = shortReadingOf(s.intDestiny[0], s.intDestiny[1]);
    s.strLifePathReading = GetPairReading(s.intLifePath[0], s.intLifePath[1]);
    s.strDestinyReading = GetPairReading(s.intDestiny[0], s.intDestiny[1]);
    s.strLifePathRating = GetCompatibilityRating(s.intLifePath[0], s.intLifePath[1]);
    s.strDestinyRating = GetCompatibilityRating(s.intDestiny[0], s.intDestiny[1]);
}

CalculationState& state() {
    static CalculationState state;
    return state;
}

void CalculateCompatibility() { CalculateCompatibility(state()); }

}  // namespace modLoveCompatibility
