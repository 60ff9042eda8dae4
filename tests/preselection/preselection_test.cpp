// The preselection window from the main window: the table against rotorcalc's sizes mode in both
// unit systems, the proposal, OK and double click, Cancel leaving the main window's record as it
// was, the annual columns of a selection with an annual block.

#include "annual_page.h"
#include "annual_request.h"
#include "annual_selection.h"
#include "batch.h"
#include "convert_unit.h"
#include "form_baugroessen_rotor.h"
#include "int_edit.h"
#include "generated_epw.h"
#include "main_window_fixture.h"
#include "number_format.h"
#include "num_edit.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTableWidget>

#include <cmath>
#include <cstring>

namespace velmarsund {
namespace {

using namespace velmarsund::testing;
using request::Json;

class PreselectionTest : public MainWindowFixture {
protected:
    // Opens the window through its button; `act` works in it and gives the result.
    void Preselect(const std::function<int(TFormBaugroessen_Rotor&)>& act)
    {
        seams_.onDialog = [act](QDialog& d) {
            auto* window = qobject_cast<TFormBaugroessen_Rotor*>(&d);
            EXPECT_NE(window, nullptr);
            return window ? act(*window) : int(QDialog::Rejected);
        };
        Get<QPushButton>(*window_, "Button_Vorauswahl")->click();
    }

    // The sizes mode for what the main window holds.
    Json SizesOfWindow(bool ahri = false)
    {
        const TDatenRWT& r = window_->WinterRecord();
        const auto state = [](const AirStreamState& s) {
            return Json{{"SVol", s.SVol}, {"Temp", s.Temp}, {"Humidity", s.Humidity}};
        };
        return rotorcalc::RunRequest(Json{{"mode", "sizes"},
                                          {"SeriesIndex", window_->SeriesIndex()},
                                          {"Profile", window_->ProfileText().toStdString()},
                                          {"MatrixType", r.MatrixType},
                                          {"AirPressure", r.AirPressure},
                                          {"UseAhriEffectiveness", ahri},
                                          {"State11", state(r.State11)},
                                          {"State21", state(r.State21)}});
    }

    static void ExpectCellsEqual(TFormBaugroessen_Rotor& w, const Json& sizes, UnitSystem units)
    {
        using namespace Unit;
        ASSERT_EQ(w.RowCount(), static_cast<int>(sizes["Rows"].size()) + 2);
        for (std::size_t i = 0; i < sizes["Rows"].size(); ++i) {
            const Json& row = sizes["Rows"][i];
            const int r = static_cast<int>(i) + 2;
            EXPECT_EQ(w.CellText(r, 0).toStdString(), row["Designation"].get<std::string>());
            EXPECT_EQ(w.CellText(r, 3), QString::number(row["Diameter"].get<int>()));
            if (!row["Suitable"]) {
                for (int c = 4; c < 9; ++c) EXPECT_EQ(w.CellText(r, c), QStringLiteral("--")) << r << ',' << c;
                continue;
            }
            EXPECT_EQ(w.CellText(r, 4),
                      FormatFixed(ConvertUnit(Quantity::AirVelocity, MetrePerSecond,
                                              UnitChoice(units, MetrePerSecond, FeetPerMinute), row["VMax"]),
                                  UnitChoice(units, 2, 0)));
            EXPECT_EQ(w.CellText(r, 5),
                      FormatFixed(ConvertUnit(Quantity::PressureDrop, Pascal, UnitChoice(units, Pascal, InchWaterGauge),
                                              row["DpMax"]),
                                  UnitChoice(units, 0, 3)));
            EXPECT_EQ(w.CellText(r, 6), FormatFixed(row["Phi1"], 1));
            EXPECT_EQ(w.CellText(r, 7), FormatFixed(ConvertUnit(Quantity::Temperature, Celsius,
                                                                UnitChoice(units, Celsius, Fahrenheit), row["T12"]),
                                                    1));
            EXPECT_EQ(w.CellText(r, 8), FormatFixed(row["Psi1"], 1));
        }
        EXPECT_EQ(w.SelectedRow(), sizes["Selected"].get<int>() + 2);
    }

