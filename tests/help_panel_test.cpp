// The F1 panel, made from the table of keys, and the README's key table.
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "core/engine.h"
#include "test_support.h"
#include "ui/help_panel.h"
#include "ui/hud.h"
#include "ui/hud_font.h"
#include "ui/input.h"

namespace {

using irr::core::rect;

class HelpPanelTest : public NullDeviceTest {
protected:
    void TearDown() override
    {
        forgetHud();
        NullDeviceTest::TearDown();
    }
};

std::string narrow(const irr::core::stringw& text)
{
    std::string out;
    for (irr::u32 i = 0; i < text.size(); ++i)
        out += static_cast<char>(text[i]);
    return out;
}

// Every row of the table has a name and a help line, and the panel shows
// each: a key added without its help, or one the panel cannot name, fails.
TEST_F(HelpPanelTest, EveryKeyOfTheTableIsOnThePanelWithItsHelp)
{
    setupHud();
    layOutHelpPanel();
    std::set<std::string> shown;
    for (int page = 0; page < HELP_PAGE_COUNT; ++page)
        for (const HelpLine& line : helpPanelLines(page))
            shown.insert(narrow(line.text));
    // The keys of the match on the first page, the viewer's on the second.
    std::set<std::string> first;
    for (const HelpLine& line : helpPanelLines(0))
        first.insert(narrow(line.text));
    for (int i = 0; i < keyBindingCount; ++i)
        EXPECT_EQ(keyBindings[i].command != COMMAND_KIND_COUNT, first.count(keyBindings[i].help) == 1)
            << keyBindings[i].help;
    for (int i = 0; i < keyBindingCount; ++i) {
        const KeyBinding& binding = keyBindings[i];
        ASSERT_NE(nullptr, keyName(binding.key)) << "key " << binding.key;
        ASSERT_NE(nullptr, binding.help) << keyName(binding.key);
        EXPECT_GT(strlen(binding.help), 3u) << keyName(binding.key);
        EXPECT_TRUE(shown.count(binding.help)) << binding.help;
        std::string name = keyName(binding.key);
        if (binding.control == CTRL_HELD)
            name = "Ctrl+" + name;
        // Alone, or within a run of keys ("0 - 9").
        bool named = false;
        for (const std::string& text : shown) {
            const size_t dash = text.find(" - ");
            const std::string a = text.substr(0, dash), b = dash == std::string::npos ? a : text.substr(dash + 3);
            named = named || name == a || name == b ||
                    (name.size() == 1 && a.size() == 1 && b.size() == 1 && a <= name && name <= b);
        }
        EXPECT_TRUE(named) << name;
    }
    EXPECT_TRUE(shown.count("0 - 9")) << "the shirt numbers share a row";
}

// At the classic size (and a larger one) every line keeps inside its place,
// every place inside the panel, and the panel inside the window, clear of
// the score line above and the commentary below.
TEST_F(HelpPanelTest, EveryLineFitsThePanelAt640x480AndLarger)
{
    for (const irr::core::dimension2d<irr::u32> window :
         {irr::core::dimension2d<irr::u32>(640, 480), irr::core::dimension2d<irr::u32>(1920, 1080)}) {
        driver->OnResize(window);
        setupHud();
        layOutHelpPanel();
        const float scale = hudLayoutScale(window);
        irr::gui::IGUIFont* font = hudLineFont();
        ASSERT_NE(device->getGUIEnvironment()->getBuiltInFont(), font);
        const rect<irr::s32> panel = helpPanelArea();
        EXPECT_TRUE(rect<irr::s32>(0, 0, window.Width, window.Height).isRectCollided(panel));
        EXPECT_GE(panel.UpperLeftCorner.X, 0);
        EXPECT_LE(panel.LowerRightCorner.X, static_cast<irr::s32>(window.Width));
        EXPECT_GE(panel.UpperLeftCorner.Y, scoreText->getRelativePosition().UpperLeftCorner.Y + 15 * scale);
        EXPECT_LE(panel.LowerRightCorner.Y, commentaryText->getRelativePosition().UpperLeftCorner.Y);
        for (int page = 0; page < HELP_PAGE_COUNT; ++page) {
            std::vector<rect<irr::s32>> places;
            for (const HelpLine& line : helpPanelLines(page)) {
                const irr::core::dimension2d<irr::u32> size = font->getDimension(line.text.c_str());
                EXPECT_LE(static_cast<irr::s32>(size.Width), line.area.getWidth())
                    << window.Width << ": " << narrow(line.text);
                EXPECT_TRUE(panel.isPointInside(line.area.UpperLeftCorner) &&
                            panel.isPointInside(line.area.LowerRightCorner))
                    << narrow(line.text);
                for (const rect<irr::s32>& other : places) {
                    const rect<irr::s32> inset(other.UpperLeftCorner.X, other.UpperLeftCorner.Y + 2,
                                               other.LowerRightCorner.X, other.LowerRightCorner.Y - 2);
                    EXPECT_FALSE(inset.isRectCollided(line.area)) << "overlaps: " << narrow(line.text);
                }
                places.push_back(line.area);
            }
        }
        forgetHud();
    }
}

// The README's key table names every key of the table, "Ctrl"+ forms and
// all: a key added to the game is a key added to the README.
TEST(ReadmeKeys, TheKeyTableNamesEveryKeyOfTheGame)
{
    std::ifstream in(std::string(SKORVANE_SOURCE_DIR) + "/README.md");
    ASSERT_TRUE(in.good());
    std::set<std::string> named;
    bool inKeys = false;
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, 3, "## ") == 0)
            inKeys = line == "## Keys";
        if (!inKeys || line.compare(0, 2, "| ") != 0)
            continue;
        // The first cell: names in backquotes, "`Ctrl`+`O`" one name,
        // "`0` – `9`" every name between.
        const std::string cell = line.substr(2, line.find(" |", 2) - 2);
        std::vector<std::string> names;
        for (size_t at = cell.find('`'); at != std::string::npos; at = cell.find('`', at + 1)) {
            const size_t end = cell.find('`', at + 1);
            names.push_back(cell.substr(at + 1, end - at - 1));
            at = end;
        }
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i] == "Ctrl" && i + 1 < names.size()) {
                named.insert("Ctrl+" + names[++i]);
                continue;
            }
            named.insert(names[i]);
        }
        if (names.size() == 2 && names[0].size() == 1 && names[1].size() == 1 && cell.find(" – ") != std::string::npos)
            for (char c = names[0][0]; c <= names[1][0]; ++c)
                named.insert(std::string(1, c));
    }
    ASSERT_FALSE(named.empty()) << "no key table under ## Keys";
    // The README draws the arrows as arrows.
    const std::pair<const char*, const char*> arrows[] = {{"Left", "←"}, {"Right", "→"}, {"Up", "↑"}, {"Down", "↓"}};
    for (int i = 0; i < keyBindingCount; ++i) {
        const KeyBinding& binding = keyBindings[i];
        std::string name = keyName(binding.key) ? keyName(binding.key) : "?";
        for (const auto& arrow : arrows)
            if (name == arrow.first)
                name = arrow.second;
        if (binding.control == CTRL_HELD)
            name = "Ctrl+" + name;
        EXPECT_TRUE(named.count(name)) << "the README's key table does not name " << name;
    }
}

} // namespace
