// rotorsheet's requests: what a request may hold, its defaults, and what the checks refuse.

#include "calculate_selection.h"
#include "generated_epw.h"
#include "page_text_limits.h"
#include "plausibility_check.h"
#include "recording_canvas.h"
#include "sheet_job.h"
#include "sheet_request.h"
#include "text_table.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

namespace velmarsund::rotorsheet {
namespace {

Json Reference()
{
    return Json::parse(R"({"SeriesIndex":1,"Height":2000,"Width":2000,
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40}})");
}

Json With(const char* patch)
{
    Json request = Reference();
    request.merge_patch(Json::parse(patch));
    return request;
}

std::string ErrorOf(const Json& request)
{
    try {
        ReadSheetRequest(request);
    } catch (const RequestError& e) {
        return e.what();
    }
    return {};
}

TEST(SheetRequest, DefaultsAreThoseOfAFirstStart)
{
    const SheetRequest request = ReadSheetRequest(Reference());
    const Selection& r = request.selection;
    const TDatenRWT winter = SeasonRecordOf(r, r.winter);
    EXPECT_EQ(r.seriesIndex, 1);
    EXPECT_EQ(winter.MatrixType, 1);
    EXPECT_EQ(r.profile, "E18");
    EXPECT_EQ(winter.Diameter, 1880); // the largest wheel of the housing
    EXPECT_EQ(winter.Speed, 10);
    EXPECT_EQ(winter.WheelDepth, 200);
    EXPECT_DOUBLE_EQ(winter.ProfileHeight, 1.8);
    EXPECT_EQ(r.language, Language::English);
    EXPECT_EQ(r.units, UnitSystem::SI);
    EXPECT_FALSE(r.summer);
    EXPECT_FALSE(r.useSeasons);
    EXPECT_TRUE(r.effectiveness.energyEfficiencyClass);
    EXPECT_EQ(r.separators.decimal, QLatin1Char('.'));
    EXPECT_EQ(r.separators.thousand, QLatin1Char(','));
    EXPECT_EQ(request.pages.size(), 1u);

    const Selection comma = ReadSheetRequest(With(R"({"DecimalSeparator":","})")).selection;
    EXPECT_EQ(comma.separators.thousand, QLatin1Char('.'));
    const Selection summer = ReadSheetRequest(With(R"({"Summer":{"State11":{"Temp":32}}})")).selection;
    EXPECT_TRUE(summer.summer);
    EXPECT_TRUE(summer.useSeasons);
    EXPECT_EQ(summer.summer->supply.Temp, 32);
}

