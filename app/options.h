#pragma once
// The game's command line. Read once, before start-up; every option is
// optional, and with none the game opens its classic 640 x 480 window.

struct GameOptions {
    bool help = false;        // --help: the options were listed, the game does not start
    unsigned windowWidth = 0; // px, --window WxH; 0: the classic 640 x 480
    unsigned windowHeight = 0; // px
    bool fullscreen = false;  // --fullscreen: the whole screen at the desktop's resolution
    const char* recordPath = 0; // --record FILE: the match is recorded into FILE
    const char* replayPath = 0; // --replay FILE: the recording in FILE is played back
    bool noSound = false; // --no-sound: starts muted, no audio device opened until M
    bool goalReplays = false; // --goal-replays: automatic play shows every goal again
    bool defaults = false; // --defaults: the remembered settings are neither read nor written
    bool verbose = false;  // --verbose: the engine's and the sound library's own log on the console
    bool vsync = false;    // --vsync: the driver waits for the screen's refresh
    unsigned maxFps = 0;   // frames a second, --max-fps N; 0: as many as can be drawn
    bool director = false; // --director: the director chooses the cameras from the start
    const char* chartPath = 0; // --chart FILE: the match's chart is drawn into FILE (PNG) at its end
};

// Set by readGameOptions before start-up; never changed afterwards.
extern GameOptions gameOptions;

// Exit status of a command line that cannot be played.
constexpr int BAD_OPTIONS_STATUS = 2;

// The window sizes --window accepts, in px: the HUD needs the classic window's
// room, and no display or driver goes beyond the largest.
constexpr unsigned SMALLEST_WINDOW_WIDTH = 640;
constexpr unsigned SMALLEST_WINDOW_HEIGHT = 480;
constexpr unsigned LARGEST_WINDOW_SIDE = 16384;

// The frame rates --max-fps accepts: a frame must stay under the 100 ms that
// counts as a stall, with room to come late.
constexpr unsigned LOWEST_MAX_FPS = 15;
constexpr unsigned HIGHEST_MAX_FPS = 1000;

// Reads "WxH" (such as 1280x960) into a window size the game can open: plain
// digits, within the sizes above. False for anything else.
bool readWindowSize(const char* text, unsigned& width, unsigned& height);

// Reads argv[1..argc-1] into gameOptions. Returns -1 when the game should
// start, or the status to exit with: 0 after --help (the options listed on
// standard output), BAD_OPTIONS_STATUS after a clear message on standard error.
int readGameOptions(int argc, const char* const* argv);

// Lists the options on standard output.
void printGameOptions();
