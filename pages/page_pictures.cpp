#include "page_pictures.h"

#include <QSvgRenderer>

#include <map>
#include <memory>

namespace velmarsund {
namespace {

struct PictureEntry {
    int id;
    const char* file;
};

constexpr PictureEntry kPictures[] = {
    {PagePicture::MakerLogo, "maker-logo.svg"},
    {PagePicture::QualityMark, "quality-mark.svg"},
    {PagePicture::HousingHxlHxg, "housing-hxl-hxg.svg"},
    {PagePicture::HousingHxv, "housing-hxv.svg"},
    {PagePicture::HousingHxk, "housing-hxk.svg"},
    {1931, "section-outside-air.svg"},
    {1932, "section-supply-air.svg"},
    {1933, "section-extract-air.svg"},
    {1934, "section-exhaust-air.svg"},
    {1935, "fan-supply.svg"},
    {1936, "fan-exhaust.svg"},
    {1937, "rotor-purge-details.svg"},
    {1938, "rotor-details.svg"},
    {1939, "rotor-purge.svg"},
    {1940, "rotor-plain.svg"},
};

} // namespace

QString PagePictureResource(int id)
{
    for (const PictureEntry& p : kPictures)
        if (p.id == id) return QStringLiteral(":/velmarsund/pages/") + QLatin1String(p.file);
    return {};
}

QSvgRenderer* PagePictureRenderer(int id)
{
    static std::map<int, std::unique_ptr<QSvgRenderer>> loaded;
    if (const auto it = loaded.find(id); it != loaded.end()) return it->second.get();
    const QString resource = PagePictureResource(id);
    if (resource.isEmpty()) return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(resource);
    if (!renderer->isValid()) return nullptr;
    return loaded.emplace(id, std::move(renderer)).first->second.get();
}

} // namespace velmarsund
