#include "ui/hud.h"

wchar_t hudText[HUD_TEXT_SIZE];
irr::gui::IGUIStaticText* centreReadout = 0;
irr::gui::IGUIStaticText* homeReadouts[10];
irr::gui::IGUIStaticText* homeStates[10];
irr::gui::IGUIStaticText* awayReadouts[10];
irr::gui::IGUIStaticText* awayStates[10];
irr::gui::IGUIStaticText* ballStatusText = 0;
irr::gui::IGUIStaticText* scoreText = 0;
irr::gui::IGUIStaticText* commentaryText = 0;

void setupHud() {}
void updateHud() {}
