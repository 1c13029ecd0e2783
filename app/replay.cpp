#include "app/replay.h"

#include <cerrno>
#include <cinttypes>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/recording.h"
#include "core/commentary.h"
#include "core/run_state.h"
#include "match/commands.h"
#include "match/match_state.h"
#include "ui/input.h"

// A whole match with a few hundred commands is a few kilobytes; anything near
// these bounds is no recording of ours.
static constexpr long MAX_RECORDING_BYTES = 4L << 20;
static constexpr int MAX_REPLAY_COMMANDS = 100000;
static constexpr int MAX_REPLAY_CHECKS = 100000;
static constexpr int MAX_LINE = 128; // characters
// 55 hours of play; a longer end is no match of ours, and its replay would
// run for hours headless.
static constexpr long MAX_REPLAY_TICKS = 10000000L;

struct ReplayCommand {
    long tick; // given before this tick
    MatchCommand command;
};
struct ReplayCheck {
    long tick;
    std::uint64_t digest;
};

// Filled once by loadReplay, read while the match is played back.
static ReplayCommand commands[MAX_REPLAY_COMMANDS];
static ReplayCheck checks[MAX_REPLAY_CHECKS];
static int commandCount = 0;
static int checkCount = 0;
static unsigned seed = 0;
static bool bikers = false;
static long endTick = 0;
static std::uint64_t endDigest = 0;
static bool loaded = false;
// Version 1 files keep the keys' engine codes; version 2 files the commands.
static bool keyCodes = false;
// The tick of the last key or command line read: they come in tick order.
static long lastCommandLineTick = 1;

// Progress of the playback.
static int nextCommand = 0;
static int nextCheck = 0;
static long divergedAt = 0;
static long lastMatchingCheck = 0;
static bool finished = false; // played out: the match stands at the recording's end
static bool judged = false;   // the verdict has been said, once for the whole run
static int verdict = 0;

// One byte more than a recording may hold tells a longer file, and one more
// ends the text.
static char fileText[MAX_RECORDING_BYTES + 2];

// The problem of a file that is no recording at all, whatever its line.
static const char* const NOT_A_RECORDING = "not a Skorvane recording";

// Whole decimal number of a field, within [lo, hi]; `text` moves past it and one blank.
static bool readNumber(const char*& text, long lo, long hi, long& value)
{
    if (*text < '0' || *text > '9')
        return false;
    char* end = 0;
    errno = 0;
    const unsigned long long v = strtoull(text, &end, 10);
    if (errno != 0 || v > static_cast<unsigned long long>(hi) || static_cast<long long>(v) < lo)
        return false;
    value = static_cast<long>(v);
    text = end;
    if (*text == ' ')
        ++text;
    return true;
}

// "NAME", "NAME ARGUMENT" or either with " ctrl", as the command takes them,
// to the end of the line.
static bool readCommand(const char* text, MatchCommand& command)
{
    char name[32];
    size_t length = strcspn(text, " ");
    if (length == 0 || length >= sizeof name)
        return false;
    memcpy(name, text, length);
    name[length] = 0;
    text += length;
    const CommandKind kind = commandNamed(name);
    if (kind == COMMAND_KIND_COUNT)
        return false;
    int argument = 0;
    if (commandTakesArgument(kind)) {
        if (text[0] != ' ' || !text[1])
            return false;
        argument = kind == COMMAND_SELECT_PLAYER ? text[1] - '0' : text[1];
        if (!commandArgumentFits(kind, argument))
            return false;
        text += 2;
    }
    bool control = false;
    if (commandHeedsControl(kind) && strcmp(text, " ctrl") == 0) {
        control = true;
        text += 5;
    }
    if (*text)
        return false;
    command = matchCommand(kind, argument, control);
    return true;
}

static bool readDigest(const char*& text, std::uint64_t& value)
{
    value = 0;
    for (int i = 0; i < 16; ++i) {
        const char c = text[i];
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
        if (digit < 0)
            return false;
        value = value << 4 | static_cast<unsigned>(digit);
    }
    text += 16;
    return true;
}

