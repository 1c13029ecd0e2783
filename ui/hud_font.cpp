#include "ui/hud_font.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "assets/asset_files.h"
#include "core/engine.h"
#include "core/files.h"
#include "ui/hud_font_files.h"

using irr::core::rect;
using irr::video::SColor;

namespace {

// What the outlined font draws of a text: drawHudTexts draws the rings of
// every text, then every text's glyphs; other callers get both at once.
enum OutlinePass { RINGS_AND_GLYPHS, RINGS_ONLY, GLYPHS_ONLY };
// Written by drawHudTexts around its two passes; RINGS_AND_GLYPHS otherwise.
OutlinePass outlinePass = RINGS_AND_GLYPHS;
// Whether the skin's font is the outlined one; written by useHudFont.
bool outlinedFontInUse = false;

// Draws a text's dark rings, then its glyphs in the text's own colour over
// them, so no ring covers a neighbouring letter's stroke. Both fonts share
// their metrics; the glyph font answers every question.
class OutlinedFont : public irr::gui::IGUIFont {
public:
    OutlinedFont(irr::gui::IGUIFont* glyphs, irr::gui::IGUIFont* rings) : glyphs(glyphs), rings(rings)
    {
        // The GUI environment's font cache owns both; held while this font lives.
        glyphs->grab();
        rings->grab();
        // The rings of a space join the band between words.
        rings->setInvisibleCharacters(L"");
    }
    ~OutlinedFont() override
    {
        glyphs->drop();
        rings->drop();
    }
    void draw(const irr::core::stringw& text, const rect<irr::s32>& position, SColor colour, bool hcenter,
              bool vcenter, const rect<irr::s32>* clip) override
    {
        // The ring is twice as opaque as its text (up to fully): around a
        // half-transparent glyph it still darkens bright ground enough to read.
        const irr::u32 alpha = colour.getAlpha() * 2;
        if (outlinePass != GLYPHS_ONLY)
            rings->draw(text, position, SColor(alpha > 255 ? 255 : alpha, 0, 0, 0), hcenter, vcenter, clip);
        if (outlinePass != RINGS_ONLY)
            glyphs->draw(text, position, colour, hcenter, vcenter, clip);
    }
    irr::core::dimension2d<irr::u32> getDimension(const wchar_t* text) const override
    {
        return glyphs->getDimension(text);
    }
    irr::s32 getCharacterFromPos(const wchar_t* text, irr::s32 x) const override
    {
        return glyphs->getCharacterFromPos(text, x);
    }
    void setKerningWidth(irr::s32 kerning) override
    {
        glyphs->setKerningWidth(kerning);
        rings->setKerningWidth(kerning);
    }
    void setKerningHeight(irr::s32 kerning) override
    {
        glyphs->setKerningHeight(kerning);
        rings->setKerningHeight(kerning);
    }
    irr::s32 getKerningWidth(const wchar_t* letter, const wchar_t* previous) const override
    {
        return glyphs->getKerningWidth(letter, previous);
    }
    irr::s32 getKerningHeight() const override { return glyphs->getKerningHeight(); }
    void setInvisibleCharacters(const wchar_t* characters) override
    {
        glyphs->setInvisibleCharacters(characters);
    }

private:
    irr::gui::IGUIFont* glyphs;
    irr::gui::IGUIFont* rings;
};

// The generated files are a few kilobytes; anything near this is not ours.
constexpr size_t MAX_FONT_FILE_BYTES = 4L * 1024 * 1024;
constexpr irr::u32 MAX_FONT_PAGE_SIDE = 4096; // px

// The file's bytes, or nothing when it is absent, empty, too large, or no
// regular file (a named pipe there would otherwise hold start-up for ever).
std::string readFontFile(const std::string& path)
{
    std::vector<unsigned char> bytes;
    bool more = false;
    if (!readRegularFile(path.c_str(), MAX_FONT_FILE_BYTES, bytes, &more) || more)
        return std::string();
    return std::string(bytes.begin(), bytes.end());
}

// The engine's XML reader is only given plain text that looks like a whole font.
bool soundFontText(const std::string& text)
{
    for (unsigned char c : text)
        if ((c < 32 || c > 126) && c != '\n' && c != '\r' && c != '\t')
            return false;
    return text.compare(0, 5, "<?xml") == 0 && text.find("</font>") != std::string::npos;
}

irr::u32 bigEndian32(const std::string& bytes, size_t at)
{
    irr::u32 value = 0;
    for (size_t i = at; i < at + 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

// A PNG file whose header names a page the engine can hold, its size in
// `page`; the engine's PNG reader copes with the rest of a damaged file.
bool soundFontPage(const std::string& bytes, irr::core::dimension2d<irr::u32>& page)
{
    static const char SIGNATURE[] = "\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR";
    if (bytes.size() < 33 || bytes.compare(0, 16, std::string(SIGNATURE, 16)) != 0)
        return false;
    page.Width = bigEndian32(bytes, 16);
    page.Height = bigEndian32(bytes, 20);
    return page.Width > 0 && page.Height > 0 && page.Width <= MAX_FONT_PAGE_SIDE && page.Height <= MAX_FONT_PAGE_SIDE;
}

// A loaded font that draws every printable character from its own cell,
// inside its one page of `page` px. (The page's size is the file's: a driver
// that keeps no pixels, like the null driver, reports none.)
bool soundFont(irr::gui::IGUIFont* font, irr::core::dimension2d<irr::u32> page)
{
    if (!font || font->getType() != irr::gui::EGFT_BITMAP)
        return false;
    irr::gui::IGUIFontBitmap* bitmap = static_cast<irr::gui::IGUIFontBitmap*>(font);
    irr::gui::IGUISpriteBank* bank = bitmap->getSpriteBank();
    if (!bank || bank->getTextureCount() != 1 || !bank->getTexture(0))
        return false;
    const irr::core::array<irr::gui::SGUISprite>& sprites = bank->getSprites();
    const irr::core::array<rect<irr::s32>>& cells = bank->getPositions();
    std::vector<bool> used(sprites.size());
    for (wchar_t c = HUD_FONT_FIRST_CHARACTER; c <= HUD_FONT_LAST_CHARACTER; ++c) {
        // A character the font lacks is drawn with the space's sprite.
        const irr::u32 sprite = bitmap->getSpriteNoFromChar(&c);
        if (sprite >= sprites.size() || used[sprite] || sprites[sprite].Frames.empty())
            return false;
        used[sprite] = true;
        const irr::u32 cell = sprites[sprite].Frames[0].rectNumber;
        if (cell >= cells.size())
            return false;
        const rect<irr::s32>& area = cells[cell];
        if (area.UpperLeftCorner.X < 0 || area.UpperLeftCorner.Y < 0 || !area.isValid() ||
            area.LowerRightCorner.X > static_cast<irr::s32>(page.Width) ||
            area.LowerRightCorner.Y > static_cast<irr::s32>(page.Height))
            return false;
    }
    return true;
}

std::string fontPath(int scale, HudFontFile file, HudFontFace face)
{
    char name[64];
    hudFontFileName(name, sizeof name, scale, file, face);
    return std::string("meshes/") + name;
}

// Not ours: the GUI environment keeps it under its name (addFont). Written by
// useHudFont; null while the line face is missing.
irr::gui::IGUIFont* lineFont = 0;

// The outlined font of `face` at `fontScale` (a new one, the caller's to
// drop), or null when its files are missing or damaged.
irr::gui::IGUIFont* loadOutlinedFont(int fontScale, HudFontFace face)
{
    irr::gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    const std::string glyphsPath = fontPath(fontScale, HUD_FONT_GLYPHS, face);
    const std::string outlinePath = fontPath(fontScale, HUD_FONT_OUTLINE, face);
    irr::gui::IGUIFont* glyphs = 0;
    irr::gui::IGUIFont* rings = 0;
    irr::core::dimension2d<irr::u32> page;
    if (soundFontText(readFontFile(glyphsPath)) && soundFontText(readFontFile(outlinePath)) &&
        soundFontPage(readFontFile(fontPath(fontScale, HUD_FONT_TEXTURE, face)), page)) {
        glyphs = gui->getFont(glyphsPath.c_str());
        rings = gui->getFont(outlinePath.c_str());
    }
    if (!soundFont(glyphs, page) || !soundFont(rings, page))
        return 0;
    return new OutlinedFont(glyphs, rings);
}

} // namespace

int hudFontScale(float scale)
{
    // Hundredths, with a little slack for a scale computed as 2.2499.
    const int wanted = static_cast<int>(scale * 100.0f + 0.5f);
    int chosen = HUD_FONT_SCALES[0];
    for (int available : HUD_FONT_SCALES)
        if (available <= wanted)
            chosen = available;
    return chosen;
}

bool useHudFont(float scale, irr::s32 linePitch)
{
    irr::gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    const int fontScale = hudFontScale(scale);
    lineFont = 0;
    irr::gui::IGUIFont* font = loadOutlinedFont(fontScale, HUD_FACE_READOUT);
    if (!font) {
        printf("HUD font %s missing or damaged: the HUD uses the engine's font\n",
               fontPath(fontScale, HUD_FONT_GLYPHS, HUD_FACE_READOUT).c_str());
        gui->getSkin()->setFont(gui->getBuiltInFont());
        outlinedFontInUse = false;
        return false;
    }
    font->setKerningHeight(linePitch - static_cast<irr::s32>(font->getDimension(L"A").Height));
    gui->getSkin()->setFont(font);
    font->drop(); // made here; the skin holds it now
    outlinedFontInUse = true;

    const std::string linePath = fontPath(fontScale, HUD_FONT_GLYPHS, HUD_FACE_LINE);
    irr::gui::IGUIFont* line = loadOutlinedFont(fontScale, HUD_FACE_LINE);
    if (!line) {
        printf("HUD font %s missing or damaged: the score and ball lines use the readouts' font\n", linePath.c_str());
        return true;
    }
    // Named apart from the glyphs' own font, which the environment keeps by its path.
    lineFont = gui->addFont((linePath + "#outlined").c_str(), line);
    line->drop(); // the environment holds it now, or an equal one kept from before
    return true;
}

irr::gui::IGUIFont* hudLineFont()
{
    return lineFont ? lineFont : device->getGUIEnvironment()->getSkin()->getFont();
}

void drawHudTexts()
{
    irr::gui::IGUIEnvironment* gui = device->getGUIEnvironment();
    if (!outlinedFontInUse) {
        gui->drawAll();
        return;
    }
    // A line's band reaches up into the line above it, over its descenders;
    // drawn before any glyph, it covers none.
    outlinePass = RINGS_ONLY;
    gui->drawAll();
    outlinePass = GLYPHS_ONLY;
    gui->drawAll();
    outlinePass = RINGS_AND_GLYPHS;
}
