// A player as text: the readout, the state line and the console dumps.
#include <climits>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>

#include "core/engine.h"
#include "match_support.h"
#include "players/player_dump.h"
#include "ui/readouts.h"

namespace {


class ReadoutTest : public MatchOnDeviceTest {
protected:
    void SetUp() override
    {
        MatchOnDeviceTest::SetUp();
        newGame();
        line = device->getGUIEnvironment()->addStaticText(L"", irr::core::rect<irr::s32>(0, 0, 160, 50));
    }
    std::wstring stateLine(const Player& p)
    {
        writeStateLine(p, line);
        return line->getText();
    }
    irr::gui::IGUIStaticText* line = 0;
};

TEST_F(ReadoutTest, ReadoutAndDumpOfAPlayerOnTheTrack)
{
    Player& p = home_players[3];
    placeOnTrack(p, 2500.0f, PI_F / 2);
    p.pms = 0.5f;
    p.power = 0.00123f;    // shown in 1/10000 per ms
    p.exertion = 72000.0f; // shown in units of 36000
    // 1 cm/ms along the track is 22.37 mph; 0.1 cm/ms outwards is not counted in it.
    p.mass = 100.0f;
    p.zt_dt = 0.0004f;
    p.xr_dt = 0.1f;
    // Kinetic 100 / 2 x (0.1² + 1²) = 50.5; potential 100 x 0.00098 x tan(18°) x 900 = 28.66.
    wchar_t readout[STATE_TEXT_SIZE];
    formatReadout(p, readout);
    // The readout is ASCII; matched narrow, as the console dump is.
    const std::wstring wide(readout);
    const std::string narrow(wide.begin(), wide.end());
    EXPECT_EQ("H3 r:25.0m t:090 mph: 22 hp:100\ne:79 u:28 k:50 p:12 x:2", narrow);

    const std::string dump = captureStdout([&] { printPlayerDump(p); });
    EXPECT_TRUE(std::regex_match(dump, std::regex(" H3\n r:25\\.0\n t: 90\n pms:50\\.0%\n xr_dt:0\\.1\n"
                                                  " zt_dt:0\\.0\n path:7\n lp:\\d+\n hp:100\n e_t:79\n"
                                                  " e_u:28\n e_k:50\n node:[0-9A-F]{8,}")))
        << dump;

    fireBall();
    const std::string withClock = captureStdout([&] { printDumpWithClock(p); });
    EXPECT_EQ("\nPLAYER DUMP:\n  1 - 20:00\n" + dump, withClock);
}

TEST_F(ReadoutTest, DumpShowsTheWholeNodeHandle)
{
    Player p = home_players[0];
    p.node = reinterpret_cast<irr::scene::ISceneNode*>(static_cast<uintptr_t>(0x1F));
    std::string dump = captureStdout([&] { printPlayerDump(p); });
    EXPECT_EQ(" node:0000001F", dump.substr(dump.rfind('\n') + 1));
    if (sizeof(uintptr_t) > 4) {
        p.node = reinterpret_cast<irr::scene::ISceneNode*>(static_cast<uintptr_t>(0xABCDEF0123ull));
        dump = captureStdout([&] { printPlayerDump(p); });
        EXPECT_EQ(" node:ABCDEF0123", dump.substr(dump.rfind('\n') + 1));
    }
}

TEST_F(ReadoutTest, StateLinePenaltyFirstThenThePathOrUnknown)
{
    Player& p = away_players[4];
    p.penalty = 42;
    for (int path : {int(LAPPING), int(DEAD), 13, 99}) {
        p.path = path;
        EXPECT_EQ(L"PENALTY  42", stateLine(p)) << path;
        EXPECT_EQ(irr::video::SColor(127, 255, 127, 0), line->getOverrideColor()) << path;
    }
    p.penalty = 0;
    p.path = USER_CONTROL;
    EXPECT_EQ(L"USER CONTROL", stateLine(p));
    EXPECT_EQ(irr::video::SColor(127, 63, 255, 0), line->getOverrideColor());
    EXPECT_TRUE(line->isOverrideColorEnabled());
    p.path = EVEN_SPACING;
    EXPECT_EQ(L"F:EVEN SPACING", stateLine(p));
    EXPECT_EQ(irr::video::SColor(127, 255, 0, 255), line->getOverrideColor());
    for (int path : {13, 15, -1, 17, INT_MIN}) {
        p.path = path;
        EXPECT_EQ(L"UNKNOWN", stateLine(p)) << path;
        EXPECT_EQ(irr::video::SColor(127, 96, 63, 63), line->getOverrideColor()) << path;
    }
}

TEST_F(ReadoutTest, WholePartTruncatesAndHoldsRunawayValues)
{
    EXPECT_EQ(-2, wholePart(-2.99));
    EXPECT_EQ(0, wholePart(std::nan("")));
    EXPECT_EQ(INT_MAX, wholePart(1e30));
    EXPECT_EQ(INT_MIN, wholePart(-HUGE_VAL));
}

} // namespace
