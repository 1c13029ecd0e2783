#include "ui/match_chart.h"

#include <cairo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "match/match_clock.h"
#include "match/match_log.h"
#include "match/match_summary.h"

bool canWriteChart(const char* path)
{
    if (!path || !*path)
        return false;
    struct stat found;
    if (stat(path, &found) == 0)
        return S_ISREG(found.st_mode) && access(path, W_OK) == 0;
    // Nothing there yet: made and taken away again, so a match that ends
    // early leaves no empty picture behind.
    FILE* trial = fopen(path, "wb");
    if (!trial)
        return false;
    fclose(trial);
    remove(path);
    return true;
}

namespace {
struct Colour {
    double r, g, b;
};
// The HUD's team colours, opaque.
const Colour TEAM_COLOURS[2] = {{1.0, 0.5, 0.0}, {0.25, 1.0, 0.0}};
const Colour GROUND = {0.16, 0.16, 0.16};
const Colour PANEL_GROUND = {0.10, 0.10, 0.10};
const Colour TEXT = {0.92, 0.92, 0.92};
const Colour FAINT = {0.45, 0.45, 0.45};

// One band of the chart: a figure over game time, from lo to hi.
struct Band {
    double left, top, width, height;
    double lo, hi;
    double x(double second) const { return left + width * second / SAMPLE_CAPACITY; }
    double y(double value) const { return top + height * (1.0 - (value - lo) / (hi - lo)); }
};

constexpr double MARK_SIZE = 5.0;           // px
constexpr int POSSESSION_WINDOW = 60;       // game-clock seconds each point of the possession averages
constexpr int MINUTES_SHOWN = LAST_PERIOD * PERIOD_MINUTES;
} // namespace

static void use(cairo_t* cr, const Colour& c, double alpha = 1.0)
{
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

static void text(cairo_t* cr, double x, double y, const char* s, double size, const Colour& c, bool bold = false)
{
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    use(cr, c);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s);
}

// Over the lines, on a ground of its own, so a line never hides it.
static void titleBand(cairo_t* cr, const Band& b, const char* title)
{
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 13);
    cairo_text_extents_t e;
    cairo_text_extents(cr, title, &e);
    use(cr, PANEL_GROUND, 0.85);
    cairo_rectangle(cr, b.left + 2, b.top + 2, e.x_advance + 10, 18);
    cairo_fill(cr);
    text(cr, b.left + 6, b.top + 15, title, 13, TEXT, true);
}

static void frameBand(cairo_t* cr, const Band& b)
{
    use(cr, PANEL_GROUND);
    cairo_rectangle(cr, b.left, b.top, b.width, b.height);
    cairo_fill(cr);
    // The periods: a line at each whistle between two.
    cairo_set_line_width(cr, 1.0);
    const double dash[] = {4.0, 4.0};
    cairo_set_dash(cr, dash, 2, 0);
    use(cr, FAINT);
    for (int period = 1; period < LAST_PERIOD; ++period) {
        const double x = b.x(period * PERIOD_MINUTES * 60.0);
        cairo_move_to(cr, x, b.top);
        cairo_line_to(cr, x, b.top + b.height);
    }
    cairo_stroke(cr);
    cairo_set_dash(cr, 0, 0, 0);
}

static void axisLabels(cairo_t* cr, const Band& b, double step, const char* unit)
{
    char label[32];
    for (double v = b.lo; v <= b.hi + 1e-9; v += step) {
        snprintf(label, sizeof label, "%g%s", v, unit);
        cairo_text_extents_t e;
        cairo_set_font_size(cr, 11);
        cairo_text_extents(cr, label, &e);
        text(cr, b.left - e.x_advance - 6, b.y(v) + 4, label, 11, TEXT);
    }
}

// A team's figure over the seconds: `value(i)` is sample i's.
template <class Value>
static void plotLine(cairo_t* cr, const Band& b, const Colour& c, Value value)
{
    if (matchLog.samples == 0)
        return;
    cairo_set_line_width(cr, 2.0);
    use(cr, c);
    cairo_move_to(cr, b.x(0), b.y(value(0)));
    for (int i = 0; i < matchLog.samples; ++i)
        cairo_line_to(cr, b.x(i + 1), b.y(value(i)));
    cairo_stroke(cr);
}

