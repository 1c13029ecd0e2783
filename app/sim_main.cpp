// skorvane-sim: whole matches without a window, played by the game's own code,
// with a report of each.
#include <libgen.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/headless_match.h"
#include "ui/match_chart.h"

static constexpr long MAX_MATCHES = 100000;
static constexpr long LONGEST_STEP = 99; // ms; the game never counts a longer frame
// The C library takes a seed of 0 as 1, so seed 0 is played with the one
// seed the option does not take, and every seed a user can give plays a
// match of its own. Seeds 1 and up are handed to the generator as they are.
static constexpr unsigned long LAST_SEED = 4294967294UL;
static constexpr unsigned SEED_ZERO_PLAYED_AS = 4294967295U;

static void usage()
{
    printf("usage: skorvane-sim [--seed N] [--matches N] [--step MS] [--record FILE] [--chart FILE.png]\n"
           "       skorvane-sim --replay FILE\n"
           "  --help         list these options and exit\n"
           "  --seed N       random seed of the first match, 0 to %lu (default 1); match i uses N + i\n"
           "  --matches N    how many matches to play, each from a clean state, 1 to %ld (default 1)\n"
           "  --step MS      the drawn frame time played as, 1 to 99 ms (default 20); the\n"
           "                 match runs in the same 20 ms ticks at every step\n"
           "  --record FILE  record the match (one only) into FILE, as the game's --record\n"
           "  --chart FILE   draw the match (one only, or the one replayed) over its game\n"
           "                 time into FILE, a PNG; a FILE that cannot be written is\n"
           "                 refused (status 2) before the match\n"
           "  --replay FILE  play a recorded match; exit 0 when it ends as recorded, 1 when\n"
           "                 it diverged, 2 when FILE is damaged or no recording\n",
           LAST_SEED, MAX_MATCHES);
}

// Whole decimal numbers only, digits and nothing else (no sign, no blanks),
// within [lo, hi].
static bool readNumber(const char* text, unsigned long lo, unsigned long hi, unsigned long& value)
{
    if (!*text)
        return false;
    value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c < '0' || *c > '9')
            return false;
        const unsigned long digit = static_cast<unsigned long>(*c - '0');
        if (value > (hi - digit) / 10)
            return false; // past hi, and never wrapped
        value = value * 10 + digit;
    }
    return value >= lo;
}

struct NumberOption {
    const char* name;
    unsigned long lo, hi;
    const char* unit;
    unsigned long value;
    bool given;
};

static int refuse(const char* text)
{
    fprintf(stderr, "skorvane-sim: %s\n", text);
    usage();
    return 2;
}

// The path as seen from the folder the runner was started in, which
// findMeshes may leave: relative paths get that folder in front.
static const char* fromStartFolder(const char* path, char (&whole)[PATH_MAX])
{
    char folder[PATH_MAX];
    if (!path || path[0] == '/' || !getcwd(folder, sizeof folder))
        return path;
    if (snprintf(whole, sizeof whole, "%s/%s", folder, path) >= static_cast<int>(sizeof whole))
        return path;
    return whole;
}

