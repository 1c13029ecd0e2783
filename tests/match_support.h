#pragma once
// A new game on the null driver that needs no generated meshes: every player
// gets a plain body with a status ball, both scoreboards get their nine
// boxes, the referees stand, and the textures the match shows are registered
// by name so a test can read back which one a node carries.
#include <cmath>
#include <cstdio>
#include <string>

#include "core/commentary.h"
#include "core/engine.h"
#include "app/frame_loop.h"
#include "arena/scoreboard.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_stats.h"
#include "players/player.h"
#include "players/track.h"
#include "test_support.h"

class MatchTest : public NullDeviceTest {
protected:
    void SetUp() override
    {
        NullDeviceTest::SetUp();
        registerTextures();
        buildBoards();
        buildPlayers();
        for (Referee& referee : referees)
            referee.node = sceneManager->addEmptySceneNode();
        setTimeStep(20);
        newGame();
    }

    // The time step of every tick, in ms: 0 stops everything in its place.
    static void setTimeStep(int ms)
    {
        tickStep = static_cast<float>(ms);
    }

    // Puts a player on the track at radius r and angle theta, as a placement would.
    static void placeOnTrack(Player& p, float r, float theta, int path = LAPPING)
    {
        p.node->setPosition(irr::core::vector3df(r * cosf(theta), bankHeight(r), r * sinf(theta)));
        p.r = r;
        p.theta = theta;
        p.lane = r <= LANE_0_MAX_RADIUS ? 0 : r <= BANK_START_RADIUS ? 1 : 2;
        p.set_path(path);
    }

    // Moves the ball's node (and its record) to a track position.
    static void placeBall(float r, float theta)
    {
        ball.node->setPosition(irr::core::vector3df(r * cosf(theta), bankHeight(r) + 10, r * sinf(theta)));
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
        const irr::core::vector3df at = ball.node->getPosition();
        const float x = at.X + distance;
        const float r = trackRadius(x, at.Z);
        placeOnTrack(p, r, trackAngle(x, at.Z, r), path);
    }

    // The name of the texture on layer 0 of a node ("" for none).
    static std::string textureOf(irr::scene::ISceneNode* node)
    {
        irr::video::ITexture* texture = node->getMaterial(0).getTexture(0);
        return texture ? std::string(texture->getName().getPath().c_str()) : std::string();
    }

    // What a board reads, as "period mm:ss home-away", digit by digit.
    static std::string boardReading(const Scoreboard& board)
    {
        char text[32];
        snprintf(text, sizeof text, "%d %d%d:%d%d %d%d-%d%d", digitOn(board.timebox),
                 digitOn(board.clock_digits[0]), digitOn(board.clock_digits[1]), digitOn(board.clock_digits[2]),
                 digitOn(board.clock_digits[3]), digitOn(board.home_tens), digitOn(board.home_units),
                 digitOn(board.away_tens), digitOn(board.away_units));
        return text;
    }

    // Both boards must agree; the reading of the east one.
    static std::string boardsReading()
    {
        const std::string east = boardReading(matchClock.boards[0]);
        EXPECT_EQ(east, boardReading(matchClock.boards[1]));
        return east;
    }

private:
    static int digitOn(irr::scene::ISceneNode* box)
    {
        irr::video::ITexture* texture = box->getMaterial(0).getTexture(0);
        for (int d = 0; d < 10; ++d)
            if (texture && texture == digitTextures[d])
                return d;
        return -1;
    }

    static void registerTextures()
    {
        const irr::core::dimension2d<irr::u32> size(1, 1);
        char name[64];
        for (int d = 0; d < 10; ++d) {
            snprintf(name, sizeof name, "meshes/sbn%c.jpg", '0' + d);
            digitTextures[d] = driver->addTexture(size, name);
        }
        for (const char* band : {"ok", "hit", "crit"})
            for (const char* team : {"hou", "mad"}) {
                snprintf(name, sizeof name, "meshes/statball_%s_%s.jpg", band, team);
                driver->addTexture(size, name);
            }
    }

    static void buildBoards()
    {
        for (Scoreboard& board : matchClock.boards) {
            board.timebox = sceneManager->addCubeSceneNode();
            for (irr::scene::ISceneNode** box : {&board.home_tens, &board.home_units, &board.away_tens,
                                                 &board.away_units, &board.clock_digits[0],
                                                 &board.clock_digits[1], &board.clock_digits[2],
                                                 &board.clock_digits[3]})
                *box = sceneManager->addCubeSceneNode(10.0f, board.timebox);
        }
    }

    static void buildPlayers()
    {
        for (int number = 0; number < TEAM_SIZE; ++number) {
            for (Player* p : {&home_players[number], &away_players[number]}) {
                p->team = p == &home_players[number] ? 'H' : 'A';
                p->number = number;
                p->type = number < 3 ? Biker : number < 5 ? Catcher : Skater;
                p->node = sceneManager->addEmptySceneNode();
                p->statball = sceneManager->addCubeSceneNode(10.0f, p->node);
            }
        }
    }
};
