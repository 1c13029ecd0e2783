#pragma once
// The size of the screen the game opens on, for --fullscreen.
#include <irrlicht.h>

// The desktop's resolution in px, or 0 x 0 when no display answers. Asked of
// the engine first; Debian's engine is built without the X extensions it
// reads modes through, so the X server is then asked directly.
irr::core::dimension2d<irr::u32> desktopSize();

// Vertical sync is asked of the display with a GLX request that some X
// servers refuse with an error (Xvfb does), and Xlib's own answer to an
// error is to end the program. From countDisplayErrors on, X errors are
// counted instead; displayErrorsCounted waits for every answer the device's
// display owes, puts Xlib's handler back and returns the count.
void countDisplayErrors();
int displayErrorsCounted(irr::IrrlichtDevice* device);
