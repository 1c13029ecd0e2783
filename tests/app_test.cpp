// The application shell: switches file, frame-time rules, exit statistics,
// the message routine, the commentary line and the random draw.
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/frame_loop.h"
#include "core/commentary.h"
#include "core/engine.h"
#include "core/message.h"
#include "core/random.h"
#include "core/switches.h"
#include "test_support.h"

namespace {

// Runs the switch reader in a scratch folder holding the given file (or none).
class SwitchesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/skorvane-ini-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder = pattern;
        ASSERT_EQ(0, chdir(folder.c_str()));
    }
    void TearDown() override
    {
        unlink((folder + "/skorvane.ini").c_str());
        rmdir(folder.c_str());
    }
    void writeIni(const std::string& bytes)
    {
        FILE* file = fopen("skorvane.ini", "wb");
        ASSERT_NE(nullptr, file);
        fwrite(bytes.data(), 1, bytes.size(), file);
        fclose(file);
    }
    std::string read()
    {
        // Stale values must be cleared by the reader itself.
        floorSwitch = lightingSwitch = bikerSwitch = true;
        return captureStdout([] { readSwitches(); });
    }
    std::string folder;
};

TEST_F(SwitchesTest, MissingOrEmptyFileGivesDefaultsSilently)
{
    EXPECT_EQ("", read());
    EXPECT_FALSE(floorSwitch || lightingSwitch || bikerSwitch);

    writeIni("");
    EXPECT_EQ("", read());
    EXPECT_FALSE(floorSwitch || lightingSwitch || bikerSwitch);
}

TEST_F(SwitchesTest, AllThreeLettersThenALineEndReportTheLineEndOnce)
{
    writeIni("FLP\n");
    EXPECT_EQ("unknown INI switch \n\n", read());
    EXPECT_TRUE(floorSwitch);
    EXPECT_TRUE(lightingSwitch);
    EXPECT_TRUE(bikerSwitch);
}

TEST_F(SwitchesTest, LowerCaseIsUnknownAndRepeatsCountOnce)
{
    writeIni("fLL");
    EXPECT_EQ("unknown INI switch f\n", read());
    EXPECT_FALSE(floorSwitch);
    EXPECT_TRUE(lightingSwitch);
    EXPECT_FALSE(bikerSwitch);
}

TEST_F(SwitchesTest, EveryByteIsExaminedUpToTheRealEnd)
{
    // A 0xFF byte is not the end of the file, and a NUL byte is not the end of the text.
    writeIni(std::string("F\xff\0P", 4));
    const std::string out = read();
    EXPECT_EQ(std::string("unknown INI switch \xff\nunknown INI switch \0\n", 42), out);
    EXPECT_TRUE(floorSwitch);
    EXPECT_TRUE(bikerSwitch);
    EXPECT_FALSE(lightingSwitch);
}

class FramePassTest : public ::testing::Test {
protected:
    void SetUp() override { clearFrameStatistics(1000); }
};

TEST_F(FramePassTest, ZeroDtSpinsAndCountsOnlyInTheHistogram)
{
    EXPECT_FALSE(countFrame(1000));
    EXPECT_EQ(1, ps_array[0]);
    EXPECT_EQ(0, frameCount);
    EXPECT_EQ(0, frameTimeSum);
}

TEST_F(FramePassTest, OneToNinetyNineAreCountedInTheAverage)
{
    EXPECT_TRUE(countFrame(1001));
    EXPECT_TRUE(countFrame(1100));
    EXPECT_EQ(1, ps_array[1]);
    EXPECT_EQ(1, ps_array[99]);
    EXPECT_EQ(2, frameCount);
    EXPECT_EQ(100, frameTimeSum);
    EXPECT_FLOAT_EQ(50.0f, averageFrameTime);
}

TEST_F(FramePassTest, StallsOfAHundredOrMoreAreDroppedButCounted)
{
    EXPECT_TRUE(countFrame(1020));
    EXPECT_FALSE(countFrame(1120));   // 100 ms
    EXPECT_FALSE(countFrame(101119)); // 99999 ms
    EXPECT_EQ(1, ps_array[100]);
    EXPECT_EQ(1, ps_array[99999]);
    EXPECT_EQ(1, frameCount);
    EXPECT_FLOAT_EQ(20.0f, averageFrameTime);
    EXPECT_EQ(101119, lastClock);
}

TEST_F(FramePassTest, EndlessStallsAndBackwardClocksAreRecordedNowhere)
{
    EXPECT_FALSE(countFrame(101000)); // 100000 ms
    EXPECT_EQ(101000, lastClock);
    EXPECT_FALSE(countFrame(100990)); // the clock stepped back
    EXPECT_EQ(100990, lastClock);
    long total = 0;
    for (int i = 0; i < FRAME_HISTOGRAM_SIZE; ++i)
        total += ps_array[i];
    EXPECT_EQ(0, total);
    EXPECT_EQ(0, frameCount);
}

