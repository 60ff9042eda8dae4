#pragma once
// The question before a change would be lost: save the selection, discard the changes, or keep
// working (cancel). Shown through the modal seam.

#include <QDialog>

class QLabel;
class QPushButton;

namespace velmarsund {

class TSaveQuestionDialog : public QDialog {
    Q_OBJECT
  public:
    // The dialog's result codes; closing the window counts as Cancel.
    enum Answer { Cancel = QDialog::Rejected, Save = 1, Discard = 2 };

    explicit TSaveQuestionDialog(const QString& text, QWidget* parent = nullptr);

    QLabel* TextLabel() const { return text_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* DiscardButton() const { return discard_; }
    QPushButton* CancelButton() const { return cancel_; }

  private:
    QLabel* text_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* discard_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace velmarsund
