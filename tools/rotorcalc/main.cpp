// rotorcalc [FILE]: reads one JSON request or an array of requests from FILE or standard input
// and writes one JSON result per request to standard output, each as soon as it is computed.

#include "batch.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    using namespace velmarsund::rotorcalc;
    if (argc > 2) {
        std::cerr << "usage: rotorcalc [FILE]\n";
        return 2;
    }
    std::ios::sync_with_stdio(false);
    const std::string path = argc == 2 ? argv[1] : "";
    std::ifstream file;
    if (!path.empty() && path != "-") {
        file.open(path, std::ios::binary);
        if (!file) {
            std::cerr << "rotorcalc: cannot read " << path << "\n";
            return 2;
        }
    }
    std::string message;
    const int status = RunStream(file.is_open() ? file : std::cin, std::cout, message);
    if (status != 0) std::cerr << "rotorcalc: the input is not JSON: " << message << "\n";
    if (!std::cout) {
        std::cerr << "rotorcalc: the output could not be written\n";
        return 3;
    }
    return status;
}
