// What the arena sounds like, through a recorder instead of a device: every
// match event is asked for once, where it happened, however many ticks run
// between two frames; the loops follow the play; M mutes and says so.
#include <cstdlib>

#include "app/frame_loop.h"
#include "core/engine.h"
#include "core/random.h"
#include "match/contact.h"
#include "match/match_events.h"
#include "match/passing.h"
#include "match_support.h"
#include "ui/input.h"
#include "ui/notice.h"
#include "ui/result_panel.h"
#include "ui/sound.h"

namespace {

using irr::core::vector3df;

struct Request {
    SoundId sound;
    vector3df at;
};

// Keeps what was asked of it; never allocates, like the game.
class Recorder : public SoundOutput {
public:
    void play(SoundId sound, const vector3df& at) override
    {
        if (count < CAPACITY)
            requests[count] = {sound, at};
        ++count;
        if (announce)
            printf("sound %s\n", soundFiles[sound].name);
    }
    void loop(SoundId sound, const vector3df&, bool around, float pitch, float gain) override
    {
        loopGain[sound] = gain;
        loopPitch[sound] = pitch;
        loopAround[sound] = around;
    }
    void listen(const vector3df& position, const vector3df& forward, const vector3df&) override
    {
        listener = position;
        facing = forward;
    }
    void mute(bool m) override { muted = m; }
    void silence() override { ++silenced; }
    bool sounding(SoundId) override { return soundingCalls++ < 3; }

    int of(SoundId sound) const
    {
        int n = 0;
        for (int i = 0; i < count && i < CAPACITY; ++i)
            n += requests[i].sound == sound;
        return n;
    }
    const Request* find(SoundId sound) const
    {
        for (int i = 0; i < count && i < CAPACITY; ++i)
            if (requests[i].sound == sound)
                return &requests[i];
        return 0;
    }

    static constexpr int CAPACITY = 4096;
    Request requests[CAPACITY];
    int count = 0;
    float loopGain[SOUND_COUNT] = {};
    float loopPitch[SOUND_COUNT] = {};
    bool loopAround[SOUND_COUNT] = {};
    vector3df listener, facing;
    bool muted = false;
    bool announce = false;
    int soundingCalls = 0;
    int silenced = 0; // calls of silence()
};

class SoundTest : public MatchOnDeviceTest {
protected:
    void SetUp() override
    {
        MatchOnDeviceTest::SetUp();
        clearMatchEvents();
        useSoundOutput(&recorder);
    }
    void TearDown() override
    {
        useSoundOutput(0);
        MatchOnDeviceTest::TearDown();
    }

    // What the match asked for since the last call.
    Recorder& heard()
    {
        recorder.count = 0;
        presentMatchEvents(recorder);
        return recorder;
    }

    // One request of `sound` and none other, at `at`.
    void expectOnly(SoundId sound, const vector3df& at, const char* what)
    {
        Recorder& r = heard();
        ASSERT_EQ(1, r.count) << what;
        EXPECT_EQ(sound, r.requests[0].sound) << what;
        EXPECT_LT(r.requests[0].at.getDistanceFrom(at), 1.0f) << what;
    }

