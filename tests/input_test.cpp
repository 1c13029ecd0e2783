// Keyboard and mouse: every command by the events the engine would deliver.
#include <string>

#include "match_support.h"
#include "ui/cameras.h"
#include "ui/input.h"

namespace {

class InputTest : public MatchTest {
protected:
    void SetUp() override
    {
        MatchTest::SetUp();
        newGame();
    }

    static irr::SEvent keyEvent(irr::EKEY_CODE key, bool pressedDown, bool ctrl)
    {
        irr::SEvent event;
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Char = 0;
        event.KeyInput.Key = key;
        event.KeyInput.PressedDown = pressedDown;
        event.KeyInput.Shift = false;
        event.KeyInput.Control = ctrl;
        return event;
    }
    // What the receiver answers when a key is let go.
    static bool release(irr::EKEY_CODE key, bool ctrl = false)
    {
        return gameEventReceiver.OnEvent(keyEvent(key, false, ctrl));
    }
    static bool press(irr::EKEY_CODE key)
    {
        return gameEventReceiver.OnEvent(keyEvent(key, true, false));
    }
    static bool mouse(irr::EMOUSE_INPUT_EVENT kind)
    {
        irr::SEvent event;
        event.EventType = irr::EET_MOUSE_INPUT_EVENT;
        event.MouseInput.X = 320;
        event.MouseInput.Y = 240;
        event.MouseInput.Wheel = 0;
        event.MouseInput.ButtonStates = 0;
        event.MouseInput.Shift = false;
        event.MouseInput.Control = false;
        event.MouseInput.Event = kind;
        return gameEventReceiver.OnEvent(event);
    }

