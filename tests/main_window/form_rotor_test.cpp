// The main window driven through its real widgets: entries typed and committed, buttons, menu
// items, the settings window and the standard-size list. Results are compared with the command-line
// engine, digit for digit.

#include "basis_settings.h"
#include "convert_unit.h"
#include "data_sheet_page.h"
#include "daten_grid.h"
#include "form_rotor.h"
#include "ini_datei.h"
#include "int_edit.h"
#include "language_choice.h"
#include "num_edit.h"
#include "number_format.h"
#include "number_rounding.h"
#include "number_separators.h"
#include "plausibility_check.h"
#include "program_fonts.h"
#include "recording_canvas.h"
#include "selection_pages.h"
#include "recording_seams.h"
#include "text_table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using Json = nlohmann::json;

// ---------------------------------------------------------------------------------------------
// The engine on the command line

Json Rotorcalc(const Json& request)
{
    QProcess process;
    process.start(QStringLiteral(ROTORCALC_PATH), {});
    process.waitForStarted();
    process.write(QByteArray::fromStdString(request.dump()));
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return Json::parse(process.readAllStandardOutput().toStdString());
}

// One season of the default panel (HXG 2000 x 2000, enthalpy rotor E, profile E18, 1880 mm).
Json RotorRequest(double t11, double phi11, double t21, double phi21, double svol11 = 10000, double svol21 = 10000)
{
    return {{"AirPressure", 1013},
            {"MatrixType", 1},
            {"Diameter", 1880},
            {"Profile", "E18"},
            {"State11", {{"SVol", svol11}, {"Temp", t11}, {"Humidity", phi11}}},
            {"State21", {{"SVol", svol21}, {"Temp", t21}, {"Humidity", phi21}}}};
}

// How a table shows a record field: conversion, decimals of each system, grouping.
struct Shown {
    int row;
    const char* field;
    QuantityKind kind; // 0: shown as it is
    UnitCode base, si, ip;
    int siDigits, ipDigits;
    bool grouped = false;
};

QString Expected(double value, const Shown& s, UnitSystem units)
{
    const double v = s.kind ? ConvertUnit(s.kind, s.base, UnitChoice(units, s.si, s.ip), value) : value;
    const int digits = UnitChoice(units, s.siDigits, s.ipDigits);
    return s.grouped ? FormatNumber(v, digits) : FormatFixed(v, digits);
}

using namespace Unit;
const std::vector<Shown> kStateRowsInlet{
    {1, "SVol", Quantity::AirVolumeFlow, CubicMetrePerHour, CubicMetrePerHour, Cfm, 0, 0},
    {2, "MassFlow", Quantity::MassFlow, KilogramPerHour, KilogramPerHour, PoundPerHour, 0, 0},
    {4, "AVol", Quantity::AirVolumeFlow, CubicMetrePerHour, CubicMetrePerHour, Cfm, 0, 0},
    {5, "Temp", Quantity::Temperature, Celsius, Celsius, Fahrenheit, 1, 1},
    {6, "Humidity", 0, 0, 0, 0, 1, 1},
    {7, "X", Quantity::HumidityRatio, GramPerKilogram, GramPerKilogram, GrainPerPound, 2, 1},
    {8, "WetBulb", Quantity::Temperature, Celsius, Celsius, Fahrenheit, 1, 1},
    {9, "Enthalpy", Quantity::Enthalpy, KilojoulePerKilogram, KilojoulePerKilogram, BtuPerPound, 1, 1},
};
const std::vector<Shown> kStateRowsOutlet{
    {1, "AVol", Quantity::AirVolumeFlow, CubicMetrePerHour, CubicMetrePerHour, Cfm, 0, 0},
    {2, "Temp", Quantity::Temperature, Celsius, Celsius, Fahrenheit, 1, 1},
    {3, "Humidity", 0, 0, 0, 0, 1, 1},
    {4, "X", Quantity::HumidityRatio, GramPerKilogram, GramPerKilogram, GrainPerPound, 2, 1},
    {5, "WetBulb", Quantity::Temperature, Celsius, Celsius, Fahrenheit, 1, 1},
    {6, "Enthalpy", Quantity::Enthalpy, KilojoulePerKilogram, KilojoulePerKilogram, BtuPerPound, 1, 1},
};
// Stream fields: "#" stands for the stream, 1 or 2.
const std::vector<Shown> kVelocityRows{
    {0, "FaceVelocity#", Quantity::AirVelocity, MetrePerSecond, MetrePerSecond, FeetPerMinute, 2, 0},
    {1, "DeltaP#", Quantity::PressureDrop, Pascal, Pascal, InchWaterGauge, 0, 2},
    {2, "DeltaP#Std", Quantity::PressureDrop, Pascal, Pascal, InchWaterGauge, 0, 2},
};
const std::vector<Shown> kProcessRows{
    {4, "SensibleHeat#", Quantity::HeatFlow, Kilowatt, Kilowatt, BtuPerHour, 2, 0, true},
    {5, "LatentHeat#", Quantity::HeatFlow, Kilowatt, Kilowatt, BtuPerHour, 2, 0, true},
    {6, "TotalHeat#", Quantity::HeatFlow, Kilowatt, Kilowatt, BtuPerHour, 2, 0, true},
    {8, "WaterTransfer#", Quantity::MassFlow, KilogramPerHour, KilogramPerHour, PoundPerHour, 2, 2},
};

std::string StreamField(const char* field, int stream)
{
    std::string name = field;
    name.replace(name.find('#'), 1, std::to_string(stream));
    return name;
}

