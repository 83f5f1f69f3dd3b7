// qbr's entry point: hands the arguments and the standard streams to runQbr.
#include <iostream>

#include "tools/qbr.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    quintaro::Streams io{std::cin, std::cout, std::cerr};
    return quintaro::runQbr(args, io);
}
