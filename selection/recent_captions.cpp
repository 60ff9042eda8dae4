#include "recent_captions.h"

#include <QDir>

namespace velmarsund {
namespace {

// The folders of `path` from the nearest outwards, and its name.
QStringList Parts(const QString& path) {
    QStringList parts = QDir::fromNativeSeparators(path).split(QLatin1Char('/'), Qt::SkipEmptyParts);
    std::reverse(parts.begin(), parts.end());
    return parts;
}

// The name with the nearest `depth` folders, outermost first.
QString Tail(const QStringList& parts, qsizetype depth) {
    QStringList folders = parts.mid(1, depth);
    std::reverse(folders.begin(), folders.end());
    return folders.join(QLatin1Char('/')) + QLatin1Char('/') + parts.value(0);
}

} // namespace

QStringList RecentFileCaptions(const QStringList& paths) {
    QStringList captions;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QStringList own = Parts(paths[i]);
        const QString name = own.value(0);
        // The paths whose name reads the same.
        std::vector<QStringList> alike;
        for (qsizetype j = 0; j < paths.size(); ++j) {
            if (j == i) continue;
            const QStringList other = Parts(paths[j]);
            if (other.value(0).compare(name, Qt::CaseInsensitive) == 0) alike.push_back(other);
        }
        qsizetype depth = 0;
        const auto unique = [&](qsizetype d) {
            for (const QStringList& other : alike)
                if (Tail(other, d).compare(Tail(own, d), Qt::CaseInsensitive) == 0) return false;
            return true;
        };
        if (!alike.empty())
            for (depth = 1; depth < own.size() - 1 && !unique(depth); ++depth) {
            }
        if (depth == 0) {
            captions << name;
            continue;
        }
        if (own.size() == 1) { // in the root folder
            captions << name + QStringLiteral(" (") + QDir::toNativeSeparators(QStringLiteral("/")) +
                            QLatin1Char(')');
            continue;
        }
        QStringList folders = own.mid(1, depth);
        std::reverse(folders.begin(), folders.end());
        QString where = folders.join(QLatin1Char('/'));
        if (depth < own.size() - 1) where.prepend(QStringLiteral("…/"));
        captions << name + QStringLiteral(" (") + QDir::toNativeSeparators(where) + QLatin1Char(')');
    }
    return captions;
}

} // namespace velmarsund
