#include "form_produkt.h"

#include "air_completion.h"
#include "daten_grid.h"
#include "entered_quantity.h"
#include "form_optionen.h"
#include "message_box.h"
#include "num_edit.h"
#include "number_parse.h"
#include "number_rounding.h"
#include "number_separators.h"
#include "produkt_settings.h"
#include "program_fonts.h"
#include "text_table.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace velmarsund {
namespace {

constexpr int kInletRows = InletRow::Count;
constexpr int kButtonHeight = 26;
constexpr int kResultPagesHeight = 214;
constexpr int kTableInset = 2;          // the tables on their tab pages
constexpr int kSeasonButtonSize = 22;
// Hints of the entry fields by input kind.
constexpr TextId kStandardVolumeHint = 590;
constexpr TextId kActualVolumeHint = 591;
constexpr TextId kMassFlowHint = 592;
constexpr TextId kRelativeHumidityHint = 593;
constexpr TextId kAbsoluteHumidityHint = 594;
constexpr TextId kWetBulbHint = 595;

AirStreamState& Inlet(TDatenRWT& record, int stream) { return stream == 0 ? record.State11 : record.State21; }

Stream StreamOf(int stream) { return stream == 0 ? Stream::Supply : Stream::Exhaust; }

// The seasons button shows whether the summer columns can be shown or hidden.
QIcon SeasonsIcon(bool summerShown)
{
    return QIcon(summerShown ? QStringLiteral(":/velmarsund/button-hide.svg")
                             : QStringLiteral(":/velmarsund/button-show.svg"));
}

} // namespace

TFormProdukt::TFormProdukt(QWidget* parent) : TFormBasis(parent)
{
    // Minimisable, not maximisable; the size follows the seasons view.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    CreateTables();
    CreateSeasonControls();
    CreateEntryFields();
    CreateCommands();
    for (QPushButton* button : {Button_Diagramm, Button_Leakage, Button_Datenblatt, Button_Produktbeschreibung,
                                Button_Reglerbeschreibung})
        buttonColumn_->addWidget(button);
    buttonColumn_->addStretch();
    // The leakage command belongs to the rotor level, which shows it.
    Button_Leakage->hide();
    Menu_Ansicht_Leakage->setVisible(false);
    SetSeasonView(SeasonView::WinterOnly);
    SetUseSeasons(false);
    SetResultCommandsEnabled(false);
}

TFormProdukt::~TFormProdukt()
{
    // A caption field that loses the focus while the window goes reports no edit to a window that
    // is no longer whole.
    for (QLineEdit* edit : {Edit_Winter, Edit_Sommer})
        if (edit) edit->disconnect(this);
}

// ---------------------------------------------------------------------------------------------
// Creation

