// The annual energy window opened from the main window: enabled by Calculate, its inputs taken
// into the selection as steps of its history, the weather file chosen and refused, the page
// preview; and one path: the window, the annual page and rotorcalc give the same figures for the
// same selection file.

#include "annual_page.h"
#include "batch.h"
#include "form_baugroessen_rotor.h"
#include "form_jahresenergie.h"
#include "form_seite.h"
#include "generated_epw.h"
#include "main_window_fixture.h"
#include "num_edit.h"
#include "recording_canvas.h"
#include "selection_commands.h"
#include "selection_json.h"
#include "sheet_job.h"
#include "sheet_request.h"
#include "test_files.h"

#include <QComboBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUndoStack>

#include <nlohmann/json.hpp>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using Json = request::Json;

class AnnualWindowTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        weather_ = folder_.filePath(QStringLiteral("Testhafen.epw"));
        WriteBytes(weather_, QByteArray::fromStdString(GeneratedEpw(TemperateHour)));
    }
    QAction* Command() { return Get<QAction>(*window_, "Menu_Ansicht_Jahresenergie"); }
    // Opens the window from the View menu; `act` works in it while it is shown.
    void Open(const std::function<void(TFormJahresenergie&)>& act) {
        bool seen = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) {
            auto* annual = qobject_cast<TFormJahresenergie*>(&d);
            ASSERT_NE(annual, nullptr);
            seen = true;
            act(*annual);
            annual->close();
        });
        Command()->trigger();
        EXPECT_TRUE(seen);
        seams_.onDialog = {};
    }
    // Chooses `path` in the weather file dialog.
    void Browse(TFormJahresenergie& w, const QString& path) {
        seams_.onDialog = [&](QDialog& d) {
            auto* dialog = qobject_cast<QFileDialog*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            dialog->selectFile(path);
            return int(QDialog::Accepted);
        };
        w.Button_Durchsuchen->click();
    }
    static void Enter(TNumEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    static QStringList Row(const QTableWidget& grid, int row) {
        QStringList cells;
        for (int c = 1; c < grid.columnCount(); ++c)
            cells << grid.item(row, c)->text();
        return cells;
    }

    QTemporaryDir folder_;
    QString weather_;
};

TEST_F(AnnualWindowTest, OnlyCalculatedResultsOpenIt) {
    StartWindow();
    EXPECT_FALSE(Command()->isEnabled());
    Calculate();
    EXPECT_TRUE(Command()->isEnabled());
    EXPECT_EQ(Command()->text().remove(QLatin1Char('&')), LoadText(700));
    // A changed entry leaves no results.
    auto* temp = Get<TNumEdit>(*window_, "Edit_Temp11");
    temp->setFocus();
    temp->selectAll();
    QTest::keyClicks(temp, QStringLiteral("-10"));
    QTest::keyClick(temp, Qt::Key_Return);
    EXPECT_FALSE(Command()->isEnabled());
}

TEST_F(AnnualWindowTest, TheWindowFitsAScreenOf768Lines) {
    StartWindow();
    Calculate();
    Open([&](TFormJahresenergie& w) {
        Browse(w, weather_);
        // The table and both plots in the least room: within 1024 x 768 less a task bar.
        EXPECT_LE(w.minimumSizeHint().width(), 1024);
        EXPECT_LE(w.minimumSizeHint().height(), 728);
        const QSize room = w.screen()->availableGeometry().size();
        EXPECT_LE(w.height(), std::max(room.height(), w.minimumSizeHint().height()));
        EXPECT_LE(w.width(), std::max(room.width(), w.minimumSizeHint().width()));
    });
}

