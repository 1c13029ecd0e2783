#include "arena/stadium.h"

#include "app/commentary.h"

void buildStadium()
{
    setCommentary("Building stadium");
}

void buildEastGoal()
{
}
