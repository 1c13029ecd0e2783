#include "ui/input.h"

#include <cstdio>

#include "core/engine.h"
#include "core/run_state.h"
#include "ui/cameras.h"
#include "ui/director.h"
#include "ui/sound.h"

// Lives for the whole run; start-up hands its address to the device.
GameEventReceiver gameEventReceiver;
bool (*issueCommand)(const MatchCommand& command) = 0;
bool watchingRecording = false;
bool (*timeControl)(ViewerAction action) = 0;
int helpPanelPage = 0;
bool resultPanelShown = false;
bool resultPanelDismissed = false;
bool screenshotWanted = false;

#define MATCH_KEY(key, control, command, help) {key, control, command, 0, VIEWER_NONE, help}
#define SHIRT_KEY(digit) \
    {irr::KEY_KEY_##digit, CTRL_EITHER, COMMAND_SELECT_PLAYER, digit, VIEWER_NONE, "Select a player by shirt number"}
#define VIEWER_KEY(key, action, help) {key, CTRL_EITHER, COMMAND_KIND_COUNT, 0, action, help}

// The help lines are the F1 panel's: "the player" is the selected player,
// "the team" the selected team, as the panel's title says.
const KeyBinding keyBindings[] = {
    SHIRT_KEY(0), SHIRT_KEY(1), SHIRT_KEY(2), SHIRT_KEY(3), SHIRT_KEY(4),
    SHIRT_KEY(5), SHIRT_KEY(6), SHIRT_KEY(7), SHIRT_KEY(8), SHIRT_KEY(9),
    {irr::KEY_KEY_H, CTRL_EITHER, COMMAND_SELECT_TEAM, 'H', VIEWER_NONE, "Select the home team (HOU)"},
    {irr::KEY_KEY_A, CTRL_EITHER, COMMAND_SELECT_TEAM, 'A', VIEWER_NONE, "Select the away team (MAD)"},
    MATCH_KEY(irr::KEY_TAB, CTRL_EITHER, COMMAND_SWITCH_TEAM, "Switch between the two teams"),
    MATCH_KEY(irr::KEY_KEY_O, CTRL_UP, COMMAND_LEAVE_SEAT, "Send the player out to the track"),
    MATCH_KEY(irr::KEY_KEY_O, CTRL_HELD, COMMAND_LEAVE_SEAT, "Send the whole team out"),
    MATCH_KEY(irr::KEY_KEY_L, CTRL_EITHER, COMMAND_TEAM_LAPS, "The team laps at half effort"),
    MATCH_KEY(irr::KEY_KEY_F, CTRL_UP, COMMAND_EVEN_SPACING, "The player spaces out on its lane"),
    MATCH_KEY(irr::KEY_KEY_F, CTRL_HELD, COMMAND_EVEN_SPACING, "The whole team spaces out"),
    MATCH_KEY(irr::KEY_KEY_R, CTRL_UP, COMMAND_LEAVE_TRACK, "Recall the player to its seat"),
    MATCH_KEY(irr::KEY_KEY_R, CTRL_HELD, COMMAND_LEAVE_TRACK, "Recall the whole team"),
    MATCH_KEY(irr::KEY_KEY_S, CTRL_UP, COMMAND_STOP, "Stop the player where it is"),
    MATCH_KEY(irr::KEY_KEY_S, CTRL_HELD, COMMAND_STOP, "Stop every player of both teams"),
    MATCH_KEY(irr::KEY_LEFT, CTRL_EITHER, COMMAND_STEER_IN, "Player chase: steer the player in"),
    MATCH_KEY(irr::KEY_RIGHT, CTRL_EITHER, COMMAND_STEER_OUT, "Player chase: steer the player out"),
    MATCH_KEY(irr::KEY_SPACE, CTRL_EITHER, COMMAND_AUTO_PLAY, "Automatic play on / off"),
    MATCH_KEY(irr::KEY_KEY_B, CTRL_EITHER, COMMAND_FIRE_BALL, "Fire the ball"),
    MATCH_KEY(irr::KEY_KEY_I, CTRL_EITHER, COMMAND_RESET_BALL, "Reset the ball, dead"),
    MATCH_KEY(irr::KEY_KEY_V, CTRL_EITHER, COMMAND_CAMERA_MODE, "Next camera mode"),
    MATCH_KEY(irr::KEY_KEY_U, CTRL_EITHER, COMMAND_ROSTER_READOUTS, "Every player's readout on / off"),
    MATCH_KEY(irr::KEY_KEY_C, CTRL_EITHER, COMMAND_CLOCK_DISPLAY, "Freeze / run the scoreboard clocks"),
    MATCH_KEY(irr::KEY_KEY_P, CTRL_EITHER, COMMAND_PAUSE, "Pause / resume the match"),
    MATCH_KEY(irr::KEY_KEY_Z, CTRL_EITHER, COMMAND_NEW_GAME, "Start a new game"),
    VIEWER_KEY(irr::KEY_KEY_M, VIEWER_MUTE, "Sound off / on"),
    VIEWER_KEY(irr::KEY_UP, VIEWER_UP, "Free camera forward (mouse: turn)"),
    VIEWER_KEY(irr::KEY_DOWN, VIEWER_DOWN, "Free camera back"),
    VIEWER_KEY(irr::KEY_F1, VIEWER_HELP, "This help: page 1, page 2, off"),
    VIEWER_KEY(irr::KEY_F12, VIEWER_SCREENSHOT, "Save a screenshot"),
    VIEWER_KEY(irr::KEY_KEY_D, VIEWER_DIRECTOR, "Director: cameras by the play"),
    VIEWER_KEY(irr::KEY_OEM_6, VIEWER_FASTER, "Match twice as fast, up to x32"),
    VIEWER_KEY(irr::KEY_OEM_4, VIEWER_SLOWER, "Match half as fast, down to x1/4"),
    VIEWER_KEY(irr::KEY_BACK, VIEWER_NORMAL_SPEED, "Match at normal speed"),
    VIEWER_KEY(irr::KEY_PERIOD, VIEWER_STEP, "Paused: one tick on"),
    VIEWER_KEY(irr::KEY_COMMA, VIEWER_STEP_BACK, "Replay: one tick back"),
    VIEWER_KEY(irr::KEY_NEXT, VIEWER_SEEK_FORWARD, "Replay: 30 clock seconds on"),
    VIEWER_KEY(irr::KEY_PRIOR, VIEWER_SEEK_BACK, "Replay: 30 clock seconds back"),
    VIEWER_KEY(irr::KEY_HOME, VIEWER_SEEK_START, "Replay: to its start"),
    VIEWER_KEY(irr::KEY_END, VIEWER_SEEK_END, "Replay: to its end"),
    VIEWER_KEY(irr::KEY_KEY_G, VIEWER_INSTANT_REPLAY, "Last 15 s again / back to play"),
    VIEWER_KEY(irr::KEY_KEY_Q, VIEWER_QUIT, "Quit"),
};
const int keyBindingCount = sizeof keyBindings / sizeof keyBindings[0];

#undef MATCH_KEY
#undef SHIRT_KEY
#undef VIEWER_KEY

const KeyBinding* keyBinding(irr::EKEY_CODE key, bool control)
{
    for (const KeyBinding& binding : keyBindings) {
        if (binding.key != key)
            continue;
        if (binding.control == CTRL_EITHER || (binding.control == CTRL_HELD) == control)
            return &binding;
    }
    return 0;
}

bool commandOfKey(irr::EKEY_CODE key, bool control, MatchCommand& command)
{
    const KeyBinding* binding = keyBinding(key, control);
    if (!binding || binding->command == COMMAND_KIND_COUNT)
        return false;
    command = matchCommand(binding->command, binding->argument, binding->control == CTRL_HELD);
    return true;
}

bool GameEventReceiver::OnEvent(const irr::SEvent& event)
{
    // Commands act once per release, so holding a key does nothing. A press
    // keeps the verdict of the last release or click: the camera then sees the
    // press of a key exactly when it saw its release.
    if (event.EventType == irr::EET_KEY_INPUT_EVENT && !event.KeyInput.PressedDown)
        handled = handleKey(&event);
    if (event.EventType == irr::EET_MOUSE_INPUT_EVENT)
        handled = handleMouse(&event);
    return handled;
}

static void say(const char* word)
{
    // No line break follows, so the word would otherwise wait in the buffer.
    printf("%s", word);
    fflush(stdout);
}

// The viewer's keys; only the arrows' words go on to the free camera.
static bool act(ViewerAction action)
{
    switch (action) {
    case VIEWER_QUIT:
        // The loop ends after this pass and the exit statistics follow.
        running = false;
        return true;
    case VIEWER_MUTE:
        toggleSound();
        return true;
    case VIEWER_UP:
        say("up");
        return false;
    case VIEWER_DOWN:
        say("down");
        return false;
    case VIEWER_HELP:
        helpPanelPage = (helpPanelPage + 1) % (HELP_PAGE_COUNT + 1);
        return true;
    case VIEWER_SCREENSHOT:
        screenshotWanted = true;
        return true;
    case VIEWER_DIRECTOR:
        toggleDirector();
        return true;
    default:
        return timeControl && timeControl(action);
    }
}

// The user takes the camera: V, an arrow.
static bool looksForThemselves(const KeyBinding& binding)
{
    return binding.command == COMMAND_CAMERA_MODE || binding.command == COMMAND_STEER_IN ||
           binding.command == COMMAND_STEER_OUT || binding.action == VIEWER_UP || binding.action == VIEWER_DOWN;
}

// On the result panel every key ends the game, but Z, which starts a new
// one (in a replay, whose match is the recording's, Z ends it too).
static bool answerResult(irr::EKEY_CODE key)
{
    if (key == irr::KEY_KEY_Z && !watchingRecording && issueCommand &&
        issueCommand(matchCommand(COMMAND_NEW_GAME)))
        return true;
    resultPanelDismissed = true;
    return true;
}

bool handleKey(const irr::SEvent* event)
{
    if (resultPanelShown)
        return answerResult(event->KeyInput.Key);
    const KeyBinding* binding = keyBinding(event->KeyInput.Key, event->KeyInput.Control);
    if (!binding)
        return false;
    if (looksForThemselves(*binding)) {
        // In a replay V goes on from the view the director showed.
        if (watchingRecording && binding->command == COMMAND_CAMERA_MODE)
            cycleViewerCameraMode();
        suspendDirector();
        if (watchingRecording && binding->command == COMMAND_CAMERA_MODE)
            return true;
    }
    if (binding->action != VIEWER_NONE)
        return act(binding->action);
    if (watchingRecording) {
        if (binding->command == COMMAND_PAUSE)
            return act(VIEWER_PAUSE);
        // The arrows go on to the free camera; the match keys are the recording's.
        return false;
    }
    MatchCommand command;
    if (!issueCommand || !commandOfKey(event->KeyInput.Key, event->KeyInput.Control, command))
        return false;
    return issueCommand(command);
}

static constexpr int MOUSE_LOOK_PX = 8; // from the window's centre

bool lookingWithMouse(int x, int y)
{
    const int mode = shownCameraMode();
    if (!directing() || (mode != OVERHEAD_VIEW && mode != END_VIEW) || !driver)
        return false;
    const irr::core::dimension2du size = driver->getScreenSize();
    const int dx = x - static_cast<int>(size.Width / 2), dy = y - static_cast<int>(size.Height / 2);
    return dx * dx + dy * dy > MOUSE_LOOK_PX * MOUSE_LOOK_PX;
}

bool handleMouse(const irr::SEvent* event)
{
    const bool click = event->MouseInput.Event == irr::EMIE_LMOUSE_PRESSED_DOWN ||
                       event->MouseInput.Event == irr::EMIE_RMOUSE_PRESSED_DOWN;
    if (resultPanelShown && click) {
        resultPanelDismissed = true;
        return true;
    }
    switch (event->MouseInput.Event) {
    case irr::EMIE_LMOUSE_PRESSED_DOWN:
        say("lclik");
        return true;
    case irr::EMIE_RMOUSE_PRESSED_DOWN:
        say("rclik");
        return true;
    case irr::EMIE_MOUSE_MOVED:
        // The free camera turns with the mouse: looking around in its views
        // is taking the camera. The cursor put back at the centre every
        // frame moves nothing.
        if (lookingWithMouse(event->MouseInput.X, event->MouseInput.Y))
            suspendDirector();
        return false;
    default:
        return false;
    }
}
