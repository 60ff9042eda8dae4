#include "url_opener.h"

#include <QDesktopServices>

namespace velmarsund {
namespace {

UrlOpener* gOpener = nullptr;

} // namespace

UrlOpener* SetUrlOpener(UrlOpener* opener)
{
    UrlOpener* previous = gOpener;
    gOpener = opener;
    return previous;
}

bool OpenUrl(const QUrl& url) { return gOpener ? gOpener->Open(url) : QDesktopServices::openUrl(url); }

} // namespace velmarsund
