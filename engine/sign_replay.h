#pragma once
// Sparing the evaluations of a bisection without changing its result.
//
// A bisection's path, and so its result, depends only on the signs of the function at the points
// it visits: every midpoint is computed from the bounds alone. Where the root of a monotonic
// function is known far more precisely than a point's distance from it, the sign at that point is
// known without evaluating the function. `KnownRootSign` answers with ±1 there and evaluates the
// function as before only close to the root (within kClearOfRoot) or outside the range where the
// root's side decides the sign. The loops run unchanged on these values, which carry the same
// signs as the evaluated ones, so they visit the same points and end with the same bits.

#include <cmath>
#include <optional>

namespace velmarsund {

// Far above the rounding noise of the fitted functions near their roots (about 1e-14 K), far
// below the spacing of any bisection step that could follow.
inline constexpr double kClearOfRoot = 1e-9;

template <typename Exact>
class KnownRootSign {
public:
    // `exact` changes sign at `root` (no value: unknown, always evaluate); `below` is the sign of
    // `exact` below the root. The replay holds within (low, high) only.
    KnownRootSign(Exact exact, std::optional<double> root, double below, double low, double high)
        : exact_(exact), root_(root), below_(below), low_(low), high_(high)
    {
    }

    double operator()(double x) const
    {
        if (root_ && x > low_ && x < high_ && std::fabs(x - *root_) > kClearOfRoot)
            return x < *root_ ? below_ : -below_;
        return exact_(x);
    }

private:
    Exact exact_;
    std::optional<double> root_;
    double below_;
    double low_;
    double high_;
};

} // namespace velmarsund
