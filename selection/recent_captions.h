#pragma once
// What the File menu shows of a recent file: its name, and where two names are alike, as many of
// the folders above it as tell them apart, "AHU-1.vrsel (Nordhafen)".

#include <QString>
#include <QStringList>

namespace velmarsund {

// One caption per path, in order; names are compared without case, as a user reads them.
QStringList RecentFileCaptions(const QStringList& paths);

} // namespace velmarsund
