// Fuzz target for the score text: any bytes read to a finite number, and
// writing that number gives a text without blanks that reads back the same.
#include "score_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, int(text.size()), text.data());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = game::readScore(text);
    if (!std::isfinite(value))
        fail("read a number that is not finite", text);
    const std::string written = game::writeScore(value);
    if (written.empty() || written.find_first_of(" \t\n") != std::string::npos)
        fail("wrote an empty text or one with blanks", written);
    if (game::readScore(written) != value)
        fail("written text does not read back", written);
    // A sum as the window makes it must survive the same trip.
    const double sum = value + 2.0;
    if (game::readScore(game::writeScore(sum)) != sum)
        fail("a score plus two does not read back", text);
    return 0;
}
