#pragma once
// What the user's commands point the match at: the selected team and player,
// the camera mode as the match sees it (a player is steered by hand only in
// the player chase), and the roster readouts. Commands change these, the
// match and the HUD read them; newGame sets them back.

struct Player;

enum CameraMode { OVERHEAD_VIEW = 0, END_VIEW = 1, BALL_CHASE = 2, PLAYER_CHASE = 3 };

extern char selectedTeam;       // 'H' or 'A'; newGame sets 'H'
extern int selectedPlayer;      // shirt number 0..9; newGame sets 0
extern bool showRosterReadouts; // the HUD's forty roster texts; newGame clears it
extern int cameraMode;          // 0..3; newGame sets 0, the V command cycles it

// The selected team's player with the selected shirt number.
Player* selectedPlayerRecord();
// The mode after `mode` in the cycle: overhead, end view, ball chase, player
// chase, overhead; any other value goes on to the end view.
int nextCameraMode(int mode);
void cycleCameraMode();
