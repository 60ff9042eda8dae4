// The leakage window opened from the main window: fans, entries, details, units, the pressure
// limit, the page preview, and the choices kept from one opening to the next.

#include "form_rot_leakage.h"
#include "form_seite.h"
#include "leakage_page.h"
#include "main_window_fixture.h"
#include "num_edit.h"
#include "recording_canvas.h"
#include "sheet_job.h"

#include <QComboBox>
#include <QLabel>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class LeakageWindowTest : public MainWindowFixture {
protected:
    // Opens the window with the leakage button (after Calculate); `act` works in it while it is
    // shown.
    void Open(const std::function<void(TFormRotLeakage&)>& act)
    {
        bool seen = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) {
            auto* leakage = qobject_cast<TFormRotLeakage*>(&d);
            ASSERT_NE(leakage, nullptr);
            seen = true;
            act(*leakage);
            leakage->close();
        });
        Get<QPushButton>(*window_, "Button_Leakage")->click();
        EXPECT_TRUE(seen);
    }
    static void Enter(TNumEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The labels a user sees.
    static QStringList Visible(TFormRotLeakage& w)
    {
        QStringList names;
        for (const auto& [label, text] : w.ValueLabels())
            if (label->isVisibleTo(&w)) names << label->objectName();
        return names;
    }
};

