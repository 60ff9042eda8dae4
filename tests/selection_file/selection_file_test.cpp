// The selection format: what the writer puts down reads back to the same records, a request a
// script wrote opens, a file of format 1 keeps opening, and everything else is refused with the
// field it concerns, in the user's language.

#include "calculate_selection.h"
#include "daten_rwt.h"
#include "recent_files.h"
#include "selection_file_messages.h"
#include "selection_file_reader.h"
#include "selection_file_writer.h"
#include "selection_json.h"
#include "text_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using request::RequestProblem;
using request::Json;

QByteArray Bytes(const std::string& text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// A selection with values no table rounds away: inch-pound units, humidity ratio and actual volume
// as input kinds, a hidden summer case, own captions, header, notes and leakage choices.
Json Unusual() {
    return Json::parse(R"({"Language":"de","Units":"IP","AirPressure":987.6543210987654,"HumidityKind":1,
        "VolumeKind":1,"SeriesIndex":2,"MatrixType":3,"Profile":"E16","Height":1700,"Width":1900,"Diameter":1500,
        "State11":{"AVol":8123.456789012345,"Temp":-7.123456789012345,"X":1.2345678901234567},
        "State21":{"AVol":9000.1,"Temp":21.9,"X":7.000000000000001},
        "UseSeasons":true,"Summer":{"State11":{"AVol":7777.7,"Temp":31.3,"X":12.1},"State21":{"AVol":8888.8,"Temp":23.4,"X":9.9}},
        "ShowSummer":false,"WinterCaption":"Winter 2026","SummerCaption":"Sommer \"heiß\"",
        "UseAhriEffectiveness":true,"TotalEffectiveness":true,"EnergyEfficiencyClass":false,"WetBulbOnDataSheet":true,
        "DecimalSeparator":",","ThousandSeparator":"","Mollier":false,"PrintHeader":true,
        "Header":["Velmarsund GmbH","10.12.2026","","Projekt Nord, Ü 7"],"Notes":["eins","","drei"],"ChartNotes":["Kurve"],
        "Leakage":{"FanPosition1":1,"FanPosition2":0,"Pressure1":1.25,"Pressure2":-2.5,"PurgeSector":2,"Details":true}})");
}

// Every input of the two selections alike, to the last bit.
void ExpectSameInputs(const Selection& a, const Selection& b) {
    EXPECT_TRUE(a == b) << SelectionJson(a).dump() << "\n" << SelectionJson(b).dump();
}

TEST(SelectionFile, WrittenAndReadBackGivesTheSameRequestToTheLastBit) {
    const Selection original = SelectionFromJson(Unusual());
    const QByteArray bytes = SelectionFileBytes(original);
    const OpenedSelection opened = ReadSelection(bytes);
    EXPECT_TRUE(opened.adjustments.empty());
    ExpectSameInputs(opened.selection, original);
    // Written again, the file is the same byte for byte.
    EXPECT_EQ(SelectionFileBytes(opened.selection), bytes);

    // Each inlet holds only the quantities of its input kinds; the rest follows from them.
    const Json json = Json::parse(bytes.toStdString());
    EXPECT_EQ(json["Format"], 1);
    EXPECT_EQ(json["State11"].size(), 3u);
    EXPECT_TRUE(json["State11"].contains("AVol") && json["State11"].contains("X"));
    EXPECT_EQ(json["Summer"]["State21"]["Temp"], 23.4);
    EXPECT_EQ(json["ThousandSeparator"], "");
    EXPECT_EQ(json["Header"].size(), 4u) << "empty lines at the end are left out";

    // The records complete alike.
    TDatenRWT a = SeasonRecordOf(original, original.winter);
    TDatenRWT b = SeasonRecordOf(opened.selection, opened.selection.winter);
    a.Update();
    b.Update();
    EXPECT_EQ(a.State11, b.State11);
    EXPECT_EQ(a.State12, b.State12);
    EXPECT_EQ(a.State22, b.State22);
}

TEST(SelectionFile, ARequestWrittenByAScriptOpens) {
    // No format, no summer, rotorsheet's pages: what a script hands to rotorsheet opens as well.
    const OpenedSelection opened = ReadSelection(QByteArray(R"({"Height":2000,"Width":2000,"Diameter":1880,
        "State11":{"SVol":12000,"Temp":-15,"Humidity":85},"Pages":["datasheet","chart"]})"));
    EXPECT_EQ(opened.selection.winter.supply.SVol, 12000);
    EXPECT_EQ(opened.selection.winter.exhaust.Temp, 22); // a first start's
    EXPECT_FALSE(opened.selection.summer);
    EXPECT_FALSE(opened.selection.winterCaption);
}

