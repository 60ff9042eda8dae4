// Velmarsund Rotor: start of the program.

#include "basis_settings.h"
#include "form_rotor.h"
#include "info_window.h"
#include "language_choice.h"
#include "message_dialog.h"
#include "program_fonts.h"
#include "selection_commands.h"
#include "text_table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kSplashMilliseconds = 2000;

void ShowSplash()
{
    velmarsund::TFormInfo splash(velmarsund::TFormInfo::Mode::Splash);
    splash.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        splash.move(screen->availableGeometry().center() - splash.rect().center());
    splash.show();
    QEventLoop wait;
    QTimer::singleShot(kSplashMilliseconds, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmarsund Rotor"));
    QApplication::setOrganizationName(QStringLiteral("Velmarsund"));

    velmarsund::TDialogMessagePresenter messages;
    velmarsund::SetMessagePresenter(&messages);

    velmarsund::ApplyLanguageFonts(velmarsund::Language::English);
    const velmarsund::LanguageNumber language =
        velmarsund::ReadLanguage(velmarsund::kSettingsFileName, velmarsund::kGlobalSection, velmarsund::kLanguageKey);
    velmarsund::SetCurrentLanguage(language);
    velmarsund::ApplyLanguageFonts(language);

    ShowSplash();

    velmarsund::TFormRotor window;
    window.Start();
    window.show();
    // velmarsund-rotor FILE: the selection in FILE, as if opened from the File menu.
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        window.SelectionCommands().OpenFile(arguments.at(1), false);
    const int result = QApplication::exec();
    velmarsund::SetMessagePresenter(nullptr);
    return result;
}