void TFormProdukt::CreateTables()
{
    QWidget* central = centralWidget();
    Panel_Lufteintritt = new QWidget(central);
    Panel_Lufteintritt->setObjectName(QStringLiteral("Panel_Lufteintritt"));
    Tabelle_Lufteintritt = new TDatenGrid(kInletRows, Panel_Lufteintritt);
    Tabelle_Lufteintritt->setObjectName(QStringLiteral("Tabelle_Lufteintritt"));

    Panel_w_dp = new QWidget(central);
    Panel_w_dp->setObjectName(QStringLiteral("Panel_w_dp"));
    Tabelle_w_dp = new TDatenGrid(VelocityRow::Count, Panel_w_dp);
    Tabelle_w_dp->setObjectName(QStringLiteral("Tabelle_w_dp"));

    RegisterDaten = new QTabWidget(central);
    RegisterDaten->setObjectName(QStringLiteral("RegisterDaten"));
    RegisterDaten->setTabPosition(QTabWidget::South);
    RegisterDaten->setFocusPolicy(Qt::NoFocus);
    TabSheet_Luftaustritt = new QWidget;
    TabSheet_Luftaustritt->setObjectName(QStringLiteral("TabSheet_Luftaustritt"));
    TabSheet_Prozessdaten = new QWidget;
    TabSheet_Prozessdaten->setObjectName(QStringLiteral("TabSheet_Prozessdaten"));
    RegisterDaten->addTab(TabSheet_Luftaustritt, QString());
    RegisterDaten->addTab(TabSheet_Prozessdaten, QString());
    RegisterDaten->setCurrentWidget(TabSheet_Luftaustritt);

    Tabelle_Luftaustritt = new TDatenGrid(OutletRow::Count, TabSheet_Luftaustritt);
    Tabelle_Luftaustritt->setObjectName(QStringLiteral("Tabelle_Luftaustritt"));
    Tabelle_Luftaustritt->move(kTableInset, kTableInset);
    Tabelle_Prozessdaten = new TDatenGrid(ProcessRow::Count, TabSheet_Prozessdaten);
    Tabelle_Prozessdaten->setObjectName(QStringLiteral("Tabelle_Prozessdaten"));
    Tabelle_Prozessdaten->move(kTableInset, kTableInset);

    LB_Hinweis = new QLabel(TabSheet_Luftaustritt);
    LB_Hinweis->setObjectName(QStringLiteral("LB_Hinweis"));
    LB_Hinweis->setAlignment(Qt::AlignCenter);
    LB_Hinweis->hide();

    const auto heading = [this](const char* name) {
        auto* label = new QLabel(Panel_Lufteintritt);
        label->setObjectName(QLatin1String(name));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    LB_Zuluft = heading("LB_Zuluft");
    LB_Abluft = heading("LB_Abluft");
    LB_Zuluft_S = heading("LB_Zuluft_S");
    LB_Abluft_S = heading("LB_Abluft_S");
}

void TFormProdukt::CreateSeasonControls()
{
    QWidget* central = centralWidget();
    const auto caption = [central](const char* name) {
        auto* edit = new QLineEdit(central);
        edit->setObjectName(QLatin1String(name));
        edit->setAlignment(Qt::AlignCenter);
        // A caption in the panel's colour that the user may overwrite: underlined, no box.
        edit->setStyleSheet(QStringLiteral("QLineEdit { background: transparent; border: none;"
                                           " border-bottom: 1px solid palette(mid); font-weight: bold; }"
                                           "QLineEdit:focus { border-bottom: 1px solid palette(highlight); }"));
        return edit;
    };
    Edit_Winter = caption("Edit_Winter");
    Edit_Sommer = caption("Edit_Sommer");
    for (QLineEdit* edit : {Edit_Winter, Edit_Sommer})
        connect(edit, &QLineEdit::editingFinished, this, [this] { SelectionEdited(); });

    Panel_Seasons = new QWidget(central);
    Panel_Seasons->setObjectName(QStringLiteral("Panel_Seasons"));
    Button_Seasons = new QToolButton(Panel_Seasons);
    Button_Seasons->setObjectName(QStringLiteral("Button_Seasons"));
    Button_Seasons->setAutoRaise(true);
    Button_Seasons->setFocusPolicy(Qt::NoFocus);
    Button_Seasons->setGeometry(0, 0, kSeasonButtonSize, kSeasonButtonSize);
    Button_Seasons->setIconSize(QSize(16, 16));
    Panel_Seasons->resize(kSeasonButtonSize, kSeasonButtonSize);
    connect(Button_Seasons, &QToolButton::clicked, this, &TFormProdukt::Button_SeasonsClick);
}

TNumEdit* TFormProdukt::CreateField(const QString& name, int season)
{
    auto* field = new TNumEdit(Panel_Lufteintritt);
    field->setObjectName(season == 0 ? name : name + QStringLiteral("_S"));
    field->SetFormat(NumberFormat::General);
    field->SetPrecision(10);
    field->SetValue(0);
    connect(field, &TNumEdit::OnCalculate, this, [this, field] {
        entered_.insert(field);
        Aenderung_Daten();
    });
    return field;
}

void TFormProdukt::CreateEntryFields()
{
    for (int season = 0; season < 2; ++season) {
        AirEntryFields& f = fields_[static_cast<std::size_t>(season)];
        f.volume[0] = CreateField(QStringLiteral("Edit_SVol11"), season);
        f.volume[1] = CreateField(QStringLiteral("Edit_SVol21"), season);
        f.temp[0] = CreateField(QStringLiteral("Edit_Temp11"), season);
        f.temp[1] = CreateField(QStringLiteral("Edit_Temp21"), season);
        f.humidity[0] = CreateField(QStringLiteral("Edit_Feuchte11"), season);
        f.humidity[1] = CreateField(QStringLiteral("Edit_Feuchte21"), season);
        for (TNumEdit* v : f.volume) v->SetDigits(0);
        for (TNumEdit* t : f.temp) t->SetDigits(1);
        for (TNumEdit* h : f.humidity) h->SetDigits(1);
    }
    // Tab order: winter supply side, winter exhaust side, then the summer columns.
    QWidget* previous = nullptr;
    for (AirEntryFields& f : fields_)
        for (int stream = 0; stream < 2; ++stream)
            for (TNumEdit* field : {f.volume[stream], f.temp[stream], f.humidity[stream]}) {
                if (previous) setTabOrder(previous, field);
                previous = field;
            }
}

void TFormProdukt::CreateCommands()
{
    Menu_Ansicht = new QMenu(this);
    Menu_Ansicht->setObjectName(QStringLiteral("Menu_Ansicht"));
    menuBar()->insertMenu(Menu_Optionen->menuAction(), Menu_Ansicht);
    const auto item = [this](const char* name, void (TFormProdukt::*handler)()) {
        QAction* action = Menu_Ansicht->addAction(QString(), this, handler);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    Menu_Ansicht_Datenblatt = item("Menu_Ansicht_Datenblatt", &TFormProdukt::Menu_Ansicht_DatenblattClick);
    Menu_Ansicht_Diagramm = item("Menu_Ansicht_Diagramm", &TFormProdukt::Menu_Ansicht_DiagrammClick);
    Menu_Ansicht_Produktbeschreibung =
        item("Menu_Ansicht_Produktbeschreibung", &TFormProdukt::Menu_Ansicht_ProduktbeschreibungClick);
    Menu_Ansicht_Leakage = item("Menu_Ansicht_Leakage", &TFormProdukt::Menu_Ansicht_LeakageClick);
    Menu_Ansicht_Reglerbeschreibung =
        item("Menu_Ansicht_Reglerbeschreibung", &TFormProdukt::Menu_Ansicht_ReglerbeschreibungClick);

    Menu_Optionen_Einstellungen =
        Menu_Optionen->addAction(QString(), this, &TFormProdukt::Menu_Optionen_EinstellungenClick);
    Menu_Optionen_Einstellungen->setObjectName(QStringLiteral("Menu_Optionen_Einstellungen"));
    Menu_Optionen_UseSeasons = Menu_Optionen->addAction(QString(), this, &TFormProdukt::Menu_Optionen_UseSeasonsClick);
    Menu_Optionen_UseSeasons->setObjectName(QStringLiteral("Menu_Optionen_UseSeasons"));
    Menu_Optionen_UseSeasons->setCheckable(true);

    Panel_Buttons = new QWidget(centralWidget());
    Panel_Buttons->setObjectName(QStringLiteral("Panel_Buttons"));
    buttonColumn_ = new QVBoxLayout(Panel_Buttons);
    buttonColumn_->setContentsMargins(0, 0, 0, 0);
    buttonColumn_->setSpacing(kMargin);
    const auto button = [this](const char* name, void (TFormProdukt::*handler)()) {
        auto* b = new QPushButton(Panel_Buttons);
        b->setObjectName(QLatin1String(name));
        b->setFixedHeight(kButtonHeight);
        // A click leaves the focus in the field: the command itself commits what was typed there.
        b->setFocusPolicy(Qt::TabFocus);
        connect(b, &QPushButton::clicked, this, handler);
        return b;
    };
    Button_Diagramm = button("Button_Diagramm", &TFormProdukt::Menu_Ansicht_DiagrammClick);
    Button_Leakage = button("Button_Leakage", &TFormProdukt::Menu_Ansicht_LeakageClick);
    Button_Datenblatt = button("Button_Datenblatt", &TFormProdukt::Menu_Ansicht_DatenblattClick);
    Button_Produktbeschreibung =
        button("Button_Produktbeschreibung", &TFormProdukt::Menu_Ansicht_ProduktbeschreibungClick);
    Button_Reglerbeschreibung =
        button("Button_Reglerbeschreibung", &TFormProdukt::Menu_Ansicht_ReglerbeschreibungClick);
}

// ---------------------------------------------------------------------------------------------
// Layout

void TFormProdukt::PlaceControls()
{
    const int widen = SummerShown() ? kSummerWidening : 0;
    const int shift = useSeasons_ ? kSeasonsShift : 0;
    const int tableWidth = ResultTableWidth(seasonView_, columns_);
    // What the language's texts add to the usual widths of the tables.
    const int tablesExtra = tableWidth - ResultTableWidth(seasonView_);
    const auto column = [this](int c) { return ResultColumnLeft(seasonView_, c, columns_); };
    const int pagesWidth = kResultPageWidth + widen + tablesExtra;
    const int buttonsLeft = kMargin + pagesWidth + kMargin;
    const int deviceLeft = kTablesLeft + tableWidth + 6;
    const int width = std::max({kWindowWidth + widen + tablesExtra, buttonsLeft + ButtonColumnWidth() + kMargin,
                                deviceLeft + DevicePanelWidth() + kMargin});

    const int inletTop = kAreaTop + shift;
    const int inletHeight = Tabelle_Lufteintritt->RowCount() * TDatenGrid::kRowHeight;
    Panel_Lufteintritt->setGeometry(kTablesLeft, inletTop, tableWidth, inletHeight);
    const int velocityTop = inletTop + inletHeight + kMargin;
    const int velocityHeight = Tabelle_w_dp->RowCount() * TDatenGrid::kRowHeight;
    Panel_w_dp->setGeometry(kTablesLeft, velocityTop, tableWidth, velocityHeight);
    const int pagesTop = velocityTop + velocityHeight + kMargin;
    RegisterDaten->setGeometry(kMargin, pagesTop, pagesWidth, kResultPagesHeight);
    Panel_Buttons->setGeometry(buttonsLeft, pagesTop, width - buttonsLeft - kMargin, kResultPagesHeight);

    // The season captions over their columns, the seasons button right of the last shown ones.
    const int captionTop = kAreaTop + 2;
    const int captionHeight = kSeasonsShift - 4;
    Edit_Winter->setGeometry(kTablesLeft + column(1), captionTop, column(4) - column(1), captionHeight);
    Edit_Sommer->setGeometry(kTablesLeft + column(5), captionTop, column(8) - column(5), captionHeight);
    const int unit = UnitColumn(seasonView_);
    Panel_Seasons->move(kTablesLeft + column(unit) + (column(unit + 1) - column(unit) - kSeasonButtonSize) / 2,
                        captionTop + (captionHeight - kSeasonButtonSize) / 2);

    // Stream headings, right-aligned over their columns in the empty first row. The first may
    // reach over the empty label cell; the others end where the heading on their left does (the
    // value columns are wide enough for the headings of the language).
    const auto placeHeading = [&](QLabel* label, const QString& text, int c) {
        const int right = column(c + 1) - TDatenGrid::kTextInset;
        const int left = c == 1 ? 0 : column(c - 1) + TDatenGrid::kTextInset;
        label->setGeometry(left, 0, right - left, TDatenGrid::kRowHeight);
        label->setText(text);
    };
    placeHeading(LB_Zuluft, headings_[0], ValueColumn(Season::Winter, Stream::Supply));
    placeHeading(LB_Abluft, headings_[1], ValueColumn(Season::Winter, Stream::Exhaust));
    placeHeading(LB_Zuluft_S, headings_[0], ValueColumn(Season::Summer, Stream::Supply));
    placeHeading(LB_Abluft_S, headings_[1], ValueColumn(Season::Summer, Stream::Exhaust));

    // Every entry field exactly over the inlet-table cell of its quantity.
    for (Season season : {Season::Winter, Season::Summer}) {
        AirEntryFields& f = Fields(season);
        for (int stream = 0; stream < 2; ++stream) {
            const int c = ValueColumn(season, StreamOf(stream));
            f.volume[stream]->setGeometry(Tabelle_Lufteintritt->CellRect(c, InletRowOfVolumeKind(volumeKind_)));
            f.temp[stream]->setGeometry(Tabelle_Lufteintritt->CellRect(c, kInletTemperatureRow));
            f.humidity[stream]->setGeometry(Tabelle_Lufteintritt->CellRect(c, InletRowOfHumidityKind(humidityKind_)));
        }
    }

    centralWidget()->setFixedSize(width, pagesTop + kResultPagesHeight + kMargin);
    PlaceDeviceControls(QRect(deviceLeft, kAreaTop, width - deviceLeft - kMargin, pagesTop - kMargin - kAreaTop),
                        width);
    if (LB_Hinweis->isVisible()) FillHint();
    layout()->activate();
}

void TFormProdukt::PlaceDeviceControls(const QRect&, int) {}

int TFormProdukt::ButtonColumnWidth() const
{
    int width = kWindowWidth - kResultPageWidth - 3 * kMargin;
    // The column widens to the longest caption of its commands.
    for (const QPushButton* button : Panel_Buttons->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        const QStyle* style = button->style();
        // As the style sizes a button for its caption, and a little air on both sides.
        const int need = button->fontMetrics().horizontalAdvance(button->text()) +
                         style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                         2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button) + 8;
        width = std::max(width, need);
    }
    return width;
}

void TFormProdukt::FitColumnsToTexts()
{
    const QFontMetrics metrics(Tabelle_Lufteintritt->font());
    const int insets = 2 * TDatenGrid::kTextInset;
    ResultColumnSizes sizes;
    const auto fit = [&metrics, insets](int& width, const auto& texts, int extra) {
        for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text) + insets + extra);
    };
    // Every label and unit the tables can show: both effectiveness settings, both unit systems.
    fit(sizes.label, InletLabels(), 2);
    fit(sizes.label, VelocityLabels(), 2);
    fit(sizes.label, OutletLabels(), 2);
    for (const EffectivenessOptions& options :
         {EffectivenessOptions{false, false, true}, EffectivenessOptions{true, true, false}}) {
        fit(sizes.label, ProcessLabels(options), 2);
        for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) fit(sizes.unit, ProcessUnits(units, options), 0);
    }
    for (UnitSystem units : {UnitSystem::SI, UnitSystem::IP}) {
        fit(sizes.unit, InletUnits(units), 0);
        fit(sizes.unit, VelocityUnits(units), 0);
        fit(sizes.unit, OutletUnits(units), 0);
    }
    // A stream heading stands over its value column and the gap on its left, with some air to the
    // heading beside it.
    constexpr int kHeadingAir = 8;
    const QFontMetrics headingMetrics(LB_Zuluft->font());
    for (const QString& heading : headings_)
        sizes.value =
            std::max(sizes.value, headingMetrics.horizontalAdvance(heading) + insets - kResultGapWidth + kHeadingAir);
    columns_ = sizes;
    for (TDatenGrid* grid : {Tabelle_Lufteintritt, Tabelle_w_dp, Tabelle_Luftaustritt, Tabelle_Prozessdaten})
        grid->SetColWidths(ResultColumnWidths(seasonView_, columns_));
}