// A selection file that names its weather file by a relative path finds it beside itself, in the
// window and in the preselection, wherever the program was started.
TEST_F(AnnualWindowTest, ARelativeWeatherPathIsTakenFromTheSelectionFilesFolder) {
    const Json file = {{"Format", 1}, {"Height", 2000}, {"Width", 2000}, {"Annual", {{"Weather", "Testhafen.epw"}}}};
    const QString path = folder_.filePath(QStringLiteral("project.vrsel"));
    WriteBytes(path, QByteArray::fromStdString(file.dump()));
    ASSERT_FALSE(QFile::exists(QStringLiteral("Testhafen.epw")));
    StartWindow();
    ASSERT_TRUE(window_->SelectionCommands().OpenFile(path, false));
    EXPECT_EQ(window_->CurrentSelection().annual->weather, "Testhafen.epw"); // kept as the file gives it
    Calculate();
    Open([&](TFormJahresenergie& w) { EXPECT_TRUE(w.Results()) << w.Message().toStdString(); });
    seams_.onDialog = [](QDialog& d) {
        auto* sizes = qobject_cast<TFormBaugroessen_Rotor*>(&d);
        EXPECT_TRUE(sizes && sizes->SizeYears());
        return int(QDialog::Rejected);
    };
    Get<QPushButton>(*window_, "Button_Vorauswahl")->click();
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(AnnualWindowTest, AChosenWeatherFileIsAStepOfTheSelectionThatUndoTakesBack) {
    StartWindow();
    Calculate();
    const Selection before = window_->CurrentSelection();
    ASSERT_FALSE(before.annual);
    Open([&](TFormJahresenergie& w) {
        // Opened without an annual block: its defaults, and no year without a weather file.
        EXPECT_EQ(w.Inputs(), AnnualInputs{});
        EXPECT_FALSE(w.Results());
        EXPECT_EQ(w.Message(), LoadText(758));
        EXPECT_FALSE(w.Menu_Datei_Seitenansicht->isEnabled());

        Browse(w, weather_);
        ASSERT_TRUE(w.Results()) << w.Message().toStdString();
        EXPECT_EQ(w.Results()->year.scheduled, (52 * 5 + 1) * 14); // 6 to 20 h, Monday to Friday
        EXPECT_EQ(w.Grid_Ergebnisse->rowCount(), 13);              // no prices, no money
        EXPECT_TRUE(w.Menu_Datei_Seitenansicht->isEnabled());
        // Both plots drawn, the heating hours and bars in their red.
        for (const char* plot : {"Plot_Monate", "Plot_Dauerlinie"}) {
            const QImage image = Get<QWidget>(w, plot)->grab().toImage();
            bool red = false;
            for (int y = 0; y < image.height() && !red; ++y)
                for (int x = 0; x < image.width() && !red; ++x) red = image.pixelColor(x, y) == QColor(196, 62, 40);
            EXPECT_TRUE(red) << plot;
        }
        QTest::qWait(10); // the step is taken once the click has ended

        // Every day instead of Monday to Friday; a price adds the money saved.
        w.Combo_Tage->setCurrentIndex(1);
        EXPECT_EQ(w.Results()->year.scheduled, 365 * 14);
        w.Edit_Waermepreis->setText(QStringLiteral("0.085"));
        w.Edit_Waermepreis->setModified(true);
        emit w.Edit_Waermepreis->editingFinished();
        w.Edit_Strompreis->setText(QStringLiteral("0.3"));
        w.Edit_Strompreis->setModified(true);
        emit w.Edit_Strompreis->editingFinished();
        EXPECT_EQ(w.Grid_Ergebnisse->rowCount(), 14);
        EXPECT_FALSE(w.LB_Einsparung->text().isEmpty());
        QTest::qWait(10);
    });
    const Selection after = window_->CurrentSelection();
    ASSERT_TRUE(after.annual);
    EXPECT_EQ(after.annual->weather, weather_.toStdString());
    EXPECT_EQ(after.annual->scheduleDays, 7);
    EXPECT_EQ(after.annual->heatPrice, 0.085);
    EXPECT_TRUE(window_->SelectionCommands().Modified());
    // Each change was one step: back over the prices and the days to the file, and to none.
    QUndoStack& undo = window_->UndoStack();
    ASSERT_GE(undo.count(), 2);
    while (undo.canUndo())
        undo.undo();
    EXPECT_FALSE(window_->CurrentSelection().annual);
    EXPECT_FALSE(window_->SelectionCommands().Modified());
}

TEST_F(AnnualWindowTest, ARefusedWeatherFileIsSaidInTheUsersLanguageWithItsLine) {
    QString bad = QString::fromStdString(GeneratedEpw([](std::size_t) {
        return EpwHour{5, 70, std::nullopt};
    }));
    bad.replace(QStringLiteral("2001,1,1,3,60,?9?9?9?9E0?9?9?9,5,"),
                QStringLiteral("2001,1,1,3,60,?9?9?9?9E0?9?9?9,200,"));
    const QString path = folder_.filePath(QStringLiteral("hot.epw"));
    WriteBytes(path, bad.toUtf8());
    WriteBytes(SettingsPath(), "[GLOBAL]\nLanguage=1\n");
    StartWindow();
    Calculate();
    Open([&](TFormJahresenergie& w) {
        EXPECT_EQ(w.windowTitle(), LoadText(700, Language::German));
        Browse(w, path);
        EXPECT_FALSE(w.Results());
        EXPECT_TRUE(w.LB_Meldung->isVisibleTo(&w));
        EXPECT_TRUE(w.Message().startsWith(QStringLiteral("Die Wetterdatei"))) << w.Message().toStdString();
        EXPECT_TRUE(w.Message().contains(QStringLiteral("Zeile 11:"))) << w.Message().toStdString();
        EXPECT_EQ(w.Grid_Ergebnisse->rowCount(), 0);
        // The file mended, the same name chosen again is read again.
        WriteBytes(path, QByteArray::fromStdString(GeneratedEpw(TemperateHour)));
        Browse(w, path);
        EXPECT_TRUE(w.Results());
        EXPECT_FALSE(w.LB_Meldung->isVisibleTo(&w));
    });
}

TEST_F(AnnualWindowTest, TheSetpointIsEnteredInTheUnitsOfTheWindowAndThePreviewPrintsThePage) {
    StartWindow();
    Selection s = window_->CurrentSelection();
    s.units = UnitSystem::IP;
    s.annual = AnnualInputs{};
    s.annual->weather = weather_.toStdString();
    window_->ApplySelection(s);
    Calculate();
    Open([&](TFormJahresenergie& w) {
        EXPECT_EQ(w.Edit_Sollwert->text(), QStringLiteral("64.4")); // 18 degC
        const std::int64_t heating = w.Results()->year.heating;
        Enter(w.Edit_Sollwert, QStringLiteral("50"));
        EXPECT_NEAR(w.Inputs().supplySetpoint, 10, 1e-9);
        EXPECT_LT(w.Results()->year.heating, heating);

        seams_.onDialog = [&](QDialog& d) {
            EXPECT_NE(qobject_cast<TFormSeite*>(&d), nullptr);
            return int(QDialog::Accepted);
        };
        w.Menu_Datei_Seitenansicht->trigger();
        RecordingCanvas page;
        DrawAnnualPage(page, w.PageValues());
        EXPECT_TRUE(page.FindText(LoadText(700)));
        EXPECT_TRUE(page.FindText(QStringLiteral("50.0 °F"))) << page.Dump().toStdString();
        QTest::qWait(10);
    });
    EXPECT_NEAR(window_->CurrentSelection().annual->supplySetpoint, 10, 1e-9);
    // The preview ran from the window.
    EXPECT_NE(std::find(seams_.dialogs.begin(), seams_.dialogs.end(), QStringLiteral("FormSeite")),
              seams_.dialogs.end());
}

// One path: a selection file with an annual block and a generated weather file. The window's
// table, the annual page as rotorsheet prints it and rotorcalc's annual mode show the same figures,
// each formatted as the table formats it.
TEST_F(AnnualWindowTest, TheWindowThePageAndRotorcalcGiveTheSameFigures) {
    const Json file = {{"Format", 1},
                       {"SeriesIndex", 1},
                       {"Height", 2000},
                       {"Width", 2000},
                       {"Diameter", 1880},
                       {"Profile", "E18"},
                       {"State11", {{"SVol", 9000}, {"Temp", -12}, {"Humidity", 90}}},
                       {"State21", {{"SVol", 10000}, {"Temp", 22}, {"Humidity", 40}}},
                       {"Summer",
                        {{"State11", {{"SVol", 9000}, {"Temp", 32}, {"Humidity", 40}}},
                         {"State21", {{"SVol", 10000}, {"Temp", 24}, {"Humidity", 50}}}}},
                       {"Annual",
                        {{"Weather", weather_.toStdString()},
                         {"Schedule", {{"From", 7}, {"To", 19}, {"Days", 5}}},
                         {"SupplySetpoint", 16},
                         {"FanEfficiency", 0.55},
                         {"HeatPrice", 0.08},
                         {"ElectricityPrice", 0.28},
                         {"Investment", 9000},
                         {"Currency", "EUR"}}}};
    const QString path = folder_.filePath(QStringLiteral("Testhafen.vrsel"));
    WriteBytes(path, QByteArray::fromStdString(file.dump()));

    // rotorcalc, from the file's fields.
    Json request = {{"mode", "annual"}};
    for (const char* field : {"Diameter", "Profile", "State11", "State21", "Summer", "Annual"})
        request[field] = file[field];
    const Json calc = rotorcalc::RunRequest(request);
    ASSERT_FALSE(calc.contains("error")) << calc.dump();

    // The window.
    StartWindow();
    ASSERT_TRUE(window_->SelectionCommands().OpenFile(path, false));
    Calculate();
    std::vector<QStringList> windowRows;
    Open([&](TFormJahresenergie& w) {
        ASSERT_TRUE(w.Results()) << w.Message().toStdString();
        for (int r = 0; r < w.Grid_Ergebnisse->rowCount(); ++r)
            windowRows.push_back(Row(*w.Grid_Ergebnisse, r));
    });

    // The page, as rotorsheet prints the same file.
    const rotorsheet::PreparedSheet sheet = rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest([&] {
        Json r = file;
        r["Pages"] = {"annual"};
        return r;
    }()));
    ASSERT_EQ(sheet.pages.size(), 1u);
    RecordingCanvas page;
    sheet.pages[0](page, 1);

    // Row by row: the twelve months and the year.
    const AnnualInputs inputs = window_->CurrentSelection().annual.value();
    ASSERT_EQ(windowRows.size(), 14u);
    for (int r = 0; r <= static_cast<int>(AnnualRow::MoneySaved); ++r) {
        const auto row = static_cast<AnnualRow>(r);
        SCOPED_TRACE(AnnualRowName(row));
        QStringList expected;
        for (int m = 0; m < 13; ++m) {
            const Json& figures = m < 12 ? calc["Months"][static_cast<std::size_t>(m)] : calc["Year"];
            expected << AnnualCellText(row, figures.at(AnnualRowName(row)).get<double>(), UnitSystem::SI,
                                       ProgramSeparators());
        }
        EXPECT_EQ(windowRows[static_cast<std::size_t>(r)], expected);
        // On the page the row's figures stand on the line of its label, in their order.
        const std::optional<RecordedText> label = page.FindText(LoadText(725 + r));
        ASSERT_TRUE(label);
        QStringList printed;
        for (const RecordedText& t : page.TextsAt(label->at.y()))
            if (t.align == TextAlign::Right) printed << t.text;
        EXPECT_EQ(printed, expected);
    }
    EXPECT_TRUE(calc["Year"].contains("Payback"));
    EXPECT_TRUE(page.FindText(AnnualSavingText([&] {
        AnnualPageValues v;
        v.inputs = inputs;
        v.separators = ProgramSeparators();
        v.results.year.heatingTotal = calc["Year"]["HeatingTotal"].get<double>();
        v.results.year.coolingTotal = calc["Year"]["CoolingTotal"].get<double>();
        v.results.year.fanEnergy = calc["Year"]["FanEnergy"].get<double>();
        v.results.year.driveEnergy = calc["Year"]["DriveEnergy"].get<double>();
        return v;
    }())));
}

} // namespace
} // namespace velmarsund
