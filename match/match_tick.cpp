#include "match/match_clock.h"

#include "app/frame_loop.h"

int clockTickCounter = 0;
int autoFireCounter = 0;
bool autoPlay = false;

void matchTick() {}
void fireBall() {}

void newGame()
{
    running = true;
    paused = false;
}
