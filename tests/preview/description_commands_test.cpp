// The product and controller description commands: always there, a one-page preview without
// notes, the page of the selected series in the current language.

#include "description_pages.h"
#include "form_seite.h"
#include "main_window_fixture.h"
#include "recording_canvas.h"
#include "tender_text.h"

#include "apply_language.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class DescriptionCommandsTest : public MainWindowFixture {
protected:
    // Runs a command and records the page its preview shows.
    RecordingCanvas Shown(const char* button)
    {
        RecordingCanvas page;
        bool seen = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) {
            auto& preview = static_cast<TFormSeite&>(d);
            seen = true;
            EXPECT_FALSE(window_->isVisible());
            EXPECT_EQ(preview.PageCount(), 1);
            EXPECT_FALSE(Get<QToolButton>(preview, "Button_Edit")->isEnabled()); // no notes
            EXPECT_FALSE(Get<QToolButton>(preview, "Button_Next")->isEnabled());
            preview.CurrentPageProcedure()(page, 0);
            preview.close();
        });
        Get<QPushButton>(*window_, button)->click();
        EXPECT_TRUE(seen);
        EXPECT_TRUE(window_->isVisible());
        return page;
    }
};

TEST_F(DescriptionCommandsTest, EnabledWithoutResultsAndShowTheSelectedSeries)
{
    StartWindow();
    EXPECT_FALSE(window_->ResultsValid());
    for (const char* name : {"Button_Produktbeschreibung", "Button_Reglerbeschreibung"})
        EXPECT_TRUE(Get<QPushButton>(*window_, name)->isEnabled()) << name;
    for (const char* name : {"Menu_Ansicht_Produktbeschreibung", "Menu_Ansicht_Reglerbeschreibung"})
        EXPECT_TRUE(Get<QAction>(*window_, name)->isEnabled()) << name;

    Get<QComboBox>(*window_, "Combo_RahmenMaterial")->setCurrentIndex(2); // HXV
    const RecordingCanvas product = Shown("Button_Produktbeschreibung");
    const std::vector<QString> lines = LoadTenderText(1227);
    ASSERT_FALSE(lines.empty());
    EXPECT_TRUE(product.FindText(lines[0]));
    EXPECT_EQ(product.FindText(QStringLiteral("HXV - P - E16 - 2000 / 2000 - 1875"))->at, QPointF(1100, 2362));
    // Never the offer header, whatever the switch says.
    for (const RecordedText& t : product.Texts()) EXPECT_GT(t.at.y(), 226) << t.text.toStdString();
}

TEST_F(DescriptionCommandsTest, ControllerDescriptionInTheCurrentLanguage)
{
    StartWindow();
    ApplyLanguage(Language::Russian);
    const RecordingCanvas controller = Shown("Button_Reglerbeschreibung");
    const std::vector<QString> lines = LoadTenderText(1250);
    ASSERT_FALSE(lines.empty());
    const auto first = controller.FindText(lines[0]);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->at, QPointF(250, 724));
    EXPECT_EQ(first->height, 37);
}

} // namespace
} // namespace velmarsund
