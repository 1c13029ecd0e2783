#include <initializer_list>

#include "core/random.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/contact.h"
#include "match/match_clock.h"
#include "match/match_events.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "match/selection.h"
#include "players/player.h"
#include "players/track.h"

int clockTickCounter = 0; // the match tick counts it; never reset by newGame
int autoFireCounter = 0;  // the automatic firing counts and clears it; never reset by newGame
bool autoPlay = false;    // newGame clears it, the keyboard toggles it
MatchStats matchStats;    // counted by the match's events, cleared by newGame

static constexpr int AUTO_FIRE_TICKS = 100; // a dead ball is fired on the tick after this many
static constexpr float LAUNCH_SPEED = -0.0010709974f; // rad/ms; a launch draws between twice this and this
static constexpr int NEW_GAME_MINUTES = 60; // shown until the first firing

// One game second lasts as many ticks as a tick lasts milliseconds: the same
// 20 ticks on every machine, whatever the frame rate.
static bool gameSecondDue()
{
    ++clockTickCounter;
    if (clockTickCounter < ticksPerGameSecond(static_cast<float>(TICK_MS)))
        return false;
    clockTickCounter = 0;
    return true;
}

// Penalties are served in game-clock seconds: they stand still between periods.
static void countDownPenalties()
{
    for (int number = 0; number < TEAM_SIZE; ++number) {
        for (Player* p : {&home_players[number], &away_players[number]}) {
            if (p->penalty != 0)
                --p->penalty;
        }
    }
}

static void autoFire()
{
    if (ball.live || !autoPlay)
        return;
    if (++autoFireCounter > AUTO_FIRE_TICKS) {
        autoFireCounter = 0;
        fireBall();
    }
}

// Referee 1 only looks at the half up to 180 degrees, referee 2 only at the rest.
static void refereesWatchBall()
{
    for (int i = 0; i < REFEREE_COUNT; ++i) {
        float yaw = ball.theta * 180.0f / PI_F; // degrees
        if (i == 1 && yaw > 180.0f)
            yaw = 90.0f;
        if (i == 2 && yaw < 180.0f)
            yaw = 270.0f;
        referees[i].yaw = yaw;
        referees[i].rotation.set(0.0f, 270.0f - yaw, 0.0f);
    }
}

void matchTick()
{
    if (gameSecondDue() && matchClock.counting) {
        matchClock.tick_second();
        // The final whistle ends the match where it blows: nothing else moves in its tick.
        if (matchClock.game_over)
            return;
        countDownPenalties();
        // A second that ended its period belongs to no period's clock.
        if (matchClock.counting)
            logGameSecond();
    }
    update_players();
    // Contact is judged where the players have just moved to, and before the
    // ball moves, so a ball knocked loose this tick already flies loose.
    contactPass();
    updateBall();
    autoFire();
    refereesWatchBall();
    logTick(ball.holder);
}

void fireBall()
{
    const float zt = randomScaled(LAUNCH_SPEED) + LAUNCH_SPEED;
    if (!matchClock.counting) {
        matchClock.reset_clock(PERIOD_MINUTES);
        // Only the first firing opens a period; a period that ran out has
        // already moved the counter on to the next one.
        if (matchClock.period == 0)
            matchClock.next_period();
        matchClock.counting = true;
        noteMatchEvent(EVENT_PERIOD_START, ball.position);
    }
    ++matchStats.firings;
    noteMatchEvent(EVENT_FIRED, ball.position);
    launchBall(zt);
}

void newGame()
{
    running = true;
    paused = false;
    autoPlay = false;
    showRosterReadouts = false;
    matchClock.visible = true;
    selectedTeam = 'H';
    selectedPlayer = 0;
    cameraMode = 0;
    matchStats = MatchStats();
    clearMatchLog();

    resetBall();
    for (int number = 0; number < TEAM_SIZE; ++number) {
        home_players[number].reset();
        away_players[number].reset();
    }
    matchClock.reset_clock(NEW_GAME_MINUTES);
    matchClock.game_over = false;
    matchClock.period = 0;
    matchClock.show_period();
    matchClock.reset_score();
}
