#pragma once
// The maker's web site and support address, and the mail link of the help menu.

#include <QString>
#include <QUrl>

namespace velmarsund {

inline const QString kMakerHomepage = QStringLiteral("https://www.velmarsund.com");
inline const QString kMakerSupportAddress = QStringLiteral("support@velmarsund.com");

// A new message to the support address with the subject "Velmarsund Software: <caption>,
// Version <version>".
QUrl SupportMailUrl(const QString& windowCaption, const QString& longVersionText);

} // namespace velmarsund