    static void putTeamOnTrack(char team)
    {
        for (int i = 0; i < TEAM_SIZE; ++i)
            placeOnTrack(roster(team)[i], 2200.0f, 0.3f * i, LAPPING);
    }
    static int countIn(char team, int path)
    {
        int count = 0;
        for (int i = 0; i < TEAM_SIZE; ++i)
            count += roster(team)[i].path == path;
        return count;
    }
};

TEST_F(InputTest, TogglesFlipOnEachReleaseAndAreAbsorbed)
{
    struct Toggle {
        irr::EKEY_CODE key;
        bool* flag;
    };
    for (Toggle toggle : {Toggle{irr::KEY_SPACE, &autoPlay}, Toggle{irr::KEY_KEY_P, &paused},
                          Toggle{irr::KEY_KEY_U, &showRosterReadouts}, Toggle{irr::KEY_KEY_C, &matchClock.visible}}) {
        const bool before = *toggle.flag;
        EXPECT_TRUE(release(toggle.key));
        EXPECT_EQ(!before, *toggle.flag) << toggle.key;
        EXPECT_TRUE(release(toggle.key));
        EXPECT_EQ(before, *toggle.flag) << toggle.key;
    }
}

TEST_F(InputTest, HoldingAKeyDoesNothingUntilItIsReleased)
{
    EXPECT_FALSE(press(irr::KEY_SPACE));
    EXPECT_FALSE(press(irr::KEY_SPACE)); // the key repeats while held
    EXPECT_FALSE(autoPlay);
    release(irr::KEY_SPACE);
    EXPECT_TRUE(autoPlay);
}

TEST_F(InputTest, TeamSelectionByTabAAndH)
{
    EXPECT_TRUE(release(irr::KEY_TAB));
    EXPECT_EQ('A', selectedTeam);
    EXPECT_TRUE(release(irr::KEY_TAB));
    EXPECT_EQ('H', selectedTeam);
    EXPECT_TRUE(release(irr::KEY_KEY_A));
    EXPECT_TRUE(release(irr::KEY_KEY_A));
    EXPECT_EQ('A', selectedTeam);
    EXPECT_TRUE(release(irr::KEY_KEY_H));
    EXPECT_EQ('H', selectedTeam);
    // Only 'H' is home: any other letter counts as away, and TAB brings it home.
    selectedTeam = 'X';
    release(irr::KEY_TAB);
    EXPECT_EQ('H', selectedTeam);
}

TEST_F(InputTest, DigitSelectsThePlayerOfTheSelectedTeamAndSaysSo)
{
    release(irr::KEY_KEY_A);
    EXPECT_TRUE(release(irr::KEY_KEY_7));
    EXPECT_EQ(7, selectedPlayer);
    EXPECT_EQ(&away_players[7], selectedPlayerRecord());
    EXPECT_STREQ("A7  selected", getCommentary());

    release(irr::KEY_KEY_H);
    EXPECT_TRUE(release(irr::KEY_KEY_0));
    EXPECT_EQ(&home_players[0], selectedPlayerRecord());
    EXPECT_STREQ("H0  selected", getCommentary());
    // Selecting is not taking control.
    EXPECT_FALSE(home_players[0].is_selected());
}

TEST_F(InputTest, QEndsTheLoopAndVCyclesTheCamera)
{
    EXPECT_TRUE(release(irr::KEY_KEY_V));
    EXPECT_EQ(END_VIEW, cameraMode);
    release(irr::KEY_KEY_V);
    release(irr::KEY_KEY_V);
    EXPECT_EQ(PLAYER_CHASE, cameraMode);
    release(irr::KEY_KEY_V);
    EXPECT_EQ(OVERHEAD_VIEW, cameraMode);

    EXPECT_TRUE(running);
    EXPECT_TRUE(release(irr::KEY_KEY_Q));
    EXPECT_FALSE(running);
}

TEST_F(InputTest, BFiresIResetsAndZStartsANewGame)
{
    EXPECT_TRUE(release(irr::KEY_KEY_B));
    EXPECT_TRUE(ball.live);
    EXPECT_TRUE(matchClock.counting);
    EXPECT_EQ(1, matchClock.period);

    EXPECT_TRUE(release(irr::KEY_KEY_I));
    EXPECT_FALSE(ball.live);

    release(irr::KEY_SPACE);
    release(irr::KEY_KEY_U);
    release(irr::KEY_TAB);
    release(irr::KEY_KEY_4);
    release(irr::KEY_KEY_V);
    placeOnTrack(home_players[2], 2200.0f, 1.0f);
    EXPECT_TRUE(release(irr::KEY_KEY_Z));
    EXPECT_TRUE(running);
    EXPECT_FALSE(autoPlay);
    EXPECT_FALSE(showRosterReadouts);
    EXPECT_EQ('H', selectedTeam);
    EXPECT_EQ(0, selectedPlayer);
    EXPECT_EQ(OVERHEAD_VIEW, cameraMode);
    EXPECT_EQ(STOPPED, home_players[2].path);
    EXPECT_FALSE(matchClock.counting);
}

TEST_F(InputTest, SingleCommandsActOnTheSelectedPlayerOnly)
{
    putTeamOnTrack('H');
    release(irr::KEY_KEY_3);

    EXPECT_TRUE(release(irr::KEY_KEY_F));
    EXPECT_EQ(EVEN_SPACING, home_players[3].path);
    EXPECT_EQ(1, countIn('H', EVEN_SPACING));

    EXPECT_TRUE(release(irr::KEY_KEY_S));
    EXPECT_EQ(STOPPED, home_players[3].path);
    EXPECT_EQ(1, countIn('H', STOPPED));

    home_players[4].set_path(LAPPING);
    release(irr::KEY_KEY_4);
    EXPECT_TRUE(release(irr::KEY_KEY_R));
    EXPECT_EQ(TRACK_TO_GATE, home_players[4].path);
    EXPECT_EQ(1, countIn('H', TRACK_TO_GATE));
}

TEST_F(InputTest, OSendsTheSelectedSeatedPlayerOutAndCtrlOTheWholeTeam)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        home_players[i].set_path(SEATED);
        away_players[i].set_path(SEATED);
    }
    release(irr::KEY_KEY_A);
    release(irr::KEY_KEY_2);
    EXPECT_TRUE(release(irr::KEY_KEY_O));
    EXPECT_EQ(SEAT_TO_GATE, away_players[2].path);
    EXPECT_EQ(1, countIn('A', SEAT_TO_GATE));

    release(irr::KEY_KEY_H);
    EXPECT_TRUE(release(irr::KEY_KEY_O, true));
    EXPECT_EQ(TEAM_SIZE, countIn('H', SEAT_TO_GATE));
    EXPECT_EQ(1, countIn('A', SEAT_TO_GATE));
}

