#pragma once
// What the window says about a selection file it cannot open, or opened with changes, in the
// user's language and naming the field.

#include "selection_file_reader.h"

#include <QString>

#include <vector>

namespace velmarsund {

// "The selection "NAME" cannot be opened.", the reason with the field, and that the window keeps
// what it shows.
QString RefusalMessage(const SelectionRefused& refused, const QString& fileName);

// The changes the window made to the file's values, one line each; empty when there are none.
QString AdjustmentMessage(const std::vector<SelectionAdjustment>& adjustments, const QString& fileName);

} // namespace velmarsund
