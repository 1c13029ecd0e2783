// The match told: the summary and the runner's report agree with the match's
// own statistics and with each other, and the chart is a picture a decoder
// reads, of any match, written only where it can be.
#include <cairo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sstream>
#include <string>

#include "app/headless_match.h"
#include "app/tick_driver.h"
#include "core/random.h"
#include "match/match_clock.h"
#include "match/match_log.h"
#include "match/match_state.h"
#include "match/match_summary.h"
#include "test_support.h"
#include "ui/match_chart.h"

namespace {

static int linesStartingWith(const std::string& text, const std::string& start)
{
    std::istringstream in(text);
    int count = 0;
    for (std::string line; std::getline(in, line);)
        count += line.compare(0, start.size(), start) == 0;
    return count;
}

static std::string lineAfter(const std::string& text, const std::string& start)
{
    const std::size_t at = text.find(start);
    if (at == std::string::npos)
        return "";
    return text.substr(at, text.find('\n', at) - at);
}

TEST(MatchToldTest, TheSummaryAndTheReportTellTheMatchAsItsStatisticsCountIt)
{
    for (unsigned seed : {1u, 3u, 42u}) {
        SCOPED_TRACE(seed);
        HeadlessResult result;
        captureStdout([&] { ASSERT_TRUE(playHeadlessMatch(seed, 20, result)); });
        const MatchStats& s = matchStats;
        const TeamTally& h = matchLog.teams[HOME_SIDE];
        const TeamTally& a = matchLog.teams[AWAY_SIDE];
        EXPECT_EQ(s.catches, h.catches + a.catches);
        EXPECT_EQ(s.passes, h.passes + a.passes);
        EXPECT_EQ(s.knock_looses, h.balls_lost + a.balls_lost);
        EXPECT_EQ(s.penalties, h.penalties + a.penalties);
        EXPECT_EQ(s.crits, h.sent_off_crit + a.sent_off_crit);
        EXPECT_EQ(s.deaths, h.deaths + a.deaths);
        EXPECT_EQ(s.misses, h.misses + a.misses);
        // Every ball hit is taken by somebody; every contact given is taken.
        EXPECT_EQ(h.hits_taken + a.hits_taken, h.hits_given + a.hits_given + s.hits);
        int byPeriod[2] = {0, 0};
        for (int period = 1; period <= LAST_PERIOD; ++period) {
            byPeriod[HOME_SIDE] += h.goals_by_period[period];
            byPeriod[AWAY_SIDE] += a.goals_by_period[period];
        }
        EXPECT_EQ(matchClock.home_score, byPeriod[HOME_SIDE]);
        EXPECT_EQ(matchClock.away_score, byPeriod[AWAY_SIDE]);
        // A whole match is sampled at every second of its three periods.
        EXPECT_EQ(SAMPLE_CAPACITY, matchLog.samples);
        EXPECT_EQ(matchClock.home_score, logSamples[SAMPLE_CAPACITY - 1].score[HOME_SIDE]);

        const std::string summary = captureStdout([] { printMatchSummary(true); });
        const std::string report = captureStdout([&] { printMatchReport(1, seed, result); });
        char score[SUMMARY_LINE_SIZE];
        formatFinalScore(score, sizeof score);
        EXPECT_NE(std::string::npos, summary.find(std::string("Final score: ") + score));
        EXPECT_NE(std::string::npos, report.find(score));
        // The goal list adds up to the score, in both, line for line alike.
        EXPECT_EQ(matchClock.home_score + matchClock.away_score, linesStartingWith(summary, "  goal  "));
        EXPECT_EQ(linesStartingWith(summary, "  goal  "), linesStartingWith(report, "  goal  "));
        int goalsOf[2] = {0, 0};
        std::istringstream lines(summary);
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("  goal  ", 0) == 0)
                ++goalsOf[line.find("  MAD ") != std::string::npos ? AWAY_SIDE : HOME_SIDE];
        EXPECT_EQ(matchClock.home_score, goalsOf[HOME_SIDE]);
        EXPECT_EQ(matchClock.away_score, goalsOf[AWAY_SIDE]);
        EXPECT_EQ(s.misses, linesStartingWith(summary, "  miss  "));
        const std::string periods = lineAfter(summary, "By period");
        EXPECT_FALSE(periods.empty());
        EXPECT_EQ(periods, lineAfter(report, "By period"));
        for (const char* shot : {"  goal  ", "  miss  "}) {
            std::istringstream in(summary);
            for (std::string line; std::getline(in, line);)
                if (line.rfind(shot, 0) == 0) {
                    EXPECT_NE(std::string::npos, report.find(line + "\n")) << line;
                }
        }
        EXPECT_NE(std::string::npos, report.find("goals " + std::to_string(s.goals) + ","));
        char row[SUMMARY_LINE_SIZE];
        snprintf(row, sizeof row, "%-22s%6d%6d", "Catches", h.catches, a.catches);
        EXPECT_NE(std::string::npos, summary.find(row));
    }
}

class MatchChartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        snprintf(folder, sizeof folder, "/tmp/skorvane-chart-XXXXXX");
        ASSERT_NE(nullptr, mkdtemp(folder));
    }
    void TearDown() override
    {
        for (const char* name : {"match.png", "goalless.png", "small.png"}) {
            std::string path = std::string(folder) + "/" + name;
            remove(path.c_str());
        }
        rmdir(folder);
    }
    std::string at(const char* name) const { return std::string(folder) + "/" + name; }

    // The picture as a decoder reads it: its size, and whether it holds more
    // than the one colour of its ground.
    static void decode(const std::string& path, int& width, int& height, bool& drawn)
    {
        cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
        ASSERT_EQ(CAIRO_STATUS_SUCCESS, cairo_surface_status(png)) << path;
        width = cairo_image_surface_get_width(png);
        height = cairo_image_surface_get_height(png);
        const unsigned char* data = cairo_image_surface_get_data(png);
        const int stride = cairo_image_surface_get_stride(png);
        int colours = 0;
        uint32_t first = *reinterpret_cast<const uint32_t*>(data);
        for (int y = 0; y < height && colours < 100; y += 3)
            for (int x = 0; x < width; x += 3)
                colours += *reinterpret_cast<const uint32_t*>(data + y * stride + x * 4) != first;
        drawn = colours >= 100;
        cairo_surface_destroy(png);
    }
    char folder[64];
};

TEST_F(MatchChartTest, AWholeMatchAndAGoallessOneArePicturesOfTheAskedSize)
{
    HeadlessResult result;
    captureStdout([&] { ASSERT_TRUE(playHeadlessMatch(1, 20, result)); });
    ASSERT_GT(matchClock.home_score + matchClock.away_score, 0);
    ASSERT_TRUE(writeMatchChart(at("match.png").c_str()));
    int width = 0, height = 0;
    bool drawn = false;
    decode(at("match.png"), width, height, drawn);
    EXPECT_EQ(CHART_WIDTH, width);
    EXPECT_EQ(CHART_HEIGHT, height);
    EXPECT_TRUE(drawn);
    ASSERT_TRUE(writeMatchChart(at("small.png").c_str(), 640, 320));
    decode(at("small.png"), width, height, drawn);
    EXPECT_EQ(640, width);
    EXPECT_EQ(320, height);

    // A new game, a few seconds of it and no goal: axes, legend, no lines to speak of.
    clearMatchState();
    seedRandom(5);
    newGame();
    EXPECT_EQ(0, matchLog.samples);
    EXPECT_EQ(0, shotCount());
    ASSERT_TRUE(writeMatchChart(at("goalless.png").c_str()));
    decode(at("goalless.png"), width, height, drawn);
    EXPECT_EQ(CHART_WIDTH, width);
    EXPECT_TRUE(drawn);
}

TEST_F(MatchChartTest, APathThatCannotTakeThePictureIsRefusedAndAGoodOneLeftAsFound)
{
    EXPECT_FALSE(canWriteChart((std::string(folder) + "/no/such/folder/x.png").c_str()));
    EXPECT_FALSE(canWriteChart(folder)); // a folder
    EXPECT_FALSE(canWriteChart(""));
    const std::string fresh = at("match.png");
    EXPECT_TRUE(canWriteChart(fresh.c_str()));
    struct stat found;
    EXPECT_NE(0, stat(fresh.c_str(), &found)) << "the trial left a file behind";
    // A file that is there and writable is taken; the check leaves it whole.
    FILE* f = fopen(fresh.c_str(), "w");
    ASSERT_NE(nullptr, f);
    fputs("kept", f);
    fclose(f);
    EXPECT_TRUE(canWriteChart(fresh.c_str()));
    ASSERT_EQ(0, stat(fresh.c_str(), &found));
    EXPECT_EQ(4, found.st_size);
    chmod(fresh.c_str(), 0444);
    if (geteuid() != 0) { // root writes whatever the mode
        EXPECT_FALSE(canWriteChart(fresh.c_str()));
    }
    // Drawing to where no file can be made says so and fails.
    EXPECT_FALSE(writeMatchChart((std::string(folder) + "/no/such/folder/x.png").c_str()));
}

} // namespace
