#include "ui/director.h"

#include <cstdio>

#include "match/ball.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "match/selection.h"
#include "players/player.h"

bool directorOn = false;
bool directorSuspended = false;
bool directorSaysCuts = false;

// Scores of the shots, higher first.
static constexpr int RUN_FOR_GOAL_SCORE = 100;
static constexpr int DEATH_SCORE = 90;
static constexpr int LOOSE_BALL_SCORE = 80;
static constexpr int SENT_OFF_SCORE = 70; // a penalty or a fall into the crit band
static constexpr int CATCHER_SCORE = 65;
static constexpr int BIG_HIT_SCORE = 60;
static constexpr int DEAD_BALL_SCORE = 50;
static constexpr int BALL_CHASE_SCORE = 40; // the ball held or dead: still a view of the play
static constexpr int END_VIEW_SCORE = 30;
static constexpr int OVERHEAD_SCORE = 10;
static constexpr int STAYING_BONUS = 5; // a near tie keeps the shot on show

static constexpr long EVENT_INTEREST_TICKS = 150; // an event is worth showing for 3 s
static constexpr int BIG_HIT_CONDITION = 50;      // condition lost at once: a bikers' clash, a run over

static const DirectorShot NO_SHOT = {-1, 0, -1};

namespace {
struct Director {
    DirectorShot shot = NO_SHOT;
    long shotStart = 0;
    long holdUntil = 0; // after a goal or a death
    long nextLook = 0;
    long lastTick = -1;
    long cuts = 0;
    // What the play looked like at the last look, to tell what happened since.
    MatchStats seen = MatchStats();
    int seenMarks = 0;
    int seenCondition[2][TEAM_SIZE] = {};
    // The most interesting thing that happened lately, while it lasts.
    DirectorShot eventShot = NO_SHOT;
    int eventScore = 0;
    long eventUntil = 0;
};
} // namespace

static Director director;

bool directing()
{
    return directorOn && !directorSuspended && director.shot.mode >= 0;
}

const DirectorShot& directorShot()
{
    return director.shot;
}

long directorCuts()
{
    return director.cuts;
}

void resetDirector()
{
    director = Director();
}

void toggleDirector()
{
    if (directorOn && !directorSuspended) {
        directorOn = false;
        return;
    }
    directorOn = true;
    directorSuspended = false;
    // A fresh start: the first look cuts straight to the best shot.
    resetDirector();
}

void suspendDirector()
{
    if (directorOn)
        directorSuspended = true;
}

static DirectorShot chase(const Player& p)
{
    return {PLAYER_CHASE, p.team, p.number};
}

static DirectorShot view(int mode)
{
    return {mode, 0, -1};
}

// The match's statistics only grow within a match: less than at the last
// look means a new game, or a copy of the match put back (a seek, an
// instant replay).
static bool matchWentBack(long tick)
{
    const MatchStats& s = matchStats;
    const MatchStats& t = director.seen;
    return tick < director.lastTick || s.firings < t.firings || s.catches < t.catches || s.passes < t.passes ||
           s.knock_looses < t.knock_looses || s.goals < t.goals || matchLog.marks < director.seenMarks;
}

static void keepNotice(const DirectorShot& shot, int score, long tick)
{
    if (tick < director.eventUntil && score < director.eventScore)
        return;
    director.eventShot = shot;
    director.eventScore = score;
    director.eventUntil = tick + EVENT_INTEREST_TICKS;
}

// What happened since the last look; true when it is worth looking at once.
static bool takeNews(long tick)
{
    bool news = false;
    for (int i = director.seenMarks; i < matchLog.marks; ++i) {
        const LogMark& m = logMarks[i];
        const Player& p = playerOf(m.team, m.number);
        switch (m.kind) {
        case MARK_GOAL:
        case MARK_MISS:
            if (m.kind == MARK_GOAL)
                director.holdUntil = tick + HOLD_AFTER_GOAL_TICKS;
            break;
        case MARK_DEATH:
            director.holdUntil = tick + HOLD_AFTER_GOAL_TICKS;
            keepNotice(chase(p), DEATH_SCORE, tick);
            break;
        case MARK_CRIT:
        case MARK_PENALTY:
            keepNotice(chase(p), SENT_OFF_SCORE, tick);
            break;
        }
        news = true;
    }
    director.seenMarks = matchLog.marks;
    // A big hit: whoever lost the most condition at once, if it was a lot.
    const Player* hardest = 0;
    int hardestLoss = BIG_HIT_CONDITION - 1;
    for (int side = 0; side < 2; ++side) {
        const Player* players = side == HOME_SIDE ? home_players : away_players;
        for (int i = 0; i < TEAM_SIZE; ++i) {
            const int loss = director.seenCondition[side][i] - players[i].hp;
            if (loss > hardestLoss) {
                hardestLoss = loss;
                hardest = &players[i];
            }
            director.seenCondition[side][i] = players[i].hp;
        }
    }
    if (hardest) {
        keepNotice(chase(*hardest), BIG_HIT_SCORE, tick);
        news = true;
    }
    const MatchStats& s = matchStats;
    const MatchStats& t = director.seen;
    // Firing, a catch, a pass (a run for goal begins), a lost ball.
    if (s.firings != t.firings || s.catches != t.catches || s.passes != t.passes ||
        s.knock_looses != t.knock_looses || s.out_of_play != t.out_of_play)
        news = true;
    director.seen = s;
    return news;
}