TEST(SelectionFile, AFileOfFormatOneStillOpens) {
    // Kept as the first program that wrote selections saved it; later formats must still read it.
    const OpenedSelection opened = ReadSelectionFile(QStringLiteral(SELECTION_FIXTURES "/format-1.vrsel"));
    const Selection& r = opened.selection;
    EXPECT_TRUE(opened.adjustments.empty());
    EXPECT_EQ(r.seriesIndex, 1);
    EXPECT_EQ(r.profile, "E20");
    EXPECT_EQ(r.height, 2000);
    EXPECT_EQ(r.diameter, 1880);
    EXPECT_EQ(r.winter.supply.Temp, -12);
    EXPECT_EQ(r.winter.supply.Humidity, 90);
    ASSERT_TRUE(r.summer);
    EXPECT_TRUE(r.summerShown);
    EXPECT_EQ(r.summer->supply.Temp, 32);
    EXPECT_EQ(r.units, UnitSystem::SI);
    EXPECT_EQ(r.language, Language::German);
}

TEST(SelectionFile, TheAnnualBlockIsKeptToTheLastBitAndLeftOutWhenThereIsNone) {
    Json request = Unusual();
    request["Annual"] = Json::parse(R"({"Weather":"Wetter/Hamburg Ü.epw","Schedule":{"From":0,"To":24,"Days":7},
        "SupplySetpoint":17.123456789012345,"FanEfficiency":0.65,"HeatPrice":0.0812345,"ElectricityPrice":0.31,
        "CoolingCop":3.5,"Investment":12500,"Currency":"€"})");
    const Selection original = SelectionFromJson(request);
    ASSERT_TRUE(original.annual);
    EXPECT_EQ(original.annual->weather, "Wetter/Hamburg Ü.epw");
    EXPECT_EQ(original.annual->scheduleDays, 7);
    EXPECT_EQ(original.annual->supplySetpoint, 17.123456789012345);
    const QByteArray bytes = SelectionFileBytes(original);
    const OpenedSelection opened = ReadSelection(bytes);
    ExpectSameInputs(opened.selection, original);
    EXPECT_EQ(SelectionFileBytes(opened.selection), bytes);

    // The defaults of a block that gives only the weather; no block, no field.
    const Selection defaults = SelectionFromJson(Json::parse(R"({"Height":2000,"Width":2000,"Annual":{"Weather":"a.epw"}})"));
    ASSERT_TRUE(defaults.annual);
    AnnualInputs expected;
    expected.weather = "a.epw";
    EXPECT_EQ(*defaults.annual, expected);
    EXPECT_EQ(defaults.annual->scheduleFrom, 6);
    EXPECT_EQ(defaults.annual->scheduleTo, 20);
    EXPECT_EQ(defaults.annual->scheduleDays, 5);
    EXPECT_EQ(defaults.annual->supplySetpoint, 18);
    EXPECT_EQ(defaults.annual->fanEfficiency, 0.6);
    EXPECT_EQ(defaults.annual->coolingCop, 3);
    EXPECT_FALSE(SelectionJson(SelectionFromJson(Unusual())).contains("Annual"));
}

