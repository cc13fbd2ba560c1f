// Engine micro-benchmarks: one whole calculation, and the Destiny number of a
// very long name. The binary replaces the global allocation functions with
// counting ones so that each benchmark can report how many heap allocations
// one call makes; a calculation is meant to make none.

#include "engine/modLoveCompatibility.h"

#include <benchmark/benchmark.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<std::size_t> g_allocations{0};

void* countedAlloc(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* countedAlignedAlloc(std::size_t size, std::align_val_t align) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    const auto alignment = static_cast<std::size_t>(align);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size + alignment - 1) / alignment * alignment;
    if (void* p = std::aligned_alloc(alignment, rounded == 0 ? alignment : rounded)) {
        return p;
    }
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return countedAlloc(size); }
void* operator new[](std::size_t size) { return countedAlloc(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAlloc(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAlloc(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t align) { return countedAlignedAlloc(size, align); }
void* operator new[](std::size_t size, std::align_val_t align) { return countedAlignedAlloc(size, align); }
void* operator new(std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    try {
        return countedAlignedAlloc(size, align);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, std::align_val_t align, const std::nothrow_t&) noexcept {
    try {
        return countedAlignedAlloc(size, align);
    } catch (...) {
        return nullptr;
    }
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

namespace mlc = modLoveCompatibility;

struct Entry {
    const char* name;
    std::int16_t day, month, year;
};

// Typical couples: names of 10 to 25 letters, dates from the entry lists.
constexpr std::array<std::array<Entry, 2>, 8> kCouples{{
    {{{"Catherine Miller", 9, 9, 1998}, {"Jonathan Alexander Smith", 1, 1, 1900}}},
    {{{"Annabelle Lee", 28, 9, 1989}, {"Christopher Robin", 31, 12, 2050}}},
    {{{"Maria Fernandez", 14, 2, 1975}, {"David Thompson", 3, 7, 1971}}},
    {{{"Elizabeth Bennet", 12, 5, 1996}, {"Fitzwilliam Darcy", 30, 11, 1992}}},
    {{{"Olivia Montgomery", 1, 8, 2000}, {"Benjamin Hartley", 22, 4, 2003}}},
    {{{"Sophie Richardson", 17, 10, 1984}, {"Maximilian Weber", 6, 6, 1986}}},
    {{{"Isabella Rodriguez", 25, 12, 1963}, {"Nathaniel Brooks", 19, 3, 1960}}},
    {{{"Charlotte Anne Dawson", 7, 1, 2021}, {"William Henry Jackson", 29, 2, 2024}}},
}};

std::vector<mlc::CalculationState> preparedStates() {
    std::vector<mlc::CalculationState> states(kCouples.size());
    for (std::size_t c = 0; c < kCouples.size(); ++c) {
        for (std::size_t i = 0; i < mlc::kPersonCount; ++i) {
            states[c].strName[i] = kCouples[c][i].name;
            states[c].intDay[i] = kCouples[c][i].day;
            states[c].intMonth[i] = kCouples[c][i].month;
            states[c].intYear[i] = kCouples[c][i].year;
        }
    }
    return states;
}

void reportAllocations(benchmark::State& state, std::size_t before) {
    const auto made = g_allocations.load(std::memory_order_relaxed) - before;
    state.counters["allocs_per_call"] =
        benchmark::Counter(static_cast<double>(made), benchmark::Counter::kAvgIterations);
}

void BM_FullCalculation(benchmark::State& state) {
    auto states = preparedStates();
    std::size_t next = 0;
    const std::size_t before = g_allocations.load(std::memory_order_relaxed);
    for (auto _ : state) {
        mlc::CalculationState& s = states[next];
        next = (next + 1) % states.size();
        benchmark::DoNotOptimize(&s);
        mlc::CalculateCompatibility(s);
        benchmark::DoNotOptimize(s.strDestinyRating.data());
        benchmark::ClobberMemory();
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_FullCalculation);

void BM_DestinyOfThousandCharacterName(benchmark::State& state) {
    // Letters with a space now and then, as in a very long name.
    std::array<std::string, 4> names;
    for (std::size_t n = 0; n < names.size(); ++n) {
        for (std::size_t i = 0; names[n].size() < 1000; ++i) {
            names[n] += (i + n) % 9 == 8 ? ' ' : static_cast<char>('A' + (i * 7 + n) % 26);
        }
    }
    std::size_t next = 0;
    const std::size_t before = g_allocations.load(std::memory_order_relaxed);
    for (auto _ : state) {
        const std::string& name = names[next];
        next = (next + 1) % names.size();
        benchmark::DoNotOptimize(name.data());
        benchmark::DoNotOptimize(mlc::GetDestinyNumber(name));
    }
    reportAllocations(state, before);
}
BENCHMARK(BM_DestinyOfThousandCharacterName);

}  // namespace

BENCHMARK_MAIN();
