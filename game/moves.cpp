#include "moves.h"

#include <cmath>

namespace game {

MoveIndex pickFromUnit(float r)
{
    // A float times 1000 is exact in double; the default rounding mode of
    // nearbyint is round-half-to-even.
    const double x = static_cast<double>(r) * 1000.0;
    const auto n = static_cast<long>(std::nearbyint(x));
    return static_cast<MoveIndex>(n % 3);
}

} // namespace game
