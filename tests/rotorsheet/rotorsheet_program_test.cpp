// The rotorsheet program as engineers run it: a batch of requests into one PDF or PNG pictures,
// refused requests leaving no file, and input that is not JSON.

#include "generated_epw.h"
#include "language.h"
#include "poppler_tools.h"
#include "size_tables.h"
#include "tender_text.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <cmath>

namespace velmarsund {
namespace {

using Json = nlohmann::ordered_json;
using testing::RunTool;

struct ProgramRun {
    int exitCode = -1;
    QString err;
};

ProgramRun Rotorsheet(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(ROTORSHEET_PATH), arguments);
    process.waitForStarted();
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// Every standard size of the four series.
struct Size {
    int series, height, width, diameter;
};
std::vector<Size> StandardSizes()
{
    std::vector<Size> sizes;
    for (int series = 0; series < 4; ++series)
        for (const std::string& row : LoadSizeTable(series))
            if (const auto size = ParseSizeRow(row)) sizes.push_back({series, size->Height, size->Width, size->Diameter});
    return sizes;
}

// A hundred requests: every series and matrix type, the four profiles, winter only and both
// seasons, both unit systems, the six languages and the settings window's switches.
Json VariedRequests()
{
    const char* languages[] = {"en", "de", "fr", "pl", "zh", "ru"};
    const int matrixTypes[] = {0, 1, 3, 6};
    const char* profiles[] = {"E20", "E18", "E16", "E14"};
    const std::vector<Size> sizes = StandardSizes();
    Json requests = Json::array();
    for (int i = 0; i < 100; ++i) {
        const Size& size = sizes[static_cast<std::size_t>(i * 7) % sizes.size()];
        // About 2 m/s through the wheel.
        const double area = M_PI / 4 * size.diameter / 1000.0 * size.diameter / 1000.0;
        const double volume = std::round(area * 2.0 * 3600 / 10) * 10;
        Json r{{"SeriesIndex", size.series},
               {"Height", size.height},
               {"Width", size.width},
               {"Diameter", size.diameter},
               {"MatrixType", matrixTypes[(i / 3) % 4]},
               {"Profile", profiles[i % 4]},
               {"Language", languages[i % 6]},
               {"Units", i % 5 == 0 ? "IP" : "SI"},
               {"State11", {{"SVol", volume}, {"Temp", -20 + i % 15}, {"Humidity", 60 + i % 35}}},
               {"State21", {{"SVol", volume * (i % 7 == 0 ? 0.8 : 1.0)}, {"Temp", 20 + i % 5}, {"Humidity", 30 + i % 20}}},
               {"UseAhriEffectiveness", i % 4 == 1},
               {"TotalEffectiveness", i % 8 == 1},
               {"WetBulbOnDataSheet", i % 3 == 0},
               {"PrintHeader", i % 2 == 0},
               {"Header", {"Date:", "10.12.2026", "Offer-No.:", "A-" + std::to_string(1000 + i), "Project:", "Batch"}},
               {"Notes", {"unit " + std::to_string(i + 1)}}};
        if (i % 3 == 1)
            r["Summer"] = {{"State11", {{"SVol", volume}, {"Temp", 28 + i % 6}, {"Humidity", 40}}},
                           {"State21", {{"SVol", volume}, {"Temp", 24}, {"Humidity", 50}}}};
        requests.push_back(r);
    }
    return requests;
}

TEST(RotorsheetProgram, AHundredVariedRequestsGiveOnePdfOfAHundredPages)
{
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("batch.json"));
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(VariedRequests().dump()));
    }
    const QString output = dir.filePath(QStringLiteral("batch.pdf"));
    const ProgramRun run = Rotorsheet({input, QStringLiteral("-o"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString info = RunTool(QStringLiteral("pdfinfo"), {output});
    EXPECT_TRUE(info.contains(QStringLiteral("Pages:           100"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")));
    EXPECT_TRUE(info.contains(QStringLiteral("Author:          Velmarsund GmbH")));
    // Titled by the first request's first page and its designation.
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Title: +\\S.* HX[A-Z]-\\S+\n")))) << info.toStdString();
    const QString fonts = RunTool(QStringLiteral("pdffonts"), {output});
    EXPECT_EQ(testing::FontsNotEmbedded(fonts), QStringList()) << fonts.toStdString();
    const QString text = RunTool(QStringLiteral("pdftotext"), {output, QStringLiteral("-")});
    for (const char* expected : {"unit 1", "unit 100", "A-1098", "HXK-N-", "HXL-P-", "HXV-K-", "(DB/WB)", "(AHRI 1060)",
                                 "atm", "Abmessungen", "尺寸"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(RotorsheetProgram, BadRequestsAreNamedAndLeaveNoFile)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("refused.pdf"));
    const QByteArray input = R"([
        {"Height":2000,"Width":2000},
        {"Height":2000},
        {"Height":2000,"Width":2000,"Language":"xx"},
        {"Height":5000,"Width":5000}
    ])";
    const ProgramRun run = Rotorsheet({QStringLiteral("-o"), output}, input);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("request[1]: field 'Width' is required"))) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QStringLiteral("request[2]: field 'Language'")));
    EXPECT_TRUE(run.err.contains(QStringLiteral("request[3] (SeriesIndex, Height, Width, Diameter): ")));
    EXPECT_FALSE(run.err.contains(QStringLiteral("request[0]")));
    EXPECT_FALSE(QFile::exists(output));

    // An existing file stays as it was.
    {
        QFile old(output);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    EXPECT_EQ(Rotorsheet({QStringLiteral("-o"), output}, input).exitCode, 1);
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

// Three annual pages, each a year of some 40 ms: nothing on standard error but the progress that a
// year of more than half a second tells (none in a usual build); a refused weather file named.
TEST(RotorsheetProgram, AnnualPagesPrintQuietlyAndARefusedWeatherFileIsNamed) {
    QTemporaryDir dir;
    const QString weather = dir.filePath(QStringLiteral("Testhafen.epw"));
    {
        QFile file(weather);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(testing::GeneratedEpw(testing::TemperateHour)));
    }
    const Json request = {{"Height", 2000},
                          {"Width", 2000},
                          {"Pages", {"datasheet", "annual"}},
                          {"Annual", {{"Weather", weather.toStdString()}}}};
    const QString output = dir.filePath(QStringLiteral("annual.pdf"));
    const ProgramRun run =
        Rotorsheet({QStringLiteral("-o"), output},
                   QByteArray::fromStdString(Json::array({request, request, request}).dump()));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    static const QRegularExpression progress(QStringLiteral("^rotorsheet: annual energy: \\d+ %$"));
    for (const QString& line : run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        EXPECT_TRUE(progress.match(line).hasMatch()) << line.toStdString();
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {output, QStringLiteral("-")})
                    .contains(QStringLiteral("Annual energy")));

    Json missing = request;
    missing["Annual"]["Weather"] = (dir.filePath(QStringLiteral("none.epw"))).toStdString();
    const ProgramRun refused =
        Rotorsheet({QStringLiteral("-o"), output}, QByteArray::fromStdString(missing.dump()));
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("request (Annual.Weather): The weather file")))
        << refused.err.toStdString();
}