TEST_F(FramePassTest, StatisticsWithNoPassPrintZerosAndNotANumber)
{
    const std::string out = captureStdout([] { printFrameStatistics(); });
    EXPECT_EQ(0u, out.find("\ncount=0 lo=0 hi=0 avg="));
    EXPECT_NE(std::string::npos, out.find("nan"));
}

TEST_F(FramePassTest, StatisticsWithOnlyZeroDtPrintCountOne)
{
    countFrame(1000);
    countFrame(1000);
    EXPECT_EQ("\ncount=1 lo=0 hi=0 avg=0.000000\n", captureStdout([] { printFrameStatistics(); }));
}

TEST_F(FramePassTest, FewDistinctFrameTimesAreListedFromEntryOne)
{
    countFrame(1000); // entry 0 is never listed
    countFrame(1016);
    countFrame(1032);
    countFrame(1049);
    // Distinct values 0, 16, 17: the average is over values, not over frames.
    EXPECT_EQ("\ncount=3 lo=16 hi=17 avg=11.000000\n"
              "\ni=16 ps_array[]=2"
              "\ni=17 ps_array[]=1",
              captureStdout([] { printFrameStatistics(); }));
}

TEST_F(FramePassTest, TwentyDistinctFrameTimesPrintTheSummaryOnly)
{
    int now = 1000;
    for (int dt = 1; dt <= 20; ++dt)
        countFrame(now += dt);
    EXPECT_EQ("\ncount=20 lo=1 hi=20 avg=10.500000\n", captureStdout([] { printFrameStatistics(); }));
}

TEST(MessageTest, PauseLevelPrintsAndPauses)
{
    paused = false;
    EXPECT_EQ("ball holder not OK\npausing", captureStdout([] { reportMessage(0, "ball holder not OK"); }));
    EXPECT_TRUE(paused);
    paused = false;
    EXPECT_EQ("pausing", captureStdout([] { reportMessage(0, nullptr); }));
    EXPECT_TRUE(paused);
    paused = false;
}

TEST(MessageDeathTest, HaltLevelPrintsAndExitsWithStatusOne)
{
    EXPECT_HALTS(reportMessage(1, "Game Over!"), "Game Over!\nhalting");
}

TEST(CommentaryTest, PlayerLinesAndLongTextsAreBounded)
{
    setPlayerCommentary('A', 3, "hit by ball!");
    EXPECT_STREQ("A3 hit by ball!", getCommentary());
    setCommentary("Building stadium");
    EXPECT_STREQ("Building stadium", getCommentary());

    const std::string longText(400, 'x');
    setCommentary(longText.c_str());
    EXPECT_EQ(std::string(COMMENTARY_SIZE - 1, 'x'), getCommentary());
}

// Every seed and every recording made with the C library's generator must
// play the same: the game's own generator gives its sequence exactly, for
// seeds across the whole 32 bits (0 is taken as 1, 2^31 and up start from a
// negative word), and when never seeded.
TEST(RandomTest, TheSequenceIsTheCLibrarysForEverySeed)
{
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(rand(), nextRandom()) << "unseeded, draw " << i;
    const unsigned seeds[] = {0u, 1u, 2u, 77u, 32767u, 1765190000u, 2147483647u, 2147483648u, 4294967294u,
                              4294967295u};
    for (unsigned seed : seeds) {
        srand(seed);
        seedRandom(seed);
        for (int i = 0; i < 100000; ++i)
            ASSERT_EQ(rand(), nextRandom()) << "seed " << seed << ", draw " << i;
    }
    // And a spread of seeds, a few hundred draws each (a match draws about as many).
    for (unsigned k = 0; k < 5000; ++k) {
        const unsigned seed = k * 2654435761u;
        srand(seed);
        seedRandom(seed);
        for (int i = 0; i < 400; ++i)
            ASSERT_EQ(rand(), nextRandom()) << "seed " << seed << ", draw " << i;
    }
}

TEST(RandomTest, AKeptStateDrawsOnAsItWouldHave)
{
    seedRandom(2026);
    for (int i = 0; i < 500; ++i)
        nextRandom();
    const RandomState kept = randomState;
    int ahead[50];
    for (int& draw : ahead)
        draw = nextRandom();
    randomState = kept;
    for (int draw : ahead)
        ASSERT_EQ(draw, nextRandom());
}