void TFormProdukt::SetFieldHints()
{
    const TextId volume = volumeKind_ == ActualVolume    ? kActualVolumeHint
                          : volumeKind_ == MassFlowGiven ? kMassFlowHint
                                                         : kStandardVolumeHint;
    const TextId humidity = humidityKind_ == AbsoluteHumidity     ? kAbsoluteHumidityHint
                            : humidityKind_ == WetBulbTemperature ? kWetBulbHint
                                                                  : kRelativeHumidityHint;
    for (const AirEntryFields& f : fields_)
        for (int stream = 0; stream < 2; ++stream) {
            f.volume[stream]->setToolTip(LoadText(volume));
            f.humidity[stream]->setToolTip(LoadText(humidity));
        }
}

// ---------------------------------------------------------------------------------------------
// Air conditions

QString TFormProdukt::AirFieldText(Season season, Stream stream, int quantity) const {
    const AirEntryFields& f = fields_[season == Season::Winter ? 0 : 1];
    const int side = stream == Stream::Supply ? 0 : 1;
    const TNumEdit* field = quantity == 0 ? f.volume[side] : quantity == 1 ? f.temp[side] : f.humidity[side];
    return field->text();
}

std::array<TNumEdit*, 12> TFormProdukt::AllAirFields() const
{
    std::array<TNumEdit*, 12> all{};
    std::size_t i = 0;
    for (const AirEntryFields& f : fields_)
        for (int stream = 0; stream < 2; ++stream)
            for (TNumEdit* field : {f.volume[stream], f.temp[stream], f.humidity[stream]}) all[i++] = field;
    return all;
}

