// Time per match tick with all twenty players lapping the bank and the ball in
// play, and the time to keep and put back the whole match state. The
// simulation needs no engine: neither does this.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cmath>
#include <cstdlib>

#include "app/headless_match.h"
#include "app/playback.h"
#include "app/replay.h"
#include "core/random.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "players/player.h"
#include "players/track.h"

namespace {

constexpr int TICKS_PER_BATCH = 1000;  // 20 s of play from the same start

// The moment of play every batch starts from.
MatchState start;

// All twenty players on the bank, spread evenly round the track, lapping,
// with the ball just fired.
void setUpMatch()
{
    clearMatchState();
    seedRandom(2024);
    newGame();
    autoPlay = true;
    for (int i = 0; i < 2 * TEAM_SIZE; ++i) {
        Player& p = (i % 2 == 0) ? home_players[i / 2] : away_players[i / 2];
        const float theta = TWO_PI_F * static_cast<float>(i) / (2 * TEAM_SIZE);
        const float r = 1800.0f + 50.0f * static_cast<float>(i % 5);
        p.position.set(r * cosf(theta), bankHeight(r), r * sinf(theta));
        p.start_lapping(0.5f);
    }
    fireBall();
    // Let the field settle into its laps before the clock starts on us.
    for (int i = 0; i < 50; ++i)
        matchTick();
    keepMatchState(start);
}

void BM_MatchTick(benchmark::State& state)
{
    setUpMatch();
    long ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restoreMatchState(start);
        paused = false;
        state.ResumeTiming();
        for (int i = 0; i < TICKS_PER_BATCH; ++i)
            matchTick();
        ticks += TICKS_PER_BATCH;
    }
    int onTrack = 0;
    for (int i = 0; i < TEAM_SIZE; ++i)
        onTrack += (home_players[i].lane != 0) + (away_players[i].lane != 0);
    state.counters["tick"] = benchmark::Counter(static_cast<double>(ticks),
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["on_track_at_end"] = onTrack;
}
BENCHMARK(BM_MatchTick)->Unit(benchmark::kMillisecond);

// A copy of the whole match aside and back: what seeking and stepping back pay.
void BM_KeepAndRestoreMatchState(benchmark::State& state)
{
    setUpMatch();
    MatchState copy;
    for (auto _ : state) {
        keepMatchState(copy);
        restoreMatchState(copy);
        benchmark::DoNotOptimize(copy);
    }
    state.counters["bytes"] = sizeof(MatchState);
}
BENCHMARK(BM_KeepAndRestoreMatchState);

// A whole recorded match (seed 3), loaded to be played back on the null driver.
bool loadWholeMatch()
{
    static bool loaded = false;
    if (loaded)
        return true;
    char path[] = "/tmp/skorvane-seek-bench-XXXXXX";
    const int file = mkstemp(path);
    if (file < 0)
        return false;
    close(file);
    HeadlessResult result;
    if (chdir(SKORVANE_RUN_DIR) != 0 || !playHeadlessMatch(3, 20, result, path) || !loadReplay(path, "bench"))
        return false;
    unlink(path);
    loaded = true;
    return true;
}

// From the first tick to the last of a match never played before: every
// copy on the way is made, every tick run. The longest jump there is.
void BM_SeekAWholeMatchFromItsStart(benchmark::State& state)
{
    if (!loadWholeMatch()) {
        state.SkipWithError("cannot record and load a match");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        clearMatchState();
        seedRandom(replaySeed());
        newGame();
        rewindReplayTo(0);
        startPlayback();
        state.ResumeTiming();
        seekReplay(replayEndTick());
    }
    state.counters["ticks"] = static_cast<double>(matchTickNumber);
}
BENCHMARK(BM_SeekAWholeMatchFromItsStart)->Unit(benchmark::kMillisecond);

// Jumps back and forth in a match whose copies are all made.
void BM_SeekWithinAPlayedMatch(benchmark::State& state)
{
    if (!loadWholeMatch()) {
        state.SkipWithError("cannot record and load a match");
        return;
    }
    long target = 0;
    for (auto _ : state) {
        target = (target + 27791) % replayEndTick();
        seekReplay(target);
    }
}
BENCHMARK(BM_SeekWithinAPlayedMatch)->Unit(benchmark::kMillisecond);

} // namespace
BENCHMARK_MAIN();
