// rotorcalc [FILE]: reads one JSON request or an array of requests from FILE or standard input
// and writes one JSON result per request to standard output, each as soon as it is computed.
//
// Exit status: 0 answered; 2 usage, unreadable input or input that is not JSON; 3 the output
// could not be written.

#include "batch.h"
#include "file_access.h"

#include <exception>
#include <iostream>
#include <new>

#include <unistd.h>

namespace {

int Run(int argc, char** argv) {
    using namespace velmarsund;
    using namespace velmarsund::rotorcalc;
    if (argc > 2) {
        std::cerr << "usage: rotorcalc [FILE]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    // The name as the bytes it is: a name that is no UTF-8 still names its file.
    const std::string path = argc == 2 ? argv[1] : "";
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
