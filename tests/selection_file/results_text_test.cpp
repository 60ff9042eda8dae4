// The result tables as clipboard text and as CSV: the cells the tables show, one per cell, in both
// separator settings.

#include "daten_rwt.h"
#include "number_separators.h"
#include "results_text.h"
#include "season_calculation.h"
#include "calculate_selection.h"
#include "selection_json.h"
#include "text_table.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

// The reference selection with its summer case, calculated as the calculate command does.
ResultsTextInput ReferenceResults(NumberSeparators separators) {
    SetCurrentLanguage(Language::English);
    SetProgramSeparators(separators);
    const Selection selection = SelectionFromJson(request::Json::parse(R"({"Height":2000,"Width":2000,
        "State11":{"SVol":10000,"Temp":-12,"Humidity":90},"State21":{"SVol":10000,"Temp":22,"Humidity":40},
        "Summer":{"State11":{"SVol":10000,"Temp":32,"Humidity":40},"State21":{"SVol":10000,"Temp":22,"Humidity":50}}})"));
    static TDatenRWT winter;
    static TDatenRWT summer;
    winter = SeasonRecordOf(selection, selection.winter);
    summer = SeasonRecordOf(selection, *selection.summer);
    winter.Update();
    summer.Update();
    const char decimal = static_cast<char>(separators.decimal.toLatin1());
    CalculateSeason(winter, decimal);
    CalculateSeason(summer, decimal);

    ResultTablesInput in;
    in.winter = &winter;
    in.summer = &summer;
    in.view = SeasonView::WinterAndSummer;
    in.resultsValid = true;
    ResultsTextInput text;
    text.tables = BuildResultTables(in);
    text.view = in.view;
    text.useSeasons = true;
    text.winterCaption = QStringLiteral("Heating");
    text.summerCaption = QStringLiteral("Cooling");
    text.headings = StreamHeadings();
    text.hint = FrostHint(winter, &summer);
    return text;
}

QStringList Lines(const QString& text, const QString& end) {
    QStringList lines = text.split(end);
    EXPECT_EQ(lines.takeLast(), QString()); // every row ends with its line end
    return lines;
}

TEST(ResultsText, ClipboardHoldsEveryShownCellSeparatedByTabs) {
    const ResultsTextInput input = ReferenceResults({QLatin1Char('.'), QLatin1Char(',')});
    const QStringList lines = Lines(ResultsClipboardText(input), QStringLiteral("\n"));
    ASSERT_EQ(lines.size(), 33);
    // The captions and headings over their columns, then the tables as they show their cells,
    // labels and units included but without the blanks that pad them, an empty row between two
    // tables.
    EXPECT_EQ(lines[0], QStringLiteral("\tHeating\t\tCooling\t\t"));
    EXPECT_EQ(lines[1], QStringLiteral("\tOutside air\tReturn air\tOutside air\tReturn air\t"));
    EXPECT_EQ(lines[2], QStringLiteral("Standard Air Volume\t10000\t10000\t10000\t10000\tm³/h"));
    EXPECT_EQ(lines[6], QStringLiteral("Temperature\t-12.0\t22.0\t32.0\t22.0\t°C"));
    EXPECT_EQ(lines[11], QString());
    EXPECT_EQ(lines[13], QStringLiteral("Pressure drop (actual density)\t78\t98\t103\t98\tPa"));
    EXPECT_EQ(lines[18], QStringLiteral("Temperature\t15.4\t-4.0\t24.0\t30.0\t°C"));
    EXPECT_EQ(lines[26], QStringLiteral("Energy efficiency (DIN EN 13053)\t79.8% / H1\t\t79.8% / H1\t\t"));
    EXPECT_EQ(lines[27],
              QStringLiteral("Temperature efficiency ErP Lot 6\t80.9\t(2018 ready)\t80.9\t(2018 ready)\t%"));
    EXPECT_EQ(lines[32], QStringLiteral("\t41.03\t-47.66\t-11.91\t11.91\tkg/h"));
    // Exactly what the tables hold, cell by cell, unpadded.
    const QStringList temperature = lines[6].split(QLatin1Char('\t'));
    const int row = InletRow::Temperature;
    EXPECT_EQ(temperature[1],
              input.tables.inlet.Cell(ValueColumn(Season::Winter, Stream::Supply), row).trimmed());
    EXPECT_EQ(temperature[4],
              input.tables.inlet.Cell(ValueColumn(Season::Summer, Stream::Exhaust), row).trimmed());
    EXPECT_EQ(temperature[5],
              input.tables.inlet.Cell(UnitColumn(SeasonView::WinterAndSummer), row).trimmed());
    for (const QString& line : lines)
        for (const QString& cell : line.split(QLatin1Char('\t')))
            EXPECT_EQ(cell, cell.trimmed()) << line.toStdString();
}