TEST_F(LeakageWindowTest, OpensWhereTheMainWindowWasWithTheDefaultChoices)
{
    StartWindow();
    Calculate();
    const QPoint where = window_->pos();
    Open([&](TFormRotLeakage& w) {
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Calculation of leakage air and purge air"));
        EXPECT_GE(w.minimumWidth(), 640);
        EXPECT_GE(w.minimumHeight(), 480);
        EXPECT_EQ(w.pos(), where);
        EXPECT_EQ(w.Edit_p_1->text(), QStringLiteral("-300"));
        EXPECT_EQ(w.Edit_p_2->text(), QStringLiteral("-300"));
        EXPECT_EQ(w.ComboBox_Ventilator_AUZU->currentText(), QStringLiteral("Draw through"));
        EXPECT_EQ(w.ComboBox_Spuelkammer->currentText(), QStringLiteral("-"));
        EXPECT_EQ(w.View().record.V12, window_->WinterRecord().State11.SVol);
        EXPECT_EQ(w.View().record.ProfileCode, "E-E18");
        EXPECT_EQ(w.View().record.HousingCode, 2);
        // Details hidden, no purge sector: the pressures, the four flows, OACF and EATR.
        EXPECT_EQ(Visible(w), (QStringList{QStringLiteral("LB_dpS1"), QStringLiteral("LB_dpS2"),
                                           QStringLiteral("LB_p_11"), QStringLiteral("LB_p_21"),
                                           QStringLiteral("LB_SVol11"), QStringLiteral("LB_SVol12"),
                                           QStringLiteral("LB_Svol21"), QStringLiteral("LB_SVol22"),
                                           QStringLiteral("LB_OACF"), QStringLiteral("LB_EATR"),
                                           QStringLiteral("Label9"), QStringLiteral("Label11"),
                                           QStringLiteral("LB_AlleLuftmengen")}));
    });
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(LeakageWindowTest, TheLabelsShowTheView)
{
    StartWindow();
    Calculate();
    Open([](TFormRotLeakage& w) {
        w.Menu_Details_anzeigen->trigger();
        w.ComboBox_Spuelkammer->setCurrentIndex(2);
        for (const auto& [label, text] : w.ValueLabels())
            EXPECT_EQ(label->text(), w.View().texts.*text) << label->objectName().toStdString();
        EXPECT_EQ(Visible(w).size(), static_cast<qsizetype>(w.ValueLabels().size()) - 2); // the entries cover p12, p22
        EXPECT_TRUE(w.Menu_Details_anzeigen->isChecked());
    });
}

TEST_F(LeakageWindowTest, ABlowingFanTurnsTheSignAndMovesTheEntry)
{
    StartWindow();
    Calculate();
    Open([](TFormRotLeakage& w) {
        const int drawX = w.Edit_p_1->x();
        w.ComboBox_Ventilator_AUZU->setCurrentIndex(1);
        EXPECT_EQ(w.Edit_p_1->text(), QStringLiteral("300"));
        EXPECT_LT(w.Edit_p_1->x(), drawX); // to the outside-air side on the left
        EXPECT_EQ(w.View().record.P11, 300);
        EXPECT_EQ(w.View().record.FanPosition1, 1);
        w.ComboBox_Ventilator_AUZU->setCurrentIndex(0);
        EXPECT_EQ(w.Edit_p_1->text(), QStringLiteral("-300"));
        EXPECT_EQ(w.View().record.P12, -300);
    });
}

TEST_F(LeakageWindowTest, APressureDifferenceAbove2500PaIsReportedAndStopsThePreview)
{
    StartWindow();
    Calculate();
    Open([&](TFormRotLeakage& w) {
        w.ComboBox_Ventilator_AUZU->setCurrentIndex(1);
        Enter(w.Edit_p_1, QStringLiteral("1250"));
        Enter(w.Edit_p_2, QStringLiteral("-1250"));
        EXPECT_TRUE(seams_.messages.empty());
        EXPECT_TRUE(w.Menu_Datei_Seitenansicht->isEnabled());
        Enter(w.Edit_p_2, QStringLiteral("-1251"));
        ASSERT_EQ(seams_.messages.size(), 1u);
        EXPECT_EQ(seams_.messages[0].text, QStringLiteral("Pressure difference too high"));
        EXPECT_EQ(seams_.messages[0].caption, QStringLiteral("Error"));
        EXPECT_FALSE(w.Menu_Datei_Seitenansicht->isEnabled());
        EXPECT_FALSE(w.View().texts.oacf.isEmpty()); // the results are shown all the same
        // Beyond the entry's limit: refused by the field.
        Enter(w.Edit_p_1, QStringLiteral("2001"));
        EXPECT_EQ(seams_.messages.back().text, QStringLiteral("Please enter a number between -2000 and 2000"));
    });
}

TEST_F(LeakageWindowTest, InchPoundUnitsAndChoicesThatLast)
{
    StartWindow();
    TOptionsValues options;
    options.unitSystem = UnitSystem::IP;
    options.separators = ProgramSeparators();
    window_->ApplyOptions(options);
    Calculate();
    Open([](TFormRotLeakage& w) {
        EXPECT_EQ(w.Edit_p_1->text(), QStringLiteral("-1.20"));
        EXPECT_EQ(w.Label9->text(), QStringLiteral("in. WG"));
        EXPECT_EQ(w.Label11->text(), QStringLiteral("scfm"));
        EXPECT_EQ(w.Edit_p_1->MaxValue(), 8);
        EXPECT_TRUE(w.LB_dpS1->text().endsWith(QStringLiteral(" in. WG")));
        EXPECT_NEAR(w.View().record.P12, -300, 1e-9);
        w.ComboBox_Spuelkammer->setCurrentIndex(1);
        w.ComboBox_Ventilator_ABFO->setCurrentIndex(1);
    });
    options.unitSystem = UnitSystem::SI;
    window_->ApplyOptions(options);
    Calculate();
    Open([](TFormRotLeakage& w) {
        EXPECT_EQ(w.ComboBox_Spuelkammer->currentIndex(), 1);
        EXPECT_EQ(w.ComboBox_Ventilator_ABFO->currentIndex(), 1);
        EXPECT_EQ(w.Edit_p_1->text(), QStringLiteral("-300"));
        EXPECT_EQ(w.Edit_p_2->text(), QStringLiteral("300"));
        EXPECT_EQ(w.Edit_p_1->MaxValue(), 2000);
    });
}

TEST_F(LeakageWindowTest, ThePagePreviewShowsTheLeakagePageForTheWindow)
{
    StartWindow();
    Calculate();
    Open([&](TFormRotLeakage& w) {
        w.ComboBox_Spuelkammer->setCurrentIndex(2);
        bool previewSeen = false;
        seams_.onDialog = [&](QDialog& d) {
            auto* preview = qobject_cast<TFormSeite*>(&d);
            EXPECT_NE(preview, nullptr);
            if (!preview) return int(QDialog::Rejected);
            previewSeen = true;
            EXPECT_FALSE(w.isVisible());
            EXPECT_EQ(preview->windowTitle(), w.windowTitle());
            EXPECT_FALSE(preview->findChild<QWidget*>(QStringLiteral("Button_Edit"))->isEnabled());
            RecordingCanvas page;
            preview->CurrentPageProcedure()(page, 0);
            RecordingCanvas expected;
            DrawLeakagePage(expected, w.PageValues());
            EXPECT_TRUE(page.Operations() == expected.Operations());
            EXPECT_TRUE(page.FindText(w.LB_Spuelluft_FO->text()));
            return int(QDialog::Accepted);
        };
        w.Menu_Datei_Seitenansicht->trigger();
        EXPECT_TRUE(previewSeen);
        EXPECT_TRUE(w.isVisible());
    });
}

TEST_F(LeakageWindowTest, RotorsheetPrintsWhatTheWindowShows)
{
    StartWindow();
    Calculate();
    LeakagePageValues shown;
    Open([&](TFormRotLeakage& w) {
        w.ComboBox_Ventilator_AUZU->setCurrentIndex(1);
        Enter(w.Edit_p_1, QStringLiteral("450"));
        w.ComboBox_Spuelkammer->setCurrentIndex(2);
        w.Menu_Details_anzeigen->trigger();
        shown = w.PageValues();
    });
    const TDatenRWT& r = window_->WinterRecord();
    const request::Json request{
        {"SeriesIndex", window_->SeriesIndex()},
        {"Height", 2000},
        {"Width", 2000},
        {"Diameter", r.Diameter},
        {"Profile", window_->ProfileText().toStdString()},
        {"State11", {{"SVol", r.State11.SVol}, {"Temp", r.State11.Temp}, {"Humidity", r.State11.Humidity}}},
        {"State21", {{"SVol", r.State21.SVol}, {"Temp", r.State21.Temp}, {"Humidity", r.State21.Humidity}}},
        {"Pages", {"leakage"}},
        {"Leakage", {{"FanPosition1", 1}, {"Pressure1", 450}, {"PurgeSector", 2}, {"Details", true}}}};
    const rotorsheet::PreparedSheet sheet = rotorsheet::PrepareSheet(rotorsheet::ReadSheetRequest(request));
    ASSERT_EQ(sheet.pages.size(), 1u);
    RecordingCanvas written;
    sheet.pages[0](written, 1);
    RecordingCanvas expected;
    DrawLeakagePage(expected, shown);
    EXPECT_TRUE(written.Operations() == expected.Operations())
        << "window:\n" << expected.Dump().toStdString() << "\nrotorsheet:\n" << written.Dump().toStdString();
}

TEST_F(LeakageWindowTest, TheMenuItemRunsThePlausibilityCheckFirst)
{
    StartWindow();
    auto* field = Get<TNumEdit>(*window_, "Edit_Temp11");
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("-50"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(Get<QAction>(*window_, "Menu_Ansicht_Leakage")->isEnabled());
    EXPECT_FALSE(Get<QPushButton>(*window_, "Button_Leakage")->isEnabled());
    Get<QAction>(*window_, "Menu_Ansicht_Leakage")->trigger();
    EXPECT_FALSE(seams_.messages.empty()); // the check's error
    for (const QString& dialog : seams_.dialogs) EXPECT_NE(dialog, QStringLiteral("FormRotLeakage"));
}

} // namespace
} // namespace velmarsund
