#pragma once
// The program's message box. Windows and checks call ShowMessageBox; what shows it is a
// presenter behind this seam: the dialog of the window library in the program, a recording
// presenter in tests, so that no test ever waits for a click.

#include <QString>

namespace velmarsund {

enum class MessageKind {
    Warning = 0,     // exclamation icon
    Error = 1,       // stop icon
    Information = 2,
    Question = 3,
    None = 4,        // no icon
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the message and returns when it is closed.
    virtual void Show(const QString& text, const QString& caption, MessageKind kind) = 0;
};

// Makes `presenter` the one that shows messages (nullptr: messages go to standard error);
// returns the previous one. The caller keeps ownership.
MessagePresenter* SetMessagePresenter(MessagePresenter* presenter);

void ShowMessageBox(const QString& text, const QString& caption, MessageKind kind);

} // namespace velmarsund
