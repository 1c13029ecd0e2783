#include "app/tick_driver.h"

#include "app/recording.h"
#include "app/replay.h"
#include "core/run_state.h"
#include "match/commands.h"
#include "match/match_clock.h"

bool issueMatchCommand(const MatchCommand& command)
{
    if (!executeCommand(command))
        return false;
    recordCommand(command);
    return true;
}

bool matchOver()
{
    return matchClock.game_over;
}

int runTicks(int count, void (*beforeTick)())
{
    int ran = 0;
    while (ran < count && !matchOver()) {
        if (replayingMatch() && !playReplayTo(matchTickNumber + 1))
            break;
        // A command or a message may have paused the match.
        if (paused)
            break;
        ++matchTickNumber;
        // The checks see the match as the commands before this tick left it.
        recordBeforeTick(matchTickNumber);
        if (replayingMatch())
            checkBeforeTick(matchTickNumber);
        if (beforeTick)
            beforeTick();
        matchTick();
        ++ran;
    }
    return ran;
}
