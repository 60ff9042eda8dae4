// Menus by keyboard: every caption of the main window's menus carries an access key, none twice in
// one menu, in every language; Alt with a menu's key opens it and F10 opens the first one.

#include "access_keys.h"
#include "main_window_fixture.h"

#include "apply_language.h"
#include "language.h"

#include <QMenu>
#include <QMenuBar>

#include <set>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

TEST(AccessKeysTest, ChosenPerCaptionWithoutRepeats) {
    struct Case {
        std::vector<QString> captions;
        std::vector<QString> expected;
    };
    const std::vector<Case> cases{
        // word starts first, then any letter
        {{u"File"_qs, u"Edit"_qs, u"Exit"_qs, u"Export results"_qs},
         {u"&File"_qs, u"&Edit"_qs, u"E&xit"_qs, u"Export &results"_qs}},
        // a key that is set is kept and reserved, a written ampersand is no key
        {{u"&1 AHU-1.vrsel"_qs, u"A && B"_qs, u"Abc"_qs}, {u"&1 AHU-1.vrsel"_qs, u"&A && B"_qs, u"A&bc"_qs}},
        {{u"Info"_qs, u"&Info"_qs}, {u"I&nfo"_qs, u"&Info"_qs}},
        // Cyrillic letters are keys of their own; case does not count
        {{u"Файл"_qs, u"Фильтр"_qs, u"файлы"_qs}, {u"&Файл"_qs, u"Ф&ильтр"_qs, u"ф&айлы"_qs}},
        // Chinese captions get a Latin letter in brackets
        {{u"文件"_qs, u"编辑"_qs, u"帮助 (Info)"_qs}, {u"文件(&A)"_qs, u"编辑(&B)"_qs, u"帮助 (&Info)"_qs}},
        // an empty caption stays empty
        {{QString(), u"x"_qs}, {QString(), u"&x"_qs}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithAccessKeys(c.captions), c.expected) << c.captions.front().toStdString();
        EXPECT_EQ(WithAccessKeys(c.expected), c.expected) << "marked twice";
    }
    EXPECT_EQ(AccessKeyOf(u"Ex&it"_qs), QChar(u'I'));
    EXPECT_EQ(AccessKeyOf(u"A && B"_qs), std::nullopt);
}

class MenuKeysTest : public MainWindowFixture {
  protected:
    // Every item of `menu` and its submenus has a key, none twice within one menu.
    static void ExpectKeys(const QList<QAction*>& actions, const QString& where) {
        std::set<QChar> keys;
        for (QAction* action : actions) {
            if (action->isSeparator()) continue;
            const QString caption = action->text();
            const auto key = AccessKeyOf(caption);
            ASSERT_TRUE(key.has_value()) << where.toStdString() << ": " << caption.toStdString();
            EXPECT_TRUE(keys.insert(*key).second)
                << where.toStdString() << ": key " << QString(*key).toStdString() << " twice, "
                << caption.toStdString();
            if (QMenu* sub = action->menu()) ExpectKeys(sub->actions(), caption);
        }
    }
    // A key of any script (QTest::keyClick knows Latin ones only).
    static void Press(QWidget* to, QChar key, Qt::KeyboardModifiers modifiers = {}) {
        const auto code = static_cast<Qt::Key>(key.toUpper().unicode());
        QTest::sendKeyEvent(QTest::Press, to, code, QString(key.toLower()), modifiers);
        QTest::sendKeyEvent(QTest::Release, to, code, QString(key.toLower()), modifiers);
    }
    static QMenu* OpenMenu() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    static void CloseMenus() {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
    }
};

TEST_F(MenuKeysTest, EveryMenuOpensWithAltAndItsKeyInEveryLanguage) {
    StartWindow();
    QMenuBar* bar = window_->menuBar();
    for (const LanguageInfo& language : OfferedLanguages()) {
        if (!IsAllowedLanguage(language.number)) continue;
        SCOPED_TRACE(language.fileCode);
        ApplyLanguage(language.number);
        ExpectKeys(bar->actions(), QStringLiteral("menu bar"));
        for (QAction* title : bar->actions()) {
            if (!title->isVisible() || !title->menu()) continue;
            const QChar key = AccessKeyOf(title->text()).value_or(QChar());
            Press(window_.get(), key, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return OpenMenu() == title->menu(); }, 1000))
                << "Alt+" << QString(key).toStdString() << " does not open " << title->text().toStdString();
            CloseMenus();
        }
    }
}

TEST_F(MenuKeysTest, F10OpensTheFirstMenuAndItsItemsAnswerTheirKeys) {
    StartWindow();
    QTest::keyClick(window_.get(), Qt::Key_F10);
    ASSERT_TRUE(QTest::qWaitFor([] { return OpenMenu() != nullptr; }, 1000));
    EXPECT_EQ(OpenMenu(), Get<QMenu>(*window_, "Menu_Datei"));
    CloseMenus();

    // Options > Heating / Cooling by its keys alone.
    QAction* seasons = Get<QAction>(*window_, "Menu_Optionen_UseSeasons");
    const bool wasOn = seasons->isChecked();
    QMenu* options = Get<QMenu>(*window_, "Menu_Optionen");
    const QChar menuKey = AccessKeyOf(options->title()).value();
    Press(window_.get(), menuKey, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return OpenMenu() == options; }, 1000));
    const QChar itemKey = AccessKeyOf(seasons->text()).value();
    Press(options, itemKey);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seasons->isChecked() != wasOn; }, 1000));
    CloseMenus();
}

} // namespace
} // namespace velmarsund
