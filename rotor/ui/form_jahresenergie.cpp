#include "form_jahresenergie.h"

#include "annual_request.h"
#include "annual_selection.h"
#include "convert_unit.h"
#include "message_box.h"
#include "modal_runner.h"
#include "num_edit.h"
#include "number_format.h"
#include "number_parse.h"
#include "page_font.h"
#include "painter_canvas.h"
#include "selection_pages.h"
#include "text_format.h"
#include "text_table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>

namespace velmarsund {
namespace {

constexpr TextId kTitle = 700, kWeatherFile = 701, kOperatingHours = 702, kMondayToFriday = 703,
                 kEveryDay = 704;
constexpr TextId kSetpoint = 705, kFanEfficiency = 706, kHeatPrice = 707, kElectricityPrice = 708;
constexpr TextId kCoolingCop = 709, kInvestment = 710, kCurrency = 711, kBrowse = 748, kProgress = 749;
constexpr TextId kWeatherFiles = 752, kInputs = 753, kResults = 754, kLocation = 755;
constexpr TextId kNoWeatherFile = 758;
constexpr TextId kFile = 145, kPreview = 401, kClose = 151; // the File menu as the leakage window has it
constexpr TextId kErrorCaption = 104, kRangeMessage = 105;

// The limits of the annual block, as the selection file takes them.
constexpr double kSetpointMin = -20, kSetpointMax = 40; // degC
constexpr double kPriceMax = 1000, kInvestmentMax = 1e12;

} // namespace

// One of the two plots of the annual page, drawn through the page canvas on the screen.
class TAnnualPlot : public QWidget {
  public:
    using Draw = void (*)(PageCanvas&, const QRectF&, const AnnualPageValues&);
    TAnnualPlot(QWidget* parent, Draw draw) : QWidget(parent), draw_(draw) {
        setMinimumSize(300, 220);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }
    void SetValues(std::optional<AnnualPageValues> values) {
        values_ = std::move(values);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        if (!values_) return;
        // As wide as a plot of the page, 840 units, and as tall as the widget's proportions make it
        // (at least 700 units, so that the plot keeps its room between the title and the legend).
        constexpr double kWidth = 840, kLeast = 700;
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const double scale = std::min(width() / kWidth, height() / kLeast);
        const double logicalWidth = width() / scale, logicalHeight = height() / scale;
        painter.scale(scale, scale);
        PainterCanvas canvas(painter);
        canvas.SetFont(PageFont(values_->frame.language));
        draw_(canvas, QRectF(10, 10, logicalWidth - 20, logicalHeight - 20), *values_);
    }

