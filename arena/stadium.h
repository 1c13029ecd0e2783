#pragma once
// The fixed scenery around and under the track.

// Builds every stadium piece in order, with both scoreboards between the west
// goal and the outer track. A piece whose mesh is missing is left out silently.
void buildStadium();
// Draws the arena's shell, the surfaces behind everything else in the scene:
// the outer track, the player-bay floor and the outer wall with its stands and
// hall. The scene manager leaves them out; call this right after it has drawn
// the rest, so the depth test turns away their hidden pixels before the
// renderer textures them.
void drawArenaShell();
// The east goal: part of the builder set, not built at start-up.
void buildEastGoal();
