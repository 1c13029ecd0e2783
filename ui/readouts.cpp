#include "ui/readouts.h"

#include "players/player.h"

wchar_t stateText[STATE_TEXT_SIZE];

void formatReadout(const Player&, wchar_t* destination)
{
    destination[0] = 0;
}
void writeStateLine(const Player&, irr::gui::IGUIStaticText*) {}
void printPlayerDump(const Player&) {}
void printDumpWithClock(const Player&) {}