// ---------------------------------------------------------------------------------------------
// The window

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(TIniDatei::AppDataFolder()).removeRecursively();
        SetSystemLocaleSource([] { return QLocale(QStringLiteral("en_US")); });
        ApplyLanguageFonts(Language::English); // the window font of the program, as at its start
    }
    void TearDown() override { SetSystemLocaleSource({}); }

    // The start sequence of the program: language from the settings file, then the window.
    static std::unique_ptr<TFormRotor> StartWindow()
    {
        SetCurrentLanguage(ReadLanguage(kSettingsFileName, kGlobalSection, kLanguageKey));
        auto window = std::make_unique<TFormRotor>();
        window->Start();
        window->show();
        QApplication::setActiveWindow(window.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return window;
    }

    template <typename T>
    static T* Get(QWidget& w, const char* name)
    {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    static TNumEdit* Field(QWidget& w, const char* name) { return Get<TNumEdit>(w, name); }
    static TDatenGrid* Grid(QWidget& w, const char* name) { return Get<TDatenGrid>(w, name); }
    static QString Cell(QWidget& w, const char* grid, int col, int row) { return Grid(w, grid)->Cell(col, row); }

    // Types into a field as the user does, then commits with Enter.
    static void Enter(TNumEditBase* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    static void Enter(QWidget& w, const char* field, const char* text)
    {
        Enter(Get<TNumEditBase>(w, field), QString::fromLatin1(text));
    }
    static void Calculate(QWidget& w) { Get<QPushButton>(w, "Button_Berechnen")->click(); }
    static void Choose(QComboBox* combo, int index)
    {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // The settings window through the menu; `act` works on it before OK.
    void Settings(QWidget& w, const std::function<void(QDialog&)>& act, bool ok = true)
    {
        seams_.onDialog = [act, ok](QDialog& dialog) {
            act(dialog);
            if (!ok) return static_cast<int>(QDialog::Rejected);
            Get<QPushButton>(dialog, "Button_OK")->click();
            return dialog.result();
        };
        Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger();
    }
    void ChooseUnits(QWidget& w, UnitSystem units)
    {
        Settings(w, [units](QDialog& d) {
            Get<QRadioButton>(d, units == UnitSystem::SI ? "RadioButton_SI" : "RadioButton_US")->click();
        });
    }

    static bool ResultCommandsEnabled(QWidget& w)
    {
        const bool buttons = Get<QPushButton>(w, "Button_Datenblatt")->isEnabled() &&
                             Get<QPushButton>(w, "Button_Diagramm")->isEnabled() &&
                             Get<QPushButton>(w, "Button_Leakage")->isEnabled();
        const bool items =
            Get<QAction>(w, "Menu_Ansicht_Datenblatt")->isEnabled() && Get<QAction>(w, "Menu_Ansicht_Diagramm")->isEnabled();
        EXPECT_EQ(buttons, items);
        return buttons && items;
    }
    static bool ResultColumnsEmpty(QWidget& w, std::initializer_list<int> columns)
    {
        for (const char* grid : {"Tabelle_Luftaustritt", "Tabelle_Prozessdaten"})
            for (int col : columns)
                for (int row = 0; row < Grid(w, grid)->RowCount(); ++row)
                    if (!Cell(w, grid, col, row).isEmpty()) return false;
        return true;
    }

    // Every value cell of one season equals the engine's result in the given units.
    static void ExpectTablesShow(QWidget& w, const Json& r, Season season, UnitSystem units)
    {
        for (int stream = 0; stream < 2; ++stream) {
            const int col = ValueColumn(season, stream == 0 ? Stream::Supply : Stream::Exhaust);
            const std::string n = std::to_string(stream + 1);
            const Json& in = r[stream == 0 ? "State11" : "State21"];
            const Json& out = r[stream == 0 ? "State12" : "State22"];
            for (const Shown& s : kStateRowsInlet)
                EXPECT_EQ(Cell(w, "Tabelle_Lufteintritt", col, s.row), Expected(in.at(s.field), s, units))
                    << "inlet " << s.field << " stream " << n;
            for (const Shown& s : kStateRowsOutlet)
                EXPECT_EQ(Cell(w, "Tabelle_Luftaustritt", col, s.row), Expected(out.at(s.field), s, units))
                    << "outlet " << s.field << " stream " << n;
            for (const Shown& s : kVelocityRows)
                EXPECT_EQ(Cell(w, "Tabelle_w_dp", col, s.row), Expected(r.at(StreamField(s.field, stream + 1)), s, units))
                    << s.field << n;
            for (const Shown& s : kProcessRows)
                EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, s.row),
                          Expected(r.at(StreamField(s.field, stream + 1)), s, units))
                    << s.field << n;
            const double dx = out["X"].get<double>() - in["X"].get<double>();
            EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, 7), FormatFixed(ConvertUnit(Quantity::HumidityRatio, GramPerKilogram,
                                                                                        UnitChoice(units, GramPerKilogram, GrainPerPound), dx),
                                                                            2));
        }
        // EN 308 with the energy class: the supply side only, the ErP remark beside it.
        const int col = ValueColumn(season, Stream::Supply);
        EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, 0), FormatFixed(r["TempEff1"], 1));
        EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, 1), FormatFixed(r["HumEff1"], 1));
        EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, 2), QString::fromStdString(r["HClassLabel"]));
        const double balanced = r["TempEffBalanced"];
        EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col, 3), FormatFixed(balanced, 1));
        const double shown = RoundTo(balanced, 1);
        EXPECT_EQ(Cell(w, "Tabelle_Prozessdaten", col + 2, 3),
                  QString::fromLatin1(shown >= 73 ? "(2018 ready)" : shown >= 67 ? "(2016 ready)" : ""));
    }

    static void ExpectFieldsOverTheirCells(QWidget& w, int volumeRow, int humidityRow, bool summer)
    {
        TDatenGrid* grid = Grid(w, "Tabelle_Lufteintritt");
        for (const char* suffix : {"", "_S"}) {
            const bool isSummer = *suffix != 0;
            if (isSummer && !summer) continue;
            for (int stream = 0; stream < 2; ++stream) {
                const int col = ValueColumn(isSummer ? Season::Summer : Season::Winter,
                                            stream == 0 ? Stream::Supply : Stream::Exhaust);
                const std::string n = stream == 0 ? "11" : "21";
                for (auto [name, row] : {std::pair{"Edit_SVol", volumeRow}, std::pair{"Edit_Temp", 5},
                                         std::pair{"Edit_Feuchte", humidityRow}}) {
                    const std::string fieldName = name + n + suffix;
                    TNumEdit* field = Field(w, fieldName.c_str());
                    EXPECT_TRUE(field->isVisible()) << fieldName;
                    EXPECT_EQ(field->geometry(), grid->CellRect(col, row)) << fieldName;
                    EXPECT_EQ(field->parentWidget(), grid->parentWidget());
                    EXPECT_EQ(grid->pos(), QPoint(0, 0));
                }
            }
        }
    }

    static QStringList Texts(QWidget& w, std::initializer_list<const char*> names)
    {
        QStringList texts;
        for (const char* name : names) texts << Get<QLineEdit>(w, name)->text();
        return texts;
    }

    RecordingSeams seams_;
};

const std::initializer_list<const char*> kWinterFields{"Edit_SVol11", "Edit_Temp11", "Edit_Feuchte11",
                                                       "Edit_SVol21", "Edit_Temp21", "Edit_Feuchte21"};
