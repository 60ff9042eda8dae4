#pragma once
// One rotorsheet request: a selection in the selection file format, and the pages to write.

#include "request_reader.h"
#include "selection.h"

#include <vector>

namespace velmarsund::rotorsheet {

using request::Json;
using request::RequestError;

// The pages a request may ask for, by the name it uses.
enum class SheetPage { DataSheet, Product, Controller, Leakage, Chart, Annual };

struct SheetRequest {
    Selection selection;
    std::vector<SheetPage> pages{SheetPage::DataSheet};
};

// Reads and checks the fields of one request; RequestError names the field that is wrong.
SheetRequest ReadSheetRequest(const Json& request);

} // namespace velmarsund::rotorsheet
