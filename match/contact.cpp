#include "match/contact.h"

#include "players/player.h"

const Penalty penaltyTable[2] = {
    {180, "running over skater"},
    {60, "roughing the catcher"},
};

void contactPass() {}
void bump(Player&, Player&) {}
bool losesBall(Player&) { return false; }
void penalise(int, Player&) {}

void Player::change_condition(int delta)
{
    hp += delta;
}
