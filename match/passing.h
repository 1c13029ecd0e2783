#pragma once
// The hand-over from catcher to skater, and the roles it hands out.
struct Player;

// p and q are team-mates on the bank within reach, p the lower shirt number.
bool tryPass(Player& p, Player& q);
void receivePass(Player& s);
