// Nothing is cut: every text of the main window and of every dialog it opens shows in full, measured
// with the program's fonts, in every language, both unit systems and both season views, before and
// after Calculate. A window added to the program joins the list of dialogs below.

#include "apply_language.h"
#include "main_window_fixture.h"
#include "program_fonts.h"
#include "text_fit.h"

#include <QRadioButton>
#include <QToolButton>

#include <functional>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

struct FitCase {
    LanguageNumber language;
    UnitSystem units;
    bool summer;
};

std::string CaseName(const ::testing::TestParamInfo<FitCase>& info)
{
    const FitCase& c = info.param;
    return std::string(FindLanguage(c.language)->fileCode) + (c.units == UnitSystem::SI ? "_SI" : "_IP") +
           (c.summer ? "_WinterAndSummer" : "_WinterOnly");
}

std::vector<FitCase> AllCases()
{
    std::vector<FitCase> cases;
    for (const LanguageInfo& language : OfferedLanguages())
        for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP})
            for (bool summer : {false, true}) cases.push_back({language.number, units, summer});
    return cases;
}

class TextFitTest : public MainWindowFixture, public ::testing::WithParamInterface<FitCase> {
protected:
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        ApplyLanguageFonts(Language::English);
    }

    // The window in the case's language, units and season view, as a user would set it up.
    TFormRotor& Start()
    {
        const FitCase& c = GetParam();
        ApplyLanguage(c.language); // the settings file and the fonts, as the language menu does
        TFormRotor& w = StartWindow();
        if (c.units == UnitSystem::IP) {
            seams_.onDialog = [](QDialog& d) {
                Get<QRadioButton>(d, "RadioButton_US")->click();
                Get<QPushButton>(d, "Button_OK")->click();
                return d.result();
            };
            Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger();
        }
        if (c.summer) {
            Get<QAction>(w, "Menu_Optionen_UseSeasons")->trigger();
            Get<QToolButton>(w, "Button_Seasons")->click();
        }
        return w;
    }

    // Opens a dialog through `open` and measures it while it shows.
    void ExpectDialogFits(const char* what, const std::function<void()>& open)
    {
        bool shown = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& dialog) {
            shown = true;
            const auto cut = CutTexts(dialog);
            EXPECT_TRUE(cut.empty()) << what << " (" << dialog.objectName().toStdString() << "):\n" << Describe(cut);
        });
        open();
        EXPECT_TRUE(shown) << what;
        seams_.onDialog = nullptr;
    }
};

TEST_P(TextFitTest, EveryTextShowsInFull)
{
    TFormRotor& w = Start();
    auto cut = CutTexts(w);
    EXPECT_TRUE(cut.empty()) << "main window before Calculate:\n" << Describe(cut);

    // The standard-size list, open over the panel.
    Get<QToolButton>(w, "Button_DropDown")->click();
    cut = CutTexts(w);
    EXPECT_TRUE(cut.empty()) << "standard-size list:\n" << Describe(cut);
    Get<QAction>(w, "Menu_ESC")->trigger();

    ExpectDialogFits("settings", [&] { Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger(); });
    ExpectDialogFits("preselection", [&] { Get<QPushButton>(w, "Button_Vorauswahl")->click(); });
    ExpectDialogFits("offer header", [&] { Get<QAction>(w, "Menu_Edit_Kopfzeile")->trigger(); });
    ExpectDialogFits("notes", [&] { Get<QAction>(w, "Menu_Edit_Bem_Datenblatt")->trigger(); });
    ExpectDialogFits("info", [&] { Get<QAction>(w, "Menu_Hilfe_Info")->trigger(); });

    Calculate();
    ASSERT_TRUE(w.ResultsValid());
    cut = CutTexts(w);
    EXPECT_TRUE(cut.empty()) << "main window after Calculate:\n" << Describe(cut);

    ExpectDialogFits("chart", [&] { Get<QPushButton>(w, "Button_Diagramm")->click(); });
    ExpectDialogFits("leakage", [&] { Get<QPushButton>(w, "Button_Leakage")->click(); });
    ExpectDialogFits("data sheet preview", [&] { Get<QPushButton>(w, "Button_Datenblatt")->click(); });
}

INSTANTIATE_TEST_SUITE_P(AllLanguagesUnitsAndViews, TextFitTest, ::testing::ValuesIn(AllCases()), CaseName);

} // namespace
} // namespace velmarsund
