#pragma once
// A fixed, varied batch of rotorcalc requests: rotor records of every humidity and volume kind,
// the moist-air functions with arguments at their edges, sizes, geometry, weight and leakage
// requests. The same count always gives the same text, on every platform.

#include <string>

namespace velmarsund::testing {

std::string MixedBatch(int count);

} // namespace velmarsund::testing