// A relative weather path is taken from the request file's folder, wherever rotorsheet runs; from
// standard input, from the current folder.
TEST(RotorsheetProgram, ARelativeWeatherPathIsTakenFromTheRequestFilesFolder) {
    QTemporaryDir dir;
    {
        QFile file(dir.filePath(QStringLiteral("Testhafen.epw")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(testing::GeneratedEpw(testing::TemperateHour)));
    }
    const Json request = {
        {"Height", 2000}, {"Width", 2000}, {"Pages", {"annual"}}, {"Annual", {{"Weather", "Testhafen.epw"}}}};
    const QString input = dir.filePath(QStringLiteral("project.vrsel"));
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(request.dump()));
    }
    ASSERT_FALSE(QFile::exists(QStringLiteral("Testhafen.epw"))); // not in the folder the test runs in
    const QString output = dir.filePath(QStringLiteral("annual.pdf"));
    const ProgramRun run = Rotorsheet({input, QStringLiteral("-o"), output});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(RunTool(QStringLiteral("pdftotext"), {output, QStringLiteral("-")})
                    .contains(QStringLiteral("Testhafen.epw")));

    const ProgramRun piped = Rotorsheet({QStringLiteral("-o"), output}, QByteArray::fromStdString(request.dump()));
    EXPECT_EQ(piped.exitCode, 1);
    EXPECT_TRUE(piped.err.contains(QStringLiteral("Annual.Weather"))) << piped.err.toStdString();

    // A relative path that is not there: the message names the file where it was looked for.
    Json elsewhere = request;
    elsewhere["Annual"]["Weather"] = "weather/Hamburg.epw";
    {
        QFile file(input);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray::fromStdString(elsewhere.dump()));
    }
    const ProgramRun missing = Rotorsheet({input, QStringLiteral("-o"), output});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(dir.filePath(QStringLiteral("weather/Hamburg.epw")))) << missing.err.toStdString();
}

