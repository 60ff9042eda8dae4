// Help / User guide and F1: the guide of the current language opens at the section of the window
// the key was pressed in, and every guide has a section for every window.

#include "apply_language.h"
#include "form_hilfe.h"
#include "main_window_fixture.h"

#include <QDialog>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

namespace velmarsund::testing {
namespace {

using UserGuideTest = MainWindowFixture;

// The text at the top of the guide's visible part: the heading of the section shown.
QString TopLine(const TFormHilfe& guide) {
    return guide.Browser()->cursorForPosition(QPoint(4, 4)).block().text();
}

TEST_F(UserGuideTest, F1OpensTheSectionOfTheWindowInTheUsersLanguage) {
    struct Case {
        LanguageNumber language;
        const char* caption;
        const char* mainWindow;
        const char* settings;
    };
    const Case cases[] = {
        {Language::German, "Velmarsund Rotor - Benutzerhandbuch", "Hauptfenster", "Einstellungen"},
        {Language::Chinese, "Velmarsund Rotor - 用户指南", "主窗口", "设置"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        TFormRotor& w = StartWindow();
        ApplyLanguage(c.language);
        EXPECT_EQ(w.UserGuide(), nullptr);

        QTest::keyClick(Get<QLineEdit>(w, "Edit_Temp11"), Qt::Key_F1);
        TFormHilfe* guide = w.UserGuide();
        ASSERT_NE(guide, nullptr);
        EXPECT_TRUE(guide->isVisible());
        EXPECT_EQ(guide->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(guide->Section(), QStringLiteral("FormRotor"));
        EXPECT_EQ(TopLine(*guide), QString::fromUtf8(c.mainWindow));

        // In a dialog, its own section; the guide stays one window.
        QString section;
        QString top;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) {
            QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, Qt::Key_F1);
            section = w.UserGuide()->Section();
            top = TopLine(*w.UserGuide());
            EXPECT_TRUE(w.UserGuide()->isVisible());
        });
        Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger();
        EXPECT_EQ(section, QStringLiteral("FormOptionen"));
        EXPECT_EQ(top, QString::fromUtf8(c.settings));
        EXPECT_EQ(w.UserGuide(), guide);
        EXPECT_GT(guide->Browser()->verticalScrollBar()->value(), 0);

        // The menu item names the guide in the user's language and shows its key.
        // (with the access key the menu gives it: "&Benutzerhandbuch", "用户指南(&A)")
        EXPECT_TRUE(Get<QAction>(w, "Menu_Hilfe_Anleitung")
                        ->text()
                        .remove(u'&')
                        .startsWith(LoadText(664, c.language)));
        EXPECT_EQ(Get<QAction>(w, "Menu_Hilfe_Anleitung")->shortcut(), QKeySequence(Qt::Key_F1));
        window_.reset();
    }
}

// Each window of the program has its section, and each language's guide has every section.
TEST(UserGuide, EveryWindowHasItsSectionInEveryLanguage) {
    const char* windows[] = {"FormRotor",      "FormOptionen",      "FormBaugroessen_Rotor", "FormMollier",
                             "FormRotLeakage", "FormJahresenergie", "FormSeite",             "FormAngebot",
                             "FormBemerkungen"};
    QWidget unnamed;
    EXPECT_EQ(UserGuideSection(&unnamed), QString());
    for (const char* name : windows) {
        QWidget window;
        window.setObjectName(QLatin1String(name));
        // A message box or other window that belongs to it shows the same section.
        QWidget child(&window, Qt::Window);
        const QString section = UserGuideSection(&child);
        EXPECT_FALSE(section.isEmpty()) << name;
        EXPECT_EQ(section, UserGuideSection(&window));
        for (const LanguageInfo& language : OfferedLanguages()) {
            const QString html = UserGuideHtml(language.number);
            EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\"></a>").arg(section)))
                << language.fileCode << " " << name;
            EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(section)))
                << language.fileCode << " " << name;
        }
    }
}

} // namespace
} // namespace velmarsund::testing
