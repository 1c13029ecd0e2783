// A hundred thousand random key and mouse events, with random modifiers,
// interleaved with whole frames of the real game on the null driver: nothing
// crashes, and every player and ball field stays a number.
#include <cstdlib>

#include "app/frame_loop.h"
#include "app/headless_match.h"
#include "app/startup.h"
#include "core/engine.h"
#include "core/random.h"
#include "test_support.h"
#include "ui/input.h"

namespace {

constexpr int EVENTS = 100000;
constexpr int EVENTS_PER_FRAME = 8; // a frame after this many events, on average

int draw(int n)
{
    return rand() % n;
}

irr::SEvent randomEvent()
{
    irr::SEvent event = {};
    if (draw(4) != 0) {
        event.EventType = irr::EET_KEY_INPUT_EVENT;
        event.KeyInput.Key = static_cast<irr::EKEY_CODE>(draw(irr::KEY_KEY_CODES_COUNT));
        event.KeyInput.PressedDown = draw(2) == 0;
        event.KeyInput.Shift = draw(2) == 0;
        event.KeyInput.Control = draw(2) == 0;
        event.KeyInput.Char = static_cast<wchar_t>(draw(128));
    } else {
        event.EventType = irr::EET_MOUSE_INPUT_EVENT;
        event.MouseInput.Event = static_cast<irr::EMOUSE_INPUT_EVENT>(draw(irr::EMIE_COUNT));
        event.MouseInput.X = draw(640);
        event.MouseInput.Y = draw(480);
        event.MouseInput.Wheel = static_cast<float>(draw(3) - 1);
        event.MouseInput.ButtonStates = static_cast<irr::u32>(draw(8));
    }
    return event;
}

class InputFuzzTest : public NullDeviceTest {};

TEST_F(InputFuzzTest, RandomEventsBetweenFramesLeaveEverythingSound)
{
    useDevice(device);
    buildGame();
    srand(20261208);
    seedRandom(20261208);
    // Frames of 20 ms, counted as the loop counts them.
    clearFrameStatistics(0);
    irr::s32 now = 0;

    // Q ends the loop and Z starts a new game: the fuzz keeps playing through both.
    captureStdout([&] {
        for (int i = 0; i < EVENTS; ++i) {
            gameEventReceiver.OnEvent(randomEvent());
            if (draw(EVENTS_PER_FRAME) != 0)
                continue;
            running = true;
            if (countFrame(now += 20))
                simulateAndDraw();
            const char* fault = findUnsoundRecord();
            ASSERT_EQ(nullptr, fault) << "after event " << i << ": " << fault;
        }
    });
    EXPECT_GT(frameCount, EVENTS / EVENTS_PER_FRAME / 2);
}

} // namespace
