#pragma once
// Start-up: device, switches, assets, cameras, HUD, stadium, players, collision
// and the first new game, in that order; the frame statistics are cleared
// last of all, just before the loop.
#include <irrlicht.h>

// Seeds the random generator with `seed` (the calendar time, or a
// recording's seed), opens the game's window and builds the game. Halts with
// "Cannot create graphics driver!" when no window can be opened.
void startUp(unsigned seed);

// Makes `engine` the game's device, taking its video driver and scene manager.
void useDevice(irr::IrrlichtDevice* engine);

// Everything after the device: switches, digits, cameras, HUD, stadium,
// players, referees, camera collision and a new game. Also used on the null
// driver by the headless runner, benchmarks and tests.
void buildGame();
