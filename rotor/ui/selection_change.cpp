#include "selection_change.h"

#include "form_rotor.h"

#include <utility>

namespace velmarsund {

TSelectionChange::TSelectionChange(TFormRotor& window, Selection before, Selection after)
    : window_(window), before_(std::move(before)), after_(std::move(after))
{
}

void TSelectionChange::undo()
{
    window_.ApplySelection(before_);
}

void TSelectionChange::redo()
{
    if (std::exchange(done_, false)) return;
    window_.ApplySelection(after_);
}

} // namespace velmarsund
