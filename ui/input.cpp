#include "ui/input.h"

#include "players/player.h"

GameEventReceiver gameEventReceiver;
char selectedTeam = 'H';
int selectedPlayer = 0;
bool showRosterReadouts = false;

bool GameEventReceiver::OnEvent(const irr::SEvent&)
{
    return handled;
}

Player* selectedPlayerRecord()
{
    return &playerOf(selectedTeam, selectedPlayer);
}

bool handleKey(const irr::SEvent*) { return false; }
bool handleMouse(const irr::SEvent*) { return false; }
