#include "sheet_request.h"

#include "convert_unit.h"
#include "matrix_types.h"
#include "panel_geometry.h"
#include "profiles.h"
#include "rotor_request.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace velmarsund::rotorsheet {
namespace {

using rotorcalc::FieldError;
using rotorcalc::RequestProblem;
using rotorcalc::RequestReader;

// Housing and wheel dimensions a request may give, mm.
constexpr std::int64_t kLargestDimension = 100000;

constexpr std::string_view kSheetFields[] = {
    "mode", "Operation", "EnergyClass", "SeriesIndex", "Height", "Width", "Language", "Units", "Summer",
    "UseSeasons", "WinterCaption", "SummerCaption", "UseAhriEffectiveness", "TotalEffectiveness",
    "WetBulbOnDataSheet", "EnergyEfficiencyClass", "DecimalSeparator", "ThousandSeparator", "Header",
    "PrintHeader", "Notes", "Pages", "Leakage", "Mollier", "ChartNotes", "Format", "ShowSummer"};


struct PageName {
    std::string_view name;
    SheetPage page;
};
constexpr PageName kPages[] = {
    {"datasheet", SheetPage::DataSheet}, {"product", SheetPage::Product}, {"controller", SheetPage::Controller},
    {"leakage", SheetPage::Leakage}, {"chart", SheetPage::Chart}};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

std::string Quoted(std::string_view text) { return "\"" + rotorcalc::CutForMessage(text) + "\""; }

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

// A text of at most `longest` characters; one that is longer is refused before anything draws it.
QString Bounded(const std::string& text, const std::string& field, int longest) {
    const QString s = Utf8(text);
    if (s.size() > longest)
        throw FieldError(RequestProblem::TooLong, field,
                         "is longer than " + std::to_string(longest) + " characters (" +
                             std::to_string(s.size()) + ")",
                         {std::to_string(longest)});
    return s;
}

std::vector<QString> ReadStrings(const RequestReader& r, std::string_view name, std::size_t most,
                                 int longest) {
    std::vector<QString> lines;
    const Json* array = r.OptArray(name);
    if (!array) return lines;
    if (array->size() > most)
        throw FieldError(RequestProblem::Invalid, std::string(name), "holds at most " + std::to_string(most) + " lines");
    for (std::size_t i = 0; i < array->size(); ++i) {
        const Json& line = (*array)[i];
        if (!line.is_string() || rotorcalc::IsMarkedNonFinite(line))
            throw FieldError(RequestProblem::NotString, std::string(name) + "[" + std::to_string(i) + "]",
                             "must be a string");
        lines.push_back(
            Bounded(line.get<std::string>(), std::string(name) + "[" + std::to_string(i) + "]", longest));
    }
    return lines;
}

std::vector<SheetPage> ReadPages(const RequestReader& r)
{
    const Json* array = r.OptArray("Pages");
    if (!array) return {SheetPage::DataSheet};
    if (array->empty()) throw FieldError(RequestProblem::Invalid, "Pages", "names no page");
    std::vector<SheetPage> pages;
    for (std::size_t i = 0; i < array->size(); ++i) {
        const Json& page = (*array)[i];
        const std::string field = "Pages[" + std::to_string(i) + "]";
        if (!page.is_string() || rotorcalc::IsMarkedNonFinite(page))
            throw FieldError(RequestProblem::Invalid, field, "must be a page name");
        const std::string name = page.get<std::string>();
        const auto known = std::find_if(std::begin(kPages), std::end(kPages), [&](const PageName& p) { return p.name == name; });
        if (known != std::end(kPages)) {
            pages.push_back(known->page);
            continue;
        }
        throw RequestError(RequestProblem::NotOffered, field,
                           "field '" + field + "': unknown page " + Quoted(name) +
                               " (known: \"datasheet\", \"product\", \"controller\", \"leakage\", \"chart\")",
                           {"datasheet", "product", "controller", "leakage", "chart"});
    }
    return pages;
}

// The leakage window's choices; pressures as entered in the window, in the request's units, by
// default the window's -300 Pa.
LeakageChoices ReadLeakageChoices(const RequestReader& r, UnitSystem units)
{
    LeakageChoices c;
    const double fallback = ConvertPressure(-300, UnitSystem::SI, units);
    c.pressure1 = c.pressure2 = fallback;
    const auto object = r.OptObject("Leakage");
    if (!object) return c;
    object->RejectUnknown({"FanPosition1", "FanPosition2", "Pressure1", "Pressure2", "PurgeSector", "Details"});
    c.fan1 = static_cast<int>(object->Integer("FanPosition1", 0, 0, 1));
    c.fan2 = static_cast<int>(object->Integer("FanPosition2", 0, 0, 1));
    const double limit = PressureLimit(units);
    for (const auto& [name, value] : {std::pair{"Pressure1", &c.pressure1}, {"Pressure2", &c.pressure2}}) {
        *value = object->Number(name, fallback);
        if (std::abs(*value) > limit)
            throw FieldError(
                RequestProblem::OutOfRange, object->FieldName(name),
                "must lie between " + std::to_string(static_cast<int>(-limit)) + " and " +
                    std::to_string(static_cast<int>(limit)) + (units == UnitSystem::SI ? " Pa" : " in. WG"),
                {std::to_string(static_cast<int>(-limit)), std::to_string(static_cast<int>(limit))});
    }
    c.purgeSector = static_cast<int>(object->Integer("PurgeSector", 0, 0, 2));
    c.details = object->Boolean("Details", false);
    return c;
}

std::string OfferedProfiles(const std::vector<std::string>& profiles)
{
    std::string list;
    for (const std::string& p : profiles) list += (list.empty() ? "" : ", ") + p;
    return list;
}

} // namespace

