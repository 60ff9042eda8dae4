#include "selection_file_reader.h"

#include "air_completion.h"
#include "file_access.h"
#include "calculate_selection.h"
#include "selection_json.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

using request::Json;
using request::RequestError;
using request::RequestProblem;

constexpr int kOfferedHumidityKinds[] = {RelativeHumidity, AbsoluteHumidity, WetBulbTemperature};
constexpr int kOfferedVolumeKinds[] = {StandardVolume, ActualVolume, MassFlowGiven};

template <std::size_t N> std::vector<std::string> Names(const int (&kinds)[N]) {
    std::vector<std::string> names;
    for (int kind : kinds)
        names.push_back(std::to_string(kind));
    return names;
}

SelectionRefused FieldRefused(RequestProblem problem, const std::string& field, const std::string& tail,
                              std::vector<std::string> values = {}) {
    return SelectionRefused(SelectionFault::Field, "field '" + field + "' " + tail, problem, field,
                            std::move(values));
}

// What the window's fields would refuse although a rotorsheet request may hold it.
void CheckWindowLimits(const Selection& r) {
    if (!WindowOffersHumidityKind(r.humidityKind))
        throw FieldRefused(RequestProblem::NotOffered, "HumidityKind", "must be 0, 1 or 7",
                           Names(kOfferedHumidityKinds));
    if (!WindowOffersVolumeKind(r.volumeKind))
        throw FieldRefused(RequestProblem::NotOffered, "VolumeKind", "must be 0, 1 or 3",
                           Names(kOfferedVolumeKinds));
    if (r.summer) {
        for (const auto& [name, state] : {std::pair{"Summer.State11.Temp", &r.summer->supply},
                                          std::pair{"Summer.State21.Temp", &r.summer->exhaust}}) {
            if (state->Temp < kSummerTempMin || state->Temp > kSummerTempMax)
                throw FieldRefused(RequestProblem::OutOfRange, name, "must lie between -30 and 80 degC",
                                   {"-30", "80"});
        }
    }
}

} // namespace

SelectionRefused::SelectionRefused(SelectionFault fault, const std::string& what,
                                   request::RequestProblem problem, std::string field,
                                   std::vector<std::string> values)
    : std::runtime_error(what), fault_(fault), problem_(problem), field_(std::move(field)),
      values_(std::move(values)) {}

bool WindowOffersHumidityKind(int kind) {
    return std::find(std::begin(kOfferedHumidityKinds), std::end(kOfferedHumidityKinds), kind) !=
           std::end(kOfferedHumidityKinds);
}

bool WindowOffersVolumeKind(int kind) {
    return std::find(std::begin(kOfferedVolumeKinds), std::end(kOfferedVolumeKinds), kind) !=
           std::end(kOfferedVolumeKinds);
}

OpenedSelection ReadSelection(const QByteArray& bytes) {
    if (bytes.size() > kMaxSelectionFileBytes)
        throw SelectionRefused(SelectionFault::TooLarge, "the file is larger than any selection");
    std::string text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // A byte-order mark in front, as some editors write one, is no fault of the content.
    if (text.starts_with("\xEF\xBB\xBF")) text.erase(0, 3);
    Json json;
    try {
        json = Json::parse(request::MarkNonFiniteLiterals(text));
    } catch (const Json::exception& e) {
        throw SelectionRefused(SelectionFault::NotJson, std::string("the file is not JSON: ") + e.what());
    }
    if (!json.is_object())
        throw SelectionRefused(SelectionFault::NotRequest, "the file holds no single request");

    OpenedSelection opened;
    try {
        opened.selection = SelectionFromJson(json);
    } catch (const RequestError& e) {
        if (e.Problem() == RequestProblem::Other || e.Field().empty())
            throw SelectionRefused(SelectionFault::NotRequest, e.what());
        throw SelectionRefused(SelectionFault::Field, e.what(), e.Problem(), e.Field(), e.Values());
    }
    Selection& r = opened.selection;
    CheckWindowLimits(r);

    // The panel keeps a wheel no larger than the housing takes.
    const std::int32_t kept = KeptDiameterOf(r);
    if (kept != r.diameter) {
        opened.adjustments.push_back({"Diameter", std::to_string(r.diameter), std::to_string(kept)});
        r.diameter = kept;
    }
    return opened;
}

OpenedSelection ReadSelectionFile(const QString& path) {
    const FileRead read = ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxSelectionFileBytes);
    switch (read.fault) {
    case ReadFault::None:
        break;
    case ReadFault::NotRegular:
        throw SelectionRefused(SelectionFault::NotAFile, "not a regular file: " + read.reason);
    case ReadFault::System:
        throw SelectionRefused(SelectionFault::Unreadable, read.reason, {}, {}, {read.reason});
    case ReadFault::TooLarge:
        throw SelectionRefused(SelectionFault::TooLarge, "the file is larger than any selection");
    }
    return ReadSelection(QByteArray(read.bytes.data(), static_cast<qsizetype>(read.bytes.size())));
}

} // namespace velmarsund