void TFormProdukt::ShowInField(TNumEdit* field, double value)
{
    field->SetValue(value);
    entered_.remove(field);
}

std::optional<double> TFormProdukt::EnteredValue(TNumEdit* field)
{
    if (!entered_.contains(field) && !field->isModified()) return std::nullopt;
    try {
        const double value = field->Value();
        entered_.insert(field);
        return value;
    } catch (const ConversionError&) {
        return std::nullopt; // reported when the field was left; the record keeps its value
    }
}

void TFormProdukt::Aenderung_Daten()
{
    InvalidateResults();
    CopyAirInputs();
    CopyDeviceToRecords();
    SetTemperatureRanges();
    winter_.Update();
    if (SummerShown()) summer_.Update();
    RefreshInletTables();
    ShowDeviceCaption();
}

void TFormProdukt::CopyAirInputs()
{
    const EnteredQuantity volume = VolumeQuantity(volumeKind_);
    const EnteredQuantity humidity = HumidityQuantity(humidityKind_);
    for (Season season : {Season::Winter, Season::Summer}) {
        TDatenRWT& r = Record(season);
        r.HumidityKind = static_cast<std::uint8_t>(humidityKind_);
        r.VolumeKind = static_cast<std::uint8_t>(volumeKind_);
        r.AirPressure = airPressure_;
        AirEntryFields& f = Fields(season);
        for (int stream = 0; stream < 2; ++stream) {
            AirStreamState& s = Inlet(r, stream);
            if (const auto v = EnteredValue(f.volume[stream])) s.*volume.member = ToInternal(volume, unitSystem_, *v);
            if (const auto v = EnteredValue(f.temp[stream]))
                s.Temp = ToInternal(kEnteredTemperature, unitSystem_, *v);
            if (const auto v = EnteredValue(f.humidity[stream]))
                s.*humidity.member = ToInternal(humidity, unitSystem_, *v);
        }
    }
}