static void drawScores(cairo_t* cr, const Band& b)
{
    for (int side = 0; side < 2; ++side) {
        // Steps: the score holds until the next goal.
        cairo_set_line_width(cr, 2.0);
        use(cr, TEAM_COLOURS[side]);
        double last = 0.0;
        cairo_move_to(cr, b.x(0), b.y(0));
        for (int i = 0; i < matchLog.samples; ++i) {
            const double now = logSamples[i].score[side];
            if (now != last) {
                cairo_line_to(cr, b.x(i + 1), b.y(last));
                last = now;
            }
            cairo_line_to(cr, b.x(i + 1), b.y(now));
        }
        cairo_stroke(cr);
    }
    // A dot at every goal, where the score it made stands.
    int goals[2] = {0, 0};
    for (int i = 0; i < matchLog.marks; ++i) {
        const LogMark& m = logMarks[i];
        if (m.kind != MARK_GOAL)
            continue;
        const int side = sideOf(m.team);
        ++goals[side];
        use(cr, TEAM_COLOURS[side]);
        cairo_arc(cr, b.x(m.second), b.y(goals[side]), MARK_SIZE, 0, 6.2831853);
        cairo_fill(cr);
    }
}

static double homeShareAround(int i)
{
    long held[2] = {0, 0};
    for (int k = i - POSSESSION_WINDOW + 1; k <= i; ++k) {
        if (k < 0)
            continue;
        held[HOME_SIDE] += logSamples[k].held[HOME_SIDE];
        held[AWAY_SIDE] += logSamples[k].held[AWAY_SIDE];
    }
    const long total = held[HOME_SIDE] + held[AWAY_SIDE];
    return total == 0 ? 50.0 : 100.0 * static_cast<double>(held[HOME_SIDE]) / static_cast<double>(total);
}

static void drawPossession(cairo_t* cr, const Band& b)
{
    cairo_set_line_width(cr, 1.0);
    use(cr, FAINT);
    cairo_move_to(cr, b.left, b.y(50));
    cairo_line_to(cr, b.left + b.width, b.y(50));
    cairo_stroke(cr);
    plotLine(cr, b, TEAM_COLOURS[HOME_SIDE], [](int i) { return homeShareAround(i); });
    plotLine(cr, b, TEAM_COLOURS[AWAY_SIDE], [](int i) { return 100.0 - homeShareAround(i); });
}

static void deathMark(cairo_t* cr, double x, double y)
{
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, x - MARK_SIZE, y - MARK_SIZE);
    cairo_line_to(cr, x + MARK_SIZE, y + MARK_SIZE);
    cairo_move_to(cr, x + MARK_SIZE, y - MARK_SIZE);
    cairo_line_to(cr, x - MARK_SIZE, y + MARK_SIZE);
    cairo_stroke(cr);
}

static void penaltyMark(cairo_t* cr, double x, double y)
{
    cairo_move_to(cr, x - MARK_SIZE, y - MARK_SIZE);
    cairo_line_to(cr, x + MARK_SIZE, y - MARK_SIZE);
    cairo_line_to(cr, x, y + MARK_SIZE);
    cairo_close_path(cr);
    cairo_fill(cr);
}

static void drawCondition(cairo_t* cr, const Band& b)
{
    for (int side = 0; side < 2; ++side)
        plotLine(cr, b, TEAM_COLOURS[side], [side](int i) { return static_cast<double>(logSamples[i].condition[side]); });
    // Deaths on the team's line, where it fell; penalties along the band's foot.
    for (int i = 0; i < matchLog.marks; ++i) {
        const LogMark& m = logMarks[i];
        const int side = sideOf(m.team);
        use(cr, TEAM_COLOURS[side]);
        const int at = m.second > 0 ? m.second - 1 : 0;
        if (m.kind == MARK_DEATH) {
            const double condition = matchLog.samples > 0 ? logSamples[at < matchLog.samples ? at : matchLog.samples - 1].condition[side] : b.hi;
            deathMark(cr, b.x(m.second), b.y(condition));
        } else if (m.kind == MARK_PENALTY) {
            penaltyMark(cr, b.x(m.second), b.top + b.height - (side == HOME_SIDE ? 20 : 8));
        }
    }
}

