#pragma once
// The annual energy window: the annual block of the selection (weather file, operating hours,
// supply air setpoint, fan efficiency, prices, cooling COP, investment, currency), the figures of
// the calculated selection through the year per month and for the year, and the two plots of the
// annual page. Every change of an input goes to the main window's selection through `commit` (one
// step of its undo history) and recalculates the year; the page preview prints the annual page.

#include "annual_page.h"
#include "calculate_selection.h"
#include "page_list.h"
#include "unit_system.h"
#include "weather_file.h"

#include <QDialog>

#include <filesystem>
#include <functional>
#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace velmarsund {

class TAnnualPlot;
class TNumEdit;

class TFormJahresenergie : public QDialog {
    Q_OBJECT
  public:
    // `showPages` shows a page list in the preview with this window as its owner; `commit` takes
    // the annual block after every change of an input.
    TFormJahresenergie(QWidget* parent, std::function<void(const PageList&)> showPages,
                       std::function<void(const AnnualInputs&)> commit);
    ~TFormJahresenergie() override;

    // Takes the calculated selection (for its pages: with the language, header and captions as
    // they are now) and its annual block (the defaults without one) in `units`, and calculates the
    // year; a relative weather path is taken from `folder`, the selection file's. The caller then
    // shows the window.
    void Fill(const CalculatedSelection& calculated, const std::optional<AnnualInputs>& annual,
              UnitSystem units, const std::filesystem::path& folder = {});

    const AnnualInputs& Inputs() const { return inputs_; }
    // The year last calculated; none without a usable weather file.
    const std::optional<AnnualResults>& Results() const { return results_; }
    // The annual page of what the window shows; only with results.
    AnnualPageValues PageValues() const;
    // The message shown in place of the results: no weather file, or the reader's refusal.
    QString Message() const;

    QLineEdit* Edit_Wetterdatei = nullptr;
    QPushButton* Button_Durchsuchen = nullptr;
    QSpinBox* Edit_Von = nullptr;
    QSpinBox* Edit_Bis = nullptr;
    QComboBox* Combo_Tage = nullptr;
    TNumEdit* Edit_Sollwert = nullptr;
    TNumEdit* Edit_Wirkungsgrad = nullptr;
    TNumEdit* Edit_Cop = nullptr;
    QLineEdit* Edit_Waermepreis = nullptr;
    QLineEdit* Edit_Strompreis = nullptr;
    QLineEdit* Edit_Investition = nullptr;
    QLineEdit* Edit_Waehrung = nullptr;
    QTableWidget* Grid_Ergebnisse = nullptr;
    QLabel* LB_Einsparung = nullptr;
    QLabel* LB_Meldung = nullptr;
    QProgressBar* Progress_Jahr = nullptr;
    QAction* Menu_Datei_Seitenansicht = nullptr;
    QAction* Menu_Datei_Schliessen = nullptr;

  public slots:
    // The inputs as the fields hold them, committed, and the year calculated again.
    void InputChanged();

  protected:
    void changeEvent(QEvent* event) override;

  private slots:
    void Button_DurchsuchenClick();
    void Menu_Datei_SeitenansichtClick();

  private:
    void CreateMenus();
    void CreateControls();
    void SetTexts();
    // The fields from inputs_.
    void ShowInputs();
    // inputs_ from the fields; false (with the message shown) when an optional number is refused.
    bool ReadInputs();
    void Recalculate();
    void ShowResults();
    // The units after the prices and the investment, in the currency entered.
    void ShowMoneyUnits();

    std::function<void(const PageList&)> showPages_;
    std::function<void(const AnnualInputs&)> commit_;
    CalculatedSelection calculated_;
    AnnualInputs inputs_;
    UnitSystem units_ = UnitSystem::SI;
    bool filling_ = false;

    std::filesystem::path folder_;      // relative weather paths are taken from here
    std::filesystem::path weatherFile_; // the file `weather_` was read from
    std::optional<WeatherYear> weather_;
    QString message_; // why there are no results
    std::optional<AnnualResults> results_;

    QMenuBar* menuBar_ = nullptr;
    QMenu* Menu_Datei = nullptr;
    QGroupBox* GroupBox_Eingaben = nullptr;
    QGroupBox* GroupBox_Ergebnisse = nullptr;
    QLabel* LB_Wetterdatei = nullptr;
    QLabel* LB_Standort = nullptr;
    QLabel* LB_Betriebszeit = nullptr;
    QLabel* LB_Sollwert = nullptr;
    QLabel* LB_SollwertEinheit = nullptr;
    QLabel* LB_Wirkungsgrad = nullptr;
    QLabel* LB_Cop = nullptr;
    QLabel* LB_Waermepreis = nullptr;
    QLabel* LB_Strompreis = nullptr;
    QLabel* LB_Investition = nullptr;
    QLabel* LB_Waehrung = nullptr;
    QLabel* LB_WaermepreisEinheit = nullptr;
    QLabel* LB_StrompreisEinheit = nullptr;
    QLabel* LB_InvestitionEinheit = nullptr;
    TAnnualPlot* Plot_Monate = nullptr;
    TAnnualPlot* Plot_Dauerlinie = nullptr;
};

} // namespace velmarsund
