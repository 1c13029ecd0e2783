#pragma once
// The one line of running commentary that the HUD shows. Each write replaces
// the last; nothing here reaches the console.

constexpr int COMMENTARY_SIZE = 176; // characters, terminator included

void setCommentary(const char* text);
// "%c%d %s": team letter, shirt number, a blank and the text, e.g. "A3 hit by ball!".
void setPlayerCommentary(char team, int number, const char* text);
const char* getCommentary();
