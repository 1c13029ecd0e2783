// A match recorded with the keys of a user plays back as the same match; a
// command moved by one tick is caught at that tick; recordings of the keys'
// codes (version 1) play as recordings of the commands; damaged files are
// refused.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "app/frame_loop.h"
#include "app/headless_match.h"
#include "app/recording.h"
#include "app/replay.h"
#include "app/startup.h"
#include "app/tick_driver.h"
#include "core/engine.h"
#include "core/playback.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/selection.h"
#include "players/player.h"
#include "test_support.h"
#include "ui/cameras.h"
#include "ui/input.h"

namespace {

struct ScriptedKey {
    long tick;
    irr::EKEY_CODE key;
    bool control;
};

// Both teams out with automatic play, the ball fired, skater 5 chased and
// steered, a pause with a stop inside it, the ball put back and fired again,
// another player picked and sent lapping.
const ScriptedKey SCRIPT[] = {
    {1, irr::KEY_SPACE, false},  {1, irr::KEY_KEY_O, true},   {1, irr::KEY_TAB, false},
    {2, irr::KEY_KEY_O, true},   {5, irr::KEY_KEY_B, false},  {300, irr::KEY_KEY_5, false},
    {400, irr::KEY_KEY_V, false}, {400, irr::KEY_KEY_V, false}, {400, irr::KEY_KEY_V, false},
    {401, irr::KEY_RIGHT, false}, {420, irr::KEY_LEFT, false}, {450, irr::KEY_KEY_P, false},
    {450, irr::KEY_KEY_S, false}, {450, irr::KEY_KEY_P, false}, {600, irr::KEY_KEY_I, false},
    {650, irr::KEY_KEY_B, false}, {700, irr::KEY_KEY_7, false}, {700, irr::KEY_KEY_L, false},
};
constexpr long SCRIPT_TICKS = 1200;
constexpr unsigned SCRIPT_SEED = 77;

class ReplayTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        path = std::string("/tmp/skorvane-replay-test-") + std::to_string(getpid()) + ".rec";
    }

    void TearDown() override
    {
        closeReplay();
        std::remove(path.c_str());
        NullDeviceTest::TearDown();
    }

    // The script played through the receiver, as a user's keys, and recorded;
    // or given as the keys' commands, as the headless runner gives its own.
    void recordScript(bool asKeys = true)
    {
        ASSERT_TRUE(openRecording(path.c_str()));
        rebuildGame();
        seedRandom(SCRIPT_SEED);
        startRecording(SCRIPT_SEED);
        captureStdout([asKeys] {
            size_t next = 0;
            while (matchTickNumber < SCRIPT_TICKS) {
                for (; next < sizeof SCRIPT / sizeof SCRIPT[0] && SCRIPT[next].tick == matchTickNumber + 1; ++next) {
                    const irr::SEvent event = keyEvent(SCRIPT[next].key, SCRIPT[next].control);
                    MatchCommand command;
                    if (asKeys)
                        gameEventReceiver.OnEvent(event);
                    else if (commandOfKey(SCRIPT[next].key, SCRIPT[next].control, command))
                        issueMatchCommand(command);
                }
                if (paused)
                    paused = false; // a report's pause, resumed as a user would (not recorded)
                runTicks(1);
            }
        });
        finishRecording();
    }

    int replay(long* divergedAt = 0)
    {
        closeReplay();
        if (!loadReplay(path.c_str(), "test"))
            return 2;
        rebuildGame();
        int verdict = 0;
        captureStdout([&] { verdict = playReplay(); });
        if (divergedAt)
            *divergedAt = replayDivergedAt();
        return verdict;
    }

    std::string fileText() const
    {
        std::ifstream in(path);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void writeFile(const std::string& text) const
    {
        std::ofstream(path) << text;
    }

    std::string path;
};

