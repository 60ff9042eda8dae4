#include "form_rot_leakage.h"

#include "convert_unit.h"
#include "leakage_page.h"
#include "menu_keys.h"
#include "message_box.h"
#include "num_edit.h"
#include "page_pictures.h"
#include "text_table.h"
#include "version_text.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include <cmath>

namespace velmarsund {

// The schematic: the pictures of the leakage page and the window's labels over them, all placed
// by the page's coordinates, scaled to the widget.
class TLeakageSchematic : public QWidget {
public:
    explicit TLeakageSchematic(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Schematic"));
        setMinimumSize(620, 275);
        setAutoFillBackground(true);
        QPalette p = palette();
        p.setColor(QPalette::Window, Qt::white);
        setPalette(p);
    }

    struct Placed {
        QWidget* widget;
        QPointF at; // page units: the text's top at the anchor
        Qt::Alignment align;
        int width;  // page units
    };

    void Place(QWidget* widget, QPointF at, Qt::Alignment align, int width = 330)
    {
        placed_.push_back({widget, at, align, width});
    }
    void Move(QWidget* widget, QPointF at)
    {
        for (Placed& p : placed_)
            if (p.widget == widget) p.at = at;
        Layout();
    }
    void SetPictures(int rotor, bool fan1Draws, bool fan2Draws)
    {
        rotor_ = rotor;
        fan1Draws_ = fan1Draws;
        fan2Draws_ = fan2Draws;
        update();
    }
    double Scale() const { return std::min(width() / kWidth, height() / kHeight); }

protected:
    void resizeEvent(QResizeEvent*) override { Layout(); }
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(Origin());
        painter.scale(Scale(), Scale());
        painter.translate(-kLeft, -kTop);
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(Box(350, 1189, 990, 1214));
        painter.drawRect(Box(1202, 1189, 1836, 1214));
        const auto picture = [&](int id, const QRectF& rect) {
            if (QSvgRenderer* renderer = PagePictureRenderer(id)) renderer->render(&painter, rect);
        };
        picture(rotor_, Box(950, 850, 1242, 1550));
        picture(LeakagePicture::FanSupply, fan1Draws_ ? Box(1696, 900, 1836, 1034) : Box(350, 900, 490, 1034));
        picture(LeakagePicture::FanExhaust, fan2Draws_ ? Box(350, 1366, 490, 1500) : Box(1696, 1366, 1836, 1500));
        picture(LeakagePicture::OutsideAir, Box(530, 900, 666, 966));
        picture(LeakagePicture::SupplyAir, Box(1516, 900, 1652, 966));
        picture(LeakagePicture::ExtractAir, Box(1516, 1434, 1652, 1500));
        picture(LeakagePicture::ExhaustAir, Box(530, 1434, 666, 1500));
    }

private:
    static constexpr double kLeft = 250, kTop = 830, kWidth = 1700, kHeight = 740;
    static QRectF Box(double l, double t, double r, double b) { return {QPointF(l, t), QPointF(r, b)}; }
    QPointF Origin() const
    {
        const double s = Scale();
        return {(width() - kWidth * s) / 2, (height() - kHeight * s) / 2};
    }
    void Layout()
    {
        const double s = Scale();
        const QPointF origin = Origin();
        QFont font = this->font();
        font.setPixelSize(std::max(9, static_cast<int>(std::lround(31 * s))));
        const int lineHeight = static_cast<int>(std::lround(40 * s)) + 4;
        for (const Placed& p : placed_) {
            const double x = origin.x() + (p.at.x() - kLeft) * s;
            const double y = origin.y() + (p.at.y() - kTop) * s;
            const int w = static_cast<int>(std::lround(p.width * s));
            double left = x;
            if (p.align & Qt::AlignRight) left = x - w;
            if (p.align & Qt::AlignHCenter) left = x - w / 2.0;
            if (auto* label = qobject_cast<QLabel*>(p.widget)) {
                QFont f = font;
                f.setItalic(label->font().italic());
                label->setFont(f);
                label->setAlignment(p.align | Qt::AlignTop);
                label->setGeometry(static_cast<int>(left), static_cast<int>(y), w, lineHeight);
            } else {
                p.widget->setGeometry(static_cast<int>(left), static_cast<int>(y) - 2, w, lineHeight + 2);
            }
        }
    }

