#pragma once
// The match told at its end: the summary on the console, the chart asked
// for with --chart, and the result panel in the window.

// The final whistle in the window: the summary, the chart, the panel up.
void tellFinalWhistle();
// Q before the final whistle: the summary of the match so far and the chart.
void tellMatchSoFar();
