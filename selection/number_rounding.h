#pragma once
// Rounding of shown and stored values to a number of decimals.

namespace velmarsund {

// `value` rounded to `decimals` decimals: the quotient by 10^-decimals goes to its nearest
// integer with halves to even and is multiplied back. Used with 0, 1 and 2 decimals.
double RoundTo(double value, int decimals);

} // namespace velmarsund
