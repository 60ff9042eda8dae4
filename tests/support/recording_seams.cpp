#include "recording_seams.h"

#include <QApplication>
#include <QTest>

namespace velmarsund::testing {

RecordingSeams::RecordingSeams()
    : previousPresenter_(SetMessagePresenter(this)), previousRunner_(SetModalRunner(this)),
      previousOpener_(SetUrlOpener(this))
{
}

RecordingSeams::~RecordingSeams()
{
    SetMessagePresenter(previousPresenter_);
    SetModalRunner(previousRunner_);
    SetUrlOpener(previousOpener_);
}

void RecordingSeams::Show(const QString& text, const QString& caption, MessageKind kind)
{
    messages.push_back({text, caption, kind});
}

int RecordingSeams::Run(QDialog& dialog)
{
    dialogs.push_back(dialog.objectName());
    if (!onDialog) return QDialog::Accepted;
    // Taken before it runs: a dialog it opens in turn gets the action set for it meanwhile, or none.
    const std::function<int(QDialog&)> action = std::move(onDialog);
    onDialog = nullptr;
    return action(dialog);
}

bool RecordingSeams::Open(const QUrl& url)
{
    urls.push_back(url);
    return true;
}

std::function<int(QDialog&)> RecordingSeams::AsUser(std::function<void(QDialog&)> user)
{
    return [this, user = std::move(user)](QDialog& dialog) {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        windowActive = QTest::qWaitForWindowActive(&dialog);
        if (user) user(dialog);
        const bool leftOpen = dialog.isVisible();
        const int result = leftOpen ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        return result;
    };
}

} // namespace velmarsund::testing
