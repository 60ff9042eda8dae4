#include "selection_json.h"

#include "air_completion.h"
#include "annual_request.h"
#include "convert_unit.h"
#include "daten_rwt.h"
#include "matrix_types.h"
#include "page_text_limits.h"
#include "panel_geometry.h"
#include "profiles.h"
#include "rotor_request.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace velmarsund {
namespace {

using request::FieldError;
using request::Json;
using request::RequestError;
using request::RequestProblem;
using request::RequestReader;

// Housing and wheel dimensions a selection may give, mm.
constexpr std::int64_t kLargestDimension = 100000;

constexpr std::string_view kSelectionFields[] = {
    "EnergyClass", "SeriesIndex", "Height", "Width", "Language", "Units", "Summer", "UseSeasons",
    "WinterCaption", "SummerCaption", "UseAhriEffectiveness", "TotalEffectiveness", "WetBulbOnDataSheet",
    "EnergyEfficiencyClass", "DecimalSeparator", "ThousandSeparator", "Header", "PrintHeader", "Notes", "Leakage",
    "Mollier", "ChartNotes", "Format", "ShowSummer", "Annual"};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

std::string Quoted(std::string_view text) { return "\"" + request::CutForMessage(text) + "\""; }

LanguageNumber ReadLanguage(const RequestReader& r)
{
    const auto code = r.OptString("Language");
    if (!code) return Language::English;
    for (const LanguageInfo& language : OfferedLanguages())
        if (*code == language.fileCode) return language.number;
    throw FieldError(RequestProblem::NotOffered, "Language",
                     "must be one of \"de\", \"en\", \"fr\", \"pl\", \"zh\", \"ru\", not " + Quoted(*code),
                     {"de", "en", "fr", "pl", "zh", "ru"});
}

UnitSystem ReadUnits(const RequestReader& r)
{
    const std::string units = r.OptString("Units").value_or("SI");
    if (units == "SI") return UnitSystem::SI;
    if (units == "IP") return UnitSystem::IP;
    throw FieldError(RequestProblem::NotOffered, "Units", "must be \"SI\" or \"IP\", not " + Quoted(units), {"SI", "IP"});
}

// A separator: one character; the thousand separator may be empty (no grouping).
QChar ReadSeparator(const RequestReader& r, std::string_view name, QChar fallback, bool mayBeEmpty)
{
    const auto text = r.OptString(name);
    if (!text) return fallback;
    const QString s = Utf8(*text);
    if (s.isEmpty() && mayBeEmpty) return {};
    if (s.size() != 1)
        throw FieldError(RequestProblem::Invalid, std::string(name),
                         std::string("must be one character") + (mayBeEmpty ? " or empty" : ""));
    return s[0];
}

NumberSeparators ReadSeparators(const RequestReader& r)
{
    const QChar decimal = ReadSeparator(r, "DecimalSeparator", QLatin1Char('.'), false);
    // Without a thousand separator of its own, the one of "." and "," that the decimal one is not.
    const QChar thousand = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    const NumberSeparators wanted{decimal, ReadSeparator(r, "ThousandSeparator", thousand, true)};
    const NumberSeparators usable = MakeUsableSeparators(wanted, {QLatin1Char('.'), QLatin1Char(',')});
    const auto names = [](const auto& list) { return std::vector<std::string>(std::begin(list), std::end(list)); };
    const auto joined = [](const std::vector<std::string>& list) {
        std::string text;
        for (const std::string& name : list) text += (text.empty() ? "" : ", ") + name;
        return text;
    };
    if (usable.decimal != wanted.decimal)
        throw FieldError(RequestProblem::NotOffered, "DecimalSeparator",
                         "must be one of " + joined(names(kDecimalSeparatorNames)), names(kDecimalSeparatorNames));
    if (usable.thousand != wanted.thousand)
        throw FieldError(RequestProblem::NotOffered, "ThousandSeparator",
                         "must differ from the decimal separator and be one of " +
                             joined(names(kThousandSeparatorNames)),
                         names(kThousandSeparatorNames));
    return wanted;
}

// A text of at most `longest` characters; one that is longer is refused before anything draws it.
QString Bounded(const std::string& text, const std::string& field, int longest)
{
    const QString s = Utf8(text);
    if (s.size() > longest)
        throw FieldError(RequestProblem::TooLong, field,
                         "is longer than " + std::to_string(longest) + " characters (" + std::to_string(s.size()) + ")",
                         {std::to_string(longest)});
    return s;
}

std::vector<QString> ReadStrings(const RequestReader& r, std::string_view name, std::size_t most, int longest)
{
    std::vector<QString> lines;
    const Json* array = r.OptArray(name);
    if (!array) return lines;
    if (array->size() > most)
        throw FieldError(RequestProblem::Invalid, std::string(name), "holds at most " + std::to_string(most) + " lines");
    for (std::size_t i = 0; i < array->size(); ++i) {
        const Json& line = (*array)[i];
        const std::string field = std::string(name) + "[" + std::to_string(i) + "]";
        if (!line.is_string() || request::IsMarkedNonFinite(line))
            throw FieldError(RequestProblem::NotString, field, "must be a string");
        lines.push_back(Bounded(line.get<std::string>(), field, longest));
    }
    // Empty lines at the end say nothing: a selection keeps the lines up to the last one written.
    while (!lines.empty() && lines.back().isEmpty()) lines.pop_back();
    return lines;
}

// The leakage window's choices; pressures as entered in the window, in the selection's units, by
// default the window's -300 Pa.
LeakageChoices ReadLeakageChoices(const RequestReader& r, UnitSystem units)
{
    LeakageChoices c = FirstLeakageChoices(units);
    const double fallback = c.pressure1;
    const auto object = r.OptObject("Leakage");
    if (!object) return c;
    object->RejectUnknown({"FanPosition1", "FanPosition2", "Pressure1", "Pressure2", "PurgeSector", "Details"});
    c.fan1 = static_cast<int>(object->Integer("FanPosition1", 0, 0, 1));
    c.fan2 = static_cast<int>(object->Integer("FanPosition2", 0, 0, 1));
    const double limit = PressureLimit(units);
    for (const auto& [name, value] : {std::pair{"Pressure1", &c.pressure1}, {"Pressure2", &c.pressure2}}) {
        *value = object->Number(name, fallback);
        if (std::abs(*value) > limit)
            throw FieldError(RequestProblem::OutOfRange, object->FieldName(name),
                             "must lie between " + std::to_string(static_cast<int>(-limit)) + " and " +
                                 std::to_string(static_cast<int>(limit)) + (units == UnitSystem::SI ? " Pa" : " in. WG"),
                             {std::to_string(static_cast<int>(-limit)), std::to_string(static_cast<int>(limit))});
    }
    c.purgeSector = static_cast<int>(object->Integer("PurgeSector", 0, 0, 2));
    c.details = object->Boolean("Details", false);
    return c;
}

std::string Listed(const std::vector<std::string>& items)
{
    std::string list;
    for (const std::string& p : items) list += (list.empty() ? "" : ", ") + p;
    return list;
}

AirStreamState FirstStartInlet(double temp, double humidity)
{
    AirStreamState s;
    s.SVol = 10000;
    s.Temp = temp;
    s.Humidity = humidity;
    return s;
}

// The flow quantity of an input kind; the window offers standard volume, actual volume and mass flow.
struct QuantityName {
    const char* name;
    double AirStreamState::*member;
};

QuantityName VolumeOf(int kind)
{
    switch (kind) {
    case ActualVolume: return {"AVol", &AirStreamState::AVol};
    case DryMassFlowGiven: return {"DryMassFlow", &AirStreamState::DryMassFlow};
    case MassFlowGiven: return {"MassFlow", &AirStreamState::MassFlow};
    default: return {"SVol", &AirStreamState::SVol};
    }
}

// The humidity quantity of the kinds the window offers besides the temperature.
QuantityName HumidityOf(int kind)
{
    switch (kind) {
    case AbsoluteHumidity: return {"X", &AirStreamState::X};
    case WetBulbTemperature: return {"WetBulb", &AirStreamState::WetBulb};
    default: return {"Humidity", &AirStreamState::Humidity};
    }
}

Json EnteredStateJson(const AirStreamState& s, int humidityKind, int volumeKind)
{
    Json j = Json::object();
    const QuantityName volume = VolumeOf(volumeKind);
    j[volume.name] = s.*volume.member;
    j["Temp"] = s.Temp;
    const QuantityName humidity = HumidityOf(humidityKind);
    j[humidity.name] = s.*humidity.member;
    return j;
}

// The lines up to the last one that is not empty.
template <typename Lines> Json LinesJson(const Lines& lines)
{
    auto end = lines.end();
    while (end != lines.begin() && (end - 1)->isEmpty()) --end;
    Json j = Json::array();
    for (auto it = lines.begin(); it != end; ++it) j.push_back(it->toStdString());
    return j;
}

std::string LanguageCode(LanguageNumber language)
{
    const LanguageInfo* info = FindLanguage(language);
    return info && info->fileCode && *info->fileCode ? info->fileCode : "en";
}

} // namespace

