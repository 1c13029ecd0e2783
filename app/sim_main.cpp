// skorvane-sim: whole matches without a window, played by the game's own code,
// with a report of each.
#include <libgen.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/headless_match.h"

static constexpr int MAX_MATCHES = 100000;
static constexpr long LONGEST_STEP = 99; // ms; the game never counts a longer frame

static void usage()
{
    printf("usage: skorvane-sim [--seed N] [--matches N] [--step MS] [--record FILE]\n"
           "       skorvane-sim --replay FILE\n"
           "  --seed N       random seed of the first match (default 1); match i uses N + i\n"
           "  --matches N    how many matches to play, each in a fresh process (default 1)\n"
           "  --step MS      the drawn frame time played as, 1 to 99 ms (default 20); the\n"
           "                 match runs in the same 20 ms ticks at every step\n"
           "  --record FILE  record the match (one only) into FILE, as the game's --record\n"
           "  --replay FILE  play a recorded match; exit 0 when it ends as recorded, 1 when\n"
           "                 it diverged, 2 when FILE is no sound recording\n");
}

// Whole decimal numbers only, within [lo, hi].
static bool readNumber(const char* text, long lo, long hi, long& value)
{
    char* end = 0;
    value = strtol(text, &end, 10);
    return end != text && *end == 0 && value >= lo && value <= hi;
}

// The same for every step: only the wall time tells two steps apart.
static void printReport(int index, unsigned seed, const HeadlessResult& r)
{
    const MatchStats& s = r.stats;
    printf("match %d (seed %u): HOU %d - %d MAD\n", index, seed, r.homeScore, r.awayScore);
    printf("  goals %d, misses %d, catches %d, passes %d, balls knocked loose %d, hits by the ball %d\n", s.goals,
           s.misses, s.catches, s.passes, s.knock_looses, s.hits);
    printf("  penalties %d, sent off critical %d, deaths %d, balls out of play %d, firings %d, pauses %d\n",
           s.penalties, s.crits, s.deaths, s.out_of_play, s.firings, r.pauses);
    printf("  ticks %ld, wall time %.3f s, %s\n", r.ticks, r.wallSeconds,
           r.gameOver ? "ended: Game Over!" : "FAULT:");
    if (r.fault[0])
        printf("  %s\n", r.fault);
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
// from elsewhere, it runs from its own folder, where the build puts them.
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
}

int main(int argc, char** argv)
{
    long seed = 1, matches = 1, stepMs = DEFAULT_HEADLESS_STEP;
    const char* replayPath = 0;
    const char* recordPath = 0;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        bool ok = false;
        if (strcmp(argv[i], "--seed") == 0 && hasValue)
            ok = readNumber(argv[++i], 0, 4294967295L, seed);
        else if (strcmp(argv[i], "--matches") == 0 && hasValue)
            ok = readNumber(argv[++i], 1, MAX_MATCHES, matches);
        else if (strcmp(argv[i], "--step") == 0 && hasValue)
            ok = readNumber(argv[++i], 1, LONGEST_STEP, stepMs);
        else if (strcmp(argv[i], "--replay") == 0 && hasValue && !replayPath)
            ok = (replayPath = argv[++i]) != 0;
        else if (strcmp(argv[i], "--record") == 0 && hasValue && !recordPath)
            ok = (recordPath = argv[++i]) != 0;
        else if (strcmp(argv[i], "--help") == 0) {
            usage();
            return 0;
        }
        if (!ok) {
            fprintf(stderr, "skorvane-sim: bad argument '%s'\n", argv[i]);
            usage();
            return 2;
        }
    }

    if (recordPath && matches != 1) {
        fprintf(stderr, "skorvane-sim: --record takes one match\n");
        return 2;
    }
    char replayWhole[PATH_MAX], recordWhole[PATH_MAX];
    replayPath = fromStartFolder(replayPath, replayWhole);
    recordPath = fromStartFolder(recordPath, recordWhole);
    findMeshes();
    if (replayPath)
        return replayHeadless(replayPath);
    int sound = 0;
    double wall = 0.0;
    for (long m = 0; m < matches; ++m) {
        const unsigned matchSeed = static_cast<unsigned>(seed + m);
        HeadlessResult result;
        const bool ok = playHeadlessMatch(matchSeed, static_cast<int>(stepMs), result, recordPath);
        printReport(static_cast<int>(m + 1), matchSeed, result);
        fflush(stdout);
        sound += ok;
        wall += result.wallSeconds;
    }
    printf("%d passed, %ld failed\n", sound, matches - sound);
    printf("total wall time %.3f s\n", wall);
    return sound == matches ? 0 : 1;
}
