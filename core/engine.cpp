#include "core/engine.h"

irr::IrrlichtDevice* device = 0;
irr::video::IVideoDriver* driver = 0;
irr::scene::ISceneManager* sceneManager = 0;