static void resync(long tick)
{
    director.seen = matchStats;
    director.seenMarks = matchLog.marks;
    for (int i = 0; i < TEAM_SIZE; ++i) {
        director.seenCondition[HOME_SIDE][i] = home_players[i].hp;
        director.seenCondition[AWAY_SIDE][i] = away_players[i].hp;
    }
    director.eventUntil = 0;
    director.holdUntil = 0;
    director.nextLook = tick;
    if (director.shotStart > tick)
        director.shotStart = tick;
}

struct Candidate {
    DirectorShot shot;
    int score;
};

static bool runningForGoal()
{
    return ball.holder && ball.holder->path == TRYING_TO_SCORE;
}

// Every shot worth a thought, scored by the play as it stands.
static int candidates(Candidate* out, long tick)
{
    int n = 0;
    const bool loose = !ball.holder;
    if (ball.holder)
        out[n++] = {chase(*ball.holder), runningForGoal() ? RUN_FOR_GOAL_SCORE : CATCHER_SCORE};
    if (tick < director.eventUntil)
        out[n++] = {director.eventShot, director.eventScore};
    out[n++] = {view(BALL_CHASE), loose && ball.live ? LOOSE_BALL_SCORE : BALL_CHASE_SCORE};
    out[n++] = {view(END_VIEW), ball.live ? END_VIEW_SCORE : DEAD_BALL_SCORE};
    out[n++] = {view(OVERHEAD_VIEW), OVERHEAD_SCORE};
    for (int i = 0; i < n; ++i)
        if (out[i].shot == director.shot)
            out[i].score += STAYING_BONUS;
    return n;
}

// The best shot; with `other`, the best that is not the one on show.
static DirectorShot best(const Candidate* list, int n, bool other)
{
    int at = -1;
    for (int i = 0; i < n; ++i) {
        if (other && list[i].shot == director.shot)
            continue;
        if (at < 0 || list[i].score > list[at].score)
            at = i;
    }
    return list[at].shot;
}

static const char* const MODE_NAMES[] = {"overhead", "end view", "ball chase", "player chase"};

static void cut(const DirectorShot& shot, long tick)
{
    director.shot = shot;
    director.shotStart = tick;
    ++director.cuts;
    if (!directorSaysCuts || shot.mode < OVERHEAD_VIEW || shot.mode > PLAYER_CHASE)
        return;
    if (shot.mode == PLAYER_CHASE)
        printf("director: %s %c%d\n", MODE_NAMES[shot.mode], shot.team, shot.number);
    else
        printf("director: %s\n", MODE_NAMES[shot.mode]);
    fflush(stdout);
}

// A player steered by hand is shown in the player chase the user chose, and
// nothing cuts away from it.
static bool userSteering()
{
    return cameraMode == PLAYER_CHASE && selectedPlayerRecord()->is_selected();
}

void direct(long tick)
{
    if (!directorOn || directorSuspended)
        return;
    if (director.shot.mode < 0 || matchWentBack(tick))
        resync(tick);
    director.lastTick = tick;
    const bool news = takeNews(tick);
    if (userSteering()) {
        const DirectorShot steered = chase(*selectedPlayerRecord());
        if (director.shot != steered)
            cut(steered, tick);
        return;
    }
    if (!news && tick < director.nextLook && director.shot.mode >= 0)
        return;
    director.nextLook = tick + DIRECTOR_REVIEW_TICKS;
    Candidate list[8];
    const int n = candidates(list, tick);
    const long held = tick - director.shotStart;
    DirectorShot wanted = best(list, n, false);
    if (wanted == director.shot && held >= LONGEST_SHOT_TICKS && !runningForGoal())
        wanted = best(list, n, true);
    if (director.shot.mode < 0) {
        cut(wanted, tick);
        return;
    }
    if (wanted == director.shot)
        return;
    // A run for goal is worth more than lingering on what went before it.
    const long holdUntil = runningForGoal() ? 0 : director.holdUntil;
    long allowed = director.shotStart + SHORTEST_SHOT_TICKS;
    if (holdUntil > allowed)
        allowed = holdUntil;
    if (tick >= allowed)
        cut(wanted, tick);
    else
        director.nextLook = allowed; // the first moment the rules allow
}
