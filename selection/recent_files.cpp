#include "recent_files.h"

namespace velmarsund {
namespace {

QString Key(int index) {
    return QStringLiteral("RecentFile") + QString::number(index + 1);
}

} // namespace

QStringList ReadRecentFiles(const TIniDatei& ini, const QString& section) {
    QStringList files;
    for (int i = 0; i < kRecentFileCount; ++i) {
        const QString path = ini.ReadString(section, Key(i), QString());
        if (!path.isEmpty() && !files.contains(path)) files << path;
    }
    return files;
}

void WriteRecentFiles(TIniDatei& ini, const QString& section, const QStringList& files) {
    for (int i = 0; i < kRecentFileCount; ++i)
        ini.WriteString(section, Key(i), files.value(i));
}

QStringList WithRecentFile(QStringList files, const QString& path) {
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kRecentFileCount)
        files.removeLast();
    return files;
}

} // namespace velmarsund
