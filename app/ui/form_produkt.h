#pragma once
// The main window's second level: the two air streams of the winter and the summer case, their
// entry fields over the inlet table, the seasons option, the four result tables with the hint
// line, the plausibility check, the result commands of the View menu and the settings command.
// The rotor level adds the device panel, the calculate command and the title.
//
// The window owns a winter and a summer rotor record. Entries reach them in internal units; the
// tables show what the records hold in the user's units. A field's value is written into its
// record only when the user committed it: values the program put into a field (rounded for
// display after a change of units or input kind) never replace the record's own value, so
// switching units or input kinds back and forth changes no input.

#include "daten_rwt.h"
#include "form_basis.h"
#include "options_values.h"
#include "plausibility_check.h"
#include "result_grid_layout.h"
#include "result_table_texts.h"
#include "result_tables.h"

#include <QSet>

#include <array>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

namespace velmarsund {

class TDatenGrid;
class TFormOptionen;
class TNumEdit;

class TFormProdukt : public TFormBasis {
    Q_OBJECT
public:
    // Layout of the window, in pixels of its client area.
    static constexpr int kWindowWidth = 648;     // winter only; the summer columns add kSummerWidening
    static constexpr int kSummerWidening = 158;
    static constexpr int kSeasonsShift = 25;     // room for the season captions above the inlet table
    static constexpr int kTitleHeight = 44;      // the title panel of the next level
    static constexpr int kMargin = 4;
    // The upper tables stand as far in as the tables on the framed tab pages, so that all value
    // columns line up.
    static constexpr int kTablesLeft = 8;
    static constexpr int kAreaTop = kTitleHeight + kMargin;
    static constexpr int kResultPageWidth = 490; // the tab pages, winter only

    explicit TFormProdukt(QWidget* parent = nullptr);
    ~TFormProdukt() override;

    // The change handler of every committed air entry: results invalid, entries and the device
    // into both records, their Update, the inlet tables refreshed.
    void Aenderung_Daten();
    // Fields into records, in internal units (both records, visible or not).
    void CopyAirInputs();
    // Records into fields, as at start-up.
    void ShowAirInputs();
    void SetUnitSystem(UnitSystem system);
    void SetHumidityInputKind(int kind);
    void SetAirVolumeInputKind(int kind);
    void SetUseSeasons(bool on);
    void SetSeasonView(SeasonView view);

    void RefreshInletTables();
    void InvalidateResults();
    // What the four tables show now, cell by cell.
    ResultTables CurrentResultTables() const;
    void SetResultsValid();
    // The commands that need valid results, enabled or not.
    virtual void SetResultCommandsEnabled(bool enabled);

    // Tests the inlet states of the winter record (and in WinterAndSummer of the summer record),
    // shows the messages in one box, and answers whether the command may go on.
    bool PlausibilityCheck();

    // The settings window's values after OK, applied in the order of the settings command.
    void ApplyOptions(const TOptionsValues& values);

    TDatenRWT& WinterRecord() { return winter_; }
    TDatenRWT& SummerRecord() { return summer_; }
    const TDatenRWT& WinterRecord() const { return winter_; }
    const TDatenRWT& SummerRecord() const { return summer_; }
    bool ResultsValid() const { return resultsValid_; }
    SeasonView GetSeasonView() const { return seasonView_; }
    bool UseSeasons() const { return useSeasons_; }
    int HumidityInputKind() const { return humidityKind_; }
    int AirVolumeInputKind() const { return volumeKind_; }
    double AirPressure() const { return airPressure_; }
    EffectivenessOptions Effectiveness() const { return effectiveness_; }
    bool WetBulbOnDataSheet() const { return wetBulbOnDataSheet_; }
    bool Mollier() const { return mollier_; }
    // The chart kind the chart window was left with: Mollier, or the turned Carrier chart.
    void SetMollier(bool mollier) { mollier_ = mollier; }
    double PressureDropLimit() const { return pressureDropLimit_; }
    // Takes the report of a check made elsewhere (the calculation of the selection) as the last one.
    void TakeCheckReport(const PlausibilityReport& report)
    {
        checkMessages_ = report.messages;
        onlyWarnings_ = report.onlyWarnings;
    }
    // The numbers of the last plausibility check (the data sheet prints their warnings).
    const CheckMessages& LastCheckMessages() const { return checkMessages_; }
    bool LastCheckOnlyWarnings() const { return onlyWarnings_; }
    // The whole headings over the supply-side and the exhaust-side columns.
    const std::array<QString, 2>& StreamHeadingTexts() const { return headings_; }
    // What an air field shows: quantity 0 the air quantity, 1 the temperature, 2 the humidity.
    QString AirFieldText(Season season, Stream stream, int quantity) const;
    // The season captions as the user left them.
    QString WinterCaption() const;
    QString SummerCaption() const;

protected:
    void ReadSettings() override;
    void WriteSettings() override;
    void SetTexts() override;
    void closeEvent(QCloseEvent* event) override;

    // Step 3 of the change handler: the next level copies its device into both records.
    virtual void CopyDeviceToRecords() {}
    // Last step of the change handler: the next level refreshes its size caption.
    virtual void ShowDeviceCaption() {}
    // Places the next level's controls for the current seasons option and view: the device
    // panel fills `devicePanel`, the title spans `width`.
    virtual void PlaceDeviceControls(const QRect& devicePanel, int width);
    // The text of the hint line after the outlet table was filled.
    virtual QString HintText() const;

    // Commits every typed but not yet committed entry, as leaving its field would; false when a
    // field refused its text (its message has been shown).
    bool CommitPendingEntries();

