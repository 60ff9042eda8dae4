// rotorcalc [FILE]: reads one JSON request or an array of requests from FILE or standard input
// and writes one JSON result per request to standard output, each as soon as it is computed.
// --help and --version answer on standard output; "--" ends the options.
//
// Exit status: 0 answered; 2 usage, unreadable input or input that is not JSON; 3 the output
// could not be written.

#include "batch.h"
#include "file_access.h"
#include "program_version.h"

#include <exception>
#include <iostream>
#include <new>

#include <unistd.h>

namespace {

constexpr const char* kHelp =
    "Usage: rotorcalc [OPTION] [FILE]\n"
    "Calculates rotary heat exchangers: reads one JSON request or an array of requests from FILE\n"
    "(standard input when FILE is missing or \"-\") and writes one JSON result per request to\n"
    "standard output. A request's \"mode\" chooses the calculation: rotor (the default), air,\n"
    "geometry, weight, leakage or sizes. A request that is refused is answered with {\"error\": ...}.\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this help and exit\n"
    "  -V, --version  show the version and exit\n"
    "  --             no options follow (for a FILE whose name starts with '-')\n"
    "\n"
    "Exit status: 0 answered; 2 usage, unreadable input or input that is not JSON;\n"
    "3 the output could not be written.\n"
    "The manual page rotorcalc(1) describes the requests and their fields.\n";

int UsageError(const std::string& message) {
    std::cerr << "rotorcalc: " << message << " (rotorcalc --help shows the usage)\n";
    return 2;
}

int Run(int argc, char** argv) {
    using namespace velmarsund;
    using namespace velmarsund::rotorcalc;
    // The name as the bytes it is: a name that is no UTF-8 still names its file.
    std::string path;
    bool haveFile = false;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (options && arg == "--") {
            options = false;
        } else if (options && (arg == "-h" || arg == "--help")) {
            std::cout << kHelp;
            return std::cout.flush() ? 0 : 3;
        } else if (options && (arg == "-V" || arg == "--version")) {
            std::cout << "rotorcalc " VELMARSUND_PROGRAM_VERSION "\n";
            return std::cout.flush() ? 0 : 3;
        } else if (options && arg.size() > 1 && arg[0] == '-') {
            return UsageError("unknown option '" + arg + "'");
        } else if (haveFile) {
            return UsageError("more than one input file");
        } else {
            path = arg;
            haveFile = true;
        }
    }
    std::ios::sync_with_stdio(false);
    const bool named = !path.empty() && path != "-";
    const std::string shown = named ? path : "standard input";
    int fd = STDIN_FILENO;
    if (named) {
        ReadFault fault = ReadFault::None;
        std::string reason;
        fd = OpenRegularFile(path, fault, reason);
        if (fd < 0) {
            std::cerr << "rotorcalc: cannot read " << shown << ": " << reason << "\n";
            return 2;
        }
    }
    DescriptorBuffer buffer(fd);
    std::istream in(&buffer);
    std::string message;
    const int status = RunStream(in, std::cout, message);
    if (named) ::close(fd);
    // A read error ends the input early: that, not the JSON cut short by it, is what went wrong.
    if (buffer.Error() != 0) {
        std::cout.flush();
        std::cerr << "rotorcalc: cannot read " << shown << ": " << SystemReason(buffer.Error()) << "\n";
        return 2;
    }
    if (status != 0) std::cerr << "rotorcalc: the input is not JSON: " << message << "\n";
    if (!std::cout) {
        std::cerr << "rotorcalc: the output could not be written\n";
        return 3;
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // Nothing may end the program without a word: whatever escapes is reported.
    try {
        return Run(argc, argv);
    } catch (const std::bad_alloc&) {
        std::cerr << "rotorcalc: out of memory\n";
    } catch (const std::exception& e) {
        std::cerr << "rotorcalc: " << e.what() << "\n";
    } catch (...) {
        std::cerr << "rotorcalc: an unknown fault\n";
    }
    return 2;
}