TEST(SelectionFile, AnythingElseIsRefusedNamingTheField) {
    struct Case {
        std::string bytes;
        SelectionFault fault;
        RequestProblem problem;
        const char* field;
    };
    const auto with = [](const char* patch) {
        Json request = Json::parse(R"({"Format":1,"Height":2000,"Width":2000,"Diameter":1880,
            "Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40}}})");
        request.merge_patch(Json::parse(patch));
        return request.dump();
    };
    const Case cases[] = {
        {"", SelectionFault::NotJson, {}, ""},
        {R"({"Format":1,"Height":2000,"Wid)", SelectionFault::NotJson, {}, ""},    // cut off
        {"\x89PNG\r\n\x1a\n\0\0\0\rIHDR", SelectionFault::NotJson, {}, ""},        // a picture
        {R"([{"Height":2000,"Width":2000}])", SelectionFault::NotRequest, {}, ""}, // rotorsheet batch
        {R"({"name":"velmarsund","version":"1.0.0"})", SelectionFault::Field, RequestProblem::UnknownField,
         "name"},
        {with(R"({"mode":"air"})"), SelectionFault::Field, RequestProblem::NotOffered, "mode"},
        {with(R"({"Format":2})"), SelectionFault::Field, RequestProblem::NewerFormat, "Format"},
        {with(R"({"Format":0})"), SelectionFault::Field, RequestProblem::OutOfRange, "Format"},
        {with(R"({"AirPressure":1200})"), SelectionFault::Field, RequestProblem::OutOfRange, "AirPressure"},
        {with(R"({"Height":"tall"})"), SelectionFault::Field, RequestProblem::NotWholeNumber, "Height"},
        {with(R"({"State11":{"Temp":"cold"}})"), SelectionFault::Field, RequestProblem::NotNumber,
         "State11.Temp"},
        {R"({"Height":2000,"Width":2000,"AirPressure":NaN})", SelectionFault::Field,
         RequestProblem::NotNumber, "AirPressure"},
        {with(R"({"Summer":{"State11":{"Temp":95}}})"), SelectionFault::Field, RequestProblem::OutOfRange,
         "Summer.State11.Temp"},
        {with(R"({"HumidityKind":2})"), SelectionFault::Field, RequestProblem::NotOffered, "HumidityKind"},
        {with(R"({"VolumeKind":2})"), SelectionFault::Field, RequestProblem::NotOffered, "VolumeKind"},
        {with(R"({"Profile":"E99"})"), SelectionFault::Field, RequestProblem::NotOffered, "Profile"},
        {with(R"({"Leakage":{"Pressure1":-2500}})"), SelectionFault::Field, RequestProblem::OutOfRange,
         "Leakage.Pressure1"},
        {with(R"({"Notes":["1","2","3","4"]})"), SelectionFault::Field, RequestProblem::Invalid, "Notes"},
        {with(R"({"UseSeasons":false})"), SelectionFault::Field, RequestProblem::Invalid, "UseSeasons"},
        // The profile and the matrix type define the rotor: the file cannot set its values.
        {with(R"({"FoilThickness":0.12})"), SelectionFault::Field, RequestProblem::Invalid, "FoilThickness"},
        {with(R"({"ProfileHeight":2.5})"), SelectionFault::Field, RequestProblem::Invalid, "ProfileHeight"},
        {with(R"({"ProfilePitch":6})"), SelectionFault::Field, RequestProblem::Invalid, "ProfilePitch"},
        {with(R"({"Speed":5})"), SelectionFault::Field, RequestProblem::Invalid, "Speed"},
        {with(R"({"WheelDepth":250})"), SelectionFault::Field, RequestProblem::Invalid, "WheelDepth"},
        // The annual block.
        {with(R"({"Annual":{"Sun":1}})"), SelectionFault::Field, RequestProblem::UnknownField, "Annual.Sun"},
        {with(R"({"Annual":{"Schedule":{"From":24}}})"), SelectionFault::Field, RequestProblem::OutOfRange,
         "Annual.Schedule.From"},
        {with(R"({"Annual":{"Schedule":{"From":8,"To":8}}})"), SelectionFault::Field, RequestProblem::Invalid,
         "Annual.Schedule.To"},
        {with(R"({"Annual":{"Schedule":{"Days":6}}})"), SelectionFault::Field, RequestProblem::NotOffered,
         "Annual.Schedule.Days"},
        {with(R"({"Annual":{"FanEfficiency":0.95}})"), SelectionFault::Field, RequestProblem::OutOfRange,
         "Annual.FanEfficiency"},
        {with(R"({"Annual":{"HeatPrice":-0.1}})"), SelectionFault::Field, RequestProblem::OutOfRange,
         "Annual.HeatPrice"},
        {with(R"({"Annual":{"Weather":7}})"), SelectionFault::Field, RequestProblem::NotString, "Annual.Weather"},
    };
    for (const Case& c : cases) {
        try {
            ReadSelection(Bytes(c.bytes));
            ADD_FAILURE() << "opened: " << c.bytes;
        } catch (const SelectionRefused& e) {
            EXPECT_EQ(e.Fault(), c.fault) << c.bytes << ": " << e.what();
            if (c.fault != SelectionFault::Field) continue;
            EXPECT_EQ(e.Problem(), c.problem) << c.bytes << ": " << e.what();
            EXPECT_EQ(e.Field(), c.field) << c.bytes;
            // Every message names the field, in every language (a newer format names the format).
            if (c.problem == RequestProblem::NewerFormat) continue;
            for (LanguageNumber language : {Language::German, Language::English, Language::Chinese}) {
                SetCurrentLanguage(language);
                EXPECT_TRUE(RefusalMessage(e, QStringLiteral("a.vrsel")).contains(QString::fromUtf8(c.field)))
                    << c.bytes << " " << language;
            }
            SetCurrentLanguage(Language::English);
        }
    }
}