const std::initializer_list<const char*> kSummerFields{"Edit_SVol11_S", "Edit_Temp11_S", "Edit_Feuchte11_S",
                                                       "Edit_SVol21_S", "Edit_Temp21_S", "Edit_Feuchte21_S"};

TEST_F(MainWindowTest, FreshStartShowsTheDefaults)
{
    auto w = StartWindow();
    EXPECT_EQ(Texts(*w, kWinterFields), (QStringList{"10000", "-12", "90", "10000", "22", "40"}));
    EXPECT_EQ(Texts(*w, kSummerFields), (QStringList{"10000", "32", "40", "10000", "22", "50"}));
    EXPECT_FALSE(Field(*w, "Edit_Temp11_S")->isVisible());
    EXPECT_FALSE(Get<QLineEdit>(*w, "Edit_Winter")->isVisible());
    ExpectFieldsOverTheirCells(*w, 1, 6, false);

    EXPECT_EQ(Get<QComboBox>(*w, "Combo_RahmenMaterial")->currentText(), QStringLiteral("HXG - Galvanised steel"));
    EXPECT_EQ(Get<QComboBox>(*w, "Combo_Rotortyp")->currentText(), QStringLiteral("Enthalpy Rotor E"));
    EXPECT_EQ(Get<QComboBox>(*w, "Combo_Rotorprofil")->currentText(), QStringLiteral("E18"));
    EXPECT_EQ(Get<QListWidget>(*w, "Liste_Baugroessen")->currentRow(), 7);
    EXPECT_FALSE(Get<QListWidget>(*w, "Liste_Baugroessen")->isVisible());
    EXPECT_EQ(Get<QListWidget>(*w, "Liste_Baugroessen")->geometry(), QRect(77, 77, 151, 108));
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Hoehe")->text(), QStringLiteral("2000"));
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Breite")->text(), QStringLiteral("2000"));
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Rad")->text(), QStringLiteral("1880"));
    EXPECT_EQ(Get<QLabel>(*w, "L_Tiefe")->text(), QStringLiteral("400"));
    EXPECT_EQ(Get<QLabel>(*w, "L_MaxRad")->text(), QStringLiteral("1880"));
    EXPECT_EQ(Get<QLabel>(*w, "L_Baugroesse")->text(), QStringLiteral("HXG-E-E18-2000/2000-1880"));
    EXPECT_GT(w->RotorWeightKg(), 0);

    // The inlet table shows what the records derive; nothing is calculated yet.
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 0, 1), QStringLiteral("    Standard Air Volume"));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 1, 2), QStringLiteral("12000"));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 5, 5), QString::fromUtf8("°C"));
    EXPECT_EQ(Get<QLabel>(*w, "LB_Zuluft")->text(), QStringLiteral("Outside air"));
    EXPECT_EQ(Get<QLabel>(*w, "LB_Abluft")->text(), QStringLiteral("Return air"));
    EXPECT_FALSE(w->ResultsValid());
    EXPECT_FALSE(ResultCommandsEnabled(*w));
    EXPECT_TRUE(ResultColumnsEmpty(*w, {1, 3}));
    EXPECT_EQ(Get<QTabWidget>(*w, "RegisterDaten")->currentIndex(), 0);
    EXPECT_EQ(Get<QTabWidget>(*w, "RegisterDaten")->tabText(1), QStringLiteral("  Process data  "));

    EXPECT_EQ(w->width(), 648);
    EXPECT_EQ(Grid(*w, "Tabelle_Lufteintritt")->ColCount(), 6);
    EXPECT_EQ(Grid(*w, "Tabelle_Lufteintritt")->ColWidth(0), 177);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(MainWindowTest, CalculateShowsTheEngineResultsDigitForDigitInBothUnitSystems)
{
    auto w = StartWindow();
    Enter(*w, "Edit_Temp11", "-15");
    EXPECT_FALSE(ResultCommandsEnabled(*w));
    Calculate(*w);
    EXPECT_TRUE(seams_.messages.empty());
    ASSERT_TRUE(w->ResultsValid());
    EXPECT_TRUE(ResultCommandsEnabled(*w));
    const Json winter = Rotorcalc(RotorRequest(-15, 90, 22, 40));
    ASSERT_EQ(winter["Status"], 0);
    ExpectTablesShow(*w, winter, Season::Winter, UnitSystem::SI);

    // Inch-pound through the settings window: the entries keep their values, shown in the new
    // units, and the next calculation shows the same results in those units.
    ChooseUnits(*w, UnitSystem::IP);
    EXPECT_EQ(w->GetUnitSystem(), UnitSystem::IP);
    EXPECT_EQ(Texts(*w, kWinterFields), (QStringList{"5886", "5", "90", "5886", "71.6", "40"}));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 5, 1), QStringLiteral("scfm"));
    EXPECT_FALSE(w->ResultsValid());
    QTest::keyClick(w.get(), Qt::Key_F9);
    ASSERT_TRUE(w->ResultsValid());
    ExpectTablesShow(*w, winter, Season::Winter, UnitSystem::IP);

    ChooseUnits(*w, UnitSystem::SI);
    EXPECT_EQ(Texts(*w, kWinterFields), (QStringList{"10000", "-15", "90", "10000", "22", "40"}));
    EXPECT_EQ(w->WinterRecord().State11.Temp, -15);
    EXPECT_EQ(w->WinterRecord().State11.SVol, 10000);
    EXPECT_EQ(seams_.dialogs, (std::vector<QString>{"FormOptionen", "FormOptionen"}));
}

