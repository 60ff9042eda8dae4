#pragma once
// Fixed-point text of a number: the exact binary value cut to n decimals with halves away from
// zero, optional grouping of the integer digits, no minus sign on a value that rounds to zero.

#include <string>

namespace velmarsund {

std::string FormatFixedPoint(double value, int decimals, char decimalSeparator = '.',
                             char thousandSeparator = '\0');

} // namespace velmarsund
