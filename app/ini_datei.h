#pragma once
// The settings file: typed reads that always take a default, typed writes, erasing a section.
// Writes collect in memory until UpdateFile, which merges them into the file as it is on disk at
// that moment and replaces the file atomically: a crash while writing keeps the previous file,
// and two objects on the same file do not undo each other's keys.
//
// Only a regular file is read and written (a link is followed to one). A file that exists but
// cannot be read, or is no regular file (a pipe, a device, a dangling link), reads as empty and is
// never written: the user's file is left alone. A write replaces the old file only after every
// byte has reached the disk.

#include "ini_document.h"

#include <QChar>
#include <QFile>
#include <QFileDevice>
#include <QString>

#include <optional>
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
    // The integer of a value that is one (optionally signed decimal digits within 32 bits).
    std::optional<int> ReadOptionalInteger(const QString& section, const QString& key) const;
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

    enum class FileState {
        Missing,    // no file yet: it is created at the first write
        Readable,   // a regular file (or a link to one) that could be read
        Unreadable, // there is something, but no readable regular file: it is left alone
    };
    // What was found at the path when it was last read.
    FileState State() const { return state_; }

    // Writes all bytes to the file (a QSaveFile opened for writing), flushes and syncs them; the
    // seam lets tests make a write fail half-way. Answers whether every byte reached the disk.
    using Writer = bool (*)(QFileDevice& file, const QByteArray& bytes);
    static Writer SetWriterForTests(Writer writer);
    // Opens the file for reading; the seam lets tests make a regular file unreadable for any user.
    using Opener = bool (*)(QFile& file);
    static Opener SetOpenerForTests(Opener opener);
    static bool WriteAndSync(QFileDevice& file, const QByteArray& bytes);

    // A file larger than this is no settings file of ours: the entries of its first kMaxFileBytes
    // are read, up to the last whole line, and only entries and section headers are written back
    // (at most kMaxEntryBytes a line): those beyond the limit unread but unchanged. A file larger
    // than kMaxKeptFileBytes is read the same way and never written.
    static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;
    static constexpr qsizetype kMaxEntryBytes = 64 * 1024;
    static constexpr qint64 kMaxKeptFileBytes = 64 * 1024 * 1024;

private:
    struct Change {
        bool erase = false;
        QString section;
        QString key;
        QString value;
    };

    // The regular file behind `path`: the path itself or the file its link names; empty when there
    // is none there (missing or not a regular file; `state` says which).
    static QString RegularFile(const QString& path, FileState& state);
    // `beyond`: the entries of an oversized file that lie beyond the part read, as bytes to write
    // back after the document.
    static IniDocument ReadFile(const QString& path, FileState& state, QByteArray* beyond = nullptr);
    void Apply(const Change& change);

    QString path_;
    FileState state_ = FileState::Missing;
    IniDocument document_;
    std::vector<Change> pending_;
};

} // namespace velmarsund
