#pragma once
// The size of the screen the game opens on, for --fullscreen.
#include <irrlicht.h>

// The desktop's resolution in px, or 0 x 0 when no display answers. Asked of
// the engine first; Debian's engine is built without the X extensions it
// reads modes through, so the X server is then asked directly.
irr::core::dimension2d<irr::u32> desktopSize();
