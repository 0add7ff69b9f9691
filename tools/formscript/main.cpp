// formscript FILE...: runs scenario scripts against the program's screens.
#include "tools/formscript/script.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: formscript FILE...\n";
        return 2;
    }
    std::vector<std::string> files(argv + 1, argv + argc);
    return formscript::runFiles(files, std::cout);
}
