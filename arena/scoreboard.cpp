#include "arena/scoreboard.h"

#include "match/match_clock.h"

irr::scene::IAnimatedMesh* timeboxMesh = 0;
irr::video::ITexture* digitTextures[10];

void loadClockDigits()
{
}

void buildScoreboards()
{
    buildScoreboard(matchClock.boards[0]);
    buildScoreboard(matchClock.boards[1]);
}

void buildScoreboard(Scoreboard&)
{
}