TEST(SheetRequest, AWrongFieldIsNamed)
{
    struct Case {
        const char* patch;
        const char* message;
    };
    const Case cases[] = {
        {R"({"Height":"tall"})", "field 'Height' must be a whole number"},
        {R"({"Height":null})", "field 'Height' is required"},
        {R"({"Width":0})", "field 'Width' must lie between 1 and 100000"},
        {R"({"Colour":"red"})", "unknown field 'Colour'"},
        {R"({"Language":"es"})", "field 'Language' must be one of"},
        {R"({"Units":"imperial"})", "field 'Units' must be \"SI\" or \"IP\""},
        {R"({"SeriesIndex":4})", "field 'SeriesIndex' must lie between 0 and 3"},
        {R"({"MatrixType":2})", "field 'MatrixType' must be 0 (P), 1 (E), 3 (K) or 6 (N)"},
        {R"({"Profile":"E99"})", "field 'Profile': \"E99\" is not offered for this series and matrix type "
                                 "(offered: E20, E18, E16, E14)"},
        {R"({"AirPressure":500})", "field 'AirPressure' must lie between 600 and 1100 mbar"},
        {R"({"Pages":["datasheet","cover"]})",
         "field 'Pages[1]': unknown page \"cover\" (known: \"datasheet\", \"product\", \"controller\", "
         "\"leakage\", \"chart\", \"annual\")"},
        {R"({"Pages":[]})", "field 'Pages' names no page"},
        {R"({"Notes":["a","b","c","d"]})", "field 'Notes' holds at most 3 lines"},
        {R"({"Header":["a",1]})", "field 'Header[1]' must be a string"},
        {R"({"DecimalSeparator":"ab"})", "field 'DecimalSeparator' must be one character"},
        {R"({"DecimalSeparator":"1"})", "field 'DecimalSeparator' must be one of \".\", \",\", \"'\""},
        // Invisible ones would make -12.0 print as -120: a zero-width space, a soft hyphen, a
        // combining accent.
        {R"({"DecimalSeparator":"\u200B"})", "field 'DecimalSeparator' must be one of"},
        {R"({"DecimalSeparator":"\u00AD"})", "field 'DecimalSeparator' must be one of"},
        {R"({"DecimalSeparator":"\u0301"})", "field 'DecimalSeparator' must be one of"},
        {R"({"ThousandSeparator":"\u200B"})",
         "field 'ThousandSeparator' must differ from the decimal separator and be one of"},
        {R"({"ThousandSeparator":"\u00AD"})", "field 'ThousandSeparator' must differ"},
        {R"({"ThousandSeparator":"\u0301"})", "field 'ThousandSeparator' must differ"},
        {R"({"DecimalSeparator":",","ThousandSeparator":"\t"})", "field 'ThousandSeparator' must differ"},
        {R"({"ThousandSeparator":"."})", "field 'ThousandSeparator' must differ from the decimal separator"},
        {R"({"Summer":{"State11":{"Temp":32}},"UseSeasons":false})",
         "field 'UseSeasons' must be true with a summer case"},
        {R"({"Summer":{"Mode":1}})", "unknown field 'Summer.Mode'"},
        {R"({"State11":{"Temp":"cold"}})", "field 'State11.Temp' must be a finite number"},
        {R"({"mode":"leakage"})", "field 'mode' must be \"rotor\""},
        {R"({"Operation":"Update"})", "field 'Operation' must be \"Calculate\""},
        {R"({"PrintHeader":1})", "field 'PrintHeader' must be true or false"},
        {R"({"Format":2})",
         "field 'Format' is 2: a newer version of the program wrote it (this one reads up to 1)"},
        {R"({"Format":0})", "field 'Format' must lie between 1 and 2147483647"},
        {R"({"ShowSummer":"no"})", "field 'ShowSummer' must be true or false"},
        // The profile and the matrix type define the rotor; rotorcalc alone takes its values.
        {R"({"FoilThickness":0.12})", "field 'FoilThickness' is a catalogue value"},
        {R"({"ProfileHeight":2.5})", "field 'ProfileHeight' is a catalogue value"},
        {R"({"ProfilePitch":6})", "field 'ProfilePitch' is a catalogue value"},
        {R"({"Speed":5})", "field 'Speed' is a catalogue value"},
        {R"({"WheelDepth":250})", "field 'WheelDepth' is a catalogue value"},
        {R"({"EnergyClass":false})", "field 'EnergyClass' must be true"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(With(c.patch)).rfind(c.message, 0), 0u) << c.patch << "\n  gave: " << ErrorOf(With(c.patch));
    // A long value is not repeated whole.
    const std::string long_value(100000, 'x');
    Json request = Reference();
    request["Language"] = long_value;
    EXPECT_LT(ErrorOf(request).size(), 200u);
}

TEST(SheetRequest, TextsLongerThanTheirPlaceAreRefusedWithTheField) {
    struct Case {
        const char* field; // where the text goes
        const char* named; // as the refusal names it
        int longest;
    };
    const Case cases[] = {
        {"Header", "Header[0]", kMaxHeaderLineChars},
        {"Notes", "Notes[0]", kMaxNoteLineChars},
        {"ChartNotes", "ChartNotes[0]", kMaxNoteLineChars},
        {"WinterCaption", "WinterCaption", kMaxCaptionChars},
        {"SummerCaption", "SummerCaption", kMaxCaptionChars},
    };
    const auto with = [](const char* field, const std::string& text) {
        Json request = Reference();
        if (std::string_view(field).ends_with("Caption"))
            request[field] = text;
        else
            request[field] = Json::array({text});
        return request;
    };
    for (const Case& c : cases) {
        // Exactly the limit is taken, in characters and not bytes: "ä" is two bytes.
        std::string longest;
        for (int i = 0; i < c.longest; ++i)
            longest += "\xC3\xA4";
        EXPECT_EQ(ErrorOf(with(c.field, longest)), "") << c.field;
        const std::string message = "field '" + std::string(c.named) + "' is longer than " +
                                    std::to_string(c.longest) + " characters";
        EXPECT_EQ(ErrorOf(with(c.field, longest + "x")).rfind(message, 0), 0u)
            << ErrorOf(with(c.field, longest + "x"));
        // A line of a megabyte is refused as it is read, before anything would draw it.
        try {
            ReadSheetRequest(with(c.field, std::string(1 << 20, 'x')));
            ADD_FAILURE() << c.field;
        } catch (const RequestError& e) {
            EXPECT_EQ(e.Field(), c.named);
            EXPECT_EQ(e.Problem(), request::RequestProblem::TooLong);
            EXPECT_EQ(e.Values(), std::vector<std::string>{std::to_string(c.longest)});
            EXPECT_LT(std::string(e.what()).size(), 200u);
        }
    }
}

TEST(SheetRequest, ASavedSelectionWithItsSummerCaseHiddenPrintsTheWinterCaseOnly) {
    // The field names what a program needs to word the message itself.
    try {
        ReadSheetRequest(With(R"({"Width":-1})"));
        ADD_FAILURE();
    } catch (const RequestError& e) {
        EXPECT_EQ(e.Problem(), request::RequestProblem::OutOfRange);
        EXPECT_EQ(e.Field(), "Width");
        EXPECT_EQ(e.Values(), (std::vector<std::string>{"1", "100000"}));
    }

    const SheetRequest hidden = ReadSheetRequest(
        With(R"({"Format":1,"Summer":{"State11":{"Temp":32}},"ShowSummer":false,"UseSeasons":false})"));
    ASSERT_TRUE(hidden.selection.summer);
    EXPECT_FALSE(hidden.selection.summerShown);
    EXPECT_FALSE(hidden.selection.useSeasons);
    const SheetRequest shown = ReadSheetRequest(With(R"({"Summer":{"State11":{"Temp":32}}})"));
    EXPECT_TRUE(shown.selection.summerShown);

    const auto page = [](const SheetRequest& request) {
        RecordingCanvas c;
        PrepareSheet(request).pages[0](c, 1);
        return c;
    };
    SetCurrentLanguage(Language::English);
    EXPECT_TRUE(page(hidden).Operations() == page(ReadSheetRequest(Reference())).Operations());
    EXPECT_FALSE(page(shown).Operations() == page(hidden).Operations());
}

TEST(SheetJob, TheChecksRefuseInTheRequestsLanguage)
{
    const auto refusal = [](const Json& request) -> std::pair<std::string, QString> {
        try {
            PrepareSheet(ReadSheetRequest(request));
        } catch (const SheetRefused& e) {
            return {e.Fields(), QString::fromStdString(e.what())};
        }
        return {};
    };
    const auto geometry = refusal(With(R"({"Height":5000,"Width":5000,"Language":"de"})"));
    EXPECT_EQ(geometry.first, "SeriesIndex, Height, Width, Diameter");
    EXPECT_TRUE(geometry.second.contains(QStringLiteral("4250"))) << geometry.second.toStdString();

    const auto check = refusal(With(R"({"State11":{"Temp":-50},"Language":"fr"})"));
    EXPECT_EQ(check.first, "State11, State21");
    SetCurrentLanguage(Language::French);
    const QString french = CheckMessageText(CheckMessage::TemperatureLow, UnitSystem::SI);
    EXPECT_FALSE(french.isEmpty());
    EXPECT_TRUE(check.second.contains(french)) << check.second.toStdString();

    const auto summer = refusal(With(R"({"Summer":{"State11":{"SVol":10000,"Temp":99,"Humidity":40},
                                         "State21":{"SVol":10000,"Temp":22,"Humidity":50}}})"));
    EXPECT_EQ(summer.first, "State11, State21, Summer");
    EXPECT_TRUE(summer.second.contains(QStringLiteral("Cooling"))) << summer.second.toStdString();
}

