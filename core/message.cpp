#include "core/message.h"

#include <cstdio>
#include <cstdlib>

#include "core/run_state.h"

void (*haltHooks[HALT_HOOK_COUNT])(const char* text) = {};

void reportMessage(irr::u8 level, const char* text)
{
    if (text)
        printf("%s\n", text);
    if (level == MESSAGE_HALT) {
        // The text is out before anything that may take a while (the final whistle).
        fflush(stdout);
        for (auto& hook : haltHooks) {
            if (!hook)
                continue;
            void (*last)(const char*) = hook;
            hook = 0; // a fault inside it must not call it again
            last(text);
        }
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
