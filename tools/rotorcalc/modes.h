#pragma once
// The calculation modes of rotorcalc, chosen by a request's "mode" field.

#include "request_reader.h"

#include <string_view>

namespace velmarsund::rotorcalc {

// The request format is the core's; the tool reads and answers it.
using namespace velmarsund::request;

using ModeFunction = Json (*)(const RequestReader& request);

struct Mode {
    std::string_view name;
    ModeFunction run;
};

// nullptr for a name that is no mode.
const Mode* FindMode(std::string_view name);

Json RunRotorMode(const RequestReader& request);
Json RunAirMode(const RequestReader& request);
Json RunGeometryMode(const RequestReader& request);
Json RunWeightMode(const RequestReader& request);
Json RunLeakageMode(const RequestReader& request);
Json RunSizesMode(const RequestReader& request);
Json RunAnnualMode(const RequestReader& request);

} // namespace velmarsund::rotorcalc
