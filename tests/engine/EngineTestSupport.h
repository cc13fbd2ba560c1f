#pragma once
// Helpers the engine tests share. The reference arithmetic here follows the
// published rules (a walk over decimal digits), so it shares no code or
// shortcut with the engine.

#include "engine/ReadingTables.h"
#include "engine/modLoveCompatibility.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mlc = modLoveCompatibility;

namespace engine_test {

inline std::int16_t i16(int n) { return static_cast<std::int16_t>(n); }

inline bool isDestinyValue(int n) { return (n >= 0 && n <= 9) || n == 11 || n == 22; }

// "47" for 4 and 7: both decimal texts, the first number's first.
inline std::string pairKey(int first, int second) { return std::to_string(first) + std::to_string(second); }

// The sum of the decimal digits of a non-negative number.
inline int referenceDigitSum(int n) {
    int sum = 0;
    for (const char d : std::to_string(n)) {
        sum += d - '0';
    }
    return sum;
}

// A name of capital letters whose letter total is exactly `total`: as many
// I's (9) as fit, then one letter for the remainder.
inline std::string nameWithLetterTotal(int total) {
    std::string name(static_cast<std::size_t>(total / 9), 'I');
    if (total % 9 != 0) {
        name += static_cast<char>('A' + total % 9 - 1);
    }
    return name;
}

// The row of a reading table with that key; a failure and null without one.
template <class Table>
const mlc::tables::ReadingRow* findRow(const Table& table, std::string_view key) {
    for (const auto& row : table) {
        if (row.key == key) return &row;
    }
    ADD_FAILURE() << "no row " << key;
    return nullptr;
}

struct DateCase {
    int day, month, year, lifePath;
};

inline void expectLifePaths(std::span<const DateCase> cases) {
    for (const DateCase& c : cases) {
        EXPECT_EQ(mlc::GetLifePathNumber(i16(c.day), i16(c.month), i16(c.year)), c.lifePath)
            << c.day << '.' << c.month << '.' << c.year;
    }
}

struct NameCase {
    std::string name;
    int destiny;
};

inline void expectDestinies(std::span<const NameCase> cases) {
    for (const NameCase& c : cases) {
        // Long names are told apart by their size and how they end.
        const std::string_view end =
            std::string_view(c.name).substr(c.name.size() - std::min<std::size_t>(c.name.size(), 12));
        EXPECT_EQ(mlc::GetDestinyNumber(c.name), c.destiny)
            << c.name.size() << " bytes ending \"" << end << '"';
    }
}

// One side of a calculation's results: the pair of numbers and the three
// texts found for them.
struct Side {
    int first, second;
    std::string_view shortReading, pairReading, rating;
};

inline void expectLifePath(const mlc::CalculationState& s, const Side& want) {
    EXPECT_EQ(s.intLifePath[0], want.first);
    EXPECT_EQ(s.intLifePath[1], want.second);
    EXPECT_EQ(s.strLifePathShort, want.shortReading);
    EXPECT_EQ(s.strLifePathReading, want.pairReading);
    EXPECT_EQ(s.strLifePathRating, want.rating);
}

inline void expectDestiny(const mlc::CalculationState& s, const Side& want) {
    EXPECT_EQ(s.intDestiny[0], want.first);
    EXPECT_EQ(s.intDestiny[1], want.second);
    EXPECT_EQ(s.strDestinyShort, want.shortReading);
    EXPECT_EQ(s.strDestinyReading, want.pairReading);
    EXPECT_EQ(s.strDestinyRating, want.rating);
}

}  // namespace engine_test
