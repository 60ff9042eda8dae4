#include "num_edit_base.h"

#include "message_box.h"
#include "number_format.h"
#include "number_parse.h"
#include "text_format.h"
#include "text_table.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace velmarsund {

namespace {
constexpr TextId kErrorCaption = 104; // "Error"
constexpr TextId kNotANumber = 579;  // "'%s' is not a valid number."
}

TNumEditBase::TNumEditBase(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TNumEditBase::RefreshText()
{
    if (TryParse()) WriteText();
}

bool TNumEditBase::RangeCheck()
{
    if (!validation_) return true;
    const auto value = TryTextToNumber(text());
    if (value && minValue_ <= *value && *value <= maxValue_) return true;
    ShowMessageBox(FormatText(errorMessage_, {FormatGeneral(minValue_), FormatGeneral(maxValue_)}), content_,
                   MessageKind::Warning);
    ReturnFocus();
    return false;
}

void TNumEditBase::ReturnFocus()
{
    // The message box was the active window; give the activation back with the focus.
    window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
    selectAll();
}

bool TNumEditBase::TryParse()
{
    try {
        ParseModifiedText();
        return true;
    } catch (const ConversionError& error) {
        ShowMessageBox(FormatText(LoadText(kNotANumber), {error.Text()}), LoadText(kErrorCaption), MessageKind::Error);
        ReturnFocus();
        return false;
    }
}

bool TNumEditBase::CommitOnEnter()
{
    const bool modified = isModified();
    const bool committed = RangeCheck() && TryParse();
    if (committed) {
        WriteText();
        if (modified) emit OnCalculate();
        emit OnReturn();
    }
    selectAll();
    return committed;
}

void TNumEditBase::CommitOnLeave() { CommitPending(); }

bool TNumEditBase::CommitPending()
{
    if (!isModified()) return true;
    if (!RangeCheck() || !TryParse()) return false;
    WriteText();
    emit OnCalculate();
    return true;
}

bool TNumEditBase::event(QEvent* event)
{
    // Escape over a typed text is the field's own key, not the window's Escape command.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        isModified()) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TNumEditBase::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // A committed text lets the key go on to the window (a dialog's default button); a refused
        // one keeps it, with the focus in the field.
        if (CommitOnEnter())
            event->ignore();
        else
            event->accept();
        return;
    }
    if (event->key() == Qt::Key_Escape && isModified()) {
        event->accept();
        WriteText(); // the last committed value; clears the modified mark
        selectAll();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TNumEditBase::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // After the mouse press that may have brought the focus has placed the cursor.
    QTimer::singleShot(0, this, &QLineEdit::selectAll);
}

void TNumEditBase::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Another window becoming active (a message box, a menu) is no leaving of the field.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    CommitOnLeave();
}

} // namespace velmarsund
