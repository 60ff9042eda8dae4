// The main window and its dialogs at the keyboard: Enter presses a dialog's default button, Tab
// goes through the window in working order, a refused entry keeps the focus and is reported once per
// command, and a dialog opens where it was before.

#include "int_edit.h"
#include "main_window_fixture.h"
#include "num_edit.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextEdit>
#include <QLineEdit>
#include <QToolButton>

#include <functional>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class KeyboardTest : public MainWindowFixture {
protected:
    static QString FocusName()
    {
        const QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    // The object names Tab visits from the focus widget on, `count` steps.
    static QStringList TabChain(int count)
    {
        QStringList names{FocusName()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            names << FocusName();
        }
        return names;
    }
    static void Type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
};

TEST_F(KeyboardTest, TabGoesThroughAirFieldsPanelCalculateThenTheOtherCommands)
{
    TFormRotor& w = StartWindow();
    EXPECT_EQ(FocusName(), QStringLiteral("Edit_SVol11")); // work starts in the first air field
    const QStringList panelAndCommands{QStringLiteral("Combo_RahmenMaterial"), QStringLiteral("Combo_Rotortyp"),
                                       QStringLiteral("Combo_Rotorprofil"),    QStringLiteral("Button_DropDown"),
                                       QStringLiteral("Edit_Hoehe"),           QStringLiteral("Edit_Breite"),
                                       QStringLiteral("Edit_Rad"),             QStringLiteral("Button_Berechnen"),
                                       QStringLiteral("Button_Vorauswahl")};
    const QStringList winter{QStringLiteral("Edit_SVol11"), QStringLiteral("Edit_Temp11"),
                             QStringLiteral("Edit_Feuchte11"), QStringLiteral("Edit_SVol21"),
                             QStringLiteral("Edit_Temp21"), QStringLiteral("Edit_Feuchte21")};
    // Before Calculate the result commands are disabled and skipped.
    const QStringList descriptions{QStringLiteral("Button_Produktbeschreibung"),
                                   QStringLiteral("Button_Reglerbeschreibung")};
    EXPECT_EQ(TabChain(17), winter + panelAndCommands + descriptions);

    // With the summer shown and results: the summer fields after the winter ones, every command.
    Get<QAction>(w, "Menu_Optionen_UseSeasons")->trigger();
    Get<QToolButton>(w, "Button_Seasons")->click();
    Calculate();
    ASSERT_TRUE(w.ResultsValid());
    Get<TNumEdit>(w, "Edit_SVol11")->setFocus(Qt::TabFocusReason);
    QStringList summer;
    for (const QString& name : winter) summer << name + QStringLiteral("_S");
    const QStringList results{QStringLiteral("Button_Diagramm"), QStringLiteral("Button_Leakage"),
                              QStringLiteral("Button_Datenblatt")};
    const QStringList captions{QStringLiteral("Edit_Winter"), QStringLiteral("Edit_Sommer")};
    EXPECT_EQ(TabChain(28), winter + summer + panelAndCommands + results + descriptions + captions);
}

// Enter in a field of a dialog commits it and presses the default button.
TEST_F(KeyboardTest, EnterInASettingsFieldPressesOk)
{
    TFormRotor& w = StartWindow();
    const struct {
        const char* field;
        const char* text;
        double pressure;
    } cases[] = {{"Edit_Luftdruck", "950", 950}, {"Edit_HoeheNN", "0", 1013}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        int result = -1;
        seams_.onDialog = [&](QDialog& dialog) {
            result = seams_.AsUser([&](QDialog& d) {
                auto* field = Get<TNumEdit>(d, c.field);
                Type(field, QString::fromLatin1(c.text));
                QTest::keyClick(field, Qt::Key_Return);
            })(dialog);
            return result;
        };
        Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger();
        EXPECT_EQ(result, QDialog::Accepted);
        EXPECT_NEAR(w.AirPressure(), c.pressure, 1e-9);
        EXPECT_TRUE(seams_.messages.empty());
    }
    // The other dialogs with fields: Enter in a field is OK as well.
    for (const auto& [menu, field] : {std::pair{"Menu_Edit_Kopfzeile", "Edit3"}, std::pair{"Menu_Edit_Bem_Datenblatt", "Bem1"}}) {
        SCOPED_TRACE(menu);
        int result = -1;
        seams_.onDialog = [&, field = field](QDialog& dialog) {
            result = seams_.AsUser([&](QDialog& d) {
                auto* edit = Get<QLineEdit>(d, field);
                Type(edit, QStringLiteral("Hall 3"));
                QTest::keyClick(edit, Qt::Key_Return);
            })(dialog);
            return result;
        };
        Get<QAction>(w, menu)->trigger();
        EXPECT_EQ(result, QDialog::Accepted);
    }
}

