#pragma once
// The whole state of a match in one record: every player, the referees, the
// ball, the clock and score, the match tick's counters, the selection and the
// flags the commands change, the statistics, the random generator, the
// commentary line and the tick number. A copy taken and put back later lets
// the match go on exactly as it would have gone on from where the copy was
// taken. The scene's handles in the records are presentation's, not the
// match's: putting a copy back leaves them as they are.
#include <cstdint>

#include "core/commentary.h"
#include "core/random.h"
#include "match/ball.h"
#include "match/match_clock.h"
#include "match/match_log.h"
#include "match/match_stats.h"
#include "players/player.h"

struct MatchState {
    Player home_players[TEAM_SIZE];
    Player away_players[TEAM_SIZE];
    Referee referees[REFEREE_COUNT];
    Ball ball; // its holder points into the live rosters: a copy means something only when put back
    MatchClock matchClock;
    MatchStats matchStats;
    MatchLog matchLog; // not in the digest: it tells the match, it does not play it
    int clockTickCounter;
    int autoFireCounter;
    bool autoPlay;
    char selectedTeam;
    int selectedPlayer;
    bool showRosterReadouts;
    int cameraMode;
    bool paused;
    long matchTickNumber;
    RandomState random;
    char commentary[COMMENTARY_SIZE];
};

// Copies the match as it stands into `copy`.
void keepMatchState(MatchState& copy);
// Puts a copy back: the match stands exactly where the copy was taken.
void restoreMatchState(const MatchState& copy);
// Every record of the match as at program start, with the rosters' shirts
// and the referees' posts: what a new program would play its first match
// from (newGame then starts play; the random generator is seeded apart).
void clearMatchState();

// A fingerprint of the match: every player's record with its place and turn,
// the ball, the clock and score, the counters of the match tick, the
// selection and the flags the commands change, the referees and the
// statistics. Two matches with the same digest are, for every purpose of the
// game, one. The random generator and the commentary are not in it: a
// recording's checks compare what the match did, not what it will draw.
std::uint64_t matchDigest();
