#include "form_optionen.h"

#include "modal_runner.h"
#include "num_edit.h"
#include "text_table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace velmarsund {
namespace {

// A row of the units table: the quantity, and its SI and IP labels, each either a text of the
// text table (id not 0) or a fixed label.
struct UnitRow {
    TextId quantity;
    TextId siText;
    const char* si;
    TextId ipText;
    const char* ip;
};

constexpr UnitRow kUnitRows[] = {
    {39, 410, "", 0, "cfm"},       // air quantity
    {12, 411, "", 412, ""},        // temperature
    {14, 0, "g/kg", 0, "gr/lb"},   // humidity ratio
    {25, 0, "kJ/kg", 0, "BTU/lb"}, // enthalpy
    {33, 0, "kg/h", 0, "lb/h"},    // mass flow
    {26, 0, "kW", 0, "BTU/h"},     // heat flow
    {38, 0, "m/s", 0, "fpm"},      // air velocity
    {22, 0, "Pa", 0, "in. WG"},    // pressure drop
    {1, 0, "mbar", 0, "atm"},      // air pressure
    {2, 0, "m", 0, "ft"},          // altitude
    {350, 0, "W", 0, "HP"},        // motor power in W
    {350, 0, "kW", 0, "HP"},       // motor power in kW
};
constexpr int kUnitRowCount = static_cast<int>(std::size(kUnitRows));

// The table's least column widths; a wider caption widens its column.
constexpr int kQuantityColumnWidth = 140;
constexpr int kUnitColumnWidth = 70;
// Indent of the option below each effectiveness choice.
constexpr int kOptionIndent = 20;
constexpr int kButtonWidth = 80;

QString Label(TextId id, const char* fixed) { return id ? LoadText(id) : QString::fromLatin1(fixed); }

QString Padded(const QString& caption)
{
    const QString spaces = QStringLiteral("   ");
    return spaces + caption + spaces;
}

QString SeparatorText(QChar c) { return c.isNull() ? QString() : QString(c); }

template <typename Widget>
Widget* Named(const char* name, QWidget* parent)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QWidget* Indented(QWidget* widget, QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(kOptionIndent, 0, 0, 0);
    layout->addWidget(widget);
    return box;
}

} // namespace

TFormOptionen::TFormOptionen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormOptionen"));
    PageControl1 = Named<QTabWidget>("PageControl1", this);
    // Every tab caption stays whole; the window widens for the longer languages.
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setElideMode(Qt::ElideNone);
    CreatePageUmgebung();
    CreatePageEinheiten();
    CreatePageEingabeDaten();
    CreatePageProzessdaten();
    CreateButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    PageControl1->setCurrentIndex(0);
    SetTexts();
    model_.Open(TOptionsValues{});
    ShowUnits();
    ShowPressure();
}

