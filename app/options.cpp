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
           "  --goal-replays      under automatic play, show the last 10 seconds again\n"
           "                      after every goal\n"
           "  --director          start with the director choosing the cameras by the play (D)\n"
           "  --chart FILE.png    draw the match over its game time into FILE.png, at the final\n"
           "                      whistle or at Q\n"
           "  --window WxH        open a window of W x H pixels (at least 640x480), such as 1280x960\n"
           "  --fullscreen        fill the screen at the desktop's resolution\n"
           "  --vsync             let the driver wait for the screen's refresh\n"
           "  --max-fps N         draw at most N frames a second (%u to %u), to spare the processor\n"
           "  --defaults          start with the defaults: the remembered settings are\n"
           "                      neither read nor written\n"
           "  --verbose           show the engine's and the sound library's own messages,\n"
           "                      and name each cut of the director\n"
           "The window size, full screen, sound and goal replays are remembered from one game\n"
           "to the next in $XDG_CONFIG_HOME/skorvane/settings.ini (~/.config/skorvane/ by\n"
           "default); the options given win over them.\n",
           LOWEST_MAX_FPS, HIGHEST_MAX_FPS);
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

bool readWindowSize(const char* text, unsigned& width, unsigned& height)
{
    unsigned w = 0, h = 0;
    if (!readSide(text, w) || *text++ != 'x' || !readSide(text, h) || *text != 0)
        return false;
    if (w < SMALLEST_WINDOW_WIDTH || h < SMALLEST_WINDOW_HEIGHT || w > LARGEST_WINDOW_SIDE || h > LARGEST_WINDOW_SIDE)
        return false;
    width = w;
    height = h;
    return true;
}

// "WxH" after --window into the options' window size, or a message and false.
static bool readWindowOption(const char* value, GameOptions& options)
{
    const char* text = value;
    unsigned width = 0, height = 0;
    if (!readSide(text, width) || *text++ != 'x' || !readSide(text, height) || *text != 0) {
        fprintf(stderr, "skorvane: --window takes a size such as 1280x960, not '%s'\n", value);
        return false;
    }
    if (!readWindowSize(value, options.windowWidth, options.windowHeight)) {
        fprintf(stderr, "skorvane: --window %s is out of range: from %ux%u to %ux%u\n", value, SMALLEST_WINDOW_WIDTH,
                SMALLEST_WINDOW_HEIGHT, LARGEST_WINDOW_SIDE, LARGEST_WINDOW_SIDE);
        return false;
    }
    return true;
}

// N after --max-fps, or a message and false.
static bool readMaxFps(const char* value, GameOptions& options)
{
    const char* text = value;
    unsigned fps = 0;
    if (!readSide(text, fps) || *text != 0 || fps < LOWEST_MAX_FPS || fps > HIGHEST_MAX_FPS) {
        fprintf(stderr, "skorvane: --max-fps takes a whole number from %u to %u, not '%s'\n", LOWEST_MAX_FPS,
                HIGHEST_MAX_FPS, value);
        return false;
    }
    options.maxFps = fps;
    return true;
}

// Switches that take no value: the option's name and the field it sets.
struct SwitchOption {
    const char* name;
    bool GameOptions::*field;
};
static const SwitchOption SWITCH_OPTIONS[] = {
    {"--help", &GameOptions::help},         {"--no-sound", &GameOptions::noSound},
    {"--fullscreen", &GameOptions::fullscreen}, {"--defaults", &GameOptions::defaults},
    {"--verbose", &GameOptions::verbose},   {"--vsync", &GameOptions::vsync},
    {"--goal-replays", &GameOptions::goalReplays}, {"--director", &GameOptions::director},
};

static const SwitchOption* switchOption(const char* name)
{
    for (const SwitchOption& option : SWITCH_OPTIONS)
        if (strcmp(option.name, name) == 0)
            return &option;
    return 0;
}

int readGameOptions(int argc, const char* const* argv)
{
    GameOptions options;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (const SwitchOption* given = switchOption(option)) {
            options.*given->field = true;
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
        } else if (strcmp(option, "--chart") == 0) {
            if (i + 1 == argc || !argv[i + 1][0] || options.chartPath) {
                fprintf(stderr, "skorvane: --chart needs the name of a PNG file, and is given once\n");
                return BAD_OPTIONS_STATUS;
            }
            options.chartPath = argv[++i];
        } else if (strcmp(option, "--window") == 0) {
            if (i + 1 == argc) {
                fprintf(stderr, "skorvane: --window needs a size such as 1280x960\n");
                return BAD_OPTIONS_STATUS;
            }
            if (!readWindowOption(argv[++i], options))
                return BAD_OPTIONS_STATUS;
        } else if (strcmp(option, "--max-fps") == 0) {
            if (i + 1 == argc) {
                fprintf(stderr, "skorvane: --max-fps needs a number of frames a second\n");
                return BAD_OPTIONS_STATUS;
            }
            if (!readMaxFps(argv[++i], options))
                return BAD_OPTIONS_STATUS;
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
