// The HUD over the null driver: the texts, their colours and what each frame writes.
#include <string>

#include "match_support.h"
#include "ui/cameras.h"
#include "ui/hud.h"
#include "ui/input.h"

namespace {

constexpr float PI = 3.14159265f;
const irr::video::SColor HOME_ORANGE(127, 255, 127, 0);
const irr::video::SColor AWAY_GREEN(127, 63, 255, 0);

class HudTest : public MatchTest {
protected:
    void SetUp() override
    {
        MatchTest::SetUp();
        newGame();
        setupHud();
    }
    void TearDown() override
    {
        forgetHud();
        MatchTest::TearDown();
    }

    static std::wstring textOf(irr::gui::IGUIStaticText* element) { return element->getText(); }

    static void forEachRosterText(void (*check)(irr::gui::IGUIStaticText*, const char* kind, int row))
    {
        for (int i = 0; i < TEAM_SIZE; ++i) {
            check(homeReadouts[i], "home readout", i);
            check(homeStates[i], "home state", i);
            check(awayReadouts[i], "away readout", i);
            check(awayStates[i], "away state", i);
        }
    }

    static void looseBall(float r, float theta, float zt_dt)
    {
        placeBall(r, theta);
        ball.holder = 0;
        ball.zt_dt = zt_dt;
    }
};

TEST_F(HudTest, SetUpLaysOutEveryTextWithItsPlaceholderAndColour)
{
    EXPECT_FALSE(device->getCursorControl()->isVisible());

    EXPECT_EQ(irr::core::rect<irr::s32>(280, 30, 440, 80), centreReadout->getRelativePosition());
    EXPECT_EQ(L"THIS IS A TEST STRING", textOf(centreReadout));
    EXPECT_FALSE(centreReadout->isOverrideColorEnabled());
    EXPECT_EQ(irr::core::rect<irr::s32>(10, 50, 170, 100), homeReadouts[0]->getRelativePosition());
    EXPECT_EQ(irr::core::rect<irr::s32>(10, 430, 170, 480), homeStates[9]->getRelativePosition());
    EXPECT_EQ(irr::core::rect<irr::s32>(470, 410, 630, 460), awayReadouts[9]->getRelativePosition());
    EXPECT_EQ(irr::core::rect<irr::s32>(470, 70, 630, 120), awayStates[0]->getRelativePosition());
    forEachRosterText([](irr::gui::IGUIStaticText* text, const char* kind, int row) {
        EXPECT_EQ(L"THIS IS A TEST STRING", textOf(text)) << kind << row;
        EXPECT_FALSE(text->isOverrideColorEnabled()) << kind << row;
        EXPECT_TRUE(text->isWordWrapEnabled()) << kind << row;
    });

    struct Fixed {
        irr::gui::IGUIStaticText* text;
        irr::core::rect<irr::s32> area;
        const wchar_t* placeholder;
        irr::video::SColor colour;
    };
    for (const Fixed& f : {Fixed{ballStatusText, {280, 460, 440, 510}, L"BALL STAT FIX ME", {127, 255, 255, 255}},
                           Fixed{scoreText, {280, 15, 440, 65}, L"HOU:00 MAD:00 1 21:12", AWAY_GREEN},
                           Fixed{commentaryText, {280, 430, 440, 460}, L"COLOR COMMENTARY", {127, 255, 255, 0}}}) {
        EXPECT_EQ(f.area, f.text->getRelativePosition());
        EXPECT_EQ(f.placeholder, textOf(f.text));
        EXPECT_TRUE(f.text->isOverrideColorEnabled());
        EXPECT_EQ(f.colour, f.text->getOverrideColor());
    }
}

TEST_F(HudTest, WithRosterReadoutsOffTheFortyAreBlankAndTheLinesStillUpdate)
{
    looseBall(2900.0f, PI / 2, 0.0005f);
    setCommentary("Ball is dropped!");
    updateHud();
    forEachRosterText([](irr::gui::IGUIStaticText* text, const char* kind, int row) {
        EXPECT_EQ(L"", textOf(text)) << kind << row;
    });
    EXPECT_EQ(L"29.0m 090 032mph", textOf(ballStatusText));
    EXPECT_EQ(L"Ball is dropped!", textOf(commentaryText));
    EXPECT_EQ(L"HOU:00 MAD:00 0 60:00", textOf(scoreText));
}

TEST_F(HudTest, RosterReadoutsToggledOnAreFilledAndColouredByTeam)
{
    updateHud();
    showRosterReadouts = true;
    home_players[2].penalty = 30;
    away_players[6].set_path(LAPPING);
    updateHud();
    for (int i = 0; i < TEAM_SIZE; ++i) {
        EXPECT_EQ(0u, textOf(homeReadouts[i]).find(L"H" + std::to_wstring(i) + L" r:")) << i;
        EXPECT_EQ(0u, textOf(awayReadouts[i]).find(L"A" + std::to_wstring(i) + L" r:")) << i;
        EXPECT_EQ(HOME_ORANGE, homeReadouts[i]->getOverrideColor()) << i;
        EXPECT_EQ(AWAY_GREEN, awayReadouts[i]->getOverrideColor()) << i;
        EXPECT_TRUE(homeReadouts[i]->isOverrideColorEnabled() && awayReadouts[i]->isOverrideColorEnabled());
        EXPECT_TRUE(homeStates[i]->isOverrideColorEnabled() && awayStates[i]->isOverrideColorEnabled());
    }
    EXPECT_EQ(L"PENALTY  30", textOf(homeStates[2]));
    EXPECT_EQ(L"LAPPING", textOf(awayStates[6]));
    EXPECT_EQ(L"STOPPED", textOf(homeStates[0])); // not yet seated: no tick has run

    showRosterReadouts = false;
    updateHud();
    EXPECT_EQ(L"", textOf(homeReadouts[4]));
    EXPECT_EQ(L"", textOf(awayStates[6]));
}

TEST_F(HudTest, BallLineNamesTheHolderAndKeepsTheSignOfTheSpeed)
{
    looseBall(2900.0f, PI / 2, 0.0005f);
    ball.holder = &away_players[7];
    updateHud();
    EXPECT_EQ(L"29.0m 090 032mph A7", textOf(ballStatusText));

    // Fired against the players' direction, the ball shows a negative speed.
    looseBall(1850.0f, 3.0f * PI / 2, -0.0012f);
    updateHud();
    EXPECT_EQ(L"18.5m 270 -49mph", textOf(ballStatusText));

    looseBall(450.0f, 0.0f, 0.0f);
    updateHud();
    EXPECT_EQ(L"4.5m 000 000mph", textOf(ballStatusText));
}

TEST_F(HudTest, ScoreLineShowsScorePeriodAndClock)
{
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

TEST_F(HudTest, CommentaryIsWidenedByteByByte)
{
    setCommentary("H5 shoots and scores!");
    updateHud();
    EXPECT_EQ(L"H5 shoots and scores!", textOf(commentaryText));

    // No locale can make the line vanish: a byte above ASCII keeps its value.
    setCommentary("caf\xe9 \x80");
    updateHud();
    EXPECT_EQ(std::wstring(L"caf\u00e9 ") + wchar_t(0x80), textOf(commentaryText));
}

TEST_F(HudTest, PausedFreezesEveryTextButTheBallLine)
{
    showRosterReadouts = true;
    looseBall(2900.0f, PI / 2, 0.0005f);
    setCommentary("Adding referees");
    updateHud();
    const std::wstring readout = textOf(homeReadouts[0]);

    paused = true;
    matchClock.home_score = 4;
    setCommentary("H1 hit by ball!");
    showRosterReadouts = false;
    cameraMode = OVERHEAD_VIEW;
    updateHud();
    EXPECT_EQ(L"PAUSED", textOf(ballStatusText));
    EXPECT_EQ(L"HOU:00 MAD:00 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"Adding referees", textOf(commentaryText));
    EXPECT_EQ(readout, textOf(homeReadouts[0]));

    paused = false;
    updateHud();
    EXPECT_EQ(L"29.0m 090 032mph", textOf(ballStatusText));
    EXPECT_EQ(L"HOU:04 MAD:00 0 60:00", textOf(scoreText));
    EXPECT_EQ(L"", textOf(homeReadouts[0]));
}

TEST_F(HudTest, CentreReadoutFollowsTheSelectedPlayerOnlyInPlayerChase)
{
    for (int mode : {OVERHEAD_VIEW, END_VIEW}) {
        cameraMode = mode;
        updateHud();
        EXPECT_EQ(L"", textOf(centreReadout)) << mode;
    }

    placeOnTrack(home_players[3], 2500.0f, PI / 2);
    selectedPlayer = 3;
    cameraMode = PLAYER_CHASE;
    updateHud();
    EXPECT_EQ(0u, textOf(centreReadout).find(L"H3 r:25.0m t:090")) << textOf(centreReadout).c_str();
    EXPECT_EQ(HOME_ORANGE, centreReadout->getOverrideColor());

    // Every frame: a new selection shows on the next one, in its team's colour.
    selectedTeam = 'A';
    updateHud();
    EXPECT_EQ(0u, textOf(centreReadout).find(L"A3 r:")) << textOf(centreReadout).c_str();
    EXPECT_EQ(AWAY_GREEN, centreReadout->getOverrideColor());

    // The ball chase leaves the text as it was.
    cameraMode = BALL_CHASE;
    const std::wstring shown = textOf(centreReadout);
    updateHud();
    EXPECT_EQ(shown, textOf(centreReadout));
}

TEST_F(HudTest, NothingIsTouchedBeforeTheTextsExist)
{
    forgetHud();
    updateHud(); // must not reach for texts that are not there
    SUCCEED();
}

} // namespace
