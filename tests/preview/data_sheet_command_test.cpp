// The data-sheet command of the main window, and the page it shows against the one rotorsheet
// writes for the same selection: the same texts at the same places.

#include "data_sheet_page.h"
#include "form_angebot.h"
#include "form_bemerkungen.h"
#include "form_seite.h"
#include "main_window_fixture.h"
#include "recording_canvas.h"
#include "selection_pages.h"
#include "sheet_job.h"

#include "apply_language.h"
#include "num_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include <nlohmann/json.hpp>

#include <array>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using Json = request::Json;

class DataSheetCommandTest : public MainWindowFixture {
protected:
    bool CommandEnabled()
    {
        const bool button = Get<QPushButton>(*window_, "Button_Datenblatt")->isEnabled();
        EXPECT_EQ(button, Get<QAction>(*window_, "Menu_Ansicht_Datenblatt")->isEnabled());
        return button;
    }

    // The page the window's data sheet draws now.
    RecordingCanvas WindowPage()
    {
        RecordingCanvas c;
        DrawDataSheet(c, DataSheetValuesOf(window_->CalculatedForPages()));
        return c;
    }

    // The request rotorsheet takes for what the window shows.
    Json RequestOfWindow(const char* language, const char* units)
    {
        TFormRotor& w = *window_;
        const TDatenRWT& r = w.WinterRecord();
        const auto state = [](const AirStreamState& s) {
            return Json{{"SVol", s.SVol}, {"Temp", s.Temp}, {"Humidity", s.Humidity}};
        };
        Json request{{"SeriesIndex", w.SeriesIndex()},
                     {"MatrixType", r.MatrixType},
                     {"Profile", w.ProfileText().toStdString()},
                     {"Height", Get<TIntEditText>(w, "Edit_Hoehe")->text().toInt()},
                     {"Width", Get<TIntEditText>(w, "Edit_Breite")->text().toInt()},
                     {"Diameter", r.Diameter},
                     {"AirPressure", r.AirPressure},
                     {"State11", state(r.State11)},
                     {"State21", state(r.State21)},
                     {"Language", language},
                     {"Units", units},
                     {"UseAhriEffectiveness", w.Effectiveness().useAhriEffectiveness},
                     {"TotalEffectiveness", w.Effectiveness().totalEffectiveness},
                     {"EnergyEfficiencyClass", w.Effectiveness().energyEfficiencyClass},
                     {"WetBulbOnDataSheet", w.WetBulbOnDataSheet()},
                     {"UseSeasons", w.UseSeasons()},
                     {"PrintHeader", w.BasisSettings().printHeader}};
        Json header = Json::array();
        for (const QString& line : w.BasisSettings().header) header.push_back(line.toStdString());
        request["Header"] = header;
        Json notes = Json::array();
        for (const QString& line : w.BasisSettings().notesData) notes.push_back(line.toStdString());
        request["Notes"] = notes;
        if (w.GetSeasonView() == SeasonView::WinterAndSummer)
            request["Summer"] = {{"State11", state(w.SummerRecord().State11)},
                                 {"State21", state(w.SummerRecord().State21)}};
        return request;
    }

    static RecordingCanvas SheetPage(const Json& request)
    {
        const rotorsheet::PreparedSheet sheet = rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest(request));
        EXPECT_EQ(sheet.pages.size(), 1u);
        RecordingCanvas c;
        if (!sheet.pages.empty()) sheet.pages[0](c, 0);
        return c;
    }

    void ExpectSamePage(const char* language, const char* units)
    {
        Calculate();
        ASSERT_TRUE(window_->ResultsValid());
        const RecordingCanvas shown = WindowPage();
        const LanguageNumber current = CurrentLanguage();
        const RecordingCanvas written = SheetPage(RequestOfWindow(language, units));
        SetCurrentLanguage(current);
        EXPECT_GT(shown.Texts().size(), 100u);
        EXPECT_TRUE(shown.Operations() == written.Operations())
            << "window:\n" << shown.Dump().toStdString() << "\nrotorsheet:\n" << written.Dump().toStdString();
    }

    // Long notes and a long project name, typed into the notes and header windows.
    void EnterNotesAndHeader(const std::array<QString, 3>& notes, const QString& project) {
        seams_.onDialog = [&](QDialog& d) {
            auto& form = static_cast<TFormBemerkungen&>(d);
            form.Bem1->setText(notes[0]);
            form.Bem2->setText(notes[1]);
            form.Bem3->setText(notes[2]);
            return int(QDialog::Accepted);
        };
        Get<QAction>(*window_, "Menu_Edit_Bem_Datenblatt")->trigger();
        seams_.onDialog = [&](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("Button_Vorgabe"))->click();
            d.findChild<QCheckBox*>(QStringLiteral("CheckBox_AlsAngebot"))->setChecked(true);
            static_cast<TFormAngebot&>(d).Edit3->setText(QStringLiteral("OF-2026-004711/03"));
            static_cast<TFormAngebot&>(d).Edit5->setText(project);
            return int(QDialog::Accepted);
        };
        Get<QAction>(*window_, "Menu_Edit_Kopfzeile")->trigger();
    }

    using TIntEditText = QLineEdit;
};

TEST_F(DataSheetCommandTest, EnabledOnlyWhileResultsAreValid)
{
    StartWindow();
    EXPECT_FALSE(CommandEnabled());
    Calculate();
    EXPECT_TRUE(CommandEnabled());
    Get<QComboBox>(*window_, "Combo_Rotorprofil")->setCurrentIndex(0);
    EXPECT_FALSE(CommandEnabled());
}

