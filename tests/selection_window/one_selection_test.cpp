// The main window holds one selection: the same selection file gives the same pages in the window
// and in rotorsheet, every committed change is one step that undo and redo take back and forth to
// the last bit, and the change mark follows what was saved.

#include "apply_language.h"
#include "form_baugroessen_rotor.h"
#include "form_mollier.h"
#include "form_rot_leakage.h"
#include "form_seite.h"
#include "main_window_fixture.h"
#include "num_edit.h"
#include "options_values.h"
#include "recording_canvas.h"
#include "selection_commands.h"
#include "selection_json.h"
#include "sheet_job.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUndoStack>

#include <functional>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using request::Json;

class OneSelectionTest : public MainWindowFixture {
  protected:
    TSelectionCommands& Commands() { return window_->SelectionCommands(); }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    void Enter(const char* name, const QString& text) {
        auto* field = Get<TNumEditBase>(*window_, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }

    // A dialog that opens the page preview through `open` and records the page it shows.
    std::function<int(QDialog&)> RecordPreview(RecordingCanvas& page) {
        return [&page](QDialog& d) {
            auto* preview = qobject_cast<TFormSeite*>(&d);
            EXPECT_NE(preview, nullptr);
            if (preview) preview->CurrentPageProcedure()(page, 0);
            return int(QDialog::Rejected);
        };
    }

    // The data sheet, the leakage page and the chart page as the window's previews show them.
    std::vector<RecordingCanvas> WindowPages() {
        std::vector<RecordingCanvas> pages(3);
        seams_.onDialog = RecordPreview(pages[0]);
        Get<QAction>(*window_, "Menu_Ansicht_Datenblatt")->trigger();
        seams_.onDialog = [&](QDialog& d) {
            auto* leakage = qobject_cast<TFormRotLeakage*>(&d);
            EXPECT_NE(leakage, nullptr);
            if (!leakage) return int(QDialog::Rejected);
            seams_.onDialog = RecordPreview(pages[1]);
            leakage->Menu_Datei_Seitenansicht->trigger();
            return int(QDialog::Accepted);
        };
        Get<QAction>(*window_, "Menu_Ansicht_Leakage")->trigger();
        seams_.onDialog = [&](QDialog& d) {
            auto* chart = qobject_cast<TFormMollier*>(&d);
            EXPECT_NE(chart, nullptr);
            if (!chart) return int(QDialog::Rejected);
            seams_.onDialog = RecordPreview(pages[2]);
            chart->Button_Seite->click();
            return int(QDialog::Accepted);
        };
        Get<QAction>(*window_, "Menu_Ansicht_Diagramm")->trigger();
        return pages;
    }

    QTemporaryDir dir_;
};

TEST_F(OneSelectionTest, ThePdfDialogProposesTheDesignationProjectAndPosition) {
    {
        QFile file(Path("named.vrsel"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(R"({"Format":1,"Language":"de","Height":2000,"Width":2000,"PrintHeader":true,
            "State11":{"SVol":9000,"Temp":-14,"Humidity":85},"State21":{"SVol":9500,"Temp":21,"Humidity":35},
            "Header":["","11.12.2026","","A-4711","","Klinikum Nord: Haus *B*","","RLT 3/4"]})");
    }
    StartWindow();
    ApplyLanguage(Language::German);
    ASSERT_TRUE(Commands().OpenFile(Path("named.vrsel"), false));
    Calculate();
    ASSERT_TRUE(window_->ResultsValid());
    const QString designation = QString::fromStdString(window_->CurrentDesignation().ModelDesignation);
    ASSERT_TRUE(designation.contains(QLatin1Char('/'))) << designation.toStdString();
    QString proposed;
    seams_.onDialog = [&](QDialog& d) {
        auto* preview = qobject_cast<TFormSeite*>(&d);
        EXPECT_NE(preview, nullptr);
        if (!preview) return int(QDialog::Rejected);
        seams_.onDialog = [&](QDialog& dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(&dialog))
                proposed = QFileInfo(files->selectedFiles().value(0)).fileName();
            return int(QDialog::Rejected);
        };
        Get<QToolButton>(*preview, "Button_PDF")->click();
        return int(QDialog::Rejected);
    };
    Get<QAction>(*window_, "Menu_Ansicht_Datenblatt")->trigger();
    // Not the window's caption: the designation, project and position, what no file system takes gone.
    EXPECT_EQ(proposed, QString(designation).replace(QLatin1Char('/'), QLatin1Char(' ')) +
                            QStringLiteral(" Klinikum Nord Haus B RLT 3 4.pdf"));
}

TEST_F(OneSelectionTest, TheSameFileGivesTheSamePagesInTheWindowAndInRotorsheet) {
    struct Case {
        const char* name;
        LanguageNumber language; // the user's: a file does not change the window's language
        const char* file;
    };
    const Case cases[] = {
        {"winter only", Language::English,
         R"({"Format":1,"Language":"en","Height":2000,"Width":2000,"Diameter":1800,
             "State11":{"SVol":9000,"Temp":-14,"Humidity":85},"State21":{"SVol":9500,"Temp":21,"Humidity":35}})"},
        {"summer, inch-pound, header and notes", Language::German,
         R"({"Format":1,"Language":"de","Units":"IP","Height":2000,"Width":2000,"UseSeasons":true,
             "State11":{"SVol":11000,"Temp":-10,"Humidity":80},"State21":{"SVol":10000,"Temp":22,"Humidity":45},
             "Summer":{"State11":{"SVol":11000,"Temp":33,"Humidity":40},"State21":{"SVol":10000,"Temp":24,"Humidity":50}},
             "WinterCaption":"Winter 2026","UseAhriEffectiveness":true,"TotalEffectiveness":true,
             "WetBulbOnDataSheet":true,"DecimalSeparator":",","ThousandSeparator":".","PrintHeader":true,
             "Header":["","11.12.2026","Angebot 4711","Klinikum Nord","","Lüftungsgerät 3"],
             "Notes":["Dach, Achse 7","mit Spülzone"]})"},
        {"leakage choices and the Carrier chart", Language::Russian,
         R"({"Format":1,"Language":"ru","Height":2000,"Width":2000,"Mollier":false,"ChartNotes":["Установка 3"],
             "State11":{"SVol":10000,"Temp":-25,"Humidity":90},"State21":{"SVol":10000,"Temp":21,"Humidity":30},
             "Leakage":{"FanPosition1":1,"FanPosition2":0,"Pressure1":450,"Pressure2":250,"PurgeSector":2,
                        "Details":true}})"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            QFile file(Path("case.vrsel"));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.file);
        }
        StartWindow();
        ApplyLanguage(c.language);
        ASSERT_TRUE(Commands().OpenFile(Path("case.vrsel"), false));
        Calculate();
        ASSERT_TRUE(window_->ResultsValid());
        const std::vector<RecordingCanvas> shown = WindowPages();

        Json request = Json::parse(c.file);
        request["Pages"] = {"datasheet", "leakage", "chart"};
        const rotorsheet::PreparedSheet sheet = rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest(request));
        ASSERT_EQ(sheet.pages.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            RecordingCanvas written;
            sheet.pages[i](written, 0);
            EXPECT_GT(shown[i].Texts().size(), 20u) << i;
            EXPECT_TRUE(shown[i].Operations() == written.Operations())
                << "page " << i << "\nwindow:\n"
                << shown[i].Dump().toStdString() << "\nrotorsheet:\n"
                << written.Dump().toStdString();
        }
        window_.reset();
        SetCurrentLanguage(Language::English);
    }
}

