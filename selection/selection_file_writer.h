#pragma once
// A selection as a file: the selection in its JSON format (which rotorsheet takes as a request),
// in UTF-8, indented by two blanks and ending with a line feed, written whole or not at all.

#include "selection.h"

#include <QByteArray>
#include <QString>

namespace velmarsund {

// The extension of a selection file, without the dot.
inline constexpr const char* kSelectionFileSuffix = "vrsel";

// The file's bytes.
QByteArray SelectionFileBytes(const Selection& selection);

// Writes the file whole or not at all; on failure `error` says why and an existing file is left
// as it was.
bool WriteSelectionFile(const QString& path, const Selection& selection, QString* error);

} // namespace velmarsund