  private:
    Draw draw_;
    std::optional<AnnualPageValues> values_;
};

TFormJahresenergie::TFormJahresenergie(QWidget* parent, std::function<void(const PageList&)> showPages,
                                       std::function<void(const AnnualInputs&)> commit)
    : QDialog(parent), showPages_(std::move(showPages)), commit_(std::move(commit)) {
    setObjectName(QStringLiteral("FormJahresenergie"));
    CreateMenus();
    CreateControls();
    SetTexts();
    // Room for the whole table and both plots, within the screen.
    QSize size(1180, 900);
    if (const QScreen* shown = screen()) size = size.boundedTo(shown->availableGeometry().size());
    resize(size.expandedTo(minimumSizeHint()));
}

TFormJahresenergie::~TFormJahresenergie() = default;

void TFormJahresenergie::CreateMenus() {
    menuBar_ = new QMenuBar(this);
    Menu_Datei = menuBar_->addMenu(QString());
    Menu_Datei_Seitenansicht =
        Menu_Datei->addAction(QString(), this, &TFormJahresenergie::Menu_Datei_SeitenansichtClick);
    Menu_Datei_Seitenansicht->setObjectName(QStringLiteral("Menu_Datei_Seitenansicht"));
    Menu_Datei_Schliessen = Menu_Datei->addAction(QString(), this, &QDialog::accept);
    Menu_Datei_Schliessen->setObjectName(QStringLiteral("Menu_Datei_Schliessen"));
}

void TFormJahresenergie::CreateControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar_);

    GroupBox_Eingaben = new QGroupBox(this);
    auto* grid = new QGridLayout(GroupBox_Eingaben);
    const auto label = [&](const char* name) {
        auto* l = new QLabel(GroupBox_Eingaben);
        l->setObjectName(QLatin1String(name));
        return l;
    };
    const auto line = [&](const char* name) {
        auto* e = new QLineEdit(GroupBox_Eingaben);
        e->setObjectName(QLatin1String(name));
        connect(e, &QLineEdit::editingFinished, this, [this, e] {
            if (e->isModified()) {
                e->setModified(false);
                InputChanged();
            }
        });
        return e;
    };
    const auto number = [&](const char* name, int digits, double min, double max) {
        auto* e = new TNumEdit(GroupBox_Eingaben);
        e->setObjectName(QLatin1String(name));
        e->SetFormat(NumberFormat::Fixed);
        e->SetDigits(digits);
        e->SetMinValue(min);
        e->SetMaxValue(max);
        e->SetValidation(true);
        e->setAlignment(Qt::AlignRight);
        connect(e, &TNumEdit::OnCalculate, this, &TFormJahresenergie::InputChanged);
        return e;
    };

    LB_Wetterdatei = label("LB_Wetterdatei");
    Edit_Wetterdatei = line("Edit_Wetterdatei");
    Button_Durchsuchen = new QPushButton(GroupBox_Eingaben);
    Button_Durchsuchen->setObjectName(QStringLiteral("Button_Durchsuchen"));
    connect(Button_Durchsuchen, &QPushButton::clicked, this, &TFormJahresenergie::Button_DurchsuchenClick);
    LB_Standort = label("LB_Standort");
    grid->addWidget(LB_Wetterdatei, 0, 0);
    grid->addWidget(Edit_Wetterdatei, 0, 1, 1, 4);
    grid->addWidget(Button_Durchsuchen, 0, 5);
    grid->addWidget(LB_Standort, 1, 1, 1, 5);

    LB_Betriebszeit = label("LB_Betriebszeit");
    auto* hours = new QHBoxLayout;
    Edit_Von = new QSpinBox(GroupBox_Eingaben);
    Edit_Von->setObjectName(QStringLiteral("Edit_Von"));
    Edit_Von->setRange(0, 23);
    Edit_Bis = new QSpinBox(GroupBox_Eingaben);
    Edit_Bis->setObjectName(QStringLiteral("Edit_Bis"));
    Edit_Bis->setRange(1, 24);
    Combo_Tage = new QComboBox(GroupBox_Eingaben);
    Combo_Tage->setObjectName(QStringLiteral("Combo_Tage"));
    Combo_Tage->addItems({QString(), QString()});
    hours->addWidget(Edit_Von);
    hours->addWidget(new QLabel(QStringLiteral("\u2013"), GroupBox_Eingaben));
    hours->addWidget(Edit_Bis);
    hours->addWidget(new QLabel(QStringLiteral("h"), GroupBox_Eingaben));
    hours->addWidget(Combo_Tage);
    hours->addStretch();
    // The operating hours keep an end after their start: moving one moves the other along.
    connect(Edit_Von, &QSpinBox::valueChanged, this, [this](int from) {
        if (filling_) return;
        if (Edit_Bis->value() <= from) {
            const QSignalBlocker block(Edit_Bis);
            Edit_Bis->setValue(from + 1);
        }
        InputChanged();
    });
    connect(Edit_Bis, &QSpinBox::valueChanged, this, [this](int to) {
        if (filling_) return;
        if (Edit_Von->value() >= to) {
            const QSignalBlocker block(Edit_Von);
            Edit_Von->setValue(to - 1);
        }
        InputChanged();
    });
    connect(Combo_Tage, &QComboBox::currentIndexChanged, this, [this] {
        if (!filling_) InputChanged();
    });
    grid->addWidget(LB_Betriebszeit, 2, 0);
    grid->addLayout(hours, 2, 1, 1, 5);

    LB_Sollwert = label("LB_Sollwert");
    Edit_Sollwert = number("Edit_Sollwert", 1, kSetpointMin, kSetpointMax);
    LB_SollwertEinheit = label("LB_SollwertEinheit");
    LB_Wirkungsgrad = label("LB_Wirkungsgrad");
    Edit_Wirkungsgrad = number("Edit_Wirkungsgrad", 2, 0.2, 0.9);
    LB_Cop = label("LB_Cop");
    Edit_Cop = number("Edit_Cop", 1, 0.5, 20);
    LB_Waermepreis = label("LB_Waermepreis");
    Edit_Waermepreis = line("Edit_Waermepreis");
    LB_Strompreis = label("LB_Strompreis");
    Edit_Strompreis = line("Edit_Strompreis");
    LB_Investition = label("LB_Investition");
    Edit_Investition = line("Edit_Investition");
    LB_Waehrung = label("LB_Waehrung");
    Edit_Waehrung = line("Edit_Waehrung");
    Edit_Waehrung->setMaxLength(8);
    for (QLineEdit* e : {Edit_Waermepreis, Edit_Strompreis, Edit_Investition})
        e->setAlignment(Qt::AlignRight);
    LB_WaermepreisEinheit = label("LB_WaermepreisEinheit");
    LB_StrompreisEinheit = label("LB_StrompreisEinheit");
    LB_InvestitionEinheit = label("LB_InvestitionEinheit");
    grid->addWidget(LB_WaermepreisEinheit, 3, 5);
    grid->addWidget(LB_StrompreisEinheit, 4, 5);
    grid->addWidget(LB_InvestitionEinheit, 5, 5);
    grid->addWidget(LB_Sollwert, 3, 0);
    grid->addWidget(Edit_Sollwert, 3, 1);
    grid->addWidget(LB_SollwertEinheit, 3, 2);
    grid->addWidget(LB_Waermepreis, 3, 3);
    grid->addWidget(Edit_Waermepreis, 3, 4);
    grid->addWidget(LB_Wirkungsgrad, 4, 0);
    grid->addWidget(Edit_Wirkungsgrad, 4, 1);
    grid->addWidget(LB_Strompreis, 4, 3);
    grid->addWidget(Edit_Strompreis, 4, 4);
    grid->addWidget(LB_Cop, 5, 0);
    grid->addWidget(Edit_Cop, 5, 1);
    grid->addWidget(LB_Investition, 5, 3);
    grid->addWidget(Edit_Investition, 5, 4);
    grid->addWidget(LB_Waehrung, 6, 3);
    grid->addWidget(Edit_Waehrung, 6, 4);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);
    layout->addWidget(GroupBox_Eingaben);

    GroupBox_Ergebnisse = new QGroupBox(this);
    auto* results = new QVBoxLayout(GroupBox_Ergebnisse);
    LB_Meldung = new QLabel(GroupBox_Ergebnisse);
    LB_Meldung->setObjectName(QStringLiteral("LB_Meldung"));
    LB_Meldung->setWordWrap(true);
    LB_Meldung->setStyleSheet(QStringLiteral("color: #b00000"));
    Progress_Jahr = new QProgressBar(GroupBox_Ergebnisse);
    Progress_Jahr->setObjectName(QStringLiteral("Progress_Jahr"));
    Progress_Jahr->setRange(0, 100);
    Progress_Jahr->hide();
    Grid_Ergebnisse = new QTableWidget(GroupBox_Ergebnisse);
    Grid_Ergebnisse->setObjectName(QStringLiteral("Grid_Ergebnisse"));
    Grid_Ergebnisse->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Grid_Ergebnisse->verticalHeader()->setDefaultSectionSize(Grid_Ergebnisse->fontMetrics().height() + 4);
    Grid_Ergebnisse->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Eight rows at the least, so that the window fits a screen of 768 lines; the table scrolls.
    Grid_Ergebnisse->setMinimumHeight(8 * (Grid_Ergebnisse->fontMetrics().height() + 4) + 8);
    LB_Einsparung = new QLabel(GroupBox_Ergebnisse);
    LB_Einsparung->setObjectName(QStringLiteral("LB_Einsparung"));
    QFont bold = LB_Einsparung->font();
    bold.setBold(true);
    LB_Einsparung->setFont(bold);
    auto* plots = new QHBoxLayout;
    Plot_Monate = new TAnnualPlot(GroupBox_Ergebnisse, &DrawAnnualMonthBars);
    Plot_Monate->setObjectName(QStringLiteral("Plot_Monate"));
    Plot_Dauerlinie = new TAnnualPlot(GroupBox_Ergebnisse, &DrawAnnualDurationCurve);
    Plot_Dauerlinie->setObjectName(QStringLiteral("Plot_Dauerlinie"));
    plots->addWidget(Plot_Monate);
    plots->addWidget(Plot_Dauerlinie);
    results->addWidget(LB_Meldung);
    results->addWidget(Progress_Jahr);
    results->addWidget(Grid_Ergebnisse);
    results->addWidget(LB_Einsparung);
    results->addLayout(plots, 1);
    layout->addWidget(GroupBox_Ergebnisse, 1);
}

