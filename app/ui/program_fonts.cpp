#include "program_fonts.h"

#include "page_font.h"

#include <QApplication>
#include <QStringList>
#include <QToolTip>

namespace velmarsund {
namespace {

QFont gWindowFont;
QFont gPrintFont;

// A font with the script's own family behind the named one, so that Chinese takes simplified
// Chinese glyph forms instead of whichever CJK font the system would pick first.
QFont MakeFont(const QString& family, LanguageNumber language)
{
    QStringList families{family};
    // Where "Tahoma" is missing, a face of about its width, so that captions sized for it fit;
    // the system's own substitute is often a much wider one.
    if (family == QLatin1String("Tahoma")) families << QStringLiteral("Liberation Sans") << QStringLiteral("Arial");
    if (language == Language::Chinese) families << QStringLiteral("Noto Sans CJK SC") << QStringLiteral("WenQuanYi Micro Hei");
    QFont font(family);
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont WindowFont() { return gWindowFont; }
QFont PrintFont() { return gPrintFont; }

void ApplyLanguageFonts(LanguageNumber language)
{
    gWindowFont = MakeFont(QStringLiteral("Tahoma"), language);
    gWindowFont.setPixelSize(11);
    // The pages' font: the metrics of Arial, and Chinese that stays searchable in a PDF.
    gPrintFont = PageFont(language);
    gPrintFont.setPointSize(8);
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QApplication::setFont(gWindowFont);
        QToolTip::setFont(gWindowFont);
    }
}

} // namespace velmarsund
