#include "players/player_dump.h"

#include <cinttypes>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "match/match_clock.h"
#include "players/player.h"
#include "players/track.h"

static constexpr float CM_PER_METRE = 100.0f;

int wholePart(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

int wholeDegrees(float theta)
{
    return wholePart(theta * 360.0f / TWO_PI_F);
}

void printPlayerDump(const Player& player)
{
    // The handle whole, even where pointers are wider than eight digits.
    const uintptr_t handle = reinterpret_cast<uintptr_t>(player.node);
    printf(" %c%d\n r:%3.1f\n t:%3d\n pms:%2.1f%%\n xr_dt:%3.1f\n zt_dt:%3.1f\n path:%d\n lp:%d\n hp:%d\n"
           " e_t:%d\n e_u:%d\n e_k:%d\n node:%08" PRIXPTR,
           player.team, player.number, static_cast<double>(player.r / CM_PER_METRE), wholeDegrees(player.theta),
           static_cast<double>(player.pms * 100.0f), static_cast<double>(player.xr_dt),
           static_cast<double>(player.zt_dt), player.path, player.lp, player.hp,
           wholePart(player.total_energy()), wholePart(player.potential_energy()),
           wholePart(player.kinetic_energy()), handle);
    // The dump follows a fault report; it must reach the console even if the game halts next.
    fflush(stdout);
}

void printDumpWithClock(const Player& player)
{
    printf("\nPLAYER DUMP:\n ");
    matchClock.printClockLine();
    printPlayerDump(player);
}
