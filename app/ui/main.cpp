// Velmarsund Rotor: start of the program.

#include "basis_settings.h"
#include "form_rotor.h"
#include "info_window.h"
#include "language_choice.h"
#include "message_dialog.h"
#include "program_fonts.h"
#include "program_version.h"
#include "selection_commands.h"
#include "text_table.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kSplashMilliseconds = 2000;

constexpr const char* kHelp =
    "Usage: velmarsund-rotor [OPTION] [FILE...]\n"
    "Selects and calculates rotary heat exchangers (rotors) of air-handling units in a window.\n"
    "FILE is a selection (.vrsel) saved by the program: the first opens in the window, each\n"
    "further one in a program window of its own.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "Qt's own options, such as -platform NAME or -style NAME, are passed on to Qt.\n"
    "\n"
    "The settings are kept in $XDG_CONFIG_HOME/Velmarsund/Velmarsund.ini (~/.config when unset).\n"
    "The manual page velmarsund-rotor(1) and Help > User guide (F1) tell more.\n";

// The command line, read before the application exists so that --help and --version answer
// without a display. Qt's own options are known here too and left to QApplication.
struct CommandLine {
    int exitCode = -1; // -1: start the program
    QStringList files;
};

CommandLine ReadCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("V"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowtitle", "qwindowicon", "display", "geometry", "style", "stylesheet", "session"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"})
        parser.addOption(QCommandLineOption(QString::fromLatin1(name)));
    if (!parser.parse(arguments)) {
        // The option as it was given, dashes and all; else Qt's own words (a missing value).
        QString message = parser.errorText();
        if (!parser.unknownOptionNames().isEmpty()) {
            const QString name = parser.unknownOptionNames().first();
            for (const QString& argument : arguments.mid(1)) {
                const QString bare = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
                if (argument.startsWith(QLatin1Char('-')) && bare.section(QLatin1Char('='), 0, 0) == name) {
                    message = QStringLiteral("unknown option '%1'").arg(argument);
                    break;
                }
            }
        }
        std::fprintf(stderr, "velmarsund-rotor: %s (velmarsund-rotor --help shows the usage)\n",
                     message.toLocal8Bit().constData());
        return {2, {}};
    }
    if (parser.isSet(help)) {
        std::fputs(kHelp, stdout);
        return {std::fflush(stdout) == 0 ? 0 : 3, {}};
    }
    if (parser.isSet(version)) {
        std::fputs("velmarsund-rotor " VELMARSUND_PROGRAM_VERSION "\n", stdout);
        return {std::fflush(stdout) == 0 ? 0 : 3, {}};
    }
    return {-1, parser.positionalArguments()};
}

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
    const CommandLine commandLine = ReadCommandLine(argc, argv);
    if (commandLine.exitCode >= 0) return commandLine.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmarsund Rotor"));
    QApplication::setOrganizationName(QStringLiteral("Velmarsund"));
    // The installed menu entry: its icon for the window on desktops that look it up by name.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.velmarsund.Rotor"));

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
    // velmarsund-rotor FILE...: the first selection as if opened from the File menu; a window shows
    // one selection, so each further file gets a program of its own.
    if (!commandLine.files.isEmpty()) {
        window.SelectionCommands().OpenFile(commandLine.files.first(), false);
        for (qsizetype i = 1; i < commandLine.files.size(); ++i)
            QProcess::startDetached(QApplication::applicationFilePath(), {commandLine.files.at(i)});
    }
    const int result = QApplication::exec();
    velmarsund::SetMessagePresenter(nullptr);
    return result;
}