void TFormProdukt::ShowAirInputs()
{
    for (Season season : {Season::Winter, Season::Summer}) {
        TDatenRWT& r = Record(season);
        // Standard volume and relative humidity consistent with whatever the record holds.
        const auto humidityKind = r.HumidityKind;
        const auto volumeKind = r.VolumeKind;
        r.HumidityKind = velmarsund::RelativeHumidity;
        r.VolumeKind = velmarsund::StandardVolume;
        r.Update();
        r.HumidityKind = humidityKind;
        r.VolumeKind = volumeKind;
        AirEntryFields& f = Fields(season);
        for (int stream = 0; stream < 2; ++stream) {
            const AirStreamState& s = Inlet(r, stream);
            ShowInField(f.volume[stream], s.SVol);
            ShowInField(f.temp[stream], RoundTo(ToDisplay(kEnteredTemperature, unitSystem_, s.Temp), 1));
            ShowInField(f.humidity[stream], s.Humidity);
        }
        if (season == Season::Winter && r.AirPressure != airPressure_) {
            airPressure_ = r.AirPressure;
            InvalidateResults();
        }
    }
    SetHumidityInputKind(winter_.HumidityKind);
    SetAirVolumeInputKind(winter_.VolumeKind);
}

void TFormProdukt::SetHumidityInputKind(int kind)
{
    humidityKind_ = kind;
    const EnteredQuantity q = HumidityQuantity(kind);
    for (Season season : {Season::Winter, Season::Summer})
        for (int stream = 0; stream < 2; ++stream)
            ShowInField(Fields(season).humidity[stream],
                        RoundTo(ToDisplay(q, unitSystem_, Inlet(Record(season), stream).*q.member), 1));
    SetFieldHints();
    PlaceControls();
}