TEST_F(MainWindowTest, AnyLaterChangeClearsTheResults)
{
    auto w = StartWindow();
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    const std::vector<std::pair<const char*, std::function<void()>>> changes{
        {"air quantity", [&] { Enter(*w, "Edit_SVol21", "9000"); }},
        {"matrix type", [&] { Choose(Get<QComboBox>(*w, "Combo_Rotortyp"), 0); }},
        {"profile", [&] { Choose(Get<QComboBox>(*w, "Combo_Rotorprofil"), 0); }},
        {"diameter", [&] { Enter(*w, "Edit_Rad", "1800"); }},
        {"standard size", [&] { w->SelectStandardSize(6); }},
        {"summer columns shown", [&] { Get<QToolButton>(*w, "Button_Seasons")->click(); }},
    };
    for (const auto& [what, change] : changes) {
        Calculate(*w);
        ASSERT_TRUE(w->ResultsValid()) << what;
        ASSERT_FALSE(ResultColumnsEmpty(*w, {1, 3})) << what;
        change();
        EXPECT_FALSE(w->ResultsValid()) << what;
        EXPECT_FALSE(ResultCommandsEnabled(*w)) << what;
        EXPECT_TRUE(ResultColumnsEmpty(*w, {1, 3})) << what;
        EXPECT_FALSE(Cell(*w, "Tabelle_Lufteintritt", 1, 9).isEmpty()) << what; // the inlet stays
    }
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(MainWindowTest, SeasonsOnAndOff)
{
    auto w = StartWindow();
    const int top = Get<QWidget>(*w, "Panel_Lufteintritt")->y();
    const int height = w->centralWidget()->height();
    QAction* seasons = Get<QAction>(*w, "Menu_Optionen_UseSeasons");
    EXPECT_EQ(QString(seasons->text()).remove(QLatin1Char('&')), QStringLiteral("Heating / Cooling"));
    seasons->trigger();
    EXPECT_TRUE(seasons->isChecked());
    EXPECT_TRUE(Get<QLineEdit>(*w, "Edit_Winter")->isVisible());
    EXPECT_EQ(Get<QLineEdit>(*w, "Edit_Winter")->text(), QStringLiteral("Heating"));
    EXPECT_FALSE(Get<QLineEdit>(*w, "Edit_Sommer")->isVisible());
    EXPECT_EQ(Get<QWidget>(*w, "Panel_Lufteintritt")->y(), top + 25);
    EXPECT_EQ(w->centralWidget()->height(), height + 25);
    EXPECT_EQ(w->height(), w->centralWidget()->height() + w->menuBar()->height());
    EXPECT_EQ(w->width(), 648);

    Get<QToolButton>(*w, "Button_Seasons")->click();
    EXPECT_EQ(w->GetSeasonView(), SeasonView::WinterAndSummer);
    EXPECT_EQ(w->width(), 648 + 158);
    EXPECT_TRUE(Get<QLineEdit>(*w, "Edit_Sommer")->isVisible());
    EXPECT_EQ(Get<QLineEdit>(*w, "Edit_Sommer")->text(), QStringLiteral("Cooling"));
    TDatenGrid* inlet = Grid(*w, "Tabelle_Lufteintritt");
    EXPECT_EQ(inlet->ColCount(), 10);
    EXPECT_EQ(inlet->ColWidth(4), 15);
    EXPECT_EQ(inlet->Cell(9, 5), QString::fromUtf8("°C"));
    EXPECT_EQ(inlet->Cell(5, 5), QStringLiteral("32.0")); // the summer record got its inlet states
    ExpectFieldsOverTheirCells(*w, 1, 6, true);

    Calculate(*w);
    ASSERT_TRUE(w->ResultsValid());
    ExpectTablesShow(*w, Rotorcalc(RotorRequest(-12, 90, 22, 40)), Season::Winter, UnitSystem::SI);
    ExpectTablesShow(*w, Rotorcalc(RotorRequest(32, 40, 22, 50)), Season::Summer, UnitSystem::SI);

    // Switching the option off returns to winter only; the winter results stay.
    seasons->trigger();
    EXPECT_FALSE(seasons->isChecked());
    EXPECT_EQ(w->GetSeasonView(), SeasonView::WinterOnly);
    EXPECT_EQ(w->width(), 648);
    EXPECT_EQ(w->centralWidget()->height(), height);
    EXPECT_EQ(inlet->ColCount(), 6);
    EXPECT_EQ(inlet->Cell(5, 5), QString::fromUtf8("°C"));
    EXPECT_EQ(Cell(*w, "Tabelle_Prozessdaten", 5, 4), QStringLiteral("kW"));
    EXPECT_FALSE(Field(*w, "Edit_Temp11_S")->isVisible());
    EXPECT_FALSE(Get<QWidget>(*w, "Panel_Seasons")->isVisible());
    EXPECT_TRUE(w->ResultsValid());
}

TEST_F(MainWindowTest, FreezingNoteOfEitherSeason)
{
    auto w = StartWindow();
    QLabel* hint = Get<QLabel>(*w, "LB_Hinweis");
    const auto centre = [hint] { return hint->x() + hint->width() / 2.0; };
    Enter(*w, "Edit_Temp11", "-20");
    Calculate(*w);
    ASSERT_TRUE(w->WinterRecord().FrostRisk);
    EXPECT_TRUE(hint->isVisibleTo(w.get()));
    EXPECT_EQ(hint->text(), QStringLiteral("Freezing limit not considered!"));
    EXPECT_TRUE(hint->font().italic());
    EXPECT_EQ(hint->width(), std::lround(hint->fontMetrics().horizontalAdvance(hint->text()) * 1.2));
    EXPECT_NEAR(centre(), 245, 1);
    Enter(*w, "Edit_Temp11", "-12");
    EXPECT_FALSE(hint->isVisibleTo(w.get()));

    // Summer with frost, winter without: the note once, centred under the wider tables.
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*w, "Button_Seasons")->click();
    Enter(*w, "Edit_Temp11_S", "-25");
    Calculate(*w);
    ASSERT_FALSE(w->WinterRecord().FrostRisk);
    ASSERT_TRUE(w->SummerRecord().FrostRisk);
    EXPECT_EQ(hint->text(), QStringLiteral("Freezing limit not considered!"));
    EXPECT_NEAR(centre(), 324, 1);
    // Back to winter only: the results stay, the note goes with the summer record.
    Get<QToolButton>(*w, "Button_Seasons")->click();
    EXPECT_TRUE(w->ResultsValid());
    EXPECT_FALSE(hint->isVisibleTo(w.get()));
}

TEST_F(MainWindowTest, LeakageCommandChecksTheAirDataWhileResultsAreInvalid)
{
    auto w = StartWindow();
    QAction* leakage = Get<QAction>(*w, "Menu_Ansicht_Leakage");
    EXPECT_TRUE(leakage->isVisible());
    EXPECT_TRUE(leakage->isEnabled());
    EXPECT_TRUE(Get<QPushButton>(*w, "Button_Leakage")->isVisible());
    Enter(*w, "Edit_Temp21", "85");
    leakage->trigger();
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_TRUE(w->LastCheckMessages().test(CheckMessage::TemperatureHigh));
}

