#pragma once
// Start-up: device, switches, assets, cameras, HUD, stadium, players, collision,
// the first new game and cleared frame statistics, in that order.
void startUp();
