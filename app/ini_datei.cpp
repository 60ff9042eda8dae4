#include "ini_datei.h"

#include "file_access.h"
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

// The last section header line of `text`, as it stands; empty when it has none.
QByteArray LastSectionHeader(const QByteArray& text) {
    qsizetype end = text.size();
    while (end > 0) {
        const qsizetype start = text.lastIndexOf('\n', end - 1) + 1;
        const QByteArray line = text.mid(start, end - start);
        const QByteArray trimmed = line.trimmed();
        if (trimmed.startsWith('[') && trimmed.contains(']'))
            return line.endsWith('\r') ? line.chopped(1) : line;
        end = start - 1;
    }
    return {};
}

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

IniDocument TIniDatei::ReadFile(const QString& path, FileState& state, QByteArray* beyond) {
    if (beyond) beyond->clear();
    const QString regular = RegularFile(path, state);
    if (regular.isEmpty()) return IniDocument::Parse({});
    QFile file(regular);
    bool opened = false;
    if (gOpener) {
        opened = gOpener(file);
    } else {
        // Opened without waiting: what is there may have become a pipe since the look above.
        ReadFault fault = ReadFault::None;
        std::string reason;
        const int fd = OpenRegularFile(QFile::encodeName(regular).toStdString(), fault, reason);
        opened = fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        if (fd >= 0 && !opened) ::close(fd);
    }
    if (!opened) {
        state = FileState::Unreadable;
        return IniDocument::Parse({});
    }
    const qint64 size = file.size();
    if (size <= kMaxFileBytes) {
        IniDocument document = IniDocument::Parse(file.read(std::max<qint64>(size, 0)));
        if (file.error() != QFileDevice::NoError) state = FileState::Unreadable;
        return document;
    }
    // Too large to be ours: the entries of the first kMaxFileBytes are read, up to the last whole
    // line, so that no entry is cut; the entries after it are kept as they are for writing back.
    QByteArray head = file.read(kMaxFileBytes);
    const qsizetype cut = head.lastIndexOf('\n') + 1;
    QByteArray rest = head.mid(cut);
    head.truncate(cut);
    if (size > kMaxKeptFileBytes) {
        // Far too large to be rewritten: read what can be read, and leave the file alone.
        state = FileState::Unreadable;
    } else {
        rest += file.read(size - kMaxFileBytes);
        if (beyond) {
            IniDocument tail = IniDocument::Parse(rest);
            tail.DropForeignLines(kMaxEntryBytes);
            *beyond = tail.Serialize();
            // Entries before the first header of the rest belong to the last section of the part
            // read; the header again keeps them there whatever is added to that part.
            if (!beyond->isEmpty() && !beyond->trimmed().startsWith('[')) {
                const QByteArray header = LastSectionHeader(head);
                if (!header.isEmpty()) beyond->prepend(header + '\n');
            }
        }
    }
    if (file.error() != QFileDevice::NoError) state = FileState::Unreadable;
    IniDocument document = IniDocument::Parse(head);
    document.DropForeignLines(kMaxEntryBytes);
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
    QByteArray beyond;
    IniDocument current = ReadFile(path_, state, &beyond);
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
    QByteArray bytes = current.Serialize();
    if (!beyond.isEmpty()) {
        if (!bytes.isEmpty() && !bytes.endsWith('\n')) bytes += '\n';
        bytes += beyond;
    }
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