AirStreamState EnteredQuantities(const AirStreamState& state, int humidityKind, int volumeKind)
{
    AirStreamState s;
    const QuantityName volume = VolumeOf(volumeKind);
    s.*volume.member = state.*volume.member;
    s.Temp = state.Temp;
    const QuantityName humidity = HumidityOf(humidityKind);
    s.*humidity.member = state.*humidity.member;
    return s;
}

Selection SelectionFromJson(const Json& json)
{
    if (!json.is_object()) throw RequestError(RequestProblem::NotObject, {}, "a request must be a JSON object");
    const RequestReader r(json);
    std::vector<std::string_view> known(request::kRotorRecordFields.begin(), request::kRotorRecordFields.end());
    known.insert(known.end(), std::begin(kSelectionFields), std::end(kSelectionFields));
    known.insert(known.end(), std::begin(kRequestOnlyFields), std::end(kRequestOnlyFields));
    r.RejectUnknownOf(known);
    // A selection saved by the program carries its format; a newer one may mean what this build
    // cannot know.
    if (const auto format = r.OptInteger("Format", 1, request::kInt32Max); format && *format > kSelectionFormat)
        throw FieldError(RequestProblem::NewerFormat, "Format",
                         "is " + std::to_string(*format) + ": a newer version of the program wrote it (this one reads up to " +
                             std::to_string(kSelectionFormat) + ")",
                         {std::to_string(*format), std::to_string(kSelectionFormat)});
    // The profile and the matrix type define the rotor; a selection that sets its values itself
    // would print a rotor other than the one its designation names.
    for (std::string_view field : kCatalogueFields)
        if (r.Has(field))
            throw FieldError(RequestProblem::Invalid, std::string(field),
                             "is a catalogue value: the profile and the matrix type define it (rotorcalc's rotor mode "
                             "takes it for studies)");
    if (const auto mode = r.OptString("mode"); mode && *mode != "rotor")
        throw FieldError(RequestProblem::NotOffered, "mode", "must be \"rotor\" (a data sheet is a rotor calculation)",
                         {"rotor"});
    if (const auto operation = r.OptString("Operation"); operation && *operation != "Calculate")
        throw FieldError(RequestProblem::NotOffered, "Operation", "must be \"Calculate\": the pages show calculated results",
                         {"Calculate"});
    if (!r.Boolean("EnergyClass", true))
        throw FieldError(RequestProblem::NotOffered, "EnergyClass",
                         "must be true: a selection is calculated with its energy class, as the program does", {"true"});

    Selection s;
    s.seriesIndex = static_cast<int>(r.Integer("SeriesIndex", 1, 0, 3));
    s.height = r.RequiredInteger("Height", 1, kLargestDimension);
    s.width = r.RequiredInteger("Width", 1, kLargestDimension);

    // The profile must be one the panel offers for the series and matrix type.
    s.matrixType = request::ReadMatrixType(r);
    const int matrixIndex = MatrixTypeIndexOf(static_cast<std::uint8_t>(s.matrixType), 0);
    const std::vector<std::string> offered = SplitProfileList(ProfileList(s.seriesIndex, matrixIndex));
    if (const auto profile = r.OptString("Profile")) {
        if (std::find(offered.begin(), offered.end(), *profile) == offered.end())
            throw RequestError(RequestProblem::NotOffered, "Profile",
                               "field 'Profile': " + Quoted(*profile) + " is not offered for this series and " +
                                   "matrix type (offered: " + Listed(offered) + ")",
                               offered);
        s.profile = *profile;
    } else if (!offered.empty()) {
        // As a first start shows the list: its second entry.
        s.profile = offered[static_cast<std::size_t>(KeptListIndex(1, static_cast<int>(offered.size())))];
    }

    // The air and the wheel through the rotor record's reader, so that both tools read them alike.
    const PanelGeometry geometry = ComputePanelGeometry(s.height, s.width, s.seriesIndex);
    TDatenRWT record;
    record.State11 = FirstStartInlet(-12, 90);
    record.State21 = FirstStartInlet(22, 40);
    request::RotorRecordDefaults defaults;
    defaults.diameter = static_cast<std::int32_t>(std::clamp<std::int64_t>(geometry.LargestDiameter, 0, kLargestDimension));
    defaults.profile = s.profile;
    request::ReadRotorRecord(r, record, defaults);
    if (record.AirPressure < 600 || record.AirPressure > 1100)
        throw FieldError(RequestProblem::OutOfRange, "AirPressure", "must lie between 600 and 1100 mbar", {"600", "1100"});
    s.airPressure = record.AirPressure;
    s.humidityKind = record.HumidityKind;
    s.volumeKind = record.VolumeKind;
    s.diameter = record.Diameter;
    s.winter = {record.State11, record.State21};

    if (const auto summer = r.OptObject("Summer")) {
        summer->RejectUnknown({"State11", "State21"});
        SeasonInlets inlets{FirstStartInlet(32, 40), FirstStartInlet(22, 50)};
        request::ReadState(*summer, "State11", inlets.supply);
        request::ReadState(*summer, "State21", inlets.exhaust);
        s.summer = inlets;
    }
    const bool showSummer = r.Boolean("ShowSummer", true);
    s.summerShown = s.summer.has_value() && showSummer;
    s.useSeasons = r.Boolean("UseSeasons", s.summerShown);
    if (s.summerShown && !s.useSeasons)
        throw FieldError(RequestProblem::Invalid, "UseSeasons", "must be true with a summer case");

    s.language = ReadLanguage(r);
    s.units = ReadUnits(r);
    if (const auto caption = r.OptString("WinterCaption"))
        s.winterCaption = Bounded(*caption, "WinterCaption", kMaxCaptionChars);
    if (const auto caption = r.OptString("SummerCaption"))
        s.summerCaption = Bounded(*caption, "SummerCaption", kMaxCaptionChars);
    s.effectiveness.useAhriEffectiveness = r.Boolean("UseAhriEffectiveness", false);
    s.effectiveness.totalEffectiveness = r.Boolean("TotalEffectiveness", false);
    s.effectiveness.energyEfficiencyClass = r.Boolean("EnergyEfficiencyClass", true);
    s.wetBulbOnDataSheet = r.Boolean("WetBulbOnDataSheet", false);
    s.separators = ReadSeparators(r);

    s.printHeader = r.Boolean("PrintHeader", false);
    const std::vector<QString> header = ReadStrings(r, "Header", 8, kMaxHeaderLineChars);
    std::copy(header.begin(), header.end(), s.header.begin());
    s.notes = ReadStrings(r, "Notes", 3, kMaxNoteLineChars);
    s.chartNotes = ReadStrings(r, "ChartNotes", 3, kMaxNoteLineChars);
    s.mollier = r.Boolean("Mollier", true);
    s.leakage = ReadLeakageChoices(r, s.units);
    if (const auto annual = r.OptObject("Annual")) s.annual = request::ReadAnnualInputs(*annual);
    return s;
}

