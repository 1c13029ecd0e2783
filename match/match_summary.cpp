#include "match/match_summary.h"

#include <cstdio>

#include "match/match_clock.h"
#include "match/match_log.h"

static const char* const TEAM_LABELS[2] = {"HOU", "MAD"};

void formatFinalScore(char* out, std::size_t size)
{
    snprintf(out, size, "HOU %d - %d MAD", matchClock.home_score, matchClock.away_score);
}

void formatPeriodScores(char* out, std::size_t size)
{
    int at = snprintf(out, size, "By period");
    for (int side = 0; side < 2 && at >= 0 && static_cast<std::size_t>(at) < size; ++side) {
        at += snprintf(out + at, size - at, "   %s", TEAM_LABELS[side]);
        for (int period = 1; period <= LAST_PERIOD && static_cast<std::size_t>(at) < size; ++period)
            at += snprintf(out + at, size - at, " %d", matchLog.teams[side].goals_by_period[period]);
    }
}

static bool isShot(const LogMark& m)
{
    return m.kind == MARK_GOAL || m.kind == MARK_MISS;
}

int shotCount()
{
    int count = 0;
    for (int i = 0; i < matchLog.marks; ++i)
        count += isShot(logMarks[i]);
    return count;
}

static const LogMark* shot(int i)
{
    for (int m = 0; m < matchLog.marks; ++m) {
        if (isShot(logMarks[m]) && i-- == 0)
            return &logMarks[m];
    }
    return 0;
}

bool shotScored(int i)
{
    const LogMark* m = shot(i);
    return m && m->kind == MARK_GOAL;
}

void formatShot(int i, char* out, std::size_t size)
{
    const LogMark* m = shot(i);
    if (!m) {
        snprintf(out, size, "%s", "");
        return;
    }
    snprintf(out, size, "%s  period %d %02d:%02d  %s %d", m->kind == MARK_GOAL ? "goal" : "miss", m->period,
             m->clock / 60, m->clock % 60, TEAM_LABELS[sideOf(m->team)], m->number);
}

namespace {
struct TeamRow {
    const char* label;
    int TeamTally::*figure;
};
} // namespace

static const TeamRow TEAM_ROWS[] = {
    {"Catches", &TeamTally::catches},
    {"Passes", &TeamTally::passes},
    {"Balls knocked loose", &TeamTally::balls_lost},
    {"Hits given", &TeamTally::hits_given},
    {"Hits taken", &TeamTally::hits_taken},
    {"Penalties", &TeamTally::penalties},
    {"Sent off critical", &TeamTally::sent_off_crit},
    {"Deaths", &TeamTally::deaths},
};
static constexpr int TEAM_ROW_COUNT = sizeof TEAM_ROWS / sizeof TEAM_ROWS[0];
// After the heading and the plain figures: the penalties' minutes, the possession.
static constexpr int PENALTY_MINUTES_ROW = TEAM_ROW_COUNT + 1;
static constexpr int POSSESSION_ROW = TEAM_ROW_COUNT + 2;

int teamTableRows()
{
    return POSSESSION_ROW + 1;
}

void formatTeamRow(int row, char* out, std::size_t size)
{
    const TeamTally& home = matchLog.teams[HOME_SIDE];
    const TeamTally& away = matchLog.teams[AWAY_SIDE];
    if (row == 0) {
        snprintf(out, size, "%-22s%6s%6s", "", "HOU", "MAD");
    } else if (row <= TEAM_ROW_COUNT) {
        const TeamRow& r = TEAM_ROWS[row - 1];
        snprintf(out, size, "%-22s%6d%6d", r.label, home.*r.figure, away.*r.figure);
    } else if (row == PENALTY_MINUTES_ROW) {
        snprintf(out, size, "%-22s%6d%6d", "Penalty minutes", home.penalty_seconds / 60, away.penalty_seconds / 60);
    } else if (row == POSSESSION_ROW) {
        snprintf(out, size, "%-22s%5.0f%%%5.0f%%", "Possession", possessionShare(HOME_SIDE) * 100.0,
                 possessionShare(AWAY_SIDE) * 100.0);
    } else {
        snprintf(out, size, "%s", "");
    }
}

void printMatchSummary(bool over)
{
    char line[SUMMARY_LINE_SIZE];
    formatFinalScore(line, sizeof line);
    printf("\n%s %s\n", over ? "Final score:" : "Score so far:", line);
    formatPeriodScores(line, sizeof line);
    printf("%s\n", line);
    const int shots = shotCount();
    printf("Goals and misses: %d\n", shots);
    for (int i = 0; i < shots; ++i) {
        formatShot(i, line, sizeof line);
        printf("  %s\n", line);
    }
    for (int row = 0; row < teamTableRows(); ++row) {
        formatTeamRow(row, line, sizeof line);
        printf("%s\n", line);
    }
    fflush(stdout);
}