    // Both inlet flows as actual volume of 10000 m³/h through the settings' kind, typed in.
    void TenThousandActual()
    {
        TOptionsValues options;
        options.unitSystem = window_->GetUnitSystem();
        options.airVolumeKind = 1; // actual volume
        options.separators = ProgramSeparators();
        window_->ApplyOptions(options);
        for (const char* name : {"Edit_SVol11", "Edit_SVol21"}) {
            auto* field = Get<TNumEdit>(*window_, name);
            field->setFocus();
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("10000"));
            QTest::keyClick(field, Qt::Key_Return);
        }
    }
};

TEST_F(PreselectionTest, TheExampleOfTenThousandCubicMetresPerHourInAnHxlHousing)
{
    StartWindow();
    Get<QComboBox>(*window_, "Combo_RahmenMaterial")->setCurrentIndex(0);
    TenThousandActual();
    Preselect([&](TFormBaugroessen_Rotor& w) {
        EXPECT_EQ(w.windowTitle(), QStringLiteral("Rotor Sizes"));
        EXPECT_EQ(w.Evaluation().dLow, 1189);
        EXPECT_EQ(w.Evaluation().dHigh, 2660);
        EXPECT_EQ(w.CellText(0, 0), QStringLiteral("Size"));
        EXPECT_EQ(w.CellText(0, 4), QStringLiteral("v max"));
        EXPECT_EQ(w.CellText(1, 4), QStringLiteral("[m/s]"));
        EXPECT_EQ(w.CellText(1, 7), QStringLiteral("[°C]"));
        QStringList suitable;
        for (int r = 2; r < w.RowCount(); ++r)
            if (w.RowSuitable(r)) suitable << w.CellText(r, 3);
        EXPECT_EQ(suitable, (QStringList{QStringLiteral("1420"), QStringLiteral("1670"), QStringLiteral("1920"),
                                         QStringLiteral("2130"), QStringLiteral("2380"), QStringLiteral("2630")}));
        EXPECT_TRUE(w.CellText(w.SelectedRow(), 0).endsWith(QStringLiteral("2750/2750-2630")));
        EXPECT_TRUE(w.Button_OK->isEnabled());
        // A row outside the range cannot be taken.
        w.Tabelle_Baugroessen->setCurrentCell(0, 0);
        EXPECT_FALSE(w.Button_OK->isEnabled());
        w.Tabelle_Baugroessen->setCurrentCell(w.Evaluation().selected, 0);
        EXPECT_TRUE(w.Button_OK->isEnabled());
        return int(QDialog::Rejected);
    });
}

TEST_F(PreselectionTest, CellsEqualTheSizesModeInBothUnitSystems)
{
    StartWindow();
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
        TOptionsValues options;
        options.unitSystem = units;
        options.separators = ProgramSeparators();
        options.useAhriEffectiveness = units == UnitSystem::IP;
        window_->ApplyOptions(options);
        const Json sizes = SizesOfWindow(options.useAhriEffectiveness);
        Preselect([&](TFormBaugroessen_Rotor& w) {
            ExpectCellsEqual(w, sizes, units);
            EXPECT_EQ(w.CellText(1, 4), units == UnitSystem::SI ? QStringLiteral("[m/s]") : QStringLiteral("[fpm]"));
            EXPECT_EQ(w.CellText(1, 5), units == UnitSystem::SI ? QStringLiteral("[Pa]") : QStringLiteral("[in. WG]"));
            return int(QDialog::Rejected);
        });
    }
}

