#pragma once
// The information window: the program's picture panel (506 x 226 pixels, raised bevels). Shown
// borderless as the start-up splash, and as the information box of the help menu with the
// product's name, version and an OK button.

#include <QDialog>
#include <QFrame>

class QLabel;
class QPushButton;

namespace velmarsund {

// The picture panel: our artwork with the version text painted over it.
class TInfoPicture : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 506;
    static constexpr int kHeight = 226;
    explicit TInfoPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class TFormInfo : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Splash, InfoBox };
    explicit TFormInfo(Mode mode, QWidget* parent = nullptr);

    // The captions of the current language.
    void SetTexts();

protected:
    void changeEvent(QEvent* event) override;

private:
    Mode mode_;
    TInfoPicture* picture_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* version_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace velmarsund
