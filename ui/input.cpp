#include "ui/input.h"

#include <cstdio>

#include "core/commentary.h"
#include "core/run_state.h"
#include "app/recording.h"
#include "app/replay.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "players/player.h"
#include "ui/cameras.h"
#include "ui/sound.h"

// Lives for the whole run; start-up hands its address to the device.
GameEventReceiver gameEventReceiver;

// cm/ms² added to the steered player's radial acceleration per arrow release.
static constexpr float STEERING_STEP = 0.001f;
// Effort of the whole team sent lapping by the L key: half of top speed.
static constexpr float TEAM_LAPPING_EFFORT = 0.5f;

bool GameEventReceiver::OnEvent(const irr::SEvent& event)
{
    // Commands act once per release, so holding a key does nothing. A press
    // keeps the verdict of the last release or click: the camera then sees the
    // press of a key exactly when it saw its release.
    if (event.EventType == irr::EET_KEY_INPUT_EVENT && !event.KeyInput.PressedDown) {
        if (replayingMatch()) {
            handled = handleViewerKey(&event);
        } else {
            handled = handleKey(&event);
            // A key acts at once, before the next tick: that tick is its place in
            // a recording. Q ends the run and changes nothing in the match.
            if (handled && event.KeyInput.Key != irr::KEY_KEY_Q)
                recordKey(event.KeyInput.Key, event.KeyInput.Control);
        }
    }
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

static void toggle(bool& flag)
{
    flag = !flag;
}

// A dead player stays dead until a new game resets it; no command moves it.
static bool canCommand(const Player& player)
{
    return player.path != DEAD;
}

// LEFT (direction -1) or RIGHT (+1). The first release in player chase takes
// the player over; further releases push it sideways, and a release against
// the current push first brings the sideways motion to rest.
static bool steer(Player& player, float direction)
{
    if (player.is_selected()) {
        if (player.xr_dt2 * direction < 0.0f) {
            player.xr_dt = 0.0f;
            player.xr_dt2 = 0.0f;
        } else {
            player.xr_dt2 += direction * STEERING_STEP;
        }
        return true;
    }
    if (cameraMode == PLAYER_CHASE) {
        if (!canCommand(player))
            return true;
        // A player caught on a walk between seat and gate carries straight
        // x/z speeds in cm/ms; steering reads them as polar, which would spin
        // the player backwards round the track. It is taken over from rest.
        if (!player.polar) {
            player.zt_dt = 0.0f;
            player.xr_dt = 0.0f;
        }
        player.select();
        return player.set_path_handled(USER_CONTROL);
    }
    // Left to the free camera, which strafes with the arrows.
    return false;
}

static void setTeamPath(char team, int path)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (canCommand(roster(team)[i]))
            roster(team)[i].set_path(path);
}

static void sendTeamLapping(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        if (canCommand(roster(team)[i]))
            roster(team)[i].start_lapping(TEAM_LAPPING_EFFORT);
}

static void sendTeamOut(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        roster(team)[i].leave_seat();
}

static void recallTeam(char team)
{
    for (int i = 0; i < TEAM_SIZE; ++i)
        roster(team)[i].leave_track();
}

static void stopEveryone()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (canCommand(home_players[i]))
            home_players[i].stop();
        if (canCommand(away_players[i]))
            away_players[i].stop();
    }
}

bool handleKey(const irr::SEvent* event)
{
    Player& p = *selectedPlayerRecord();
    const bool ctrl = event->KeyInput.Control;
    const irr::EKEY_CODE key = event->KeyInput.Key;

    if (key >= irr::KEY_KEY_0 && key <= irr::KEY_KEY_9) {
        selectedPlayer = key - irr::KEY_KEY_0;
        // "%c%d %s" adds one blank, the text brings the other: "H3  selected".
        setPlayerCommentary(selectedTeam, selectedPlayer, " selected");
        return true;
    }

    switch (key) {
    case irr::KEY_LEFT:
        return steer(p, -1.0f);
    case irr::KEY_RIGHT:
        return steer(p, +1.0f);
    case irr::KEY_UP:
        say("up");
        return false;
    case irr::KEY_DOWN:
        say("down");
        return false;
    case irr::KEY_SPACE:
        toggle(autoPlay);
        return true;
    case irr::KEY_TAB:
        selectedTeam = selectedTeam == 'H' ? 'A' : 'H';
        return true;
    case irr::KEY_KEY_A:
        selectedTeam = 'A';
        return true;
    case irr::KEY_KEY_B:
        fireBall();
        return true;
    case irr::KEY_KEY_C:
        toggle(matchClock.visible);
        return true;
    case irr::KEY_KEY_F:
        if (ctrl)
            setTeamPath(selectedTeam, EVEN_SPACING);
        else if (canCommand(p))
            p.set_path(EVEN_SPACING);
        return true;
    case irr::KEY_KEY_H:
        selectedTeam = 'H';
        return true;
    case irr::KEY_KEY_I:
        resetBall();
        return true;
    case irr::KEY_KEY_L:
        sendTeamLapping(selectedTeam);
        return true;
    case irr::KEY_KEY_O:
        if (ctrl)
            sendTeamOut(selectedTeam);
        else
            p.leave_seat();
        return true;
    case irr::KEY_KEY_M:
        toggleSound();
        return true;
    case irr::KEY_KEY_P:
        toggle(paused);
        return true;
    case irr::KEY_KEY_Q:
        // The loop ends after this pass and the exit statistics follow.
        running = false;
        return true;
    case irr::KEY_KEY_R:
        if (ctrl)
            recallTeam(selectedTeam);
        else
            p.leave_track();
        return true;
    case irr::KEY_KEY_S:
        if (ctrl)
            stopEveryone();
        else if (canCommand(p))
            p.stop();
        return true;
    case irr::KEY_KEY_U:
        toggle(showRosterReadouts);
        return true;
    case irr::KEY_KEY_V:
        cycleCameraMode();
        return true;
    case irr::KEY_KEY_Z:
        newGame();
        return true;
    default:
        return false;
    }
}

bool handleViewerKey(const irr::SEvent* event)
{
    switch (event->KeyInput.Key) {
    case irr::KEY_KEY_Q:
        running = false;
        return true;
    case irr::KEY_KEY_V:
        cycleViewerCameraMode();
        return true;
    default:
        // The arrows go on to the free camera; the match keys are the recording's.
        return false;
    }
}

bool handleMouse(const irr::SEvent* event)
{
    switch (event->MouseInput.Event) {
    case irr::EMIE_LMOUSE_PRESSED_DOWN:
        say("lclik");
        return true;
    case irr::EMIE_RMOUSE_PRESSED_DOWN:
        say("rclik");
        return true;
    default:
        return false;
    }
}
