#include "form_bemerkungen.h"

#include "modal_runner.h"
#include "page_frame.h"
#include "text_table.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmarsund {
namespace {

constexpr TextId kNotes = 135;
constexpr TextId kCancel = 161;
constexpr int kFieldWidth = 420;

} // namespace

TFormBemerkungen::TFormBemerkungen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormBemerkungen"));
    auto* layout = new QVBoxLayout(this);
    const auto field = [this, layout](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setMinimumWidth(kFieldWidth);
        edit->setMaxLength(kMaxNoteLineChars);
        layout->addWidget(edit);
        return edit;
    };
    Bem1 = field("Bem1");
    Bem2 = field("Bem2");
    Bem3 = field("Bem3");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    Button_OK = new QPushButton(QStringLiteral("OK"), this);
    Button_OK->setObjectName(QStringLiteral("Button_OK"));
    Button_OK->setDefault(true);
    Button_Cancel = new QPushButton(this);
    Button_Cancel->setObjectName(QStringLiteral("Button_Cancel"));
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(Button_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetTexts();
}

void TFormBemerkungen::SetTexts()
{
    setWindowTitle(LoadText(kNotes));
    Button_Cancel->setText(LoadText(kCancel));
}

void TFormBemerkungen::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

bool TFormBemerkungen::Edit(NotesList& notes)
{
    const std::array<QLineEdit*, 3> fields{Bem1, Bem2, Bem3};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i]->clear();
        fields[i]->setText(notes[i]);
    }
    Bem1->setFocus();
    if (RunModal(*this) != QDialog::Accepted) return false;
    for (std::size_t i = 0; i < fields.size(); ++i) notes[i] = fields[i]->text();
    return true;
}

} // namespace velmarsund
