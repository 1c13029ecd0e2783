#include "app/headless_match.h"

#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/frame_clock.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/startup.h"
#include "app/tick_driver.h"
#include "core/engine.h"
#include "core/message.h"
#include "match/match_summary.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/commands.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "match/selection.h"
#include "players/player.h"

// Three periods of 20 game minutes take 72000 ticks, plus the dead spells
// between firings. Anything far beyond that is a stuck match.
static constexpr long MAX_MATCH_TICKS = 1000000L;

static char faultText[HEADLESS_FAULT_SIZE];

static const char* unsoundPlayer(const Player& p)
{
    const float fields[] = {p.r, p.theta, p.height, p.zt_dt, p.xr_dt, p.zt_dt2, p.xr_dt2, p.target_xr,
                            p.target_zt, p.pms, p.power, p.exertion, p.mass, p.plan_time};
    for (float f : fields) {
        if (!std::isfinite(f)) {
            snprintf(faultText, sizeof faultText, "%c%d has a field that is not a number", p.team, p.number);
            return faultText;
        }
    }
    if (p.number < 0 || p.number >= TEAM_SIZE || p.lane < 0 || p.lane > 2 || p.path < DEAD ||
        p.path > USER_CONTROL) {
        snprintf(faultText, sizeof faultText, "%c%d has number %d, lane %d, path %d", p.team, p.number,
                 p.number, p.lane, p.path);
        return faultText;
    }
    return 0;
}

const char* findUnsoundRecord()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (const char* fault = unsoundPlayer(home_players[i]))
            return fault;
        if (const char* fault = unsoundPlayer(away_players[i]))
            return fault;
    }
    const float ballFields[] = {ball.r, ball.theta, ball.height, ball.xr_dt, ball.zt_dt, ball.xr_dt2, ball.zt_dt2};
    for (float f : ballFields) {
        if (!std::isfinite(f))
            return "the ball has a field that is not a number";
    }
    const Player* holder = ball.holder;
    const bool holderInRoster = !holder || (holder >= home_players && holder < home_players + TEAM_SIZE) ||
                                (holder >= away_players && holder < away_players + TEAM_SIZE);
    if (!holderInRoster)
        return "the ball's holder is not a player of either roster";
    if (selectedPlayer < 0 || selectedPlayer >= TEAM_SIZE)
        return "the selected player is out of range";
    return 0;
}

static bool headlessGameBuilt = false;

bool buildHeadlessGame()
{
    if (headlessGameBuilt)
        return true;
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* engine = irr::createDeviceEx(params);
    if (!engine)
        return false;
    useDevice(engine);
    buildGame();
    headlessGameBuilt = true;
    return true;
}

// The game's console while a match plays: sent nowhere, and back for the
// report. A halt other than the final whistle (a fault of the game's) still
// reaches the console: the console is given back before "halting".
static int keptConsole = -1;

static void quietConsole()
{
    fflush(stdout);
    keptConsole = dup(STDOUT_FILENO);
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0) {
        dup2(nowhere, STDOUT_FILENO);
        close(nowhere);
    }
}

static void restoreConsole()
{
    if (keptConsole < 0)
        return;
    fflush(stdout);
    dup2(keptConsole, STDOUT_FILENO);
    close(keptConsole);
    keptConsole = -1;
}

static void finishRecordingAtHalt(const char*)
{
    finishRecording();
}

// A halt in the middle of a match: its message was printed to nowhere, so it
// is said again where the runner's reports go.
static void reportHalt(const char* text)
{
    restoreConsole();
    printf("the match halted at tick %ld: %s\n", matchTickNumber, text ? text : "");
    fflush(stdout);
}

