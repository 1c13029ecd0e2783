#include "app/switches.h"

#include <cstdio>

bool floorSwitch = false;
bool lightingSwitch = false;
bool bikerSwitch = false;

void readSwitches()
{
    floorSwitch = false;
    lightingSwitch = false;
    bikerSwitch = false;

    FILE* file = fopen("skorvane.ini", "r");
    if (!file)
        return;
    // fgetc hands back every byte as 0..255, so a 0xFF byte is not mistaken for the end.
    for (int c = fgetc(file); c != EOF; c = fgetc(file)) {
        switch (c) {
        case 'F': floorSwitch = true; break;
        case 'L': lightingSwitch = true; break;
        case 'P': bikerSwitch = true; break;
        default: printf("unknown INI switch %c\n", c); break;
        }
    }
    fclose(file);
}
