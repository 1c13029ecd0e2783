// The window's options on the command line: sizes the game can open are
// taken, anything else is refused with a message and status 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/options.h"

namespace {

struct Outcome {
    int status;
    std::string error;
};

Outcome read(std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), "skorvane");
    gameOptions = GameOptions();
    ::testing::internal::CaptureStderr();
    const int status = readGameOptions(static_cast<int>(arguments.size()), arguments.data());
    return Outcome{status, ::testing::internal::GetCapturedStderr()};
}

TEST(WindowOptions, PlayableSizesAndFullScreenAreTaken)
{
    EXPECT_EQ(-1, read({}).status);
    EXPECT_EQ(0u, gameOptions.windowWidth); // the classic 640 x 480
    EXPECT_FALSE(gameOptions.fullscreen);

    EXPECT_EQ(-1, read({"--window", "1280x960"}).status);
    EXPECT_EQ(1280u, gameOptions.windowWidth);
    EXPECT_EQ(960u, gameOptions.windowHeight);
    EXPECT_EQ(-1, read({"--window", "640x480"}).status);
    EXPECT_EQ(-1, read({"--window", "16384x16384"}).status);

    EXPECT_EQ(-1, read({"--fullscreen"}).status);
    EXPECT_TRUE(gameOptions.fullscreen);
}

TEST(WindowOptions, BadSizesAndUnknownOptionsAreRefusedWithAMessage)
{
    const std::vector<std::vector<const char*>> refused = {
        {"--window", "0x0"},         {"--window", "abc"},         {"--window", "100000x100000"},
        {"--window", "639x480"},     {"--window", "1280x16385"},  {"--window", "1280x"},
        {"--window", "x960"},        {"--window", "1280x960x16"}, {"--window", "-1280x960"},
        {"--window", "1280 x 960"},  {"--window"},                {"--fullscreen", "--window", "1280x960"},
        {"--windowed"},              {"-w"},
    };
    for (const std::vector<const char*>& arguments : refused) {
        const Outcome outcome = read(arguments);
        std::string line;
        for (const char* argument : arguments)
            line += std::string(argument) + " ";
        EXPECT_EQ(BAD_OPTIONS_STATUS, outcome.status) << line;
        EXPECT_EQ(0u, outcome.error.find("skorvane: ")) << line << "-> " << outcome.error;
        EXPECT_EQ('\n', outcome.error.back()) << line;
    }
    EXPECT_NE(std::string::npos, read({"--window", "abc"}).error.find("'abc'"));
    EXPECT_NE(std::string::npos, read({"--window", "100000x100000"}).error.find("out of range"));
    EXPECT_NE(std::string::npos, read({"--bogus"}).error.find("unknown option '--bogus'"));
}

TEST(WindowOptions, HelpListsTheWindowOptions)
{
    ::testing::internal::CaptureStdout();
    const Outcome outcome = read({"--help"});
    const std::string listed = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(0, outcome.status);
    EXPECT_NE(std::string::npos, listed.find("--window WxH"));
    EXPECT_NE(std::string::npos, listed.find("--fullscreen"));
}

} // namespace
