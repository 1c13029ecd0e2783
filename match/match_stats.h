#pragma once
// A tally of the match's events, for whoever wants to tell a match by its
// figures (a headless runner, a determinism test). Cleared by newGame; the
// game itself never reads it.

struct MatchStats {
    int firings;      // fireBall calls, by key or automatic
    int goals;        // counted by the scorer's run, as it scores
    int misses;       // counted by the scorer's run, as it runs out of angle
    int catches;
    int passes;
    int knock_looses; // the holder lost the ball (contact, injury, sent off)
    int hits;         // the ball hit a biker or skater
    int out_of_play;  // the ball rolled off the bank
    int penalties;
    int crits;        // falls into the crit band
    int deaths;       // falls below 0 condition
};

extern MatchStats matchStats;
