// rotorsheet [FILE] -o OUT.pdf | -o OUT.png: reads one JSON request or an array of requests from
// FILE or standard input and writes the pages of all of them into one PDF, or one PNG per page
// (OUT-1.png, OUT-2.png, ...). Needs no display.
//
// Exit status: 0 written; 1 a request was refused (nothing written); 2 usage, unreadable input or
// input that is not JSON; 3 the output could not be written (the files named keep what they held).
// File names are used as the bytes they are given as.

#include "batch.h"
#include "page_documents.h"
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

constexpr const char* kUsage = "usage: rotorsheet [FILE] -o OUT.pdf | -o OUT.png\n";

// Qt's notes about the environment of a session without a desktop are no concern of a tool that
// only writes files; everything else Qt reports goes to standard error.
void QtMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg && message.startsWith(QStringLiteral("QStandardPaths: "))) return;
    std::cerr << message.toStdString() << "\n";
}

int Usage(const std::string& message)
{
    if (!message.empty()) std::cerr << "rotorsheet: " << message << "\n";
    std::cerr << kUsage;
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
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-o") {
            if (++i >= argc) return Usage("-o needs a file name");
            outputPath = argv[i];
        } else if (arg == "-h" || arg == "--help") {
            std::cout << kUsage;
            return 0;
        } else if (inputPath.empty() && (arg == "-" || !arg.starts_with('-'))) {
            inputPath = arg;
        } else {
            return Usage("unexpected argument '" + arg + "'");
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

    const rotorsheet::SheetBatch batch = rotorsheet::PrepareBatch(*input);
    for (const std::string& remark : batch.remarks) std::cerr << "rotorsheet: note: " << remark << "\n";
    if (!batch.errors.empty()) {
        for (const std::string& error : batch.errors) std::cerr << "rotorsheet: " << error << "\n";
        std::cerr << "rotorsheet: nothing written\n";
        return 1;
    }

    QString error;
    std::vector<std::filesystem::path> removed;
    const bool written = png ? WritePngFiles(output, batch.pages, 150, &error, &removed)
                             : WritePdfFile(output, batch.pages, &error);
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
