// A player as text: the readout, the state line and the console dumps.
#include <climits>
#include <cmath>
#include <cstdint>
#include <regex>
#include <string>

#include "match_support.h"
#include "ui/readouts.h"

namespace {

constexpr float PI = 3.14159265f;

class ReadoutTest : public MatchTest {
protected:
    void SetUp() override
    {
        MatchTest::SetUp();
        newGame();
        line = device->getGUIEnvironment()->addStaticText(L"", irr::core::rect<irr::s32>(0, 0, 160, 50));
    }

    std::wstring readout(const Player& p)
    {
        wchar_t text[STATE_TEXT_SIZE];
        formatReadout(p, text);
        return text;
    }
    std::wstring stateLine(const Player& p)
    {
        writeStateLine(p, line);
        return line->getText();
    }
    irr::video::SColor stateColour() const { return line->getOverrideColor(); }

    irr::gui::IGUIStaticText* line = 0;
};

const irr::video::SColor PENALTY_ORANGE(127, 255, 127, 0);
const irr::video::SColor DIM_RED(127, 96, 63, 63);

TEST_F(ReadoutTest, ReadoutShowsPositionFirstAndAllFiveEnergiesOnTheSecondLine)
{
    Player& p = home_players[3];
    placeOnTrack(p, 2500.0f, PI / 2);
    const std::wstring text = readout(p);
    EXPECT_EQ(0u, text.find(L"H3 r:25.0m t:090 mph:")) << text;
    EXPECT_TRUE(std::regex_match(text, std::wregex(L"H3 r:25\\.0m t:090 mph: *-?\\d+ hp:100\\n"
                                                   L"e:-?\\d+ u:-?\\d+ k:-?\\d+ p:-?\\d+ x:-?\\d+")))
        << text;

    // A fresh player has nothing in the bank: the zeros are still written.
    Player& seated = away_players[0];
    seated.r = 0;
    seated.theta = 0;
    seated.power = 0;
    seated.exertion = 0;
    const std::wstring second = readout(seated).substr(readout(seated).find(L'\n') + 1);
    EXPECT_EQ(0u, second.find(L"e:")) << second;
    EXPECT_NE(std::wstring::npos, second.find(L" p:0 x:0")) << second;
}

TEST_F(ReadoutTest, ReadoutScalesPowerAndExertion)
{
    Player& p = away_players[8];
    p.power = 0.00123f;  // shows in 1/10000 per ms
    p.exertion = 72000.0f; // shows in units of 36000
    EXPECT_NE(std::wstring::npos, readout(p).find(L" p:12 x:2")) << readout(p);
    p.power = -0.00123f;
    EXPECT_NE(std::wstring::npos, readout(p).find(L" p:-12 ")) << readout(p);
}

TEST_F(ReadoutTest, PenaltyShowsInOrangeWhateverThePath)
{
    Player& p = home_players[1];
    p.penalty = 42;
    for (int path : {int(LAPPING), int(DEAD), int(USER_CONTROL), 13, 99}) {
        p.path = path;
        EXPECT_EQ(L"PENALTY  42", stateLine(p)) << path;
        EXPECT_EQ(PENALTY_ORANGE, stateColour()) << path;
        EXPECT_TRUE(line->isOverrideColorEnabled());
    }
    p.penalty = 120;
    EXPECT_EQ(L"PENALTY 120", stateLine(p));
}

TEST_F(ReadoutTest, StateLineNamesThePathInItsColour)
{
    struct Case {
        int path;
        const wchar_t* text;
        irr::video::SColor colour;
    };
    const Case cases[] = {
        {DEAD, L"DEAD", irr::video::SColor(127, 255, 0, 0)},
        {SEATED, L"SEATED", irr::video::SColor(127, 255, 255, 0)},
        {SEAT_TO_GATE, L"SEAT TO GATE", irr::video::SColor(127, 0, 0, 255)},
        {TRACK_TO_GATE, L"TRACK TO GATE", irr::video::SColor(127, 255, 255, 255)},
        {LAPPING, L"LAPPING", irr::video::SColor(127, 0, 255, 255)},
        {ATTEMPTING_CATCH, L"ATTEMPTING CATCH", irr::video::SColor(127, 255, 0, 255)},
        {DEFEND_GOAL, L"DEFEND GOAL", irr::video::SColor(127, 255, 0, 0)},
        {EVEN_SPACING, L"F:EVEN SPACING", irr::video::SColor(127, 255, 0, 255)},
        {USER_CONTROL, L"USER CONTROL", irr::video::SColor(127, 63, 255, 0)},
    };
    Player& p = away_players[4];
    for (const Case& c : cases) {
        p.path = c.path;
        EXPECT_EQ(c.text, stateLine(p)) << c.path;
        EXPECT_EQ(c.colour, stateColour()) << c.path;
    }
}

TEST_F(ReadoutTest, PathsOutsideTheTableAreUnknownInDimRed)
{
    Player& p = away_players[4];
    for (int path : {13, 15, -1, 17, INT_MIN, INT_MAX}) {
        p.path = path;
        EXPECT_EQ(L"UNKNOWN", stateLine(p)) << path;
        EXPECT_EQ(DIM_RED, stateColour()) << path;
    }
}

TEST_F(ReadoutTest, DumpPutsEachItemOnALineOfItsOwn)
{
    Player& p = home_players[3];
    placeOnTrack(p, 2500.0f, PI / 2);
    p.pms = 0.5f;
    p.xr_dt = 0.25f;
    p.zt_dt = -0.04f;
    p.lp = SEATED;
    const std::string dump = captureStdout([&] { printPlayerDump(p); });
    const std::regex block(" H3\n r:25\\.0\n t: 90\n pms:50\\.0%\n xr_dt:0\\.2\n zt_dt:-0\\.0\n path:7\n lp:1\n"
                           " hp:100\n e_t:-?\\d+\n e_u:-?\\d+\n e_k:-?\\d+\n node:[0-9A-F]{8,}");
    EXPECT_TRUE(std::regex_match(dump, block)) << dump;
}

TEST_F(ReadoutTest, DumpShowsTheWholeNodeHandleInUpperCaseHex)
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

TEST_F(ReadoutTest, DumpWithClockLeadsWithTheHeadingAndTheClock)
{
    fireBall();
    matchClock.min_units = 7;
    matchClock.sec_tens = 0;
    matchClock.sec_units = 5;
    const std::string dump = captureStdout([&] { printDumpWithClock(away_players[9]); });
    const std::string heading = "\nPLAYER DUMP:\n  1 - 27:05\n A9\n";
    EXPECT_EQ(heading, dump.substr(0, heading.size())) << dump;
}

TEST_F(ReadoutTest, WholePartTruncatesTowardZeroAndHoldsRunawayValues)
{
    EXPECT_EQ(2, wholePart(2.99));
    EXPECT_EQ(-2, wholePart(-2.99));
    EXPECT_EQ(0, wholePart(std::nan("")));
    EXPECT_EQ(INT_MAX, wholePart(1e30));
    EXPECT_EQ(INT_MIN, wholePart(-HUGE_VAL));
}

} // namespace
