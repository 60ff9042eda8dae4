#pragma once
// A rotorsheet request calculated as the program calculates every selection, and its pages drawn
// from the calculated selection.

#include "annual_energy.h"
#include "page_list.h"
#include "sheet_request.h"

#include <stdexcept>
#include <QString>

#include <filesystem>
#include <string>
#include <vector>

namespace velmarsund::rotorsheet {

// A request that a check or the calculation refuses; the message is the program's own, in the
// request's language, and `fields` names the request fields it concerns.
class SheetRefused : public std::runtime_error {
public:
    SheetRefused(const std::string& fields, const QString& message)
        : std::runtime_error(message.toStdString()), fields_(fields)
    {
    }
    const std::string& Fields() const { return fields_; }

private:
    std::string fields_;
};

struct PreparedSheet {
    PageList pages;
    QString title;                    // the document title: the first page's kind and the designation
    std::vector<std::string> remarks; // what the program changed, as the window would silently
};

// Makes the request's language and separators the program's, calculates the selection and
// returns the pages, which draw from values of their own. `progress` hears of an annual page's
// year; a relative weather path is taken from `folder` (the request file's; the current folder
// when empty). Raises SheetRefused.
PreparedSheet PrepareSheet(const SheetRequest& request, const AnnualProgress& progress = {},
                           const std::filesystem::path& folder = {});

} // namespace velmarsund::rotorsheet