SheetRequest ReadSheetRequest(const Json& json)
{
    if (!json.is_object()) throw RequestError(RequestProblem::NotObject, {}, "a request must be a JSON object");
    const RequestReader r(json);
    std::vector<std::string_view> known(rotorcalc::kRotorRecordFields.begin(), rotorcalc::kRotorRecordFields.end());
    known.insert(known.end(), std::begin(kSheetFields), std::end(kSheetFields));
    r.RejectUnknownOf(known);
    // A selection saved by the program carries its format; a newer one may mean what this build
    // cannot know.
    if (const auto format = r.OptInteger("Format", 1, rotorcalc::kInt32Max); format && *format > kSelectionFormat)
        throw FieldError(RequestProblem::NewerFormat, "Format",
                         "is " + std::to_string(*format) + ": a newer version of the program wrote it (this one reads up to " +
                             std::to_string(kSelectionFormat) + ")",
                         {std::to_string(*format), std::to_string(kSelectionFormat)});

    if (const auto mode = r.OptString("mode"); mode && *mode != "rotor")
        throw FieldError(RequestProblem::NotOffered, "mode", "must be \"rotor\" (a data sheet is a rotor calculation)",
                         {"rotor"});
    if (const auto operation = r.OptString("Operation"); operation && *operation != "Calculate")
        throw FieldError(RequestProblem::NotOffered, "Operation",
                         "must be \"Calculate\": the pages show calculated results", {"Calculate"});

    SheetRequest s;
    s.energyClass = r.Boolean("EnergyClass", true);
    s.seriesIndex = static_cast<int>(r.Integer("SeriesIndex", 1, 0, 3));
    s.height = r.RequiredInteger("Height", 1, kLargestDimension);
    s.width = r.RequiredInteger("Width", 1, kLargestDimension);
    s.diameterGiven = r.OptInteger("Diameter", 1, kLargestDimension).has_value();

    // The profile must be one the panel offers for the series and matrix type.
    const std::uint8_t matrixType = rotorcalc::ReadMatrixType(r);
    const int matrixIndex = MatrixTypeIndexOf(matrixType, 0);
    const std::vector<std::string> offered = SplitProfileList(ProfileList(s.seriesIndex, matrixIndex));
    if (const auto profile = r.OptString("Profile")) {
        if (std::find(offered.begin(), offered.end(), *profile) == offered.end())
            throw RequestError(RequestProblem::NotOffered, "Profile",
                               "field 'Profile': " + Quoted(*profile) + " is not offered for this series and " +
                                   "matrix type (offered: " + OfferedProfiles(offered) + ")",
                               offered);
        s.profile = *profile;
    } else if (!offered.empty()) {
        // As a first start shows the list: its second entry.
        s.profile = offered[static_cast<std::size_t>(KeptListIndex(1, static_cast<int>(offered.size())))];
    }

    const PanelGeometry geometry = ComputePanelGeometry(s.height, s.width, s.seriesIndex);
    // The air of a first start, where the request leaves a value out.
    const auto firstStart = [](AirStreamState& s, double temp, double humidity) {
        s.SVol = 10000;
        s.Temp = temp;
        s.Humidity = humidity;
    };
    firstStart(s.winter.State11, -12, 90);
    firstStart(s.winter.State21, 22, 40);
    rotorcalc::RotorRecordDefaults defaults;
    defaults.diameter = static_cast<std::int32_t>(std::clamp<std::int64_t>(geometry.LargestDiameter, 0, kLargestDimension));
    defaults.profile = s.profile;
    rotorcalc::ReadRotorRecord(r, s.winter, defaults);
    if (s.winter.AirPressure < 600 || s.winter.AirPressure > 1100)
        throw FieldError(RequestProblem::OutOfRange, "AirPressure", "must lie between 600 and 1100 mbar",
                         {"600", "1100"});

    if (const auto summer = r.OptObject("Summer")) {
        summer->RejectUnknown({"State11", "State21"});
        TDatenRWT record;
        firstStart(record.State11, 32, 40);
        firstStart(record.State21, 22, 50);
        record.AirPressure = s.winter.AirPressure;
        record.HumidityKind = s.winter.HumidityKind;
        record.VolumeKind = s.winter.VolumeKind;
        rotorcalc::ReadState(*summer, "State11", record.State11);
        rotorcalc::ReadState(*summer, "State21", record.State21);
        s.summer = record;
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

    const QChar decimal = ReadSeparator(r, "DecimalSeparator", QLatin1Char('.'), false);
    // Without a thousand separator of its own, the one of "." and "," that the decimal one is not.
    const QChar thousand = decimal == QLatin1Char(',') ? QLatin1Char('.') : QLatin1Char(',');
    const NumberSeparators wanted{decimal, ReadSeparator(r, "ThousandSeparator", thousand, true)};
    const NumberSeparators usable = MakeUsableSeparators(wanted, {QLatin1Char('.'), QLatin1Char(',')});
    const auto names = [](const auto& list) {
        return std::vector<std::string>(std::begin(list), std::end(list));
    };
    const auto joined = [](const std::vector<std::string>& list) {
        std::string text;
        for (const std::string& name : list)
            text += (text.empty() ? "" : ", ") + name;
        return text;
    };
    if (usable.decimal != wanted.decimal)
        throw FieldError(RequestProblem::NotOffered, "DecimalSeparator",
                         "must be one of " + joined(names(kDecimalSeparatorNames)),
                         names(kDecimalSeparatorNames));
    if (usable.thousand != wanted.thousand)
        throw FieldError(RequestProblem::NotOffered, "ThousandSeparator",
                         "must differ from the decimal separator and be one of " +
                             joined(names(kThousandSeparatorNames)),
                         names(kThousandSeparatorNames));
    s.separators = wanted;

    s.printHeader = r.Boolean("PrintHeader", false);
    const std::vector<QString> header = ReadStrings(r, "Header", 8, kMaxHeaderLineChars);
    std::copy(header.begin(), header.end(), s.header.begin());
    s.notes = ReadStrings(r, "Notes", 3, kMaxNoteLineChars);
    s.chartNotes = ReadStrings(r, "ChartNotes", 3, kMaxNoteLineChars);
    s.mollier = r.Boolean("Mollier", true);
    s.pages = ReadPages(r);
    s.leakage = ReadLeakageChoices(r, s.units);
    return s;
}

} // namespace velmarsund::rotorsheet
