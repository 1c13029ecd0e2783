#pragma once
// Keyboard and mouse: one event receiver for the whole run, and the one
// table of keys. A key of the match becomes a command record, which goes to
// the match through `issueCommand`; the viewer's own keys (quitting, the
// sound, the free camera) act here and never reach the match.
#include <irrlicht.h>

#include "match/commands.h"

class GameEventReceiver : public irr::IEventReceiver {
public:
    ~GameEventReceiver() override {}
    // Reacts to key releases and mouse button presses; returns `handled`.
    bool OnEvent(const irr::SEvent& event) override;

    bool handled = false; // result of the last release or mouse event processed
};

// Created before the program's entry runs; start-up hands it to the device.
extern GameEventReceiver gameEventReceiver;

// What a key does that is not a command to the match.
enum ViewerAction : unsigned char {
    VIEWER_NONE,  // the key is a match command
    VIEWER_QUIT,  // Q: the frame loop ends after this pass
    VIEWER_MUTE,  // M: sound off and on
    VIEWER_UP,    // the free camera's forward key, named on the console
    VIEWER_DOWN,  // its back key
    // Time, as the viewer holds it (never the match's: none is recorded).
    VIEWER_FASTER,         // ]: twice the speed, up to 32 times
    VIEWER_SLOWER,         // [: half the speed, down to a quarter
    VIEWER_NORMAL_SPEED,   // Backspace
    VIEWER_STEP,           // .: one tick on, while paused
    VIEWER_STEP_BACK,      // ,: one tick back, in a recording or an instant replay
    VIEWER_SEEK_FORWARD,   // PageDown: 30 seconds of the game clock on, in a recording
    VIEWER_SEEK_BACK,      // PageUp: 30 seconds back
    VIEWER_SEEK_START,     // Home: the recording's first tick
    VIEWER_SEEK_END,       // End: its last
    VIEWER_INSTANT_REPLAY, // G: the live match's last seconds again, or back to the live match
    VIEWER_PAUSE,          // P while watching: the viewer's own pause
    VIEWER_HELP,  // F1: the panel of keys, its two pages, then hidden
    VIEWER_SCREENSHOT, // F12: the window saved as a picture
    VIEWER_DIRECTOR,   // D: the director chooses the cameras, on / off
};

// Whether a key's row is for the key alone, with Ctrl, or either way.
enum KeyControl : unsigned char { CTRL_EITHER, CTRL_UP, CTRL_HELD };

struct KeyBinding {
    irr::EKEY_CODE key;
    KeyControl control;
    CommandKind command; // the match command, or COMMAND_KIND_COUNT for a viewer's key
    int argument;        // the command's argument (a shirt number)
    ViewerAction action;
    const char* help;    // what the key does, in a line
};

// Every key the game answers to, each form of it one row.
extern const KeyBinding keyBindings[];
extern const int keyBindingCount;

// The row for a key released with or without Ctrl; null for a key of nothing.
const KeyBinding* keyBinding(irr::EKEY_CODE key, bool control);
// The match command a key gives, as a command record; false when the key
// gives none (a viewer's key, or a key of nothing).
bool commandOfKey(irr::EKEY_CODE key, bool control, MatchCommand& command);

// Where the keys' match commands go: start-up points it at the routine that
// executes a command and records it, which says whether the match took it.
// While null, the keys command nothing.
extern bool (*issueCommand)(const MatchCommand& command);
// The page of the panel of keys on show, 0 for none: F1 steps from none to
// the first page, the second and none again; never reset.
extern int helpPanelPage;
constexpr int HELP_PAGE_COUNT = 2;
// The final whistle's result panel is up: the match is over and the user has
// not yet answered. Set and cleared by the panel.
extern bool resultPanelShown;
// A key or a click on the panel: the run ends with "Game Over!".
extern bool resultPanelDismissed;
// F12 was released: set by the key, taken (and cleared) by the frame loop,
// which saves the window once the HUD is drawn.
extern bool screenshotWanted;
// A recording or an instant replay is being watched: the user's keys command
// nothing (the recording's own commands play the match), V changes only the
// viewer's camera and P pauses the viewing.
extern bool watchingRecording;
// Where the viewer's keys for time go: start-up points it at the playback,
// which says whether the key did something. While null, they do nothing.
extern bool (*timeControl)(ViewerAction action);

bool handleKey(const irr::SEvent* event);
// A mouse at window position x, y turns the free camera the director shows.
bool lookingWithMouse(int x, int y);
bool handleMouse(const irr::SEvent* event);
