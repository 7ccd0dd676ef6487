#include <iostream>

#include "verbtool.h"

int main(int argc, char** argv) {
    return runVerbtool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