TEST(RandomTest, DrawsStayWithinTheScaleEitherSign)
{
    seedRandom(7);
    float lo = 1e9f, hi = -1e9f;
    for (int i = 0; i < 20000; ++i) {
        const float v = randomScaled(1160.0f);
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        const float n = randomScaled(-0.0010709974f);
        ASSERT_LE(n, 0.0f);
        ASSERT_GE(n, -0.0010709974f);
    }
    EXPECT_GE(lo, 0.0f);
    EXPECT_LE(hi, 1160.0f);
    // Uniform over the whole range, not bunched at one end.
    EXPECT_LT(lo, 20.0f);
    EXPECT_GT(hi, 1140.0f);
}

} // namespace

namespace {

class CaptionTest : public NullDeviceTest {};

TEST_F(CaptionTest, WrittenOnTheFirstDrawnPassAndThenOnlyWhenTheRateChanges)
{
    resetCaption();
    frameTimeSum = 40;
    frameCount = 2;
    EXPECT_TRUE(updateCaption());
    const std::wstring caption = windowCaption();
    const std::wstring name = driver->getName();
    EXPECT_EQ(0u, caption.find(L"Skorvane A0.85 [" + name + L"] fps:")) << caption;
    EXPECT_NE(std::wstring::npos, caption.find(L" avg:20.0"));
    // The null driver's rate stands still between frames.
    EXPECT_FALSE(updateCaption());
    resetCaption();
    EXPECT_TRUE(updateCaption());
}

} // namespace

namespace {

TEST_F(SwitchesTest, AMegabyteOfRandomBytesIsReadForItsFirst64KilobytesAndTheRestIgnoredWithOneLine)
{
    constexpr size_t READ_BYTES = 64 * 1024;
    std::string bytes(1 << 20, '\0');
    unsigned state = 12345u;
    for (char& b : bytes) {
        state = state * 1103515245u + 12345u;
        b = static_cast<char>(state >> 24);
    }
    // Keep the three letters out but one L inside the part read and one F
    // beyond it, so the verdict on each switch is known.
    for (char& b : bytes)
        if (b == 'F' || b == 'L' || b == 'P')
            b = 'x';
    bytes[READ_BYTES / 2] = 'L';
    bytes[READ_BYTES] = 'F';
    writeIni(bytes);

    const std::string out = read();
    EXPECT_FALSE(floorSwitch);
    EXPECT_TRUE(lightingSwitch);
    EXPECT_FALSE(bikerSwitch);
    const std::string message = "unknown INI switch ";
    size_t messages = 0;
    for (size_t at = out.find(message); at != std::string::npos; at = out.find(message, at + 1))
        ++messages;
    EXPECT_EQ(READ_BYTES - 1, messages);
    const std::string ignored = "skorvane.ini is longer than 65536 bytes: the rest was ignored\n";
    ASSERT_GE(out.size(), ignored.size());
    EXPECT_EQ(ignored, out.substr(out.size() - ignored.size()));
    EXPECT_EQ((READ_BYTES - 1) * (message.size() + 2) + ignored.size(), out.size());

    // Exactly the size read in full: nothing is ignored, so nothing is said.
    writeIni(bytes.substr(0, READ_BYTES));
    EXPECT_EQ(std::string::npos, read().find("ignored"));
}

// A pipe would block start-up until someone writes to it, a device like
// /dev/zero never ends, a folder or a link loop cannot be read: each is
// taken as no file at all. Each read runs in a child with an alarm, so a
// reader that blocks fails this test instead of hanging the suite.
TEST_F(SwitchesTest, AnythingButARegularFileCountsAsNoFileSilently)
{
    struct Planted {
        const char* name;
        int (*make)();
    };
    const Planted forms[] = {
        {"named pipe", [] { return mkfifo("skorvane.ini", 0600); }},
        {"folder", [] { return mkdir("skorvane.ini", 0700); }},
        {"link to /dev/zero", [] { return symlink("/dev/zero", "skorvane.ini"); }},
        {"link loop", [] { return symlink("skorvane.ini", "skorvane.ini"); }},
    };
    for (const Planted& form : forms) {
        ASSERT_EQ(0, form.make()) << form.name;
        EXPECT_EXIT(
            {
                alarm(10);
                FILE* console = freopen("console.txt", "w", stdout);
                floorSwitch = lightingSwitch = bikerSwitch = true;
                readSwitches();
                fflush(stdout);
                const long printed = console ? ftell(console) : -1;
                _exit(printed == 0 && !floorSwitch && !lightingSwitch && !bikerSwitch ? 0 : 3);
            },
            ::testing::ExitedWithCode(0), "")
            << form.name;
        if (unlink("skorvane.ini") != 0)
            rmdir("skorvane.ini");
        unlink("console.txt");
    }
}

} // namespace
