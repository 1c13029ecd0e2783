// The HUD on windows of other sizes, in its generated outlined font: the
// layout scales, every text fits its rectangle at every font size, and bad
// font files leave the engine's own font in charge.
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/engine.h"
#include "test_support.h"
#include "ui/hud.h"
#include "ui/hud_font.h"
#include "ui/hud_font_files.h"

namespace {

using irr::core::dimension2d;
using irr::core::rect;
using irr::gui::IGUIStaticText;

std::vector<IGUIStaticText*> hudTexts()
{
    std::vector<IGUIStaticText*> texts = {centreReadout, ballStatusText, scoreText, commentaryText};
    for (int i = 0; i < 10; ++i)
        texts.insert(texts.end(), {homeReadouts[i], homeStates[i], awayReadouts[i], awayStates[i]});
    return texts;
}

std::vector<rect<irr::s32>> hudRects()
{
    std::vector<rect<irr::s32>> rects;
    for (IGUIStaticText* text : hudTexts())
        rects.push_back(text->getRelativePosition());
    return rects;
}

bool usesEnginesFont()
{
    irr::gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    return gui->getSkin()->getFont() == gui->getBuiltInFont();
}

class HudScaleTest : public NullDeviceTest {
protected:
    void TearDown() override
    {
        forgetHud(); // the texts go with the device
        NullDeviceTest::TearDown();
    }
    // Lays the HUD out afresh for a window of `size`.
    static void setUpFor(dimension2d<irr::u32> size)
    {
        driver->OnResize(size);
        setupHud();
    }
};

TEST_F(HudScaleTest, LayoutScalesWithTheWindowAndKeepsToItsEdges)
{
    setUpFor(dimension2d<irr::u32>(640, 480));
    const std::vector<rect<irr::s32>> classic = hudRects();
    EXPECT_EQ(rect<irr::s32>(470, 410, 630, 460), awayReadouts[9]->getRelativePosition());

    // Twice the classic window: every rectangle exactly twice as large and as far.
    setUpFor(dimension2d<irr::u32>(1280, 960));
    const std::vector<rect<irr::s32>> doubled = hudRects();
    for (size_t i = 0; i < classic.size(); ++i) {
        const rect<irr::s32>& a = classic[i];
        EXPECT_EQ(rect<irr::s32>(2 * a.UpperLeftCorner.X, 2 * a.UpperLeftCorner.Y, 2 * a.LowerRightCorner.X,
                                 2 * a.LowerRightCorner.Y),
                  doubled[i])
            << "text " << i;
    }

    // A wide window scales by its height; the columns keep to the sides, the
    // centre texts to the middle, and the lines under the arena to the bottom.
    setUpFor(dimension2d<irr::u32>(1920, 1080));
    const float scale = 1080.0f / 480.0f;
    for (size_t i = 0; i < classic.size(); ++i) {
        const rect<irr::s32> wide = hudRects()[i];
        EXPECT_NEAR(classic[i].getWidth() * scale, wide.getWidth(), 1.0) << "text " << i;
        EXPECT_NEAR(classic[i].getHeight() * scale, wide.getHeight(), 1.0) << "text " << i;
    }
    EXPECT_NEAR(10 * scale, homeReadouts[0]->getRelativePosition().UpperLeftCorner.X, 1.0);
    EXPECT_NEAR(1920 - 10 * scale, awayStates[0]->getRelativePosition().LowerRightCorner.X, 1.0);
    EXPECT_NEAR(960 + 40 * scale, scoreText->getRelativePosition().getCenter().X, 1.0);
    EXPECT_NEAR(1080 - 20 * scale, ballStatusText->getRelativePosition().UpperLeftCorner.Y, 1.0);
    EXPECT_NEAR(50 * scale, homeReadouts[0]->getRelativePosition().UpperLeftCorner.Y, 1.0);
}

// The longest texts play produces, each in the rows its rectangle allows:
// a readout's two lines must end where its state line begins. The score and
// ball lines are single lines in the larger face, whose cell must fit the
// room the ball line has down to the window's foot (the score line's band,
// with no letter below the baseline, ends above the centre readout: the
// window test reads it there).
TEST_F(HudScaleTest, TextsFitTheirRectanglesAtEveryFontSize)
{
    for (int fontScale : HUD_FONT_SCALES) {
        const float scale = fontScale / 100.0f;
        const dimension2d<irr::u32> window(static_cast<irr::u32>(640 * scale + 0.5f),
                                           static_cast<irr::u32>(480 * scale + 0.5f));
        setUpFor(window);
        ASSERT_FALSE(usesEnginesFont()) << "scale " << fontScale;
        ASSERT_EQ(fontScale, hudFontScale(scale));
        // Two lines of text fill this: a readout down to its state line.
        const irr::s32 rowGap =
            homeStates[0]->getRelativePosition().UpperLeftCorner.Y - homeReadouts[0]->getRelativePosition().UpperLeftCorner.Y;
        const irr::s32 lineRoom =
            static_cast<irr::s32>(window.Height) - ballStatusText->getRelativePosition().UpperLeftCorner.Y;
        ASSERT_NE(device->getGUIEnvironment()->getSkin()->getFont(), scoreText->getActiveFont()) << "the larger face";
        struct Case {
            IGUIStaticText* text;
            const wchar_t* longest;
            irr::s32 room; // px down
        };
        const Case cases[] = {
            {homeReadouts[3], L"H3 r:29.9m t:359 mph:-39 hp:-527\ne:1234 u:1234 k:1234 p:-208 x:12", rowGap},
            {awayReadouts[8], L"A8 r:29.9m t:359 mph:-39 hp:-527\ne:1234 u:1234 k:1234 p:-208 x:12", rowGap},
            {centreReadout, L"A8 r:29.9m t:359 mph:-39 hp:-527\ne:1234 u:1234 k:1234 p:-208 x:12", rowGap},
            {homeStates[9], L"ATTEMPTING CATCH", rowGap / 2},
            {awayStates[0], L"F:EVEN SPACING", rowGap / 2},
            {scoreText, L"HOU:00 MAD:00 2 59:59", lineRoom},
            {ballStatusText, L"29.9m -359 -99mph A8", lineRoom},
            {commentaryText, L"H8 shoots and scores!", rowGap},
            {commentaryText, L"Delay of game - dead ball", rowGap},
        };
        for (const Case& c : cases) {
            c.text->setText(c.longest);
            const rect<irr::s32> area = c.text->getRelativePosition();
            EXPECT_LE(c.text->getTextWidth(), area.getWidth()) << "scale " << fontScale << ": " << c.longest;
            EXPECT_LE(c.text->getTextHeight(), c.room) << "scale " << fontScale << ": " << c.longest;
        }
    }
}

TEST_F(HudScaleTest, FontScaleIsTheLargestNoLargerThanTheWindowsWithTheClassicAsTheLeast)
{
    EXPECT_EQ(100, hudFontScale(0.8f));
    EXPECT_EQ(100, hudFontScale(1.0f));
    EXPECT_EQ(200, hudFontScale(2.0f));
    EXPECT_EQ(225, hudFontScale(2.2499f)); // 1920 x 1080 is 2.25 in single precision
    EXPECT_EQ(300, hudFontScale(3.2f));
    EXPECT_EQ(600, hudFontScale(9.0f));
    EXPECT_FLOAT_EQ(2.25f, hudLayoutScale(dimension2d<irr::u32>(1920, 1080)));
    EXPECT_FLOAT_EQ(2.0f, hudLayoutScale(dimension2d<irr::u32>(1280, 1024)));
}

// ---- Missing and damaged font files ------------------------------------------

enum BadForm { ABSENT, EMPTY, RANDOM_BYTES, CUT_IN_HALF, NAMED_PIPE };

class BadHudFontTest : public ScratchRunFolderTest,
                       public ::testing::WithParamInterface<std::tuple<HudFontFile, BadForm>> {
protected:
    void TearDown() override
    {
        forgetHud();
        ScratchRunFolderTest::TearDown();
    }
};

TEST_P(BadHudFontTest, EnginesFontServesAndTheConsoleSaysSo)
{
    char name[64];
    hudFontFileName(name, sizeof name, 100, std::get<0>(GetParam()));
    const std::string path = std::string("meshes/") + name;
    std::string good;
    {
        std::ifstream in(path, std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ASSERT_FALSE(good.empty());
    ASSERT_EQ(0, unlink(path.c_str()));
    const BadForm form = std::get<1>(GetParam());
    // Nobody ever writes into the pipe: reading it would wait for ever.
    if (form == NAMED_PIPE) {
        ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
    }
    if (form != ABSENT && form != NAMED_PIPE) {
        std::string bad;
        std::mt19937 random(20261208);
        if (form == RANDOM_BYTES)
            for (size_t i = 0; i < good.size(); ++i)
                bad.push_back(static_cast<char>(random() & 0xFF));
        if (form == CUT_IN_HALF)
            bad = good.substr(0, good.size() / 2);
        std::ofstream(path, std::ios::binary) << bad;
    }

    const std::string printed = captureStdout([] { setupHud(); });
    EXPECT_EQ("HUD font meshes/hudfont-100.xml missing or damaged: the HUD uses the engine's font\n", printed);
    EXPECT_TRUE(usesEnginesFont());
    // The HUD still draws in it.
    scoreText->setText(L"HOU:00 MAD:00 1 21:12");
    device->getGUIEnvironment()->drawAll();
    EXPECT_GT(scoreText->getTextWidth(), 0);
}

std::string badFontName(const ::testing::TestParamInfo<std::tuple<HudFontFile, BadForm>>& info)
{
    static const char* const FILES[] = {"Texture", "Glyphs", "Outline"};
    static const char* const FORMS[] = {"Absent", "Empty", "RandomBytes", "CutInHalf", "NamedPipe"};
    return std::string(FILES[std::get<0>(info.param)]) + "_" + FORMS[std::get<1>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(BadFonts, BadHudFontTest,
                         ::testing::Combine(::testing::Values(HUD_FONT_TEXTURE, HUD_FONT_GLYPHS, HUD_FONT_OUTLINE),
                                            ::testing::Values(ABSENT, EMPTY, RANDOM_BYTES, CUT_IN_HALF, NAMED_PIPE)),
                         badFontName);

TEST_F(HudScaleTest, GeneratedFontServesWithoutAWord)
{
    const std::string printed = captureStdout([] { setUpFor(dimension2d<irr::u32>(640, 480)); });
    EXPECT_EQ("", printed);
    EXPECT_FALSE(usesEnginesFont());
}

} // namespace