TEST_F(MainWindowTest, PlausibilityMessagesBeforeTheCalculation)
{
    auto w = StartWindow();
    Enter(*w, "Edit_Temp11", "-31");
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(seams_.messages[0].text, QString::fromUtf8("The temperature is not in the range -30 .. 80°C !"));
    EXPECT_FALSE(w->ResultsValid());

    seams_.messages.clear();
    Enter(*w, "Edit_Temp11", "-12");
    Enter(*w, "Edit_SVol21", "6600");
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Attention!"));
    EXPECT_EQ(seams_.messages[0].text, CheckMessageText(7, UnitSystem::SI));
    EXPECT_TRUE(w->ResultsValid()); // a warning lets the calculation run

    seams_.messages.clear();
    Enter(*w, "Edit_SVol21", "10000");
    Enter(*w, "Edit_SVol11", "20400");
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error!"));
    EXPECT_EQ(seams_.messages[0].text, CheckMessageText(8, UnitSystem::SI)); // once
    EXPECT_FALSE(w->ResultsValid());

    // Both seasons: the captions as the user typed them name the seasons.
    seams_.messages.clear();
    Enter(*w, "Edit_SVol11", "10000");
    Enter(*w, "Edit_SVol21", "6600");
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*w, "Button_Seasons")->click();
    Get<QLineEdit>(*w, "Edit_Winter")->setText(QStringLiteral("Winter 2017"));
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("Winter 2017:\n\r\n\r") + CheckMessageText(7, UnitSystem::SI));
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Attention!"));
    EXPECT_TRUE(w->ResultsValid());
}

TEST_F(MainWindowTest, RotorPanelEdgeCases)
{
    auto w = StartWindow();
    QComboBox* series = Get<QComboBox>(*w, "Combo_RahmenMaterial");
    QListWidget* sizes = Get<QListWidget>(*w, "Liste_Baugroessen");
    TIntEdit* diameter = Get<TIntEdit>(*w, "Edit_Rad");

    // HXG to HXV with 2000 x 2000 and 1880 mm: the wheel is reduced to the largest that fits.
    Choose(series, 2);
    EXPECT_EQ(Get<QLabel>(*w, "L_Tiefe")->text(), QStringLiteral("330"));
    EXPECT_EQ(Get<QLabel>(*w, "L_MaxRad")->text(), QStringLiteral("1875"));
    EXPECT_EQ(diameter->text(), QStringLiteral("1875"));
    EXPECT_EQ(w->WinterRecord().Diameter, 1875);
    EXPECT_EQ(Get<QLabel>(*w, "L_Baugroesse")->text(), QStringLiteral("HXV-E-E18-2000/2000-1875"));

    // A typed diameter above the largest is reset to it; a standard size brings its own diameter.
    Choose(series, 1);
    Enter(diameter, QStringLiteral("2500"));
    EXPECT_EQ(diameter->text(), QStringLiteral("1880"));
    Enter(diameter, QStringLiteral("1900"));
    w->SelectStandardSize(0);
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Hoehe")->text(), QStringLiteral("600"));
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Breite")->text(), QStringLiteral("750"));
    EXPECT_EQ(diameter->text(), QStringLiteral("505"));

    // The list index stays when the new series has it, else the last entry.
    Choose(series, 0);
    sizes->setCurrentRow(20);
    EXPECT_EQ(Get<QLabel>(*w, "L_Baugroesse")->text(), QStringLiteral("HXL-E-E18-5250/5250-4850"));
    Choose(series, 1);
    EXPECT_EQ(sizes->count(), 17);
    EXPECT_EQ(sizes->currentRow(), 16);
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Hoehe")->text(), QStringLiteral("5250")); // a series change picks no size

    // HXL 5000 x 5000: 4760 mm is calculated, 2500 mm is below the smallest wheel (2860 mm).
    Enter(*w, "Edit_SVol11", "40000"); // a face velocity the check accepts for such a wheel
    Enter(*w, "Edit_SVol21", "40000");
    Choose(series, 0);
    sizes->setCurrentRow(19);
    EXPECT_EQ(diameter->text(), QStringLiteral("4760"));
    Calculate(*w);
    EXPECT_TRUE(seams_.messages.empty());
    EXPECT_TRUE(w->ResultsValid());
    Enter(diameter, QStringLiteral("2500"));
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, LoadText(112));
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(seams_.messages[0].kind, MessageKind::Error);
    EXPECT_FALSE(w->ResultsValid());
}

TEST_F(MainWindowTest, BadEntriesAreReportedAndKeepTheLastValidInputs)
{
    auto w = StartWindow();
    // Text that is no number: reported when committed and again by the calculate command.
    Enter(*w, "Edit_Temp11", "abc");
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("'abc' is not a valid number."));
    EXPECT_EQ(w->WinterRecord().State11.Temp, -12);
    QTest::keyClick(w.get(), Qt::Key_F9);
    EXPECT_EQ(seams_.messages.size(), 2u);
    EXPECT_FALSE(w->ResultsValid());
    Enter(*w, "Edit_Temp11", "-12");

    // A housing of 0 x 0 keeps the diameter and is reported at calculation time.
    seams_.messages.clear();
    Enter(*w, "Edit_Hoehe", "0");
    Enter(*w, "Edit_Breite", "0");
    EXPECT_TRUE(seams_.messages.empty());
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Rad")->text(), QStringLiteral("1880"));
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("The minimum housing dimension is 600 mm!"));
    EXPECT_FALSE(w->ResultsValid());
    Enter(*w, "Edit_Hoehe", "2000");
    Enter(*w, "Edit_Breite", "2000");
    Enter(*w, "Edit_Rad", "99999999999"); // beyond an integer
    EXPECT_EQ(seams_.messages.size(), 2u);
    EXPECT_EQ(w->WinterRecord().Diameter, 1880);
    Enter(*w, "Edit_Rad", "1880");
    Calculate(*w);
    EXPECT_EQ(seams_.messages.size(), 2u);
    EXPECT_TRUE(w->ResultsValid());

    // A summer temperature outside -30 .. 80 is refused on entry; a winter one only at calculation.
    seams_.messages.clear();
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*w, "Button_Seasons")->click();
    Enter(*w, "Edit_Temp11_S", "81");
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("Please enter a number between -30 and 80"));
    EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Temperature"));
    EXPECT_EQ(w->SummerRecord().State11.Temp, 32);
    Enter(*w, "Edit_Temp11_S", "32");
    Enter(*w, "Edit_Temp21", "81");
    EXPECT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(w->WinterRecord().State21.Temp, 81);
    Calculate(*w);
    ASSERT_EQ(seams_.messages.size(), 2u);
    EXPECT_EQ(seams_.messages[1].caption, QStringLiteral("Error!"));
    EXPECT_TRUE(seams_.messages[1].text.startsWith(QStringLiteral("Heating:\n\r\n\r") + CheckMessageText(2, UnitSystem::SI)));
}

