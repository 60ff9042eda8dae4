#pragma once
// Every modal dialog of the program runs through this seam, so that tests replace the running
// with a recording that never waits for the user.

#include <functional>

class QDialog;
class QWidget;

namespace velmarsund {

class ModalRunner {
  public:
    virtual ~ModalRunner() = default;
    // Shows `dialog` modally and returns its result code.
    virtual int Run(QDialog& dialog) = 0;
};

// Makes `runner` the one that runs modal dialogs (nullptr: QDialog::exec); returns the previous
// one. The caller keeps ownership.
ModalRunner* SetModalRunner(ModalRunner* runner);

// Runs `dialog` through the current runner; a dialog that ran before opens where it closed. The
// run ends when the dialog is finished (accepted, rejected or closed), never because it was hidden
// for a while: a dialog may hide itself while a window of its own is open and come back.
int RunModal(QDialog& dialog);

// Hides `owner` while `run` runs and shows it again where it was, with the state it had.
void RunHidden(QWidget& owner, const std::function<void()>& run);

} // namespace velmarsund
