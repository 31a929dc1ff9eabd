#pragma once

#include <cmath>

namespace kinmatch {

enum class OfferInFront { FullBranding, CoBranding, Unchanged };

// Which offer label a draw r in [0, 1) brings to the front: 6r + 1 rounded half to even gives
// n in 1..7; even n the full-branding offer, odd n below 7 the co-branding offer, 7 neither.
inline OfferInFront CoBrandChoice(double r)
{
    const double n = std::nearbyint(6 * r + 1); // the default rounding mode is half to even
    if (n >= 7)
        return OfferInFront::Unchanged;
    return static_cast<int>(n) % 2 == 0 ? OfferInFront::FullBranding : OfferInFront::CoBranding;
}

} // namespace kinmatch
