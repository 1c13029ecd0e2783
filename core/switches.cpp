#include "core/switches.h"

#include <cstdio>
#include <vector>

#include "core/files.h"

bool floorSwitch = false;
bool lightingSwitch = false;
bool bikerSwitch = false;

static const char* const SWITCHES_FILE = "skorvane.ini";
// A few letters make a switches file; anything past this is read no further.
static constexpr size_t MAX_SWITCHES_FILE_BYTES = 64 * 1024;

void readSwitches()
{
    floorSwitch = false;
    lightingSwitch = false;
    bikerSwitch = false;

    // Only a regular file is read: a pipe or a device in its place (which
    // would block or never end) counts as no file at all.
    std::vector<unsigned char> bytes;
    bool more = false;
    if (!readRegularFile(SWITCHES_FILE, MAX_SWITCHES_FILE_BYTES, bytes, &more))
        return;
    for (const unsigned char c : bytes) {
        switch (c) {
        case 'F': floorSwitch = true; break;
        case 'L': lightingSwitch = true; break;
        case 'P': bikerSwitch = true; break;
        default: printf("unknown INI switch %c\n", c); break;
        }
    }
    if (more)
        printf("%s is longer than %zu bytes: the rest was ignored\n", SWITCHES_FILE, MAX_SWITCHES_FILE_BYTES);
}
