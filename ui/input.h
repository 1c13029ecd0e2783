#pragma once
// Keyboard and mouse: one event receiver for the whole run.
#include <irrlicht.h>

struct Player;

class GameEventReceiver : public irr::IEventReceiver {
public:
    ~GameEventReceiver() override {}
    // Reacts to key releases and mouse button presses; returns `handled`.
    // Keys that change the game go into the recording, if one is written.
    bool OnEvent(const irr::SEvent& event) override;

    bool handled = false; // result of the last release or mouse event processed
};

// Created before the program's entry runs; start-up hands it to the device.
extern GameEventReceiver gameEventReceiver;

bool handleKey(const irr::SEvent* event);
bool handleMouse(const irr::SEvent* event);
// A key release while a recording plays: only Q and the viewer's own V act.
bool handleViewerKey(const irr::SEvent* event);
