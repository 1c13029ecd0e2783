#pragma once
// The fixed scenery around and under the track.

// Builds every stadium piece in order, with both scoreboards between the west
// goal and the outer track. A piece whose mesh is missing is left out silently.
void buildStadium();
// The east goal: part of the builder set, not built at start-up.
void buildEastGoal();
