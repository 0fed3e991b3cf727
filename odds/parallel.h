#pragma once
// Splitting a counted range of work over a few threads.
#include <cstdint>
#include <thread>
#include <vector>

namespace talvern::odds {

// Calls work(part, begin, end) for `parts` consecutive slices of 0 .. count,
// slice 0 on the calling thread and each other slice on a thread of its own;
// returns when all are done. parts < 2 runs everything here.
template <typename Work>
void forEachSlice(std::uint64_t count, int parts, Work work) {
    if (parts < 2 || count < 2) {
        work(0, std::uint64_t{0}, count);
        return;
    }
    const auto p = static_cast<std::uint64_t>(parts);
    auto begin = [&](std::uint64_t i) { return count * i / p; };
    std::vector<std::thread> helpers;
    for (std::uint64_t i = 1; i < p; ++i)
        helpers.emplace_back([&, i] { work(static_cast<int>(i), begin(i), begin(i + 1)); });
    work(0, begin(0), begin(1));
    for (std::thread& t : helpers) t.join();
}

} // namespace talvern::odds