    Recorder recorder;
};

vector3df at(const Player& p)
{
    return p.position;
}

TEST_F(SoundTest, EachMatchEventIsHeardOnceWhereItHappened)
{
    // The first firing opens the period: a whistle and the launcher, at the ball.
    fireBall();
    Recorder& fired = heard();
    ASSERT_EQ(2, fired.count);
    EXPECT_EQ(1, fired.of(SOUND_PERIOD_WHISTLE));
    EXPECT_EQ(1, fired.of(SOUND_FIRED));
    EXPECT_LT(fired.find(SOUND_FIRED)->at.getDistanceFrom(ball.position), 1.0f);
    fireBall(); // the clock runs: no whistle this time
    expectOnly(SOUND_FIRED, ball.position, "second firing");

    Player& catcher = home_players[3];
    makeSlowBall(2000, 1.0f);
    placeBesideBall(catcher, 60);
    ASSERT_TRUE(ballImpact(catcher));
    expectOnly(SOUND_CATCH, at(catcher), "catch");

    Player& skater = home_players[5];
    placeOnTrack(skater, catcher.r + 80, catcher.theta);
    ASSERT_TRUE(tryPass(catcher, skater));
    expectOnly(SOUND_PASS, at(skater), "pass, heard at the receiver");

    ball.holder = 0;
    Player& struck = away_players[6];
    makeSlowBall(2200, 2.0f);
    placeBesideBall(struck, 30);
    ASSERT_TRUE(ballImpact(struck)); // 100 − 33: hit, not crit
    expectOnly(SOUND_BALL_HIT, at(struck), "ball hit");

    // Two skaters clash: one blow, halfway between them.
    Player& h = home_players[7];
    Player& a = away_players[7];
    placeOnTrack(h, 2000, 3.0f);
    placeOnTrack(a, 2050, 3.0f);
    bump(h, a);
    expectOnly(SOUND_CLASH, (at(h) + at(a)) * 0.5f, "clash");

    // A biker runs a skater over: the harder blow and the skater's crit where
    // the skater is, the penalty whistle where the biker is.
    Player& biker = home_players[1];
    Player& victim = away_players[8];
    placeOnTrack(biker, 2300, 4.0f);
    placeOnTrack(victim, 2330, 4.0f);
    const vector3df victimAt = at(victim), bikerAt = at(biker);
    bump(biker, victim);
    Recorder& runOver = heard();
    EXPECT_EQ(3, runOver.count);
    ASSERT_EQ(1, runOver.of(SOUND_RUN_OVER));
    ASSERT_EQ(1, runOver.of(SOUND_CRIT));
    ASSERT_EQ(1, runOver.of(SOUND_PENALTY_WHISTLE));
    EXPECT_EQ(0, runOver.of(SOUND_CLASH));
    EXPECT_LT(runOver.find(SOUND_RUN_OVER)->at.getDistanceFrom(victimAt), 1.0f);
    EXPECT_LT(runOver.find(SOUND_CRIT)->at.getDistanceFrom(victimAt), 1.0f);
    EXPECT_LT(runOver.find(SOUND_PENALTY_WHISTLE)->at.getDistanceFrom(bikerAt), 1.0f);

    // A death is heard once; hitting the dead again is no second death.
    Player& dying = away_players[9];
    placeOnTrack(dying, 2400, 5.0f);
    dying.hp = 10;
    dying.change_condition(-33);
    expectOnly(SOUND_DEATH, at(dying), "death");
    dying.change_condition(-33);
    EXPECT_EQ(0, heard().count) << "the dead die once";

    // A goal and a miss, at the scorer.
    Player& scorer = home_players[6];
    ball.holder = &scorer;
    placeOnTrack(scorer, 2760, 3.10f, TRYING_TO_SCORE);
    scorer.target_zt = 1.0f;
    const vector3df goalAt = at(scorer);
    update_player('H', 6);
    ASSERT_EQ(1, matchClock.home_score);
    expectOnly(SOUND_GOAL, goalAt, "goal");

    Player& misser = away_players[5];
    ball.holder = &misser;
    placeOnTrack(misser, 2760, 1.0f, TRYING_TO_SCORE);
    misser.target_zt = -0.01f;
    const vector3df missAt = at(misser);
    update_player('A', 5);
    ASSERT_STREQ("A5 misses the shot!", getCommentary());
    expectOnly(SOUND_MISS, missAt, "miss");

    // The clock runs out: the period's whistle, from the middle of the arena.
    matchClock.min_tens = matchClock.min_units = matchClock.sec_tens = matchClock.sec_units = 0;
    matchClock.counting = true;
    matchClock.tick_second();
    Recorder& end = heard();
    ASSERT_EQ(1, end.count);
    EXPECT_EQ(SOUND_PERIOD_WHISTLE, end.requests[0].sound);
    EXPECT_LT(end.requests[0].at.X * end.requests[0].at.X + end.requests[0].at.Z * end.requests[0].at.Z, 1.0f);
}

TEST_F(SoundTest, TheFinalWhistleSoundsBeforeTheProgramEnds)
{
    recorder.announce = true;
    matchClock.period = 3;
    matchClock.min_tens = matchClock.min_units = matchClock.sec_tens = matchClock.sec_units = 0;
    matchClock.counting = true;
    // The last second of the last period falls in the next tick the frame runs.
    clockTickCounter = 20 - 1; // a game second is 20 ticks
    tickTimeOwed = TICK_MS;
    // The whistle sounds over the result; the program ends when the user answers it.
    EXPECT_HALTS(
        {
            simulateAndDraw();
            resultPanelDismissed = true;
            simulateAndDraw();
        },
        "Final score: HOU 0 - 0 MAD(.|\n)*sound period_whistle.wav\nsound game_over.wav(.|\n)*Game Over!\nhalting");
}

// What the match did in one tick, seen from its records rather than its
// tally: a firing as the ball comes alive, a goal as the score moves, a catch
// as a catcher takes the ball from nobody, a death as a player's state turns
// dead, a penalty as a player's time to serve goes up.
struct Seen {
    int fired = 0, goals = 0, caught = 0, deaths = 0, penalties = 0;
};

struct Before {
    bool live = false;
    int goals = 0;
    const Player* holder = 0;
    int paths[2][TEAM_SIZE] = {};
    int penalties[2][TEAM_SIZE] = {};
};

Before takeBefore()
{
    Before b;
    b.live = ball.live;
    b.goals = matchClock.home_score + matchClock.away_score;
    b.holder = ball.holder;
    for (int n = 0; n < TEAM_SIZE; ++n) {
        b.paths[0][n] = home_players[n].path;
        b.paths[1][n] = away_players[n].path;
        b.penalties[0][n] = home_players[n].penalty;
        b.penalties[1][n] = away_players[n].penalty;
    }
    return b;
}

void noteWhatHappened(const Before& b, Seen& seen)
{
    seen.fired += !b.live && ball.live;
    seen.goals += matchClock.home_score + matchClock.away_score - b.goals;
    seen.caught += !b.holder && ball.holder && ball.holder->type == Catcher;
    for (int n = 0; n < TEAM_SIZE; ++n) {
        const Player* team[2] = {&home_players[n], &away_players[n]};
        for (int t = 0; t < 2; ++t) {
            seen.deaths += b.paths[t][n] != DEAD && team[t]->path == DEAD;
            seen.penalties += team[t]->penalty > b.penalties[t][n];
        }
    }
}

// A frame may run many ticks: whatever the match did in them is heard, each
// event once. Played until the stretch has had a goal, a death and a
// penalty in it; whole matches are the headless runner's.
TEST_F(SoundTest, EveryEventOfAStretchOfPlayIsHeardOnce)
{
    seedRandom(77);
    autoPlay = true;
    Seen seen;
    int fired = 0, caught = 0, passed = 0, penalties = 0, deaths = 0, goals = 0, misses = 0, clashes = 0;
    // Never as far as the end of the third period, which ends the program.
    const int longest = 150000;
    int tick = 1;
    for (; tick <= longest; ++tick) {
        const Before before = takeBefore();
        matchTick();
        ASSERT_FALSE(paused) << getCommentary();
        noteWhatHappened(before, seen);
        if (tick % 7 != 0 && tick != longest)
            continue; // several ticks to one frame
        Recorder& r = heard();
        ASSERT_LT(r.count, MATCH_EVENT_CAPACITY) << "the buffer must hold a frame's events";
        fired += r.of(SOUND_FIRED);
        caught += r.of(SOUND_CATCH);
        passed += r.of(SOUND_PASS);
        penalties += r.of(SOUND_PENALTY_WHISTLE);
        deaths += r.of(SOUND_DEATH);
        goals += r.of(SOUND_GOAL);
        misses += r.of(SOUND_MISS);
        clashes += r.of(SOUND_CLASH) + r.of(SOUND_RUN_OVER);
        if (seen.goals > 0 && seen.deaths > 0 && seen.penalties > 0 && goals + misses > 0)
            break;
    }
    ASSERT_LT(tick, longest) << "no goal, death and penalty in the stretch";
    EXPECT_EQ(seen.fired, fired);
    EXPECT_EQ(seen.goals, goals);
    EXPECT_EQ(seen.caught, caught);
    EXPECT_EQ(seen.deaths, deaths);
    EXPECT_EQ(seen.penalties, penalties);
    // Every catch is passed on, dropped or knocked loose: never more passes than catches.
    EXPECT_LE(passed, caught);
    EXPECT_GT(clashes, 0);
    printf("heard in %d ticks: %d firings, %d catches, %d passes, %d blows, %d penalties, %d deaths, %d goals, "
           "%d misses\n",
           tick, fired, caught, passed, clashes, penalties, deaths, goals, misses);
}

TEST_F(SoundTest, RollingBallAndCrowdFollowThePlay)
{
    float pitch, gain;
    rollingLevel(pitch, gain);
    EXPECT_EQ(0.0f, gain) << "a dead ball is silent";

    fireBall();
    ball.r = 2860;
    rollingLevel(pitch, gain);
    const float firedPitch = pitch, firedGain = gain;
    EXPECT_GT(firedGain, 0.9f);
    makeSlowBall(2000, 1.0f, -0.0005f); // about 1 cm/ms down the bank
    rollingLevel(pitch, gain);
    EXPECT_GT(gain, 0.0f);
    EXPECT_LT(gain, firedGain);
    EXPECT_LT(pitch, firedPitch);
    paused = true;
    rollingLevel(pitch, gain);
    EXPECT_EQ(0.0f, gain) << "a paused match is still";
    paused = false;

    const float loose = crowdLevel();
    Player& scorer = home_players[5];
    ball.holder = &scorer;
    rollingLevel(pitch, gain);
    EXPECT_EQ(0.0f, gain) << "a carried ball does not roll";
    placeOnTrack(scorer, 2760, 1.0f, TRYING_TO_SCORE);
    EXPECT_GT(crowdLevel(), loose) << "a run for goal lifts the crowd";
    resetBall();
    EXPECT_LT(crowdLevel(), loose) << "a dead ball lets it settle";

    // A frame later the loops and the listener are set: the crowd all about,
    // the listener at the active camera, looking where it looks.
    irr::scene::ICameraSceneNode* camera =
        sceneManager->addCameraSceneNode(0, vector3df(0, 1200, 0), vector3df(0, 0, 10));
    sceneManager->setActiveCamera(camera);
    updateSoundAt(1000);
    EXPECT_TRUE(recorder.loopAround[SOUND_CROWD]);
    EXPECT_FALSE(recorder.loopAround[SOUND_ROLLING]);
    EXPECT_GT(recorder.loopGain[SOUND_CROWD], 0.0f);
    EXPECT_EQ(vector3df(0, 1200, 0), recorder.listener);
    EXPECT_LT(recorder.facing.Y, -0.99f);
}

TEST_F(SoundTest, MMutesAndSaysSoBriefly)
{
    setCommentary("H3 catches ball!");
    irr::SEvent release = keyEvent(irr::KEY_KEY_M);
    // The key reads the clock itself: the readings just before and after it
    // bound the notice's start, however slowly this runs.
    irr::s32 before = readClock();
    EXPECT_TRUE(handleKey(&release));
    irr::s32 after = readClock();
    EXPECT_TRUE(recorder.muted);
    EXPECT_TRUE(soundMuted());
    EXPECT_STREQ("Sound off", getCommentary());
    holdNotice(before + NOTICE_MS - 1);
    EXPECT_STREQ("Sound off", getCommentary()) << "shown a while";
    holdNotice(after + NOTICE_MS);
    EXPECT_STREQ("H3 catches ball!", getCommentary()) << "then the match's line comes back";

    // Unmuting says so too, even while the match narrates; the match's last
    // line follows it.
    before = readClock();
    EXPECT_TRUE(handleKey(&release));
    after = readClock();
    EXPECT_FALSE(recorder.muted);
    EXPECT_STREQ("Sound on", getCommentary());
    setCommentary("Ball knocked loose!");
    setCommentary("A4 catches ball!");
    holdNotice(before + NOTICE_MS - 1);
    EXPECT_STREQ("Sound on", getCommentary());
    holdNotice(after + NOTICE_MS);
    EXPECT_STREQ("A4 catches ball!", getCommentary());
}

} // namespace
