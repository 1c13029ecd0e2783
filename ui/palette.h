#pragma once
// The HUD's colours. Half transparent (alpha 127), so the arena shows through.
#include <irrlicht.h>

inline const irr::video::SColor HOME_ORANGE(127, 255, 127, 0); // home texts and marker, penalties
inline const irr::video::SColor AWAY_GREEN(127, 63, 255, 0);   // away texts and marker, the score
inline const irr::video::SColor WHITE(127, 255, 255, 255);
inline const irr::video::SColor YELLOW(127, 255, 255, 0);
inline const irr::video::SColor RED(127, 255, 0, 0);
inline const irr::video::SColor PURE_GREEN(127, 0, 255, 0); // user control
