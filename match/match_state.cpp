#include "match/match_state.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "core/run_state.h"
#include "match/match_events.h"
#include "match/selection.h"

// 64-bit FNV-1a, fed field by field: records hold pointers and padding, which
// differ between two runs of the same match.
namespace {
class Digest {
public:
    void bytes(const void* data, std::size_t size)
    {
        const unsigned char* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) {
            value ^= p[i];
            value *= 1099511628211ull;
        }
    }
    void add(int v) { bytes(&v, sizeof v); }
    void add(float v) { bytes(&v, sizeof v); }
    void add(const irr::core::vector3df& v)
    {
        add(v.X);
        add(v.Y);
        add(v.Z);
    }
    std::uint64_t value = 14695981039346656037ull;
};
} // namespace

static void addPlayer(Digest& d, const Player& p)
{
    for (int v : {static_cast<int>(p.selected), static_cast<int>(p.polar), static_cast<int>(p.team), p.wobble,
                  p.seated_ticks, p.hp, p.penalty, p.number, p.lp, p.path, p.lane, p.type})
        d.add(v);
    for (float v : {p.r, p.theta, p.height, p.plan_v2, p.plan_v2_target, p.plan_e_u, p.plan_e_u_target,
                    p.plan_e_k, p.plan_e_k_target, p.plan_e_t_target, p.plan_e_t, p.plan_e_delta, p.plan_power,
                    p.plan_time, p.plan_r_dt, p.plan_t_dt, p.zt_dt, p.xr_dt, p.zt_dt2, p.xr_dt2, p.target_xr,
                    p.target_zt, p.last_dist2, p.mass, p.pms, p.power, p.exertion})
        d.add(v);
    d.add(p.seat);
    d.add(p.position);
    d.add(p.rotation);
}

// Home 0..9 as 0..9, away 0..9 as 10..19, loose as -1.
static int holderIndex()
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        if (ball.holder == &home_players[i])
            return i;
        if (ball.holder == &away_players[i])
            return TEAM_SIZE + i;
    }
    return -1;
}

std::uint64_t matchDigest()
{
    Digest d;
    for (int i = 0; i < TEAM_SIZE; ++i) {
        addPlayer(d, home_players[i]);
        addPlayer(d, away_players[i]);
    }
    d.add(holderIndex());
    d.add(static_cast<int>(ball.live));
    for (float v : {ball.r, ball.theta, ball.height, ball.xr_dt, ball.zt_dt, ball.xr_dt2, ball.zt_dt2})
        d.add(v);
    d.add(ball.position);
    const MatchClock& c = matchClock;
    for (int v : {c.min_tens, c.min_units, c.sec_tens, c.sec_units, static_cast<int>(c.counting),
                  static_cast<int>(c.visible), c.home_score, c.away_score, c.period})
        d.add(v);
    for (int v : {clockTickCounter, autoFireCounter, static_cast<int>(autoPlay), static_cast<int>(paused),
                  static_cast<int>(selectedTeam), selectedPlayer, cameraMode, static_cast<int>(showRosterReadouts)})
        d.add(v);
    for (const Referee& referee : referees)
        d.add(referee.yaw);
    // Field by field: a tally added later must not change the digest of
    // every recording made before it.
    const MatchStats& s = matchStats;
    for (int v : {s.firings, s.goals, s.misses, s.catches, s.passes, s.knock_looses, s.hits, s.out_of_play,
                  s.penalties, s.crits, s.deaths})
        d.add(v);
    return d.value;
}

// ---- Keeping and restoring -------------------------------------------------

// Every part of the match with its place in a copy. Keeping and putting back
// go over this one list, so neither can miss what the other holds.
template <class State, class Move>
static void eachPart(State& copy, Move move)
{
    for (int i = 0; i < TEAM_SIZE; ++i) {
        move(copy.home_players[i], home_players[i]);
        move(copy.away_players[i], away_players[i]);
    }
    for (int i = 0; i < REFEREE_COUNT; ++i)
        move(copy.referees[i], referees[i]);
    move(copy.ball, ball);
    move(copy.matchClock, matchClock);
    move(copy.matchStats, matchStats);
    move(copy.matchLog, matchLog);
    move(copy.clockTickCounter, clockTickCounter);
    move(copy.autoFireCounter, autoFireCounter);
    move(copy.autoPlay, autoPlay);
    move(copy.selectedTeam, selectedTeam);
    move(copy.selectedPlayer, selectedPlayer);
    move(copy.showRosterReadouts, showRosterReadouts);
    move(copy.cameraMode, cameraMode);
    move(copy.paused, paused);
    move(copy.matchTickNumber, matchTickNumber);
    move(copy.random, randomState);
}

template <class T>
static void putBack(T& live, const T& kept)
{
    live = kept;
}

// A record put back keeps the live record's scene handles.
static void putBack(Player& live, const Player& kept)
{
    irr::scene::ISceneNode* const node = live.node;
    irr::scene::ISceneNode* const statball = live.statball;
    live = kept;
    live.node = node;
    live.statball = statball;
}

static void putBack(Referee& live, const Referee& kept)
{
    irr::scene::ISceneNode* const node = live.node;
    live = kept;
    live.node = node;
}

static void putBack(Ball& live, const Ball& kept)
{
    irr::scene::ISceneNode* const node = live.node;
    live = kept;
    live.node = node;
}

void keepMatchState(MatchState& copy)
{
    eachPart(copy, [](auto& kept, const auto& live) { kept = live; });
    snprintf(copy.commentary, sizeof copy.commentary, "%s", getCommentary());
}

void restoreMatchState(const MatchState& copy)
{
    eachPart(copy, [](const auto& kept, auto& live) { putBack(live, kept); });
    setCommentary(copy.commentary);
}

void clearMatchState()
{
    // The generator is the caller's to seed; everything else starts afresh.
    MatchState fresh = MatchState();
    fresh.selectedTeam = 'H';
    fresh.random = randomState;
    restoreMatchState(fresh);
    setUpRosters();
    setUpReferees();
    clearMatchEvents();
}
