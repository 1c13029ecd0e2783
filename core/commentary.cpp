#include "core/commentary.h"

#include <cstdio>

// Written by every narrating subsystem, read by the HUD each frame.
// A text longer than the buffer is cut, never overrun.
static char commentary[COMMENTARY_SIZE];

void setCommentary(const char* text)
{
    snprintf(commentary, sizeof commentary, "%s", text);
}

void setPlayerCommentary(char team, int number, const char* text)
{
    snprintf(commentary, sizeof commentary, "%c%d %s", team, number, text);
}

const char* getCommentary()
{
    return commentary;
}
