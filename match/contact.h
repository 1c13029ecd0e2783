#pragma once
// Contact between players: passes between team-mates on the bank, collisions
// between opponents, condition and penalties.
struct Player;

struct Penalty {
    int seconds;      // game-clock seconds to serve
    const char* text; // as the commentary announces it
};
enum PenaltyKind { RUNNING_OVER_SKATER = 0, ROUGHING_THE_CATCHER = 1 };
extern const Penalty penaltyTable[2];

void contactPass();
void bump(Player& h, Player& a);
bool losesBall(Player& p);
void penalise(int kind, Player& p);
