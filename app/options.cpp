#include "app/options.h"

#include <cstdio>
#include <cstring>

GameOptions gameOptions;

void printGameOptions()
{
    printf("usage: skorvane [options]\n"
           "  --help              list these options and exit\n"
           "  --record FILE       record the match into FILE, to be replayed\n"
           "  --replay FILE       play back the match recorded in FILE (Q, V, the mouse\n"
           "                      and the arrows still work)\n"
           "  --no-sound          start muted without opening an audio device (M unmutes)\n");
}

int readGameOptions(int argc, const char* const* argv)
{
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (strcmp(option, "--help") == 0) {
            options.help = true;
        } else if (strcmp(option, "--record") == 0 || strcmp(option, "--replay") == 0) {
            // One match, one file: recording a replay would only copy it.
            if (i + 1 == argc || options.recordPath || options.replayPath) {
                fprintf(stderr, "skorvane: %s needs a file, and takes only one of --record and --replay\n",
                        option);
                return BAD_OPTIONS_STATUS;
            }
            const char* path = argv[++i];
            if (strcmp(option, "--record") == 0)
                options.recordPath = path;
            else
                options.replayPath = path;
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
