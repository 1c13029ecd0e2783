// The match keeps game time, not frame time: the same ticks at any frame rate.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "app/frame_loop.h"
#include "app/startup.h"
#include "core/engine.h"
#include "core/playback.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_state.h"
#include "players/player.h"
#include "players/track.h"
#include "test_support.h"
#include "ui/input.h"

namespace {

// A game second is 20 ticks of 20 ms.
const int GAME_MINUTE_TICKS = 60 * 20;

// What one game minute left behind.
struct MinuteEnd {
    std::uint64_t digest;
    long ticks;
    int clock[4];
    float ballTheta;
    float h5Theta;
    int a3Hp;
};

class GameTimeTest : public NullDeviceTest {
protected:
    static void release(irr::EKEY_CODE key, bool control = false) { sendKey(key, control); }

    // A new game on a fresh device, both teams sent out, the ball fired and
    // automatic play on; then frames of `frameMs` drawn until the real time
    // for one game minute at the match's speed 2^speedStep has passed, the
    // clock driven by hand.
    MinuteEnd playOneMinute(int frameMs, int speedStep = 0)
    {
        TearDown();
        SetUp();
        useDevice(device);
        captureStdout([&] {
            buildGame();
            seedRandom(1208);
            release(irr::KEY_KEY_O, true);
            release(irr::KEY_TAB);
            release(irr::KEY_KEY_O, true);
            release(irr::KEY_SPACE);
            release(irr::KEY_KEY_B);
            clearFrameStatistics(0);
            matchSpeedStep = speedStep;
            irr::s32 now = 0;
            const irr::s32 minute = static_cast<irr::s32>(GAME_MINUTE_TICKS * TICK_MS / matchSpeed());
            while (now < minute) {
                const irr::s32 frame = minute - now < frameMs ? minute - now : frameMs;
                if (countFrame(now += frame))
                    simulateAndDraw();
            }
        });
        return MinuteEnd{matchDigest(),
                         matchTickNumber,
                         {matchClock.min_tens, matchClock.min_units, matchClock.sec_tens, matchClock.sec_units},
                         ball.theta,
                         home_players[5].theta,
                         away_players[3].hp};
    }
};

TEST_F(GameTimeTest, OneGameMinuteLeavesTheSameMatchAtAnyFrameRate)
{
    const MinuteEnd reference = playOneMinute(20);
    EXPECT_EQ(GAME_MINUTE_TICKS, reference.ticks);
    // Fired on the first tick: a minute later the clock reads 19:00.
    EXPECT_EQ(1, reference.clock[0]);
    EXPECT_EQ(9, reference.clock[1]);
    EXPECT_EQ(0, reference.clock[2]);
    EXPECT_EQ(0, reference.clock[3]);
    EXPECT_NE(0.0f, reference.h5Theta) << "the players must have been on the move";
    for (int frameMs : {1, 7, 33}) {
        SCOPED_TRACE(frameMs);
        const MinuteEnd end = playOneMinute(frameMs);
        EXPECT_EQ(reference.ticks, end.ticks);
        EXPECT_EQ(reference.digest, end.digest);
        EXPECT_EQ(reference.ballTheta, end.ballTheta);
        EXPECT_EQ(reference.h5Theta, end.h5Theta);
        EXPECT_EQ(reference.a3Hp, end.a3Hp);
    }
}

// Faster or slower, the ticks are the same ticks: only how many run to a
// drawn frame changes.
TEST_F(GameTimeTest, OneGameMinuteLeavesTheSameMatchAtEverySpeed)
{
    const MinuteEnd reference = playOneMinute(20);
    for (int step = SLOWEST_SPEED_STEP; step <= FASTEST_SPEED_STEP; ++step) {
        SCOPED_TRACE(step);
        const MinuteEnd end = playOneMinute(step > 3 ? 20 : 13, step);
        EXPECT_EQ(reference.ticks, end.ticks);
        EXPECT_EQ(reference.digest, end.digest);
    }
}

TEST_F(GameTimeTest, FasterTheCapOfTicksAPassGrowsWithTheSpeedAndSlowerTimeIsOwedInParts)
{
    clearFrameStatistics(0);
    matchSpeedStep = FASTEST_SPEED_STEP;
    ASSERT_TRUE(countFrame(99)); // 99 ms at 32 times: 3168 ms, 158 ticks
    EXPECT_EQ(158, takeDueTicks());
    tickTimeOwed = 400.0f * TICK_MS;
    EXPECT_EQ(MAX_TICKS_PER_PASS * 32, takeDueTicks()) << "a stall's ticks beyond the cap are dropped";

    clearFrameStatistics(0);
    matchSpeedStep = SLOWEST_SPEED_STEP;
    int ticks = 0;
    for (irr::s32 now = 1; now <= 80; ++now) { // 80 ms of frames of 1 ms at a quarter: one tick
        ASSERT_TRUE(countFrame(now));
        ticks += takeDueTicks();
    }
    EXPECT_EQ(1, ticks);
    EXPECT_EQ(0.0f, tickTimeOwed);
}

TEST_F(GameTimeTest, LongFramesRunSeveralTicksShortOnesSomeNoneAndPausedTimeIsNotMadeUp)
{
    clearFrameStatistics(0);
    tickTimeOwed = 0;
    ASSERT_TRUE(countFrame(7));
    EXPECT_EQ(0, takeDueTicks());
    ASSERT_TRUE(countFrame(14));
    EXPECT_EQ(0, takeDueTicks());
    ASSERT_TRUE(countFrame(21));
    EXPECT_EQ(1, takeDueTicks());
    EXPECT_EQ(1, tickTimeOwed);
    ASSERT_TRUE(countFrame(120)); // 99 ms
    EXPECT_EQ(5, takeDueTicks());
    EXPECT_EQ(0, tickTimeOwed);
    EXPECT_FALSE(countFrame(220)); // a stall of 100 ms is dropped whole
    EXPECT_EQ(0, takeDueTicks());

    // More owed than a pass may run: the rest goes, as a stall does.
    tickTimeOwed = 20 * TICK_MS + 3;
    EXPECT_EQ(MAX_TICKS_PER_PASS, takeDueTicks());
    EXPECT_EQ(3, tickTimeOwed);

    paused = true;
    ASSERT_TRUE(countFrame(260));
    EXPECT_EQ(0, takeDueTicks());
    paused = false;
    ASSERT_TRUE(countFrame(270));
    EXPECT_EQ(0, takeDueTicks()) << "the 40 ms spent paused are not made up";
}

} // namespace
