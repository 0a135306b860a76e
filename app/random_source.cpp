#include "random_source.h"

#include <chrono>

namespace app {

void ClockRandom::restart()
{
    const auto now = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::uint32_t entropy[2] = {0, 0};
    try {
        std::random_device device;
        entropy[0] = device();
        entropy[1] = device();
    } catch (const std::exception&) { // NOLINT(bugprone-empty-catch)
        // No entropy source: the clock alone still differs from run to run,
        // and whatever the device gave before it failed is kept.
    }
    std::seed_seq sequence{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                           entropy[0], entropy[1]};
    generator_ = std::mt19937(sequence);
}

std::uint32_t ClockRandom::bits() { return static_cast<std::uint32_t>(generator_()); }

} // namespace app
