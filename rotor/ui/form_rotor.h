#pragma once
// The rotor main window, the program's main window: the device panel (housing series, matrix
// type, profile, standard size or free housing dimensions, wheel diameter) with its change
// handler, the calculate command (button and F9), the standard-size list and the title panel.

#include "calculate_selection.h"
#include "designation.h"
#include "form_produkt.h"
#include "panel_geometry.h"
#include "selection.h"

#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QUndoStack;

namespace velmarsund {

class TFormBaugroessen_Rotor;
class TFormJahresenergie;
class TFormMollier;
class TFormRotLeakage;
class TIntEdit;
class TSelectionCommands;

class TFormRotor : public TFormProdukt {
    Q_OBJECT
  public:
    explicit TFormRotor(QWidget* parent = nullptr);
    ~TFormRotor() override;

    // The change handler of the panel; `sender` (one of the panel's controls) decides which steps
    // run. The size-table window calls it with Liste_Baugroessen after setting the list index.
    void Aenderung_Geraet(QObject* sender);
    // The panel into both records.
    void CopyRotorToRecords();
    // The winter record and the stored dimensions into the panel, once at start.
    void ShowRecordInPanel();
    // Picks a standard size as the list does.
    void SelectStandardSize(int index);

    // The rotor weight of the current configuration, kg (0 when it cannot be computed).
    int RotorWeightKg() const { return rotorWeight_; }
    const Designation& CurrentDesignation() const { return designation_; }
    int SeriesIndex() const;
    int HousingCode() const { return geometry_.HousingCode; }
    QString ProfileText() const;

    // The leakage window and the chart window, created on first use.
    TFormRotLeakage& FormLeakage();
    TFormMollier& FormMollier();
    // The annual energy window, created on first use.
    TFormJahresenergie& FormJahresenergie();
    // The folder of the window's selection file, from which its relative paths are taken; empty
    // for a selection not yet saved.
    std::filesystem::path SelectionFolder();

    // The selection the window shows: the air, the panel, the settings window's switches, captions,
    // header, notes, chart kind and leakage choices. The window's fields and panel edit it; every
    // committed change is one step of the undo history.
    const Selection& CurrentSelection();
    // The last calculation of the selection; valid while ResultsValid().
    const CalculatedSelection& Calculated() const { return calculated_; }
    // What the pages print now: the last calculation, with the selection's language, captions,
    // header and notes as they are now (they change no result).
    CalculatedSelection CalculatedForPages();
    // Fills the window from a selection as if the user had typed it (the language stays); results
    // are invalid until the next Calculate. Not a step of the undo history.
    void ApplySelection(const Selection& selection);
    // The selection of a first start.
    void NewSelection();
    // Takes what the window shows into its selection; a change becomes a step of the undo history.
    void CommitSelection();
    // The same once the current user action has ended, so that all it changed is one step.
    void ScheduleCommit();
    // What the window's fields, panel and windows hold now, as a selection.
    Selection SelectionOfWindow() const;
    // The undo history of the selection; a file opened or started anew begins a new one.
    QUndoStack& UndoStack() { return *undoStack_; }
    // Takes what the window shows as its selection and begins a new undo history with it.
    void StartHistory();
    // The text of the hint line under the outlet table.
    QString HintLine() const;
    // The File and Edit commands for selection files and results.
    TSelectionCommands& SelectionCommands() { return *selectionCommands_; }

  public slots:
    void Button_BerechnenClick();

  protected:
    void SelectionEdited() override { CommitSelection(); }
    void ReadSettings() override;
    void WriteSettings() override;
    void SetTexts() override;
    void CompleteStart() override;
    void CopyDeviceToRecords() override;
    void ShowDeviceCaption() override;
    void Menu_Ansicht_DatenblattClick() override;
    void Menu_Ansicht_ProduktbeschreibungClick() override;
    void Menu_Ansicht_ReglerbeschreibungClick() override;
    void Menu_Ansicht_LeakageClick() override;
    void Menu_Ansicht_DiagrammClick() override;
    void SetResultCommandsEnabled(bool enabled) override;
    void PlaceDeviceControls(const QRect& devicePanel, int width) override;
    int DevicePanelWidth() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private slots:
    void Button_DropDownClick();
    void Button_VorauswahlClick();
    void Menu_ESCClick();
    void Menu_Ansicht_JahresenergieClick();

