#include "core/run_state.h"

#include <chrono>

bool running = false;
bool paused = false;
float tickStep = static_cast<float>(TICK_MS);
long matchTickNumber = 0;

irr::s32 readClock()
{
    using namespace std::chrono;
    static const steady_clock::time_point start = steady_clock::now();
    return static_cast<irr::s32>(duration_cast<milliseconds>(steady_clock::now() - start).count());
}