// One committed change of each kind, undone and redone.
TEST_F(OneSelectionTest, UndoAndRedoRestoreTheSelectionToTheLastBitAndTheTables) {
    struct Step {
        const char* name;
        std::function<void()> change;
    };
    const Step steps[] = {
        {"an entry", [this] { Enter("Edit_Temp11", QStringLiteral("-17.25")); }},
        {"a panel choice",
         [this] { Get<QComboBox>(*window_, "Combo_Rotortyp")->setCurrentIndex(0); }},
        {"an option",
         [this] {
             TOptionsValues options;
             options.unitSystem = UnitSystem::IP;
             options.humidityKind = 1;
             options.airPressure = 990;
             options.separators = ProgramSeparators();
             options.wetBulbOnDataSheet = true;
             window_->ApplyOptions(options);
         }},
        {"the seasons switch", [this] { Get<QAction>(*window_, "Menu_Optionen_UseSeasons")->trigger(); }},
        {"the summer case shown", [this] { Get<QToolButton>(*window_, "Button_Seasons")->click(); }},
        {"a size from the preselection",
         [this] {
             seams_.onDialog = [](QDialog& d) {
                 auto* w = qobject_cast<TFormBaugroessen_Rotor*>(&d);
                 EXPECT_NE(w, nullptr);
                 if (!w) return int(QDialog::Rejected);
                 w->Button_OK->click();
                 return w->result();
             };
             Get<QPushButton>(*window_, "Button_Vorauswahl")->click();
         }},
    };
    StartWindow();
    // Twice the air: the preselection proposes a larger size than the first start's.
    Enter("Edit_SVol11", QStringLiteral("21000"));
    Enter("Edit_SVol21", QStringLiteral("21000"));
    QAction* undo = Get<QAction>(*window_, "Menu_Edit_Undo");
    QAction* redo = Get<QAction>(*window_, "Menu_Edit_Redo");
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Calculate();
        const Selection before = window_->CurrentSelection();
        const ResultTables tablesBefore = window_->CurrentResultTables();
        step.change();
        const Selection after = window_->CurrentSelection();
        ASSERT_FALSE(after == before);
        const ResultTables tablesAfter = window_->CurrentResultTables();
        const bool resultsAfter = window_->ResultsValid(); // a change of the view alone keeps them

        ASSERT_TRUE(undo->isEnabled());
        undo->trigger();
        EXPECT_TRUE(window_->CurrentSelection() == before)
            << SelectionJson(window_->CurrentSelection()).dump() << "\n" << SelectionJson(before).dump();
        EXPECT_FALSE(window_->ResultsValid()); // results are invalid after undo as after any change
        Calculate();
        EXPECT_TRUE(window_->CurrentResultTables() == tablesBefore);

        ASSERT_TRUE(redo->isEnabled());
        redo->trigger();
        EXPECT_TRUE(window_->CurrentSelection() == after);
        if (resultsAfter) Calculate();
        EXPECT_TRUE(window_->CurrentResultTables() == tablesAfter);
        EXPECT_FALSE(redo->isEnabled());
    }
    // The keys of every desktop.
    EXPECT_TRUE(undo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Y)));
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
}

