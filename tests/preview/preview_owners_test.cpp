// Windows that open the page preview hide themselves while it is open and come back afterwards.
// These tests run every dialog as the program does (no recording runner), closing each as a user
// would, and then work the main window with the mouse: nothing may stay modal, disabled or moved.

#include "main_window_fixture.h"

#include "form_jahresenergie.h"
#include "form_mollier.h"
#include "form_rot_leakage.h"
#include "form_seite.h"
#include "generated_epw.h"
#include "test_files.h"

#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

enum class PreviewClose { Escape, Button };

// Watches the open windows and plays the user's part: opens the preview from the window `owner`
// once, closes the preview and then the owner.
class UserScript : public QObject {
  public:
    UserScript(const char* owner, PreviewClose how) : owner_(owner), how_(how) {
        timer_.setInterval(20);
        // Each step runs apart from the timer: a step that opens a window waits in its event loop,
        // and a timer never fires again while its own handler runs.
        connect(&timer_, &QTimer::timeout, this, [this] { QTimer::singleShot(0, this, [this] { Step(); }); });
        timer_.start();
    }
    bool previewSeen = false;
    bool finished = false;
    QPoint ownerPosition;      // where the owner was when it opened the preview
    QPoint ownerPositionAfter; // and where it is when it comes back

  private:
    void Step() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        if (auto* preview = qobject_cast<TFormSeite*>(modal)) {
            previewSeen = true;
            if (how_ == PreviewClose::Escape)
                QTest::keyClick(preview, Qt::Key_Escape);
            else
                preview->findChild<QToolButton*>(QStringLiteral("Button_Close"))->click();
            return;
        }
        if (modal->objectName() != QLatin1String(owner_)) return;
        if (!previewAsked_) {
            previewAsked_ = true;
            ownerPosition = modal->pos();
            if (auto* chart = qobject_cast<TFormMollier*>(modal))
                chart->findChild<QPushButton*>(QStringLiteral("Button_Seite"))->click();
            else if (qobject_cast<TFormRotLeakage*>(modal) || qobject_cast<TFormJahresenergie*>(modal))
                modal->findChild<QAction*>(QStringLiteral("Menu_Datei_Seitenansicht"))->trigger();
            return;
        }
        if (!previewSeen || finished) return;
        ownerPositionAfter = modal->pos();
        timer_.stop();
        finished = true;
        QTest::keyClick(modal, Qt::Key_Escape);
    }

    const char* owner_;
    PreviewClose how_;
    QTimer timer_;
    bool previewAsked_ = false;
};

class PreviewOwnersTest : public MainWindowFixture,
                          public ::testing::WithParamInterface<std::tuple<const char*, PreviewClose>> {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        previousRunner_ = SetModalRunner(nullptr); // dialogs run as in the program
    }
    void TearDown() override {
        SetModalRunner(previousRunner_);
        MainWindowFixture::TearDown();
    }
    // Clicks `widget` through the window system, where a window blocked by a modal one ignores it.
    static void Click(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    }

    ModalRunner* previousRunner_ = nullptr;
};

TEST_P(PreviewOwnersTest, TheMainWindowAnswersAndNoWindowMovedAfterAPreviewFromAnOwner) {
    const auto [owner, how] = GetParam();
    StartWindow();
    // The annual window prints its page with a year of weather.
    const bool annual = QByteArray(owner) == "FormJahresenergie";
    QTemporaryDir folder;
    if (annual) {
        const QString weather = folder.filePath(QStringLiteral("Testhafen.epw"));
        WriteBytes(weather, QByteArray::fromStdString(GeneratedEpw(TemperateHour)));
        Selection s = window_->CurrentSelection();
        s.annual = AnnualInputs{};
        s.annual->weather = weather.toStdString();
        window_->ApplySelection(s);
    }
    Calculate();
    const QPoint mainPosition = window_->pos();

    UserScript user(owner, how);
    const char* button = QByteArray(owner) == "FormMollier" ? "Button_Diagramm" : "Button_Leakage";
    // The annual window has its command in the View menu alone.
    QAction* annualCommand = Get<QAction>(*window_, "Menu_Ansicht_Jahresenergie");
    if (annual)
        annualCommand->trigger();
    else
        Click(Get<QPushButton>(*window_, button));
    ASSERT_TRUE(user.previewSeen);
    ASSERT_TRUE(QTest::qWaitFor([&] { return user.finished && !QApplication::activeModalWidget(); }, 2000));
    QTest::qWait(50);

    // Nothing left modal, hidden or disabled; every window where it was.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_TRUE(window_->isEnabled());
    EXPECT_EQ(window_->pos(), mainPosition);
    EXPECT_EQ(user.ownerPositionAfter, user.ownerPosition);

    // A menu command by the mouse: Options > Heating / Cooling shows the summer case.
    auto* bar = window_->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QAction* seasons = Get<QAction>(*window_, "Menu_Optionen_UseSeasons");
    QAction* options = Get<QMenu>(*window_, "Menu_Optionen")->menuAction();
    const bool wasOn = seasons->isChecked();
    Click(bar, bar->actionGeometry(options).center());
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    Click(menu, menu->actionGeometry(seasons).center());
    EXPECT_NE(seasons->isChecked(), wasOn);

    // A button by the mouse: Calculate makes the results valid again.
    Click(Get<QPushButton>(*window_, "Button_Berechnen"));
    EXPECT_TRUE(Get<QPushButton>(*window_, button)->isEnabled());
    EXPECT_TRUE(annualCommand->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(ChartLeakageAndAnnual, PreviewOwnersTest,
                         ::testing::Combine(::testing::Values("FormMollier", "FormRotLeakage",
                                                              "FormJahresenergie"),
                                            ::testing::Values(PreviewClose::Escape, PreviewClose::Button)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == PreviewClose::Escape ? "_Escape" : "_Button");
                         });

} // namespace
} // namespace velmarsund
