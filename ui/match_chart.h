#pragma once
// A picture of the match over its game time, drawn with cairo into a PNG:
// each team's score, possession and total condition, with marks for goals,
// deaths and penalties, the periods marked, in the teams' colours.

constexpr int CHART_WIDTH = 1200; // px, the default size
constexpr int CHART_HEIGHT = 600;

// Whether a chart can be written at `path`: asked before the match, so a
// path that will not take it is refused before anything is played. Leaves
// the path as it found it.
bool canWriteChart(const char* path);

// Draws the match as its log stands into a PNG of `width` x `height` px at
// `path`. False, with a message on standard error, when it cannot be written.
bool writeMatchChart(const char* path, int width = CHART_WIDTH, int height = CHART_HEIGHT);
