// Digit and board textures. The boards hang 3360 cm from the centre, so the
// digits are bold and bright on black.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "tools/output.h"
#include "tools/scoreboard_layout.h"
#include "tools/arena_layout.h"

static const Rgb kDigitColour = {255, 214, 60}; // lamp yellow
static const int kDigitTextureWidth = 64;       // pixels
static const int kDigitTextureHeight = 128;

static void paintDigit(Canvas& c, int digit)
{
    // A dark frame round the lamp field: the box's other faces take its corner.
    fillRect(c.cr, 0, 0, c.width, c.height, Rgb{10, 10, 12});
    fillRect(c.cr, 3, 3, c.width - 6, c.height - 6, Rgb{26, 24, 20});
    char text[2] = {char('0' + digit), 0};
    // The picture is stretched unevenly onto the box's face; drawing the
    // glyph squeezed by the inverse keeps its shape on the board.
    const double squeeze = (double(c.width) / kDigitWidth) / (double(c.height) / kDigitHeight);
    cairo_save(c.cr);
    cairo_translate(c.cr, c.width / 2.0, c.height / 2.0);
    cairo_scale(c.cr, squeeze, 1.0);
    drawOutlinedText(c.cr, text, 0, 0, c.height * 1.0, FONT_BOLD, kDigitColour, Rgb{120, 60, 0}, 1.5);
    cairo_restore(c.cr);
}

// A rectangle on the board picture round the arena points (y0..y1, z0..z1).
static void boardRect(const Canvas& c, const BoardFace& face, float y0, float y1, float z0, float z1,
                      double& x, double& y, double& w, double& h)
{
    const irr::core::vector2df a = boardUv(face, y1, z0), b = boardUv(face, y0, z1);
    x = std::min(a.X, b.X) * c.width;
    w = std::abs(a.X - b.X) * c.width;
    y = std::min(a.Y, b.Y) * c.height;
    h = std::abs(a.Y - b.Y) * c.height;
}

static void paintBoard(Canvas& c, bool west)
{
    const BoardFace face = boardFace(west);
    fillGradient(c.cr, 0, 0, c.width, c.height, Rgb{44, 48, 60}, Rgb{22, 24, 32});
    // Wells behind each digit box.
    for (const irr::core::vector3df& d : face.digits) {
        double x, y, w, h;
        boardRect(c, face, d.Y - kDigitHeight / 2 - 4, d.Y + kDigitHeight / 2 + 4, d.Z - kDigitWidth / 2 - 4,
                  d.Z + kDigitWidth / 2 + 4, x, y, w, h);
        fillRect(c.cr, x, y, w, h, Rgb{6, 6, 8});
    }
    // Team names over the score row, each over its own two digits.
    const double px = c.width / std::abs(face.zRight - face.zLeft); // pixels per cm
    auto label = [&](const char* text, float y, float z, double size, Rgb colour) {
        const irr::core::vector2df at = boardUv(face, y, z);
        drawText(c.cr, text, at.X * c.width, at.Y * c.height, size * px, FONT_BOLD, colour);
    };
    const float scoreTop = face.digits[SLOT_HOME_TENS].Y + kDigitHeight / 2;
    const float homeZ = (face.digits[SLOT_HOME_TENS].Z + face.digits[SLOT_HOME_UNITS].Z) / 2;
    const float awayZ = (face.digits[SLOT_AWAY_TENS].Z + face.digits[SLOT_AWAY_UNITS].Z) / 2;
    label(kHomeLabel, scoreTop + 28, homeZ, 44, kHomeOrange);
    label(kAwayLabel, scoreTop + 28, awayZ, 44, kAwayGreen);
    // A dash between the scores, a colon between minutes and seconds.
    const irr::core::vector3df& p = face.digits[SLOT_PERIOD];
    const float scoreY = face.digits[SLOT_HOME_TENS].Y, clockY = face.digits[SLOT_CLOCK_0].Y;
    label("-", scoreY, (face.digits[SLOT_HOME_UNITS].Z + face.digits[SLOT_AWAY_TENS].Z) / 2, 40,
          Rgb{200, 200, 210});
    label(":", clockY, (face.digits[SLOT_CLOCK_1].Z + face.digits[SLOT_CLOCK_2].Z) / 2, 56, kDigitColour);
    // Period: named on its left, the board's end on its right (as seen).
    const float side = (face.zRight > face.zLeft) ? 1.0f : -1.0f;
    label("PERIOD", p.Y, p.Z - side * 82, 22, Rgb{220, 220, 230});
    label(west ? "WEST" : "EAST", p.Y, p.Z + side * 82, 22, Rgb{150, 150, 165});
    label("TIME", clockY - kDigitHeight / 2 - 17, (face.digits[SLOT_CLOCK_1].Z + face.digits[SLOT_CLOCK_2].Z) / 2,
          20, Rgb{220, 220, 230});
}

void makeScoreboardTextures(AssetOutput& out)
{
    for (int d = 0; d < 10; ++d) {
        char name[16];
        std::snprintf(name, sizeof name, "sbn%d.jpg", d);
        texture(out, name, kDigitTextureWidth, kDigitTextureHeight, [d](Canvas& c) { paintDigit(c, d); });
    }
    texture(out, "scoreboardeast.jpg", 512, 512, [](Canvas& c) { paintBoard(c, false); });
    texture(out, "scoreboardwest.jpg", 512, 512, [](Canvas& c) { paintBoard(c, true); });
}
