#include "info_window.h"

#include "program_fonts.h"
#include "text_table.h"
#include "version_text.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

namespace velmarsund {

TInfoPicture::TInfoPicture(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_Bild"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setFixedSize(kWidth, kHeight);
}

void TInfoPicture::paintEvent(QPaintEvent* event)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer renderer(QStringLiteral(":/velmarsund/splash.svg"));
        renderer.render(&painter, QRectF(rect()));
        QFont font = WindowFont();
        painter.setFont(font);
        painter.setPen(QColor(0xd8, 0xe6, 0xee));
        painter.drawText(rect().adjusted(0, 0, -12, -10), Qt::AlignRight | Qt::AlignBottom,
                         QStringLiteral("Version ") + ProgramVersionText().longForm);
    }
    QFrame::paintEvent(event); // the bevels over the picture
}

TFormInfo::TFormInfo(Mode mode, QWidget* parent) : QDialog(parent), mode_(mode)
{
    setObjectName(mode == Mode::Splash ? QStringLiteral("FormInfo_Splash") : QStringLiteral("FormInfo"));
    picture_ = new TInfoPicture(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_);
    if (mode == Mode::Splash) {
        setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
        layout->setContentsMargins(0, 0, 0, 0);
    } else {
        title_ = new QLabel(this);
        title_->setObjectName(QStringLiteral("L_Titel"));
        version_ = new QLabel(this);
        version_->setObjectName(QStringLiteral("L_Version"));
        ok_ = new QPushButton(QStringLiteral("OK"), this);
        ok_->setObjectName(QStringLiteral("Button_OK"));
        ok_->setDefault(true);
        connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
        layout->addWidget(title_);
        layout->addWidget(version_);
        auto* buttons = new QHBoxLayout;
        buttons->addStretch();
        buttons->addWidget(ok_);
        buttons->addStretch();
        layout->addLayout(buttons);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetTexts();
}

void TFormInfo::SetTexts()
{
    setWindowTitle(QStringLiteral("Info"));
    if (mode_ == Mode::Splash) return;
    title_->setText(QStringLiteral("Velmarsund Rotor - ") + LoadText(70));
    version_->setText(QStringLiteral("Version ") + ProgramVersionText().longForm);
}

void TFormInfo::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) SetTexts();
    QDialog::changeEvent(event);
}

} // namespace velmarsund
