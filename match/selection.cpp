#include "match/selection.h"

#include "players/player.h"

char selectedTeam = 'H';
int selectedPlayer = 0;
bool showRosterReadouts = false;
int cameraMode = 0;

Player* selectedPlayerRecord()
{
    return &playerOf(selectedTeam, selectedPlayer);
}

int nextCameraMode(int mode)
{
    switch (mode) {
    case END_VIEW:
        return BALL_CHASE;
    case BALL_CHASE:
        return PLAYER_CHASE;
    case PLAYER_CHASE:
        return OVERHEAD_VIEW;
    default:
        // The overhead view and any stray value go on to the end view.
        return END_VIEW;
    }
}

void cycleCameraMode()
{
    cameraMode = nextCameraMode(cameraMode);
}
