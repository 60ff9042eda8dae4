#pragma once
// One step of the selection's undo history: the selection before and after a committed change.
// Undo and redo fill the window with the one or the other, as opening a file would.

#include "selection.h"

#include <QUndoCommand>

namespace velmarsund {

class TFormRotor;

class TSelectionChange : public QUndoCommand {
  public:
    TSelectionChange(TFormRotor& window, Selection before, Selection after);
    void undo() override;
    // The first run is the change the user already made.
    void redo() override;

  private:
    TFormRotor& window_;
    Selection before_;
    Selection after_;
    bool done_ = true;
};

} // namespace velmarsund
