#include "form_optionen.h"
#include "num_edit.h"
#include "number_separators.h"
#include "recording_seams.h"
#include "text_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace velmarsund {
namespace {

using testing::RecordingSeams;

constexpr double kPressureAt1000m = 898.4851631400988; // mbar

// The settings window as the main window keeps it, in English with a point as decimal separator.
class FormOptionenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetCurrentLanguage(Language::English);
        SetProgramSeparators({QLatin1Char('.'), QLatin1Char(',')});
        form_ = std::make_unique<TFormOptionen>();
    }
    void TearDown() override { SetCurrentLanguage(Language::English); }

    template <typename Widget>
    Widget* Child(const char* name)
    {
        auto* widget = form_->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    TNumEdit* Pressure() { return Child<TNumEdit>("Edit_Luftdruck"); }
    TNumEdit* Altitude() { return Child<TNumEdit>("Edit_HoeheNN"); }
    QString PressureUnit() { return Child<QLabel>("Label_mbar")->text(); }
    QString AltitudeUnit() { return Child<QLabel>("Label_m")->text(); }
    void ShowPage(int page) { Child<QTabWidget>("PageControl1")->setCurrentIndex(page); }
    // A click near the left end, on the indicator of a check box or radio button.
    void Click(const char* name)
    {
        auto* button = Child<QAbstractButton>(name);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                          QPoint(std::min(8, button->width() / 2), button->height() / 2));
    }
    // Replaces the field's text by typing, as a user does; nothing is committed yet.
    void Type(QLineEdit* field, const QString& text)
    {
        field->setFocus(Qt::TabFocusReason);
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void DoubleClickCell(int row, int column)
    {
        auto* table = Child<QTableWidget>("Tabelle_Einheiten");
        const QRect cell = table->visualRect(table->model()->index(row, column));
        // Press and release, then the double click and its release, as the window system sends them.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        QTest::mouseRelease(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    }

    RecordingSeams seams_;
    std::unique_ptr<TFormOptionen> form_;
};

TEST_F(FormOptionenTest, OpeningShowsTheValuesAndTheUnitSwitchConvertsPressureAndAltitude)
{
    TOptionsValues values;
    values.airVolumeKind = 3;
    values.humidityKind = 7;
    values.separators = {QLatin1Char(','), QLatin1Char('.')};
    values.useAhriEffectiveness = true;
    values.totalEffectiveness = true;
    values.energyEfficiencyClass = false;
    values.wetBulbOnDataSheet = true;
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        EXPECT_EQ(Child<QTabWidget>("PageControl1")->currentIndex(), 0);
        EXPECT_EQ(Pressure()->text(), QStringLiteral("1013"));
        EXPECT_EQ(Altitude()->text(), QStringLiteral("0"));
        EXPECT_EQ(PressureUnit(), QStringLiteral("mbar"));
        EXPECT_EQ(AltitudeUnit(), QStringLiteral("m"));
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_SI")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>("RadioButton_US")->isChecked());
        EXPECT_EQ(Child<QComboBox>("Combo_Luftmenge")->currentIndex(), 2);
        EXPECT_EQ(Child<QComboBox>("Combo_Feuchte")->currentIndex(), 2);
        EXPECT_EQ(Child<QLineEdit>("Edit_DecimalSeparator")->text(), QStringLiteral(","));
        EXPECT_EQ(Child<QLineEdit>("Edit_ThousandSeparator")->text(), QStringLiteral("."));
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_PHI_USA")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>("RadioButton_PHI_Europa")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>("CheckBox_TotalEff")->isChecked());
        EXPECT_TRUE(Child<QCheckBox>("CheckBox_TotalEff")->isEnabled());
        EXPECT_FALSE(Child<QCheckBox>("CheckBox_HCLASS")->isChecked());
        EXPECT_FALSE(Child<QCheckBox>("CheckBox_HCLASS")->isEnabled());
        EXPECT_TRUE(Child<QCheckBox>("CheckBox_WB")->isChecked());

        ShowPage(1);
        Click("RadioButton_US");
        EXPECT_EQ(Pressure()->text(), QStringLiteral("1"));
        EXPECT_EQ(Altitude()->text(), QStringLiteral("0"));
        EXPECT_EQ(PressureUnit(), QStringLiteral("atm"));
        EXPECT_EQ(AltitudeUnit(), QStringLiteral("ft"));
        EXPECT_FALSE(Child<QRadioButton>("RadioButton_SI")->isChecked());

        Click("RadioButton_SI");
        EXPECT_EQ(Pressure()->text(), QStringLiteral("1013"));
        EXPECT_EQ(Altitude()->text(), QStringLiteral("0"));
        EXPECT_EQ(PressureUnit(), QStringLiteral("mbar"));
        Click("Button_OK");
    });
    const auto result = form_->Edit(values);
    ASSERT_TRUE(seams_.windowActive);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->unitSystem, UnitSystem::SI);
    EXPECT_EQ(result->airPressure, 1013);
    EXPECT_EQ(result->airVolumeKind, 3);
    EXPECT_EQ(result->humidityKind, 7);
    EXPECT_EQ(result->separators.decimal, QLatin1Char(','));
    EXPECT_EQ(result->separators.thousand, QLatin1Char('.'));
    EXPECT_TRUE(result->useAhriEffectiveness);
    EXPECT_TRUE(result->totalEffectiveness);
    EXPECT_FALSE(result->energyEfficiencyClass);
    EXPECT_TRUE(result->wetBulbOnDataSheet);
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(FormOptionenTest, AltitudeEntryShowsItsPressureAndTheAltitudeOfThatPressure)
{
    struct Case {
        UnitSystem units;
        const char* altitude;
        double shownPressure;
    };
    for (const Case& c : {Case{UnitSystem::SI, "1000", kPressureAt1000m},
                          Case{UnitSystem::IP, "3280.8", kPressureAt1000m / 1013}}) {
        TOptionsValues values;
        values.unitSystem = c.units;
        seams_.onDialog = seams_.AsUser([&](QDialog&) {
            Type(Altitude(), QString::fromLatin1(c.altitude));
            QTest::keyClick(Altitude(), Qt::Key_Return);
            EXPECT_NEAR(Pressure()->Value(), c.shownPressure, 1e-9) << c.altitude;
            EXPECT_EQ(Altitude()->text(), QString::fromLatin1(c.altitude));
            Click("Button_OK");
        });
        const auto result = form_->Edit(values);
        ASSERT_TRUE(result.has_value());
        EXPECT_NEAR(result->airPressure, 898.485, 0.0005) << c.altitude;
        EXPECT_EQ(result->unitSystem, c.units);
    }
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(FormOptionenTest, OutOfRangeEntryIsRefusedAndOkKeepsTheWindowOpen)
{
    struct Case {
        UnitSystem units;
        const char* field;
        const char* text;
        const char* message;
    };
    for (const Case& c :
         {Case{UnitSystem::SI, "Edit_Luftdruck", "1200", "Please enter a number between 600 and 1100"},
          Case{UnitSystem::SI, "Edit_HoeheNN", "4500", "Please enter a number between -700 and 4200"},
          Case{UnitSystem::IP, "Edit_Luftdruck", "1.1", "Please enter a number between 0.6 and 1.08"},
          Case{UnitSystem::IP, "Edit_HoeheNN", "13600", "Please enter a number between -2140 and 13500"}}) {
        seams_.messages.clear();
        TOptionsValues values;
        values.unitSystem = c.units;
        bool stayedOpen = false;
        seams_.onDialog = seams_.AsUser([&](QDialog& dialog) {
            const QString pressureBefore = Pressure()->text();
            const QString altitudeBefore = Altitude()->text();
            auto* field = Child<TNumEdit>(c.field);
            Type(field, QString::fromLatin1(c.text));
            QTest::keyClick(field, Qt::Key_Return);
            EXPECT_EQ(field->text(), QString::fromLatin1(c.text)); // left for correcting
            EXPECT_EQ((field == Pressure() ? Altitude() : Pressure())->text(),
                      field == Pressure() ? altitudeBefore : pressureBefore);
            EXPECT_EQ(form_->Model().Pressure(), 1013);
            Click("Button_OK");
            stayedOpen = dialog.isVisible();
            Click("Button_Cancel"); // abandons the refused text without another message
        });
        EXPECT_FALSE(form_->Edit(values).has_value()) << c.text;
        EXPECT_TRUE(stayedOpen) << c.text;
        ASSERT_EQ(seams_.messages.size(), 2u) << c.text; // on Enter, and again on OK, not on Cancel
        for (const auto& message : seams_.messages) {
            EXPECT_EQ(message.text, QString::fromLatin1(c.message));
            EXPECT_EQ(message.caption, QString());
            EXPECT_EQ(message.kind, MessageKind::Warning);
        }
    }
}

TEST_F(FormOptionenTest, TypedAltitudeCountsWhenOkIsPressedWithoutLeavingTheField)
{
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        Type(Altitude(), QStringLiteral("1000"));
        Child<QPushButton>("Button_OK")->click(); // a button that takes no focus from the field
    });
    const auto result = form_->Edit(TOptionsValues{});
    ASSERT_TRUE(result.has_value());
    EXPECT_NEAR(result->airPressure, kPressureAt1000m, 1e-9);
    EXPECT_TRUE(seams_.messages.empty());
}