TEST_F(MainWindowTest, ExtremeEntriesBlockTheCalculationWithAMessage)
{
    auto w = StartWindow();
    const struct {
        const char* field;
        const char* text;
        const char* restore;
    } cases[] = {
        {"Edit_Temp11", "1e300", "-12"},  {"Edit_SVol11", "1e308", "10000"}, {"Edit_SVol21", "0", "10000"},
        {"Edit_Feuchte11", "-5", "90"},   {"Edit_Feuchte21", "1000", "40"}, {"Edit_Rad", "-1880", "1880"},
        {"Edit_Hoehe", "2147483647", "2000"},
    };
    for (const auto& c : cases) {
        seams_.messages.clear();
        Enter(*w, c.field, c.text);
        Calculate(*w);
        EXPECT_EQ(seams_.messages.size(), 1u) << c.field << " " << c.text;
        EXPECT_FALSE(w->ResultsValid()) << c.field << " " << c.text;
        Enter(*w, c.field, c.restore);
    }
    seams_.messages.clear();
    Calculate(*w);
    EXPECT_TRUE(seams_.messages.empty());
    EXPECT_TRUE(w->ResultsValid());
    ExpectTablesShow(*w, Rotorcalc(RotorRequest(-12, 90, 22, 40)), Season::Winter, UnitSystem::SI);
}

// Hot, humid air at 600 mbar condensing on a condensation matrix: the records cannot be
// calculated. The user is told so and sees no results.
TEST_F(MainWindowTest, ACalculationThatFailsIsReportedAndShowsNoResults)
{
    auto w = StartWindow();
    Settings(*w, [](QDialog& d) { Enter(Get<TNumEditBase>(d, "Edit_Luftdruck"), QStringLiteral("600")); });
    Choose(Get<QComboBox>(*w, "Combo_Rotortyp"), 0);
    ASSERT_EQ(w->WinterRecord().MatrixType, 0);
    Enter(*w, "Edit_Temp11", "28");
    Enter(*w, "Edit_Feuchte11", "70");
    Enter(*w, "Edit_Temp21", "20");
    Enter(*w, "Edit_Feuchte21", "50");
    seams_.messages.clear();
    Calculate(*w);
    EXPECT_EQ(w->WinterRecord().Status, 100);
    ASSERT_FALSE(seams_.messages.empty());
    EXPECT_EQ(seams_.messages.back().text,
              QStringLiteral("The calculation failed for these air conditions. Please check the entries."));
    EXPECT_EQ(seams_.messages.back().caption, QStringLiteral("Error"));
    EXPECT_FALSE(w->ResultsValid());
    EXPECT_FALSE(ResultCommandsEnabled(*w));
    EXPECT_EQ(Cell(*w, "Tabelle_Luftaustritt", 1, 2), QString());
}

TEST_F(MainWindowTest, SettingsWindowRoundTrip)
{
    auto w = StartWindow();
    Enter(*w, "Edit_Feuchte21", "50");

    // Cancel changes nothing.
    Settings(*w, [](QDialog& d) { Get<QRadioButton>(d, "RadioButton_US")->click(); }, false);
    EXPECT_EQ(w->GetUnitSystem(), UnitSystem::SI);

    // Absolute humidity and actual volume: the fields move to their rows and show the records'
    // values; the rows they left show what the records derive.
    Settings(*w, [](QDialog& d) {
        Choose(Get<QComboBox>(d, "Combo_Feuchte"), 1);
        Choose(Get<QComboBox>(d, "Combo_Luftmenge"), 1);
    });
    EXPECT_EQ(w->HumidityInputKind(), 1);
    EXPECT_EQ(w->AirVolumeInputKind(), 1);
    ExpectFieldsOverTheirCells(*w, 4, 7, false);
    EXPECT_EQ(Field(*w, "Edit_Feuchte21")->text(), FormatGeneral(RoundTo(w->WinterRecord().State21.X, 1)));
    EXPECT_EQ(Field(*w, "Edit_SVol11")->text(), FormatGeneral(RoundTo(w->WinterRecord().State11.AVol, 0)));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 1, 1), QStringLiteral("10000"));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 5, 4), QString::fromUtf8("m³/h"));

    // Mass flow; then back: relative humidity and standard volume show the entries again.
    Settings(*w, [](QDialog& d) { Choose(Get<QComboBox>(d, "Combo_Luftmenge"), 2); });
    ExpectFieldsOverTheirCells(*w, 2, 7, false);
    EXPECT_EQ(Field(*w, "Edit_SVol21")->text(), FormatGeneral(RoundTo(w->WinterRecord().State21.MassFlow, 0)));
    Settings(*w, [](QDialog& d) {
        Choose(Get<QComboBox>(d, "Combo_Feuchte"), 0);
        Choose(Get<QComboBox>(d, "Combo_Luftmenge"), 0);
    });
    EXPECT_EQ(Texts(*w, kWinterFields), (QStringList{"10000", "-12", "90", "10000", "22", "50"}));

    // Separators, pressure and the effectiveness options.
    Settings(*w, [](QDialog& d) {
        Get<QLineEdit>(d, "Edit_DecimalSeparator")->setText(QStringLiteral(","));
        Get<QLineEdit>(d, "Edit_ThousandSeparator")->setText(QStringLiteral("."));
        Enter(Get<TNumEditBase>(d, "Edit_Luftdruck"), QStringLiteral("950"));
        Get<QRadioButton>(d, "RadioButton_PHI_USA")->click();
    });
    EXPECT_EQ(ProgramSeparators().decimal, QLatin1Char(','));
    EXPECT_EQ(w->AirPressure(), 950);
    EXPECT_EQ(w->WinterRecord().AirPressure, 950);
    EXPECT_TRUE(w->Effectiveness().useAhriEffectiveness);
    EXPECT_TRUE(w->Effectiveness().totalEffectiveness);
    EXPECT_FALSE(w->Effectiveness().energyEfficiencyClass);
    EXPECT_EQ(Cell(*w, "Tabelle_Prozessdaten", 0, 0), QStringLiteral("Effectiveness Sensible"));
    EXPECT_EQ(Cell(*w, "Tabelle_Prozessdaten", 0, 2), QStringLiteral("Effectiveness Total"));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 1, 5), QStringLiteral("-12,0"));
    Calculate(*w);
    ASSERT_TRUE(w->ResultsValid());
    EXPECT_EQ(Cell(*w, "Tabelle_Prozessdaten", 1, 2), FormatFixed(w->WinterRecord().AhriTotal1, 1));
    EXPECT_TRUE(Cell(*w, "Tabelle_Prozessdaten", 1, 2).contains(QLatin1Char(',')));
    SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
}

