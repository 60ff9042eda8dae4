#pragma once
// The reference selection of the annual tests and benchmarks: E18 in a 2000 × 2000 housing,
// 10 000 m³/h each way, extract air 22 °C 40 %, its summer extract air 24 °C 50 %, every hour of
// every day scheduled.

#include "selection_json.h"
#include "text_table.h"

namespace velmarsund::testing {

inline Selection AnnualReference(bool summerShown = true) {
    SetCurrentLanguage(Language::English);
    Selection s = SelectionFromJson(request::Json::parse(R"({"Height":2000,"Width":2000,"Profile":"E18",
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},
        "Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":24,"Humidity":50}}})"));
    s.summerShown = summerShown;
    s.useSeasons = summerShown;
    AnnualInputs in;
    in.scheduleFrom = 0;
    in.scheduleTo = 24;
    in.scheduleDays = 7;
    s.annual = in;
    return s;
}

} // namespace velmarsund::testing