// "abc" in an air field: the message once, the focus back in the field with "abc" selected. Every
// command that needs the entries says so once and does nothing else; Escape brings the value back,
// and the commands run again.
TEST_F(KeyboardTest, RefusedEntryKeepsTheFocusAndEachCommandSaysSoOnce)
{
    TFormRotor& w = StartWindow();
    auto* temp = Get<TNumEdit>(w, "Edit_Temp11");
    Type(temp, QStringLiteral("abc"));
    QTest::keyClick(temp, Qt::Key_Tab);
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("'abc' is not a valid number."));
    EXPECT_EQ(FocusName(), QStringLiteral("Edit_Temp11"));
    EXPECT_EQ(temp->selectedText(), QStringLiteral("abc"));

    const std::vector<std::pair<const char*, std::function<void()>>> commands{
        {"F9", [&] { QTest::keyClick(temp, Qt::Key_F9); }},
        {"Calculate clicked", [&] { QTest::mouseClick(Get<QPushButton>(w, "Button_Berechnen"), Qt::LeftButton); }},
        {"Heating / Cooling", [&] { Get<QAction>(w, "Menu_Optionen_UseSeasons")->trigger(); }},
        {"Settings", [&] { Get<QAction>(w, "Menu_Optionen_Einstellungen")->trigger(); }},
        {"Preselection", [&] { QTest::mouseClick(Get<QPushButton>(w, "Button_Vorauswahl"), Qt::LeftButton); }},
    };
    for (const auto& [name, run] : commands) {
        SCOPED_TRACE(name);
        seams_.messages.clear();
        seams_.dialogs.clear();
        run();
        ASSERT_EQ(seams_.messages.size(), 1u); // why the command did not run
        EXPECT_EQ(seams_.messages[0].text, QStringLiteral("'abc' is not a valid number."));
        EXPECT_TRUE(seams_.dialogs.empty());
        EXPECT_FALSE(w.ResultsValid());
        EXPECT_FALSE(w.UseSeasons());
        EXPECT_EQ(FocusName(), QStringLiteral("Edit_Temp11"));
        EXPECT_EQ(temp->selectedText(), QStringLiteral("abc"));
    }

    seams_.messages.clear();
    QTest::keyClick(temp, Qt::Key_Escape);
    EXPECT_EQ(temp->text(), QStringLiteral("-12"));
    Get<QAction>(w, "Menu_Optionen_UseSeasons")->trigger();
    EXPECT_TRUE(w.UseSeasons());
    QTest::keyClick(temp, Qt::Key_F9);
    EXPECT_TRUE(w.ResultsValid());
    EXPECT_TRUE(seams_.messages.empty());
    EXPECT_EQ(w.WinterRecord().State11.Temp, -12);
}

// A dialog opens where it was when it closed, also when the user moved it.
TEST_F(KeyboardTest, DialogsOpenWhereTheyWereBefore)
{
    TFormRotor& w = StartWindow();
    for (const char* menu : {"Menu_Optionen_Einstellungen", "Menu_Hilfe_Info", "Menu_Edit_Bem_Datenblatt"}) {
        SCOPED_TRACE(menu);
        QPoint first;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) { first = d.geometry().topLeft(); });
        Get<QAction>(w, menu)->trigger();
        QPoint second;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) {
            second = d.geometry().topLeft();
            d.move(d.pos() + QPoint(37, 23)); // the user moves it
        });
        Get<QAction>(w, menu)->trigger();
        EXPECT_EQ(second, first);
        QPoint third;
        seams_.onDialog = seams_.AsUser([&](QDialog& d) { third = d.geometry().topLeft(); });
        Get<QAction>(w, menu)->trigger();
        EXPECT_EQ(third, first + QPoint(37, 23));
    }
}

// No wheel fits a housing of 0 x 0: the largest diameter shows a dash, not a negative number.
TEST_F(KeyboardTest, LargestDiameterThatIsNotPositiveShowsADash)
{
    TFormRotor& w = StartWindow();
    for (const char* field : {"Edit_Hoehe", "Edit_Breite"}) {
        auto* edit = Get<TIntEdit>(w, field);
        Type(edit, QStringLiteral("0"));
        QTest::keyClick(edit, Qt::Key_Return);
    }
    EXPECT_EQ(Get<QLabel>(w, "L_MaxRad")->text(), QStringLiteral("\u2013"));
    auto* height = Get<TIntEdit>(w, "Edit_Hoehe");
    Type(height, QStringLiteral("2000"));
    QTest::keyClick(height, Qt::Key_Return);
    auto* width = Get<TIntEdit>(w, "Edit_Breite");
    Type(width, QStringLiteral("2000"));
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_EQ(Get<QLabel>(w, "L_MaxRad")->text(), QStringLiteral("1880"));
}

} // namespace
} // namespace velmarsund

