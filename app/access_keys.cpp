#include "access_keys.h"

#include <set>

namespace velmarsund {

std::optional<QChar> AccessKeyOf(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i; // a written ampersand
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return std::nullopt;
}

namespace {

// Where a key may sit in `caption`: the starts of its words first, then every other letter or
// digit; written ampersands are skipped.
std::vector<qsizetype> Candidates(const QString& caption) {
    std::vector<qsizetype> starts;
    std::vector<qsizetype> others;
    bool wordStart = true;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        const QChar c = caption[i];
        if (c == QLatin1Char('&')) {
            ++i;
            wordStart = false;
            continue;
        }
        if (!c.isLetterOrNumber()) {
            wordStart = true;
            continue;
        }
        // Only keys a keyboard of the language types: letters with a case or digits, no ideographs.
        if (c.isDigit() || c.isUpper() || c.isLower()) (wordStart ? starts : others).push_back(i);
        wordStart = false;
    }
    starts.insert(starts.end(), others.begin(), others.end());
    return starts;
}

} // namespace

std::vector<QString> WithAccessKeys(const std::vector<QString>& captions) {
    std::set<QChar> used;
    for (const QString& caption : captions)
        if (const auto key = AccessKeyOf(caption)) used.insert(*key);

    std::vector<QString> result = captions;
    for (QString& caption : result) {
        if (caption.isEmpty() || AccessKeyOf(caption)) continue;
        bool placed = false;
        for (const qsizetype at : Candidates(caption)) {
            const QChar key = caption[at].toUpper();
            if (used.count(key)) continue;
            used.insert(key);
            caption.insert(at, QLatin1Char('&'));
            placed = true;
            break;
        }
        if (placed) continue;
        for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
            if (used.count(QChar(letter))) continue;
            used.insert(QChar(letter));
            caption += QStringLiteral("(&") + QChar(letter) + QLatin1Char(')');
            break;
        }
    }
    return result;
}

} // namespace velmarsund
