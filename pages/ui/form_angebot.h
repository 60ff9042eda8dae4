#pragma once
// The offer header window: the eight header lines (date, offer number, project and position, each
// with its label) and the switch that prints them at the top of the data sheet and the chart page.
// Created once; filled anew every time it opens.

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace velmarsund {

struct OfferHeader {
    bool printHeader = false;
    std::array<QString, 8> lines;

    bool operator==(const OfferHeader&) const = default;
};

class TFormAngebot : public QDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 384;
    static constexpr int kClientHeight = 185;

    explicit TFormAngebot(QWidget* parent = nullptr);

    // Shows the header modally, filled from `header` (line 0 keeps the label of the current
    // language); on OK the switch and the eight field texts, on Cancel nothing.
    std::optional<OfferHeader> Edit(const OfferHeader& header);

    std::array<QLineEdit*, 8> Edits() const { return {Edit0, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7}; }

    QLineEdit* Edit0 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    QLineEdit* Edit5 = nullptr;
    QLineEdit* Edit6 = nullptr;
    QLineEdit* Edit7 = nullptr;
    QPushButton* Button_Vorgabe = nullptr;
    QCheckBox* CheckBox_AlsAngebot = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;

public slots:
    void Button_VorgabeClick();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void SetTexts();
};

} // namespace velmarsund
