#include "ui/random_source.h"

#include <cstring>

namespace numbrava {

void StandardRandomSource::seed(double value) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    engine_.seed(bits);
}

double StandardRandomSource::next() {
    const double value = uniform_(engine_);
    return value < 1.0 ? value : 0.0;
}

} // namespace numbrava
