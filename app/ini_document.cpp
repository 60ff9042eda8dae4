#include "ini_document.h"

#include <QStringDecoder>

namespace velmarsund {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }
bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r'); }

// Only spaces and tabs are trimmed, so that a separator such as U+00A0 survives.
QString TrimBlanks(const QString& s)
{
    qsizetype b = 0;
    qsizetype e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.mid(b, e - b);
}

QString Decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes);
}

// A value written so that reading gives it back: line breaks cannot live in a line, and
// surrounding blanks or quotes are protected by a pair of quotes, which reading removes.
QString EncodeValue(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const bool blankEdge = !value.isEmpty() && (IsBlank(value.front()) || IsBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"');
    if (blankEdge || quoted) return QLatin1Char('"') + value + QLatin1Char('"');
    return value;
}

QString DecodeValue(const QString& raw)
{
    QString value = TrimBlanks(raw);
    if (value.size() >= 2 && value.front() == QLatin1Char('"') && value.back() == QLatin1Char('"'))
        value = value.mid(1, value.size() - 2);
    return value;
}

} // namespace

bool IniDocument::SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

IniDocument IniDocument::Parse(const QByteArray& bytes)
{
    IniDocument doc;
    doc.sections_.push_back(Section{});
    QByteArray data = bytes;
    if (data.startsWith("\xEF\xBB\xBF")) data.remove(0, 3);
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0) end = data.size();
        QByteArray raw = data.mid(start, end - start);
        start = end + 1;
        while (!raw.isEmpty() && raw.back() == '\r') raw.chop(1);

        qsizetype first = 0;
        while (first < raw.size() && IsBlank(raw[first])) ++first;
        if (first < raw.size() && raw[first] == '[') {
            const qsizetype close = raw.indexOf(']', first);
            if (close > first) {
                Section section;
                section.name = TrimBlanks(Decode(raw.mid(first + 1, close - first - 1)));
                section.hasHeader = true;
                section.rawHeader = raw;
                doc.sections_.push_back(std::move(section));
                continue;
            }
        }
        Line line;
        line.raw = raw;
        const bool comment = first < raw.size() && (raw[first] == ';' || raw[first] == '#');
        const qsizetype eq = raw.indexOf('=');
        if (!comment && eq > 0) {
            line.key = TrimBlanks(Decode(raw.left(eq)));
            if (!line.key.isEmpty()) line.value = DecodeValue(Decode(raw.mid(eq + 1)));
        }
        doc.sections_.back().lines.push_back(std::move(line));
    }
    return doc;
}

QByteArray IniDocument::Serialize() const
{
    QByteArray out;
    for (const Section& section : sections_) {
        if (section.hasHeader) {
            out += section.rawHeader.isEmpty() ? ('[' + section.name.toUtf8() + ']') : section.rawHeader;
            out += '\n';
        }
        for (const Line& line : section.lines) {
            if (line.edited)
                out += line.key.toUtf8() + '=' + EncodeValue(line.value).toUtf8();
            else
                out += line.raw;
            out += '\n';
        }
    }
    return out;
}

std::optional<QString> IniDocument::Value(const QString& section, const QString& key) const
{
    for (const Section& s : sections_) {
        if (!s.hasHeader || !SameName(s.name, section)) continue;
        for (const Line& line : s.lines)
            if (!line.key.isEmpty() && SameName(line.key, key)) return line.value;
    }
    return std::nullopt;
}

void IniDocument::SetValue(const QString& section, const QString& key, const QString& value)
{
    Section* target = nullptr;
    for (Section& s : sections_) {
        if (!s.hasHeader || !SameName(s.name, section)) continue;
        if (!target) target = &s;
        for (Line& line : s.lines) {
            if (!line.key.isEmpty() && SameName(line.key, key)) {
                line.value = value;
                line.edited = true;
                return;
            }
        }
    }
    if (!target) {
        Section created;
        created.name = section;
        created.hasHeader = true;
        sections_.push_back(std::move(created));
        target = &sections_.back();
    }
    // After the last non-blank line, so that a blank line between sections stays between them.
    auto pos = target->lines.end();
    while (pos != target->lines.begin() && (pos - 1)->key.isEmpty() && (pos - 1)->raw.trimmed().isEmpty()) --pos;
    Line line;
    line.key = key;
    line.value = value;
    line.edited = true;
    target->lines.insert(pos, std::move(line));
}

void IniDocument::EraseSection(const QString& section)
{
    std::erase_if(sections_, [&](const Section& s) { return s.hasHeader && SameName(s.name, section); });
}

void IniDocument::DropForeignLines(qsizetype maxLineBytes)
{
    for (Section& s : sections_)
        std::erase_if(s.lines, [&](const Line& line) { return line.key.isEmpty() || line.raw.size() > maxLineBytes; });
}

bool IniDocument::HasSection(const QString& section) const
{
    for (const Section& s : sections_)
        if (s.hasHeader && SameName(s.name, section)) return true;
    return false;
}

} // namespace velmarsund