// Like the game, the runner loads meshes/ from the folder it runs in; started
// from elsewhere, it runs from its own folder, where the build puts them, or
// (installed) from the game's data folder beside it.
static void findMeshes()
{
    if (access("meshes", F_OK) == 0)
        return;
    char self[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return;
    self[n] = 0;
    if (chdir(dirname(self)) != 0)
        fprintf(stderr, "skorvane-sim: cannot run from the program's folder\n");
#ifdef SKORVANE_DATA_FROM_PROGRAM
    if (access("meshes", F_OK) != 0 && chdir(SKORVANE_DATA_FROM_PROGRAM) != 0)
        fprintf(stderr, "skorvane-sim: no meshes/ beside the program or in its data folder\n");
#endif
}

// A file option: given at most once, with a value.
struct PathOption {
    const char* name;
    const char* value;
};

int main(int argc, char** argv)
{
    NumberOption options[] = {
        {"--seed", 0, LAST_SEED, "", 1, false},
        {"--matches", 1, static_cast<unsigned long>(MAX_MATCHES), "", 1, false},
        {"--step", 1, static_cast<unsigned long>(LONGEST_STEP), " ms", static_cast<unsigned long>(DEFAULT_HEADLESS_STEP), false},
    };
    NumberOption& seedOption = options[0];
    NumberOption& matchesOption = options[1];
    NumberOption& stepOption = options[2];
    PathOption paths[] = {{"--record", 0}, {"--replay", 0}, {"--chart", 0}};
    const char*& recordPath = paths[0].value;
    const char*& replayPath = paths[1].value;
    const char*& chartPath = paths[2].value;
    char message[256];
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--help") == 0) {
            usage();
            return 0;
        }
        PathOption* path = 0;
        for (PathOption& o : paths)
            if (strcmp(argv[i], o.name) == 0)
                path = &o;
        if (path) {
            if (path->value) {
                snprintf(message, sizeof message, "%s given twice", path->name);
                return refuse(message);
            }
            if (i + 1 == argc || !argv[i + 1][0]) {
                snprintf(message, sizeof message, "%s takes the name of a file", path->name);
                return refuse(message);
            }
            path->value = argv[++i];
            continue;
        }
        NumberOption* option = 0;
        for (NumberOption& o : options)
            if (strcmp(argv[i], o.name) == 0)
                option = &o;
        if (!option) {
            snprintf(message, sizeof message, "unknown option '%s'", argv[i]);
            return refuse(message);
        }
        if (option->given) {
            snprintf(message, sizeof message, "%s given twice", option->name);
            return refuse(message);
        }
        option->given = true;
        if (i + 1 == argc || !readNumber(argv[i + 1], option->lo, option->hi, option->value)) {
            snprintf(message, sizeof message, "%s takes a whole number from %lu to %lu%s, not '%s'", option->name,
                     option->lo, option->hi, option->unit, i + 1 < argc ? argv[i + 1] : "");
            return refuse(message);
        }
        ++i;
    }
    const unsigned long seed = seedOption.value;
    const long matches = static_cast<long>(matchesOption.value);
    const int stepMs = static_cast<int>(stepOption.value);
    // Match i plays seed + i, which must not run past the last seed.
    if (static_cast<unsigned long>(matches - 1) > LAST_SEED - seed) {
        snprintf(message, sizeof message, "--seed %lu with --matches %ld runs past the last seed: seeds go from 0 to %lu",
                 seed, matches, LAST_SEED);
        return refuse(message);
    }
    if (recordPath && matches != 1)
        return refuse("--record takes one match");
    if (chartPath && matches != 1)
        return refuse("--chart takes one match");

    char replayWhole[PATH_MAX], recordWhole[PATH_MAX], chartWhole[PATH_MAX];
    replayPath = fromStartFolder(replayPath, replayWhole);
    recordPath = fromStartFolder(recordPath, recordWhole);
    chartPath = fromStartFolder(chartPath, chartWhole);
    // Refused before anything is played: no match is lost to a bad path.
    if (chartPath && !canWriteChart(chartPath)) {
        fprintf(stderr, "skorvane-sim: cannot write the chart to '%s'\n", chartPath);
        return 2;
    }
    findMeshes();
    if (replayPath) {
        const int verdict = replayHeadless(replayPath);
        // A replay draws the picture of the match it replayed.
        if (chartPath && !writeMatchChart(chartPath))
            return 2;
        return verdict;
    }
    int sound = 0;
    double wall = 0.0;
    for (long m = 0; m < matches; ++m) {
        const unsigned matchSeed = static_cast<unsigned>(seed + static_cast<unsigned long>(m));
        HeadlessResult result;
        bool ok = playHeadlessMatch(matchSeed == 0 ? SEED_ZERO_PLAYED_AS : matchSeed, stepMs, result,
                                          recordPath);
        printMatchReport(static_cast<int>(m + 1), matchSeed, result);
        fflush(stdout);
        if (chartPath && !writeMatchChart(chartPath))
            ok = false;
        sound += ok;
        wall += result.wallSeconds;
    }
    printf("%d passed, %ld failed\n", sound, matches - sound);
    printf("total wall time %.3f s\n", wall);
    return sound == matches ? 0 : 1;
}
