// rotorsheet [FILE] -o OUT.pdf | -o OUT.png: reads one JSON request or an array of requests from
// FILE or standard input and writes the pages of all of them into one PDF, or one PNG per page
// (OUT-1.png, OUT-2.png, ...). Needs no display.
//
// Exit status: 0 written; 1 a request was refused (nothing written); 2 usage, unreadable input or
// input that is not JSON; 3 the output could not be written (the files named keep what they held).
// File names are used as the bytes they are given as, which is why the arguments are read here and
// not by Qt's parser (it would read them as text). --help and --version answer on standard output.

#include "batch.h"
#include "page_documents.h"
#include "program_version.h"
#include "sheet_batch.h"

#include <QGuiApplication>

#include <cctype>
#include <exception>
#include <filesystem>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr const char* kHelp =
    "Usage: rotorsheet [OPTION] [FILE] -o OUT.pdf | -o OUT.png\n"
    "Draws the pages of rotor selections: reads one JSON request or an array of requests from\n"
    "FILE (standard input when FILE is missing or \"-\"; a selection file saved by\n"
    "velmarsund-rotor is such a request) and writes the data sheet and the pages each request asks\n"
    "for into one PDF file, or one PNG picture per page (OUT-1.png, OUT-2.png, ...). Needs no display.\n"
    "\n"
    "Options:\n"
    "  -o OUT         the file to write; its ending, .pdf or .png, chooses the kind\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "  --             no options follow (for a FILE whose name starts with '-')\n"
    "\n"
    "Exit status: 0 written; 1 a request was refused (nothing written); 2 usage, unreadable input\n"
    "or input that is not JSON; 3 the output could not be written.\n"
    "The manual page rotorsheet(1) describes the requests and their fields.\n";

// Qt's notes about the environment of a session without a desktop are no concern of a tool that
// only writes files; everything else Qt reports goes to standard error.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
    std::cerr << message.toStdString() << "\n";
}

int Usage(const std::string& message)
{
    std::cerr << "rotorsheet: " << message << " (rotorsheet --help shows the usage)\n";
    return 2;
}

bool EndsWithNoCase(const std::string& text, std::string_view tail) {
    if (text.size() < tail.size()) return false;
    for (std::size_t i = 0; i < tail.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - tail.size() + i])) != tail[i])
            return false;
    return true;
}

int Run(int argc, char** argv) {
    using namespace velmarsund;
    std::string inputPath;
    std::string outputPath;
    bool haveInput = false;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "-o") {
            if (++i >= argc) return Usage("-o needs a file name");
            outputPath = argv[i];
        } else if (options && (arg == "-h" || arg == "--help")) {
            std::cout << kHelp;
            return std::cout.flush() ? 0 : 3;
        } else if (options && (arg == "-V" || arg == "--version")) {
            std::cout << "rotorsheet " VELMARSUND_PROGRAM_VERSION "\n";
            return std::cout.flush() ? 0 : 3;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            return Usage("unknown option '" + arg + "'");
        } else if (haveInput) {
            return Usage("unexpected argument '" + arg + "': one input file at most");
        } else {
            inputPath = arg;
            haveInput = true;
        }
    }
    if (outputPath.empty()) return Usage("no output file (-o OUT.pdf or -o OUT.png)");
    const std::filesystem::path output = outputPath;
    const bool png = EndsWithNoCase(outputPath, ".png");
    if (!png && !EndsWithNoCase(outputPath, ".pdf")) return Usage("the output file must end in .pdf or .png");

    // Pages need fonts, not a screen: without a platform of its own the program draws offscreen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QtMessage);
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);

    std::string reason;
    const auto text = rotorcalc::ReadInputText(inputPath, reason);
    if (!text) {
        const bool named = !inputPath.empty() && inputPath != "-";
        std::cerr << "rotorsheet: cannot read " << (named ? inputPath : "standard input") << ": " << reason
                  << "\n";
        return 2;
    }
    std::string message;
    const auto input = rotorcalc::ParseInput(*text, message);
    if (!input) {
        std::cerr << "rotorsheet: the input is not JSON: " << message << "\n";
        return 2;
    }

    // A year that takes longer than half a second tells how far it is, in steps of ten percent.
    // A relative weather path is taken from the input file's folder, as the window takes it from
    // the selection file's.
    const bool named = !inputPath.empty() && inputPath != "-";
    const rotorsheet::SheetBatch batch = rotorsheet::PrepareBatch(
        *input,
        [](std::size_t done, std::size_t total) {
            static int lastTenth = -1;
            const int percent = static_cast<int>(done * 100 / total);
            if (percent / 10 == lastTenth) return;
            lastTenth = percent / 10;
            std::cerr << "rotorsheet: annual energy: " << percent << " %\n";
        },
        named ? std::filesystem::u8path(inputPath).parent_path() : std::filesystem::path());
    for (const std::string& remark : batch.remarks) std::cerr << "rotorsheet: note: " << remark << "\n";
    if (!batch.errors.empty()) {
        for (const std::string& error : batch.errors) std::cerr << "rotorsheet: " << error << "\n";
        std::cerr << "rotorsheet: nothing written\n";
        return 1;
    }

    QString error;
    std::vector<std::filesystem::path> removed;
    const bool written = png ? WritePngFiles(output, batch.pages, 150, &error, &removed)
                             : WritePdfFile(output, batch.pages, &error, batch.title);
    if (!written) {
        std::cerr << "rotorsheet: cannot write " << outputPath << ": " << error.toStdString() << "\n";
        return 3;
    }
    for (const std::filesystem::path& stale : removed)
        std::cerr << "rotorsheet: note: removed " << stale.string() << " of an earlier, longer run\n";
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing may end the program without a word: whatever escapes is reported.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "rotorsheet: out of memory\n";
    } catch (const std::exception& e) {
        std::cerr << "rotorsheet: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "rotorsheet: an unknown fault\n";
    }
    return 2;
}