TEST_F(InputTest, CtrlFormsActOnTheSelectedTeamButCtrlSStopsEveryone)
{
    putTeamOnTrack('H');
    putTeamOnTrack('A');
    release(irr::KEY_KEY_A);

    EXPECT_TRUE(release(irr::KEY_KEY_F, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', EVEN_SPACING));
    EXPECT_EQ(0, countIn('H', EVEN_SPACING));

    EXPECT_TRUE(release(irr::KEY_KEY_R, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', TRACK_TO_GATE));
    EXPECT_EQ(TEAM_SIZE, countIn('H', LAPPING));

    EXPECT_TRUE(release(irr::KEY_KEY_S, true));
    EXPECT_EQ(TEAM_SIZE, countIn('A', STOPPED));
    EXPECT_EQ(TEAM_SIZE, countIn('H', STOPPED));
}

TEST_F(InputTest, LSendsTheWholeTeamLappingAtHalfEffortWithOrWithoutCtrl)
{
    release(irr::KEY_KEY_A);
    release(irr::KEY_KEY_6);
    EXPECT_TRUE(release(irr::KEY_KEY_L));
    EXPECT_EQ(TEAM_SIZE, countIn('A', LAPPING));
    EXPECT_EQ(0, countIn('H', LAPPING));
    for (int i = 0; i < TEAM_SIZE; ++i)
        EXPECT_FLOAT_EQ(0.5f, away_players[i].pms);

    release(irr::KEY_KEY_H);
    EXPECT_TRUE(release(irr::KEY_KEY_L, true));
    EXPECT_EQ(TEAM_SIZE, countIn('H', LAPPING));
}

TEST_F(InputTest, NoCommandBringsADeadPlayerBack)
{
    putTeamOnTrack('H');
    home_players[5].kill();
    release(irr::KEY_KEY_5);
    for (irr::EKEY_CODE key : {irr::KEY_KEY_L, irr::KEY_KEY_F, irr::KEY_KEY_S, irr::KEY_KEY_O, irr::KEY_KEY_R}) {
        release(key);
        release(key, true);
    }
    cameraMode = PLAYER_CHASE;
    release(irr::KEY_RIGHT);
    EXPECT_EQ(DEAD, home_players[5].path);
    EXPECT_FALSE(home_players[5].is_selected());
}

TEST_F(InputTest, ArrowsInTheFreeCameraModesAreLeftToTheCamera)
{
    placeOnTrack(home_players[0], 2200.0f, 1.0f);
    for (int mode : {OVERHEAD_VIEW, END_VIEW, BALL_CHASE}) {
        cameraMode = mode;
        EXPECT_FALSE(release(irr::KEY_LEFT)) << mode;
        EXPECT_FALSE(release(irr::KEY_RIGHT)) << mode;
    }
    EXPECT_FALSE(home_players[0].is_selected());
    EXPECT_EQ(LAPPING, home_players[0].path);
    EXPECT_EQ(0.0f, home_players[0].xr_dt2);
}

TEST_F(InputTest, SteeringInPlayerChaseTakesOverThenPushesAndBrakes)
{
    Player& p = home_players[6];
    placeOnTrack(p, 2200.0f, 1.0f);
    release(irr::KEY_KEY_6);
    cameraMode = PLAYER_CHASE;

    // The first release only takes the player over.
    EXPECT_TRUE(release(irr::KEY_LEFT));
    EXPECT_TRUE(p.is_selected());
    EXPECT_EQ(USER_CONTROL, p.path);
    EXPECT_EQ(0.0f, p.xr_dt2);

    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_FLOAT_EQ(0.002f, p.xr_dt2);

    // Against the push: the sideways motion comes to rest first.
    p.xr_dt = 0.3f;
    EXPECT_TRUE(release(irr::KEY_LEFT));
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_EQ(0.0f, p.xr_dt2);
    EXPECT_TRUE(release(irr::KEY_LEFT));
    EXPECT_FLOAT_EQ(-0.001f, p.xr_dt2);

    p.xr_dt = -0.2f;
    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_EQ(0.0f, p.xr_dt);
    EXPECT_EQ(0.0f, p.xr_dt2);

    // Once under control the arrows steer in any camera mode.
    cameraMode = OVERHEAD_VIEW;
    EXPECT_TRUE(release(irr::KEY_RIGHT));
    EXPECT_FLOAT_EQ(0.001f, p.xr_dt2);
}

TEST_F(InputTest, UpAndDownSayTheirWordAndAreNeverAbsorbed)
{
    bool up = true, down = true;
    const std::string said = captureStdout([&] {
        up = release(irr::KEY_UP);
        down = release(irr::KEY_DOWN);
    });
    EXPECT_EQ("updown", said);
    EXPECT_FALSE(up);
    EXPECT_FALSE(down);
}

TEST_F(InputTest, MouseButtonPressesSayTheirWordAndAreAbsorbed)
{
    bool left = false, right = false;
    const std::string said = captureStdout([&] {
        left = mouse(irr::EMIE_LMOUSE_PRESSED_DOWN);
        right = mouse(irr::EMIE_RMOUSE_PRESSED_DOWN);
    });
    EXPECT_EQ("lclikrclik", said);
    EXPECT_TRUE(left);
    EXPECT_TRUE(right);

    const std::string quiet = captureStdout([&] {
        for (irr::EMOUSE_INPUT_EVENT kind : {irr::EMIE_MOUSE_MOVED, irr::EMIE_LMOUSE_LEFT_UP, irr::EMIE_MOUSE_WHEEL,
                                             irr::EMIE_MMOUSE_PRESSED_DOWN, irr::EMIE_RMOUSE_LEFT_UP})
            EXPECT_FALSE(mouse(kind)) << kind;
    });
    EXPECT_EQ("", quiet);
}

TEST_F(InputTest, KeysOutsideTheMapAreIgnored)
{
    for (irr::EKEY_CODE key : {irr::KEY_KEY_X, irr::KEY_ESCAPE, irr::KEY_F1, irr::KEY_NUMPAD5, irr::KEY_CONTROL})
        EXPECT_FALSE(release(key)) << key;
    EXPECT_TRUE(running);
    EXPECT_FALSE(autoPlay);
}

TEST_F(InputTest, APressFollowsTheVerdictOfTheLastReleaseOrClick)
{
    release(irr::KEY_KEY_U); // absorbed
    EXPECT_TRUE(press(irr::KEY_KEY_W));
    EXPECT_TRUE(press(irr::KEY_UP));

    release(irr::KEY_KEY_W); // not one of ours
    EXPECT_FALSE(press(irr::KEY_KEY_U));

    captureStdout([] { mouse(irr::EMIE_LMOUSE_PRESSED_DOWN); });
    EXPECT_TRUE(press(irr::KEY_KEY_W));
    mouse(irr::EMIE_MOUSE_MOVED);
    EXPECT_FALSE(press(irr::KEY_KEY_W));

    // Other events keep the verdict too.
    release(irr::KEY_KEY_B);
    irr::SEvent user;
    user.EventType = irr::EET_USER_EVENT;
    user.UserEvent.UserData1 = 0;
    user.UserEvent.UserData2 = 0;
    EXPECT_TRUE(gameEventReceiver.OnEvent(user));
}

} // namespace
