#pragma once
// Stand-ins for the message box and the modal running: the window is shown, the test acts in it
// as a user would, and what closed it is the result; every message is recorded.

#include "message_box.h"
#include "modal_runner.h"

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <functional>
#include <vector>

namespace velmarsund::testing {

struct Message {
    QString text;
    QString caption;
    MessageKind kind;
};

class DialogSeams : public MessagePresenter, public ModalRunner {
public:
    DialogSeams() : previousPresenter_(SetMessagePresenter(this)), previousRunner_(SetModalRunner(this)) {}
    ~DialogSeams() override
    {
        SetMessagePresenter(previousPresenter_);
        SetModalRunner(previousRunner_);
    }
    DialogSeams(const DialogSeams&) = delete;
    DialogSeams& operator=(const DialogSeams&) = delete;

    void Show(const QString& text, const QString& caption, MessageKind kind) override
    {
        messages.push_back({text, caption, kind});
    }

    // Runs `user` in the shown, active window. A window the user left open counts as cancelled.
    int Run(QDialog& dialog) override
    {
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        windowActive = QTest::qWaitForWindowActive(&dialog);
        if (user) user(dialog);
        leftOpen = dialog.isVisible();
        const int result = leftOpen ? int(QDialog::Rejected) : dialog.result();
        dialog.hide();
        return result;
    }

    std::function<void(QDialog&)> user;
    std::vector<Message> messages;
    bool windowActive = false;
    bool leftOpen = false;

private:
    MessagePresenter* previousPresenter_;
    ModalRunner* previousRunner_;
};

} // namespace velmarsund::testing