void TFormProdukt::SetAirVolumeInputKind(int kind)
{
    volumeKind_ = kind;
    const EnteredQuantity q = VolumeQuantity(kind);
    for (Season season : {Season::Winter, Season::Summer})
        for (int stream = 0; stream < 2; ++stream)
            ShowInField(Fields(season).volume[stream],
                        RoundTo(ToDisplay(q, unitSystem_, Inlet(Record(season), stream).*q.member), 0));
    SetFieldHints();
    PlaceControls();
}

void TFormProdukt::SetUnitSystem(UnitSystem system)
{
    unitSystem_ = system;
    RelabelUnits();
    const EnteredQuantity humidity = HumidityQuantity(humidityKind_);
    const EnteredQuantity volume = VolumeQuantity(volumeKind_);
    for (Season season : {Season::Winter, Season::Summer}) {
        AirEntryFields& f = Fields(season);
        for (int stream = 0; stream < 2; ++stream) {
            const AirStreamState& s = Inlet(Record(season), stream);
            ShowInField(f.temp[stream], RoundTo(ToDisplay(kEnteredTemperature, system, s.Temp), 1));
            if (humidity.kind != 0)
                ShowInField(f.humidity[stream], RoundTo(ToDisplay(humidity, system, s.*humidity.member), 1));
            ShowInField(f.volume[stream], RoundTo(ToDisplay(volume, system, s.*volume.member), 0));
        }
    }
    SetTemperatureRanges();
    RefreshInletTables();
    if (resultsValid_) FillResultTables();
}

void TFormProdukt::SetTemperatureRanges()
{
    const double min = UnitChoice(unitSystem_, -30.0, -22.0);
    const double max = UnitChoice(unitSystem_, 80.0, 176.0);
    for (Season season : {Season::Winter, Season::Summer})
        for (TNumEdit* field : Fields(season).temp) {
            field->SetMinValue(min);
            field->SetMaxValue(max);
            // Summer temperatures are refused on entry; winter ones are reported by the check.
            field->SetValidation(season == Season::Summer);
        }
}

// ---------------------------------------------------------------------------------------------
// Seasons

void TFormProdukt::SetUseSeasons(bool on)
{
    useSeasons_ = on;
    Menu_Optionen_UseSeasons->setChecked(on);
    if (!on && seasonView_ != SeasonView::WinterOnly) SetSeasonView(SeasonView::WinterOnly);
    Edit_Winter->setVisible(on);
    Panel_Seasons->setVisible(on);
    Edit_Sommer->setVisible(on && SummerShown());
    PlaceControls();
}

void TFormProdukt::SetSeasonView(SeasonView view)
{
    seasonView_ = view;
    Button_Seasons->setIcon(SeasonsIcon(SummerShown()));
    // The columns beyond the winter ones are emptied and refilled for the new view.
    for (TDatenGrid* grid : {Tabelle_Lufteintritt, Tabelle_w_dp, Tabelle_Luftaustritt, Tabelle_Prozessdaten}) {
        grid->ClearColumns(5, 9);
        grid->SetColWidths(ResultColumnWidths(view, columns_));
    }
    const bool summer = SummerShown() && useSeasons_;
    const AirEntryFields& f = Fields(Season::Summer);
    for (int stream = 0; stream < 2; ++stream)
        for (TNumEdit* field : {f.volume[stream], f.temp[stream], f.humidity[stream]}) field->setVisible(summer);
    LB_Zuluft_S->setVisible(summer);
    LB_Abluft_S->setVisible(summer);
    Edit_Winter->setVisible(useSeasons_);
    Edit_Sommer->setVisible(summer);
    RelabelUnits();
    PlaceControls();
    if (SummerShown())
        Aenderung_Daten();
    else if (resultsValid_)
        FillHint();
}

std::vector<Season> TFormProdukt::ShownSeasons() const
{
    if (SummerShown()) return {Season::Winter, Season::Summer};
    return {Season::Winter};
}

// ---------------------------------------------------------------------------------------------
// Result tables

ResultTables TFormProdukt::CurrentResultTables() const
{
    ResultTablesInput in;
    in.winter = &winter_;
    in.summer = SummerShown() ? &summer_ : nullptr;
    in.view = seasonView_;
    in.units = unitSystem_;
    in.effectiveness = effectiveness_;
    in.pressureDropLimit = pressureDropLimit_;
    in.resultsValid = resultsValid_;
    return BuildResultTables(in);
}

void TFormProdukt::WriteResultTables()
{
    const ResultTables tables = CurrentResultTables();
    const auto write = [](TDatenGrid* grid, const GridTexts& texts) {
        for (int row = 0; row < texts.Rows(); ++row)
            for (int col = 0; col < texts.Columns(); ++col) grid->SetCell(col, row, texts.Cell(col, row));
    };
    write(Tabelle_Lufteintritt, tables.inlet);
    write(Tabelle_w_dp, tables.velocity);
    write(Tabelle_Luftaustritt, tables.outlet);
    write(Tabelle_Prozessdaten, tables.process);
}

void TFormProdukt::RefreshInletTables() { WriteResultTables(); }