TEST(RotorsheetProgram, InputThatIsNotJsonAndWrongArguments)
{
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("x.pdf"));
    for (const QByteArray& input : {QByteArray("not json"), QByteArray("{\"Height\":2000,}"), QByteArray()}) {
        const ProgramRun run = Rotorsheet({QStringLiteral("-o"), output}, input);
        EXPECT_EQ(run.exitCode, 2) << input.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("not JSON"))) << run.err.toStdString();
    }
    EXPECT_EQ(Rotorsheet({}, "{}").exitCode, 2);                                   // no output
    EXPECT_EQ(Rotorsheet({QStringLiteral("-o"), dir.filePath("x.txt")}, "{}").exitCode, 2); // no pdf or png
    EXPECT_EQ(Rotorsheet({dir.filePath("missing.json"), QStringLiteral("-o"), output}).exitCode, 2);
    EXPECT_EQ(Rotorsheet({QStringLiteral("-o"), output}, "[]").exitCode, 1); // no request
    EXPECT_FALSE(QFile::exists(output));
}

TEST(RotorsheetProgram, OnePngPerPage)
{
    QTemporaryDir dir;
    const QByteArray input = R"([{"Height":2000,"Width":2000},{"Height":1500,"Width":1500,"Language":"zh","Units":"IP"}])";
    const ProgramRun run = Rotorsheet({QStringLiteral("-o"), dir.filePath(QStringLiteral("sheet.png"))}, input);
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{QStringLiteral("sheet-1.png"), QStringLiteral("sheet-2.png")}));
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("sheet-2.png"))).size(), QSize(1240, 1754));
}

TEST(RotorsheetProgram, DescriptionPagesInEveryLanguageKeepTheirTextSearchable)
{
    const char* languages[] = {"de", "en", "fr", "pl", "zh", "ru"};
    const LanguageNumber numbers[] = {Language::German, Language::English, Language::French,
                                      Language::Polish, Language::Chinese, Language::Russian};
    constexpr int kHeights[] = {2000, 2000, 2000, 2000};
    Json requests = Json::array();
    for (const char* language : languages)
        for (int series = 0; series < 4; ++series)
            requests.push_back({{"SeriesIndex", series},
                                {"Height", kHeights[series]},
                                {"Width", kHeights[series]},
                                {"Language", language},
                                {"Pages", {"product", "controller"}}});
    QTemporaryDir dir;
    const QString output = dir.filePath(QStringLiteral("descriptions.pdf"));
    const ProgramRun run = Rotorsheet({QStringLiteral("-o"), output}, QByteArray::fromStdString(requests.dump()));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(testing::FontsNotEmbedded(RunTool(QStringLiteral("pdffonts"), {output})), QStringList());
    // Blanks of every kind (the French texts hold non-breaking ones) do not count.
    const QRegularExpression blanks(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption);
    const auto squashed = [&blanks](QString text) { return text.remove(blanks); };
    int page = 1;
    for (LanguageNumber language : numbers) {
        for (int series = 0; series < 4; ++series, page += 2) {
            const auto pageText = [&](int number) {
                return squashed(RunTool(QStringLiteral("pdftotext"),
                                        {QStringLiteral("-f"), QString::number(number), QStringLiteral("-l"),
                                         QString::number(number), output, QStringLiteral("-")}));
            };
            const QString product = pageText(page);
            const std::vector<QString> lines = LoadTenderText(ProductDescriptionResource(language, series));
            ASSERT_GE(lines.size(), 35u);
            for (int line : {1, 2, 8, 20, 31})
                EXPECT_TRUE(product.contains(squashed(lines[static_cast<std::size_t>(line - 1)])))
                    << "page " << page << " line " << line << ": " << lines[static_cast<std::size_t>(line - 1)].toStdString();
            const QString controller = pageText(page + 1);
            const std::vector<QString> controllerLines = LoadTenderText(ControllerDescriptionResource(language));
            ASSERT_GE(controllerLines.size(), 6u);
            for (int line : {1, 4, 6})
                EXPECT_TRUE(controller.contains(squashed(controllerLines[static_cast<std::size_t>(line - 1)])))
                    << "page " << page + 1 << " line " << line;
        }
    }
}

} // namespace
} // namespace velmarsund
