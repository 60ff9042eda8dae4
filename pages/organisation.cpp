#include "organisation.h"

#include "page_pictures.h"

namespace velmarsund {
namespace {

const std::array<Organisation, 1> kOrganisations{{
    {PagePicture::MakerLogo,
     QStringLiteral("Velmarsund GmbH"),
     {QStringLiteral("Fördestraße 12"), QStringLiteral("D-24900 Velmarsund"), QStringLiteral("Germany")},
     {{{QStringLiteral("Phone"), QStringLiteral("+49 4600 0000-0")},
       {QStringLiteral("Fax"), QStringLiteral("+49 4600 0000-99")},
       {QStringLiteral("E-mail"), QStringLiteral("info@velmarsund.com")}}},
     {QStringLiteral("Web"), QStringLiteral("www.velmarsund.com")}},
}};

} // namespace

std::span<const Organisation> Organisations() { return kOrganisations; }

const Organisation& MakerOrganisation() { return kOrganisations[0]; }

} // namespace velmarsund
