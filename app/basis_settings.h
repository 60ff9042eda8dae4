#pragma once
// The settings the main window's first level keeps in the settings file: language and format
// version in "GLOBAL"; project folder, unit system, separators, offer header and notes in the
// window's own section.

#include "ini_datei.h"

#include <QChar>
#include <QString>

#include <array>

namespace velmarsund {

inline const QString kSettingsFileName = QStringLiteral("Velmarsund.ini");
inline const QString kGlobalSection = QStringLiteral("GLOBAL");
inline const QString kGlobalSectionWritten = QStringLiteral("Global"); // the same section
inline const QString kLanguageKey = QStringLiteral("Language");
inline const QString kVersionKey = QStringLiteral("Version");
constexpr int kSettingsVersion = 201710;
// Files of this format version or older hold a window section of an older layout.
constexpr int kLastOutdatedVersion = 200409;

struct TBasisSettings {
    QString projectPath;
    bool si = true;
    QChar decimalSeparator;
    QChar thousandSeparator;
    bool printHeader = false;
    std::array<QString, 8> header;
    std::array<QString, 3> notesData;
    std::array<QString, 3> notesChart;
};

// What the defaults and the date line come from; the window passes the system's.
struct TBasisDefaults {
    QString documentsFolder;
    QChar decimalSeparator;
    QChar thousandSeparator;
    QString today; // today's date in the short date format
};

// Erases `section` when the file's format version is at most kLastOutdatedVersion (a missing
// version counts as 0). Returns whether it did.
bool EraseOutdatedSection(TIniDatei& ini, const QString& section);

// Reads the keys of the first level from `section`; header line 1 becomes `defaults.today`.
TBasisSettings ReadBasisSettings(const TIniDatei& ini, const QString& section, const TBasisDefaults& defaults);

// Tells the user, once a run, that the settings file could not be written (the old one is unchanged).
void ReportSettingsNotSaved(const QString& path);

// Writes Version = kSettingsVersion, then the keys of the first level into `section`.
void WriteBasisSettings(TIniDatei& ini, const QString& section, const TBasisSettings& settings);

} // namespace velmarsund
