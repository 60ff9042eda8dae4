#pragma once
// Every modal dialog of the program runs through this seam, so that tests replace the running
// with a recording that never waits for the user.

class QDialog;

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

// Runs `dialog` through the current runner; a dialog that ran before opens where it closed.
int RunModal(QDialog& dialog);

} // namespace velmarsund
