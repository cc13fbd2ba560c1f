#include "engine/ReductionSteps.h"

#include "engine/modLoveCompatibility.h"

#include <string>

namespace modLoveCompatibility {
namespace {

constexpr std::string_view kArrow = " \u2192 ";

// "1 + 9 + 0 + 2" for 1902.
std::string DigitsJoined(int n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0) {
            out += " + ";
        }
        out += digits[i];
    }
    return out;
}

int DigitSum(int n) {
    int sum = 0;
    for (; n > 0; n /= 10) {
        sum += n % 10;
    }
    return sum;
}

// Appends one " → a + b = s" per pass, following the same rule as the
// reduction itself, and returns where it stopped.
int AppendReduction(std::string& out, int total, bool retainMasters) {
    int current = total < 0 ? -total : total;
    while (current > 9) {
        const int sum = DigitSum(current);
        out += kArrow;
        out += DigitsJoined(current);
        out += " = ";
        out += std::to_string(sum);
        current = sum;
        if (retainMasters && (sum == 11 || sum == 22)) {
            break;
        }
    }
    return current;
}

}  // namespace

std::string DescribeLifePath(std::int16_t day, std::int16_t month, std::int16_t year) {
    const int total = int{day} + int{month} + int{year};
    const int partial = int{day} + int{month};
    std::string out = std::to_string(day) + " + " + std::to_string(month) + " + " + std::to_string(year);
    constexpr int kMax = 32767;
    constexpr int kMin = -32768;
    if (partial > kMax || partial < kMin || total > kMax || total < kMin) {
        // The calculation works in 16 bits, so such a date has no number.
        out += " is too large to add up";
        out += kArrow;
        out += "0";
        return out;
    }
    out += " = " + std::to_string(total);
    AppendReduction(out, total, false);
    return out;
}

std::string DescribeDestiny(std::string_view name) {
    const int total = GetLetterTotal(name);
    std::string out = "letter total " + std::to_string(total);
    const int reduced = AppendReduction(out, total, true);
    const int folded = FoldMasterNumber(static_cast<std::int16_t>(reduced));
    if (folded != reduced) {
        out += kArrow;
        out += std::to_string(reduced) + " counts as " + DigitsJoined(reduced) + " = " + std::to_string(folded);
    }
    return out;
}

}  // namespace modLoveCompatibility