TEST_F(ReplayTest, ARecordedMatchWithCommandsPlaysBackTheSameAndAKeyMovedByOneTickIsCaughtThere)
{
    recordScript();
    const std::string text = fileText();
    EXPECT_EQ(0u, text.find("skorvane recording 2\nseed 77\nbikers 0\nm 1 auto-play\nm 1 leave-seat ctrl\n"
                            "m 1 switch-team\nc 1 "))
        << text;
    EXPECT_NE(std::string::npos, text.find("\nend 1200 ")) << text;
    EXPECT_LT(text.size(), 2000u);
    EXPECT_EQ(0, replay());

    // The second B, pressed before tick 650, now comes before tick 651.
    const size_t at = text.find("m 650 fire-ball\n");
    ASSERT_NE(std::string::npos, at);
    std::string moved = text;
    moved.replace(at, 5, "m 651");
    writeFile(moved);
    long divergedAt = 0;
    EXPECT_EQ(1, replay(&divergedAt));
    EXPECT_EQ(650, divergedAt);

    // Another seed is another match from the first random draw on: the
    // launch speed of the B before tick 5.
    std::string reseeded = text;
    reseeded.replace(reseeded.find("seed 77"), 7, "seed 78");
    writeFile(reseeded);
    EXPECT_EQ(1, replay(&divergedAt));
    EXPECT_EQ(5, divergedAt);
}

TEST_F(ReplayTest, KeysAndTheirCommandsMakeTheSameRecording)
{
    recordScript(true);
    const std::string keys = fileText();
    recordScript(false);
    EXPECT_EQ(keys, fileText());
}

// The keys' codes of a version 1 recording are the commands the keys give
// today, so it plays the same match as the commands recorded by name.
TEST_F(ReplayTest, KeyCodesAndCommandNamesPlayTheSameMatch)
{
    recordScript();
    const std::string named = fileText();
    std::string coded = "skorvane recording 1\nseed 77\nbikers 0\n";
    for (const ScriptedKey& key : SCRIPT) {
        MatchCommand command;
        if (!commandOfKey(key.key, key.control, command))
            continue;
        coded += "k " + std::to_string(key.tick) + " " + std::to_string(key.key) + (key.control ? " 1\n" : " 0\n");
    }
    // The sound's M was recorded by the game before; it commands nothing.
    coded += "k 900 77 0\n";
    std::istringstream lines(named);
    for (std::string line; std::getline(lines, line);)
        if (line.compare(0, 2, "c ") == 0 || line.compare(0, 4, "end ") == 0)
            coded += line + "\n";
    writeFile(coded);
    EXPECT_EQ(0, replay());
}

TEST_F(ReplayTest, TheViewersKeysLeaveTheMatchAloneButQuitAndChangeTheirOwnView)
{
    writeFile("skorvane recording 1\nseed 5\nbikers 0\nk 1 86 0\nc 1 0123456789abcdef\n"
              "end 40 fedcba9876543210\n");
    ASSERT_TRUE(loadReplay(path.c_str(), "test"));
    rebuildGame();
    auto release = [](irr::EKEY_CODE key, bool control = false) { return sendKey(key, control); };
    const int pathBefore = home_players[5].path;
    captureStdout([&] {
        for (irr::EKEY_CODE key : {irr::KEY_KEY_B, irr::KEY_SPACE, irr::KEY_TAB, irr::KEY_KEY_7, irr::KEY_KEY_U,
                                   irr::KEY_KEY_C})
            EXPECT_FALSE(release(key)) << key;
        EXPECT_FALSE(release(irr::KEY_KEY_O, true));
    });
    EXPECT_FALSE(ball.live);
    EXPECT_FALSE(autoPlay);
    EXPECT_FALSE(paused);
    // P pauses the viewing; the match's own pauses are the recording's.
    EXPECT_TRUE(release(irr::KEY_KEY_P));
    EXPECT_TRUE(viewerPaused);
    EXPECT_FALSE(paused);
    EXPECT_EQ('H', selectedTeam);
    EXPECT_EQ(0, selectedPlayer);
    EXPECT_EQ(pathBefore, home_players[5].path) << "Ctrl+O sent nobody out";
    EXPECT_FALSE(release(irr::KEY_LEFT)) << "the arrows fly the free camera";

    // The recorded V drives the mode the match reads; the viewer's only the view.
    applyReplayedCommands(1);
    EXPECT_EQ(END_VIEW, cameraMode);
    EXPECT_EQ(END_VIEW, shownCameraMode());
    EXPECT_TRUE(release(irr::KEY_KEY_V));
    EXPECT_EQ(END_VIEW, cameraMode);
    EXPECT_EQ(BALL_CHASE, shownCameraMode());

    running = true;
    EXPECT_TRUE(release(irr::KEY_KEY_Q));
    EXPECT_FALSE(running);
}