TEST_F(MainWindowTest, SettingsWrittenAtCloseRestoreTheSameWindow)
{
    QStringList fields, summerFields;
    QString designation;
    {
        auto w = StartWindow();
        Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
        Get<QToolButton>(*w, "Button_Seasons")->click();
        Choose(Get<QComboBox>(*w, "Combo_RahmenMaterial"), 3); // HXK
        Choose(Get<QComboBox>(*w, "Combo_Rotortyp"), 1);       // K
        Choose(Get<QComboBox>(*w, "Combo_Rotorprofil"), 2);    // E16
        Get<QListWidget>(*w, "Liste_Baugroessen")->setCurrentRow(4);
        Enter(*w, "Edit_Rad", "1500");
        Enter(*w, "Edit_Temp11", "-8.5");
        Enter(*w, "Edit_Feuchte21", "35.5");
        Enter(*w, "Edit_SVol11_S", "8000");
        Enter(*w, "Edit_Temp21_S", "24");
        Settings(*w, [](QDialog& d) {
            Get<QRadioButton>(d, "RadioButton_US")->click();
            Choose(Get<QComboBox>(d, "Combo_Feuchte"), 2); // wet-bulb temperature
        });
        fields = Texts(*w, kWinterFields);
        summerFields = Texts(*w, kSummerFields);
        designation = Get<QLabel>(*w, "L_Baugroesse")->text();
        EXPECT_EQ(designation, QStringLiteral("HXK-K-E16-1750/1750-1500"));
        Get<QAction>(*w, "Menu_Datei_Beenden")->trigger();
        EXPECT_FALSE(w->isVisible());
    }
    TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    EXPECT_EQ(ini.ReadInteger(kGlobalSection, kVersionKey, 0), 201710);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("ROTOR"), QStringLiteral("Housing"), 0), 4);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("ROTOR"), QStringLiteral("AirState"), 0), 7);
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("ROTOR"), QStringLiteral("Temp11"), 0), -8.5);
    EXPECT_EQ(ini.ReadFloat(QStringLiteral("ROTOR"), QStringLiteral("SVol11_S"), 0), 8000);

    auto next = StartWindow();
    EXPECT_EQ(next->GetUnitSystem(), UnitSystem::IP);
    EXPECT_EQ(next->HumidityInputKind(), 7);
    EXPECT_TRUE(next->UseSeasons());
    EXPECT_EQ(next->GetSeasonView(), SeasonView::WinterOnly); // the view starts with winter only
    EXPECT_EQ(Texts(*next, kWinterFields), fields);
    EXPECT_EQ(Texts(*next, kSummerFields), summerFields);
    EXPECT_EQ(Get<QLabel>(*next, "L_Baugroesse")->text(), designation);
    EXPECT_EQ(Get<QListWidget>(*next, "Liste_Baugroessen")->currentRow(), 4);
    EXPECT_EQ(next->WinterRecord().State11.Temp, -8.5);
    EXPECT_NEAR(next->WinterRecord().State21.Humidity, 35.5, 1e-3); // given as wet-bulb temperature now
    EXPECT_EQ(next->SummerRecord().State21.Temp, 24);
    EXPECT_TRUE(seams_.messages.empty());
}

// Under the largest diameter the panel shows the rotor weight and the motor, the engine's values in
// the current units, after every change of the panel; the data sheet prints the same numbers.
TEST_F(MainWindowTest, PanelShowsWeightAndMotorAsTheDataSheetPrintsThem)
{
    auto w = StartWindow();
    const auto expectPanel = [&](int diameter, UnitSystem units) {
        SCOPED_TRACE(diameter);
        const Json weight = Rotorcalc({{"mode", "weight"}, {"HousingCode", 2}, {"Height", 2000}, {"Width", 2000},
                                       {"Diameter", diameter}, {"Profile", "E18"}, {"MatrixType", 1}});
        Json request = RotorRequest(-12, 90, 22, 40);
        request["Diameter"] = diameter;
        const Json motor = Rotorcalc(request);
        const bool ip = units == UnitSystem::IP;
        const double kg = weight["Weight"];
        const double watts = motor["MotorPower"];
        const QString weightText = FormatFixed(ip ? kg * 2.2046 : kg, 0);
        const QString power = ip ? FormatFixed(watts / 1000 / 0.7457, 2) : FormatFixed(watts, 0);
        const QString current = FormatFixed(motor["MotorCurrent"], 2);
        EXPECT_EQ(Get<QLabel>(*w, "L_Gewicht")->text(), weightText);
        EXPECT_EQ(Get<QLabel>(*w, "L_kg")->text(), QString::fromLatin1(ip ? "lb" : "kg"));
        EXPECT_EQ(Get<QLabel>(*w, "L_Motor")->text(),
                  power + QString::fromLatin1(ip ? " HP / " : " W / ") + current + QStringLiteral(" A"));
        EXPECT_EQ(Get<QLabel>(*w, "LB_Gewicht")->text(), QStringLiteral("Weight"));
        EXPECT_EQ(Get<QLabel>(*w, "LB_Motor")->text(), QStringLiteral("Motor"));

        Calculate(*w);
        ASSERT_TRUE(w->ResultsValid());
        RecordingCanvas sheet;
        DrawDataSheet(sheet, DataSheetValuesOf(w->CalculatedForPages()));
        for (const QString& text : {weightText, power, current}) EXPECT_TRUE(sheet.FindText(text)) << text.toStdString();
    };
    expectPanel(1880, UnitSystem::SI);
    Enter(*w, "Edit_Rad", "1500");
    expectPanel(1500, UnitSystem::SI);
    ChooseUnits(*w, UnitSystem::IP);
    expectPanel(1500, UnitSystem::IP);
}

// The entries under the supply-side heading are those of the outside air: so it reads in every
// language, over both seasons, and the data sheet copies it.
TEST_F(MainWindowTest, SupplySideHeadedOutsideAirInEveryLanguageAndOnTheDataSheet)
{
    auto w = StartWindow();
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*w, "Button_Seasons")->click();
    for (const LanguageInfo& language : OfferedLanguages()) {
        SCOPED_TRACE(language.fileCode);
        Get<QAction>(*w, (std::string("Menu_Optionen_") + language.fileCode).c_str())->trigger();
        const QString outside = LoadText(5);
        EXPECT_NE(outside, LoadText(3));
        EXPECT_EQ(Get<QLabel>(*w, "LB_Zuluft")->text(), outside);
        EXPECT_EQ(Get<QLabel>(*w, "LB_Zuluft_S")->text(), outside);
        EXPECT_EQ(Get<QLabel>(*w, "LB_Abluft")->text(), LoadText(4));
        Calculate(*w);
        RecordingCanvas sheet;
        DrawDataSheet(sheet, DataSheetValuesOf(w->CalculatedForPages()));
        // Over the winter and the summer columns, on two lines where it is longer than a column.
        const auto texts = sheet.Texts();
        int headings = 0;
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (texts[i].text == outside ||
                (i + 1 < texts.size() && texts[i].text + ' ' + texts[i + 1].text == outside))
                ++headings;
        EXPECT_EQ(headings, 2);
    }
    Get<QAction>(*w, "Menu_Optionen_en")->trigger();
}

