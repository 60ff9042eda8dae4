#include "sheet_request.h"

#include "selection_json.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace velmarsund::rotorsheet {
namespace {

using request::FieldError;
using request::RequestProblem;
using request::RequestReader;

struct PageName {
    std::string_view name;
    SheetPage page;
};
constexpr PageName kPages[] = {{"datasheet", SheetPage::DataSheet},   {"product", SheetPage::Product},
                               {"controller", SheetPage::Controller}, {"leakage", SheetPage::Leakage},
                               {"chart", SheetPage::Chart},           {"annual", SheetPage::Annual}};

std::vector<SheetPage> ReadPages(const RequestReader& r)
{
    const Json* array = r.OptArray("Pages");
    if (!array) return {SheetPage::DataSheet};
    if (array->empty()) throw FieldError(RequestProblem::Invalid, "Pages", "names no page");
    std::vector<SheetPage> pages;
    for (std::size_t i = 0; i < array->size(); ++i) {
        const Json& page = (*array)[i];
        const std::string field = "Pages[" + std::to_string(i) + "]";
        if (!page.is_string() || request::IsMarkedNonFinite(page))
            throw FieldError(RequestProblem::Invalid, field, "must be a page name");
        const std::string name = page.get<std::string>();
        const auto known =
            std::find_if(std::begin(kPages), std::end(kPages), [&](const PageName& p) { return p.name == name; });
        if (known != std::end(kPages)) {
            pages.push_back(known->page);
            continue;
        }
        throw RequestError(
            RequestProblem::NotOffered, field,
            "field '" + field + "': unknown page \"" + request::CutForMessage(name) +
                "\" (known: \"datasheet\", \"product\", \"controller\", \"leakage\", \"chart\", \"annual\")",
            {"datasheet", "product", "controller", "leakage", "chart", "annual"});
    }
    return pages;
}

} // namespace

SheetRequest ReadSheetRequest(const Json& json)
{
    SheetRequest s;
    s.selection = SelectionFromJson(json);
    s.pages = ReadPages(RequestReader(json));
    return s;
}

} // namespace velmarsund::rotorsheet
