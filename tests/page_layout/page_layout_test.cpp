// Every page kind in every language, in both unit systems, winter only and winter with summer,
// with an offer header and notes of a real project: no text over another or over a picture, none
// cut at its box or beyond the text edge, none touching its neighbour on a line.

#include "chart_handover.h"
#include "chart_page.h"
#include "generated_epw.h"
#include "page_layout_check.h"
#include "sheet_job.h"
#include "test_files.h"
#include "text_table.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <array>
#include <string>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using Json = request::Json;

// What a project of a hospital extension writes in its header and notes, in each language.
struct ProjectTexts {
    const char* code;
    LanguageNumber language;
    const char* date;
    const char* offer;
    const char* project; // about 90 characters (Chinese: the same content)
    const char* position;
    std::array<const char*, 3> notes; // about 100 characters each
};

const ProjectTexts kProjects[] = {
    {"en", Language::English, "11/12/2026", "OF-2026-004711/03",
     "Extension of the county hospital, building C, ventilation of operating theatres and the ICU",
     "AHU 03, ERW 2",
     {"Air quantities as given by the consultant's ventilation schedule, revision D of 14 November 2026.",
      "Condensation in winter operation is possible; a drain pan is to be provided on the exhaust side.",
      "Prices and delivery times as per our offer; the housing is delivered in two parts for site assembly."}},
    {"de", Language::German, "11.12.2026", "AN-2026-004711/03",
     "Erweiterung des Kreiskrankenhauses, Bauteil C, Lüftung der Operationssäle und Intensivstation",
     "RLT 03, WRG 2",
     {"Luftmengen nach dem Lüftungsschema des Fachplaners, Revisionsstand D vom 14. November 2026.",
      "Kondensatbildung im Winterbetrieb ist möglich; abluftseitig ist eine Kondensatwanne vorzusehen.",
      "Preise und Lieferzeiten gemäß unserem Angebot; das Gehäuse wird zweiteilig zur Montage geliefert."}},
    {"fr", Language::French, "11/12/2026", "OF-2026-004711/03",
     "Extension du centre hospitalier régional, bâtiment C, ventilation des blocs opératoires et USI",
     "CTA 03, RC 2",
     {"Débits d'air selon le schéma de ventilation du bureau d'études, indice D du 14 novembre 2026.",
      "De la condensation est possible en hiver ; prévoir un bac à condensats côté air rejeté.",
      "Prix et délais selon notre offre ; le caisson est livré en deux parties pour un montage sur site."}},
    {"pl", Language::Polish, "11.12.2026", "OF-2026-004711/03",
     "Rozbudowa szpitala wojewódzkiego, budynek C, wentylacja sal operacyjnych i oddziału OIOM",
     "Centrala 03, odzysk 2",
     {"Ilości powietrza według schematu wentylacji projektanta, rewizja D z dnia 14 listopada 2026 r.",
      "W trybie zimowym możliwe jest wykraplanie; po stronie wywiewu należy przewidzieć tacę ociekową.",
      "Ceny i terminy dostaw zgodnie z naszą ofertą; obudowa jest dostarczana w dwóch częściach."}},
    {"ru", Language::Russian, "11.12.2026", "КП-2026-004711/03",
     "Расширение областной больницы, корпус В, вентиляция операционных и отделения реанимации",
     "ПВУ 03, рекуператор 2",
     {"Расходы воздуха приняты по схеме вентиляции проектировщика, редакция D от 14 ноября 2026 г.",
      "В зимнем режиме возможно образование конденсата; со стороны вытяжки предусмотреть поддон.",
      "Цены и сроки поставки согласно нашему предложению; корпус поставляется из двух частей."}},
    {"zh", Language::Chinese, "2026/12/11", "BJ-2026-004711/03",
     "市人民医院扩建工程C栋手术室及重症监护病房净化空调系统热回收转轮采购项目", "空调箱03，转轮2",
     {"风量依据设计院通风系统图D版（2026年11月14日）确定，如有变更请及时通知我方。",
      "冬季运行时可能产生冷凝水，排风侧需设置接水盘及排水管。",
      "价格及交货期以我方报价为准；箱体分两段供货，现场组装。"}},
};

enum class Kind { DataSheet, Mollier, Carrier, Leakage, Product, Controller, Annual };

// A weather file of a temperate year, written once for the annual pages.
const std::string& WeatherPath() {
    static const std::string path = [] {
        static QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("temperate.epw"));
        WriteBytes(file, QByteArray::fromStdString(GeneratedEpw(TemperateHour)));
        return file.toStdString();
    }();
    return path;
}

struct LayoutCase {
    Kind kind;
    const ProjectTexts* project;
    bool ip;
    bool summer;
};

void PrintTo(const LayoutCase& c, std::ostream* out)
{
    *out << static_cast<int>(c.kind) << ' ' << c.project->code << (c.ip ? " IP" : " SI") << (c.summer ? " summer" : "");
}

// A header label as the header window writes it.
std::string Label(TextId id, LanguageNumber language) {
    const QString colon = language == Language::French ? QStringLiteral("\u00a0:") : QStringLiteral(":");
    return (LoadText(id, language) + colon).toStdString();
}