void TFormJahresenergie::SetTexts() {
    const auto colon = [](TextId id) { return LoadText(id) + QLatin1Char(':'); };
    setWindowTitle(LoadText(kTitle));
    Menu_Datei->setTitle(LoadText(kFile));
    Menu_Datei_Seitenansicht->setText(LoadText(kPreview));
    Menu_Datei_Schliessen->setText(LoadText(kClose));
    GroupBox_Eingaben->setTitle(LoadText(kInputs));
    GroupBox_Ergebnisse->setTitle(LoadText(kResults));
    LB_Wetterdatei->setText(colon(kWeatherFile));
    Button_Durchsuchen->setText(LoadText(kBrowse));
    LB_Betriebszeit->setText(colon(kOperatingHours));
    Combo_Tage->setItemText(0, LoadText(kMondayToFriday));
    Combo_Tage->setItemText(1, LoadText(kEveryDay));
    LB_Sollwert->setText(colon(kSetpoint));
    LB_Wirkungsgrad->setText(colon(kFanEfficiency));
    LB_Cop->setText(colon(kCoolingCop));
    LB_Waermepreis->setText(colon(kHeatPrice));
    LB_Strompreis->setText(colon(kElectricityPrice));
    LB_Investition->setText(colon(kInvestment));
    LB_Waehrung->setText(colon(kCurrency));
    for (TNumEdit* e : {Edit_Sollwert, Edit_Wirkungsgrad, Edit_Cop})
        e->SetErrorMessage(LoadText(kRangeMessage));
    Edit_Sollwert->SetContent(LoadText(kSetpoint));
    Edit_Wirkungsgrad->SetContent(LoadText(kFanEfficiency));
    Edit_Cop->SetContent(LoadText(kCoolingCop));
}

