#include "form_rotor.h"

#include "chart_handover.h"
#include "data_sheet_page.h"
#include "daten_grid.h"
#include "description_pages.h"
#include "drive_texts.h"
#include "form_baugroessen_rotor.h"
#include "form_jahresenergie.h"
#include "form_mollier.h"
#include "form_rot_leakage.h"
#include "geometry_check.h"
#include "housing_series.h"
#include "int_edit.h"
#include "matrix_types.h"
#include "menu_keys.h"
#include "message_box.h"
#include "modal_runner.h"
#include "num_edit.h"
#include "number_parse.h"
#include "number_separators.h"
#include "panel_texts.h"
#include "panel_weight.h"
#include "profiles.h"
#include "program_fonts.h"
#include "rotor_data.h"
#include "rotor_settings.h"
#include "selection_commands.h"
#include "selection_pages.h"
#include "size_tables.h"
#include "text_format.h"
#include "text_table.h"
#include "version_text.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <stdexcept>

namespace velmarsund {
namespace {

// The panel: the lists and the size from x = 77, one row every 24 pixels; the dimensions below
// them in a column of numbers that ends where the size does, so that their captions have the
// width of the panel. The standard-size list drops over the size row and the rows below it.
// Captions of a language that need more room move the lists and the column of numbers to the
// right, and the panel widens. Under the largest diameter, in two closer rows, the rotor weight
// and the motor.
constexpr int kLabelLeft = 4;
constexpr int kControlLeft = 77;
constexpr int kRowTop = 5;
constexpr int kRowStep = 24;
constexpr int kRowHeight = 22;
constexpr QRect kSizeListRect{77, 77, 151, 108};
constexpr int kEntryWidth = 60;
constexpr int kEntryLeft = kControlLeft + kSizeListRect.width() - kEntryWidth;
constexpr int kUnitGap = 4; // between the column of numbers and the units
constexpr int kLastListRow = 3;
constexpr int kWeightRow = 9;
constexpr int kMotorRow = 10;
constexpr int kValueRowHeight = 20; // the weight and motor rows
constexpr TextId kUndo = 690;
constexpr TextId kRedo = 691;
constexpr TextId kAnnualEnergy = 700;
constexpr TextId kWeight = 64;
constexpr TextId kMotor = 466;
constexpr TextId kMotorPower = 350;
constexpr TextId kCurrentDraw = 351;
const QString kNoValue = QStringLiteral("\u2013"); // a diameter or weight that does not exist
constexpr int kTitleRight = 530; // right edge of the title, winter only
constexpr int kTitleTop = 13;
const QColor kTitleColour(0, 87, 137);

int RowY(int row) {
    if (row >= kWeightRow) return RowY(kWeightRow - 1) + kRowHeight + 1 + (row - kWeightRow) * kValueRowHeight;
    return kRowTop + row * kRowStep;
}

int RowHeight(int row) {
    return row >= kWeightRow ? kValueRowHeight : kRowHeight;
}

int WidestText(std::initializer_list<const QLabel*> labels) {
    int widest = 0;
    for (const QLabel* label : labels)
        widest = std::max(widest, label->fontMetrics().horizontalAdvance(label->text()));
    return widest;
}

// A picture of the program drawn to the label's size, sharp on any screen.
void ShowPicture(QLabel* label, const QString& resource) {
    const qreal ratio = label->devicePixelRatioF();
    QPixmap pixmap(label->size() * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QSvgRenderer(resource).render(&painter, QRectF(QPointF(0, 0), QSizeF(pixmap.size())));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    label->setPixmap(pixmap);
}

// A caption of the panel; the panel's columns follow the captions of the language.
void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
}

} // namespace

TFormRotor::TFormRotor(QWidget* parent) : TFormProdukt(parent) {
    pressureDropLimit_ = kPressureDropLimit;
    CreateTitle();
    CreatePanel();
    CreateCommands();
    selectionCommands_ = new TSelectionCommands(*this, Menu_Datei, Menu_Datei_Beenden, Menu_Edit);
    CreateUndoCommands();
    SetTabChain();
    PlaceControls();
}

TFormRotor::~TFormRotor() {
    // Nothing the closing window's fields report is a change of its selection any more.
    for (QLineEdit* edit : {Edit_Winter, Edit_Sommer})
        if (edit) edit->disconnect(this);
}

// ---------------------------------------------------------------------------------------------
// Creation

void TFormRotor::CreateTitle() {
    Panel_Logo = new QFrame(centralWidget());
    Panel_Logo->setObjectName(QStringLiteral("Panel_Logo"));
    static_cast<QFrame*>(Panel_Logo)->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    Image_Logo = new QLabel(Panel_Logo);
    Image_Logo->setObjectName(QStringLiteral("Image_Logo"));
    Image_Logo->setGeometry(6, 4, 140, kTitleHeight - 8);
    ShowPicture(Image_Logo, QStringLiteral(":/velmarsund/logo.svg"));
    Image_Logo_R = new QLabel(Panel_Logo);
    Image_Logo_R->setObjectName(QStringLiteral("Image_Logo_R"));
    Image_Logo_R->resize(96, kTitleHeight - 8);
    ShowPicture(Image_Logo_R, QStringLiteral(":/velmarsund/logo-rotor.svg"));

    QFont font = WindowFont();
    font.setPixelSize(static_cast<int>(std::lround(11 * 1.1)));
    L_Titel_S = new QLabel(Panel_Logo);
    L_Titel_S->setObjectName(QStringLiteral("L_Titel_S"));
    L_Titel = new QLabel(Panel_Logo);
    L_Titel->setObjectName(QStringLiteral("L_Titel"));
    for (QLabel* label : {L_Titel_S, L_Titel})
        label->setFont(font);
    QPalette palette = L_Titel->palette();
    palette.setColor(QPalette::WindowText, kTitleColour);
    L_Titel->setPalette(palette);
    palette.setColor(QPalette::WindowText, Qt::white);
    L_Titel_S->setPalette(palette);
}

void TFormRotor::CreatePanel() {
    auto* panel = new QFrame(centralWidget());
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Panel_Geraet = panel;
    Panel_Geraet->setObjectName(QStringLiteral("Panel_Geraet"));

    // Every control is placed by PlacePanel.
    const auto label = [this](const char* name, int row) {
        auto* l = new QLabel(Panel_Geraet);
        l->setObjectName(QLatin1String(name));
        rowLabels_.emplace_back(l, row);
        return l;
    };
    const auto combo = [this](const char* name) {
        auto* c = new QComboBox(Panel_Geraet);
        c->setObjectName(QLatin1String(name));
        connect(c, &QComboBox::currentIndexChanged, this, [this, c] { Aenderung_Geraet(c); });
        return c;
    };
    const auto unit = [this](const QString& text, int row) {
        auto* l = new QLabel(text, Panel_Geraet);
        unitLabels_.emplace_back(l, row);
        return l;
    };
    const auto millimetres = [&unit](int row) { return unit(QStringLiteral("mm"), row); };
    const auto value = [this](const char* name) {
        auto* l = new QLabel(Panel_Geraet);
        l->setObjectName(QLatin1String(name));
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    const auto entry = [this](const char* name) {
        auto* e = new TIntEdit(Panel_Geraet);
        e->setObjectName(QLatin1String(name));
        connect(e, &TIntEdit::OnCalculate, this, [this, e] { Aenderung_Geraet(e); });
        return e;
    };

    LB_RahmenMat = label("LB_RahmenMat", 0);
    Combo_RahmenMaterial = combo("Combo_RahmenMaterial");
    LB_Rotortyp = label("LB_Rotortyp", 1);
    Combo_Rotortyp = combo("Combo_Rotortyp");
    LB_Rotorprofil = label("LB_Rotorprofil", 2);
    Combo_Rotorprofil = combo("Combo_Rotorprofil");
    Combo_Rotorprofil->setMaxVisibleItems(20);

    LB_Baugroesse = label("LB_Baugroesse", 3);
    L_Baugroesse = new QLabel(Panel_Geraet);
    L_Baugroesse->setObjectName(QStringLiteral("L_Baugroesse"));
    L_Baugroesse->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    L_Baugroesse->setIndent(3);
    Button_DropDown = new QToolButton(Panel_Geraet);
    Button_DropDown->setObjectName(QStringLiteral("Button_DropDown"));
    Button_DropDown->setArrowType(Qt::DownArrow);
    // It takes the focus, so that leaving the open list for this button does not close it first.
    Button_DropDown->setFocusPolicy(Qt::StrongFocus);
    connect(Button_DropDown, &QToolButton::clicked, this, &TFormRotor::Button_DropDownClick);

    LB_Hoehe = label("LB_Hoehe", 4);
    Edit_Hoehe = entry("Edit_Hoehe");
    millimetres(4);
    LB_Breite = label("LB_Breite", 5);
    Edit_Breite = entry("Edit_Breite");
    millimetres(5);
    LB_Tiefe = label("LB_Tiefe", 6);
    L_Tiefe = value("L_Tiefe");
    millimetres(6);
    LB_Raddurchmesser = label("LB_Raddurchmesser", 7);
    Edit_Rad = entry("Edit_Rad");
    millimetres(7);

    LB_MaxRad = label("LB_MaxRad", 8);
    L_MaxRad = value("L_MaxRad");
    L_mm5 = unit(QStringLiteral("mm)"), 8);
    L_mm5->setObjectName(QStringLiteral("L_mm5"));

    // What the data sheet prints of the configuration, updated with every change of the panel.
    LB_Gewicht = label("LB_Gewicht", kWeightRow);
    L_Gewicht = value("L_Gewicht");
    L_kg = unit(QString(), kWeightRow);
    L_kg->setObjectName(QStringLiteral("L_kg"));
    LB_Motor = label("LB_Motor", kMotorRow);
    L_Motor = value("L_Motor");

    // Over the panel, hidden until opened; L_Baugroesse shows the designation in its place.
    Liste_Baugroessen = new QListWidget(Panel_Geraet);
    Liste_Baugroessen->setObjectName(QStringLiteral("Liste_Baugroessen"));
    Liste_Baugroessen->hide();
    Liste_Baugroessen->installEventFilter(this);
    Liste_Baugroessen->viewport()->installEventFilter(this);
    connect(Liste_Baugroessen, &QListWidget::currentRowChanged, this,
            [this] { Aenderung_Geraet(Liste_Baugroessen); });

}

void TFormRotor::SetTabChain() {
    std::vector<QWidget*> chain;
    for (TNumEdit* field : AllAirFields())
        chain.push_back(field);
    for (QWidget* w : std::initializer_list<QWidget*>{
             Combo_RahmenMaterial, Combo_Rotortyp, Combo_Rotorprofil, Button_DropDown, Edit_Hoehe, Edit_Breite, Edit_Rad,
             Button_Berechnen, Button_Vorauswahl, Button_Diagramm, Button_Leakage, Button_Datenblatt,
             Button_Produktbeschreibung, Button_Reglerbeschreibung, Edit_Winter, Edit_Sommer})
        chain.push_back(w);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void TFormRotor::CreateCommands() {
    const auto button = [this](const char* name) {
        auto* b = new QPushButton(Panel_Buttons);
        b->setObjectName(QLatin1String(name));
        b->setFixedHeight(Button_Diagramm->maximumHeight());
        b->setFocusPolicy(Qt::TabFocus); // as the other commands: a click leaves the focus in its field
        return b;
    };
    Button_Berechnen = button("Button_Berechnen");
    Button_Vorauswahl = button("Button_Vorauswahl");
    QFont bold = Button_Berechnen->font();
    bold.setBold(true);
    Button_Berechnen->setFont(bold);
    buttonColumn_->insertWidget(0, Button_Berechnen);
    buttonColumn_->insertWidget(1, Button_Vorauswahl);
    connect(Button_Berechnen, &QPushButton::clicked, this, &TFormRotor::Button_BerechnenClick);
    connect(Button_Vorauswahl, &QPushButton::clicked, this, &TFormRotor::Button_VorauswahlClick);

    Menu_Calculate = new QAction(this);
    Menu_Calculate->setObjectName(QStringLiteral("Menu_Calculate"));
    Menu_Calculate->setShortcut(QKeySequence(Qt::Key_F9));
    addAction(Menu_Calculate);
    connect(Menu_Calculate, &QAction::triggered, this, &TFormRotor::Button_BerechnenClick);
    Menu_ESC = new QAction(this);
    Menu_ESC->setObjectName(QStringLiteral("Menu_ESC"));
    Menu_ESC->setShortcut(QKeySequence(Qt::Key_Escape));
    addAction(Menu_ESC);
    connect(Menu_ESC, &QAction::triggered, this, &TFormRotor::Menu_ESCClick);

    Menu_Ansicht_Jahresenergie = new QAction(this);
    Menu_Ansicht_Jahresenergie->setObjectName(QStringLiteral("Menu_Ansicht_Jahresenergie"));
    Menu_Ansicht->insertAction(Menu_Ansicht_Reglerbeschreibung, Menu_Ansicht_Jahresenergie);
    connect(Menu_Ansicht_Jahresenergie, &QAction::triggered, this,
            &TFormRotor::Menu_Ansicht_JahresenergieClick);
    Menu_Ansicht_Jahresenergie->setEnabled(ResultsValid());
}

void TFormRotor::SetResultCommandsEnabled(bool enabled) {
    TFormProdukt::SetResultCommandsEnabled(enabled);
    if (Menu_Ansicht_Jahresenergie) Menu_Ansicht_Jahresenergie->setEnabled(enabled);
}

void TFormRotor::FitPanelToTexts() {
    controlLeft_ = std::max(kControlLeft,
                            kLabelLeft + WidestText({LB_RahmenMat, LB_Rotortyp, LB_Rotorprofil, LB_Baugroesse}) + 6);
    entryLeft_ = std::max(controlLeft_ + kSizeListRect.width() - kEntryWidth,
                          kLabelLeft + WidestText({LB_Hoehe, LB_Breite, LB_Tiefe, LB_Raddurchmesser, LB_MaxRad,
                                                   LB_Gewicht, LB_Motor}) +
                              6);
}

int TFormRotor::DevicePanelWidth() const {
    if (!Panel_Geraet) return 0; // still inside the constructors of the levels below
    // The lists as wide as their longest entry.
    int combos = 0;
    for (const QComboBox* combo : {Combo_RahmenMaterial, Combo_Rotortyp, Combo_Rotorprofil}) {
        int text = 0;
        for (int i = 0; i < combo->count(); ++i)
            text = std::max(text, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = true;
        combos = std::max(combos, combo->style()
                                      ->sizeFromContents(QStyle::CT_ComboBox, &option,
                                                         QSize(text + 4, combo->fontMetrics().height()), combo)
                                      .width());
    }
    const int unitLeft = entryLeft_ + kEntryWidth + kUnitGap;
    int units = 0;
    for (const auto& [label, row] : unitLabels_)
        units = std::max(units, label->fontMetrics().horizontalAdvance(label->text()) + 2);
    // The motor line takes the column of numbers and the units: room for the largest motors.
    const QFontMetrics metrics(L_Motor->font());
    const int motor = std::max(metrics.horizontalAdvance(QStringLiteral("0000 W / 00.00 A")),
                               metrics.horizontalAdvance(QStringLiteral("0.00 HP / 00.00 A"))) +
                      4;
    const int frame = 2 * static_cast<const QFrame*>(Panel_Geraet)->frameWidth();
    return frame + std::max({controlLeft_ + combos + kLabelLeft, unitLeft + units + kLabelLeft,
                             entryLeft_ + motor + kLabelLeft});
}

void TFormRotor::PlacePanel(int panelWidth) {
    const int frame = 2 * static_cast<QFrame*>(Panel_Geraet)->frameWidth();
    const int inner = panelWidth - frame;
    for (const auto& [label, row] : rowLabels_) {
        const int right = row <= kLastListRow ? controlLeft_ : entryLeft_;
        label->setGeometry(kLabelLeft, RowY(row), right - kLabelLeft - 2, RowHeight(row));
    }
    const int comboWidth = inner - controlLeft_ - kLabelLeft;
    Combo_RahmenMaterial->setGeometry(controlLeft_, RowY(0), comboWidth, kRowHeight);
    Combo_Rotortyp->setGeometry(controlLeft_, RowY(1), comboWidth, kRowHeight);
    Combo_Rotorprofil->setGeometry(controlLeft_, RowY(2), comboWidth, kRowHeight);
    L_Baugroesse->setGeometry(controlLeft_, RowY(3), kSizeListRect.width(), kRowHeight);
    Button_DropDown->setGeometry(controlLeft_ + kSizeListRect.width() + 1, RowY(3), kRowHeight - 2, kRowHeight);
    Liste_Baugroessen->setGeometry(controlLeft_, kSizeListRect.top(), kSizeListRect.width(), kSizeListRect.height());
    Edit_Hoehe->setGeometry(entryLeft_, RowY(4) + 1, kEntryWidth, kRowHeight - 2);
    Edit_Breite->setGeometry(entryLeft_, RowY(5) + 1, kEntryWidth, kRowHeight - 2);
    Edit_Rad->setGeometry(entryLeft_, RowY(7) + 1, kEntryWidth, kRowHeight - 2);
    L_Tiefe->setGeometry(entryLeft_, RowY(6), kEntryWidth - 4, kRowHeight);
    L_MaxRad->setGeometry(entryLeft_, RowY(8), kEntryWidth - 4, kRowHeight);
    L_Gewicht->setGeometry(entryLeft_, RowY(kWeightRow), kEntryWidth - 4, kValueRowHeight);
    const int unitLeft = entryLeft_ + kEntryWidth + kUnitGap;
    for (const auto& [label, row] : unitLabels_)
        label->setGeometry(unitLeft, RowY(row), inner - unitLeft - kLabelLeft, RowHeight(row));
    L_Motor->setGeometry(entryLeft_, RowY(kMotorRow), inner - entryLeft_ - kLabelLeft, kValueRowHeight);
}

void TFormRotor::ShowPanelValues() {
    const int largest = geometry_.LargestDiameter;
    L_MaxRad->setText(largest > 0 ? QString::number(largest) : kNoValue);
    const TDatenRWT& r = WinterRecord();
    const DriveTexts drive = DriveTextsOf(rotorWeight_, r.Diameter, r.MatrixType, GetUnitSystem(), ProgramSeparators());
    L_Gewicht->setText(rotorWeight_ > 0 ? drive.weight : kNoValue);
    L_kg->setText(drive.weightUnit);
    const QString power = GetUnitSystem() == UnitSystem::IP ? drive.power + QStringLiteral(" HP")
                                                            : drive.power + QStringLiteral(" W");
    L_Motor->setText(power + QStringLiteral(" / ") + drive.current + QStringLiteral(" A"));
    const QString hint = LoadText(kMotorPower) + QStringLiteral(": ") + power + QLatin1Char('\n') +
                         LoadText(kCurrentDraw) + QStringLiteral(": ") + drive.current + QStringLiteral(" A");
    LB_Motor->setToolTip(hint);
    L_Motor->setToolTip(hint);
}

void TFormRotor::PlaceDeviceControls(const QRect& devicePanel, int width) {
    if (!Panel_Geraet) return; // still inside the constructors of the levels below
    Panel_Geraet->setGeometry(devicePanel);
    PlacePanel(devicePanel.width());

    Panel_Logo->setGeometry(0, 0, width, kTitleHeight);
    Image_Logo_R->move(width - 6 - Image_Logo_R->width(), 4);
    const int widen = width - kWindowWidth;
    for (QLabel* label : {L_Titel, L_Titel_S})
        label->adjustSize();
    L_Titel->move(kTitleRight + widen - L_Titel->width(), kTitleTop);
    L_Titel_S->move(L_Titel->pos() + QPoint(1, 1));
}

// ---------------------------------------------------------------------------------------------
// Texts and settings

void TFormRotor::SetTexts() {
    TFormProdukt::SetTexts();
    {
        const QSignalBlocker block(Combo_RahmenMaterial);
        const int index = Combo_RahmenMaterial->currentIndex();
        Combo_RahmenMaterial->clear();
        for (const HousingSeries& series : kHousingSeries)
            Combo_RahmenMaterial->addItem(HousingListText(series.Index));
        Combo_RahmenMaterial->setCurrentIndex(index < 0 ? 0 : index);
    }
    RebuildMatrixTypes();
    SetLabelText(LB_RahmenMat, LoadText(187));
    SetLabelText(LB_Rotortyp, LoadText(195));
    SetLabelText(LB_Rotorprofil, LoadText(201));
    SetLabelText(LB_Baugroesse, LoadText(180));
    SetLabelText(LB_Hoehe, LoadText(54));
    SetLabelText(LB_Breite, LoadText(55));
    SetLabelText(LB_Tiefe, LoadText(56));
    SetLabelText(LB_Raddurchmesser, LoadText(82));
    SetLabelText(LB_MaxRad, QLatin1Char('(') + LoadText(672) + QLatin1Char(' ') + LoadText(82));
    SetLabelText(LB_Gewicht, LoadText(kWeight));
    SetLabelText(LB_Motor, LoadText(kMotor));
    FitPanelToTexts();
    ShowPanelValues();

    Button_DropDown->setToolTip(LoadText(182));
    Liste_Baugroessen->setToolTip(LoadText(182));
    for (TIntEdit* field : {Edit_Hoehe, Edit_Breite, Edit_Rad}) {
        field->setToolTip(LoadText(179));
        field->SetErrorMessage(LoadText(105));
    }
    Edit_Hoehe->SetContent(LoadText(54));
    Edit_Breite->SetContent(LoadText(55));
    Edit_Rad->SetContent(LoadText(82));
    Button_Berechnen->setText(LoadText(155));
    Button_Vorauswahl->setText(LoadText(192));
    const QString title = QStringLiteral("Rotor - ") + LoadText(70);
    L_Titel->setText(title);
    L_Titel_S->setText(title);
    PlaceControls();
    if (Menu_Edit_Undo) Menu_Edit_Undo->setText(LoadText(kUndo));
    if (Menu_Edit_Redo) Menu_Edit_Redo->setText(LoadText(kRedo));
    if (Menu_Ansicht_Jahresenergie) Menu_Ansicht_Jahresenergie->setText(LoadText(kAnnualEnergy));
    if (selectionCommands_) selectionCommands_->SetTexts();
    MarkAccessKeys(*menuBar());
}

void TFormRotor::ReadSettings() {
    TFormProdukt::ReadSettings();
    const TRotorSettings s = ReadRotorSettings(IniDatei(), SettingsSection());
    for (TDatenRWT* r : {&WinterRecord(), &SummerRecord()}) {
        r->MatrixType = static_cast<std::uint8_t>(s.matrixType);
        r->Diameter = s.diameter;
    }
    seriesIndexSetting_ = s.seriesIndex;
    sizeIndexSetting_ = s.sizeIndex;
    profileIndexSetting_ = s.profileIndex;
    height_ = s.height;
    width_ = s.width;
}

void TFormRotor::WriteSettings() {
    TFormProdukt::WriteSettings();
    TRotorSettings s;
    s.matrixType = WinterRecord().MatrixType;
    s.profileIndex = Combo_Rotorprofil->currentIndex();
    s.seriesIndex = SeriesIndex();
    s.sizeIndex = Liste_Baugroessen->currentRow();
    s.height = height_;
    s.width = width_;
    s.diameter = WinterRecord().Diameter;
    WriteRotorSettings(IniDatei(), SettingsSection(), s);
}

void TFormRotor::CompleteStart() {
    TFormProdukt::CompleteStart();
    {
        const QSignalBlocker block(Combo_RahmenMaterial);
        Combo_RahmenMaterial->setCurrentIndex(seriesIndexSetting_);
    }
    ShowRecordInPanel();
    InvalidateResults();
    // The list of the stored series with the stored size; the dimensions stay as they were saved.
    RebuildSizeList();
    {
        const QSignalBlocker block(Liste_Baugroessen);
        Liste_Baugroessen->setCurrentRow(KeptListIndex(sizeIndexSetting_, Liste_Baugroessen->count()));
    }
    Aenderung_Geraet(Combo_RahmenMaterial);
    Button_Leakage->show();
    Menu_Ansicht_Leakage->setVisible(true);
    // The restored inputs are those of the file shown at the end, or a selection without a file
    // that nothing has changed yet.
    selectionCommands_->TakeStartState();
    // Work starts in the first air field.
    AllAirFields().front()->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// The panel

int TFormRotor::SeriesIndex() const {
    return Combo_RahmenMaterial->currentIndex();
}

QString TFormRotor::ProfileText() const {
    return Combo_Rotorprofil->currentText();
}

int TFormRotor::FieldValue(TIntEdit* field, int fallback) {
    try {
        return field->Value();
    } catch (const ConversionError&) {
        return fallback; // reported when the field was left
    }
}

void TFormRotor::RebuildMatrixTypes() {
    // The texts are renewed in place: the list may be the one whose change is being handled.
    const QSignalBlocker block(Combo_Rotortyp);
    const int index = Combo_Rotortyp->currentIndex();
    for (const MatrixTypeEntry& type : kMatrixTypes) {
        const QString text = MatrixTypeListText(type.Index);
        if (type.Index < Combo_Rotortyp->count())
            Combo_Rotortyp->setItemText(type.Index, text);
        else
            Combo_Rotortyp->addItem(text);
    }
    Combo_Rotortyp->setCurrentIndex(index < 0 ? 0 : index);
}

void TFormRotor::RebuildSizeList() {
    const QSignalBlocker block(Liste_Baugroessen);
    const int index = Liste_Baugroessen->currentRow();
    sizeTable_ = LoadSizeTable(SeriesIndex());
    Liste_Baugroessen->clear();
    for (const std::string& row : sizeTable_) {
        const auto size = ParseSizeRow(row);
        Liste_Baugroessen->addItem(QString::fromStdString(size ? SizeListEntry(*size) : row));
    }
    Liste_Baugroessen->setCurrentRow(KeptListIndex(index, Liste_Baugroessen->count()));
}

void TFormRotor::RebuildProfiles() {
    const QSignalBlocker block(Combo_Rotorprofil);
    const QString shown = Combo_Rotorprofil->currentText();
    QStringList profiles;
    for (const std::string& code :
         SplitProfileList(ProfileList(SeriesIndex(), Combo_Rotortyp->currentIndex())))
        profiles << QString::fromStdString(code);
    QStringList current;
    for (int i = 0; i < Combo_Rotorprofil->count(); ++i)
        current << Combo_Rotorprofil->itemText(i);
    // The same list stays as it is: it may be the one whose change is being handled.
    if (profiles != current) {
        Combo_Rotorprofil->clear();
        Combo_Rotorprofil->addItems(profiles);
    }
    const int count = Combo_Rotorprofil->count();
    int index = -1;
    if (!profilesShown_) {
        index = profileIndexSetting_; // the first fill after start
    } else {
        index = Combo_Rotorprofil->findText(shown);
        if (index < 0) index = count - 1;
    }
    if (index < 0 || index >= count) index = count > 0 ? 0 : -1;
    Combo_Rotorprofil->setCurrentIndex(index);
    profilesShown_ = true;
}

void TFormRotor::ShowRecordInPanel() {
    {
        const QSignalBlocker block(Combo_Rotortyp);
        const int index = MatrixTypeIndexOf(WinterRecord().MatrixType, Combo_Rotortyp->currentIndex());
        Combo_Rotortyp->setCurrentIndex(KeptListIndex(index, Combo_Rotortyp->count()));
    }
    if (Combo_Rotorprofil->count() > 0) {
        const QSignalBlocker block(Combo_Rotorprofil);
        Combo_Rotorprofil->setCurrentIndex(KeptListIndex(profileIndexSetting_, Combo_Rotorprofil->count()));
    }
    Edit_Hoehe->SetValue(height_);
    Edit_Breite->SetValue(width_);
    Edit_Rad->SetValue(WinterRecord().Diameter);
}

void TFormRotor::SelectStandardSize(int index) {
    {
        const QSignalBlocker block(Liste_Baugroessen);
        Liste_Baugroessen->setCurrentRow(index);
    }
    Aenderung_Geraet(Liste_Baugroessen);
}

void TFormRotor::Aenderung_Geraet(QObject* sender) {
    if (sender == Combo_RahmenMaterial || sender == Combo_Rotortyp || sender == Combo_Rotorprofil) {
        RebuildMatrixTypes();
        RebuildSizeList();
        RebuildProfiles();
    }
    if (sender == Liste_Baugroessen) {
        const int row = Liste_Baugroessen->currentRow();
        if (row >= 0 && row < static_cast<int>(sizeTable_.size())) {
            if (const auto size = ParseSizeRow(sizeTable_[static_cast<std::size_t>(row)])) {
                Edit_Hoehe->SetValue(size->Height);
                Edit_Breite->SetValue(size->Width);
                Edit_Rad->SetValue(size->Diameter);
            }
        }
    }

    L_Baugroesse->clear();
    height_ = FieldValue(Edit_Hoehe, height_);
    width_ = FieldValue(Edit_Breite, width_);
    geometry_ = ComputePanelGeometry(height_, width_, SeriesIndex());
    L_Tiefe->setText(QString::number(geometry_.Depth));
    const int diameter = FieldValue(Edit_Rad, WinterRecord().Diameter);
    const auto kept = static_cast<int>(KeptDiameter(diameter, height_, width_, SeriesIndex(), geometry_));
    if (kept != diameter) Edit_Rad->SetValue(kept);
    CopyRotorToRecords();

    const TDatenRWT& r = WinterRecord();
    rotorWeight_ = PanelRotorWeight(geometry_.HousingCode, height_, width_, geometry_.Depth,
                                    FieldValue(Edit_Rad, r.Diameter), r);
    try {
        designation_ = BuildDesignation(SeriesIndex(), r.MatrixType, ProfileText().toStdString(), height_,
                                        width_, FieldValue(Edit_Rad, r.Diameter));
    } catch (const std::invalid_argument&) {
        designation_ = {};
    }
    ShowPanelValues();
    Aenderung_Daten();
}

void TFormRotor::CopyRotorToRecords() {
    const MatrixTypeEntry* type = MatrixTypeByIndex(Combo_Rotortyp->currentIndex());
    const int diameter = FieldValue(Edit_Rad, WinterRecord().Diameter);
    const auto profile = DecodeProfile(ProfileText().toStdString());
    for (TDatenRWT* r : {&WinterRecord(), &SummerRecord()}) {
        if (type) {
            r->MatrixType = static_cast<std::uint8_t>(type->MatrixType);
            r->Speed = type->Speed;
        }
        r->Diameter = diameter;
        r->WheelDepth = 200;
        if (profile) {
            r->FoilThickness = profile->FoilThickness;
            r->ProfileHeight = profile->ProfileHeight;
            r->ProfilePitch = profile->ProfilePitch;
        }
    }
}

void TFormRotor::CopyDeviceToRecords() {
    CopyRotorToRecords();
}

void TFormRotor::ShowDeviceCaption() {
    L_Baugroesse->setText(QString::fromStdString(designation_.ModelDesignation));
    if (selectionCommands_) selectionCommands_->UpdateCaption();
    ScheduleCommit();
}

// ---------------------------------------------------------------------------------------------
// Calculate

void TFormRotor::Button_BerechnenClick() {
    // What was typed and not yet committed counts, and is checked like every other entry.
    if (!CommitPendingEntries()) return;
    try {
        calculated_ = CalculateSelection(CurrentSelection());
    } catch (const SelectionNotCalculated& refused) {
        switch (refused.Why()) {
        case SelectionNotCalculated::Reason::Geometry:
            ShowMessageBox(refused.Message(), refused.Caption(), MessageKind::Error);
            break;
        case SelectionNotCalculated::Reason::Plausibility:
            PlausibilityCheck(); // shows the same report, and keeps its numbers as the last check's
            break;
        case SelectionNotCalculated::Reason::Calculation:
            // A run that failed has no results to show: the tables stay empty and the result
            // commands disabled, rather than showing the states of a run that did not complete.
            InvalidateResults();
            ShowMessageBox(refused.Message(), refused.Caption(), MessageKind::Error);
            RefreshInletTables();
            ShowDeviceCaption();
            break;
        }
        return;
    }
    InvalidateResults();
    TakeCheckReport(calculated_.check);
    if (calculated_.check.ShowsMessage())
        ShowMessageBox(calculated_.check.text, calculated_.check.caption, MessageKind::Warning);
    // The window's records are the calculated ones: the tables, the chart and the leakage window
    // show them.
    WinterRecord() = calculated_.winter;
    if (calculated_.summer) SummerRecord() = *calculated_.summer;
    SetResultsValid();
    RefreshInletTables();
    ShowDeviceCaption();
}

// ---------------------------------------------------------------------------------------------
// Preselection

void TFormRotor::Button_VorauswahlClick() {
    // What was typed counts, as for every command that works with the entries.
    if (!CommitPendingEntries()) return;
    if (!formBaugroessen_) formBaugroessen_ = new TFormBaugroessen_Rotor(this);
    formBaugroessen_->Show(GetUnitSystem());
}

// ---------------------------------------------------------------------------------------------
// Chart

TFormMollier& TFormRotor::FormMollier() {
    if (!formMollier_) {
        formMollier_ = new TFormMollier(this, [this](const PageList& pages) {
            ShowPages(pages, &ChartNotes(), formMollier_, PageKind::Chart, QString::fromStdString(designation_.ModelDesignation));
        });
        formMollier_->SetPageFrame([this] { return PageFrame(ChartNotes()); });
    }
    return *formMollier_;
}

void TFormRotor::Menu_Ansicht_DiagrammClick() {
    if (!CommitPendingEntries() || !ResultsValid()) return;
    TFormMollier& chart = FormMollier();
    const bool summer = GetSeasonView() == SeasonView::WinterAndSummer;
    chart.SetCarrier(!Mollier());
    chart.SetUnitSystem(GetUnitSystem());
    chart.SetAirPressure(WinterRecord().AirPressure);
    chart.SetProcessLines(ProcessLinesOf(WinterRecord(), summer ? &SummerRecord() : nullptr, ResultsValid(),
                                         WinterCaption(), SummerCaption()));
    RunModal(chart);
    SetMollier(!chart.Carrier());
    CommitSelection();
}

// ---------------------------------------------------------------------------------------------
// Leakage

TFormRotLeakage& TFormRotor::FormLeakage() {
    if (!formLeakage_)
        formLeakage_ = new TFormRotLeakage(this, [this](const PageList& pages) {
            ShowPages(pages, nullptr, formLeakage_, PageKind::Leakage, QString::fromStdString(designation_.ModelDesignation));
        });
    return *formLeakage_;
}

void TFormRotor::Menu_Ansicht_LeakageClick() {
    if (!CommitPendingEntries() || !PlausibilityCheck()) return;
    TFormRotLeakage& leakage = FormLeakage();
    leakage.SetUnitSystem(GetUnitSystem());
    const LeakageSelection selection =
        LeakageSelectionOf(WinterRecord(), geometry_.HousingCode, ProfileText().toStdString());
    leakage.Fill(selection, L_Baugroesse->text(), WinterCaption(), SummerCaption());
    leakage.move(pos());
    RunHidden(*this, [&] { RunModal(leakage); });
    // The choices made there belong to the selection.
    CommitSelection();
}

// ---------------------------------------------------------------------------------------------
// Annual energy

TFormJahresenergie& TFormRotor::FormJahresenergie() {
    if (!formJahresenergie_)
        formJahresenergie_ = new TFormJahresenergie(
            this,
            [this](const PageList& pages) {
                ShowPages(pages, nullptr, formJahresenergie_, PageKind::Annual,
                          QString::fromStdString(designation_.ModelDesignation));
            },
            [this](const AnnualInputs& inputs) {
                // Each change of an input is a step of the selection's history.
                annual_ = inputs;
                ScheduleCommit();
            });
    return *formJahresenergie_;
}

std::filesystem::path TFormRotor::SelectionFolder() {
    const QString& file = SelectionCommands().FilePath();
    if (file.isEmpty()) return {};
    return std::filesystem::u8path(QFileInfo(file).absolutePath().toStdString());
}

void TFormRotor::Menu_Ansicht_JahresenergieClick() {
    if (!CommitPendingEntries() || !ResultsValid()) return;
    TFormJahresenergie& annual = FormJahresenergie();
    annual.Fill(CalculatedForPages(), annual_, GetUnitSystem(), SelectionFolder());
    RunHidden(*this, [&] { RunModal(annual); });
    CommitSelection();
}

// ---------------------------------------------------------------------------------------------
// Data sheet

void TFormRotor::Menu_Ansicht_DatenblattClick() {
    // What was typed counts; a typed change leaves no results to print.
    if (!CommitPendingEntries() || !ResultsValid()) return;
    // Drawn from the calculated selection on every repaint, so that notes edited in the preview
    // show at once.
    ShowPages({[this](PageCanvas& canvas, int) { DrawDataSheet(canvas, DataSheetValuesOf(CalculatedForPages())); }},
              &DataSheetNotes(), nullptr, PageKind::DataSheet, QString::fromStdString(designation_.ModelDesignation));
}

void TFormRotor::Menu_Ansicht_ProduktbeschreibungClick() {
    ShowPages({[this](PageCanvas& canvas, int) {
                  DrawProductDescription(canvas, ProductDescriptionOf(CurrentSelection()));
              }},
              nullptr, nullptr, PageKind::ProductDescription, QString::fromStdString(designation_.ModelDesignation));
}

void TFormRotor::Menu_Ansicht_ReglerbeschreibungClick() {
    ShowPages({[this](PageCanvas& canvas, int) {
                  DrawControllerDescription(canvas, ControllerDescriptionOf(CurrentSelection()));
              }},
              nullptr, nullptr, PageKind::ControllerDescription, QString::fromStdString(designation_.ModelDesignation));
}

// ---------------------------------------------------------------------------------------------
// Standard-size list

void TFormRotor::OpenSizeList() {
    Liste_Baugroessen->show();
    Liste_Baugroessen->raise();
    if (QListWidgetItem* item = Liste_Baugroessen->currentItem()) Liste_Baugroessen->scrollToItem(item);
    Liste_Baugroessen->setFocus(Qt::OtherFocusReason);
    L_Baugroesse->hide();
}

void TFormRotor::CloseSizeList() {
    Liste_Baugroessen->hide();
    L_Baugroesse->show();
}

void TFormRotor::Button_DropDownClick() {
    if (Liste_Baugroessen->isVisible())
        CloseSizeList();
    else
        OpenSizeList();
}

void TFormRotor::Menu_ESCClick() {
    CloseSizeList();
    Button_DropDown->setFocus(Qt::ShortcutFocusReason);
}

bool TFormRotor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Liste_Baugroessen->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = Liste_Baugroessen->indexAt(mouse->position().toPoint());
        if (index.isValid()) {
            if (index.row() != Liste_Baugroessen->currentRow())
                Liste_Baugroessen->setCurrentRow(index.row()); // runs the change handler
            else
                Aenderung_Geraet(Liste_Baugroessen); // the same size picked again
        }
        CloseSizeList();
        Button_DropDown->setFocus(Qt::MouseFocusReason);
        return true;
    }
    if (watched == Liste_Baugroessen) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
                CloseSizeList();
                Button_DropDown->setFocus(Qt::OtherFocusReason);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            if (QApplication::focusWidget() != Button_DropDown) CloseSizeList();
        }
    }
    return TFormProdukt::eventFilter(watched, event);
}

} // namespace velmarsund
