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
#include "selection_change.h"
#include "selection_commands.h"
#include "selection_json.h"
#include "size_tables.h"
#include "text_table.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QSignalBlocker>
#include <QTimer>
#include <QUndoStack>

namespace velmarsund {
namespace {

constexpr TextId kHeating = 272;
constexpr TextId kCooling = 273;

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

// The lines up to the last one that is not empty, as a selection keeps them.
template <std::size_t N> std::vector<QString> KeptLines(const std::array<QString, N>& lines) {
    std::size_t end = N;
    while (end > 0 && lines[end - 1].isEmpty())
        --end;
    return std::vector<QString>(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(end));
}

template <std::size_t N> std::array<QString, N> Lines(const std::vector<QString>& lines) {
    std::array<QString, N> out;
    for (std::size_t i = 0; i < N && i < lines.size(); ++i)
        out[i] = lines[i];
    return out;
}

} // namespace

Selection TFormRotor::SelectionOfWindow() const {
    Selection s;
    const TDatenRWT& winter = WinterRecord();
    s.airPressure = AirPressure();
    s.humidityKind = HumidityInputKind();
    s.volumeKind = AirVolumeInputKind();
    const auto entered = [&s](const TDatenRWT& r) {
        return SeasonInlets{EnteredQuantities(r.State11, s.humidityKind, s.volumeKind),
                            EnteredQuantities(r.State21, s.humidityKind, s.volumeKind)};
    };
    s.winter = entered(winter);
    s.summer = entered(SummerRecord());
    s.summerShown = GetSeasonView() == SeasonView::WinterAndSummer;
    s.useSeasons = UseSeasons();
    s.seriesIndex = SeriesIndex();
    s.matrixType = winter.MatrixType;
    s.profile = ProfileText().toStdString();
    s.height = height_;
    s.width = width_;
    s.diameter = winter.Diameter;
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
    s.notes = KeptLines(basis_.notesData);
    s.chartNotes = KeptLines(basis_.notesChart);
    s.mollier = Mollier();
    s.leakage = FirstLeakageChoices(s.units);
    if (formLeakage_) {
        s.leakage = formLeakage_->Choices();
        s.leakage.pressure1 = ConvertPressure(s.leakage.pressure1, formLeakage_->GetUnitSystem(), s.units);
        s.leakage.pressure2 = ConvertPressure(s.leakage.pressure2, formLeakage_->GetUnitSystem(), s.units);
    }
    s.annual = annual_;
    return s;
}

const Selection& TFormRotor::CurrentSelection() {
    CommitSelection();
    return selection_;
}

void TFormRotor::ScheduleCommit() {
    if (commitScheduled_ || applying_ || !undoStack_) return;
    commitScheduled_ = true;
    // The change is there to undo before its step is taken.
    if (Menu_Edit_Undo) Menu_Edit_Undo->setEnabled(true);
    QTimer::singleShot(0, this, [this] { CommitSelection(); });
}

void TFormRotor::CommitSelection() {
    commitScheduled_ = false;
    if (applying_ || !undoStack_) return;
    // Enabled ahead for a change pending; now as the history says.
    Menu_Edit_Undo->setEnabled(undoStack_->canUndo());
    Selection now = SelectionOfWindow();
    // The language is the window's, not an edit of the selection.
    selection_.language = now.language;
    if (now == selection_) return;
    undoStack_->push(new TSelectionChange(*this, selection_, now));
    selection_ = std::move(now);
    if (selectionCommands_) selectionCommands_->UpdateCaption();
}

void TFormRotor::StartHistory() {
    commitScheduled_ = false;
    selection_ = SelectionOfWindow();
    if (undoStack_) undoStack_->clear();
    if (Menu_Edit_Undo) Menu_Edit_Undo->setEnabled(false);
}

CalculatedSelection TFormRotor::CalculatedForPages() {
    CalculatedSelection c = calculated_;
    const Selection& now = CurrentSelection();
    c.selection.language = now.language;
    c.selection.winterCaption = now.winterCaption;
    c.selection.summerCaption = now.summerCaption;
    c.selection.printHeader = now.printHeader;
    c.selection.header = now.header;
    c.selection.notes = now.notes;
    c.selection.chartNotes = now.chartNotes;
    c.winterCaption = WinterCaptionOf(now);
    c.summerCaption = SummerCaptionOf(now);
    return c;
}

void TFormRotor::ApplySelection(const Selection& s) {
    const bool wasApplying = applying_;
    applying_ = true;
    CloseSizeList();
    annual_ = s.annual;
    // The air as entered, into both records; the fields show it once the input kinds are set.
    for (TDatenRWT* r : {&WinterRecord(), &SummerRecord()}) {
        r->AirPressure = s.airPressure;
        r->HumidityKind = static_cast<std::uint8_t>(s.humidityKind);
        r->VolumeKind = static_cast<std::uint8_t>(s.volumeKind);
    }
    WinterRecord().State11 = s.winter.supply;
    WinterRecord().State21 = s.winter.exhaust;
    if (s.summer) {
        SummerRecord().State11 = s.summer->supply;
        SummerRecord().State21 = s.summer->exhaust;
    } else {
        SummerRecord().State11 = FirstSummerInlet(32, 40, s.airPressure);
        SummerRecord().State21 = FirstSummerInlet(22, 50, s.airPressure);
    }

    // The settings window's switches, as its OK would apply them.
    TOptionsValues options;
    options.unitSystem = s.units;
    options.airPressure = s.airPressure;
    options.airVolumeKind = s.volumeKind;
    options.humidityKind = s.humidityKind;
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
    if (formLeakage_ || s.leakage != FirstLeakageChoices(s.units))
        FormLeakage().SetChoices(s.leakage, s.units);

    // The panel: series and matrix type, their lists, the profile, the size and the dimensions.
    {
        const QSignalBlocker series(Combo_RahmenMaterial);
        const QSignalBlocker type(Combo_Rotortyp);
        Combo_RahmenMaterial->setCurrentIndex(KeptListIndex(s.seriesIndex, Combo_RahmenMaterial->count()));
        Combo_Rotortyp->setCurrentIndex(KeptListIndex(
            MatrixTypeIndexOf(s.matrixType, Combo_Rotortyp->currentIndex()), Combo_Rotortyp->count()));
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
            if (size && size->Height == s.height && size->Width == s.width && size->Diameter == s.diameter) {
                Liste_Baugroessen->setCurrentRow(static_cast<int>(row));
                break;
            }
        }
    }
    Edit_Hoehe->SetValue(static_cast<int>(s.height));
    Edit_Breite->SetValue(static_cast<int>(s.width));
    Edit_Rad->SetValue(s.diameter);
    // The change handler of an entered dimension: records, geometry, weight, results invalid.
    Aenderung_Geraet(Edit_Rad);
    applying_ = wasApplying;
    if (!applying_) selection_ = SelectionOfWindow();
    if (selectionCommands_) selectionCommands_->UpdateCaption();
}

