#include "tools/object_creation.h"

#include "tools/tool_support.h"

#include <cmath>

int RoundToLong(double value) {
    const double hundredths = std::trunc(value * 100.0);
    // Beyond the int range the value is held at its end.
    const long long t = hundredths >= 9.2e18    ? 9200000000000000000LL
                        : hundredths <= -9.2e18 ? -9200000000000000000LL
                                                : static_cast<long long>(hundredths);
    const long long whole = t / 100;
    const long long rest = t % 100;
    return tool_support::Clamped(rest >= 50 ? whole + 1 : whole);
}