void TFormOptionen::CreatePageUmgebung()
{
    Seite_Umgebung = Named<QWidget>("Seite_Umgebung", PageControl1);
    PageControl1->addTab(Seite_Umgebung, QString());
    Label_Luftdruck = Named<QLabel>("Label_Luftdruck", Seite_Umgebung);
    Edit_Luftdruck = Named<TNumEdit>("Edit_Luftdruck", Seite_Umgebung);
    Label_mbar = Named<QLabel>("Label_mbar", Seite_Umgebung);
    Label_HoeheNN = Named<QLabel>("Label_HoeheNN", Seite_Umgebung);
    Edit_HoeheNN = Named<TNumEdit>("Edit_HoeheNN", Seite_Umgebung);
    Label_m = Named<QLabel>("Label_m", Seite_Umgebung);
    for (TNumEdit* field : {Edit_Luftdruck, Edit_HoeheNN}) {
        field->SetFormat(NumberFormat::General);
        field->SetValidation(true);
        connect(field, &TNumEdit::OnCalculate, this, &TFormOptionen::Edit_LuftdruckCalculate);
    }
    auto* grid = new QGridLayout(Seite_Umgebung);
    grid->addWidget(Label_Luftdruck, 0, 0);
    grid->addWidget(Edit_Luftdruck, 0, 1);
    grid->addWidget(Label_mbar, 0, 2);
    grid->addWidget(Label_HoeheNN, 1, 0);
    grid->addWidget(Edit_HoeheNN, 1, 1);
    grid->addWidget(Label_m, 1, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(2, 1);
}

void TFormOptionen::CreatePageEinheiten()
{
    Seite_Einheiten = Named<QWidget>("Seite_Einheiten", PageControl1);
    PageControl1->addTab(Seite_Einheiten, QString());
    RadioButton_SI = Named<QRadioButton>("RadioButton_SI", Seite_Einheiten);
    RadioButton_US = Named<QRadioButton>("RadioButton_US", Seite_Einheiten);
    RadioButton_SI->setText(QStringLiteral("SI"));
    RadioButton_US->setText(QStringLiteral("UK / US"));
    connect(RadioButton_SI, &QRadioButton::clicked, this, &TFormOptionen::RadioButton_SIClick);
    connect(RadioButton_US, &QRadioButton::clicked, this, &TFormOptionen::RadioButton_SIClick);

    // The table only informs: nothing in it is selected, edited or focused.
    Tabelle_Einheiten = Named<QTableWidget>("Tabelle_Einheiten", Seite_Einheiten);
    Tabelle_Einheiten->setRowCount(kUnitRowCount);
    Tabelle_Einheiten->setColumnCount(3);
    Tabelle_Einheiten->horizontalHeader()->hide();
    Tabelle_Einheiten->verticalHeader()->hide();
    Tabelle_Einheiten->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle_Einheiten->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle_Einheiten->setFocusPolicy(Qt::NoFocus);
    Tabelle_Einheiten->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Tabelle_Einheiten->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < kUnitRowCount; ++row)
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem;
            item->setFlags(Qt::ItemIsEnabled);
            Tabelle_Einheiten->setItem(row, column, item);
        }
    connect(Tabelle_Einheiten, &QTableWidget::cellDoubleClicked, this,
            &TFormOptionen::Tabelle_EinheitenDblClick);

    Label_DecimalSeparator = Named<QLabel>("Label_DecimalSeparator", Seite_Einheiten);
    Edit_DecimalSeparator = Named<QLineEdit>("Edit_DecimalSeparator", Seite_Einheiten);
    Label_ThousandSeparator = Named<QLabel>("Label_ThousandSeparator", Seite_Einheiten);
    Edit_ThousandSeparator = Named<QLineEdit>("Edit_ThousandSeparator", Seite_Einheiten);
    for (QLineEdit* field : {Edit_DecimalSeparator, Edit_ThousandSeparator}) {
        field->setMaxLength(1);
        field->setAlignment(Qt::AlignCenter);
    }

    auto* heads = new QHBoxLayout;
    heads->setSpacing(0);
    unitHeadIndent_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    heads->addSpacerItem(unitHeadIndent_);
    heads->addWidget(RadioButton_SI);
    heads->addWidget(RadioButton_US);
    heads->addStretch();

    auto* separators = new QGridLayout;
    separators->addWidget(Label_DecimalSeparator, 0, 0);
    separators->addWidget(Edit_DecimalSeparator, 0, 1);
    separators->addWidget(Label_ThousandSeparator, 1, 0);
    separators->addWidget(Edit_ThousandSeparator, 1, 1);
    separators->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(Seite_Einheiten);
    layout->addLayout(heads);
    layout->addWidget(Tabelle_Einheiten, 0, Qt::AlignLeft);
    layout->addSpacing(6);
    layout->addLayout(separators);
    layout->addStretch();
}

