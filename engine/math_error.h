#pragma once
// Arithmetic failures of the calculations. Every formula that can divide by zero, take the log
// of a non-positive number, the root of a negative one, raise a negative base to a fractional
// power or overflow goes through these helpers, so such a failure always arrives as one
// MathError that a run operation can catch.

#include <cmath>
#include <stdexcept>
#include <string>

namespace velmarsund {

class MathError : public std::runtime_error {
public:
    explicit MathError(const std::string& what) : std::runtime_error(what) {}
};

namespace checked {

// A non-finite result of an operation on finite numbers is an overflow or an invalid operation.
inline double Finite(double v, const char* what = "overflow")
{
    if (!std::isfinite(v)) throw MathError(what);
    return v;
}

inline double Div(double a, double b)
{
    if (b == 0.0) throw MathError("division by zero");
    return Finite(a / b);
}

inline double Ln(double x)
{
    if (!(x > 0.0)) throw MathError("logarithm of a non-positive number");
    return Finite(std::log(x));
}

inline double Sqrt(double x)
{
    if (x < 0.0 || std::isnan(x)) throw MathError("square root of a negative number");
    return Finite(std::sqrt(x));
}

inline double Exp(double x) { return Finite(std::exp(Finite(x))); }

// base^exponent. Integer exponents work for any base; a fractional one needs a positive base.
inline double Pow(double base, double exponent)
{
    Finite(base);
    Finite(exponent);
    if (exponent == 0.0) return 1.0;
    if (base == 0.0) {
        if (exponent > 0.0) return 0.0;
        throw MathError("division by zero");
    }
    if (base < 0.0 && std::trunc(exponent) != exponent)
        throw MathError("negative base with a fractional exponent");
    return Finite(std::pow(base, exponent));
}

inline double Tanh(double x) { return std::tanh(Finite(x)); }

// Nearest integer, halves to the even neighbour; raises when the value does not fit an int32.
inline int RoundToInt(double v)
{
    const double r = std::nearbyint(Finite(v));
    if (r > 2147483647.0 || r < -2147483648.0) throw MathError("integer overflow");
    return static_cast<int>(r);
}

} // namespace checked
} // namespace velmarsund
