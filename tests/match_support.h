#pragma once
// A new game with no engine at all: the match keeps every place, condition
// and board reading in its records. The fixtures on the null driver are for
// the tests of what presents it.
#include <cmath>
#include <cstdio>
#include <string>

#include "core/commentary.h"
#include "core/run_state.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/track.h"
#include "players_support.h"
#include "test_support.h"

// Placing players and the ball, and reading the boards, for any fixture.
class MatchHelpers {
protected:
    // The time step of every tick, in ms: 0 stops everything in its place.
    static void setTimeStep(int ms)
    {
        tickStep = static_cast<float>(ms);
    }

    // Moves the ball (its position and track fields) to a track position.
    static void placeBall(float r, float theta)
    {
        ball.position.set(r * cosf(theta), bankHeight(r) + 10, r * sinf(theta));
        ball.r = r;
        ball.theta = theta;
    }

    // A slow, live ball rolling down the bank.
    static void makeSlowBall(float r, float theta, float zt_dt = -0.0006f)
    {
        placeBall(r, theta);
        ball.live = true;
        ball.holder = 0;
        ball.zt_dt = zt_dt;
        ball.zt_dt2 = 0;
        ball.xr_dt = 0;
        ball.xr_dt2 = -3.0283665e-5f;
    }

    // The player standing `distance` cm further out along x from the ball.
    static void placeBesideBall(Player& p, float distance, int path = LAPPING)
    {
        const irr::core::vector3df at = ball.position;
        const float x = at.X + distance;
        const float r = trackRadius(x, at.Z);
        placeOnTrack(p, r, trackAngle(x, at.Z, r), path);
    }

    // What the boards are to show, as "period mm:ss home-away".
    static std::string boardsReading()
    {
        const MatchClock& c = matchClock;
        char text[48];
        snprintf(text, sizeof text, "%d %d%d:%d%d %02d-%02d", c.shown_period, c.shown[0], c.shown[1], c.shown[2],
                 c.shown[3], c.shown_home_score, c.shown_away_score);
        return text;
    }
};

// A new game on `Base`: no engine at all (RecordsTest), or the null driver
// for the tests of what presents the match (NullDeviceTest).
template <class Base>
class MatchFixture : public Base, protected MatchHelpers {
protected:
    void SetUp() override
    {
        Base::SetUp();
        setUpRosters();
        setUpReferees();
        setTimeStep(20);
        newGame();
    }
};

using MatchTest = MatchFixture<RecordsTest>;
using MatchOnDeviceTest = MatchFixture<NullDeviceTest>;
