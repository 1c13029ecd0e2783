#include "app/recording.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "core/run_state.h"
#include "core/switches.h"
#include "match/commands.h"
#include "match/match_state.h"

// Open from startRecording until finishRecording; the whole run writes one file.
static FILE* recordingFile = 0;
static const char* recordingPath = "";
// The tick before which the last command took effect: a check follows it.
static long lastCommandTick = -1;

// Open from openRecording until finishRecording; written once startRecording has run.
static FILE* openedFile = 0;

bool openRecording(const char* path)
{
    openedFile = fopen(path, "w");
    if (!openedFile) {
        fprintf(stderr, "skorvane: cannot write the recording %s: %s\n", path, strerror(errno));
        return false;
    }
    recordingPath = path;
    return true;
}

void startRecording(unsigned seed)
{
    recordingFile = openedFile;
    if (recordingFile)
        fprintf(recordingFile, "%s\nseed %u\nbikers %d\n", RECORDING_HEADER, seed, bikerSwitch ? 1 : 0);
}

bool recordingMatch()
{
    return recordingFile != 0;
}

void recordCommand(const MatchCommand& command)
{
    if (!recordingFile)
        return;
    lastCommandTick = matchTickNumber + 1;
    fprintf(recordingFile, "m %ld %s", lastCommandTick, commandName(command.kind));
    if (command.kind == COMMAND_SELECT_PLAYER)
        fprintf(recordingFile, " %d", command.argument);
    else if (command.kind == COMMAND_SELECT_TEAM)
        fprintf(recordingFile, " %c", static_cast<char>(command.argument));
    fprintf(recordingFile, "%s\n", command.control ? " ctrl" : "");
}

void recordBeforeTick(long tick)
{
    if (!recordingFile)
        return;
    if (tick == lastCommandTick || tick % RECORDING_CHECK_TICKS == 0)
        fprintf(recordingFile, "c %ld %016" PRIx64 "\n", tick, matchDigest());
}

void finishRecording()
{
    if (!recordingFile)
        return;
    fprintf(recordingFile, "end %ld %016" PRIx64 "\n", matchTickNumber, matchDigest());
    if (fclose(recordingFile) != 0)
        fprintf(stderr, "skorvane: the recording %s was not written whole: %s\n", recordingPath,
                strerror(errno));
    recordingFile = 0;
}
