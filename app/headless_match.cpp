#include "app/headless_match.h"

#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/engine.h"
#include "app/frame_loop.h"
#include "core/message.h"
#include "core/random.h"
#include "app/recording.h"
#include "app/replay.h"
#include "core/switches.h"
#include "app/startup.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "players/player.h"
#include "match/selection.h"
#include "ui/input.h"

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

// The game's null-driver device with the game built on it, or null.
static bool buildHeadlessGame()
{
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* engine = irr::createDeviceEx(params);
    if (!engine)
        return false;
    useDevice(engine);
    buildGame();
    return true;
}

// The child's whole life: build the game on the null driver and play until
// "Game Over!" ends the process. Each pass stands for a drawn frame of `step`
// ms and runs the ticks the window's loop would run after such a frame.
[[noreturn]] static void playInChild(unsigned seed, int step, const char* recordPath, HeadlessResult* shared,
                                     int console)
{
    dup2(console, STDOUT_FILENO);
    close(console);
    if (!buildHeadlessGame()) {
        snprintf(shared->fault, sizeof shared->fault, "no null-driver device");
        _exit(2);
    }
    seedRandom(seed);
    if (recordPath) {
        if (!openRecording(recordPath)) {
            snprintf(shared->fault, sizeof shared->fault, "cannot write the recording");
            _exit(2);
        }
        startRecording(seed);
        // "Game Over!" ends the match inside a tick: the end line goes first.
        haltHooks[HALT_HOOK_RECORDS] = finishRecording;
    }
    // Automatic play as the user turns it on, so a recording holds it.
    irr::SEvent space = {};
    space.EventType = irr::EET_KEY_INPUT_EVENT;
    space.KeyInput.Key = irr::KEY_SPACE;
    gameEventReceiver.OnEvent(space);

    while (matchTickNumber < MAX_MATCH_TICKS) {
        tickTimeOwed += step;
        for (int ticks = takeDueTicks(); ticks > 0; --ticks) {
            // Recorded before the tick: the tick that ends the match never returns.
            shared->ticks = matchTickNumber + 1;
            runMatchTick();
            // Resumed before the next tick, as the user would: the same ticks
            // follow whatever the frame time.
            if (paused) {
                ++shared->pauses;
                paused = false;
            }
            shared->stats = matchStats;
            shared->homeScore = matchClock.home_score;
            shared->awayScore = matchClock.away_score;
            if (const char* fault = findUnsoundRecord()) {
                snprintf(shared->fault, sizeof shared->fault, "tick %ld: %s", matchTickNumber, fault);
                _exit(3);
            }
        }
    }
    snprintf(shared->fault, sizeof shared->fault, "no final whistle after %ld ticks", MAX_MATCH_TICKS);
    _exit(4);
}

bool playHeadlessMatch(unsigned seed, int step, HeadlessResult& result, const char* recordPath)
{
    memset(&result, 0, sizeof result);
    void* memory = mmap(0, sizeof(HeadlessResult), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        snprintf(result.fault, sizeof result.fault, "no shared memory for the match");
        return false;
    }
    HeadlessResult* shared = static_cast<HeadlessResult*>(memory);
    memset(shared, 0, sizeof *shared);

    // The child's console comes back through a pipe, of which only the end is
    // kept: the last words tell the final whistle from any other halt.
    int console[2];
    if (pipe(console) != 0) {
        munmap(memory, sizeof(HeadlessResult));
        snprintf(result.fault, sizeof result.fault, "no pipe for the match's console");
        return false;
    }
    const auto start = std::chrono::steady_clock::now();
    fflush(stdout);
    const pid_t child = fork();
    if (child == 0) {
        close(console[0]);
        playInChild(seed, step, recordPath, shared, console[1]);
    }
    close(console[1]);
    char tail[64] = {0};
    const size_t keep = sizeof tail - 1;
    size_t tailLength = 0;
    char chunk[4096];
    for (ssize_t n; (n = read(console[0], chunk, sizeof chunk)) > 0;) {
        const size_t fresh = static_cast<size_t>(n) < keep ? static_cast<size_t>(n) : keep;
        const size_t kept = tailLength + fresh > keep ? keep - fresh : tailLength;
        memmove(tail, tail + tailLength - kept, kept);
        memcpy(tail + kept, chunk + n - fresh, fresh);
        tailLength = kept + fresh;
    }
    tail[tailLength] = 0;
    close(console[0]);
    int status = 0;
    const bool forked = child > 0 && waitpid(child, &status, 0) == child;
    result = *shared;
    result.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    munmap(memory, sizeof(HeadlessResult));

    if (!forked) {
        snprintf(result.fault, sizeof result.fault, "could not start the match");
        return false;
    }
    static const char FINAL_WHISTLE[] = "Game Over!\nhalting";
    const size_t whistle = sizeof FINAL_WHISTLE - 1;
    result.gameOver = WIFEXITED(status) && WEXITSTATUS(status) == 1 && tailLength >= whistle &&
                      strcmp(tail + tailLength - whistle, FINAL_WHISTLE) == 0;
    if (!result.gameOver && result.fault[0] == 0)
        snprintf(result.fault, sizeof result.fault, "the match ended otherwise (status %d, last words \"%s\")",
                 status, tail);
    return result.gameOver && result.fault[0] == 0;
}

// A level-1 message during a replay: "Game Over!" ends the recorded match
// here too, and the verdict is the exit status.
static void judgeReplayAtHalt()
{
    fflush(stdout);
    std::_Exit(finishReplay());
}

int playReplay()
{
    seedRandom(replaySeed());
    bikerSwitch = replayBikerSwitch();
    // No frames here: tick after tick, each after the keys that came before it.
    while (matchTickNumber < replayEndTick()) {
        applyReplayedKeys(matchTickNumber + 1);
        // The recorded match ran this tick, so it was not paused here.
        if (paused || replayDivergedAt())
            break;
        runMatchTick();
    }
    if (!replayDivergedAt() && !paused)
        applyReplayedKeys(replayEndTick() + 1);
    return finishReplay();
}

int replayHeadless(const char* path)
{
    if (!loadReplay(path, "skorvane-sim"))
        return 2;
    if (!buildHeadlessGame()) {
        fprintf(stderr, "skorvane-sim: no null-driver device\n");
        return 2;
    }
    haltHooks[HALT_HOOK_RECORDS] = judgeReplayAtHalt;
    const int verdict = playReplay();
    haltHooks[HALT_HOOK_RECORDS] = 0;
    return verdict;
}
