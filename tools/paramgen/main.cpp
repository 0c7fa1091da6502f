// Writes the built-in default evaluation parameters as a ".par" file, so the
// shipped "defaut.par" is byte for byte the set compiled into the program.
#include "eval/parameters.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: kv-paramgen OUTPUT.par\n");
        return 2;
    }
    const std::string out = argv[1];
    const bool ok
        = kv::saveParameters(kv::defaultParameters(), out, [&](const std::string& message) {
              std::fprintf(stderr, "kv-paramgen: %s: %s\n", out.c_str(), message.c_str());
          });
    return ok ? 0 : 1;
}
