// rotorcalc [FILE]: reads one JSON request or an array of requests from FILE or standard input
// and writes one JSON result per request to standard output.

#include "batch.h"

#include <iostream>

int main(int argc, char** argv)
{
    using namespace velmarsund::rotorcalc;
    if (argc > 2) {
        std::cerr << "usage: rotorcalc [FILE]\n";
        return 2;
    }
    const std::string path = argc == 2 ? argv[1] : "";
    const auto text = ReadInputText(path);
    if (!text) {
        std::cerr << "rotorcalc: cannot read " << path << "\n";
        return 2;
    }
    std::string message;
    const auto input = ParseInput(*text, message);
    if (!input) {
        std::cerr << "rotorcalc: the input is not JSON: " << message << "\n";
        return 2;
    }
    std::cout << WriteResult(RunInput(*input)) << "\n";
    return 0;
}
