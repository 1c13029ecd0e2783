#pragma once
// The match told in lines of text, from its log: the same lines on the
// console, on the result panel and in the headless runner's report.
#include <cstddef>

constexpr int SUMMARY_LINE_SIZE = 96; // characters, the end included

// "HOU 3 - 2 MAD"
void formatFinalScore(char* out, std::size_t size);
// "By period   HOU 1 0 2   MAD 0 1 1"
void formatPeriodScores(char* out, std::size_t size);

// The goals and misses, in the order they came (as many as the log lists).
int shotCount();
// "goal  period 1 12:34  HOU 5", for shot i.
void formatShot(int i, char* out, std::size_t size);
// Whether shot i was a goal.
bool shotScored(int i);

// The table of both teams: a heading row, then one row a figure.
int teamTableRows();
void formatTeamRow(int row, char* out, std::size_t size);

// Everything above to standard output, headed as the end of the match or,
// before it, as the match so far.
void printMatchSummary(bool over);
