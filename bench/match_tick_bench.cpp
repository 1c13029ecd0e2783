// Time per match tick with all twenty players lapping the bank and the ball in
// play, on the null driver with the game's real scene.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/frame_loop.h"
#include "app/startup.h"
#include "core/engine.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/track.h"

namespace {

constexpr int TICKS_PER_BATCH = 1000;  // 20 s of play from the same start

// Everything a tick changes, so each batch starts from the same moment of play.
struct Snapshot {
    Player home[TEAM_SIZE], away[TEAM_SIZE];
    irr::core::vector3df homeNode[TEAM_SIZE], awayNode[TEAM_SIZE];
    Ball ballRecord;
    irr::core::vector3df ballNode;
    MatchClock clock;
    int clockTicks, autoFires;
    MatchStats stats;
};

Snapshot start;

void save(Snapshot& s)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        s.home[i] = home_players[i];
        s.away[i] = away_players[i];
        s.homeNode[i] = home_players[i].node->getPosition();
        s.awayNode[i] = away_players[i].node->getPosition();
    }
    s.ballRecord = ball;
    s.ballNode = ball.node->getPosition();
    s.clock = matchClock;
    s.clockTicks = clockTickCounter;
    s.autoFires = autoFireCounter;
    s.stats = matchStats;
}

void restore(const Snapshot& s)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        home_players[i] = s.home[i];
        away_players[i] = s.away[i];
        home_players[i].node->setPosition(s.homeNode[i]);
        away_players[i].node->setPosition(s.awayNode[i]);
    }
    ball = s.ballRecord;
    ball.node->setPosition(s.ballNode);
    matchClock = s.clock;
    clockTickCounter = s.clockTicks;
    autoFireCounter = s.autoFires;
    matchStats = s.stats;
    paused = false;
}

// Builds the game on the null driver and puts all twenty players on the bank,
// spread evenly round the track, lapping, with the ball just fired.
bool setUpMatch()
{
    if (chdir(SKORVANE_RUN_DIR) != 0)
        return false;
    irr::SIrrlichtCreationParameters params;
    params.DriverType = irr::video::EDT_NULL;
    params.LoggingLevel = irr::ELL_NONE;
    irr::IrrlichtDevice* engine = irr::createDeviceEx(params);
    if (!engine)
        return false;
    seedRandom(2024);
    useDevice(engine);
    buildGame();
    autoPlay = true;
    for (int i = 0; i < 2 * TEAM_SIZE; ++i) {
        Player& p = (i % 2 == 0) ? home_players[i / 2] : away_players[i / 2];
        const float theta = TWO_PI_F * static_cast<float>(i) / (2 * TEAM_SIZE);
        const float r = 1800.0f + 50.0f * static_cast<float>(i % 5);
        p.node->setPosition(irr::core::vector3df(r * cosf(theta), bankHeight(r), r * sinf(theta)));
        p.start_lapping(0.5f);
    }
    fireBall();
    // Let the field settle into its laps before the clock starts on us.
    for (int i = 0; i < 50; ++i)
        matchTick();
    save(start);
    return true;
}

void BM_MatchTick(benchmark::State& state)
{
    static const bool ready = setUpMatch();
    if (!ready) {
        state.SkipWithError("cannot build the game on the null driver");
        return;
    }
    long ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        restore(start);
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

} // namespace

BENCHMARK_MAIN();