Json SelectionJson(const Selection& s)
{
    const int humidityKind = s.humidityKind;
    const int volumeKind = s.volumeKind;
    Json j = Json::object();
    j["Format"] = kSelectionFormat;
    j["Language"] = LanguageCode(s.language);
    j["Units"] = s.units == UnitSystem::IP ? "IP" : "SI";
    j["AirPressure"] = s.airPressure;
    j["HumidityKind"] = humidityKind;
    j["VolumeKind"] = volumeKind;
    j["SeriesIndex"] = s.seriesIndex;
    j["MatrixType"] = s.matrixType;
    j["Profile"] = s.profile;
    j["Height"] = s.height;
    j["Width"] = s.width;
    j["Diameter"] = s.diameter;
    j["State11"] = EnteredStateJson(s.winter.supply, humidityKind, volumeKind);
    j["State21"] = EnteredStateJson(s.winter.exhaust, humidityKind, volumeKind);
    j["UseSeasons"] = s.useSeasons;
    if (s.summer) {
        j["Summer"] = {{"State11", EnteredStateJson(s.summer->supply, humidityKind, volumeKind)},
                       {"State21", EnteredStateJson(s.summer->exhaust, humidityKind, volumeKind)}};
        j["ShowSummer"] = s.summerShown;
    }
    if (s.winterCaption) j["WinterCaption"] = s.winterCaption->toStdString();
    if (s.summerCaption) j["SummerCaption"] = s.summerCaption->toStdString();
    j["UseAhriEffectiveness"] = s.effectiveness.useAhriEffectiveness;
    j["TotalEffectiveness"] = s.effectiveness.totalEffectiveness;
    j["EnergyEfficiencyClass"] = s.effectiveness.energyEfficiencyClass;
    j["WetBulbOnDataSheet"] = s.wetBulbOnDataSheet;
    j["DecimalSeparator"] = QString(s.separators.decimal).toStdString();
    j["ThousandSeparator"] = s.separators.thousand.isNull() ? std::string() : QString(s.separators.thousand).toStdString();
    j["Mollier"] = s.mollier;
    j["PrintHeader"] = s.printHeader;
    j["Header"] = LinesJson(s.header);
    j["Notes"] = LinesJson(s.notes);
    j["ChartNotes"] = LinesJson(s.chartNotes);
    j["Leakage"] = {{"FanPosition1", s.leakage.fan1},       {"FanPosition2", s.leakage.fan2},
                    {"Pressure1", s.leakage.pressure1},     {"Pressure2", s.leakage.pressure2},
                    {"PurgeSector", s.leakage.purgeSector}, {"Details", s.leakage.details}};
    if (s.annual) j["Annual"] = request::AnnualInputsJson(*s.annual);
    return j;
}

} // namespace velmarsund