    std::vector<Placed> placed_;
    int rotor_ = LeakagePicture::RotorPlain;
    bool fan1Draws_ = true;
    bool fan2Draws_ = true;
};

namespace {

constexpr TextId kCaption = 396;
constexpr TextId kPressureTooHigh = 542;
constexpr TextId kErrorCaption = 104;
constexpr TextId kRangeMessage = 105;

// The rows of the details: leakage through the rim gap, through the separating seal, carry-over.
constexpr TextId kDetailRows[3] = {650, 651, 652};

QLabel* NewLabel(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// Where an entered pressure stands: at the section after the rotor for a fan that draws, before
// it for one that blows.
QPointF EntryPlace(int stream, int fan)
{
    if (stream == 1) return fan == Fan::DrawThrough ? QPointF(1590, 980) : QPointF(600, 980);
    return fan == Fan::DrawThrough ? QPointF(600, 1340) : QPointF(1590, 1340);
}

} // namespace

TFormRotLeakage::TFormRotLeakage(QWidget* parent, std::function<void(const PageList&)> showPages)
    : QDialog(parent), showPages_(std::move(showPages))
{
    setObjectName(QStringLiteral("FormRotLeakage"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setMinimumSize(640, 480);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    CreateMenus();
    layout->setMenuBar(menuBar_);
    CreateSchematic();
    layout->addWidget(schematic_, 1);
    CreateControls();
    SetTexts();
    SetUnitSystem(UnitSystem::SI);
    SetDetails(false);
    FanChange();
}

TFormRotLeakage::~TFormRotLeakage() = default;

void TFormRotLeakage::CreateMenus()
{
    menuBar_ = new QMenuBar(this);
    Menu_Datei = menuBar_->addMenu(QString());
    Menu_Datei_Seitenansicht = Menu_Datei->addAction(QString(), this, &TFormRotLeakage::Menu_Datei_SeitenansichtClick);
    Menu_Datei_Seitenansicht->setObjectName(QStringLiteral("Menu_Datei_Seitenansicht"));
    Menu_Datei_Schliessen = Menu_Datei->addAction(QString(), this, &QDialog::accept);
    Menu_Datei_Schliessen->setObjectName(QStringLiteral("Menu_Datei_Schliessen"));
    Menu_Details = menuBar_->addMenu(QString());
    Menu_Details_anzeigen = Menu_Details->addAction(QString(), this, &TFormRotLeakage::Menu_Details_anzeigenClick);
    Menu_Details_anzeigen->setObjectName(QStringLiteral("Menu_Details_anzeigen"));
    Menu_Details_verbergen = Menu_Details->addAction(QString(), this, &TFormRotLeakage::Menu_Details_verbergenClick);
    Menu_Details_verbergen->setObjectName(QStringLiteral("Menu_Details_verbergen"));
    for (QAction* item : {Menu_Details_anzeigen, Menu_Details_verbergen}) item->setCheckable(true);
}

void TFormRotLeakage::CreateSchematic()
{
    schematic_ = new TLeakageSchematic(this);
    const auto value = [this](const char* name, QPointF at, Qt::Alignment align) {
        QLabel* label = NewLabel(name, schematic_);
        schematic_->Place(label, at, align);
        return label;
    };
    const Qt::Alignment right = Qt::AlignRight;
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    LB_p_11 = value("LB_p_11", {600, 980}, right);
    LB_SVol11 = value("LB_SVol11", {600, 1030}, right);
    LB_p_12 = value("LB_p_12", {1590, 980}, right);
    LB_SVol12 = value("LB_SVol12", {1590, 1030}, right);
    LB_p_22 = value("LB_p_22", {600, 1340}, right);
    LB_SVol22 = value("LB_SVol22", {600, 1390}, right);
    LB_p_21 = value("LB_p_21", {1590, 1340}, right);
    LB_Svol21 = value("LB_Svol21", {1590, 1390}, right);
    LB_Spuelluft_AU = value("LB_Spuelluft_AU", {930, 1147}, right);
    LB_Spuelluft_FO = value("LB_Spuelluft_FO", {930, 1213}, right);
    schematic_->Place(LB_Spuelluft_FO, {930, 1213}, right, 600);
    LB_dpS1 = value("LB_dpS1", {1096, 935}, centre);
    LB_dpS2 = value("LB_dpS2", {1096, 1425}, centre);
    auto* oacf = new QLabel(QStringLiteral("OACF ="), schematic_);
    schematic_->Place(oacf, {590, 1100}, right, 200);
    LB_OACF = value("LB_OACF", {600, 1100}, left);
    auto* eatr = new QLabel(QStringLiteral("EATR ="), schematic_);
    schematic_->Place(eatr, {1580, 1100}, right, 200);
    LB_EATR = value("LB_EATR", {1590, 1100}, left);
    for (QLabel* name : {LB_Aussenluft = value("LB_Aussenluft", {598, 860}, centre),
                         LB_Fortluft = value("LB_Fortluft", {598, 1520}, centre),
                         LB_Zuluft = value("LB_Zuluft", {1584, 860}, centre),
                         LB_Abluft = value("LB_Abluft", {1584, 1520}, centre)}) {
        QFont italic = name->font();
        italic.setItalic(true);
        name->setFont(italic);
    }
    Label9 = value("Label9", {610, 980}, left);
    Label11 = value("Label11", {610, 1030}, left);
    for (QPointF at : {QPointF(1600, 980), QPointF(610, 1340), QPointF(1600, 1340)})
        value("Label9_Copy", at, left);
    for (QPointF at : {QPointF(1600, 1030), QPointF(610, 1390), QPointF(1600, 1390)})
        value("Label11_Copy", at, left);

    const auto entry = [this](const char* name) {
        auto* field = new TNumEdit(schematic_);
        field->setObjectName(QLatin1String(name));
        field->SetFormat(NumberFormat::Fixed);
        field->SetValidation(true);
        field->setAlignment(Qt::AlignRight);
        connect(field, &TNumEdit::OnCalculate, this, &TFormRotLeakage::Recalculate);
        return field;
    };
    Edit_p_1 = entry("Edit_p_1");
    Edit_p_2 = entry("Edit_p_2");
    schematic_->Place(Edit_p_1, EntryPlace(1, Fan::DrawThrough), right, 125);
    schematic_->Place(Edit_p_2, EntryPlace(2, Fan::DrawThrough), right, 125);
}

void TFormRotLeakage::CreateControls()
{
    auto* controls = new QGridLayout;
    GroupBox_Ventilator = new QGroupBox(this);
    GroupBox_Ventilator->setObjectName(QStringLiteral("GroupBox_Ventilator"));
    auto* fans = new QGridLayout(GroupBox_Ventilator);
    LB_AUZU = NewLabel("LB_AUZU", GroupBox_Ventilator);
    LB_ABFO = NewLabel("LB_ABFO", GroupBox_Ventilator);
    const auto fanList = [this](const char* name) {
        auto* combo = new QComboBox(GroupBox_Ventilator);
        combo->setObjectName(QLatin1String(name));
        combo->addItems({QString(), QString()});
        connect(combo, &QComboBox::currentIndexChanged, this, &TFormRotLeakage::FanChange);
        return combo;
    };
    ComboBox_Ventilator_AUZU = fanList("ComboBox_Ventilator_AUZU");
    ComboBox_Ventilator_ABFO = fanList("ComboBox_Ventilator_ABFO");
    fans->addWidget(LB_AUZU, 0, 0);
    fans->addWidget(ComboBox_Ventilator_AUZU, 0, 1);
    fans->addWidget(LB_ABFO, 1, 0);
    fans->addWidget(ComboBox_Ventilator_ABFO, 1, 1);
    controls->addWidget(GroupBox_Ventilator, 0, 0, 2, 1);

    LB_Spuelkammer = NewLabel("LB_Spuelkammer", this);
    ComboBox_Spuelkammer = new QComboBox(this);
    ComboBox_Spuelkammer->setObjectName(QStringLiteral("ComboBox_Spuelkammer"));
    ComboBox_Spuelkammer->addItems({QString(), QString(), QString()});
    connect(ComboBox_Spuelkammer, &QComboBox::currentIndexChanged, this, &TFormRotLeakage::PurgeChange);
    auto* purge = new QHBoxLayout;
    purge->addWidget(LB_Spuelkammer);
    purge->addWidget(ComboBox_Spuelkammer, 1);
    controls->addLayout(purge, 0, 1);
    controls->setColumnStretch(1, 1);

    LB_SpuelkammerFunktion = NewLabel("LB_SpuelkammerFunktion", this);
    QPalette warning = LB_SpuelkammerFunktion->palette();
    warning.setColor(QPalette::WindowText, QColor(192, 0, 0));
    LB_SpuelkammerFunktion->setPalette(warning);
    LB_SpuelkammerFunktion->setWordWrap(true);
    controls->addWidget(LB_SpuelkammerFunktion, 1, 1);
    LB_AlleLuftmengen = NewLabel("LB_AlleLuftmengen", this);
    controls->addWidget(LB_AlleLuftmengen, 3, 0, 1, 2);

    // The individual flows, each under its section and beside what it is: on the picture they
    // stood unnamed and ran into the purge flows.
    GroupBox_Details = new QGroupBox(this);
    GroupBox_Details->setObjectName(QStringLiteral("GroupBox_Details"));
    auto* details = new QGridLayout(GroupBox_Details);
    details->setHorizontalSpacing(16);
    for (int column = 0; column < 4; ++column) {
        detailSections_[static_cast<std::size_t>(column)] = NewLabel("LB_Details_Section", GroupBox_Details);
        detailSections_[static_cast<std::size_t>(column)]->setAlignment(Qt::AlignRight);
        details->addWidget(detailSections_[static_cast<std::size_t>(column)], 0, column + 1);
    }
    // Columns by the section the flow leaves: outside air, supply air, return air, exhaust air.
    const std::array<std::array<QLabel**, 4>, 3> rows{{
        {&LB_SL_Geh_AU, &LB_SL_Geh_ZU, &LB_SL_Geh_AB, &LB_SL_Geh_FO},
        {&LB_SL_AU_FO, &LB_SL_ZU_AB, &LB_SL_AB_ZU, &LB_SL_FO_AU},
        {&LB_CO_AU_FO, &LB_CO_ZU_AB, &LB_CO_AB_ZU, &LB_CO_FO_AU},
    }};
    static constexpr const char* kNames[3][4] = {
        {"LB_SL_Geh_AU", "LB_SL_Geh_ZU", "LB_SL_Geh_AB", "LB_SL_Geh_FO"},
        {"LB_SL_AU_FO", "LB_SL_ZU_AB", "LB_SL_AB_ZU", "LB_SL_FO_AU"},
        {"LB_CO_AU_FO", "LB_CO_ZU_AB", "LB_CO_AB_ZU", "LB_CO_FO_AU"},
    };
    for (std::size_t row = 0; row < rows.size(); ++row) {
        detailRows_[row] = NewLabel("LB_Details_Row", GroupBox_Details);
        details->addWidget(detailRows_[row], static_cast<int>(row) + 1, 0);
        for (std::size_t column = 0; column < 4; ++column) {
            QLabel* value = NewLabel(kNames[row][column], GroupBox_Details);
            value->setAlignment(Qt::AlignRight);
            *rows[row][column] = value;
            details->addWidget(value, static_cast<int>(row) + 1, static_cast<int>(column) + 1);
        }
    }
    details->setColumnStretch(0, 1);
    controls->addWidget(GroupBox_Details, 2, 0, 1, 2);

    // The season buttons carry the season names, hidden: only the winter case is calculated.
    Button_Winter = new QPushButton(this);
    Button_Winter->setObjectName(QStringLiteral("Button_Winter"));
    Button_Sommer = new QPushButton(this);
    Button_Sommer->setObjectName(QStringLiteral("Button_Sommer"));
    Button_Winter->hide();
    Button_Sommer->hide();
    static_cast<QVBoxLayout*>(layout())->addLayout(controls);
}

void TFormRotLeakage::SetTexts()
{
    setWindowTitle(LoadText(kCaption));
    Menu_Datei->setTitle(LoadText(145));
    Menu_Datei_Seitenansicht->setText(LoadText(401));
    Menu_Datei_Schliessen->setText(LoadText(151));
    Menu_Details->setTitle(LoadText(534));
    Menu_Details_anzeigen->setText(LoadText(535));
    Menu_Details_verbergen->setText(LoadText(536));
    MarkAccessKeys(*menuBar_);
    GroupBox_Details->setTitle(LoadText(534));
    for (std::size_t row = 0; row < detailRows_.size(); ++row)
        detailRows_[row]->setText(LoadText(kDetailRows[row]));
    const LeakageCaptions c = CurrentLeakageCaptions();
    LB_Aussenluft->setText(c.outsideAir);
    LB_Zuluft->setText(c.supplyAir);
    LB_Abluft->setText(c.extractAir);
    LB_Fortluft->setText(c.exhaustAir);
    const std::array<QString, 4> sections{c.outsideAir, c.supplyAir, c.extractAir, c.exhaustAir};
    for (std::size_t column = 0; column < sections.size(); ++column)
        detailSections_[column]->setText(sections[column]);
    GroupBox_Ventilator->setTitle(c.fanGroup);
    LB_AUZU->setText(c.stream1);
    LB_ABFO->setText(c.stream2);
    for (QComboBox* combo : {ComboBox_Ventilator_AUZU, ComboBox_Ventilator_ABFO})
        for (int i = 0; i < 2; ++i) combo->setItemText(i, c.fanItems[static_cast<std::size_t>(i)]);
    for (int i = 0; i < 3; ++i) ComboBox_Spuelkammer->setItemText(i, c.purgeItems[static_cast<std::size_t>(i)]);
    LB_Spuelkammer->setText(c.purgeSector);
    LB_SpuelkammerFunktion->setText(c.purgeWarning);
    for (TNumEdit* field : {Edit_p_1, Edit_p_2}) field->SetErrorMessage(LoadText(kRangeMessage));
}

void TFormRotLeakage::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        SetTexts();
        ShowView();
    }
    QDialog::changeEvent(event);
}

void TFormRotLeakage::SetUnitSystem(UnitSystem system)
{
    // The entered pressures as last committed, in the new unit.
    const double p1 = ConvertPressure(choices_.pressure1, units_, system);
    const double p2 = ConvertPressure(choices_.pressure2, units_, system);
    const double limit = PressureLimit(system);
    for (TNumEdit* field : {Edit_p_1, Edit_p_2}) {
        field->SetMinValue(-limit);
        field->SetMaxValue(limit);
        field->SetDigits(UnitChoice(system, 0, 2));
    }
    Edit_p_1->SetValue(p1);
    Edit_p_2->SetValue(p2);
    units_ = system;
    Recalculate();
}

void TFormRotLeakage::SetChoices(const LeakageChoices& choices, UnitSystem system)
{
    for (QComboBox* combo : {ComboBox_Ventilator_AUZU, ComboBox_Ventilator_ABFO, ComboBox_Spuelkammer}) combo->blockSignals(true);
    ComboBox_Ventilator_AUZU->setCurrentIndex(choices.fan1 == Fan::BlowThrough ? 1 : 0);
    ComboBox_Ventilator_ABFO->setCurrentIndex(choices.fan2 == Fan::BlowThrough ? 1 : 0);
    ComboBox_Spuelkammer->setCurrentIndex(choices.purgeSector);
    for (QComboBox* combo : {ComboBox_Ventilator_AUZU, ComboBox_Ventilator_ABFO, ComboBox_Spuelkammer}) combo->blockSignals(false);
    const double limit = PressureLimit(system);
    for (TNumEdit* field : {Edit_p_1, Edit_p_2}) {
        field->SetMinValue(-limit);
        field->SetMaxValue(limit);
        field->SetDigits(UnitChoice(system, 0, 2));
    }
    units_ = system;
    choices_ = choices;
    Edit_p_1->SetValue(choices.pressure1);
    Edit_p_2->SetValue(choices.pressure2);
    SetDetails(choices.details);
    PlaceEntries();
}

void TFormRotLeakage::Fill(const LeakageSelection& selection, const QString& designation,
                           const QString& winterCaption, const QString& summerCaption)
{
    selection_ = selection;
    designation_ = designation;
    Button_Winter->setText(winterCaption);
    Button_Sommer->setText(summerCaption);
    SetTexts();
    FanChange(); // as on activation: entries placed, signs by the fans, recalculated
}

void TFormRotLeakage::FanChange()
{
    choices_.fan1 = ComboBox_Ventilator_AUZU->currentIndex() == 1 ? Fan::BlowThrough : Fan::DrawThrough;
    choices_.fan2 = ComboBox_Ventilator_ABFO->currentIndex() == 1 ? Fan::BlowThrough : Fan::DrawThrough;
    Edit_p_1->SetValue(SignedForFan(Edit_p_1->Value(), choices_.fan1));
    Edit_p_2->SetValue(SignedForFan(Edit_p_2->Value(), choices_.fan2));
    PlaceEntries();
    Recalculate();
}

void TFormRotLeakage::PlaceEntries()
{
    schematic_->Move(Edit_p_1, EntryPlace(1, choices_.fan1));
    schematic_->Move(Edit_p_2, EntryPlace(2, choices_.fan2));
    // The entry stands where its section's pressure would: that label gives way.
    LB_p_12->setVisible(choices_.fan1 != Fan::DrawThrough);
    LB_p_11->setVisible(choices_.fan1 == Fan::DrawThrough);
    LB_p_22->setVisible(choices_.fan2 != Fan::DrawThrough);
    LB_p_21->setVisible(choices_.fan2 == Fan::DrawThrough);
}

void TFormRotLeakage::PurgeChange() { Recalculate(); }

void TFormRotLeakage::SetDetails(bool on)
{
    choices_.details = on;
    Menu_Details_anzeigen->setChecked(on);
    Menu_Details_verbergen->setChecked(!on);
    // The window grows by the details box, so that the picture keeps its room, and gives the room
    // back when they are hidden again; it grows at least to what the details need beside it.
    if (on != GroupBox_Details->isVisibleTo(this)) {
        const int extra = GroupBox_Details->sizeHint().height() + (layout() ? layout()->spacing() : 0);
        GroupBox_Details->setVisible(on);
        if (layout()) layout()->activate();
        if (on)
            resize(QSize(width(), height() + extra).expandedTo(layout() ? layout()->minimumSize() : QSize()));
        else
            resize(width(), std::max(minimumHeight(), height() - extra));
    }
    for (QLabel* label : {LB_SL_Geh_AU, LB_SL_Geh_ZU, LB_SL_Geh_AB, LB_SL_Geh_FO, LB_SL_AU_FO, LB_SL_FO_AU, LB_SL_ZU_AB,
                          LB_SL_AB_ZU, LB_CO_AU_FO, LB_CO_FO_AU, LB_CO_ZU_AB, LB_CO_AB_ZU})
        label->setVisible(on);
    schematic_->SetPictures(LeakageRotorPicture(choices_.purgeSector, on), choices_.fan1 == Fan::DrawThrough,
                            choices_.fan2 == Fan::DrawThrough);
}

void TFormRotLeakage::Recalculate()
{
    try {
        choices_.pressure1 = Edit_p_1->Value();
        choices_.pressure2 = Edit_p_2->Value();
    } catch (const std::exception&) {
        // a text that is no number has been reported; the last values stay
    }
    choices_.purgeSector = ComboBox_Spuelkammer->currentIndex();
    view_ = CalculateLeakageView(selection_, choices_, units_);
    ShowView();
    if (view_.pressureTooHigh)
        ShowMessageBox(LoadText(kPressureTooHigh), LoadText(kErrorCaption), MessageKind::Error);
}

std::vector<std::pair<QLabel*, QString LeakageTexts::*>> TFormRotLeakage::ValueLabels() const
{
    return {{LB_dpS1, &LeakageTexts::dpS1},         {LB_dpS2, &LeakageTexts::dpS2},
            {LB_p_11, &LeakageTexts::p11},          {LB_p_12, &LeakageTexts::p12},
            {LB_p_21, &LeakageTexts::p21},          {LB_p_22, &LeakageTexts::p22},
            {LB_SVol11, &LeakageTexts::svol11},     {LB_SVol12, &LeakageTexts::svol12},
            {LB_Svol21, &LeakageTexts::svol21},     {LB_SVol22, &LeakageTexts::svol22},
            {LB_SL_Geh_AU, &LeakageTexts::rim11},   {LB_SL_Geh_ZU, &LeakageTexts::rim12},
            {LB_SL_Geh_AB, &LeakageTexts::rim21},   {LB_SL_Geh_FO, &LeakageTexts::rim22},
            {LB_SL_AU_FO, &LeakageTexts::seal11},   {LB_SL_FO_AU, &LeakageTexts::seal22},
            {LB_SL_ZU_AB, &LeakageTexts::seal12},   {LB_SL_AB_ZU, &LeakageTexts::seal21},
            {LB_CO_AU_FO, &LeakageTexts::carry11},  {LB_CO_FO_AU, &LeakageTexts::carry22},
            {LB_CO_ZU_AB, &LeakageTexts::carry12},  {LB_CO_AB_ZU, &LeakageTexts::carry21},
            {LB_Spuelluft_AU, &LeakageTexts::purge11}, {LB_Spuelluft_FO, &LeakageTexts::purge22},
            {LB_OACF, &LeakageTexts::oacf},         {LB_EATR, &LeakageTexts::eatr},
            {Label9, &LeakageTexts::pressureUnit},  {Label11, &LeakageTexts::volumeUnit},
            {LB_AlleLuftmengen, &LeakageTexts::allAirVolumes}};
}

void TFormRotLeakage::ShowView()
{
    const LeakageTexts& t = view_.texts;
    for (const auto& [label, text] : ValueLabels()) label->setText(t.*text);
    for (QLabel* copy : schematic_->findChildren<QLabel*>(QStringLiteral("Label9_Copy"))) copy->setText(t.pressureUnit);
    for (QLabel* copy : schematic_->findChildren<QLabel*>(QStringLiteral("Label11_Copy"))) copy->setText(t.volumeUnit);
    const bool purge = choices_.purgeSector != 0;
    LB_Spuelluft_AU->setVisible(purge);
    LB_Spuelluft_FO->setVisible(purge);
    LB_SpuelkammerFunktion->setVisible(view_.purgeWarning);
    SetDetails(choices_.details);
    Menu_Datei_Seitenansicht->setEnabled(view_.calculated && !view_.pressureTooHigh);
}

LeakagePageValues TFormRotLeakage::PageValues() const
{
    PageFrameValues frame;
    frame.language = CurrentLanguage();
    frame.versionText = ProgramVersionText().shortForm;
    frame.calculationDate = CalculationDate();
    return LeakagePageValuesOf(view_, choices_, designation_, frame);
}

void TFormRotLeakage::Menu_Datei_SeitenansichtClick()
{
    if (!Menu_Datei_Seitenansicht->isEnabled() || !showPages_) return;
    showPages_({[this](PageCanvas& canvas, int) { DrawLeakagePage(canvas, PageValues()); }});
}

} // namespace velmarsund
