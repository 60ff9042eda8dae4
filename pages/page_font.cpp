#include "page_font.h"

#include <QStringList>

namespace velmarsund {

QFont PageFont(LanguageNumber language)
{
    // Named explicitly: asked for "Arial", fontconfig may answer with a CJK face for every script.
    QStringList families{QStringLiteral("Liberation Sans")};
    if (language == Language::Chinese) families << QStringLiteral("WenQuanYi Micro Hei");
    QFont font(families.first());
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace velmarsund
