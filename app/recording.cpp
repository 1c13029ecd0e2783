#include "app/recording.h"

#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "core/run_state.h"
#include "app/match_digest.h"
#include "core/switches.h"

// Open from startRecording until finishRecording; the whole run writes one file.
static FILE* recordingFile = 0;
static const char* recordingPath = "";
// The tick before which the last key took effect: a check follows it.
static long lastKeyTick = -1;

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

void recordKey(int key, bool control)
{
    if (!recordingFile)
        return;
    lastKeyTick = matchTickNumber + 1;
    fprintf(recordingFile, "k %ld %d %d\n", lastKeyTick, key, control ? 1 : 0);
}

void recordBeforeTick(long tick)
{
    if (!recordingFile)
        return;
    if (tick == lastKeyTick || tick % RECORDING_CHECK_TICKS == 0)
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