    // The room the next level's device panel needs, in pixels; 0 takes what the tables leave.
    virtual int DevicePanelWidth() const { return 0; }
    // The twelve air fields in their tab order: winter supply side, winter exhaust side, then the
    // summer ones (each volume, temperature, humidity).
    std::array<TNumEdit*, 12> AllAirFields() const;

    // Relabels the unit columns of all four tables.
    void RelabelUnits();
    // Places every control for the seasons option, the view and the input kinds.
    void PlaceControls();

    QWidget* Panel_Lufteintritt = nullptr;
    QWidget* Panel_w_dp = nullptr;
    QWidget* Panel_Buttons = nullptr;
    QVBoxLayout* buttonColumn_ = nullptr;
    QTabWidget* RegisterDaten = nullptr;
    QWidget* TabSheet_Luftaustritt = nullptr;
    QWidget* TabSheet_Prozessdaten = nullptr;
    TDatenGrid* Tabelle_Lufteintritt = nullptr;
    TDatenGrid* Tabelle_w_dp = nullptr;
    TDatenGrid* Tabelle_Luftaustritt = nullptr;
    TDatenGrid* Tabelle_Prozessdaten = nullptr;
    QLabel* LB_Hinweis = nullptr;

    QLabel* LB_Zuluft = nullptr;
    QLabel* LB_Abluft = nullptr;
    QLabel* LB_Zuluft_S = nullptr;
    QLabel* LB_Abluft_S = nullptr;
    QLineEdit* Edit_Winter = nullptr;
    QLineEdit* Edit_Sommer = nullptr;
    QWidget* Panel_Seasons = nullptr;
    QToolButton* Button_Seasons = nullptr;

    QMenu* Menu_Ansicht = nullptr;
    QAction* Menu_Ansicht_Datenblatt = nullptr;
    QAction* Menu_Ansicht_Diagramm = nullptr;
    QAction* Menu_Ansicht_Produktbeschreibung = nullptr;
    QAction* Menu_Ansicht_Leakage = nullptr;
    QAction* Menu_Ansicht_Reglerbeschreibung = nullptr;
    QAction* Menu_Optionen_Einstellungen = nullptr;
    QAction* Menu_Optionen_UseSeasons = nullptr;

    QPushButton* Button_Diagramm = nullptr;
    QPushButton* Button_Leakage = nullptr;
    QPushButton* Button_Datenblatt = nullptr;
    QPushButton* Button_Produktbeschreibung = nullptr;
    QPushButton* Button_Reglerbeschreibung = nullptr;

    double pressureDropLimit_ = kPressureDropLimit;

protected slots:
    // The result and description commands; their windows are not part of this level yet.
    virtual void Menu_Ansicht_DatenblattClick() {}
    virtual void Menu_Ansicht_DiagrammClick() {}
    virtual void Menu_Ansicht_ProduktbeschreibungClick() {}
    virtual void Menu_Ansicht_ReglerbeschreibungClick() {}
    virtual void Menu_Ansicht_LeakageClick();

private slots:
    void Menu_Optionen_EinstellungenClick();
    void Menu_Optionen_UseSeasonsClick();
    void Button_SeasonsClick();

private:
    // The six entry fields of one season.
    struct AirEntryFields {
        std::array<TNumEdit*, 2> volume{};   // supply side, exhaust side
        std::array<TNumEdit*, 2> temp{};
        std::array<TNumEdit*, 2> humidity{};
    };

    void CreateTables();
    void CreateEntryFields();
    void CreateSeasonControls();
    void CreateCommands();
    TNumEdit* CreateField(const QString& name, int season);

    TDatenRWT& Record(Season season) { return season == Season::Winter ? winter_ : summer_; }
    AirEntryFields& Fields(Season season) { return fields_[season == Season::Winter ? 0 : 1]; }
    // Writes a value from the program into a field: it no longer counts as entered by the user.
    void ShowInField(TNumEdit* field, double value);
    // The value the user committed in a field since the program last wrote it, if any.
    std::optional<double> EnteredValue(TNumEdit* field);

    void SetTemperatureRanges();
    void FillResultTables();
    // Writes every cell of the four tables from the records and the switches.
    void WriteResultTables();
    void FillHint();
    void RelabelTexts();
    // Widens the label, value and unit columns of the tables where the texts of the language need
    // more than the usual widths.
    void FitColumnsToTexts();
    // The width of the command column: the usual one, or what the widest caption needs.
    int ButtonColumnWidth() const;
    // The hints of the air-quantity and humidity fields, which say what the input kind means.
    void SetFieldHints();
    bool SummerShown() const { return seasonView_ == SeasonView::WinterAndSummer; }
    std::vector<Season> ShownSeasons() const;

    TDatenRWT winter_;
    TDatenRWT summer_;
    std::array<AirEntryFields, 2> fields_{};
    QSet<const TNumEdit*> entered_; // fields whose value the user committed
    std::array<QString, 2> headings_; // the stream headings of the supply and the exhaust side
    ResultColumnSizes columns_;       // the column widths of the four tables

    int humidityKind_ = 0;
    int volumeKind_ = 0;
    double airPressure_ = 1013;
    bool useSeasons_ = false;
    SeasonView seasonView_ = SeasonView::WinterOnly;
    bool resultsValid_ = false;
    EffectivenessOptions effectiveness_;
    bool wetBulbOnDataSheet_ = false;
    bool mollier_ = true;
    CheckMessages checkMessages_;
    bool onlyWarnings_ = true;

    TFormOptionen* formOptionen_ = nullptr; // created on first use
};

} // namespace velmarsund
