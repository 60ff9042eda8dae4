#include "apply_language.h"

#include "basis_settings.h"
#include "ini_datei.h"
#include "program_fonts.h"
#include "text_table.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace velmarsund {

void ApplyLanguage(LanguageNumber language)
{
    SetCurrentLanguage(language);
    {
        TIniDatei ini(kSettingsFileName, QStringLiteral("#"));
        ini.WriteInteger(kGlobalSection, kLanguageKey, language);
        if (!ini.UpdateFile()) ReportSettingsNotSaved(ini.FilePath());
    }
    ApplyLanguageFonts(language);
    // Synchronous, so that every caption is new when this returns; a widget passes the event on
    // to its children.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        QEvent change(QEvent::LanguageChange);
        QCoreApplication::sendEvent(window, &change);
    }
}

} // namespace velmarsund