QString TFormProdukt::HintText() const { return FrostHint(winter_, SummerShown() ? &summer_ : nullptr); }

void TFormProdukt::FillHint()
{
    const QString text = resultsValid_ ? HintText() : QString();
    LB_Hinweis->setText(text);
    QFont font = WindowFont();
    font.setItalic(true);
    LB_Hinweis->setFont(font);
    const int width = static_cast<int>(std::lround(QFontMetrics(font).horizontalAdvance(text) * 1.2));
    // Centred on its page, which grows with the summer columns and the widened columns.
    const int centre = RegisterDaten->width() / 2;
    const int top = kTableInset + Tabelle_Luftaustritt->RowCount() * TDatenGrid::kRowHeight + kMargin;
    LB_Hinweis->setGeometry(centre - width / 2, top, width, TDatenGrid::kRowHeight);
    LB_Hinweis->setVisible(!text.isEmpty());
}

void TFormProdukt::FillResultTables()
{
    WriteResultTables();
    FillHint();
}

void TFormProdukt::InvalidateResults()
{
    resultsValid_ = false;
    SetResultCommandsEnabled(false);
    WriteResultTables();
    LB_Hinweis->clear();
    LB_Hinweis->hide();
}

void TFormProdukt::SetResultsValid()
{
    resultsValid_ = true;
    SetResultCommandsEnabled(true);
    FillResultTables();
}

void TFormProdukt::SetResultCommandsEnabled(bool enabled)
{
    for (QPushButton* button : {Button_Datenblatt, Button_Diagramm, Button_Leakage}) button->setEnabled(enabled);
    Menu_Ansicht_Datenblatt->setEnabled(enabled);
    Menu_Ansicht_Diagramm->setEnabled(enabled);
}

void TFormProdukt::RelabelUnits() { WriteResultTables(); }

void TFormProdukt::RelabelTexts()
{
    WriteResultTables();
    const QString twoSpaces = QStringLiteral("  ");
    RegisterDaten->setTabText(0, twoSpaces + LoadText(10) + twoSpaces);
    RegisterDaten->setTabText(1, twoSpaces + LoadText(11) + twoSpaces);
}

// ---------------------------------------------------------------------------------------------
// Plausibility check

bool TFormProdukt::PlausibilityCheck()
{
    const CheckMessages winter = TestRecord(winter_, pressureDropLimit_);
    std::optional<CheckMessages> summer;
    if (SummerShown()) summer = TestRecord(summer_, pressureDropLimit_);
    const PlausibilityReport report =
        BuildPlausibilityReport(winter, summer, WinterCaption(), SummerCaption(), unitSystem_);
    checkMessages_ = report.messages;
    onlyWarnings_ = report.onlyWarnings;
    if (report.ShowsMessage()) ShowMessageBox(report.text, report.caption, MessageKind::Warning);
    return report.Proceeds();
}

QString TFormProdukt::WinterCaption() const { return Edit_Winter->text(); }
QString TFormProdukt::SummerCaption() const { return Edit_Sommer->text(); }

// ---------------------------------------------------------------------------------------------
// Settings, texts, commands

void TFormProdukt::ReadSettings()
{
    TFormBasis::ReadSettings();
    const TProduktSettings s = ReadProduktSettings(IniDatei(), SettingsSection());
    effectiveness_ = {s.useAhriEffectiveness, s.totalEffectiveness, s.energyEfficiencyClass};
    wetBulbOnDataSheet_ = s.wetBulbOnDataSheet;
    mollier_ = s.mollier;
    airPressure_ = s.airPressure;
    for (TDatenRWT* r : {&winter_, &summer_}) {
        r->AirPressure = s.airPressure;
        r->HumidityKind = static_cast<std::uint8_t>(s.humidityKind);
        r->VolumeKind = static_cast<std::uint8_t>(s.airVolumeKind);
    }
    SetUseSeasons(s.useSeasons);
    const auto take = [](AirStreamState& state, const TAirInletSetting& in) {
        state.SVol = in.svol;
        state.Temp = in.temp;
        state.Humidity = in.humidity;
    };
    take(winter_.State11, s.inlets[AirInlet::Winter11]);
    take(winter_.State21, s.inlets[AirInlet::Winter21]);
    take(summer_.State11, s.inlets[AirInlet::Summer11]);
    take(summer_.State21, s.inlets[AirInlet::Summer21]);
    SetUnitSystem(unitSystem_);
    ShowAirInputs();
}

