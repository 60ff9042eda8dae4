#pragma once
// A selection as a file: the rotorsheet request that gives the data sheet the window shows, with
// the format version, in UTF-8 JSON. It holds what the window needs to come back exactly: the air
// conditions of both seasons as entered (the input kinds' quantities, in internal units), the air
// pressure, the rotor panel, the settings window's switches, the season captions, the offer
// header and notes, the chart kind and the leakage window's choices.

#include "sheet_request.h"

#include <QByteArray>
#include <QString>

namespace velmarsund {

// The extension of a selection file, without the dot.
inline constexpr const char* kSelectionFileSuffix = "vrsel";

// The request of a selection. Each inlet state holds only the quantities its input kinds name;
// the other quantities follow from them. Season captions are written when the request gives them.
rotorsheet::Json SelectionJson(const rotorsheet::SheetRequest& selection);

// The file's bytes: the JSON indented by two blanks, ending with a line feed.
QByteArray SelectionFileBytes(const rotorsheet::SheetRequest& selection);

// Writes the file whole or not at all; on failure `error` says why and an existing file is left
// as it was.
bool WriteSelectionFile(const QString& path, const rotorsheet::SheetRequest& selection, QString* error);

} // namespace velmarsund
