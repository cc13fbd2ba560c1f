// Feeds arbitrary bytes to the engine: the first twelve bytes are both
// people's day, month and year as 16-bit little-endian values, the rest is
// split into the two names at the first 0xFF byte.
#include "engine/modLoveCompatibility.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace mlc = modLoveCompatibility;

namespace {

std::int16_t takeInt16(const std::uint8_t*& data, std::size_t& size) {
    if (size < 2) {
        return 0;
    }
    const auto value = static_cast<std::int16_t>(static_cast<std::uint16_t>(data[0] | (data[1] << 8)));
    data += 2;
    size -= 2;
    return value;
}

bool isDestinyResult(std::int16_t n) { return (n >= 0 && n <= 9) || n == 11 || n == 22; }

bool isRealDate(int day, int month, int year) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    // Four-digit years: the date total of such a day always fits in 16 bits.
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1];
}

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The reported passes lead from the total to the number, each one smaller;
// a total that does not fit leaves no pass and the number 0.
void requirePassesReach(const mlc::Reduction& how, std::int16_t number) {
    if (!how.totalFits) {
        require(how.passesMade().empty() && number == 0);
        return;
    }
    int current = how.total < 0 ? -how.total : how.total;
    for (const mlc::DigitPass& pass : how.passesMade()) {
        require(pass.number == current && pass.sum < pass.number);
        current = pass.sum;
    }
    require(current == number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    mlc::CalculationState state;
    for (std::size_t i = 0; i < mlc::kPersonCount; ++i) {
        state.intDay[i] = takeInt16(data, size);
        state.intMonth[i] = takeInt16(data, size);
        state.intYear[i] = takeInt16(data, size);
    }
    const std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::size_t split = rest.find('\xFF');
    state.strName[0] = std::string(rest.substr(0, split));
    state.strName[1] = split == std::string_view::npos ? std::string() : std::string(rest.substr(split + 1));

    mlc::CalculateCompatibility(state);

    for (std::size_t i = 0; i < mlc::kPersonCount; ++i) {
        const std::int16_t destiny = mlc::GetDestinyNumber(state.strName[i]);
        require(isDestinyResult(destiny));
        require(state.intDestiny[i] == mlc::FoldMasterNumber(destiny));
        require(state.intDestiny[i] >= 0 && state.intDestiny[i] <= 9);
        require(state.intLifePath[i] >= 0 && state.intLifePath[i] <= 9);
        if (isRealDate(state.intDay[i], state.intMonth[i], state.intYear[i])) {
            require(state.intLifePath[i] >= 1);
        }
        mlc::Reduction how;
        require(mlc::GetDestinyNumber(state.strName[i], how) == destiny);
        requirePassesReach(how, destiny);
        require(mlc::GetLifePathNumber(state.intDay[i], state.intMonth[i], state.intYear[i], how) ==
                state.intLifePath[i]);
        requirePassesReach(how, state.intLifePath[i]);
    }
    // Both numbers in 1..9 always find every text; otherwise the texts are
    // empty, never garbage.
    const bool lifePathPair = state.intLifePath[0] >= 1 && state.intLifePath[1] >= 1;
    require(lifePathPair == !state.strLifePathReading.empty());
    require(lifePathPair == !state.strLifePathShort.empty());
    require((state.intLifePath[0] >= 1) == !state.strLifePathRating.empty());
    const bool destinyPair = state.intDestiny[0] >= 1 && state.intDestiny[1] >= 1;
    require(destinyPair == !state.strDestinyReading.empty());
    require(destinyPair == !state.strDestinyShort.empty());
    return 0;
}
