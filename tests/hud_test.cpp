// The HUD over the null driver: what each frame writes into the texts.
#include <string>

#include "core/engine.h"
#include "core/playback.h"
#include "match_support.h"
#include "ui/cameras.h"
#include "ui/hud.h"
#include "ui/input.h"

namespace {

const irr::video::SColor HOME_ORANGE(127, 255, 127, 0);
const irr::video::SColor AWAY_GREEN(127, 63, 255, 0);

class HudTest : public MatchOnDeviceTest {
protected:
    void SetUp() override
    {
        MatchOnDeviceTest::SetUp();
        newGame();
        setupHud();
    }
    void TearDown() override
    {
        forgetHud(); // the texts go with the device
        MatchOnDeviceTest::TearDown();
    }
    static std::wstring textOf(irr::gui::IGUIStaticText* element) { return element->getText(); }
    static int filledRosterTexts()
    {
        int filled = 0;
        for (int i = 0; i < TEAM_SIZE; ++i)
            for (irr::gui::IGUIStaticText* text : {homeReadouts[i], homeStates[i], awayReadouts[i], awayStates[i]})
                filled += !textOf(text).empty();
        return filled;
    }
    static void looseBall(float r, float theta, float zt_dt)
    {
        placeBall(r, theta);
        ball.holder = 0;
        ball.zt_dt = zt_dt;
    }
};

TEST_F(HudTest, SetUpPlacesTheTextsAndHidesTheCursor)
{
    EXPECT_FALSE(device->getCursorControl()->isVisible());
    EXPECT_EQ(irr::core::rect<irr::s32>(10, 430, 170, 480), homeStates[9]->getRelativePosition());
    EXPECT_EQ(irr::core::rect<irr::s32>(470, 410, 630, 460), awayReadouts[9]->getRelativePosition());
    EXPECT_EQ(L"THIS IS A TEST STRING", textOf(awayStates[9]));
    EXPECT_EQ(L"HOU:00 MAD:00 1 21:12", textOf(scoreText));
    EXPECT_EQ(AWAY_GREEN, scoreText->getOverrideColor());
    EXPECT_EQ(irr::video::SColor(127, 255, 255, 0), commentaryText->getOverrideColor());
}

TEST_F(HudTest, RosterReadoutsBlankWhenOffFilledAndColouredWhenOn)
{
    setCommentary("caf\xe9"); // widened byte by byte, whatever the locale
    updateHud();
    EXPECT_EQ(0, filledRosterTexts());
    EXPECT_EQ(L"caf\u00e9", textOf(commentaryText));
    EXPECT_EQ(L"HOU:00 MAD:00 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"28.6m 270 000mph", textOf(ballStatusText));

    showRosterReadouts = true;
    home_players[2].penalty = 30;
    updateHud();
    EXPECT_EQ(4 * TEAM_SIZE, filledRosterTexts());
    EXPECT_EQ(0u, textOf(awayReadouts[8]).find(L"A8 r:"));
    EXPECT_EQ(HOME_ORANGE, homeReadouts[5]->getOverrideColor());
    EXPECT_EQ(AWAY_GREEN, awayReadouts[5]->getOverrideColor());
    EXPECT_EQ(L"PENALTY  30", textOf(homeStates[2]));
}

TEST_F(HudTest, BallAndScoreLines)
{
    looseBall(2900.0f, PI_F / 2, 0.0005f);
    updateHud();
    EXPECT_EQ(L"29.0m 090 032mph", textOf(ballStatusText));
    ball.holder = &away_players[7];
    updateHud();
    EXPECT_EQ(L"29.0m 090 032mph A7", textOf(ballStatusText));
    looseBall(1850.0f, 3.0f * PI_F / 2, -0.0012f); // fired against the players
    updateHud();
    EXPECT_EQ(L"18.5m 270 -49mph", textOf(ballStatusText));

    matchClock.home_score = 3;
    matchClock.away_score = 12;
    matchClock.period = 2;
    matchClock.min_tens = 0;
    matchClock.min_units = 7;
    matchClock.sec_tens = 0;
    matchClock.sec_units = 5;
    updateHud();
    EXPECT_EQ(L"HOU:03 MAD:12 2 07:05", textOf(scoreText));
}

// Above the clock: the speed when it is not normal, what is watched, and
// both while the match stands still too.
TEST_F(HudTest, ThePlaybackMarkShowsTheSpeedAndWhatIsWatched)
{
    updateHud();
    EXPECT_EQ(L"", textOf(playbackText)) << "nothing at normal speed in live play";
    matchSpeedStep = 3;
    paused = true;
    updateHud();
    EXPECT_EQ(L"x8", textOf(playbackText));
    matchSpeedStep = -2;
    recordingProgress = 0.374f;
    updateHud();
    EXPECT_EQ(L"x1/4 37%", textOf(playbackText));
    matchSpeedStep = 0;
    showingInstantReplay = true;
    updateHud();
    EXPECT_EQ(L"REPLAY", textOf(playbackText));

    // Right of the bars and the steering marker, and above the score line.
    const irr::core::rect<irr::s32> mark = playbackText->getRelativePosition();
    EXPECT_LE(mark.LowerRightCorner.Y, scoreText->getRelativePosition().UpperLeftCorner.Y);
    EXPECT_GE(mark.UpperLeftCorner.X, 370);
    EXPECT_LE(mark.LowerRightCorner.X, 470) << "clear of the away readouts";
}

TEST_F(HudTest, PausedFreezesEverythingButTheBallLineAndAStepShowsOnce)
{
    setCommentary("Ball is dropped!");
    updateHud();
    paused = true;
    matchClock.home_score = 4;
    setCommentary("H1 hit by ball!");
    showRosterReadouts = true;
    updateHud();
    EXPECT_EQ(L"PAUSED", textOf(ballStatusText));
    EXPECT_EQ(L"HOU:00 MAD:00 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"Ball is dropped!", textOf(commentaryText));
    EXPECT_EQ(0, filledRosterTexts());

    // The viewer's single tick while paused shows once, then stands still.
    ++matchTickNumber;
    updateHud();
    EXPECT_EQ(L"PAUSED", textOf(ballStatusText));
    EXPECT_EQ(L"HOU:04 MAD:00 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"H1 hit by ball!", textOf(commentaryText));
    matchClock.away_score = 2;
    updateHud();
    EXPECT_EQ(L"HOU:04 MAD:00 0 60:00", textOf(scoreText));

    paused = false;
    updateHud();
    EXPECT_EQ(L"28.6m 270 000mph", textOf(ballStatusText));
    EXPECT_EQ(L"HOU:04 MAD:02 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"H1 hit by ball!", textOf(commentaryText));
}

TEST_F(HudTest, CentreReadoutEmptyInFixedViewsAndFollowsThePlayerChase)
{
    for (int mode : {OVERHEAD_VIEW, END_VIEW}) {
        cameraMode = mode;
        updateHud();
        EXPECT_EQ(L"", textOf(centreReadout)) << mode;
    }
    placeOnTrack(home_players[3], 2500.0f, PI_F / 2);
    selectedPlayer = 3;
    cameraMode = PLAYER_CHASE;
    updateHud();
    EXPECT_EQ(0u, textOf(centreReadout).find(L"H3 r:25.0m t:090"));
    EXPECT_EQ(HOME_ORANGE, centreReadout->getOverrideColor());
    selectedTeam = 'A';
    updateHud();
    EXPECT_EQ(0u, textOf(centreReadout).find(L"A3 r:"));
    EXPECT_EQ(AWAY_GREEN, centreReadout->getOverrideColor());
}

} // namespace
