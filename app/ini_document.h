#pragma once
// The text of an ini file in memory: sections, key=value entries, and every other line kept as it
// stands, so that writing the file back changes only the entries that were set.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace velmarsund {

class IniDocument {
public:
    // Reads what it can of any bytes: lines that are neither a section header nor an entry are
    // kept untouched. Text that is not UTF-8 is read as Latin-1.
    static IniDocument Parse(const QByteArray& bytes);
    QByteArray Serialize() const;

    // Section and key names match without regard to case; sections of the same name count as one.
    std::optional<QString> Value(const QString& section, const QString& key) const;
    void SetValue(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);
    bool HasSection(const QString& section) const;

    // Keeps only section headers and entries whose line is at most `maxLineBytes` long: what is
    // left of a file too large to be a settings file.
    void DropForeignLines(qsizetype maxLineBytes);

private:
    struct Line {
        QByteArray raw;
        QString key; // empty for a line that is not an entry
        QString value;
        bool edited = false;
    };
    struct Section {
        QString name;
        bool hasHeader = false;
        QByteArray rawHeader; // empty for a section created here
        std::vector<Line> lines;
    };

    static bool SameName(const QString& a, const QString& b);

    std::vector<Section> sections_; // the first one holds the lines before any header
};

} // namespace velmarsund
