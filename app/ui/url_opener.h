#pragma once
// Web addresses and mail links go to the desktop's handlers through this seam, so that tests
// record them instead of starting a browser or a mail program.

#include <QUrl>

namespace velmarsund {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Hands `url` to its handler; false when there is none.
    virtual bool Open(const QUrl& url) = 0;
};

// Makes `opener` the one that opens addresses (nullptr: the desktop's handlers); returns the
// previous one. The caller keeps ownership.
UrlOpener* SetUrlOpener(UrlOpener* opener);

bool OpenUrl(const QUrl& url);

} // namespace velmarsund