TEST(SheetJob, ADiameterAboveTheLargestWheelIsReducedAsThePanelDoesAndSaidSo)
{
    const PreparedSheet sheet = PrepareSheet(ReadSheetRequest(With(R"({"Diameter":2500})")));
    ASSERT_EQ(sheet.remarks.size(), 1u);
    EXPECT_NE(sheet.remarks[0].find("1880"), std::string::npos) << sheet.remarks[0];
    RecordingCanvas c;
    sheet.pages[0](c, 1);
    EXPECT_TRUE(c.FindText(QStringLiteral("Type:   Enthalpy Rotor  HXG-E-E18-2000/2000-1880")));
}

TEST(SheetJob, WarningsOfTheCheckArePrintedOnTheSheet)
{
    // 1.6 times the air on the supply side: the air quantity ratio is a warning, not an error.
    const PreparedSheet sheet = PrepareSheet(
        ReadSheetRequest(With(R"({"State11":{"SVol":16000},"State21":{"SVol":10000}})")));
    RecordingCanvas c;
    sheet.pages[0](c, 1);
    const auto warning = c.FindText(LoadText(127, Language::English));
    ASSERT_TRUE(warning) << c.Dump().toStdString();
    EXPECT_EQ(warning->at, QPointF(250, 2094));
}

