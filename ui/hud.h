#pragma once
// The HUD: static texts and marker rectangles, laid out for a 640 x 480
// window and scaled to the game's window.
#include <irrlicht.h>

constexpr int HUD_TEXT_SIZE = 1024; // wide characters

extern wchar_t hudText[HUD_TEXT_SIZE];
extern irr::gui::IGUIStaticText* centreReadout;
extern irr::gui::IGUIStaticText* homeReadouts[10];
extern irr::gui::IGUIStaticText* homeStates[10];
extern irr::gui::IGUIStaticText* awayReadouts[10];
extern irr::gui::IGUIStaticText* awayStates[10];
extern irr::gui::IGUIStaticText* ballStatusText;
extern irr::gui::IGUIStaticText* scoreText;
extern irr::gui::IGUIStaticText* commentaryText;
extern irr::gui::IGUIStaticText* playbackText; // the speed, REPLAY, a recording's progress
extern irr::gui::IGUIStaticText* directorText; // DIRECTOR while the director chooses the cameras

// Makes the texts for the window's size and chooses the HUD font for it.
void setupHud();
// How many times the 640 x 480 layout a window of `window` px holds: the
// smaller of its two ratios, so the whole HUD fits.
float hudLayoutScale(irr::core::dimension2d<irr::u32> window);
// Does nothing until setupHud has made the texts.
void updateHud();
// Lets go of the text handles, as before setupHud: for a device that is being
// dropped, whose GUI environment takes the texts with it.
void forgetHud();
