#pragma once
// The most recently opened or saved selection files, newest first, as the settings file keeps
// them in the main window's section (RecentFile1 .. RecentFile4).

#include "ini_datei.h"

#include <QString>
#include <QStringList>

namespace velmarsund {

inline constexpr int kRecentFileCount = 4;

// The list as stored: empty entries and repeats are left out.
QStringList ReadRecentFiles(const TIniDatei& ini, const QString& section);
void WriteRecentFiles(TIniDatei& ini, const QString& section, const QStringList& files);

// `path` at the top of `files`, without its earlier place, at most kRecentFileCount entries.
QStringList WithRecentFile(QStringList files, const QString& path);

} // namespace velmarsund