static void drawTimeAxis(cairo_t* cr, const Band& b, double bottom)
{
    char label[16];
    for (int minute = 0; minute <= MINUTES_SHOWN; minute += 5) {
        const double x = b.x(minute * 60.0);
        use(cr, FAINT);
        cairo_set_line_width(cr, 1.0);
        cairo_move_to(cr, x, bottom);
        cairo_line_to(cr, x, bottom + 5);
        cairo_stroke(cr);
        snprintf(label, sizeof label, "%d", minute);
        cairo_text_extents_t e;
        cairo_set_font_size(cr, 11);
        cairo_text_extents(cr, label, &e);
        text(cr, x - e.x_advance / 2, bottom + 18, label, 11, TEXT);
    }
    text(cr, b.left + b.width / 2 - 80, bottom + 34, "game clock, minutes played", 12, TEXT);
    for (int period = 1; period <= LAST_PERIOD; ++period) {
        snprintf(label, sizeof label, "period %d", period);
        const double x = b.x(((period - 1) + 0.5) * PERIOD_MINUTES * 60.0);
        text(cr, x - 28, b.top - 6, label, 12, FAINT);
    }
}

static void drawLegend(cairo_t* cr, double right, double y)
{
    double x = right - 470;
    for (int side = 0; side < 2; ++side) {
        use(cr, TEAM_COLOURS[side]);
        cairo_set_line_width(cr, 3.0);
        cairo_move_to(cr, x, y - 4);
        cairo_line_to(cr, x + 24, y - 4);
        cairo_stroke(cr);
        text(cr, x + 30, y, side == HOME_SIDE ? "HOU (home)" : "MAD (away)", 13, TEXT);
        x += 115;
    }
    use(cr, TEXT);
    cairo_arc(cr, x + 5, y - 4, MARK_SIZE, 0, 6.2831853);
    cairo_fill(cr);
    text(cr, x + 15, y, "goal", 13, TEXT);
    x += 60;
    use(cr, TEXT);
    deathMark(cr, x + 5, y - 4);
    text(cr, x + 15, y, "death", 13, TEXT);
    x += 65;
    use(cr, TEXT);
    penaltyMark(cr, x + 5, y - 4);
    text(cr, x + 15, y, "penalty", 13, TEXT);
}

bool writeMatchChart(const char* path, int width, int height)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    cairo_t* cr = cairo_create(surface);
    use(cr, GROUND);
    cairo_paint(cr);

    char title[SUMMARY_LINE_SIZE];
    formatFinalScore(title, sizeof title);
    text(cr, 20, 30, title, 22, TEXT, true);
    drawLegend(cr, width - 20, 28);

    // Three bands over the same time axis: score, possession, condition.
    const double left = 70, right = width - 20, top = 64, bottom = height - 48, gap = 20;
    const double tall = bottom - top - 2 * gap;
    int mostGoals = 1;
    for (int side = 0; side < 2; ++side) {
        const int goals = side == HOME_SIDE ? matchClock.home_score : matchClock.away_score;
        mostGoals = goals > mostGoals ? goals : mostGoals;
    }
    const double scoreStep = mostGoals <= 5 ? 1 : mostGoals <= 20 ? 5 : 10;
    const double scoreTop = scoreStep * ((mostGoals + scoreStep - 1) / static_cast<int>(scoreStep));
    const Band score = {left, top, right - left, tall * 0.4, 0, scoreTop};
    const Band possession = {left, score.top + score.height + gap, right - left, tall * 0.3, 0, 100};
    double mostCondition = 100;
    for (int i = 0; i < matchLog.samples; ++i)
        for (int side = 0; side < 2; ++side)
            mostCondition = logSamples[i].condition[side] > mostCondition ? logSamples[i].condition[side] : mostCondition;
    const double conditionTop = 250.0 * static_cast<int>((mostCondition + 249.0) / 250.0);
    const Band condition = {left, possession.top + possession.height + gap, right - left, tall * 0.3, 0,
                            conditionTop};

    frameBand(cr, score);
    axisLabels(cr, score, scoreStep, "");
    drawScores(cr, score);
    titleBand(cr, score, "Score");
    frameBand(cr, possession);
    axisLabels(cr, possession, 50, "%");
    drawPossession(cr, possession);
    titleBand(cr, possession, "Possession over the last minute");
    frameBand(cr, condition);
    axisLabels(cr, condition, conditionTop / 2, "");
    drawCondition(cr, condition);
    titleBand(cr, condition, "Team condition (sum of the players')");
    drawTimeAxis(cr, score, bottom);

    cairo_destroy(cr);
    cairo_surface_flush(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) {
        fprintf(stderr, "cannot write the match's chart to %s: %s\n", path, cairo_status_to_string(status));
        return false;
    }
    return true;
}