bool playHeadlessMatch(unsigned seed, int step, HeadlessResult& result, const char* recordPath)
{
    result = HeadlessResult();
    const auto start = std::chrono::steady_clock::now();
    // The game's start-up lines (a switches file's complaints) are no match's report.
    quietConsole();
    const bool built = buildHeadlessGame();
    restoreConsole();
    if (!built) {
        snprintf(result.fault, sizeof result.fault, "the engine's null driver cannot be started");
        return false;
    }
    clearMatchState();
    seedRandom(seed);
    newGame();
    if (recordPath) {
        if (!openRecording(recordPath)) {
            snprintf(result.fault, sizeof result.fault, "cannot write the recording");
            return false;
        }
        startRecording(seed);
    }
    // Automatic play as the user turns it on, so a recording holds it.
    issueMatchCommand(matchCommand(COMMAND_AUTO_PLAY));

    quietConsole();
    haltHooks[HALT_HOOK_RECORDS] = finishRecordingAtHalt;
    haltHooks[HALT_HOOK_REPORT] = reportHalt;
    tickTimeOwed = 0;
    // Each pass stands for a drawn frame of `step` ms and runs the ticks the
    // window's loop would run after such a frame.
    while (!matchOver() && !result.fault[0] && matchTickNumber < MAX_MATCH_TICKS) {
        tickTimeOwed += step;
        for (int ticks = takeDueTicks(); ticks > 0 && !matchOver(); --ticks) {
            runTicks(1);
            // Resumed before the next tick, as the user would: the same ticks
            // follow whatever the frame time.
            if (paused) {
                ++result.pauses;
                paused = false;
            }
            if (const char* fault = findUnsoundRecord()) {
                snprintf(result.fault, sizeof result.fault, "tick %ld: %s", matchTickNumber, fault);
                break;
            }
        }
    }
    haltHooks[HALT_HOOK_RECORDS] = 0;
    haltHooks[HALT_HOOK_REPORT] = 0;
    restoreConsole();
    finishRecording();

    result.stats = matchStats;
    result.homeScore = matchClock.home_score;
    result.awayScore = matchClock.away_score;
    result.ticks = matchTickNumber;
    result.gameOver = matchOver();
    if (!result.gameOver && !result.fault[0])
        snprintf(result.fault, sizeof result.fault, "no final whistle after %ld ticks", MAX_MATCH_TICKS);
    result.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result.gameOver && !result.fault[0];
}

int playReplay()
{
    seedRandom(replaySeed());
    // No frames here: tick after tick, each after the commands that came before it.
    while (matchTickNumber < replayEndTick() && !replayDivergedAt()) {
        if (runTicks(1) == 0)
            break; // paused where the recorded match ran on, or over early
    }
    if (matchOver())
        printf("Game Over!\n");
    // The commands after the last tick (before Q) belong to the recorded end.
    if (!replayDivergedAt() && !paused)
        playReplayTo(matchTickNumber + 1);
    return finishReplay();
}

// A fault that halts the replayed match halted the recorded one too, where
// its end line was written: the verdict is the exit status.
static void judgeReplayAtHalt(const char*)
{
    fflush(stdout);
    std::_Exit(finishReplay());
}

int replayHeadless(const char* path)
{
    if (!loadReplay(path, "skorvane-sim"))
        return 2;
    if (!buildHeadlessGame()) {
        fprintf(stderr, "skorvane-sim: the engine's null driver cannot be started\n");
        return 2;
    }
    haltHooks[HALT_HOOK_RECORDS] = judgeReplayAtHalt;
    const int verdict = playReplay();
    haltHooks[HALT_HOOK_RECORDS] = 0;
    return verdict;
}

// The same for every step: only the wall time tells two steps apart.
void printMatchReport(int index, unsigned seed, const HeadlessResult& r)
{
    const MatchStats& s = r.stats;
    printf("match %d (seed %u): HOU %d - %d MAD\n", index, seed, r.homeScore, r.awayScore);
    printf("  goals %d, misses %d, catches %d, passes %d, balls knocked loose %d, hits by the ball %d\n", s.goals,
           s.misses, s.catches, s.passes, s.knock_looses, s.hits);
    printf("  penalties %d, sent off critical %d, deaths %d, balls out of play %d, firings %d, pauses %d\n",
           s.penalties, s.crits, s.deaths, s.out_of_play, s.firings, r.pauses);
    printf("  ticks %ld, wall time %.3f s, %s\n", r.ticks, r.wallSeconds,
           r.gameOver ? "ended: Game Over!" : "FAULT:");
    if (r.fault[0])
        printf("  %s\n", r.fault);
    // The match's own log, as it ended: by period, then every goal and miss.
    char line[SUMMARY_LINE_SIZE];
    formatPeriodScores(line, sizeof line);
    printf("  %s\n", line);
    for (int i = 0; i < shotCount(); ++i) {
        formatShot(i, line, sizeof line);
        printf("  %s\n", line);
    }
}