Json Request(const LayoutCase& c)
{
    const ProjectTexts& p = *c.project;
    const char* pages[] = {"datasheet", "chart", "chart", "leakage", "product", "controller", "annual"};
    Json request{{"SeriesIndex", 1},
                 {"Height", 2000},
                 {"Width", 2000},
                 {"Language", p.code},
                 {"Units", c.ip ? "IP" : "SI"},
                 {"UseSeasons", true},
                 {"ShowSummer", c.summer},
                 {"PrintHeader", true},
                 {"Header",
                  {Label(141, p.language), p.date, Label(139, p.language), p.offer, Label(140, p.language), p.project,
                   Label(142, p.language), p.position}},
                 {"Notes", {p.notes[0], p.notes[1], p.notes[2]}},
                 {"ChartNotes", {p.notes[0], p.notes[1], p.notes[2]}},
                 {"Mollier", c.kind != Kind::Carrier},
                 {"Leakage", {{"Details", true}, {"PurgeSector", 1}}},
                 {"Pages", {pages[static_cast<int>(c.kind)]}}};
    if (c.summer) request["Summer"] = Json::object();
    if (c.kind == Kind::Annual)
        request["Annual"] = {{"Weather", WeatherPath()},
                             {"HeatPrice", 0.085},
                             {"ElectricityPrice", 0.315},
                             {"Investment", 14500},
                             {"Currency", "EUR"}};
    return request;
}

std::string CaseName(const ::testing::TestParamInfo<LayoutCase>& info)
{
    const char* kinds[] = {"DataSheet", "MollierChart", "CarrierChart", "Leakage",
                           "Product",   "Controller",   "Annual"};
    const LayoutCase& c = info.param;
    return std::string(kinds[static_cast<int>(c.kind)]) + '_' + c.project->code + (c.ip ? "_IP" : "_SI") +
           (c.summer ? "_WinterSummer" : "_Winter");
}

std::vector<LayoutCase> AllCases()
{
    std::vector<LayoutCase> cases;
    for (Kind kind : {Kind::DataSheet, Kind::Mollier, Kind::Carrier, Kind::Leakage, Kind::Product,
                      Kind::Controller, Kind::Annual})
        for (const ProjectTexts& p : kProjects)
            for (bool ip : {false, true})
                for (bool summer : {false, true}) cases.push_back({kind, &p, ip, summer});
    return cases;
}

class PageLayoutTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    void TearDown() override { SetCurrentLanguage(Language::English); }
};

TEST_P(PageLayoutTest, EveryTextReadable)
{
    const LayoutCase& c = GetParam();
    const rotorsheet::PreparedSheet sheet = rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest(Request(c)));
    ASSERT_EQ(sheet.pages.size(), 1u);
    RecordingCanvas page;
    page.SetPageNumber(2, 3); // as in a list: the footer says which page of how many
    sheet.pages[0](page, 0);
    const std::vector<LayoutFault> faults = LayoutFaults(page, c.project->language);
    EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << Describe(faults);
    if (c.kind == Kind::Mollier || c.kind == Kind::Carrier) {
        // The chart's legend and the states' numbers are on the page and part of what is checked.
        for (const TextId id : {665, 667, 668})
            EXPECT_TRUE(page.FindText(LoadText(id, c.project->language))) << id;
        EXPECT_EQ(page.FindText(LoadText(666, c.project->language)).has_value(), c.summer);
        for (const char* number : {"11", "12", "21", "22"})
            EXPECT_GE(page.TextsEqualTo(QString::fromLatin1(number)).size(), c.summer ? 2u : 1u) << number;
    }
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageLayoutTest, ::testing::ValuesIn(AllCases()), CaseName);

// Cold design points grow the chart downwards; its labels stay readable there too.
TEST(PageLayoutCold, ChartsOfColdDesignPoints) {
    const ProjectTexts& p = kProjects[1];
    const auto line = [](double t1, double x1, double t2, double x2, const QColor& colour) {
        return ProcessLine{{t1, x1, colour, colour, 0, {}}, {t2, x2, colour, colour, 0, {}}};
    };
    for (double t : {-30.0, -40.0})
        for (bool ip : {false, true})
            for (bool carrier : {false, true}) {
                SCOPED_TRACE(::testing::Message()
                             << t << (ip ? " IP " : " SI ") << (carrier ? "Carrier" : "Mollier"));
                ChartPageValues v;
                v.frame.language = p.language;
                v.frame.versionText = QStringLiteral("10/17");
                v.frame.printHeader = true;
                v.frame.header = {
                    QString::fromStdString(Label(141, p.language)), QString::fromUtf8(p.date),
                    QString::fromStdString(Label(139, p.language)), QString::fromUtf8(p.offer),
                    QString::fromStdString(Label(140, p.language)), QString::fromUtf8(p.project),
                    QString::fromStdString(Label(142, p.language)), QString::fromUtf8(p.position)};
                for (const char* note : p.notes)
                    v.frame.notes.push_back(QString::fromUtf8(note));
                v.settings.units = ip ? UnitSystem::IP : UnitSystem::SI;
                v.settings.carrier = carrier;
                v.settings.language = p.language;
                v.settings.separators = {QLatin1Char(','), QLatin1Char('.')};
                v.lines = {line(22, 7, -22, 0.4, kExhaustLineColour),
                           line(t, 0.1, 14, 3.2, kSupplyLineColour)};
                GrowRanges(v.settings, v.lines);
                RecordingCanvas page;
                DrawChartPage(page, v, 0);
                const std::vector<LayoutFault> faults = LayoutFaults(page, p.language);
                EXPECT_TRUE(faults.empty()) << faults.size() << " faults:\n" << Describe(faults);
            }
}

TEST(PageLayoutTexts, HeaderAndNotesAreOfRealLength)
{
    for (const ProjectTexts& p : kProjects) {
        if (p.language == Language::Chinese) continue; // the same content in a third of the characters
        EXPECT_GE(QString::fromUtf8(p.project).size(), 85) << p.code;
        for (const char* note : p.notes) EXPECT_GE(QString::fromUtf8(note).size(), 85) << p.code << ' ' << note;
    }
}

} // namespace
} // namespace velmarsund
