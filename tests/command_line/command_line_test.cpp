// The programs answer --help and --version on standard output with exit status 0, and refuse an
// unknown option with status 2 and one line on standard error, as command-line tools do. The
// window program does so without a display: it must not need one to say what it is.

#include "program_version.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

namespace {

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

ProgramRun Start(const QString& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // No display of any kind: a program that tried to open a window would fail here.
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit) return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

struct Program {
    const char* name;
    const char* path;
};

const Program kPrograms[] = {
    {"rotorcalc", ROTORCALC_PATH},
    {"rotorsheet", ROTORSHEET_PATH},
    {"velmarsund-rotor", ROTOR_PATH},
};

TEST(CommandLine, HelpAndVersionAnswerOnStandardOutput) {
    for (const Program& program : kPrograms) {
        const QString name = QString::fromLatin1(program.name);
        for (const char* option : {"--help", "-h"}) {
            SCOPED_TRACE(std::string(program.name) + " " + option);
            const ProgramRun run = Start(QString::fromLatin1(program.path), {QString::fromLatin1(option)});
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_TRUE(run.out.startsWith(QStringLiteral("Usage: ") + name + QLatin1Char(' ')))
                << run.out.toStdString();
            EXPECT_TRUE(run.out.contains(QStringLiteral("--version")));
            EXPECT_TRUE(run.out.contains(name + QStringLiteral("(1)")));
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
        for (const char* option : {"--version", "-V"}) {
            SCOPED_TRACE(std::string(program.name) + " " + option);
            const ProgramRun run = Start(QString::fromLatin1(program.path), {QString::fromLatin1(option)});
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.out, name + QStringLiteral(" " VELMARSUND_PROGRAM_VERSION "\n"));
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
    }
}

TEST(CommandLine, UnknownOptionIsRefusedWithOneLine) {
    for (const Program& program : kPrograms) {
        for (const QStringList& arguments : {QStringList{QStringLiteral("--frobnicate")},
                                             QStringList{QStringLiteral("-x"), QStringLiteral("in.json")}}) {
            SCOPED_TRACE(std::string(program.name) + " " + arguments.join(u' ').toStdString());
            const ProgramRun run = Start(QString::fromLatin1(program.path), arguments);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.out.isEmpty());
            EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.startsWith(QString::fromLatin1(program.name) + QStringLiteral(": ")));
            EXPECT_TRUE(run.err.contains(arguments.first()));
            EXPECT_TRUE(run.err.contains(QStringLiteral("--help")));
        }
    }
}

// "--" ends the options: a file whose name starts with a dash is a file, not an option.
TEST(CommandLine, DoubleDashEndsTheOptions) {
    const ProgramRun calc =
        Start(QStringLiteral(ROTORCALC_PATH), {QStringLiteral("--"), QStringLiteral("--version")});
    EXPECT_EQ(calc.exitCode, 2);
    EXPECT_TRUE(calc.err.startsWith(QStringLiteral("rotorcalc: cannot read --version: ")))
        << calc.err.toStdString();
    const ProgramRun sheet =
        Start(QStringLiteral(ROTORSHEET_PATH), {QStringLiteral("--"), QStringLiteral("--help")});
    EXPECT_EQ(sheet.exitCode, 2);
    EXPECT_TRUE(sheet.out.isEmpty());
    EXPECT_TRUE(sheet.err.startsWith(QStringLiteral("rotorsheet: no output file")))
        << sheet.err.toStdString();
}

} // namespace
