#include "save_question_dialog.h"

#include "text_table.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace velmarsund {

TSaveQuestionDialog::TSaveQuestionDialog(const QString& text, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SaveQuestion"));
    setWindowTitle(QStringLiteral("Velmarsund Rotor"));
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(size, size));
    text_ = new QLabel(text, this);
    text_->setWordWrap(true);
    text_->setMinimumWidth(320);

    save_ = new QPushButton(LoadText(630), this);
    save_->setObjectName(QStringLiteral("Button_Save"));
    discard_ = new QPushButton(LoadText(631), this);
    discard_->setObjectName(QStringLiteral("Button_Discard"));
    cancel_ = new QPushButton(LoadText(632), this);
    cancel_->setObjectName(QStringLiteral("Button_Cancel"));
    save_->setDefault(true);
    connect(save_, &QPushButton::clicked, this, [this] { done(Save); });
    connect(discard_, &QPushButton::clicked, this, [this] { done(Discard); });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(text_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(discard_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

} // namespace velmarsund
