#pragma once
// The arithmetic behind each number, written out for people who want to see
// how a Life Path or Destiny number was reached. The texts are UTF-8 and use
// "→" between the passes of a reduction.

#include <cstdint>
#include <string>
#include <string_view>

namespace modLoveCompatibility {

// "1 + 1 + 1900 = 1902 → 1 + 9 + 0 + 2 = 12 → 1 + 2 = 3"
std::string DescribeLifePath(std::int16_t day, std::int16_t month, std::int16_t year);

// "letter total 47 → 4 + 7 = 11 → 11 counts as 1 + 1 = 2"; the last step
// appears only for the master numbers 11 and 22, which are folded before
// they are paired.
std::string DescribeDestiny(std::string_view name);

}  // namespace modLoveCompatibility
