// The rotor main window's selection as a whole: what a selection file takes from the window and
// how an opened one fills it, entry by entry as the user would.

#include "air_completion.h"
#include "convert_unit.h"
#include "form_rot_leakage.h"
#include "form_rotor.h"
#include "int_edit.h"
#include "leakage_view.h"
#include "math_error.h"
#include "matrix_types.h"
#include "number_separators.h"
#include "options_values.h"
#include "selection_commands.h"
#include "size_tables.h"
#include "text_table.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QSignalBlocker>

namespace velmarsund {
namespace {

using rotorsheet::SheetRequest;

constexpr TextId kHeating = 272;
constexpr TextId kCooling = 273;

// The leakage choices of a first start, with the pressures in `units`.
LeakageChoices FirstLeakageChoices(UnitSystem units) {
    LeakageChoices c;
    c.pressure1 = c.pressure2 = ConvertPressure(-300, UnitSystem::SI, units);
    return c;
}

bool SameChoices(const LeakageChoices& a, const LeakageChoices& b) {
    return a.fan1 == b.fan1 && a.fan2 == b.fan2 && a.pressure1 == b.pressure1 && a.pressure2 == b.pressure2 &&
           a.purgeSector == b.purgeSector && a.details == b.details;
}

// A summer inlet of a first start, complete for every input kind.
AirStreamState FirstSummerInlet(double temp, double humidity, double pressure) {
    AirStreamState s;
    s.SVol = 10000;
    s.Temp = temp;
    s.Humidity = humidity;
    try {
        CompleteAirState(RelativeHumidity, s, pressure);
        CompleteAirFlow(StandardVolume, s, pressure);
    } catch (const MathError&) {
        // the air pressure is checked; what cannot be completed keeps the entered values
    }
    return s;
}

template <std::size_t N> std::array<QString, N> Lines(const std::vector<QString>& lines) {
    std::array<QString, N> out;
    for (std::size_t i = 0; i < N && i < lines.size(); ++i)
        out[i] = lines[i];
    return out;
}

} // namespace

SheetRequest TFormRotor::CurrentSelection() const {
    SheetRequest s;
    s.winter = WinterRecord();
    s.winter.HumidityKind = static_cast<std::uint8_t>(HumidityInputKind());
    s.winter.VolumeKind = static_cast<std::uint8_t>(AirVolumeInputKind());
    s.winter.AirPressure = AirPressure();
    s.summer = SummerRecord();
    s.summerShown = GetSeasonView() == SeasonView::WinterAndSummer;
    s.useSeasons = UseSeasons();
    s.seriesIndex = SeriesIndex();
    s.profile = ProfileText().toStdString();
    s.height = height_;
    s.width = width_;
    s.diameterGiven = true;
    s.language = CurrentLanguage();
    s.units = GetUnitSystem();
    // Captions as the language gives them are left to the language of whoever opens the file.
    if (WinterCaption() != LoadText(kHeating)) s.winterCaption = WinterCaption();
    if (SummerCaption() != LoadText(kCooling)) s.summerCaption = SummerCaption();
    s.effectiveness = Effectiveness();
    s.wetBulbOnDataSheet = WetBulbOnDataSheet();
    s.separators = ProgramSeparators();
    s.printHeader = basis_.printHeader;
    s.header = basis_.header;
    s.notes.assign(basis_.notesData.begin(), basis_.notesData.end());
    s.chartNotes.assign(basis_.notesChart.begin(), basis_.notesChart.end());
    s.mollier = Mollier();
    s.leakage = FirstLeakageChoices(s.units);
    if (formLeakage_) {
        s.leakage = formLeakage_->Choices();
        s.leakage.pressure1 = ConvertPressure(s.leakage.pressure1, formLeakage_->GetUnitSystem(), s.units);
        s.leakage.pressure2 = ConvertPressure(s.leakage.pressure2, formLeakage_->GetUnitSystem(), s.units);
    }
    return s;
}

void TFormRotor::ApplySelection(const SheetRequest& s) {
    CloseSizeList();
    // The air as entered, into both records; the fields show it once the input kinds are set.
    const TDatenRWT& winter = s.winter;
    for (TDatenRWT* r : {&WinterRecord(), &SummerRecord()}) {
        r->AirPressure = winter.AirPressure;
        r->HumidityKind = winter.HumidityKind;
        r->VolumeKind = winter.VolumeKind;
    }
    WinterRecord().State11 = winter.State11;
    WinterRecord().State21 = winter.State21;
    if (s.summer) {
        SummerRecord().State11 = s.summer->State11;
        SummerRecord().State21 = s.summer->State21;
    } else {
        SummerRecord().State11 = FirstSummerInlet(32, 40, winter.AirPressure);
        SummerRecord().State21 = FirstSummerInlet(22, 50, winter.AirPressure);
    }

    // The settings window's switches, as its OK would apply them.
    TOptionsValues options;
    options.unitSystem = s.units;
    options.airPressure = winter.AirPressure;
    options.airVolumeKind = winter.VolumeKind;
    options.humidityKind = winter.HumidityKind;
    options.separators = s.separators;
    options.useAhriEffectiveness = s.effectiveness.useAhriEffectiveness;
    options.totalEffectiveness = s.effectiveness.totalEffectiveness;
    options.energyEfficiencyClass = s.effectiveness.energyEfficiencyClass;
    options.wetBulbOnDataSheet = s.wetBulbOnDataSheet;
    ApplyOptions(options);

    SetUseSeasons(s.useSeasons);
    SetSeasonView(s.summer && s.summerShown ? SeasonView::WinterAndSummer : SeasonView::WinterOnly);
    Edit_Winter->setText(s.winterCaption.value_or(LoadText(kHeating)));
    Edit_Sommer->setText(s.summerCaption.value_or(LoadText(kCooling)));
    SetMollier(s.mollier);
    basis_.printHeader = s.printHeader;
    basis_.header = s.header;
    basis_.notesData = Lines<3>(s.notes);
    basis_.notesChart = Lines<3>(s.chartNotes);
    if (formLeakage_ || !SameChoices(s.leakage, FirstLeakageChoices(s.units)))
        FormLeakage().SetChoices(s.leakage, s.units);

    // The panel: series and matrix type, their lists, the profile, the size and the dimensions.
    {
        const QSignalBlocker series(Combo_RahmenMaterial);
        const QSignalBlocker type(Combo_Rotortyp);
        Combo_RahmenMaterial->setCurrentIndex(KeptListIndex(s.seriesIndex, Combo_RahmenMaterial->count()));
        Combo_Rotortyp->setCurrentIndex(KeptListIndex(
            MatrixTypeIndexOf(winter.MatrixType, Combo_Rotortyp->currentIndex()), Combo_Rotortyp->count()));
    }
    RebuildMatrixTypes();
    RebuildSizeList();
    RebuildProfiles();
    {
        const QSignalBlocker block(Combo_Rotorprofil);
        const int index = Combo_Rotorprofil->findText(QString::fromStdString(s.profile));
        if (index >= 0) Combo_Rotorprofil->setCurrentIndex(index);
    }
    {
        const QSignalBlocker block(Liste_Baugroessen);
        for (std::size_t row = 0; row < sizeTable_.size(); ++row) {
            const auto size = ParseSizeRow(sizeTable_[row]);
            if (size && size->Height == s.height && size->Width == s.width &&
                size->Diameter == winter.Diameter) {
                Liste_Baugroessen->setCurrentRow(static_cast<int>(row));
                break;
            }
        }
    }
    Edit_Hoehe->SetValue(static_cast<int>(s.height));
    Edit_Breite->SetValue(static_cast<int>(s.width));
    Edit_Rad->SetValue(winter.Diameter);
    // The change handler of an entered dimension: records, geometry, weight, results invalid.
    Aenderung_Geraet(Edit_Rad);
}

void TFormRotor::NewSelection() {
    rotorsheet::Json first = {{"Height", 2000},
                              {"Width", 2000},
                              {"Summer", rotorsheet::Json::object()},
                              {"ShowSummer", false},
                              {"UseSeasons", false}};
    SheetRequest s = rotorsheet::ReadSheetRequest(first);
    s.language = CurrentLanguage();
    s.separators = SystemSeparators();
    s.header = {};
    s.header[1] = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    ApplySelection(s);
}

QString TFormRotor::HintLine() const {
    return LB_Hinweis->text();
}

void TFormRotor::closeEvent(QCloseEvent* event) {
    if (!selectionCommands_->MayDiscardChanges(true)) {
        event->ignore();
        return;
    }
    selectionCommands_->KeepForNextStart();
    TFormProdukt::closeEvent(event);
}

} // namespace velmarsund
