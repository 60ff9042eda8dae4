#include "ini_datei.h"

#include "fixed_format.h"
#include "number_parse.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <optional>

#include <unistd.h>

namespace velmarsund {
namespace {

// Values of the file are always written with '.' and without grouping, whatever the user's separators.
const NumberSeparators kFileSeparators{QLatin1Char('.'), QChar()};

TIniDatei::Writer gWriter = nullptr;
TIniDatei::Opener gOpener = nullptr;

} // namespace

QString TIniDatei::AppDataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
               .filePath(QStringLiteral("Velmarsund")) +
           QLatin1Char('/');
}

TIniDatei::TIniDatei(const QString& fileName, const QString& folder)
{
    QString dir = folder;
    if (folder == QLatin1String("#")) {
        dir = AppDataFolder();
        QDir().mkpath(dir);
    }
    path_ = dir.isEmpty() ? fileName : QDir(dir).filePath(fileName);
    document_ = ReadFile(path_, state_);
}

TIniDatei::~TIniDatei() { UpdateFile(); }

QString TIniDatei::RegularFile(const QString& path, FileState& state)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        state = FileState::Missing;
        return {};
    }
    // A link counts as the file it names; a dangling one, a pipe, a device or a folder is no file
    // of ours (opening a pipe would wait for ever).
    const QFileInfo target(info.isSymLink() ? info.canonicalFilePath() : info.absoluteFilePath());
    if (target.filePath().isEmpty() || !target.exists() || !target.isFile()) {
        state = FileState::Unreadable;
        return {};
    }
    state = FileState::Readable;
    return target.absoluteFilePath();
}

IniDocument TIniDatei::ReadFile(const QString& path, FileState& state)
{
    const QString regular = RegularFile(path, state);
    if (regular.isEmpty()) return IniDocument::Parse({});
    QFile file(regular);
    if (!(gOpener ? gOpener(file) : file.open(QIODevice::ReadOnly))) {
        state = FileState::Unreadable;
        return IniDocument::Parse({});
    }
    // Read up to the file's size: a buffer of the largest size for every small file costs time.
    IniDocument document = IniDocument::Parse(file.read(std::clamp<qint64>(file.size(), 0, kMaxFileBytes)));
    if (file.error() != QFileDevice::NoError) state = FileState::Unreadable;
    if (file.size() > kMaxFileBytes) document.DropForeignLines(kMaxEntryBytes);
    return document;
}

TIniDatei::Opener TIniDatei::SetOpenerForTests(Opener opener)
{
    const Opener previous = gOpener;
    gOpener = opener;
    return previous;
}

TIniDatei::Writer TIniDatei::SetWriterForTests(Writer writer)
{
    const Writer previous = gWriter;
    gWriter = writer;
    return previous;
}

bool TIniDatei::WriteAndSync(QFileDevice& file, const QByteArray& bytes)
{
    if (file.write(bytes) != bytes.size()) return false;
    // A full disk shows only here: the write above filled a buffer.
    if (!file.flush()) return false;
    return ::fsync(file.handle()) == 0;
}

bool TIniDatei::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

int TIniDatei::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const auto value = document_.Value(section, key);
    if (!value) return defaultValue;
    return TryTextToInteger(*value).value_or(defaultValue);
}

std::optional<int> TIniDatei::ReadOptionalInteger(const QString& section, const QString& key) const
{
    const auto value = document_.Value(section, key);
    if (!value) return std::nullopt;
    return TryTextToInteger(*value);
}

double TIniDatei::ReadFloat(const QString& section, const QString& key, double defaultValue) const
{
    const auto value = document_.Value(section, key);
    if (!value) return defaultValue;
    return TryTextToNumber(*value, kFileSeparators).value_or(defaultValue);
}

QChar TIniDatei::ReadChar(const QString& section, const QString& key, QChar defaultValue) const
{
    const auto value = document_.Value(section, key);
    if (!value || value->isEmpty() || value->front().isSurrogate()) return defaultValue;
    return value->front();
}

QString TIniDatei::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    return document_.Value(section, key).value_or(defaultValue);
}

bool TIniDatei::ValueExists(const QString& section, const QString& key) const
{
    return document_.Value(section, key).has_value();
}

bool TIniDatei::SectionExists(const QString& section) const { return document_.HasSection(section); }

void TIniDatei::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDatei::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void TIniDatei::WriteFloat(const QString& section, const QString& key, double value)
{
    WriteString(section, key, QString::fromStdString(FormatFixedPoint(value, 10, '.')));
}

void TIniDatei::WriteChar(const QString& section, const QString& key, QChar value)
{
    WriteString(section, key, value.isNull() ? QString() : QString(value));
}

void TIniDatei::WriteString(const QString& section, const QString& key, const QString& value)
{
    Change change{false, section, key, value};
    Apply(change);
    pending_.push_back(std::move(change));
}

void TIniDatei::EraseSection(const QString& section)
{
    Change change{true, section, {}, {}};
    Apply(change);
    pending_.push_back(std::move(change));
}

void TIniDatei::Apply(const Change& change)
{
    if (change.erase)
        document_.EraseSection(change.section);
    else
        document_.SetValue(change.section, change.key, change.value);
}

bool TIniDatei::UpdateFile()
{
    if (pending_.empty()) return true;
    // Merge into what is on disk now, so that keys another object wrote meanwhile are kept; what
    // cannot be read is not replaced.
    FileState state = FileState::Missing;
    IniDocument current = ReadFile(path_, state);
    if (state == FileState::Unreadable || state_ == FileState::Unreadable) return false;
    const QString target = state == FileState::Readable ? RegularFile(path_, state) : path_;
    for (const Change& change : pending_) {
        if (change.erase)
            current.EraseSection(change.section);
        else
            current.SetValue(change.section, change.key, change.value);
    }
    QDir().mkpath(QFileInfo(target).absolutePath());
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const QByteArray bytes = current.Serialize();
    if (!(gWriter ? gWriter : &WriteAndSync)(file, bytes)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) return false;
    document_ = std::move(current);
    state_ = FileState::Readable;
    pending_.clear();
    return true;
}

} // namespace velmarsund
