// The settings remembered from one run to the next: the command line wins,
// and a file not ours to trust is never read as one, nor replaced early.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/options.h"
#include "app/settings.h"
#include "test_support.h"

namespace {

// A scratch configuration folder; the settings file is written and read there.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/skorvane-config-XXXXXX";
        ASSERT_NE(nullptr, mkdtemp(pattern));
        folder = pattern;
        path = folder + "/skorvane/settings.ini";
    }
    void TearDown() override { ASSERT_EQ(0, system(("rm -rf " + folder).c_str())); }
    // The command line as given, then the file's choices where it left them open.
    GameOptions start(std::vector<const char*> arguments, bool* read = 0)
    {
        arguments.insert(arguments.begin(), "skorvane");
        gameOptions = GameOptions();
        EXPECT_EQ(-1, readGameOptions(static_cast<int>(arguments.size()), arguments.data()));
        GameOptions options = gameOptions;
        const bool sound = readSettings(path, options);
        if (read)
            *read = sound;
        return options;
    }
    void plant(const std::string& bytes)
    {
        mkdir((folder + "/skorvane").c_str(), 0700);
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string contents()
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::string folder, path;
};

TEST_F(SettingsTest, ChoicesOfOneRunAreTheNextRunsAndTheCommandLineWins)
{
    // First start: no file, nothing said, the classic window.
    std::string said = captureStdout([&] { EXPECT_EQ(0u, start({}).windowWidth); });
    EXPECT_EQ("", said);

    GameOptions run = start({"--window", "1280x960"});
    run.noSound = true; // M pressed before the end
    ASSERT_TRUE(writeSettings(path, run));
    bool read = false;
    GameOptions next = start({}, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(1280u, next.windowWidth);
    EXPECT_EQ(960u, next.windowHeight);
    EXPECT_FALSE(next.fullscreen);
    EXPECT_TRUE(next.noSound);

    // The command line wins: another window, or the full screen, with the
    // window kept for the run after it.
    EXPECT_EQ(1000u, start({"--window", "1000x750"}).windowWidth);
    GameOptions full = start({"--fullscreen"});
    EXPECT_TRUE(full.fullscreen);
    EXPECT_EQ(0u, full.windowWidth) << "the full screen is the desktop's size";
    full.noSound = false;
    ASSERT_TRUE(writeSettings(path, full));
    next = start({});
    EXPECT_TRUE(next.fullscreen);
    EXPECT_EQ(0u, next.windowWidth);
    EXPECT_FALSE(next.noSound);
    EXPECT_NE(std::string::npos, contents().find("window = 1280x960\n"));
    // A window on the command line ends the full screen the file asks for.
    next = start({"--window", "800x600"});
    EXPECT_FALSE(next.fullscreen);
    EXPECT_EQ(800u, next.windowWidth);
    EXPECT_EQ(-1, readGameOptions(2, std::vector<const char*>{"skorvane", "--defaults"}.data()));
    EXPECT_TRUE(gameOptions.defaults);
}

// A file that is not ours to trust starts the game with its defaults and
// one line, whatever it is, and stays as it was until a normal end writes it.
TEST_F(SettingsTest, AnyBadFileGivesTheDefaultsWithOneLineAndIsLeftAsItWas)
{
    const struct {
        const char* name;
        std::string bytes;
        const char* says;
    } bad[] = {
        {"empty", "", "is empty"},
        {"comments only", "# nothing\n\n", "is empty"},
        {"foreign", "[Desktop Entry]\nName=Something\n", "is not a Skorvane settings file"},
        {"random bytes", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "is not a Skorvane settings file"},
        {"cut short", "[skorvane]\nwindow = 12", "damaged (line 2: window takes a size"},
        {"too small a window", "[skorvane]\nwindow = 320x200\n", "damaged (line 2"},
        {"bad switch", "[skorvane]\nsound = loud\n", "damaged (line 2: a switch takes on or off"},
        {"twice", "[skorvane]\nsound = on\nsound = off\n", "damaged (line 3"},
        {"no value", "[skorvane]\nfullscreen\n", "damaged (line 2"},
        {"huge", "[skorvane]\n" + std::string(1 << 20, '#') + "\n", "far larger than a settings file"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.name);
        plant(b.bytes);
        bool read = true;
        GameOptions options;
        const std::string said = captureStdout([&] { options = start({}, &read); });
        EXPECT_FALSE(read);
        EXPECT_EQ(0u, options.windowWidth);
        EXPECT_FALSE(options.fullscreen);
        EXPECT_FALSE(options.noSound);
        EXPECT_EQ(1, std::count(said.begin(), said.end(), '\n')) << said;
        EXPECT_EQ(0u, said.find("settings file " + path + " ")) << said;
        EXPECT_NE(std::string::npos, said.find(b.says)) << said;
        EXPECT_NE(std::string::npos, said.find("the game starts with its defaults")) << said;
        EXPECT_EQ(b.bytes, contents()) << "reading changed the file";
    }
    // Another version's setting is skipped; the rest of the file serves.
    plant("# mine\n[skorvane]\r\nwindow = 1024x768\r\ndirector = on\n\n");
    bool read = false;
    const std::string said = captureStdout([&] { EXPECT_EQ(1024u, start({}, &read).windowWidth); });
    EXPECT_TRUE(read);
    EXPECT_NE(std::string::npos, said.find("'director'"));
}

// A folder, a pipe or a device where the file should be is no file: the
// defaults and one line, and reading never waits on it. Each start runs in
// a child with an alarm, so a reader that blocks fails instead of hanging.
TEST_F(SettingsTest, AFolderOrAPipeInItsPlaceIsNeitherReadNorReplaced)
{
    struct Planted {
        const char* name;
        int (*make)(const char* path);
    };
    const Planted forms[] = {
        {"folder", [](const char* p) { return mkdir(p, 0700); }},
        {"named pipe", [](const char* p) { return mkfifo(p, 0600); }},
        {"link to /dev/zero", [](const char* p) { return symlink("/dev/zero", p); }},
    };
    mkdir((folder + "/skorvane").c_str(), 0700);
    for (const Planted& form : forms) {
        ASSERT_EQ(0, form.make(path.c_str())) << form.name;
        const std::string settings = path;
        EXPECT_EXIT(
            {
                alarm(10);
                FILE* console = freopen((folder + "/console.txt").c_str(), "w", stdout);
                GameOptions options;
                const bool read = readSettings(settings, options);
                fflush(stdout);
                const long printed = console ? ftell(console) : -1;
                _exit(!read && options.windowWidth == 0 && printed > 0 ? 0 : 3);
            },
            ::testing::ExitedWithCode(0), "")
            << form.name;
        const std::string said = captureStdout([&] { EXPECT_FALSE(writeSettings(settings, GameOptions())); });
        EXPECT_NE(std::string::npos, said.find("settings not saved")) << form.name << ": " << said;
        struct stat status;
        ASSERT_EQ(0, lstat(path.c_str(), &status));
        EXPECT_FALSE(S_ISREG(status.st_mode)) << form.name << " replaced";
        if (unlink(path.c_str()) != 0)
            rmdir(path.c_str());
    }
}

} // namespace
