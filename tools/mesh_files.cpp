// Every mesh file the game loads, by the name it loads it under.
#include "tools/arena_meshes.h"
#include "tools/output.h"
#include "tools/player_meshes.h"
#include "tools/scoreboard_meshes.h"

void makeArenaMeshes(AssetOutput& out)
{
    saveMesh(out, "playerbayfloor.3ds", makePlayerBayFloor());
    saveMesh(out, "innerrailnorth.3ds", makeInnerRail(true));
    saveMesh(out, "innerrailsouth.3ds", makeInnerRail(false));
    saveMesh(out, "elevator.3ds", makeElevator());
    saveMesh(out, "elevatordoor.obj", makeElevatorDoor());
    saveMesh(out, "ladder.3ds", makeLadder());
    saveMesh(out, "controller.3ds", makeController());
    saveMesh(out, "controlchair.3ds", makeControlChair());
    saveMesh(out, "goalwest.3ds", makeWestGoal());
    saveMesh(out, "outertrack.3ds", makeOuterTrack());
    saveMesh(out, "outerwall.3ds", makeOuterWall());
    saveMesh(out, "goaltextbox.3ds", makeGoalTextBox());
    saveMesh(out, "teamcard.3ds", makeTeamCard());
    saveMesh(out, "scoreboardeast.3ds", makeScoreboard(false));
    saveMesh(out, "scoreboardwest.3ds", makeScoreboard(true));
    saveMesh(out, "timebox.obj", makeTimebox());
    saveMesh(out, "goalfingerseast.3ds", makeEastGoalFingers());
    saveMesh(out, "goaleastguide.3ds", makeEastGoalGuide());
}

void makePlayerMeshes(AssetOutput& out)
{
    saveMesh(out, "skater.obj", makeSkater());
    saveMesh(out, "biker.3ds", makeBiker());
    saveMesh(out, "wheel.obj", makeWheel());
    saveMesh(out, "statball.obj", makeStatusBall());
}
