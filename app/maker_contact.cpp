#include "maker_contact.h"

#include <QUrlQuery>

namespace velmarsund {

QUrl SupportMailUrl(const QString& windowCaption, const QString& longVersionText)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(kMakerSupportAddress);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Velmarsund Software: ") + windowCaption +
                                                      QStringLiteral(", Version ") + longVersionText);
    url.setQuery(query);
    return url;
}

} // namespace velmarsund
