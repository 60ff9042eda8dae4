#include "message_dialog.h"
#include "recording_seams.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <gtest/gtest.h>

#include <cmath>

namespace velmarsund {
namespace {

TEST(MessageBox, GoesThroughTheInstalledPresenter)
{
    testing::RecordingSeams seams;
    ShowMessageBox(QStringLiteral("text"), QStringLiteral("caption"), MessageKind::Question);
    ASSERT_EQ(seams.messages.size(), 1u);
    EXPECT_EQ(seams.messages[0].caption, QStringLiteral("caption"));
    EXPECT_EQ(seams.messages[0].kind, MessageKind::Question);

    // The program's presenter runs its dialog through the modal seam.
    TDialogMessagePresenter dialogPresenter;
    dialogPresenter.Show(QStringLiteral("text"), QStringLiteral("caption"), MessageKind::Error);
    EXPECT_EQ(seams.dialogs.size(), 1u);
}

TEST(MessageDialog, LayoutFollowsTheFontMetrics)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    const QFontMetrics fm(font);
    const double w = fm.averageCharWidth();
    const double h = fm.height();

    TMessageDialog warning(QStringLiteral("Please enter a number between -30 and 80"), QStringLiteral("Temperature"),
                           MessageKind::Warning, font);
    EXPECT_EQ(warning.windowTitle(), QStringLiteral("Temperature"));
    QPushButton* ok = warning.OkButton();
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(ok->width(), std::lround(12.5 * w));
    EXPECT_EQ(ok->height(), std::lround(1.75 * h));
    EXPECT_NEAR(ok->geometry().center().x(), warning.width() / 2, 1);
    ASSERT_NE(warning.IconLabel(), nullptr);
    EXPECT_EQ(warning.IconLabel()->geometry(), QRect(std::lround(2 * w), std::lround(h), 32, 32));
    EXPECT_EQ(warning.TextLabel()->x(), std::lround(2 * w) + 32 + std::lround(2.5 * w));
    EXPECT_EQ(warning.height() - ok->geometry().bottom() - 1, std::lround(h));

    TMessageDialog plain(QStringLiteral("x"), QString(), MessageKind::None, font);
    EXPECT_EQ(plain.IconLabel(), nullptr);
    EXPECT_EQ(plain.TextLabel()->x(), std::lround(2 * w));

    // A long message wraps within half the screen width.
    TMessageDialog longText(QStringLiteral("several words of a long message ").repeated(30),
                            QString(), MessageKind::Information, font);
    const int halfScreen = QGuiApplication::primaryScreen()->availableGeometry().width() / 2;
    EXPECT_LE(longText.TextLabel()->width(), halfScreen + 1);
    EXPECT_GT(longText.TextLabel()->height(), 3 * h);
}

} // namespace
} // namespace velmarsund
