// The offer header and notes windows, opened from the main window's Edit menu.

#include "form_angebot.h"
#include "form_bemerkungen.h"
#include "main_window_fixture.h"

#include "apply_language.h"

#include <QCheckBox>
#include <QDate>
#include <QLineEdit>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;

class PageWindowsTest : public MainWindowFixture {
protected:
    // The header window through the menu; `act` works in it, then OK or Cancel.
    void Header(const std::function<void(TFormAngebot&)>& act, bool ok = true)
    {
        seams_.onDialog = [act, ok](QDialog& d) {
            auto* dialog = qobject_cast<TFormAngebot*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            act(*dialog);
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        };
        Get<QAction>(*window_, "Menu_Edit_Kopfzeile")->trigger();
    }
    void Notes(const char* item, const std::function<void(TFormBemerkungen&)>& act, bool ok = true)
    {
        seams_.onDialog = [act, ok](QDialog& d) {
            auto* dialog = qobject_cast<TFormBemerkungen*>(&d);
            EXPECT_NE(dialog, nullptr);
            if (!dialog) return int(QDialog::Rejected);
            act(*dialog);
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        };
        Get<QAction>(*window_, item)->trigger();
    }
    const TBasisSettings& Settings() const { return window_->BasisSettings(); }
};

TEST_F(PageWindowsTest, FirstStartHeaderDefaultsAndOk)
{
    StartWindow();
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    Header([&](TFormAngebot& d) {
        EXPECT_EQ(d.size(), QSize(384, 185));
        EXPECT_EQ(d.Edit0->text(), QStringLiteral("Date:"));
        EXPECT_EQ(d.Edit1->text(), today);
        for (QLineEdit* label : {d.Edit2, d.Edit4, d.Edit6}) EXPECT_TRUE(label->text().isEmpty());
        for (QLineEdit* fixed : {d.Edit0, d.Edit1}) {
            EXPECT_TRUE(fixed->isReadOnly());
            EXPECT_FALSE(fixed->hasFrame());
            EXPECT_EQ(fixed->focusPolicy(), Qt::NoFocus);
        }
        EXPECT_EQ(d.Edit3->geometry(), QRect(94, 34, 283, 21));
        EXPECT_EQ(d.Button_OK->geometry(), QRect(224, 157, 77, 25));
        EXPECT_TRUE(d.Button_OK->isDefault());
        d.Button_Vorgabe->click();
        EXPECT_EQ(d.Edit2->text(), QStringLiteral("Offer-No.:"));
        EXPECT_EQ(d.Edit4->text(), QStringLiteral("Project:"));
        EXPECT_EQ(d.Edit6->text(), QStringLiteral("Position:"));
        d.Edit3->setText(QStringLiteral("A-17"));
        d.Edit5->setText(QStringLiteral("Nordhafen"));
        d.Edit7->setText(QStringLiteral("AHU 3"));
        d.CheckBox_AlsAngebot->setChecked(true);
    });
    EXPECT_TRUE(Settings().printHeader);
    const std::array<QString, 8> expected{QStringLiteral("Date:"),      today,
                                          QStringLiteral("Offer-No.:"), QStringLiteral("A-17"),
                                          QStringLiteral("Project:"),   QStringLiteral("Nordhafen"),
                                          QStringLiteral("Position:"),  QStringLiteral("AHU 3")};
    EXPECT_EQ(Settings().header, expected);
}

TEST_F(PageWindowsTest, HeaderTabOrderAndFocus)
{
    StartWindow();
    Header([](TFormAngebot& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        EXPECT_EQ(QApplication::focusWidget(), d.Edit3);
        std::vector<QWidget*> order;
        for (QWidget* w = d.Edit2; order.size() < 10; w = w->nextInFocusChain())
            if (w->focusPolicy() & Qt::TabFocus) order.push_back(w);
        const std::vector<QWidget*> expected{d.Edit2, d.Edit3, d.Edit4, d.Edit5, d.Edit6,
                                             d.Edit7, d.Button_Vorgabe, d.CheckBox_AlsAngebot, d.Button_OK,
                                             d.Button_Cancel};
        EXPECT_EQ(order, expected);
        d.hide();
    });
}

TEST_F(PageWindowsTest, CancelChangesNothing)
{
    StartWindow();
    Header([](TFormAngebot& d) { d.Button_Vorgabe->click(); });
    const TBasisSettings before = Settings();
    Header(
        [](TFormAngebot& d) {
            d.Edit3->setText(QStringLiteral("changed"));
            d.Edit2->setText(QStringLiteral("changed"));
            d.CheckBox_AlsAngebot->setChecked(true);
        },
        false);
    EXPECT_EQ(Settings().header, before.header);
    EXPECT_EQ(Settings().printHeader, before.printHeader);
}

TEST_F(PageWindowsTest, ALanguageChangeRelabelsTheDateLineOnOkOnly)
{
    StartWindow();
    Header([](TFormAngebot& d) { d.Button_Vorgabe->click(); });
    ApplyLanguage(Language::German);
    EXPECT_EQ(Settings().header[0], QStringLiteral("Date:")); // not before the window is confirmed
    Header([](TFormAngebot& d) {
        EXPECT_EQ(d.windowTitle(), LoadText(137));
        EXPECT_EQ(d.Edit0->text(), LoadText(141) + QLatin1Char(':'));
    });
    EXPECT_EQ(Settings().header[0], LoadText(141, Language::German) + QLatin1Char(':'));
    EXPECT_EQ(Settings().header[2], QStringLiteral("Offer-No.:")); // as the user left it
}

TEST_F(PageWindowsTest, NotesOfTheDataSheetAndOfTheChartAreKeptApartAndStored)
{
    StartWindow();
    Notes("Menu_Edit_Bem_Datenblatt", [](TFormBemerkungen& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Notes"));
        d.Bem1->setText(QStringLiteral("sheet 1"));
        d.Bem3->setText(QStringLiteral("sheet 3"));
    });
    Notes("Menu_Edit_Bem_Diagramm", [](TFormBemerkungen& d) {
        EXPECT_TRUE(d.Bem1->text().isEmpty());
        d.Bem2->setText(QStringLiteral("chart 2"));
    });
    Notes(
        "Menu_Edit_Bem_Datenblatt",
        [](TFormBemerkungen& d) {
            EXPECT_EQ(d.Bem1->text(), QStringLiteral("sheet 1"));
            EXPECT_TRUE(d.Bem2->text().isEmpty());
            d.Bem1->setText(QStringLiteral("cancelled"));
        },
        false);
    EXPECT_EQ(Settings().notesData, (std::array<QString, 3>{QStringLiteral("sheet 1"), QString(), QStringLiteral("sheet 3")}));
    EXPECT_EQ(Settings().notesChart, (std::array<QString, 3>{QString(), QStringLiteral("chart 2"), QString()}));

    window_->close();
    const TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("NotesData1"), QString()), QStringLiteral("sheet 1"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("NotesData3"), QString()), QStringLiteral("sheet 3"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("ROTOR"), QStringLiteral("NotesChart2"), QString()), QStringLiteral("chart 2"));
}

} // namespace
} // namespace velmarsund
