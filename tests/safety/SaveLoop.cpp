// Saves info.ini or options.ini over and over through the program's own code, each
// save one whole generation, until it is killed:
//   hm-save-loop info|options <file> <first generation>
// Every generation g writes values that all follow from g, so that a file holding a
// mix of two generations, or cut short, is told from a complete one.
#include "engine/IniFiles32.h"
#include "engine/Options.h"
#include "tests/safety/SaveGenerations.h"

#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    if (argc < 4)
        return 2;
    std::string kind = argv[1], file = argv[2];
    for (long g = std::atol(argv[3]);; ++g) {
        if (kind == "info") {
            TIniFile32 ini(file);
            WriteInfoGeneration(ini, g);
        } else {
            TOptions options(file, false);
            SetOptionsGeneration(options, g);
            options.SaveOptions();
        }
    }
}