TEST(SelectionFile, RefusalsInTheUsersLanguage) {
    const auto refusal = [](const char* text) {
        try {
            ReadSelection(QByteArray(text));
        } catch (const SelectionRefused& e) {
            return RefusalMessage(e, QStringLiteral("Nord.vrsel"));
        }
        return QString();
    };
    SetCurrentLanguage(Language::German);
    EXPECT_EQ(refusal(R"({"Format":3,"Height":2000,"Width":2000})"),
              QStringLiteral(
                  "Die Auswahl „Nord.vrsel“ kann nicht geöffnet werden.\n"
                  "Sie wurde von einer neueren Version des Programms gespeichert (Format 3); diese Version "
                  "liest Auswahlen bis Format 1.\nDas Fenster behält die angezeigte Auswahl."));
    EXPECT_EQ(refusal(R"({"Height":2000,"Width":2000,"AirPressure":500})"),
              QStringLiteral("Die Auswahl „Nord.vrsel“ kann nicht geöffnet werden.\n"
                             "Das Feld „AirPressure“ muss zwischen 600 und 1100 liegen.\n"
                             "Das Fenster behält die angezeigte Auswahl."));
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(refusal("{\"Height\":20"),
              QStringLiteral(
                  "The selection \"Nord.vrsel\" cannot be opened.\nThe file is damaged or is no selection "
                  "file.\nThe window keeps the selection it shows."));
    EXPECT_EQ(
        refusal(R"({"Height":2000,"Width":2000,"MatrixType":2})"),
        QStringLiteral("The selection \"Nord.vrsel\" cannot be opened.\nThe field \"MatrixType\" must be one "
                       "of: 0, 1, 3, 6.\nThe window keeps the selection it shows."));

    try {
        ReadSelectionFile(QStringLiteral("/nonexistent/a.vrsel"));
        ADD_FAILURE();
    } catch (const SelectionRefused& e) {
        EXPECT_EQ(e.Fault(), SelectionFault::Unreadable);
        EXPECT_TRUE(
            RefusalMessage(e, QStringLiteral("a.vrsel")).contains(QStringLiteral("could not be read")));
    }
    try {
        ReadSelection(QByteArray(kMaxSelectionFileBytes + 1, ' '));
        ADD_FAILURE();
    } catch (const SelectionRefused& e) {
        EXPECT_EQ(e.Fault(), SelectionFault::TooLarge);
    }
}

TEST(SelectionFile, AWheelTooLargeForTheHousingIsReducedAndReported) {
    const OpenedSelection opened =
        ReadSelection(QByteArray(R"({"Height":2000,"Width":2000,"Diameter":2400})"));
    EXPECT_EQ(opened.selection.diameter, 1880);
    ASSERT_EQ(opened.adjustments.size(), 1u);
    SetCurrentLanguage(Language::English);
    EXPECT_EQ(AdjustmentMessage(opened.adjustments, QStringLiteral("Nord.vrsel")),
              QStringLiteral("The selection \"Nord.vrsel\" was opened with these changes:\n"
                             "Diameter: 2400 in the file, 1880 in the window"));
    EXPECT_EQ(AdjustmentMessage({}, QStringLiteral("Nord.vrsel")), QString());
}

TEST(SelectionFile, WrittenWholeOrNotAtAll) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.vrsel"));
    const Selection request = SelectionFromJson(Unusual());
    QString error;
    ASSERT_TRUE(WriteSelectionFile(path, request, &error)) << error.toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), SelectionFileBytes(request));
    // A folder that does not exist: an error, and nothing there.
    EXPECT_FALSE(WriteSelectionFile(dir.filePath(QStringLiteral("missing/a.vrsel")), request, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAtMostFour) {
    QStringList files;
    for (const char* name : {"a", "b", "c", "d", "e", "c"})
        files = WithRecentFile(files, QString::fromLatin1(name));
    EXPECT_EQ(files, (QStringList{QStringLiteral("c"), QStringLiteral("e"), QStringLiteral("d"),
                                  QStringLiteral("b")}));
}

} // namespace
} // namespace velmarsund