namespace velmarsund {
namespace {

// Every control a dialog offers, reached with Tab (Ctrl+Tab out of a table that takes Tab for its
// cells) or pressed with a key of its own: the dialogs work without a mouse.
class DialogKeyboardTest : public MainWindowFixture {
protected:
    static bool IsControl(QWidget* w)
    {
        if (qobject_cast<QScrollBar*>(w) || qobject_cast<QHeaderView*>(w)) return false;
        // A read-only field the user cannot enter shows a value, like a label.
        if (auto* edit = qobject_cast<QLineEdit*>(w); edit && edit->isReadOnly() && edit->focusPolicy() == Qt::NoFocus)
            return false;
        if (qobject_cast<QLineEdit*>(w) && qobject_cast<QComboBox*>(w->parentWidget())) return false;
        return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
               qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
               qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
    }

    static bool HasKey(QWidget* w)
    {
        if (auto* tool = qobject_cast<QToolButton*>(w); tool && tool->defaultAction() &&
                                                         !tool->defaultAction()->shortcut().isEmpty())
            return true;
        auto* button = qobject_cast<QAbstractButton*>(w);
        return button && (!button->shortcut().isEmpty() || button->text().contains(QRegularExpression(QStringLiteral("&[^&]"))));
    }

    // The object names (or classes) of the controls of `dialog` the keyboard does not reach.
    static QStringList Unreached(QDialog& dialog)
    {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
        QList<QWidget*> controls;
        for (QWidget* w : dialog.findChildren<QWidget*>())
            if (w->isVisibleTo(&dialog) && w->isEnabled() && IsControl(w)) controls << w;
        QSet<QWidget*> reached;
        if (!QApplication::focusWidget()) QTest::keyClick(&dialog, Qt::Key_Tab);
        for (int i = 0; i < 3 * controls.size() + 10; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus) break;
            for (QWidget* p = focus; p && p != &dialog; p = p->parentWidget())
                if (controls.contains(p)) reached.insert(p);
            auto* view = qobject_cast<QAbstractItemView*>(focus);
            QTest::keyClick(focus, Qt::Key_Tab, view && view->tabKeyNavigation() ? Qt::ControlModifier : Qt::NoModifier);
        }
        QStringList unreached;
        for (QWidget* w : controls) {
            if (reached.contains(w) || HasKey(w)) continue;
            // Arrow keys move within a group of radio buttons once one of them has the focus.
            if (qobject_cast<QRadioButton*>(w)) {
                bool sibling = false;
                for (QWidget* other : reached) sibling = sibling || (qobject_cast<QRadioButton*>(other) && other->parentWidget() == w->parentWidget());
                if (sibling) continue;
            }
            unreached << (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
        }
        dialog.hide();
        return unreached;
    }

    // Opens a dialog through `open` and gives what the keyboard does not reach in it.
    QStringList UnreachedIn(const std::function<void()>& open)
    {
        QStringList unreached{QStringLiteral("(no dialog)")};
        seams_.onDialog = [&](QDialog& d) {
            unreached = Unreached(d);
            return int(QDialog::Rejected);
        };
        open();
        return unreached;
    }
};

TEST_F(DialogKeyboardTest, EveryControlOfEveryDialogIsReachedWithTheKeyboard)
{
    StartWindow();
    Calculate();
    const auto trigger = [this](const char* name) { return [this, name] { Get<QAction>(*window_, name)->trigger(); }; };
    const auto click = [this](const char* name) { return [this, name] { Get<QPushButton>(*window_, name)->click(); }; };
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"settings", trigger("Menu_Optionen_Einstellungen")},
        {"offer header", trigger("Menu_Edit_Kopfzeile")},
        {"notes", trigger("Menu_Edit_Bem_Datenblatt")},
        {"preselection", click("Button_Vorauswahl")},
        {"leakage", trigger("Menu_Ansicht_Leakage")},
        {"chart", trigger("Menu_Ansicht_Diagramm")},
        {"preview", trigger("Menu_Ansicht_Datenblatt")},
        {"info", trigger("Menu_Hilfe_Info")},
    };
    for (const auto& [name, open] : dialogs) {
        if (!window_->ResultsValid()) Calculate();
        const QStringList unreached = UnreachedIn(open);
        EXPECT_TRUE(unreached.isEmpty()) << name << ": " << unreached.join(QStringLiteral(", ")).toStdString();
    }
}

} // namespace
} // namespace velmarsund