TEST_F(FormOptionenTest, ChoosingAhriOrEn308CouplesTheirOptions)
{
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        ShowPage(3);
        auto* total = Child<QCheckBox>("CheckBox_TotalEff");
        auto* energyClass = Child<QCheckBox>("CheckBox_HCLASS");
        EXPECT_TRUE(energyClass->isChecked());
        EXPECT_TRUE(energyClass->isEnabled());
        EXPECT_FALSE(total->isChecked());
        EXPECT_FALSE(total->isEnabled());

        Click("RadioButton_PHI_USA");
        EXPECT_TRUE(total->isChecked());
        EXPECT_TRUE(total->isEnabled());
        EXPECT_FALSE(energyClass->isChecked());
        EXPECT_FALSE(energyClass->isEnabled());

        Click("CheckBox_TotalEff");
        EXPECT_FALSE(total->isChecked());
        Click("RadioButton_PHI_USA"); // no new choice: the user's untick stays
        EXPECT_FALSE(total->isChecked());

        Click("RadioButton_PHI_Europa");
        EXPECT_TRUE(energyClass->isChecked());
        EXPECT_TRUE(energyClass->isEnabled());
        EXPECT_FALSE(total->isChecked());
        EXPECT_FALSE(total->isEnabled());

        Click("RadioButton_PHI_USA");
        Click("Button_OK");
    });
    const auto result = form_->Edit(TOptionsValues{});
    ASSERT_TRUE(result.has_value());
    EXPECT_TRUE(result->useAhriEffectiveness);
    EXPECT_TRUE(result->totalEffectiveness);
    EXPECT_FALSE(result->energyEfficiencyClass);
}

