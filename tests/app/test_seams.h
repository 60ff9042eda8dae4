#pragma once
// Recording stand-ins for the message box and modal dialogs: nothing waits for a click.

#include "message_box.h"
#include "modal_runner.h"

#include <QDialog>

#include <vector>

namespace velmarsund::testing {

struct Message {
    QString text;
    QString caption;
    MessageKind kind;
};

class RecordingSeams : public MessagePresenter, public ModalRunner {
public:
    RecordingSeams() : previousPresenter_(SetMessagePresenter(this)), previousRunner_(SetModalRunner(this)) {}
    ~RecordingSeams() override
    {
        SetMessagePresenter(previousPresenter_);
        SetModalRunner(previousRunner_);
    }
    void Show(const QString& text, const QString& caption, MessageKind kind) override
    {
        messages.push_back({text, caption, kind});
    }
    int Run(QDialog& dialog) override
    {
        dialogs.push_back(dialog.objectName());
        return QDialog::Accepted;
    }

    std::vector<Message> messages;
    std::vector<QString> dialogs;

private:
    MessagePresenter* previousPresenter_;
    ModalRunner* previousRunner_;
};

} // namespace velmarsund::testing