TEST_F(ReplayTest, DamagedOrForeignFilesAreRefusedWithWhatIsWrong)
{
    const std::string sound = "skorvane recording 1\nseed 5\nbikers 0\nk 1 32 0\nc 1 0123456789abcdef\n"
                              "end 40 fedcba9876543210\n";
    writeFile(sound);
    closeReplay();
    ASSERT_TRUE(loadReplay(path.c_str(), "test"));
    EXPECT_EQ(5u, replaySeed());
    EXPECT_EQ(40, replayEndTick());

    const struct {
        std::string text;
        const char* says;
    } damaged[] = {
        {"", "is empty"},
        // Past the largest recording, by a byte: ended in bounds and refused whole.
        {"skorvane recording 2\n" + std::string((4 << 20) - 20, 'c') + "\n", "is far too long for a recording"},
        {sound.substr(0, sound.size() - 1), "cut short"},
        {sound.substr(0, sound.find("end")), "ends before its final digest"},
        {"GIF89a\x01\x02\n", "not a Skorvane recording"},
        {std::string("skorvane recording 1\n\0\0\0", 24), "not a Skorvane recording"},
        {"skorvane recording 3\nseed 5\n", "not a Skorvane recording"},
        {"skorvane recording 1\nseed -5\nbikers 0\nend 1 0123456789abcdef\n", "line 2: expected the seed"},
        {"skorvane recording 1\nseed 99999999999\nbikers 0\nend 1 0123456789abcdef\n", "line 2"},
        {"skorvane recording 1\nseed 5\nbikers 0\nk 1 999 0\nend 1 0123456789abcdef\n", "line 4: a key line"},
        {"skorvane recording 1\nseed 5\nbikers 0\nk 9 32 0\nk 3 32 0\nend 9 0123456789abcdef\n",
         "line 5: a key out of order"},
        {"skorvane recording 1\nseed 5\nbikers 0\nc 3 0123456789ABCDEF\nend 9 0123456789abcdef\n", "line 4"},
        {"skorvane recording 1\nseed 5\nbikers 0\nk 50 32 0\nend 9 0123456789abcdef\n",
         "the end comes before the last command"},
        {sound + "k 41 32 0\n", "text after the end line"},
        {"skorvane recording 1\nseed 5\nbikers 0\nend 999999999999 0123456789abcdef\n", "line 4: the end line"},
        {"skorvane recording 1\nseed 5\nbikers 0\n" + std::string(500, 'k') + "\n", "line 4: a line far too long"},
        {"skorvane recording 1\nseed 5\nbikers 0\nm 1 auto-play\nend 1 0123456789abcdef\n",
         "line 4: a line of no known kind"},
        {"skorvane recording 2\nseed 5\nbikers 0\nk 1 32 0\nend 1 0123456789abcdef\n",
         "line 4: a line of no known kind"},
        {"skorvane recording 2\nseed 5\nbikers 0\nm 1 fly-away\nend 1 0123456789abcdef\n", "line 4: a command line"},
        {"skorvane recording 2\nseed 5\nbikers 0\nm 1 select-player 12\nend 1 0123456789abcdef\n",
         "line 4: a command line"},
        {"skorvane recording 2\nseed 5\nbikers 0\nm 1 select-team X\nend 1 0123456789abcdef\n",
         "line 4: a command line"},
        {"skorvane recording 2\nseed 5\nbikers 0\nm 1 fire-ball ctrl\nend 1 0123456789abcdef\n",
         "line 4: a command line"},
        {"skorvane recording 2\nseed 5\nbikers 0\nm 9 stop\nm 3 stop ctrl\nend 9 0123456789abcdef\n",
         "line 5: a command out of order"},
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.text);
        writeFile(d.text);
        closeReplay();
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(loadReplay(path.c_str(), "test"));
        const std::string said = ::testing::internal::GetCapturedStderr();
        // Another program's file is named so; one of ours is damaged at a line.
        const std::string says = d.says;
        const std::string kind = says.compare(0, 3, "is ") == 0 ? " " + says + "\n"
                                 : says == "not a Skorvane recording" ? " is not a Skorvane recording\n"
                                                                       : " is damaged: line ";
        EXPECT_EQ(0u, said.find("test: " + path + kind)) << said;
        EXPECT_NE(std::string::npos, said.find(d.says)) << said;
        EXPECT_FALSE(replayingMatch());
    }
}

} // namespace
