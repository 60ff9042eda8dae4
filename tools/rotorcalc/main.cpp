// rotorcalc [FILE]: reads one JSON request or an array of requests from FILE or standard input
// and writes one JSON result per request to standard output.

#include "batch.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

int main(int argc, char** argv)
{
    using namespace velmarsund::rotorcalc;
    if (argc > 2) {
        std::cerr << "usage: rotorcalc [FILE]\n";
        return 2;
    }
    std::string text;
    if (argc == 2) {
        std::ifstream in(argv[1], std::ios::binary);
        if (!in) {
            std::cerr << "rotorcalc: cannot read " << argv[1] << "\n";
            return 2;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    } else {
        std::ostringstream ss;
        ss << std::cin.rdbuf();
        text = ss.str();
    }
    std::string message;
    const auto input = ParseInput(text, message);
    if (!input) {
        std::cerr << "rotorcalc: the input is not JSON: " << message << "\n";
        return 2;
    }
    std::cout << WriteResult(RunInput(*input)) << "\n";
    return 0;
}