TEST_F(FormOptionenTest, CancelChangesNothingAndTheNextOpeningShowsTheGivenValuesOnThePageLastUsed)
{
    TOptionsValues values;
    values.airPressure = 950;
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        ShowPage(1);
        Click("RadioButton_US");
        Type(Altitude(), QStringLiteral("2000"));
        QTest::keyClick(Altitude(), Qt::Key_Return);
        ShowPage(2);
        Click("Button_Cancel");
    });
    EXPECT_FALSE(form_->Edit(values).has_value());

    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        EXPECT_EQ(Child<QTabWidget>("PageControl1")->currentIndex(), 2);
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_SI")->isChecked());
        EXPECT_EQ(Pressure()->text(), QStringLiteral("950"));
        EXPECT_EQ(PressureUnit(), QStringLiteral("mbar"));
        Click("Button_OK");
    });
    const auto result = form_->Edit(values);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->unitSystem, UnitSystem::SI);
    EXPECT_EQ(result->airPressure, 950);
}

TEST_F(FormOptionenTest, DoubleClickInAUnitColumnChoosesItsSystem)
{
    TOptionsValues values;
    values.airPressure = kPressureAt1000m;
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        ShowPage(1);
        DoubleClickCell(3, 2);
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_US")->isChecked());
        EXPECT_FALSE(Child<QRadioButton>("RadioButton_SI")->isChecked());
        EXPECT_EQ(PressureUnit(), QStringLiteral("atm"));
        EXPECT_NEAR(Pressure()->Value(), kPressureAt1000m / 1013, 1e-12);
        EXPECT_NEAR(Altitude()->Value(), 3280.8, 1e-6);

        DoubleClickCell(5, 0); // the quantity column chooses nothing
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_US")->isChecked());

        DoubleClickCell(11, 1);
        EXPECT_TRUE(Child<QRadioButton>("RadioButton_SI")->isChecked());
        EXPECT_EQ(Pressure()->Value(), kPressureAt1000m);
        EXPECT_NEAR(Altitude()->Value(), 1000, 1e-9);
        DoubleClickCell(0, 2);
        Click("Button_OK");
    });
    const auto result = form_->Edit(values);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->unitSystem, UnitSystem::IP);
    EXPECT_EQ(result->airPressure, kPressureAt1000m);
}

