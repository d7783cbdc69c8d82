#include "arc/method.h"

#include <cmath>

namespace arc {

long ratio_percent(std::uint64_t compressed, std::uint64_t uncompressed)
{
    if (uncompressed == 0)
        return 0;
    const double saving =
        100.0 - 100.0 * static_cast<double>(compressed) / static_cast<double>(uncompressed);
    // Far below any real member; keeps the conversion to long defined.
    constexpr double floor_value = -1e15;
    if (saving < floor_value)
        return static_cast<long>(floor_value);
    const double whole = std::floor(saving);
    const double fraction = saving - whole;
    auto rounded = static_cast<long>(whole);
    if (fraction > 0.5 || (fraction == 0.5 && rounded % 2 != 0))
        ++rounded;
    return rounded;
}

int method_after_attempt(int tried, std::uint64_t compressed, std::uint64_t uncompressed)
{
    if (tried == method::stored || ratio_percent(compressed, uncompressed) <= 0)
        return method::stored;
    return tried;
}

} // namespace arc
