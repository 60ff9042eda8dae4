#pragma once
// The program's message box: icon of the kind at the left, the message word-wrapped to at most
// half the screen width, one "OK" button that is default and cancel button. Margins and sizes
// follow the font's average character width w and height h.

#include "message_box.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmarsund {

class TMessageDialog : public QDialog {
    Q_OBJECT
public:
    TMessageDialog(const QString& text, const QString& caption, MessageKind kind, const QFont& font,
                   QWidget* parent = nullptr);

    QLabel* TextLabel() const { return text_; }
    QLabel* IconLabel() const { return icon_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLabel* icon_ = nullptr;
    QLabel* text_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Shows messages in a TMessageDialog through RunModal, in the program's window font.
class TDialogMessagePresenter : public MessagePresenter {
public:
    void Show(const QString& text, const QString& caption, MessageKind kind) override;
};

} // namespace velmarsund