TEST_F(OneSelectionTest, TheChangeMarkFollowsSaveChangeUndoAndAFileOpenedStartsANewHistory) {
    StartWindow();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Get<QAction>(*window_, "Menu_Edit_Undo")->isEnabled()) << "nothing to undo at the start";
    ASSERT_TRUE(Commands().SaveTo(Path("AHU-1.vrsel")));
    const auto marked = [this] { return window_->windowTitle().startsWith(QStringLiteral("AHU-1.vrsel*")); };
    EXPECT_FALSE(Commands().Modified());
    EXPECT_FALSE(marked());

    Enter("Edit_Temp21", QStringLiteral("23"));
    EXPECT_TRUE(Commands().Modified());
    EXPECT_TRUE(marked());
    // At once, before the window's events ran: the entry is the step undone.
    Get<QAction>(*window_, "Menu_Edit_Undo")->trigger();
    EXPECT_FALSE(Commands().Modified());
    EXPECT_FALSE(marked());
    EXPECT_TRUE(window_->UndoStack().isClean());
    Get<QAction>(*window_, "Menu_Edit_Redo")->trigger();
    EXPECT_TRUE(Commands().Modified());
    EXPECT_TRUE(marked());

    // Saved again, the new state is the clean one; opening a file leaves nothing to undo.
    ASSERT_TRUE(Commands().SaveTo(Path("AHU-1.vrsel")));
    EXPECT_FALSE(marked());
    EXPECT_TRUE(window_->UndoStack().isClean());
    EXPECT_TRUE(Get<QAction>(*window_, "Menu_Edit_Undo")->isEnabled());
    ASSERT_TRUE(Commands().OpenFile(Path("AHU-1.vrsel"), false));
    EXPECT_FALSE(Get<QAction>(*window_, "Menu_Edit_Undo")->isEnabled());
    EXPECT_FALSE(Commands().Modified());
}

TEST_F(OneSelectionTest, TheAnnualBlockOfAFileOpenedIsKeptThroughChangesAndSaved) {
    StartWindow();
    const Json annual = Json::parse(R"({"Weather":"Wetter/Testhafen.epw","Schedule":{"From":7,"To":18,"Days":7},
        "SupplySetpoint":16.5,"FanEfficiency":0.7,"HeatPrice":0.09,"ElectricityPrice":0.3,"CoolingCop":3,
        "Investment":9000,"Currency":"EUR"})");
    Json file = SelectionJson(window_->CurrentSelection());
    file["Annual"] = annual;
    {
        QFile out(Path("annual.vrsel"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(QByteArray::fromStdString(file.dump()));
    }
    ASSERT_TRUE(Commands().OpenFile(Path("annual.vrsel"), false));
    EXPECT_FALSE(Commands().Modified());
    Enter("Edit_Temp21", QStringLiteral("23"));
    Get<QAction>(*window_, "Menu_Edit_Undo")->trigger();
    Get<QAction>(*window_, "Menu_Edit_Redo")->trigger();
    ASSERT_TRUE(Commands().SaveTo(Path("saved.vrsel")));
    QFile saved(Path("saved.vrsel"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const Json back = Json::parse(saved.readAll().toStdString());
    EXPECT_EQ(back["Annual"], annual);
    EXPECT_EQ(back["State21"]["Temp"], 23);
}

} // namespace
} // namespace velmarsund