TEST(SheetRequest, ASelectionWithItsAnnualBlockPrintsAsWithoutIt)
{
    const SheetRequest annual = ReadSheetRequest(
        With(R"({"Annual":{"Weather":"Testhafen.epw","Schedule":{"From":7,"To":18,"Days":7},"HeatPrice":0.09}})"));
    ASSERT_TRUE(annual.selection.annual);
    EXPECT_EQ(annual.selection.annual->weather, "Testhafen.epw");
    EXPECT_EQ(annual.selection.annual->scheduleTo, 18);
    EXPECT_EQ(ErrorOf(With(R"({"Annual":{"Schedule":{"Days":6}}})")),
              "field 'Annual.Schedule.Days' must be 5 (Monday to Friday) or 7 (every day)");

    SetCurrentLanguage(Language::English);
    RecordingCanvas with, without;
    PrepareSheet(annual).pages[0](with, 1);
    PrepareSheet(ReadSheetRequest(Reference())).pages[0](without, 1);
    EXPECT_TRUE(with.Operations() == without.Operations());
}

// The annual page needs the annual block's weather file; without it, or with a file the reader
// refuses, the request is refused with the field, in the request's language, the line named.
TEST(SheetJob, TheAnnualPageWithoutAUsableWeatherFileIsRefused) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const std::string& text) {
        const std::string path = folder.filePath(QString::fromUtf8(name)).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    };
    std::string broken = testing::GeneratedEpw([](std::size_t) {
        return testing::EpwHour{5, 70, std::nullopt};
    });
    const std::size_t row = broken.find("2001,1,1,4,");
    broken.replace(row + 31, 1, "x"); // a letter for the fourth hour's dry bulb
    const std::string good = write("good.epw", testing::GeneratedEpw(testing::TemperateHour));
    const std::string bad = write("broken.epw", broken);
    const std::string missing = folder.filePath(QStringLiteral("missing.epw")).toStdString();

    const auto request = [](const Json& annual, const char* language) {
        Json r = With(R"({"Pages":["datasheet","annual"]})");
        r["Language"] = language;
        if (!annual.is_null()) r["Annual"] = annual;
        return r;
    };
    struct Case {
        const char* what;
        Json annual;
        const char* language;
        std::vector<QString> said; // parts of the message
    };
    const Case cases[] = {
        {"no annual block", nullptr, "de", {LoadText(750, Language::German)}},
        {"an annual block without weather",
         Json{{"HeatPrice", 0.1}},
         "en",
         {LoadText(750, Language::English)}},
        {"a file that is not there",
         Json{{"Weather", missing}},
         "fr",
         {LoadText(751, Language::French).left(17), QString::fromStdString(missing)}},
        {"a malformed row",
         Json{{"Weather", bad}},
         "de",
         {LoadText(751, Language::German).left(14), QStringLiteral("Zeile 12:")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            PrepareSheet(ReadSheetRequest(request(c.annual, c.language)));
            ADD_FAILURE() << "not refused";
        } catch (const SheetRefused& e) {
            EXPECT_EQ(e.Fields(), "Annual.Weather");
            const QString message = QString::fromStdString(e.what());
            for (const QString& part : c.said)
                EXPECT_TRUE(message.contains(part)) << message.toStdString();
        }
    }

    const PreparedSheet sheet = PrepareSheet(ReadSheetRequest(request(Json{{"Weather", good}}, "en")));
    ASSERT_EQ(sheet.pages.size(), 2u);
    RecordingCanvas page;
    sheet.pages[1](page, 1);
    EXPECT_TRUE(page.FindText(LoadText(700, Language::English)));
    EXPECT_TRUE(page.FindText(QStringLiteral("Testhafen, TH, Testland – good.epw")));
}

} // namespace
} // namespace velmarsund::rotorsheet