  private:
    friend class TSelectionCommands;

    void CreateTitle();
    void CreatePanel();
    void CreateCommands();
    void RebuildMatrixTypes();
    void RebuildSizeList();
    void RebuildProfiles();
    void OpenSizeList();
    void CloseSizeList();
    // Tab goes through the air fields, the panel from top to bottom, Calculate, the other commands.
    void SetTabChain();
    // The columns of the panel for the captions of the language, and every control placed in them.
    void FitPanelToTexts();
    void PlacePanel(int panelWidth);
    // The largest diameter, the weight and the motor of the current configuration.
    void ShowPanelValues();
    // The committed value of an integer field; its last valid value when the text is no integer.
    int FieldValue(TIntEdit* field, int fallback);
    void CreateUndoCommands();

    QWidget* Panel_Logo = nullptr;
    QLabel* Image_Logo = nullptr;
    QLabel* Image_Logo_R = nullptr;
    QLabel* L_Titel = nullptr;
    QLabel* L_Titel_S = nullptr;

    QWidget* Panel_Geraet = nullptr;
    QLabel* LB_RahmenMat = nullptr;
    QComboBox* Combo_RahmenMaterial = nullptr;
    QLabel* LB_Rotortyp = nullptr;
    QComboBox* Combo_Rotortyp = nullptr;
    QLabel* LB_Rotorprofil = nullptr;
    QComboBox* Combo_Rotorprofil = nullptr;
    QLabel* LB_Baugroesse = nullptr;
    QLabel* L_Baugroesse = nullptr;
    QToolButton* Button_DropDown = nullptr;
    QListWidget* Liste_Baugroessen = nullptr;
    QLabel* LB_Hoehe = nullptr;
    TIntEdit* Edit_Hoehe = nullptr;
    QLabel* LB_Breite = nullptr;
    TIntEdit* Edit_Breite = nullptr;
    QLabel* LB_Tiefe = nullptr;
    QLabel* L_Tiefe = nullptr;
    QLabel* LB_Raddurchmesser = nullptr;
    TIntEdit* Edit_Rad = nullptr;
    QLabel* LB_MaxRad = nullptr;
    QLabel* L_MaxRad = nullptr;
    QLabel* L_mm5 = nullptr;
    QLabel* LB_Gewicht = nullptr;
    QLabel* L_Gewicht = nullptr;
    QLabel* L_kg = nullptr;
    QLabel* LB_Motor = nullptr;
    QLabel* L_Motor = nullptr;
    std::vector<std::pair<QLabel*, int>> rowLabels_;  // the captions of the rows, with their row
    std::vector<std::pair<QLabel*, int>> unitLabels_; // the units after the values, with their row
    int controlLeft_ = 0; // where the lists and the size stand
    int entryLeft_ = 0;   // where the column of numbers begins

    QPushButton* Button_Berechnen = nullptr;
    QPushButton* Button_Vorauswahl = nullptr;
    QAction* Menu_Calculate = nullptr;
    QAction* Menu_ESC = nullptr;
    QAction* Menu_Ansicht_Jahresenergie = nullptr; // after Calculate

    int height_ = 2000; // the housing as the last change took it, mm
    int width_ = 2000;
    PanelGeometry geometry_;
    Designation designation_;
    std::vector<std::string> sizeTable_;
    int rotorWeight_ = 0;
    // Read from the settings file, used once to restore the selection.
    int seriesIndexSetting_ = 1;
    int sizeIndexSetting_ = 7;
    int profileIndexSetting_ = 1;
    bool profilesShown_ = false;
    TFormBaugroessen_Rotor* formBaugroessen_ = nullptr; // created on first use, as the next
    TFormRotLeakage* formLeakage_ = nullptr;
    TFormMollier* formMollier_ = nullptr;
    TFormJahresenergie* formJahresenergie_ = nullptr;
    TSelectionCommands* selectionCommands_ = nullptr;

    Selection selection_;
    // The annual block as the selection last applied gave it or the annual energy window last
    // committed it.
    std::optional<AnnualInputs> annual_;
    CalculatedSelection calculated_;
    QUndoStack* undoStack_ = nullptr;
    bool applying_ = false;        // a selection is being filled in: no step of its own
    bool commitScheduled_ = false;
    QAction* Menu_Edit_Undo = nullptr;
    QAction* Menu_Edit_Redo = nullptr;
};

} // namespace velmarsund
