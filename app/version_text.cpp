#include "version_text.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace velmarsund {
namespace {

struct ProductKey {
    const char* key;
    const char* version;
};

// Program editions built from the same sources under another executable name.
constexpr ProductKey kProductKeys[] = {
    {"velmarsund-rotor-pro", "4.2"},
    {"velmarsund-rotor-oem", "4.1"},
    {"vrsel", "3.8"},
    {"rotorselect", "3.5"},
    {"vr-lite", "2.0"},
};

} // namespace

VersionText VersionTextFor(const QString& executableName)
{
    VersionText text{QStringLiteral("10/2017"), QStringLiteral("10/17")};
    for (const ProductKey& product : kProductKeys) {
        if (executableName.startsWith(QLatin1String(product.key), Qt::CaseInsensitive)) {
            const QString prefix = QLatin1String(product.version) + QStringLiteral(", ");
            text.longForm.prepend(prefix);
            text.shortForm.prepend(prefix);
            break;
        }
    }
    return text;
}

VersionText ProgramVersionText()
{
    const QString path = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    return VersionTextFor(QFileInfo(path).fileName());
}

} // namespace velmarsund
