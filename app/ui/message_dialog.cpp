#include "message_dialog.h"

#include "modal_runner.h"
#include "program_fonts.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

constexpr int kIconSize = 32;

QStyle::StandardPixmap IconOf(MessageKind kind)
{
    switch (kind) {
    case MessageKind::Warning: return QStyle::SP_MessageBoxWarning;
    case MessageKind::Error: return QStyle::SP_MessageBoxCritical;
    case MessageKind::Information: return QStyle::SP_MessageBoxInformation;
    case MessageKind::Question: return QStyle::SP_MessageBoxQuestion;
    case MessageKind::None: break;
    }
    return QStyle::SP_CustomBase;
}

int Round(double v) { return static_cast<int>(std::lround(v)); }

// Messages join their parts with line feed and carriage return in either order; each pair, and
// any single one, is one line break on the screen.
QString ScreenLines(QString text)
{
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

TMessageDialog::TMessageDialog(const QString& message, const QString& caption, MessageKind kind, const QFont& font,
                               QWidget* parent)
    : QDialog(parent)
{
    const QString text = ScreenLines(message);
    setWindowTitle(caption);
    setFont(font);
    const QFontMetrics fm(font);
    const double w = fm.averageCharWidth();
    const double h = fm.height();

    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
    const int maxTextWidth = std::max(Round(10 * w), available.width() / 2);
    const QRect textRect =
        fm.boundingRect(QRect(0, 0, maxTextWidth, 100000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);

    const bool hasIcon = kind != MessageKind::None;
    int x = Round(2 * w);
    const int top = Round(h);
    int contentHeight = textRect.height();
    if (hasIcon) {
        icon_ = new QLabel(this);
        icon_->setObjectName(QStringLiteral("Icon"));
        icon_->setPixmap(style()->standardIcon(IconOf(kind)).pixmap(kIconSize, kIconSize));
        icon_->setGeometry(x, top, kIconSize, kIconSize);
        x += kIconSize + Round(2.5 * w);
        contentHeight = std::max(contentHeight, kIconSize);
    }
    text_ = new QLabel(text, this);
    text_->setObjectName(QStringLiteral("Text"));
    text_->setWordWrap(true);
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setGeometry(x, top, textRect.width() + 1, textRect.height());

    const int buttonWidth = Round(12.5 * w);
    const int buttonHeight = Round(1.75 * h);
    const int width = std::max(x + textRect.width() + 1 + Round(2 * w), buttonWidth + Round(4 * w));
    const int buttonTop = top + contentHeight + Round(1.25 * h);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("OK"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    ok_->setGeometry((width - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(width, buttonTop + buttonHeight + Round(h));
    move(available.center() - rect().center());
}

void TDialogMessagePresenter::Show(const QString& text, const QString& caption, MessageKind kind)
{
    // Before the main window exists the font of the system's message boxes stands in.
    QWidget* parent = QApplication::activeWindow();
    const QFont font = parent ? parent->font() : QApplication::font("QMessageBox");
    TMessageDialog dialog(text, caption, kind, font, parent);
    RunModal(dialog);
}

} // namespace velmarsund