void TFormRotor::NewSelection() {
    const request::Json first = {{"Height", 2000},
                                 {"Width", 2000},
                                 {"Summer", request::Json::object()},
                                 {"ShowSummer", false},
                                 {"UseSeasons", false}};
    Selection s = SelectionFromJson(first);
    s.language = CurrentLanguage();
    s.separators = SystemSeparators();
    s.header = {};
    s.header[1] = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    ApplySelection(s);
}

void TFormRotor::CreateUndoCommands() {
    undoStack_ = new QUndoStack(this);
    undoStack_->setObjectName(QStringLiteral("SelectionUndoStack"));
    Menu_Edit_Undo = new QAction(this);
    Menu_Edit_Undo->setObjectName(QStringLiteral("Menu_Edit_Undo"));
    Menu_Edit_Undo->setShortcuts(QKeySequence::Undo);
    Menu_Edit_Redo = new QAction(this);
    Menu_Edit_Redo->setObjectName(QStringLiteral("Menu_Edit_Redo"));
    // Ctrl+Y and Ctrl+Shift+Z alike, on every desktop.
    Menu_Edit_Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // What was typed and not yet committed is a change of its own: committed first, then undone.
    connect(Menu_Edit_Undo, &QAction::triggered, this, [this] {
        if (CommitPendingEntries()) {
            CommitSelection();
            undoStack_->undo();
        }
    });
    connect(Menu_Edit_Redo, &QAction::triggered, this, [this] {
        if (CommitPendingEntries()) undoStack_->redo();
    });
    Menu_Edit_Undo->setEnabled(false);
    Menu_Edit_Redo->setEnabled(false);
    connect(undoStack_, &QUndoStack::canUndoChanged, Menu_Edit_Undo, &QAction::setEnabled);
    connect(undoStack_, &QUndoStack::canRedoChanged, Menu_Edit_Redo, &QAction::setEnabled);
    const QList<QAction*> editItems = Menu_Edit->actions();
    QAction* first = editItems.isEmpty() ? nullptr : editItems.front();
    Menu_Edit->insertAction(first, Menu_Edit_Undo);
    Menu_Edit->insertAction(first, Menu_Edit_Redo);
    Menu_Edit->insertSeparator(first);
    selection_ = SelectionOfWindow();
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
