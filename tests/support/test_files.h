#pragma once
// Helpers of the settings tests: the settings file's place, writing and reading it as bytes.

#include "basis_settings.h"
#include "ini_datei.h"

#include <QDir>
#include <QFile>

namespace velmarsund::testing {

inline QString SettingsPath() { return TIniDatei::AppDataFolder() + kSettingsFileName; }

inline void RemoveSettings() { QDir(TIniDatei::AppDataFolder()).removeRecursively(); }

inline void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(bytes);
}

inline QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace velmarsund::testing
