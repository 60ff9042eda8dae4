// Nothing is cut: every text of the main window and of every dialog it opens shows in full, measured
// with the program's fonts, in every language, both unit systems and both season views, before and
// after Calculate. A window added to the program joins the list of dialogs below.

#include "apply_language.h"
#include "main_window_fixture.h"
#include "program_fonts.h"
#include "text_fit.h"

#include <QComboBox>
#include <QLabel>
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

    // Opens a dialog through `open` and measures it while it shows, after `prepare`.
    void ExpectDialogFits(const char* what, const std::function<void()>& open,
                          const std::function<void(QDialog&)>& prepare = {}) {
        bool shown = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& dialog) {
            shown = true;
            if (prepare) prepare(dialog);
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
    // With a purge sector and the details shown: every flow with its name, no text over another.
    ExpectDialogFits(
        "leakage details", [&] { Get<QPushButton>(w, "Button_Leakage")->click(); },
        [](QDialog& leakage) {
            Get<QComboBox>(leakage, "ComboBox_Spuelkammer")->setCurrentIndex(2);
            Get<QAction>(leakage, "Menu_Details_anzeigen")->trigger();
            QApplication::processEvents();
            std::vector<std::pair<QRect, QLabel*>> texts;
            for (QLabel* label : leakage.findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                const QRect box = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                    int(label->alignment()), label->text());
                texts.emplace_back(QRect(label->mapTo(&leakage, box.topLeft()), box.size()), label);
            }
            for (std::size_t i = 0; i < texts.size(); ++i)
                for (std::size_t j = i + 1; j < texts.size(); ++j)
                    EXPECT_FALSE(texts[i].first.intersects(texts[j].first))
                        << texts[i].second->objectName().toStdString() << " \""
                        << texts[i].second->text().toStdString() << "\" over "
                        << texts[j].second->objectName().toStdString() << " \""
                        << texts[j].second->text().toStdString() << "\"";
            for (const char* row : {"LB_SL_Geh_AU", "LB_SL_AU_FO", "LB_CO_AU_FO"})
                EXPECT_TRUE(Get<QLabel>(leakage, row)->isVisible()) << row;
            for (QLabel* name : leakage.findChildren<QLabel*>(QStringLiteral("LB_Details_Row")))
                EXPECT_FALSE(name->text().isEmpty());
        });
    ExpectDialogFits("data sheet preview", [&] { Get<QPushButton>(w, "Button_Datenblatt")->click(); });
}

INSTANTIATE_TEST_SUITE_P(AllLanguagesUnitsAndViews, TextFitTest, ::testing::ValuesIn(AllCases()), CaseName);

} // namespace
} // namespace velmarsund