void TFormJahresenergie::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        ShowResults();
    }
    QDialog::changeEvent(event);
}

void TFormJahresenergie::Fill(const CalculatedSelection& calculated,
                              const std::optional<AnnualInputs>& annual, UnitSystem units,
                              const std::filesystem::path& folder) {
    calculated_ = calculated;
    inputs_ = annual.value_or(AnnualInputs{});
    units_ = units;
    folder_ = folder;
    // A weather file is read again when the window opens: it may have changed meanwhile.
    weatherFile_.clear();
    weather_.reset();
    ShowInputs();
    Recalculate();
}

void TFormJahresenergie::ShowInputs() {
    filling_ = true;
    const auto optional = [](const std::optional<double>& value, int digits) {
        return value ? FormatFixed(*value, digits) : QString();
    };
    Edit_Wetterdatei->setText(QString::fromStdString(inputs_.weather));
    Edit_Von->setValue(inputs_.scheduleFrom);
    Edit_Bis->setValue(inputs_.scheduleTo);
    Combo_Tage->setCurrentIndex(inputs_.scheduleDays == 5 ? 0 : 1);
    const UnitCode temp = UnitChoice(units_, Unit::Celsius, Unit::Fahrenheit);
    Edit_Sollwert->SetMinValue(ConvertUnit(Quantity::Temperature, Unit::Celsius, temp, kSetpointMin));
    Edit_Sollwert->SetMaxValue(ConvertUnit(Quantity::Temperature, Unit::Celsius, temp, kSetpointMax));
    Edit_Sollwert->SetValue(ConvertUnit(Quantity::Temperature, Unit::Celsius, temp, inputs_.supplySetpoint));
    LB_SollwertEinheit->setText(units_ == UnitSystem::IP ? QStringLiteral("°F") : QStringLiteral("°C"));
    Edit_Wirkungsgrad->SetValue(inputs_.fanEfficiency);
    Edit_Cop->SetValue(inputs_.coolingCop);
    Edit_Waermepreis->setText(optional(inputs_.heatPrice, 3));
    Edit_Strompreis->setText(optional(inputs_.electricityPrice, 3));
    Edit_Investition->setText(optional(inputs_.investment, 0));
    Edit_Waehrung->setText(QString::fromStdString(inputs_.currency));
    ShowMoneyUnits();
    for (QLineEdit* e :
         {Edit_Wetterdatei, Edit_Waermepreis, Edit_Strompreis, Edit_Investition, Edit_Waehrung})
        e->setModified(false);
    filling_ = false;
}

