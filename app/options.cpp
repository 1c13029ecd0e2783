#include "app/options.h"

#include <cstdio>
#include <cstring>

GameOptions gameOptions;

void printGameOptions()
{
    printf("usage: skorvane [options]\n"
           "  --help              list these options and exit\n"
           "  --no-sound          start muted without opening an audio device (M unmutes)\n");
}

int readGameOptions(int argc, const char* const* argv)
{
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (strcmp(option, "--help") == 0) {
            options.help = true;
        } else if (strcmp(option, "--no-sound") == 0) {
            options.noSound = true;
        } else {
            fprintf(stderr, "skorvane: unknown option '%s' (--help lists the options)\n", option);
            return BAD_OPTIONS_STATUS;
        }
    }
    gameOptions = options;
    if (gameOptions.help) {
        printGameOptions();
        return 0;
    }
    return -1;
}