TEST_F(DataSheetCommandTest, ShowsTheDataSheetWithTheMainWindowHiddenAndEditsItsNotes)
{
    StartWindow();
    Calculate();
    bool previewSeen = false;
    seams_.onDialog = [&](QDialog& d) {
        auto* preview = qobject_cast<TFormSeite*>(&d);
        EXPECT_NE(preview, nullptr);
        if (!preview) return int(QDialog::Rejected);
        previewSeen = true;
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(preview->PageCount(), 1);
        EXPECT_EQ(preview->windowTitle(), window_->windowTitle());
        auto* edit = Get<QToolButton>(*preview, "Button_Edit");
        EXPECT_TRUE(edit->isEnabled());
        seams_.onDialog = [](QDialog& notes) {
            static_cast<TFormBemerkungen&>(notes).Bem2->setText(QStringLiteral("from the preview"));
            return int(QDialog::Accepted);
        };
        edit->click();
        return int(QDialog::Accepted);
    };
    Get<QPushButton>(*window_, "Button_Datenblatt")->click();
    EXPECT_TRUE(previewSeen);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(window_->BasisSettings().notesData[1], QStringLiteral("from the preview"));
    EXPECT_TRUE(WindowPage().FindText(QStringLiteral("from the preview")));
}

TEST_F(DataSheetCommandTest, ATypedEntryIsCommittedFirstAndLeavesNoResultsToShow)
{
    StartWindow();
    Calculate();
    auto* field = Get<TNumEdit>(*window_, "Edit_Temp11");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("-15"));
    Get<QAction>(*window_, "Menu_Ansicht_Datenblatt")->trigger();
    EXPECT_TRUE(seams_.dialogs.empty());
    EXPECT_FALSE(window_->ResultsValid());
}

TEST_F(DataSheetCommandTest, WindowAndRotorsheetDrawTheSamePageWinterOnly)
{
    StartWindow();
    ExpectSamePage("en", "SI");
}

TEST_F(DataSheetCommandTest, WindowAndRotorsheetDrawTheSamePageWinterAndSummerInInchPoundInGerman)
{
    StartWindow();
    ApplyLanguage(Language::German);
    Get<QAction>(*window_, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*window_, "Button_Seasons")->click();
    TOptionsValues options;
    options.unitSystem = UnitSystem::IP;
    options.separators = ProgramSeparators();
    options.wetBulbOnDataSheet = true;
    options.useAhriEffectiveness = true;
    options.totalEffectiveness = true;
    window_->ApplyOptions(options);
    ExpectSamePage("de", "IP");
}

TEST_F(DataSheetCommandTest, WindowAndRotorsheetDrawTheSamePageOfASorptionHxkInChineseWithHeaderAndNotes)
{
    StartWindow();
    ApplyLanguage(Language::Chinese);
    Get<QComboBox>(*window_, "Combo_RahmenMaterial")->setCurrentIndex(3);
    Get<QComboBox>(*window_, "Combo_Rotortyp")->setCurrentIndex(3);
    seams_.onDialog = [](QDialog& d) {
        static_cast<TFormBemerkungen&>(d).Bem1->setText(QStringLiteral("备注 note"));
        return int(QDialog::Accepted);
    };
    Get<QAction>(*window_, "Menu_Edit_Bem_Datenblatt")->trigger();
    seams_.onDialog = [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("Button_Vorgabe"))->click();
        d.findChild<QCheckBox*>(QStringLiteral("CheckBox_AlsAngebot"))->setChecked(true);
        return int(QDialog::Accepted);
    };
    Get<QAction>(*window_, "Menu_Edit_Kopfzeile")->trigger();
    ExpectSamePage("zh", "SI");
}

TEST_F(DataSheetCommandTest,
       WindowAndRotorsheetDrawTheSamePageInRussianWithSummerInInchPoundWithHeaderAndNotes) {
    StartWindow();
    ApplyLanguage(Language::Russian);
    Get<QAction>(*window_, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(*window_, "Button_Seasons")->click();
    TOptionsValues options;
    options.unitSystem = UnitSystem::IP;
    options.separators = ProgramSeparators();
    window_->ApplyOptions(options);
    EnterNotesAndHeader(
        {QStringLiteral(
             "Расходы воздуха приняты по схеме вентиляции проектировщика, редакция D от 14 ноября 2026 г."),
         QStringLiteral(
             "В зимнем режиме возможно образование конденсата; со стороны вытяжки предусмотреть поддон."),
         QStringLiteral(
             "Цены и сроки поставки согласно нашему предложению; корпус поставляется из двух частей.")},
        QStringLiteral(
            "Расширение областной больницы, корпус В, вентиляция операционных и отделения реанимации"));
    ExpectSamePage("ru", "IP");
}

TEST_F(DataSheetCommandTest, WindowAndRotorsheetDrawTheSamePageInPolishWithHeaderAndNotes) {
    StartWindow();
    ApplyLanguage(Language::Polish);
    Get<QAction>(*window_, "Menu_Optionen_UseSeasons")->trigger();
    EnterNotesAndHeader(
        {QStringLiteral("Ilości powietrza według schematu wentylacji projektanta, rewizja D z dnia 14 "
                        "listopada 2026 r."),
         QStringLiteral("W trybie zimowym możliwe jest wykraplanie; po stronie wywiewu należy przewidzieć "
                        "tacę ociekową."),
         QStringLiteral(
             "Ceny i terminy dostaw zgodnie z naszą ofertą; obudowa jest dostarczana w dwóch częściach.")},
        QStringLiteral(
            "Rozbudowa szpitala wojewódzkiego, budynek C, wentylacja sal operacyjnych i oddziału OIOM"));
    ExpectSamePage("pl", "SI");
}

} // namespace
} // namespace velmarsund