bool TFormJahresenergie::ReadInputs() {
    AnnualInputs in = inputs_;
    // An optional number: empty for none, else a number in its range.
    const auto optional = [](QLineEdit* field, const QString& what, double max,
                             std::optional<double>& value) {
        const QString text = field->text().trimmed();
        if (text.isEmpty()) {
            value.reset();
            return true;
        }
        const std::optional<double> number = TryTextToNumber(text);
        if (number && *number >= 0 && *number <= max) {
            value = number;
            return true;
        }
        ShowMessageBox(FormatText(LoadText(kRangeMessage), {FormatGeneral(0), FormatGeneral(max)}), what,
                       MessageKind::Warning);
        field->setFocus();
        return false;
    };
    if (!optional(Edit_Waermepreis, LoadText(kHeatPrice), kPriceMax, in.heatPrice) ||
        !optional(Edit_Strompreis, LoadText(kElectricityPrice), kPriceMax, in.electricityPrice) ||
        !optional(Edit_Investition, LoadText(kInvestment), kInvestmentMax, in.investment))
        return false;
    in.weather = Edit_Wetterdatei->text().trimmed().toStdString();
    in.scheduleFrom = Edit_Von->value();
    in.scheduleTo = Edit_Bis->value();
    in.scheduleDays = Combo_Tage->currentIndex() == 0 ? 5 : 7;
    const UnitCode temp = UnitChoice(units_, Unit::Celsius, Unit::Fahrenheit);
    in.supplySetpoint =
        std::clamp(ConvertUnit(Quantity::Temperature, temp, Unit::Celsius, Edit_Sollwert->Value()),
                   kSetpointMin, kSetpointMax);
    in.fanEfficiency = Edit_Wirkungsgrad->Value();
    in.coolingCop = Edit_Cop->Value();
    in.currency = Edit_Waehrung->text().trimmed().toStdString();
    inputs_ = in;
    return true;
}

void TFormJahresenergie::InputChanged() {
    if (filling_) return;
    if (!ReadInputs()) return;
    if (commit_) commit_(inputs_);
    ShowMoneyUnits();
    Recalculate();
}

void TFormJahresenergie::ShowMoneyUnits() {
    const QString currency = QString::fromStdString(inputs_.currency);
    LB_WaermepreisEinheit->setText(currency + QStringLiteral("/kWh"));
    LB_StrompreisEinheit->setText(currency + QStringLiteral("/kWh"));
    LB_InvestitionEinheit->setText(currency);
}