void TFormOptionen::CreatePageEingabeDaten()
{
    Seite_EingabeDaten = Named<QWidget>("Seite_EingabeDaten", PageControl1);
    PageControl1->addTab(Seite_EingabeDaten, QString());
    Label_Luftmenge = Named<QLabel>("Label_Luftmenge", Seite_EingabeDaten);
    Combo_Luftmenge = Named<QComboBox>("Combo_Luftmenge", Seite_EingabeDaten);
    Label_Feuchte = Named<QLabel>("Label_Feuchte", Seite_EingabeDaten);
    Combo_Feuchte = Named<QComboBox>("Combo_Feuchte", Seite_EingabeDaten);
    CheckBox_WB = Named<QCheckBox>("CheckBox_WB", Seite_EingabeDaten);
    for (QComboBox* combo : {Combo_Luftmenge, Combo_Feuchte}) {
        combo->addItems({QString(), QString(), QString()});
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
    connect(Combo_Luftmenge, &QComboBox::activated, this, &TFormOptionen::Combo_LuftmengeChange);
    connect(Combo_Feuchte, &QComboBox::activated, this, &TFormOptionen::Combo_FeuchteChange);
    connect(CheckBox_WB, &QCheckBox::clicked, this, &TFormOptionen::CheckBox_WBClick);

    auto* grid = new QGridLayout(Seite_EingabeDaten);
    grid->addWidget(Label_Luftmenge, 0, 0);
    grid->addWidget(Combo_Luftmenge, 0, 1);
    grid->addWidget(Label_Feuchte, 1, 0);
    grid->addWidget(Combo_Feuchte, 1, 1);
    grid->addWidget(CheckBox_WB, 2, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
}

void TFormOptionen::CreatePageProzessdaten()
{
    Seite_Prozessdaten = Named<QWidget>("Seite_Prozessdaten", PageControl1);
    PageControl1->addTab(Seite_Prozessdaten, QString());
    RadioButton_PHI_Europa = Named<QRadioButton>("RadioButton_PHI_Europa", Seite_Prozessdaten);
    CheckBox_HCLASS = Named<QCheckBox>("CheckBox_HCLASS", Seite_Prozessdaten);
    RadioButton_PHI_USA = Named<QRadioButton>("RadioButton_PHI_USA", Seite_Prozessdaten);
    CheckBox_TotalEff = Named<QCheckBox>("CheckBox_TotalEff", Seite_Prozessdaten);
    connect(RadioButton_PHI_Europa, &QRadioButton::clicked, this, &TFormOptionen::RadioButton_PHIClick);
    connect(RadioButton_PHI_USA, &QRadioButton::clicked, this, &TFormOptionen::RadioButton_PHIClick);
    connect(CheckBox_HCLASS, &QCheckBox::clicked, this, &TFormOptionen::CheckBox_HCLASSClick);
    connect(CheckBox_TotalEff, &QCheckBox::clicked, this, &TFormOptionen::CheckBox_TotalEffClick);

    auto* layout = new QVBoxLayout(Seite_Prozessdaten);
    layout->addWidget(RadioButton_PHI_Europa);
    layout->addWidget(Indented(CheckBox_HCLASS, Seite_Prozessdaten));
    layout->addSpacing(10);
    layout->addWidget(RadioButton_PHI_USA);
    layout->addWidget(Indented(CheckBox_TotalEff, Seite_Prozessdaten));
    layout->addStretch();
}

void TFormOptionen::CreateButtons()
{
    Button_OK = Named<QPushButton>("Button_OK", this);
    Button_OK->setText(QStringLiteral("OK"));
    Button_OK->setDefault(true);
    Button_Cancel = Named<QPushButton>("Button_Cancel", this);
    // A click on either button leaves the focus where it is: Cancel then abandons a refused entry
    // without a second range message, and OK commits a typed entry itself (Button_OKClick).
    for (QPushButton* button : {Button_OK, Button_Cancel}) {
        button->setMinimumWidth(kButtonWidth);
        button->setFocusPolicy(Qt::TabFocus);
    }
    connect(Button_OK, &QPushButton::clicked, this, &TFormOptionen::Button_OKClick);
    connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject); // also on Escape
}

void TFormOptionen::SetTexts()
{
    setWindowTitle(LoadText(165));
    Button_Cancel->setText(LoadText(161));
    PageControl1->setTabText(0, Padded(LoadText(166)));
    PageControl1->setTabText(1, Padded(LoadText(167) + QStringLiteral(" / ") + LoadText(328)));
    PageControl1->setTabText(2, Padded(LoadText(168)));
    PageControl1->setTabText(3, LoadText(11));

    Label_Luftdruck->setText(LoadText(1));
    Label_HoeheNN->setText(LoadText(2));
    for (TNumEdit* field : {Edit_Luftdruck, Edit_HoeheNN}) {
        field->SetErrorMessage(LoadText(105));
        field->SetContent(QString());
    }

    for (int row = 0; row < kUnitRowCount; ++row) {
        const UnitRow& unit = kUnitRows[row];
        Tabelle_Einheiten->item(row, 0)->setText(QStringLiteral(" ") + LoadText(unit.quantity));
        Tabelle_Einheiten->item(row, 1)->setText(Label(unit.siText, unit.si));
        Tabelle_Einheiten->item(row, 2)->setText(Label(unit.ipText, unit.ip));
    }
    Label_DecimalSeparator->setText(LoadText(207));
    Label_ThousandSeparator->setText(LoadText(208));

    Label_Luftmenge->setText(LoadText(39));
    Combo_Luftmenge->setItemText(0, LoadText(16));
    Combo_Luftmenge->setItemText(1, LoadText(17));
    Combo_Luftmenge->setItemText(2, LoadText(33));
    Label_Feuchte->setText(LoadText(15));
    Combo_Feuchte->setItemText(0, LoadText(13));
    Combo_Feuchte->setItemText(1, LoadText(14));
    Combo_Feuchte->setItemText(2, LoadText(51));
    CheckBox_WB->setText(LoadText(567));

    RadioButton_PHI_Europa->setText(LoadText(439));
    CheckBox_HCLASS->setText(LoadText(560) + QStringLiteral(" / ") + LoadText(19) +
                             QStringLiteral(" ErP Lot 6"));
    RadioButton_PHI_USA->setText(LoadText(440));
    CheckBox_TotalEff->setText(LoadText(566));

    FitSizes();
}

// Sizes that follow the font and the captions of the language: the entry fields, the unit
// labels, and the units table with its column heads.
void TFormOptionen::FitSizes()
{
    const QFontMetrics fm = fontMetrics();
    const int fieldWidth = fm.horizontalAdvance(QStringLiteral("-00000.00000000")) + 8;
    for (TNumEdit* field : {Edit_Luftdruck, Edit_HoeheNN}) field->setFixedWidth(fieldWidth);
    const int unitWidth = fm.horizontalAdvance(QStringLiteral("mbar")) + 4;
    for (QLabel* label : {Label_mbar, Label_m}) label->setMinimumWidth(unitWidth);
    const int separatorWidth = fm.horizontalAdvance(QStringLiteral("MM")) + 10;
    for (QLineEdit* field : {Edit_DecimalSeparator, Edit_ThousandSeparator})
        field->setFixedWidth(separatorWidth);

    constexpr int kCellPadding = 12;
    int widths[3] = {kQuantityColumnWidth, std::max(kUnitColumnWidth, RadioButton_SI->sizeHint().width()),
                     std::max(kUnitColumnWidth, RadioButton_US->sizeHint().width())};
    for (int row = 0; row < kUnitRowCount; ++row)
        for (int column = 0; column < 3; ++column)
            widths[column] =
                std::max(widths[column],
                         fm.horizontalAdvance(Tabelle_Einheiten->item(row, column)->text()) + kCellPadding);
    const int rowHeight = fm.height() + 5;
    for (int column = 0; column < 3; ++column) Tabelle_Einheiten->setColumnWidth(column, widths[column]);
    for (int row = 0; row < kUnitRowCount; ++row) Tabelle_Einheiten->setRowHeight(row, rowHeight);
    const int frame = Tabelle_Einheiten->frameWidth();
    Tabelle_Einheiten->setFixedSize(2 * frame + widths[0] + widths[1] + widths[2] +
                                        Tabelle_Einheiten->verticalScrollBar()->sizeHint().width(),
                                    2 * frame + kUnitRowCount * rowHeight);

    // The radio buttons stand as heads over the SI and IP columns.
    unitHeadIndent_->changeSize(frame + widths[0], 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    RadioButton_SI->setFixedWidth(widths[1]);
    RadioButton_US->setFixedWidth(widths[2]);
    if (QLayout* layout = Seite_Einheiten->layout()) layout->invalidate();
}

std::optional<TOptionsValues> TFormOptionen::Edit(const TOptionsValues& current)
{
    model_.Open(current);
    ShowUnits();
    ShowPressure();
    ShowInputKinds();
    Edit_DecimalSeparator->setText(SeparatorText(model_.Separators().decimal));
    Edit_ThousandSeparator->setText(SeparatorText(model_.Separators().thousand));
    ShowEffectiveness();
    if (RunModal(*this) != QDialog::Accepted) return std::nullopt;
    return model_.Result(Edit_DecimalSeparator->text(), Edit_ThousandSeparator->text());
}

void TFormOptionen::ChangeUnits(UnitSystem units)
{
    model_.ChangeUnits(units);
    ShowUnits();
    ShowPressure();
}

void TFormOptionen::ShowUnits()
{
    const bool si = model_.Units() == UnitSystem::SI;
    RadioButton_SI->setChecked(si);
    RadioButton_US->setChecked(!si);
    Label_mbar->setText(model_.PressureUnit());
    Label_m->setText(model_.AltitudeUnit());
    const TValueRange pressure = model_.PressureRange();
    Edit_Luftdruck->SetMinValue(pressure.min);
    Edit_Luftdruck->SetMaxValue(pressure.max);
    const TValueRange altitude = model_.AltitudeRange();
    Edit_HoeheNN->SetMinValue(altitude.min);
    Edit_HoeheNN->SetMaxValue(altitude.max);
}

void TFormOptionen::ShowPressure()
{
    Edit_Luftdruck->SetValue(model_.ShownPressure());
    Edit_HoeheNN->SetValue(model_.ShownAltitude());
}

void TFormOptionen::ShowInputKinds()
{
    Combo_Luftmenge->setCurrentIndex(model_.AirVolumeIndex());
    Combo_Feuchte->setCurrentIndex(model_.HumidityIndex());
}

void TFormOptionen::ShowEffectiveness()
{
    RadioButton_PHI_USA->setChecked(model_.UseAhri());
    RadioButton_PHI_Europa->setChecked(!model_.UseAhri());
    CheckBox_TotalEff->setChecked(model_.TotalEffectiveness());
    CheckBox_TotalEff->setEnabled(model_.TotalEffectivenessEnabled());
    CheckBox_HCLASS->setChecked(model_.EnergyEfficiencyClass());
    CheckBox_HCLASS->setEnabled(model_.EnergyEfficiencyClassEnabled());
    CheckBox_WB->setChecked(model_.WetBulbOnDataSheet());
}

void TFormOptionen::RadioButton_SIClick()
{
    ChangeUnits(RadioButton_SI->isChecked() ? UnitSystem::SI : UnitSystem::IP);
}

void TFormOptionen::Tabelle_EinheitenDblClick(int /*row*/, int column)
{
    if (column == 1) ChangeUnits(UnitSystem::SI);
    if (column == 2) ChangeUnits(UnitSystem::IP);
}

void TFormOptionen::Edit_LuftdruckCalculate()
{
    if (sender() == Edit_HoeheNN)
        model_.ChangeAltitude(Edit_HoeheNN->Value());
    else
        model_.ChangePressure(Edit_Luftdruck->Value());
    ShowPressure();
}

void TFormOptionen::Combo_LuftmengeChange(int index) { model_.ChooseAirVolumeIndex(index); }

void TFormOptionen::Combo_FeuchteChange(int index) { model_.ChooseHumidityIndex(index); }

void TFormOptionen::RadioButton_PHIClick()
{
    const bool ahri = RadioButton_PHI_USA->isChecked();
    if (ahri != model_.UseAhri()) model_.ChooseEffectiveness(ahri);
    ShowEffectiveness();
}

void TFormOptionen::CheckBox_TotalEffClick(bool checked) { model_.SetTotalEffectiveness(checked); }

void TFormOptionen::CheckBox_HCLASSClick(bool checked) { model_.SetEnergyEfficiencyClass(checked); }

void TFormOptionen::CheckBox_WBClick(bool checked) { model_.SetWetBulbOnDataSheet(checked); }

bool TFormOptionen::CommitPendingEntries()
{
    return Edit_Luftdruck->CommitPending() && Edit_HoeheNN->CommitPending();
}

void TFormOptionen::Button_OKClick()
{
    // The button takes no focus from the field, so a typed pressure or altitude may not be committed
    // yet; it counts as entered, or keeps the window open when it is refused.
    if (!CommitPendingEntries()) return;
    accept();
}

void TFormOptionen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

} // namespace velmarsund
