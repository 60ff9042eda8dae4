#pragma once
// The leakage and purge-air window: the rotor between its two ducts with the pressures and flows
// of the four sections, the fan arrangement and entered pressure of each stream, the purge sector,
// the individual leakage, carry-over and purge flows (details), OACF and EATR. Every change
// recalculates; the page preview prints the leakage page. The choices last while the program runs.

#include "leakage_view.h"
#include "page_list.h"
#include "unit_system.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenuBar;
class QPushButton;

namespace velmarsund {

class TLeakageSchematic;
class TNumEdit;
struct LeakagePageValues;

class TFormRotLeakage : public QDialog {
    Q_OBJECT
public:
    // `showPages` shows a page list in the preview with this window as its owner.
    explicit TFormRotLeakage(QWidget* parent, std::function<void(const PageList&)> showPages);
    ~TFormRotLeakage() override;

    // Switches the unit system: the entered pressures are converted, their limits and the unit
    // labels follow; recalculates.
    void SetUnitSystem(UnitSystem system);
    UnitSystem GetUnitSystem() const { return units_; }

    // Takes the main window's selection (and its designation and season names) and recalculates;
    // the caller then shows the window.
    void Fill(const LeakageSelection& selection, const QString& designation, const QString& winterCaption,
              const QString& summerCaption);

    const LeakageView& View() const { return view_; }
    const LeakageChoices& Choices() const { return choices_; }
    // Takes choices kept elsewhere (a selection file), with their pressures in `system`, which
    // becomes the window's; the next Fill recalculates with them.
    void SetChoices(const LeakageChoices& choices, UnitSystem system);
    // The leakage page of what the window shows now.
    LeakagePageValues PageValues() const;

    // Every value label with its name, for the schematic and for tests.
    std::vector<std::pair<QLabel*, QString LeakageTexts::*>> ValueLabels() const;

    QComboBox* ComboBox_Ventilator_AUZU = nullptr;
    QComboBox* ComboBox_Ventilator_ABFO = nullptr;
    QComboBox* ComboBox_Spuelkammer = nullptr;
    TNumEdit* Edit_p_1 = nullptr;
    TNumEdit* Edit_p_2 = nullptr;
    QAction* Menu_Datei_Seitenansicht = nullptr;
    QAction* Menu_Datei_Schliessen = nullptr;
    QAction* Menu_Details_anzeigen = nullptr;
    QAction* Menu_Details_verbergen = nullptr;

public slots:
    void Recalculate();

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void FanChange();
    void PurgeChange();
    void Menu_Details_anzeigenClick() { SetDetails(true); }
    void Menu_Details_verbergenClick() { SetDetails(false); }
    void Menu_Datei_SeitenansichtClick();

private:
    void CreateMenus();
    void CreateSchematic();
    void CreateControls();
    void SetTexts();
    void SetDetails(bool on);
    void PlaceEntries();
    void ShowView();

    std::function<void(const PageList&)> showPages_;
    std::array<QLabel*, 4> detailSections_{}; // over the columns of the details: the four sections
    std::array<QLabel*, 3> detailRows_{};     // rim gap, separating seal, carry-over
    UnitSystem units_ = UnitSystem::SI;
    LeakageSelection selection_;
    LeakageChoices choices_;
    LeakageView view_;
    QString designation_;

    QMenuBar* menuBar_ = nullptr;
    QMenu* Menu_Datei = nullptr;
    QMenu* Menu_Details = nullptr;
    TLeakageSchematic* schematic_ = nullptr;
    QGroupBox* GroupBox_Ventilator = nullptr;
    QGroupBox* GroupBox_Details = nullptr; // the individual flows with their names and sections
    QLabel* LB_AUZU = nullptr;
    QLabel* LB_ABFO = nullptr;
    QLabel* LB_Spuelkammer = nullptr;
    QLabel* LB_SpuelkammerFunktion = nullptr;
    QLabel* LB_AlleLuftmengen = nullptr;
    QPushButton* Button_Winter = nullptr;
    QPushButton* Button_Sommer = nullptr;

public:
    // The labels of the schematic.
    QLabel* LB_Aussenluft = nullptr;
    QLabel* LB_Zuluft = nullptr;
    QLabel* LB_Abluft = nullptr;
    QLabel* LB_Fortluft = nullptr;
    QLabel* LB_dpS1 = nullptr;
    QLabel* LB_dpS2 = nullptr;
    QLabel* LB_p_11 = nullptr;
    QLabel* LB_p_12 = nullptr;
    QLabel* LB_p_21 = nullptr;
    QLabel* LB_p_22 = nullptr;
    QLabel* LB_SVol11 = nullptr;
    QLabel* LB_SVol12 = nullptr;
    QLabel* LB_Svol21 = nullptr;
    QLabel* LB_SVol22 = nullptr;
    QLabel* LB_SL_Geh_AU = nullptr;
    QLabel* LB_SL_Geh_ZU = nullptr;
    QLabel* LB_SL_Geh_AB = nullptr;
    QLabel* LB_SL_Geh_FO = nullptr;
    QLabel* LB_SL_AU_FO = nullptr;
    QLabel* LB_SL_FO_AU = nullptr;
    QLabel* LB_SL_ZU_AB = nullptr;
    QLabel* LB_SL_AB_ZU = nullptr;
    QLabel* LB_CO_AU_FO = nullptr;
    QLabel* LB_CO_FO_AU = nullptr;
    QLabel* LB_CO_ZU_AB = nullptr;
    QLabel* LB_CO_AB_ZU = nullptr;
    QLabel* LB_Spuelluft_AU = nullptr;
    QLabel* LB_Spuelluft_FO = nullptr;
    QLabel* LB_OACF = nullptr;
    QLabel* LB_EATR = nullptr;
    QLabel* Label9 = nullptr;  // the pressure unit
    QLabel* Label11 = nullptr; // the volume unit
};

} // namespace velmarsund