// One line (without its end) against what may come at this point of the
// file; the problem in words, or null when the line is sound.
static const char* readLine(int number, const char* line, bool& ended)
{
    long a = 0, b = 0, c = 0;
    const char* p = line;
    if (ended)
        return "text after the end line";
    if (number == 1) {
        keyCodes = strcmp(line, RECORDING_HEADER_KEYS) == 0;
        return keyCodes || strcmp(line, RECORDING_HEADER) == 0 ? 0 : NOT_A_RECORDING;
    }
    if (number == 2) {
        if (strncmp(p, "seed ", 5) != 0 || !readNumber(p += 5, 0, UINT_MAX, a) || *p)
            return "expected the seed";
        seed = static_cast<unsigned>(a);
        return 0;
    }
    if (number == 3) {
        if (strncmp(p, "bikers ", 7) != 0 || !readNumber(p += 7, 0, 1, a) || *p)
            return "expected the biker switch";
        bikers = a == 1;
        return 0;
    }
    const long lastCommandTick = lastCommandLineTick;
    const long lastCheckTick = checkCount ? checks[checkCount - 1].tick : 0;
    if (keyCodes && strncmp(p, "k ", 2) == 0) {
        if (!readNumber(p += 2, 1, MAX_REPLAY_TICKS + 1, a) || !readNumber(p, 0, irr::KEY_KEY_CODES_COUNT - 1, b) ||
            !readNumber(p, 0, 1, c) || *p)
            return "a key line needs a tick, a key code and 0 or 1 for Ctrl";
        if (a < lastCommandTick)
            return "a key out of order";
        lastCommandLineTick = a;
        MatchCommand command;
        // A key that commands nothing (the sound's M) changed nothing in the match.
        if (!commandOfKey(static_cast<irr::EKEY_CODE>(b), c == 1, command))
            return 0;
        if (commandCount == MAX_REPLAY_COMMANDS)
            return "too many keys";
        commands[commandCount++] = ReplayCommand{a, command};
        return 0;
    }
    if (!keyCodes && strncmp(p, "m ", 2) == 0) {
        MatchCommand command;
        if (!readNumber(p += 2, 1, MAX_REPLAY_TICKS + 1, a) || !readCommand(p, command))
            return "a command line needs a tick, a command and what the command takes";
        if (a < lastCommandTick)
            return "a command out of order";
        lastCommandLineTick = a;
        if (commandCount == MAX_REPLAY_COMMANDS)
            return "too many commands";
        commands[commandCount++] = ReplayCommand{a, command};
        return 0;
    }
    if (strncmp(p, "c ", 2) == 0) {
        std::uint64_t digest = 0;
        if (!readNumber(p += 2, 1, MAX_REPLAY_TICKS, a) || !readDigest(p, digest) || *p)
            return "a check line needs a tick and 16 hexadecimal digits";
        if (a <= lastCheckTick)
            return "a check out of order";
        if (checkCount == MAX_REPLAY_CHECKS)
            return "too many checks";
        checks[checkCount++] = ReplayCheck{a, digest};
        return 0;
    }
    if (strncmp(p, "end ", 4) == 0) {
        if (!readNumber(p += 4, 0, MAX_REPLAY_TICKS, a) || !readDigest(p, endDigest) || *p)
            return "the end line needs the ticks and 16 hexadecimal digits";
        if (a < lastCheckTick || lastCommandLineTick > a + 1)
            return "the end comes before the last command or check";
        endTick = a;
        ended = true;
        return 0;
    }
    return "a line of no known kind";
}

