#include "app/message.h"

#include <cstdio>
#include <cstdlib>

#include "app/frame_loop.h"

void (*beforeHalting)() = 0; // set by the sound while its device is open

void reportMessage(irr::u8 level, const char* text)
{
    if (text)
        printf("%s\n", text);
    if (level == MESSAGE_HALT) {
        fflush(stdout);
        if (beforeHalting)
            beforeHalting();
        printf("halting");
        // _Exit skips static destructors: the engine may be half built when a
        // fault stops us, so nothing of it is torn down. The console keeps the text.
        fflush(stdout);
        std::_Exit(1);
    }
    printf("pausing");
    fflush(stdout);
    paused = true;
}
