#include "app/match_told.h"

#include "app/options.h"
#include "match/match_summary.h"
#include "ui/match_chart.h"
#include "ui/result_panel.h"

static void drawChartAsked()
{
    if (gameOptions.chartPath)
        writeMatchChart(gameOptions.chartPath);
}

void tellFinalWhistle()
{
    printMatchSummary(true);
    drawChartAsked();
    showResultPanel();
}

void tellMatchSoFar()
{
    printMatchSummary(false);
    drawChartAsked();
}
