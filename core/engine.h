#pragma once
// The engine objects that every subsystem draws and loads through.
// Written once at start-up (tests point them at a null-driver device); never reset.
#include <irrlicht.h>

extern irr::IrrlichtDevice* device;
extern irr::video::IVideoDriver* driver;
extern irr::scene::ISceneManager* sceneManager;