TEST(ResultsText, EnteredValuesAsTheirFieldsShowThem) {
    ResultsTextInput input = ReferenceResults({QLatin1Char('.'), QLatin1Char(',')});
    // The fields show what the user typed; only the inlet cells they stand for change.
    input.entered = {
        {ValueColumn(Season::Winter, Stream::Supply), InletRow::Temperature, QStringLiteral("-12")},
        {ValueColumn(Season::Summer, Stream::Exhaust), InletRow::Temperature, QStringLiteral(" 22 ")},
        {ValueColumn(Season::Winter, Stream::Exhaust), InletRow::RelativeHumidity, QStringLiteral("40")}};
    const QStringList lines = Lines(ResultsClipboardText(input), QStringLiteral("\n"));
    EXPECT_EQ(lines[6], QStringLiteral("Temperature\t-12\t22.0\t32.0\t22\t°C"));
    EXPECT_TRUE(lines[7].startsWith(QStringLiteral("Relative Humidity\t90.0\t40\t")))
        << lines[7].toStdString();
    EXPECT_EQ(lines[18], QStringLiteral("Temperature\t15.4\t-4.0\t24.0\t30.0\t°C")) << "outlet untouched";
}

TEST(ResultsText, CsvInBothSeparatorSettings) {
    struct Case {
        NumberSeparators separators;
        const char* captions;
        const char* temperature;
        const char* energyClass;
    };
    const Case cases[] = {
        {{QLatin1Char('.'), QLatin1Char(',')},
         ",Heating,,Cooling,,",
         "Temperature,-12.0,22.0,32.0,22.0,°C",
         "Energy efficiency (DIN EN 13053),79.8% / H1,,79.8% / H1,,"},
        {{QLatin1Char(','), QLatin1Char('.')},
         ";Heating;;Cooling;;",
         "Temperature;-12,0;22,0;32,0;22,0;°C",
         "Energy efficiency (DIN EN 13053);79,8% / H1;;79,8% / H1;;"},
    };
    for (const Case& c : cases) {
        const ResultsTextInput input = ReferenceResults(c.separators);
        const QByteArray csv = ResultsCsv(input, c.separators.decimal);
        ASSERT_TRUE(csv.startsWith("\xEF\xBB\xBF")) << "UTF-8 with byte-order mark";
        const QStringList lines = Lines(QString::fromUtf8(csv.mid(3)), QStringLiteral("\r\n"));
        const QStringList clipboard = Lines(ResultsClipboardText(input), QStringLiteral("\n"));
        ASSERT_EQ(lines.size(), clipboard.size());
        EXPECT_EQ(lines[0], QString::fromUtf8(c.captions));
        EXPECT_EQ(lines[6], QString::fromUtf8(c.temperature));
        EXPECT_EQ(lines[26], QString::fromUtf8(c.energyClass));
        // The same cells as on the clipboard, where no cell needs quotes.
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].split(CsvSeparator(c.separators.decimal)),
                      clipboard[i].split(QLatin1Char('\t')))
                << i;
    }
}

TEST(ResultsText, CsvQuotesACellHoldingTheSeparatorOrAQuote) {
    ResultsTextInput input;
    input.tables.inlet = GridTexts(6, 2);
    input.tables.inlet.SetCell(0, 1, QStringLiteral("Air \"A\""));
    input.tables.inlet.SetCell(1, 1, QStringLiteral("10,000"));
    input.tables.inlet.SetCell(3, 1, QStringLiteral("#7.5")); // the "#" only aligns, it is not shown
    input.tables.inlet.SetCell(5, 1, QStringLiteral("m³/h"));
    EXPECT_EQ(ResultsCsv(input, QLatin1Char('.')),
              QByteArray("\xEF\xBB\xBF") +
                  QStringLiteral("\"Air \"\"A\"\"\",\"10,000\",7.5,m³/h\r\n").toUtf8());
    EXPECT_EQ(ResultsCsv(input, QLatin1Char(',')),
              QByteArray("\xEF\xBB\xBF") + QStringLiteral("\"Air \"\"A\"\"\";10,000;7.5;m³/h\r\n").toUtf8());
    EXPECT_EQ(ResultsClipboardText(input), QStringLiteral("Air \"A\"\t10,000\t7.5\tm³/h\n"));
}

} // namespace
} // namespace velmarsund