// The rotor panel's largest wheel is "max." as each language abbreviates it.
TEST_F(MainWindowTest, TheLargestWheelInTheLanguageOfTheWindow)
{
    auto w = StartWindow();
    for (const auto& [code, label] : {std::pair{"ru", "(макс. Диаметр ротора"}, std::pair{"pl", "(maks. "},
                                      std::pair{"en", "(max. Wheel diameter"}}) {
        Get<QAction>(*w, (std::string("Menu_Optionen_") + code).c_str())->trigger();
        EXPECT_TRUE(Get<QLabel>(*w, "LB_MaxRad")->text().startsWith(QString::fromUtf8(label)))
            << Get<QLabel>(*w, "LB_MaxRad")->text().toStdString();
    }
}

// The air-quantity and humidity fields say what the chosen kind means, in every language.
TEST_F(MainWindowTest, FieldHintsFollowTheInputKindInEveryLanguage)
{
    for (const LanguageInfo& language : OfferedLanguages())
        for (TextId id = 590; id <= 595; ++id)
            EXPECT_FALSE(LoadText(id, language.number).isEmpty()) << language.fileCode << " " << id;
    auto w = StartWindow();
    EXPECT_EQ(Field(*w, "Edit_SVol11")->toolTip(), LoadText(590));
    EXPECT_TRUE(Field(*w, "Edit_SVol11")->toolTip().contains(QStringLiteral("1.2 kg/m³")));
    EXPECT_EQ(Field(*w, "Edit_Feuchte21_S")->toolTip(), LoadText(593));
    EXPECT_TRUE(Field(*w, "Edit_Temp11")->toolTip().isEmpty());
    Settings(*w, [](QDialog& d) {
        Choose(Get<QComboBox>(d, "Combo_Luftmenge"), 2);
        Choose(Get<QComboBox>(d, "Combo_Feuchte"), 1);
    });
    for (const char* name : {"Edit_SVol11", "Edit_SVol21", "Edit_SVol11_S", "Edit_SVol21_S"})
        EXPECT_EQ(Field(*w, name)->toolTip(), LoadText(592)) << name;
    EXPECT_EQ(Field(*w, "Edit_Feuchte11")->toolTip(), LoadText(594));
    Get<QAction>(*w, "Menu_Optionen_de")->trigger();
    EXPECT_EQ(Field(*w, "Edit_SVol11")->toolTip(), QStringLiteral("Massenstrom der feuchten Luft (trockene Luft und Wasserdampf)"));
    Get<QAction>(*w, "Menu_Optionen_en")->trigger();
}

TEST_F(MainWindowTest, SizeListKeysHelpAndLanguage)
{
    auto w = StartWindow();
    QListWidget* sizes = Get<QListWidget>(*w, "Liste_Baugroessen");
    QToolButton* dropDown = Get<QToolButton>(*w, "Button_DropDown");
    dropDown->click();
    EXPECT_TRUE(sizes->isVisible());
    EXPECT_FALSE(Get<QLabel>(*w, "L_Baugroesse")->isVisible());
    EXPECT_TRUE(sizes->hasFocus());
    QTest::keyClick(sizes, Qt::Key_Down); // picks the next size at once
    EXPECT_EQ(sizes->currentRow(), 8);
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Hoehe")->text(), QStringLiteral("2250"));
    EXPECT_EQ(Get<TIntEdit>(*w, "Edit_Rad")->text(), QStringLiteral("2090"));
    QTest::keyClick(sizes, Qt::Key_Return);
    EXPECT_FALSE(sizes->isVisible());
    EXPECT_TRUE(Get<QLabel>(*w, "L_Baugroesse")->isVisible());
    EXPECT_TRUE(dropDown->hasFocus());
    dropDown->click();
    Get<TIntEdit>(*w, "Edit_Breite")->setFocus(); // leaving the list closes it
    EXPECT_FALSE(sizes->isVisible());
    dropDown->click();
    Get<QAction>(*w, "Menu_ESC")->trigger();
    EXPECT_FALSE(sizes->isVisible());
    EXPECT_TRUE(dropDown->hasFocus());

    Get<QAction>(*w, "Menu_Hilfe_Homepage")->trigger();
    Get<QAction>(*w, "Menu_Hilfe_EMail")->trigger();
    ASSERT_EQ(seams_.urls.size(), 2u);
    EXPECT_EQ(seams_.urls[0], QUrl(QStringLiteral("https://www.velmarsund.com")));
    EXPECT_EQ(seams_.urls[1].scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(seams_.urls[1].path(), QStringLiteral("support@velmarsund.com"));
    EXPECT_EQ(QUrlQuery(seams_.urls[1]).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Velmarsund Software: ") + w->windowTitle() + QStringLiteral(", Version 10/2017"));

    // A language change relabels the window; the user's season captions give way to the texts.
    Get<QAction>(*w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QLineEdit>(*w, "Edit_Winter")->setText(QStringLiteral("Winter 2017"));
    Get<QAction>(*w, "Menu_Optionen_de")->trigger();
    EXPECT_EQ(Get<QLineEdit>(*w, "Edit_Winter")->text(), QStringLiteral("Heizfall"));
    // The supply-side entries are those of the outside air, as in every language.
    EXPECT_EQ(Get<QLabel>(*w, "LB_Zuluft")->text(), QStringLiteral("Außenluft"));
    EXPECT_EQ(Get<QPushButton>(*w, "Button_Berechnen")->text(), QStringLiteral("Berechnen"));
    EXPECT_EQ(Cell(*w, "Tabelle_Lufteintritt", 0, 3), QStringLiteral("Eintrittszustand"));
    EXPECT_EQ(Get<QComboBox>(*w, "Combo_RahmenMaterial")->currentText(), LoadText(204).prepend("HXG - "));
    Get<QAction>(*w, "Menu_Optionen_en")->trigger();
}

} // namespace
} // namespace velmarsund
