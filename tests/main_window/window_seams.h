#pragma once
// Recording stand-ins for the message box, modal dialogs and the desktop's address handlers:
// nothing waits for a click or starts a browser. A test may act on a dialog before it "closes".

#include "message_box.h"
#include "modal_runner.h"
#include "url_opener.h"

#include <QDialog>

#include <functional>
#include <vector>

namespace velmarsund::testing {

struct Message {
    QString text;
    QString caption;
    MessageKind kind;
};

class WindowSeams : public MessagePresenter, public ModalRunner, public UrlOpener {
public:
    WindowSeams()
        : previousPresenter_(SetMessagePresenter(this)), previousRunner_(SetModalRunner(this)),
          previousOpener_(SetUrlOpener(this))
    {
    }
    ~WindowSeams() override
    {
        SetMessagePresenter(previousPresenter_);
        SetModalRunner(previousRunner_);
        SetUrlOpener(previousOpener_);
    }
    void Show(const QString& text, const QString& caption, MessageKind kind) override
    {
        messages.push_back({text, caption, kind});
    }
    // Without an action the dialog is accepted as it was opened.
    int Run(QDialog& dialog) override
    {
        dialogs.push_back(dialog.objectName());
        if (!onDialog) return QDialog::Accepted;
        const int result = onDialog(dialog);
        onDialog = nullptr;
        return result;
    }
    bool Open(const QUrl& url) override
    {
        urls.push_back(url);
        return true;
    }

    std::vector<Message> messages;
    std::vector<QString> dialogs;
    std::vector<QUrl> urls;
    std::function<int(QDialog&)> onDialog; // acts on the next dialog and gives its result

private:
    MessagePresenter* previousPresenter_;
    ModalRunner* previousRunner_;
    UrlOpener* previousOpener_;
};

} // namespace velmarsund::testing
