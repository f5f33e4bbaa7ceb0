#include "tips/RandomSource.h"

#include <chrono>

void RandomSource::randomize()
{
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    seed = std::int32_t(std::uint32_t(std::uint64_t(ticks)));
}
