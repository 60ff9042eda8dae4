#pragma once
// The output of a command-line tool, for tests that read documents back: pdfinfo, pdffonts,
// pdftotext (poppler-utils, installed by scripts/install-deps).

#include <QProcess>
#include <QString>
#include <QStringList>

namespace velmarsund::testing {

// Standard output of `tool arguments`; empty when it cannot be started.
inline QString RunTool(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForStarted() || !process.waitForFinished(60000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The rows of `pdffonts FILE` whose font is not embedded (its "emb" column is not "yes"); the
// header rows are skipped.
inline QStringList FontsNotEmbedded(const QString& pdffontsOutput)
{
    QStringList missing;
    const QStringList rows = pdffontsOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& row : rows.mid(2)) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        // name type encoding emb sub uni object ID: "emb" is the fifth column from the end.
        if (columns.size() < 5 || columns[columns.size() - 5] != QLatin1String("yes")) missing << row;
    }
    return missing;
}

} // namespace velmarsund::testing
