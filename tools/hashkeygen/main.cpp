// kv-hashkeygen OUTPUT: writes the 1320-byte key file. Every build writes the
// same bytes, because the keys come from a fixed seed.
#include "engine/hash_keys.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-hashkeygen OUTPUT\n");
        return 2;
    }
    std::string error;
    if (!kv::saveHashKeys(kv::HashKeyTables::generated(), argv[1], error)) {
        std::fprintf(stderr, "kv-hashkeygen: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
