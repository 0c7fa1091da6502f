// Writes the registry shipped with the program ("joueurs.dat" and
// "points.dat") into a folder, through the same writer the game uses.
#include "players/registry.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-playersgen DIRECTORY\n");
        return 2;
    }
    std::string error;
    if (!kv::saveRegistry(kv::defaultRegistry(), argv[1], error)) {
        std::fprintf(stderr, "kv-playersgen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
