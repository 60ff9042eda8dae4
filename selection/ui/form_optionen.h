#pragma once
// The settings window: air pressure and altitude, unit system and separators, input kinds and the
// effectiveness options. It works on its own copy of the main window's values and hands them back
// only on OK. Created on first use and kept; later openings show the page last used.

#include "options_model.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpacerItem;
class QTabWidget;
class QTableWidget;

namespace velmarsund {

class TNumEdit;

class TFormOptionen : public QDialog {
    Q_OBJECT
public:
    explicit TFormOptionen(QWidget* parent = nullptr);

    // Fills the window from `current`, shows it modally and returns the edited values on OK,
    // nothing on Cancel.
    std::optional<TOptionsValues> Edit(const TOptionsValues& current);

    // Every caption from the text table of the current language.
    void SetTexts();

    const TOptionsModel& Model() const { return model_; }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void RadioButton_SIClick(); // shared by RadioButton_US
    void Tabelle_EinheitenDblClick(int row, int column);
    void Edit_LuftdruckCalculate(); // shared by Edit_HoeheNN
    void Combo_LuftmengeChange(int index);
    void Combo_FeuchteChange(int index);
    void RadioButton_PHIClick(); // shared by both effectiveness buttons
    void CheckBox_TotalEffClick(bool checked);
    void CheckBox_HCLASSClick(bool checked);
    void CheckBox_WBClick(bool checked);
    void Button_OKClick();

private:
    void CreatePageUmgebung();
    void CreatePageEinheiten();
    void CreatePageEingabeDaten();
    void CreatePageProzessdaten();
    void CreateButtons();

    void ChangeUnits(UnitSystem units);
    // Model into controls.
    void ShowUnits();
    void ShowPressure();
    void ShowInputKinds();
    void ShowEffectiveness();
    // Commits a typed but not yet committed pressure or altitude; false when the field refused it
    // (its range message has then been shown).
    bool CommitPendingEntries();
    void FitSizes();

    TOptionsModel model_;

    QTabWidget* PageControl1 = nullptr;
    QWidget* Seite_Umgebung = nullptr;
    QWidget* Seite_Einheiten = nullptr;
    QWidget* Seite_EingabeDaten = nullptr;
    QWidget* Seite_Prozessdaten = nullptr;

    QLabel* Label_Luftdruck = nullptr;
    TNumEdit* Edit_Luftdruck = nullptr;
    QLabel* Label_mbar = nullptr;
    QLabel* Label_HoeheNN = nullptr;
    TNumEdit* Edit_HoeheNN = nullptr;
    QLabel* Label_m = nullptr;

    QRadioButton* RadioButton_SI = nullptr;
    QRadioButton* RadioButton_US = nullptr;
    QSpacerItem* unitHeadIndent_ = nullptr;
    QTableWidget* Tabelle_Einheiten = nullptr;
    QLabel* Label_DecimalSeparator = nullptr;
    QLineEdit* Edit_DecimalSeparator = nullptr;
    QLabel* Label_ThousandSeparator = nullptr;
    QLineEdit* Edit_ThousandSeparator = nullptr;

    QLabel* Label_Luftmenge = nullptr;
    QComboBox* Combo_Luftmenge = nullptr;
    QLabel* Label_Feuchte = nullptr;
    QComboBox* Combo_Feuchte = nullptr;
    QCheckBox* CheckBox_WB = nullptr;

    QRadioButton* RadioButton_PHI_Europa = nullptr;
    QCheckBox* CheckBox_HCLASS = nullptr;
    QRadioButton* RadioButton_PHI_USA = nullptr;
    QCheckBox* CheckBox_TotalEff = nullptr;

    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;
};

} // namespace velmarsund
