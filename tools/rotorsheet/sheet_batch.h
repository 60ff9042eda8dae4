#pragma once
// rotorsheet's work on a whole input: every request read, checked and calculated before anything
// is written, so that a bad request leaves no file behind.

#include "annual_energy.h"
#include "page_list.h"
#include "sheet_request.h"

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmarsund::rotorsheet {

struct SheetBatch {
    PageList pages;                   // of all requests, in order
    QString title;                    // the document title of the first request's pages
    std::vector<std::string> errors;  // one line per refused request, naming it and the field
    std::vector<std::string> remarks; // what was changed without refusing
};

// One request object, or an array of them; `progress` hears of each annual page's year; relative
// weather paths are taken from `folder` (the input file's; the current folder when empty).
SheetBatch PrepareBatch(const Json& input, const AnnualProgress& progress = {},
                        const std::filesystem::path& folder = {});

} // namespace velmarsund::rotorsheet
