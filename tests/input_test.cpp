// Keyboard and mouse: the commands as the engine delivers them, by release.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/tick_driver.h"
#include "core/engine.h"
#include "match_support.h"
#include "ui/cameras.h"
#include "ui/input.h"

namespace {

class InputTest : public MatchOnDeviceTest {
protected:
    void SetUp() override
    {
        MatchOnDeviceTest::SetUp();
        newGame();
        issueCommand = issueMatchCommand; // as start-up routes the keys
    }
    static bool key(irr::EKEY_CODE code, bool pressedDown, bool ctrl = false) { return sendKey(code, ctrl, pressedDown); }
    static bool release(irr::EKEY_CODE code, bool ctrl = false) { return key(code, false, ctrl); }
    static bool mouse(irr::EMOUSE_INPUT_EVENT kind)
    {
        irr::SEvent event{};
        event.EventType = irr::EET_MOUSE_INPUT_EVENT;
        event.MouseInput.Event = kind;
        return gameEventReceiver.OnEvent(event);
    }
    static int countIn(char team, int path)
    {
        int count = 0;
        for (int i = 0; i < TEAM_SIZE; ++i)
            count += roster(team)[i].path == path;
        return count;
    }
    static float radiusOf(const Player& p)
    {
        const irr::core::vector3df at = p.position;
        return trackRadius(at.X, at.Z);
    }
    static void everyoneOnTrack()
    {
        for (int i = 0; i < TEAM_SIZE; ++i) {
            placeOnTrack(home_players[i], 2200.0f, 0.3f * i);
            placeOnTrack(away_players[i], 2400.0f, 0.3f * i);
        }
    }
};

TEST_F(InputTest, SwitchAndSelectionKeysActOncePerRelease)
{
    const struct {
        irr::EKEY_CODE code;
        bool* flag;
    } toggles[] = {{irr::KEY_SPACE, &autoPlay},
                   {irr::KEY_KEY_P, &paused},
                   {irr::KEY_KEY_U, &showRosterReadouts},
                   {irr::KEY_KEY_C, &matchClock.visible}};
    for (const auto& toggle : toggles) {
        const bool before = *toggle.flag;
        key(toggle.code, true); // holding the key does nothing yet
        EXPECT_EQ(before, *toggle.flag) << toggle.code;
        EXPECT_TRUE(release(toggle.code));
        EXPECT_EQ(!before, *toggle.flag) << toggle.code;
    }

    EXPECT_TRUE(release(irr::KEY_TAB));
    EXPECT_EQ('A', selectedTeam);
    EXPECT_TRUE(release(irr::KEY_KEY_7));
    EXPECT_EQ(&away_players[7], selectedPlayerRecord());
    EXPECT_STREQ("A7  selected", getCommentary());
    EXPECT_FALSE(away_players[7].is_selected()); // selecting is not taking control
    EXPECT_TRUE(release(irr::KEY_TAB));
    EXPECT_EQ('H', selectedTeam);
    release(irr::KEY_KEY_A);
    release(irr::KEY_KEY_A);
    EXPECT_EQ('A', selectedTeam);
    EXPECT_TRUE(release(irr::KEY_KEY_H));
    EXPECT_EQ('H', selectedTeam);

    EXPECT_TRUE(release(irr::KEY_KEY_V));
    EXPECT_EQ(END_VIEW, cameraMode);
    EXPECT_TRUE(release(irr::KEY_KEY_Q));
    EXPECT_FALSE(running);
    for (irr::EKEY_CODE other : {irr::KEY_KEY_X, irr::KEY_ESCAPE, irr::KEY_NUMPAD5, irr::KEY_CONTROL})
        EXPECT_FALSE(release(other)) << other;
}

TEST_F(InputTest, BFiresIResetsAndZStartsAgain)
{
    EXPECT_TRUE(release(irr::KEY_KEY_B));
    EXPECT_TRUE(ball.live);
    EXPECT_EQ(1, matchClock.period);
    EXPECT_TRUE(release(irr::KEY_KEY_I));
    EXPECT_FALSE(ball.live);

    release(irr::KEY_SPACE);
    release(irr::KEY_TAB);
    release(irr::KEY_KEY_4);
    release(irr::KEY_KEY_V);
    placeOnTrack(home_players[2], 2200.0f, 1.0f);
    EXPECT_TRUE(release(irr::KEY_KEY_Z));
    EXPECT_FALSE(autoPlay);
    EXPECT_EQ(&home_players[0], selectedPlayerRecord());
    EXPECT_EQ(OVERHEAD_VIEW, cameraMode);
    EXPECT_EQ(STOPPED, home_players[2].path);
}

TEST_F(InputTest, PlayerCommandsAndTheirCtrlForms)
{
    everyoneOnTrack();
    release(irr::KEY_KEY_A);
    release(irr::KEY_KEY_3);
    EXPECT_TRUE(release(irr::KEY_KEY_F));
    EXPECT_EQ(EVEN_SPACING, away_players[3].path);
    EXPECT_EQ(1, countIn('A', EVEN_SPACING));
    EXPECT_TRUE(release(irr::KEY_KEY_F, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', EVEN_SPACING));
    EXPECT_EQ(0, countIn('H', EVEN_SPACING));

    EXPECT_TRUE(release(irr::KEY_KEY_R));
    EXPECT_EQ(TRACK_TO_GATE, away_players[3].path);
    EXPECT_EQ(1, countIn('A', TRACK_TO_GATE));
    EXPECT_TRUE(release(irr::KEY_KEY_R, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', TRACK_TO_GATE));

    // L always sends the whole team, Ctrl or not.
    EXPECT_TRUE(release(irr::KEY_KEY_L));
    EXPECT_EQ(TEAM_SIZE, countIn('A', LAPPING));
    EXPECT_FLOAT_EQ(0.5f, away_players[9].pms);

    EXPECT_TRUE(release(irr::KEY_KEY_S));
    EXPECT_EQ(1, countIn('A', STOPPED));
    // Ctrl+S is the one team command that stops both teams.
    EXPECT_TRUE(release(irr::KEY_KEY_S, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', STOPPED));
    EXPECT_EQ(TEAM_SIZE, countIn('H', STOPPED));

    for (int i = 0; i < TEAM_SIZE; ++i)
        home_players[i].set_path(SEATED);
    release(irr::KEY_KEY_H);
    EXPECT_TRUE(release(irr::KEY_KEY_O));
    EXPECT_EQ(SEAT_TO_GATE, home_players[3].path);
    EXPECT_EQ(1, countIn('H', SEAT_TO_GATE));
    EXPECT_TRUE(release(irr::KEY_KEY_O, true));
    EXPECT_EQ(TEAM_SIZE, countIn('H', SEAT_TO_GATE));
}

// Guards a dead player being brought back to life by a team command.
TEST_F(InputTest, NoCommandMovesADeadPlayer)
{
    everyoneOnTrack();
    home_players[5].kill();
    release(irr::KEY_KEY_5);
    for (irr::EKEY_CODE code : {irr::KEY_KEY_L, irr::KEY_KEY_F, irr::KEY_KEY_S, irr::KEY_KEY_O, irr::KEY_KEY_R}) {
        release(code);
        release(code, true);
    }
    cameraMode = PLAYER_CHASE;
    release(irr::KEY_RIGHT);
    EXPECT_EQ(DEAD, home_players[5].path);
    EXPECT_FALSE(home_players[5].is_selected());
}

TEST_F(InputTest, ArrowsSteerOnlyInThePlayerChase)
{
    Player& p = home_players[6];
    placeOnTrack(p, 2200.0f, 1.0f);
    release(irr::KEY_KEY_6);
    for (int mode : {OVERHEAD_VIEW, END_VIEW, BALL_CHASE}) {
        cameraMode = mode;
        EXPECT_FALSE(release(irr::KEY_LEFT)) << mode; // the free camera strafes
        EXPECT_FALSE(release(irr::KEY_RIGHT)) << mode;
    }
    EXPECT_FALSE(p.is_selected());

    cameraMode = PLAYER_CHASE;
    EXPECT_TRUE(release(irr::KEY_LEFT)); // takes over, nothing more
    EXPECT_EQ(USER_CONTROL, p.path);
    EXPECT_EQ(0.0f, p.xr_dt2);
    release(irr::KEY_RIGHT);
    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_FLOAT_EQ(0.002f, p.xr_dt2);
    p.xr_dt = 0.3f;
    EXPECT_TRUE(release(irr::KEY_LEFT)); // against the push: rest first
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_EQ(0.0f, p.xr_dt2);
    release(irr::KEY_LEFT);
    EXPECT_FLOAT_EQ(-0.001f, p.xr_dt2);
    p.xr_dt = -0.2f;
    release(irr::KEY_RIGHT);
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_EQ(0.0f, p.xr_dt2);
}

// The green bar and the arrows belong to a player under user control only:
// every way it leaves that hands the arrows back to the free camera.
TEST_F(InputTest, EveryWayOutOfUserControlClearsTheMarkAndFreesTheArrows)
{
    Player& p = home_players[6];
    const std::vector<std::pair<const char*, std::function<void()>>> ways = {
        {"F", [] { release(irr::KEY_KEY_F); }},
        {"Ctrl+F", [] { release(irr::KEY_KEY_F, true); }},
        {"S", [] { release(irr::KEY_KEY_S); }},
        {"Ctrl+S", [] { release(irr::KEY_KEY_S, true); }},
        {"L", [] { release(irr::KEY_KEY_L); }},
        {"R", [] { release(irr::KEY_KEY_R); }},
        {"Z", [] { release(irr::KEY_KEY_Z); }},
        {"crit", [&p] { p.change_condition(-70); }},
        {"death", [&p] { p.change_condition(-200); }},
        {"out of bounds",
         [&p] {
             placeOnTrack(p, 2980.0f, 1.0f, USER_CONTROL);
             captureStdout([] { update_player('H', 6); });
             paused = false;
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.first);
        newGame();
        everyoneOnTrack();
        release(irr::KEY_KEY_6);
        cameraMode = PLAYER_CHASE;
        release(irr::KEY_RIGHT);
        release(irr::KEY_RIGHT);
        ASSERT_TRUE(p.is_selected());
        ASSERT_EQ(USER_CONTROL, p.path);

        way.second();
        EXPECT_NE(USER_CONTROL, p.path);
        EXPECT_FALSE(p.is_selected());
        EXPECT_EQ(0.0f, p.xr_dt2);
        cameraMode = OVERHEAD_VIEW;
        EXPECT_FALSE(release(irr::KEY_LEFT)) << "the free camera strafes";
        EXPECT_FALSE(release(irr::KEY_RIGHT));
        EXPECT_EQ(0.0f, p.xr_dt2);
    }
}

// Steering by hand never takes a player off the track: not past the outer
// wall (which would pause the match), not through the centre.
TEST_F(InputTest, SteeringStopsAtTheTrackEdges)
{
    struct Case {
        const char* name;
        int number;
        float r;          // where the player is taken over; 0: in its seat
        irr::EKEY_CODE push;
        float edge;       // where its radius must come to rest
    };
    const Case cases[] = {
        {"outwards", 6, 2700.0f, irr::KEY_RIGHT, 2860.0f},
        {"inwards", 7, 1100.0f, irr::KEY_LEFT, 900.0f},
        {"inwards from the seat", 2, 0.0f, irr::KEY_LEFT, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Player& p = home_players[c.number];
        float start;
        if (c.r > 0.0f) {
            placeOnTrack(p, c.r, 1.0f);
            p.zt_dt = 0.0003f;
            start = c.r;
        } else {
            update_players(); // seated
            ASSERT_EQ(SEATED, p.path);
            start = radiusOf(p);
        }
        release(static_cast<irr::EKEY_CODE>(irr::KEY_KEY_0 + c.number));
        cameraMode = PLAYER_CHASE;
        for (int i = 0; i < 3; ++i)
            release(c.push); // takes over, then pushes twice
        // Never inside the track's inner edge, nor nearer the centre than its seat.
        const float lowest = c.r > 0.0f ? 900.0f : start;
        const std::string said = captureStdout([&p, lowest] {
            for (int i = 0; i < 300; ++i) {
                update_player('H', p.number);
                const float r = radiusOf(p);
                ASSERT_LE(r, 2860.0f + 0.01f);
                ASSERT_GE(r, lowest - 0.01f);
            }
        });
        EXPECT_EQ("", said);
        EXPECT_FALSE(paused);
        EXPECT_EQ(USER_CONTROL, p.path);
        EXPECT_EQ(0.0f, p.xr_dt) << "at the edge the sideways motion stops";
        const float end = radiusOf(p);
        EXPECT_NEAR(c.edge > 0.0f ? c.edge : start, end, 0.01f);
    }
}

// Regression: a player taken over on its walk to the gate kept its straight
// z-speed as an angular speed, ran backwards and paused the match every tick.
TEST_F(InputTest, APlayerTakenOverOnItsWalkStartsFromRest)
{
    Player& p = home_players[2];
    update_players(); // seated
    p.leave_seat();
    ASSERT_EQ(SEAT_TO_GATE, p.path);
    for (int i = 0; i < 5; ++i)
        update_players();
    ASSERT_NE(0.0f, p.zt_dt);
    release(irr::KEY_KEY_2);
    cameraMode = PLAYER_CHASE;
    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_EQ(USER_CONTROL, p.path);
    EXPECT_EQ(0.0f, p.zt_dt);
    EXPECT_EQ(0.0f, p.xr_dt);
    const std::string said = captureStdout([] {
        for (int i = 0; i < 50; ++i)
            matchTick();
    });
    EXPECT_EQ(std::string::npos, said.find("Player going CW!")) << said;
    EXPECT_FALSE(paused);
}

TEST_F(InputTest, ConsoleWordsAndWhichPressesAreAbsorbed)
{
    bool up = true, down = true, left = false, right = false, moved = true;
    const std::string said = captureStdout([&] {
        up = release(irr::KEY_UP);
        down = release(irr::KEY_DOWN);
        left = mouse(irr::EMIE_LMOUSE_PRESSED_DOWN);
        right = mouse(irr::EMIE_RMOUSE_PRESSED_DOWN);
        moved = mouse(irr::EMIE_MOUSE_MOVED);
    });
    EXPECT_EQ("updownlclikrclik", said);
    EXPECT_FALSE(up || down || moved);
    EXPECT_TRUE(left && right);

    // A press carries the verdict of the last release or click.
    release(irr::KEY_KEY_U);
    EXPECT_TRUE(key(irr::KEY_KEY_W, true));
    release(irr::KEY_KEY_W);
    EXPECT_FALSE(key(irr::KEY_KEY_U, true));
    captureStdout([] { mouse(irr::EMIE_RMOUSE_PRESSED_DOWN); });
    EXPECT_TRUE(key(irr::KEY_UP, true));
    mouse(irr::EMIE_LMOUSE_LEFT_UP);
    EXPECT_FALSE(key(irr::KEY_UP, true));
}

} // namespace
