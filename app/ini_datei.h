#pragma once
// The settings file: typed reads that always take a default, typed writes, erasing a section.
// Writes collect in memory until UpdateFile, which merges them into the file as it is on disk at
// that moment and replaces the file atomically: a crash while writing keeps the previous file,
// and two objects on the same file do not undo each other's keys.

#include "ini_document.h"

#include <QChar>
#include <QString>

#include <vector>

namespace velmarsund {

class TIniDatei {
public:
    // The folder "#" stands for the program's folder below the user's application-data folder
    // (AppDataFolder), created when missing. A file that cannot be read, or is damaged, reads as
    // far as it goes; every value it lacks takes its default.
    TIniDatei(const QString& fileName, const QString& folder);
    ~TIniDatei(); // writes what is still pending; an error is ignored

    TIniDatei(const TIniDatei&) = delete;
    TIniDatei& operator=(const TIniDatei&) = delete;

    // "Velmarsund/" below the user's application-data folder (on Linux the XDG config folder).
    static QString AppDataFolder();

    const QString& FilePath() const { return path_; }

    // "1"/"0"; any integer other than 0 reads as true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;
    // Optionally signed decimal digits within 32 bits.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // A decimal number with "." as separator, whatever the program's separators.
    double ReadFloat(const QString& section, const QString& key, double defaultValue) const;
    // The first character of the value; an empty value gives the default.
    QChar ReadChar(const QString& section, const QString& key, QChar defaultValue) const;
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    bool ValueExists(const QString& section, const QString& key) const;
    bool SectionExists(const QString& section) const;

    void WriteBool(const QString& section, const QString& key, bool value);
    void WriteInteger(const QString& section, const QString& key, int value);
    // Fixed point with exactly 10 decimals and ".", e.g. 1013.0000000000.
    void WriteFloat(const QString& section, const QString& key, double value);
    void WriteChar(const QString& section, const QString& key, QChar value);
    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);

    // Writes the pending changes; false when the file could not be written (they stay pending).
    bool UpdateFile();

    // A file larger than this is no settings file of ours: its first kMaxFileBytes are read for
    // the entries they hold, and only those entries are written back.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr qsizetype kMaxEntryBytes = 64 * 1024;

private:
    struct Change {
        bool erase = false;
        QString section;
        QString key;
        QString value;
    };

    static IniDocument ReadFile(const QString& path);
    void Apply(const Change& change);

    QString path_;
    IniDocument document_;
    std::vector<Change> pending_;
};

} // namespace velmarsund
