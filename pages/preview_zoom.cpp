#include "preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace velmarsund {
namespace {

constexpr int kFixedZooms[] = {25, 50, 75, 100, 125, 150, 175, 200, 300};

int Ratio(int client, int extent)
{
    if (extent <= 0) return PreviewZoom::Least;
    return static_cast<int>(std::lround(static_cast<double>(client - PreviewZoom::Margin) / extent * 350));
}

} // namespace

int ZoomOfItem(int item, int clientWidth, int clientHeight, int pageWidth, int pageHeight)
{
    int zoom = 100;
    if (item >= 0 && item < PreviewZoom::ToWidth)
        zoom = kFixedZooms[item];
    else if (item == PreviewZoom::ToWidth)
        zoom = Ratio(clientWidth, pageWidth);
    else if (item == PreviewZoom::ToFit)
        zoom = std::min(Ratio(clientWidth, pageWidth), Ratio(clientHeight, pageHeight));
    return std::max(zoom, PreviewZoom::Least);
}

double SheetScale(int item, int zoom, double printerDpi, double screenDpi) {
    if (item == PreviewZoom::ToWidth || item == PreviewZoom::ToFit || printerDpi <= 0 || screenDpi <= 0)
        return zoom / 350.0;
    return zoom / 100.0 * screenDpi / printerDpi;
}

int ShownExtent(double scale, int extent) {
    return static_cast<int>(std::lround(scale * extent));
}

int ZoomedExtent(int zoom, int extent)
{
    return static_cast<int>(std::lround(static_cast<double>(zoom) / 350 * extent));
}

} // namespace velmarsund