bool loadReplay(const char* path, const char* program)
{
    FILE* file = fopen(path, "rb");
    if (!file) {
        fprintf(stderr, "%s: cannot read the recording %s: %s\n", program, path, strerror(errno));
        return false;
    }
    const size_t size = fread(fileText, 1, sizeof fileText - 1, file);
    const bool readError = ferror(file) != 0;
    fclose(file);
    const char* problem = 0;
    int number = 0;
    bool ended = false;
    commandCount = checkCount = 0;
    keyCodes = false;
    lastCommandLineTick = 1;
    if (readError)
        problem = "cannot be read";
    else if (size > static_cast<size_t>(MAX_RECORDING_BYTES))
        problem = "is far too long for a recording";
    else if (memchr(fileText, 0, size))
        problem = NOT_A_RECORDING;
    fileText[size] = 0;
    for (char* line = fileText; !problem && *line;) {
        char* end = strchr(line, '\n');
        if (!end) {
            ++number;
            problem = "the last line is cut short";
            break;
        }
        *end = 0;
        ++number;
        if (end - line > MAX_LINE)
            problem = number == 1 ? NOT_A_RECORDING : "a line far too long";
        else
            problem = readLine(number, line, ended);
        line = end + 1;
    }
    if (!problem && !ended)
        problem = number == 0 ? "is empty" : "it ends before its final digest (cut short?)";
    if (problem) {
        // A file of someone else's is named so; one of ours is damaged at a line.
        if (strcmp(problem, NOT_A_RECORDING) == 0)
            fprintf(stderr, "%s: %s is not a Skorvane recording\n", program, path);
        else if (number >= 1)
            fprintf(stderr, "%s: %s is damaged: line %d: %s\n", program, path, number, problem);
        else
            fprintf(stderr, "%s: %s %s\n", program, path, problem);
        return false;
    }
    loaded = true;
    nextCommand = nextCheck = 0;
    divergedAt = lastMatchingCheck = 0;
    finished = judged = false;
    return true;
}

bool replayingMatch()
{
    return loaded;
}

void closeReplay()
{
    loaded = false;
    commandCount = checkCount = 0;
    nextCommand = nextCheck = 0;
    divergedAt = lastMatchingCheck = 0;
    finished = judged = false;
}

unsigned replaySeed()
{
    return seed;
}

bool replayBikerSwitch()
{
    return bikers;
}

long replayEndTick()
{
    return endTick;
}

bool replayPlayedOut()
{
    return finished;
}

long replayDivergedAt()
{
    return divergedAt;
}

void applyReplayedCommands(long tick)
{
    // Straight to the match, as they were taken: a recorded command the match
    // would not take now is a divergence the next check finds.
    while (nextCommand < commandCount && commands[nextCommand].tick <= tick) {
        executeCommand(commands[nextCommand].command);
        ++nextCommand;
    }
}

bool playReplayTo(long tick)
{
    if (tick <= endTick) {
        applyReplayedCommands(tick);
        return true;
    }
    if (!finished) {
        applyReplayedCommands(endTick + 1);
        finishReplay();
        setCommentary("end of the recording");
    }
    return false;
}

static void diverge(long tick)
{
    if (divergedAt)
        return;
    divergedAt = tick;
    printf("replay diverged at tick %ld (last matching check at tick %ld)\n", tick, lastMatchingCheck);
    fflush(stdout);
}

void checkBeforeTick(long tick)
{
    while (nextCheck < checkCount && checks[nextCheck].tick < tick)
        ++nextCheck;
    if (nextCheck == checkCount || checks[nextCheck].tick != tick)
        return;
    if (matchDigest() == checks[nextCheck].digest) {
        if (!divergedAt)
            lastMatchingCheck = tick;
    } else {
        diverge(tick);
    }
    ++nextCheck;
}

int finishReplay()
{
    finished = true;
    // Reached again after a seek back, the end must be the same end.
    if (matchTickNumber != endTick || matchDigest() != endDigest)
        diverge(matchTickNumber < endTick ? matchTickNumber : endTick);
    verdict = divergedAt ? 1 : 0;
    if (!judged && !divergedAt)
        printf("replay: the same match, %ld ticks, digest %016" PRIx64 "\n", endTick, endDigest);
    judged = true;
    fflush(stdout);
    return verdict;
}

void rewindReplayTo(long tick)
{
    nextCommand = 0;
    while (nextCommand < commandCount && commands[nextCommand].tick <= tick)
        ++nextCommand;
    nextCheck = 0;
    while (nextCheck < checkCount && checks[nextCheck].tick <= tick)
        ++nextCheck;
    finished = false;
}
