#include "form_angebot.h"

#include "modal_runner.h"
#include "page_frame.h"
#include "text_table.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace velmarsund {
namespace {

constexpr TextId kHeader = 137;
constexpr TextId kOfferNumber = 139;
constexpr TextId kProject = 140;
constexpr TextId kDate = 141;
constexpr TextId kPosition = 142;
constexpr TextId kPrintInDataSheet = 143;
constexpr TextId kCancel = 161;
constexpr TextId kDefault = 163;
constexpr int kEditHeight = 21;

QString Label(TextId id) { return LoadText(id) + LabelColon(CurrentLanguage()); }

} // namespace

TFormAngebot::TFormAngebot(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAngebot"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(kClientWidth, kClientHeight);

    // In tab order.
    const auto edit = [this](const char* name, int left, int top, int width) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QLatin1String(name));
        e->setGeometry(left, top, width, kEditHeight);
        e->setMaxLength(kMaxHeaderLineChars);
        return e;
    };
    Edit0 = edit("Edit0", 6, 10, 85);
    Edit1 = edit("Edit1", 94, 10, 121);
    Edit2 = edit("Edit2", 6, 34, 85);
    Edit3 = edit("Edit3", 94, 34, 283);
    Edit4 = edit("Edit4", 6, 59, 85);
    Edit5 = edit("Edit5", 94, 61, 283);
    Edit6 = edit("Edit6", 6, 84, 85);
    Edit7 = edit("Edit7", 94, 84, 121);
    for (QLineEdit* e : {Edit0, Edit1}) {
        e->setReadOnly(true);
        e->setFrame(false);
        e->setFocusPolicy(Qt::NoFocus);
    }
    // The label fields have the dialog's colour: they read as labels, and three stay editable.
    for (QLineEdit* e : {Edit0, Edit2, Edit4, Edit6}) {
        QPalette p = e->palette();
        p.setColor(QPalette::Base, p.color(QPalette::Window));
        e->setPalette(p);
    }
    Button_Vorgabe = new QPushButton(this);
    Button_Vorgabe->setObjectName(QStringLiteral("Button_Vorgabe"));
    Button_Vorgabe->setGeometry(6, 112, 85, 25);
    Button_Vorgabe->setAutoDefault(false);
    connect(Button_Vorgabe, &QPushButton::clicked, this, &TFormAngebot::Button_VorgabeClick);

    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(4, 139, kClientWidth - 8, 2);

    CheckBox_AlsAngebot = new QCheckBox(this);
    CheckBox_AlsAngebot->setObjectName(QStringLiteral("CheckBox_AlsAngebot"));
    CheckBox_AlsAngebot->setGeometry(4, 160, 217, 17);
    Button_OK = new QPushButton(QStringLiteral("OK"), this);
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Button_OK->setGeometry(224, 157, 77, 25);
    Button_OK->setDefault(true);
    Button_Cancel = new QPushButton(this);
    Button_Cancel->setObjectName(QStringLiteral("Button_Cancel"));
    Button_Cancel->setGeometry(306, 157, 77, 25);
    Button_Cancel->setAutoDefault(false);
    connect(Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);

    QWidget* previous = Edit2;
    for (QWidget* w : std::initializer_list<QWidget*>{Edit3, Edit4, Edit5, Edit6, Edit7, Button_Vorgabe,
                                                      CheckBox_AlsAngebot, Button_OK, Button_Cancel}) {
        setTabOrder(previous, w);
        previous = w;
    }
    SetTexts();
}

void TFormAngebot::SetTexts()
{
    setWindowTitle(LoadText(kHeader));
    CheckBox_AlsAngebot->setText(LoadText(kPrintInDataSheet));
    Button_Cancel->setText(LoadText(kCancel));
    Button_Vorgabe->setText(LoadText(kDefault));
    // The row below the fields is free to the right: a longer caption widens the button there.
    Button_Vorgabe->resize(std::max(85, Button_Vorgabe->sizeHint().width()), Button_Vorgabe->height());
    Edit0->setText(Label(kDate));
}

void TFormAngebot::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

void TFormAngebot::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Edit3->setFocus(Qt::ActiveWindowFocusReason);
}

void TFormAngebot::Button_VorgabeClick()
{
    Edit2->setText(Label(kOfferNumber));
    Edit4->setText(Label(kProject));
    Edit6->setText(Label(kPosition));
}

std::optional<OfferHeader> TFormAngebot::Edit(const OfferHeader& header)
{
    CheckBox_AlsAngebot->setChecked(header.printHeader);
    const auto edits = Edits();
    for (std::size_t i = 1; i < edits.size(); ++i) edits[i]->setText(header.lines[i]);
    Edit0->setText(Label(kDate));
    if (RunModal(*this) != QDialog::Accepted) return std::nullopt;
    OfferHeader confirmed;
    confirmed.printHeader = CheckBox_AlsAngebot->isChecked();
    for (std::size_t i = 0; i < edits.size(); ++i) confirmed.lines[i] = edits[i]->text();
    return confirmed;
}

} // namespace velmarsund
