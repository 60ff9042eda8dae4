#pragma once
// Recording stand-ins for the message box, modal dialogs and the desktop's address handlers:
// nothing waits for a click or starts a browser. A test may act on a dialog before it "closes",
// or show it and act in it as a user would.

#include "message_box.h"
#include "modal_runner.h"
#include "url_opener.h"

#include <QDialog>
#include <QUrl>

#include <functional>
#include <vector>

namespace velmarsund::testing {

struct Message {
    QString text;
    QString caption;
    MessageKind kind;
};

// Installed while it lives; the previous presenter, runner and opener come back at its end.
class RecordingSeams : public MessagePresenter, public ModalRunner, public UrlOpener {
public:
    RecordingSeams();
    ~RecordingSeams() override;
    RecordingSeams(const RecordingSeams&) = delete;
    RecordingSeams& operator=(const RecordingSeams&) = delete;

    void Show(const QString& text, const QString& caption, MessageKind kind) override;
    // Without an action the dialog is accepted as it was opened.
    int Run(QDialog& dialog) override;
    bool Open(const QUrl& url) override;

    // An action that shows the dialog, makes it the active window and lets `user` act in it; what
    // closed it is the result, and a dialog the user left open counts as cancelled.
    std::function<int(QDialog&)> AsUser(std::function<void(QDialog&)> user);

    std::vector<Message> messages;
    std::vector<QString> dialogs;
    std::vector<QUrl> urls;
    // Acts on the next dialog and gives its result; a dialog opened while it runs gets the action
    // set meanwhile (or is accepted as it was opened).
    std::function<int(QDialog&)> onDialog;
    bool windowActive = false;             // the last dialog shown by AsUser became active

private:
    MessagePresenter* previousPresenter_;
    ModalRunner* previousRunner_;
    UrlOpener* previousOpener_;
};

} // namespace velmarsund::testing
