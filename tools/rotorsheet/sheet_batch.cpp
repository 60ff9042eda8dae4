#include "sheet_batch.h"

#include "sheet_job.h"

namespace velmarsund::rotorsheet {
namespace {

void Prepare(const Json& request, const std::string& name, SheetBatch& batch, const AnnualProgress& progress,
             const std::filesystem::path& folder) {
    try {
        PreparedSheet prepared = PrepareSheet(ReadSheetRequest(request), progress, folder);
        for (PageProcedure& page : prepared.pages) batch.pages.push_back(std::move(page));
        if (batch.title.isEmpty()) batch.title = prepared.title;
        for (const std::string& remark : prepared.remarks) batch.remarks.push_back(name + ": " + remark);
    } catch (const RequestError& e) {
        batch.errors.push_back(name + ": " + e.what());
    } catch (const SheetRefused& e) {
        batch.errors.push_back(name + " (" + e.Fields() + "): " + e.what());
    }
}

} // namespace

SheetBatch PrepareBatch(const Json& input, const AnnualProgress& progress, const std::filesystem::path& folder) {
    SheetBatch batch;
    if (input.is_array()) {
        if (input.empty()) batch.errors.push_back("the input holds no request");
        for (std::size_t i = 0; i < input.size(); ++i)
            Prepare(input[i], "request[" + std::to_string(i) + "]", batch, progress, folder);
    } else {
        Prepare(input, "request", batch, progress, folder);
    }
    return batch;
}

} // namespace velmarsund::rotorsheet
