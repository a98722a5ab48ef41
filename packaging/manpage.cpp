// Writes the manual page tolva(1), made from the same tables as `tolva --help`.
#include "core/CommandLine.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("Usage: tolva_manpage OUTPUT\n", stderr);
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fputs(cmdline::manual().c_str(), out) >= 0;
    written = std::fclose(out) == 0 && written;
    return written ? 0 : 1;
}
