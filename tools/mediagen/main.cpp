// mediagen OUTDIR: writes the demo songs, the reset file and the test media.
#include "DemoMedia.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: mediagen OUTDIR\n";
        return 2;
    }
    try {
        for (const std::string& path : mediagen::writeAll(argv[1]))
            std::cout << path << '\n';
    } catch (const std::exception& e) {
        std::cerr << "mediagen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