void TFormProdukt::WriteSettings()
{
    TFormBasis::WriteSettings();
    TProduktSettings s;
    s.useAhriEffectiveness = effectiveness_.useAhriEffectiveness;
    s.totalEffectiveness = effectiveness_.totalEffectiveness;
    s.energyEfficiencyClass = effectiveness_.energyEfficiencyClass;
    s.wetBulbOnDataSheet = wetBulbOnDataSheet_;
    s.mollier = mollier_;
    s.airPressure = winter_.AirPressure;
    s.airVolumeKind = winter_.VolumeKind;
    s.humidityKind = winter_.HumidityKind;
    s.useSeasons = useSeasons_;
    const auto keep = [](const AirStreamState& state) { return TAirInletSetting{state.SVol, state.Temp, state.Humidity}; };
    s.inlets[AirInlet::Winter11] = keep(winter_.State11);
    s.inlets[AirInlet::Winter21] = keep(winter_.State21);
    s.inlets[AirInlet::Summer11] = keep(summer_.State11);
    s.inlets[AirInlet::Summer21] = keep(summer_.State21);
    WriteProduktSettings(IniDatei(), SettingsSection(), s);
}

void TFormProdukt::SetTexts()
{
    TFormBasis::SetTexts();
    RelabelTexts();
    RelabelUnits();
    headings_ = StreamHeadings();
    Edit_Winter->setText(LoadText(272));
    Edit_Sommer->setText(LoadText(273));
    for (TNumEdit* field : AllAirFields()) field->SetErrorMessage(LoadText(105));
    for (const AirEntryFields& f : fields_)
        for (TNumEdit* field : f.temp) field->SetContent(LoadText(12));

    Menu_Ansicht->setTitle(LoadText(175));
    Menu_Ansicht_Datenblatt->setText(LoadText(159));
    Menu_Ansicht_Diagramm->setText(LoadText(156));
    Menu_Ansicht_Produktbeschreibung->setText(LoadText(160));
    Menu_Ansicht_Leakage->setText(LoadText(395));
    Menu_Ansicht_Reglerbeschreibung->setText(LoadText(384));
    Menu_Optionen_Einstellungen->setText(LoadText(165));
    Menu_Optionen_UseSeasons->setText(LoadText(272) + QStringLiteral(" / ") + LoadText(273));
    Button_Diagramm->setText(LoadText(156));
    Button_Leakage->setText(LoadText(395));
    Button_Datenblatt->setText(LoadText(159));
    Button_Produktbeschreibung->setText(LoadText(160));
    Button_Reglerbeschreibung->setText(LoadText(384));
    SetFieldHints();
    FitColumnsToTexts();
    PlaceControls();
    if (resultsValid_) FillHint();
}

bool TFormProdukt::CommitPendingEntries()
{
    for (TNumEditBase* field : centralWidget()->findChildren<TNumEditBase*>())
        if (field->isVisibleTo(this) && !field->CommitPending()) return false;
    return true;
}

void TFormProdukt::closeEvent(QCloseEvent* event)
{
    // What was typed and not yet committed is kept, as far as it is a valid entry.
    CommitPendingEntries();
    TFormBasis::closeEvent(event);
}

void TFormProdukt::Menu_Ansicht_LeakageClick()
{
    // The leakage window itself is not part of this level; its check runs already.
    if (!CommitPendingEntries()) return;
    PlausibilityCheck();
}

void TFormProdukt::Menu_Optionen_EinstellungenClick()
{
    if (!CommitPendingEntries()) return;
    if (!formOptionen_) formOptionen_ = new TFormOptionen(this);
    TOptionsValues current;
    current.unitSystem = unitSystem_;
    current.airPressure = airPressure_;
    current.airVolumeKind = volumeKind_;
    current.humidityKind = humidityKind_;
    current.separators = ProgramSeparators();
    current.useAhriEffectiveness = effectiveness_.useAhriEffectiveness;
    current.totalEffectiveness = effectiveness_.totalEffectiveness;
    current.energyEfficiencyClass = effectiveness_.energyEfficiencyClass;
    current.wetBulbOnDataSheet = wetBulbOnDataSheet_;
    if (const auto values = formOptionen_->Edit(current)) ApplyOptions(*values);
}

void TFormProdukt::ApplyOptions(const TOptionsValues& v)
{
    if (v.airPressure != airPressure_) {
        airPressure_ = v.airPressure;
        InvalidateResults();
    }
    SetUnitSystem(v.unitSystem);
    SetHumidityInputKind(v.humidityKind);
    SetAirVolumeInputKind(v.airVolumeKind);
    SetProgramSeparators(v.separators);
    effectiveness_ = {v.useAhriEffectiveness, v.totalEffectiveness, v.energyEfficiencyClass};
    wetBulbOnDataSheet_ = v.wetBulbOnDataSheet;
    SetTexts();
    // The entry fields show their values with the new separators.
    for (TNumEdit* field : AllAirFields()) field->RefreshText();
    Aenderung_Daten();
}

void TFormProdukt::Menu_Optionen_UseSeasonsClick()
{
    if (!CommitPendingEntries()) {
        Menu_Optionen_UseSeasons->setChecked(useSeasons_);
        return;
    }
    SetUseSeasons(!useSeasons_);
    SelectionEdited();
}

void TFormProdukt::Button_SeasonsClick()
{
    if (!CommitPendingEntries()) return;
    SetSeasonView(SummerShown() ? SeasonView::WinterOnly : SeasonView::WinterAndSummer);
    SelectionEdited();
}

} // namespace velmarsund
