#pragma once
// The two constant tables of reading texts, kept apart from the lookup code so
// that the prose can be read and edited as data.

#include <array>
#include <string_view>

namespace modLoveCompatibility::tables {

struct ReadingRow {
    std::string_view key;   // pair key, e.g. "47"
    std::string_view text;  // reading shown to the user
};

// One row per ordered pair of single digits, "11" to "99", ascending.
extern const std::array<ReadingRow, 81> kShortReadings;

// One row per unordered pair, smaller digit first: "11".."19", "22".."29", ... "99".
extern const std::array<ReadingRow, 45> kLongReadings;

}  // namespace modLoveCompatibility::tables