TEST_F(FormOptionenTest, InputKindsAndSeparatorsAreTakenOnOk)
{
    TOptionsValues values;
    values.separators = {QLatin1Char('.'), QLatin1Char(',')};
    seams_.onDialog = seams_.AsUser([&](QDialog&) {
        ShowPage(2);
        auto* volume = Child<QComboBox>("Combo_Luftmenge");
        volume->setFocus();
        QTest::keyClick(volume, Qt::Key_Down);
        QTest::keyClick(volume, Qt::Key_Down);
        auto* humidity = Child<QComboBox>("Combo_Feuchte");
        humidity->setFocus();
        QTest::keyClick(humidity, Qt::Key_Down);
        Click("CheckBox_WB");
        ShowPage(1);
        Child<QLineEdit>("Edit_DecimalSeparator")->setFocus();
        QTest::keyClick(Child<QLineEdit>("Edit_DecimalSeparator"), Qt::Key_Backspace);
        Type(Child<QLineEdit>("Edit_ThousandSeparator"), QStringLiteral("'"));
        Click("Button_OK");
    });
    const auto result = form_->Edit(values);
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->airVolumeKind, 3);
    EXPECT_EQ(result->humidityKind, 1);
    EXPECT_TRUE(result->wetBulbOnDataSheet);
    EXPECT_EQ(result->separators.decimal, QLatin1Char('.')); // the emptied field keeps it
    EXPECT_EQ(result->separators.thousand, QLatin1Char('\''));
}

TEST_F(FormOptionenTest, LanguageChangeRelabelsWithoutLosingTheEntries)
{
    TOptionsValues values;
    values.humidityKind = 7;
    seams_.onDialog = seams_.AsUser([&](QDialog& dialog) {
        auto* pages = Child<QTabWidget>("PageControl1");
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Settings"));
        EXPECT_EQ(pages->tabText(0), QStringLiteral("   Environment   "));
        EXPECT_EQ(pages->tabText(1), QStringLiteral("   Units / Formats   "));
        EXPECT_EQ(pages->tabText(3), QStringLiteral("Process data"));
        EXPECT_EQ(Child<QCheckBox>("CheckBox_HCLASS")->text(),
                  QStringLiteral("Energy efficiency (DIN EN 13053) / Temperature efficiency ErP Lot 6"));
        auto* table = Child<QTableWidget>("Tabelle_Einheiten");
        EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral(" Air quantity"));
        EXPECT_EQ(table->item(0, 1)->text(), QString::fromUtf8("m³/h"));
        EXPECT_EQ(table->item(1, 2)->text(), QString::fromUtf8("°F"));

        Type(Pressure(), QStringLiteral("950"));
        QTest::keyClick(Pressure(), Qt::Key_Return);
        SetCurrentLanguage(Language::German);
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(&dialog, &change);

        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
        EXPECT_EQ(pages->tabText(0), QStringLiteral("   Umgebung   "));
        EXPECT_EQ(Child<QPushButton>("Button_Cancel")->text(), QStringLiteral("Abbrechen"));
        EXPECT_EQ(Child<QComboBox>("Combo_Feuchte")->currentText(), QStringLiteral("Feuchtkugeltemperatur"));
        EXPECT_EQ(Pressure()->text(), QStringLiteral("950"));
        EXPECT_EQ(Child<QComboBox>("Combo_Feuchte")->currentIndex(), 2);
        Type(Pressure(), QStringLiteral("500"));
        QTest::keyClick(Pressure(), Qt::Key_Return);
        Click("Button_Cancel");
    });
    EXPECT_FALSE(form_->Edit(values).has_value());
    ASSERT_EQ(seams_.messages.size(), 1u);
    EXPECT_EQ(seams_.messages[0].text, QStringLiteral("Bitte geben Sie eine Zahl zwischen 600 und 1100 ein"));
}

} // namespace
} // namespace velmarsund