TEST_F(PreselectionTest, CancelLeavesTheMainWindowsRecordAsItWas)
{
    StartWindow();
    Calculate();
    ASSERT_TRUE(window_->ResultsValid());
    const TDatenRWT before = window_->WinterRecord();
    Preselect([](TFormBaugroessen_Rotor& w) {
        w.Tabelle_Baugroessen->setCurrentCell(0, 0);
        return int(QDialog::Rejected);
    });
    const TDatenRWT& after = window_->WinterRecord();
    const auto same = [](const auto& a, const auto& b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    EXPECT_TRUE(same(after.State11, before.State11));
    EXPECT_TRUE(same(after.State12, before.State12));
    EXPECT_TRUE(same(after.State21, before.State21));
    EXPECT_TRUE(same(after.State22, before.State22));
    for (const auto& [a, b] : {std::pair{after.TempEff1, before.TempEff1}, {after.HumEff1, before.HumEff1},
                               {after.DeltaP1, before.DeltaP1}, {after.FaceVelocity1, before.FaceVelocity1},
                               {after.SensibleHeat1, before.SensibleHeat1}, {after.AhriSensible1, before.AhriSensible1}})
        EXPECT_TRUE(same(a, b));
    EXPECT_EQ(after.Diameter, before.Diameter);
    EXPECT_EQ(after.Status, before.Status);
    EXPECT_TRUE(window_->ResultsValid());
}

TEST_F(PreselectionTest, OkAndDoubleClickTakeTheSizeOver)
{
    StartWindow();
    Calculate();
    Preselect([](TFormBaugroessen_Rotor& w) {
        w.Button_OK->click();
        return w.result();
    });
    auto* list = Get<QListWidget>(*window_, "Liste_Baugroessen");
    const Json sizes = SizesOfWindow();
    const int proposed = sizes["Selected"];
    EXPECT_EQ(list->currentRow(), proposed);
    EXPECT_EQ(Get<TIntEdit>(*window_, "Edit_Rad")->text().toInt(), sizes["Rows"][proposed]["Diameter"].get<int>());
    EXPECT_FALSE(window_->ResultsValid()); // a new size is a new selection

    // A double click on another suitable row takes that one.
    int other = -1;
    for (std::size_t i = 0; i < sizes["Rows"].size(); ++i)
        if (sizes["Rows"][i]["Suitable"] && static_cast<int>(i) != proposed) other = static_cast<int>(i);
    ASSERT_GE(other, 0);
    Preselect([other](TFormBaugroessen_Rotor& w) {
        emit w.Tabelle_Baugroessen->cellDoubleClicked(other, 0);
        return w.result();
    });
    EXPECT_EQ(list->currentRow(), other);
}

TEST_F(PreselectionTest, WithoutASuitableSizeTheFirstRowIsSelectedAndCannotBeTaken)
{
    StartWindow();
    for (const char* name : {"Edit_SVol11", "Edit_SVol21"}) {
        auto* field = Get<TNumEdit>(*window_, name);
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("900000"));
        QTest::keyClick(field, Qt::Key_Return);
    }
    auto* list = Get<QListWidget>(*window_, "Liste_Baugroessen");
    const int before = list->currentRow();
    Preselect([](TFormBaugroessen_Rotor& w) {
        EXPECT_EQ(w.SelectedRow(), 2);
        EXPECT_FALSE(w.Button_OK->isEnabled());
        emit w.Tabelle_Baugroessen->cellDoubleClicked(0, 0);
        EXPECT_EQ(w.result(), 0);
        w.Button_OK->click();
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(list->currentRow(), before);
}

TEST_F(PreselectionTest, AnAnnualBlockAddsEverySuitableSizesYearAndAWeatherFileThatDoesNotReadIsReported)
{
    StartWindow();
    TenThousandActual();
    // A year of a daily swing between -12 and +28 degC, so that it heats, cools and stands idle.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Testhafen.epw"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const std::size_t days = 365;
    file.write(QByteArray::fromStdString(GeneratedEpw([&](std::size_t i) {
        return EpwHour{-12 + 40.0 * static_cast<double>(i / 24) / days + 4 * std::sin(static_cast<double>(i % 24) / 4), 60,
                       std::nullopt};
    })));
    file.close();
    Selection annual = window_->CurrentSelection();
    annual.annual = AnnualInputs{};
    annual.annual->weather = path.toStdString();
    window_->ApplySelection(annual);
    const Selection selection = window_->CurrentSelection();
    ASSERT_TRUE(selection.annual.has_value());
    const WeatherYear weather = request::ReadWeatherFile(path.toStdString());

    Preselect([&](TFormBaugroessen_Rotor& w) {
        EXPECT_EQ(w.Tabelle_Baugroessen->columnCount(), 11);
        EXPECT_EQ(w.CellText(0, 9), QStringLiteral("Heating saved"));
        EXPECT_EQ(w.CellText(0, 10), QStringLiteral("Fan energy"));
        EXPECT_EQ(w.CellText(1, 9), QStringLiteral("[kWh/a]"));
        int suitable = 0;
        for (std::size_t i = 0; i < w.Evaluation().rows.size(); ++i) {
            const SizeEvaluationRow& row = w.Evaluation().rows[i];
            const int r = static_cast<int>(i) + 2;
            if (!row.suitable) {
                EXPECT_EQ(w.CellText(r, 9), QStringLiteral("--"));
                EXPECT_EQ(w.CellText(r, 10), QStringLiteral("--"));
                continue;
            }
            // The size's own selection through the selection's year.
            Selection sized = selection;
            sized.height = row.height;
            sized.width = row.width;
            sized.diameter = row.diameter;
            const AnnualFigures year = CalculateAnnualEnergy(sized, weather).year;
            EXPECT_GT(year.heating, 0);
            EXPECT_EQ(w.CellText(r, 9), FormatNumber(year.heatingTotal, 0)) << row.designation;
            EXPECT_EQ(w.CellText(r, 10), FormatNumber(year.fanEnergy, 0)) << row.designation;
            ++suitable;
        }
        EXPECT_GE(suitable, 3);
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(seams_.messages.empty());

    // The weather file gone: the sizes without their years, and the reason in a warning.
    QFile::remove(path);
    Preselect([&](TFormBaugroessen_Rotor& w) {
        EXPECT_EQ(w.Tabelle_Baugroessen->columnCount(), 9);
        EXPECT_TRUE(w.RowSuitable(w.SelectedRow()));
        return int(QDialog::Rejected);
    });
    ASSERT_EQ(seams_.messages.size(), 1U);
    EXPECT_TRUE(seams_.messages[0].text.startsWith(QStringLiteral("The weather file cannot be read")));
    EXPECT_TRUE(seams_.messages[0].text.contains(QStringLiteral("Testhafen.epw"))) << seams_.messages[0].text.toStdString();
    // The window's words for the same fault.
    try {
        request::ReadWeatherFile(path.toStdString());
        ADD_FAILURE() << "read";
    } catch (const WeatherFileError& e) {
        EXPECT_TRUE(seams_.messages[0].text.endsWith(
            QLatin1Char('\n') + WeatherFileMessage(path.toStdString(), e, Language::English)))
            << seams_.messages[0].text.toStdString();
    }
}

} // namespace
} // namespace velmarsund
