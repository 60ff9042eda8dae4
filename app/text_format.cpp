#include "text_format.h"

namespace velmarsund {
namespace {

bool IsPlaceholder(QChar c) { return c == QLatin1Char('s') || c == QLatin1Char('g') || c == QLatin1Char('d'); }

} // namespace

QString FormatText(const QString& pattern, const QStringList& args)
{
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == QLatin1Char('%') && i + 1 < pattern.size()) {
            const QChar c = pattern[i + 1];
            if (c == QLatin1Char('%')) {
                out += QLatin1Char('%');
                ++i;
                continue;
            }
            if (IsPlaceholder(c)) {
                if (next < args.size()) out += args[next];
                ++next;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

QString Placeholders(const QString& pattern)
{
    QString out;
    for (qsizetype i = 0; i + 1 < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%')) continue;
        const QChar c = pattern[i + 1];
        if (IsPlaceholder(c)) out += c;
        ++i; // also skips the second sign of "%%"
    }
    return out;
}

} // namespace velmarsund
