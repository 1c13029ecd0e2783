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
           "  --no-sound          start muted without opening an audio device (M unmutes)\n"
           "  --goal-replays      under automatic play, show the last 10 seconds again after every goal\n"
           "  --window WxH        open a window of W x H pixels (at least 640x480), such as 1280x960\n"
           "  --fullscreen        fill the screen at the desktop's resolution\n");
}

// Reads a whole number of at most nine digits (no overflow) from `text`, moving past it.
static bool readSide(const char*& text, unsigned& side)
{
    side = 0;
    int digits = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        if (++digits > 9)
            return false;
        side = side * 10 + static_cast<unsigned>(*text - '0');
    }
    return digits > 0;
}

// "WxH" into the options' window size, or a message and false.
static bool readWindowSize(const char* value, GameOptions& options)
{
    const char* text = value;
    unsigned width = 0, height = 0;
    if (!readSide(text, width) || *text++ != 'x' || !readSide(text, height) || *text != 0) {
        fprintf(stderr, "skorvane: --window takes a size such as 1280x960, not '%s'\n", value);
        return false;
    }
    if (width < SMALLEST_WINDOW_WIDTH || height < SMALLEST_WINDOW_HEIGHT || width > LARGEST_WINDOW_SIDE ||
        height > LARGEST_WINDOW_SIDE) {
        fprintf(stderr, "skorvane: --window %s is out of range: from %ux%u to %ux%u\n", value, SMALLEST_WINDOW_WIDTH,
                SMALLEST_WINDOW_HEIGHT, LARGEST_WINDOW_SIDE, LARGEST_WINDOW_SIDE);
        return false;
    }
    options.windowWidth = width;
    options.windowHeight = height;
    return true;
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
        } else if (strcmp(option, "--goal-replays") == 0) {
            options.goalReplays = true;
        } else if (strcmp(option, "--window") == 0) {
            if (i + 1 == argc) {
                fprintf(stderr, "skorvane: --window needs a size such as 1280x960\n");
                return BAD_OPTIONS_STATUS;
            }
            if (!readWindowSize(argv[++i], options))
                return BAD_OPTIONS_STATUS;
        } else if (strcmp(option, "--fullscreen") == 0) {
            options.fullscreen = true;
        } else {
            fprintf(stderr, "skorvane: unknown option '%s' (--help lists the options)\n", option);
            return BAD_OPTIONS_STATUS;
        }
    }
    if (options.fullscreen && options.windowWidth != 0) {
        fprintf(stderr, "skorvane: --window and --fullscreen cannot be used together\n");
        return BAD_OPTIONS_STATUS;
    }
    gameOptions = options;
    if (gameOptions.help) {
        printGameOptions();
        return 0;
    }
    return -1;
}