void TFormJahresenergie::Recalculate() {
    results_.reset();
    message_.clear();
    if (inputs_.weather.empty()) {
        message_ = LoadText(kNoWeatherFile);
    } else if (request::WeatherPathOf(inputs_.weather, folder_) != weatherFile_ || !weather_) {
        weatherFile_ = request::WeatherPathOf(inputs_.weather, folder_);
        weather_.reset();
        try {
            weather_ = request::ReadWeatherFile(weatherFile_);
        } catch (const WeatherFileError& e) {
            message_ = WeatherFileMessage(weatherFile_.string(), e, CurrentLanguage());
        }
    }
    if (message_.isEmpty() && weather_) {
        // A year that takes longer than half a second shows how far it is.
        const auto show = [this](std::size_t done, std::size_t total) {
            Progress_Jahr->setFormat(FormatText(LoadText(kProgress), {QStringLiteral("%p")}));
            Progress_Jahr->setValue(static_cast<int>(done * 100 / total));
            Progress_Jahr->show();
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
        QApplication::setOverrideCursor(Qt::WaitCursor);
        results_ = CalculateAnnualEnergy(calculated_, inputs_, *weather_, DelayedProgress(show));
        QApplication::restoreOverrideCursor();
        Progress_Jahr->hide();
    }
    Menu_Datei_Seitenansicht->setEnabled(results_.has_value());
    ShowResults();
}

AnnualPageValues TFormJahresenergie::PageValues() const {
    CalculatedSelection c = calculated_;
    c.selection.annual = inputs_;
    c.selection.units = units_;
    return AnnualPageValuesOf(c, weather_ ? *weather_ : WeatherYear{},
                              results_ ? *results_ : AnnualResults{});
}

QString TFormJahresenergie::Message() const {
    return message_;
}

void TFormJahresenergie::ShowResults() {
    LB_Meldung->setText(message_);
    LB_Meldung->setVisible(!message_.isEmpty());
    QString place;
    if (weather_ && weatherFile_ == request::WeatherPathOf(inputs_.weather, folder_)) place = PageValues().location;
    LB_Standort->setText(place.isEmpty() ? QString() : LoadText(kLocation) + QStringLiteral(": ") + place);
    if (!results_) {
        Grid_Ergebnisse->clear();
        Grid_Ergebnisse->setRowCount(0);
        Grid_Ergebnisse->setColumnCount(0);
        LB_Einsparung->clear();
        Plot_Monate->SetValues(std::nullopt);
        Plot_Dauerlinie->SetValues(std::nullopt);
        return;
    }
    const AnnualPageValues values = PageValues();
    const AnnualTable t = AnnualTableOf(*results_, inputs_, units_, ProgramSeparators(), CurrentLanguage());
    Grid_Ergebnisse->clear();
    Grid_Ergebnisse->setRowCount(static_cast<int>(t.rows.size()));
    Grid_Ergebnisse->setColumnCount(14);
    QStringList columns{QString()};
    for (const QString& c : t.columns)
        columns << c;
    Grid_Ergebnisse->setHorizontalHeaderLabels(columns);
    QStringList rows;
    for (std::size_t r = 0; r < t.rows.size(); ++r)
        rows << t.labels[r];
    Grid_Ergebnisse->setVerticalHeaderLabels(rows);
    QFont bold = Grid_Ergebnisse->font();
    bold.setBold(true);
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        const int row = static_cast<int>(r);
        Grid_Ergebnisse->setItem(row, 0, new QTableWidgetItem(t.units[r]));
        for (int m = 0; m < 13; ++m) {
            auto* item = new QTableWidgetItem(t.cells[r][static_cast<std::size_t>(m)]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (m == 12) item->setFont(bold);
            Grid_Ergebnisse->setItem(row, m + 1, item);
        }
    }
    LB_Einsparung->setText(AnnualSavingText(values));
    Plot_Monate->SetValues(values);
    Plot_Dauerlinie->SetValues(values);
}

void TFormJahresenergie::Button_DurchsuchenClick() {
    QFileDialog dialog(this, LoadText(kWeatherFile));
    dialog.setObjectName(QStringLiteral("WeatherFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {LoadText(kWeatherFiles) + QStringLiteral(" (*.epw *.EPW)"), QStringLiteral("* (*)")});
    const QFileInfo current(Edit_Wetterdatei->text());
    if (!Edit_Wetterdatei->text().isEmpty()) dialog.setDirectory(current.absolutePath());
    if (RunModal(dialog) != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty()) return;
    Edit_Wetterdatei->setText(path);
    // Chosen again, the file is read again.
    weather_.reset();
    InputChanged();
}

void TFormJahresenergie::Menu_Datei_SeitenansichtClick() {
    if (!results_ || !showPages_) return;
    showPages_({[values = PageValues()](PageCanvas& canvas, int) { DrawAnnualPage(canvas, values); }});
}

} // namespace velmarsund
