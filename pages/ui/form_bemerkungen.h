#pragma once
// The notes window: three one-line fields for the notes of a page list (the data sheet's or the
// chart page's). Created once, reused.

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

namespace velmarsund {

using NotesList = std::array<QString, 3>;

class TFormBemerkungen : public QDialog {
    Q_OBJECT
public:
    explicit TFormBemerkungen(QWidget* parent = nullptr);

    // Shows the three lines of `notes` modally; on OK writes the three fields back (empty ones
    // included) and answers true; on Cancel leaves the list as it was.
    bool Edit(NotesList& notes);

    QLineEdit* Bem1 = nullptr;
    QLineEdit* Bem2 = nullptr;
    QLineEdit* Bem3 = nullptr;

protected:
    void changeEvent(QEvent* event) override;

private:
    void SetTexts();

    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;
};

} // namespace velmarsund
