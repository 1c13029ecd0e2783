// The stadium's textures. The arena is drawn unlit, so light and shade are
// painted in.
#include <algorithm>
#include <cmath>

#include "tools/atlas.h"
#include "tools/output.h"

static const double kPi = 3.14159265358979;

// Fills [x, x + w) of a row band, wrapping round the texture's width so the
// pattern tiles seamlessly.
static void fillWrapped(cairo_t* cr, double x, double y, double w, double h, double width, Rgb c)
{
    fillRect(cr, x, y, w, h, c);
    if (x + w > width)
        fillRect(cr, x - width, y, w, h, c);
}

// Maple boards: the ordinary floor and bank.
static void paintWoodFloor(Canvas& c)
{
    const int boards = 16; // 25 cm each at the floor's 400 cm repeat
    const double boardHeight = double(c.height) / boards;
    Grain grain{12345u};
    const Rgb maple = {206, 160, 104};
    for (int b = 0; b < boards; ++b) {
        const double y = b * boardHeight;
        // Each board is cut into lengths with their own tone.
        double x = grainNext(grain) * c.width;
        const double start = x;
        while (x < start + c.width - 1) {
            const double length = std::min(start + c.width - x, 110.0 + grainNext(grain) * 170.0);
            const Rgb tone = scaled(maple, 0.86 + 0.22 * grainNext(grain));
            fillWrapped(c.cr, std::fmod(x, c.width), y, length, boardHeight, c.width, tone);
            // Grain streaks along the length.
            for (int s = 0; s < 5; ++s) {
                const double sy = y + 3 + grainNext(grain) * (boardHeight - 6);
                setColour(c.cr, scaled(tone, 0.8 + 0.15 * grainNext(grain)), 0.6);
                cairo_set_line_width(c.cr, 0.8 + grainNext(grain) * 1.2);
                for (double offset : {0.0, -double(c.width)}) {
                    cairo_move_to(c.cr, std::fmod(x, c.width) + offset, sy);
                    cairo_curve_to(c.cr, std::fmod(x, c.width) + offset + length / 3, sy + 2,
                                   std::fmod(x, c.width) + offset + 2 * length / 3, sy - 2,
                                   std::fmod(x, c.width) + offset + length, sy + 1);
                    cairo_stroke(c.cr);
                }
            }
            // The butt joint.
            fillWrapped(c.cr, std::fmod(x, c.width), y, 2, boardHeight, c.width, scaled(maple, 0.45));
            x += length;
        }
        fillRect(c.cr, 0, y, c.width, 2, scaled(maple, 0.4)); // the seam between boards
    }
    // Varnish sheen: a soft light diagonal.
    cairo_pattern_t* sheen = cairo_pattern_create_linear(0, 0, c.width, c.height);
    cairo_pattern_add_color_stop_rgba(sheen, 0.0, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(sheen, 0.5, 1, 1, 1, 0.08);
    cairo_pattern_add_color_stop_rgba(sheen, 1.0, 1, 1, 1, 0.0);
    cairo_set_source(c.cr, sheen);
    cairo_paint(c.cr);
    cairo_pattern_destroy(sheen);
}

// Dark steel deck plates with glowing seams: the F switch's floor.
static void paintSteelFloor(Canvas& c)
{
    const int tiles = 4;
    const double size = double(c.width) / tiles;
    Grain grain{777u};
    for (int i = 0; i < tiles; ++i) {
        for (int j = 0; j < tiles; ++j) {
            const double x = i * size, y = j * size;
            const Rgb base = scaled(Rgb{52, 62, 84}, 0.85 + 0.3 * grainNext(grain));
            fillGradient(c.cr, x, y, size, size, scaled(base, 1.15), scaled(base, 0.85));
            // Diamond tread.
            setColour(c.cr, scaled(base, 1.35), 0.5);
            cairo_set_line_width(c.cr, 2);
            for (double d = 8; d < size; d += 16) {
                for (double e = 8; e < size; e += 16) {
                    cairo_move_to(c.cr, x + d - 4, y + e + 3);
                    cairo_line_to(c.cr, x + d + 4, y + e - 3);
                    cairo_stroke(c.cr);
                }
            }
            // Bevel: light top-left, dark bottom-right.
            fillRect(c.cr, x, y, size, 3, scaled(base, 1.6));
            fillRect(c.cr, x, y, 3, size, scaled(base, 1.6));
            fillRect(c.cr, x, y + size - 3, size, 3, scaled(base, 0.5));
            fillRect(c.cr, x + size - 3, y, 3, size, scaled(base, 0.5));
            // Bolts in the corners.
            for (double bx : {x + 10, x + size - 10})
                for (double by : {y + 10, y + size - 10}) {
                    setColour(c.cr, Rgb{170, 180, 195});
                    cairo_arc(c.cr, bx, by, 3.5, 0, 2 * kPi);
                    cairo_fill(c.cr);
                }
        }
    }
    // Cyan light strips in the seams, every other tile.
    for (int i = 0; i < tiles; i += 2) {
        fillRect(c.cr, 0, i * size, c.width, 2, Rgb{60, 230, 255});
        fillRect(c.cr, i * size, 0, 2, c.height, Rgb{60, 230, 255});
    }
}

static void paintBrushedSteel(Canvas& c)
{
    fillRect(c.cr, 0, 0, c.width, c.height, Rgb{168, 172, 178});
    Grain grain{4242u};
    for (int i = 0; i < 900; ++i) {
        const double y = grainNext(grain) * c.height;
        const double shade = 0.75 + 0.5 * grainNext(grain);
        setColour(c.cr, scaled(Rgb{168, 172, 178}, shade), 0.35);
        cairo_set_line_width(c.cr, 0.6 + grainNext(grain));
        cairo_move_to(c.cr, 0, y);
        cairo_line_to(c.cr, c.width, y);
        cairo_stroke(c.cr);
    }
    // Panel joints and rivets, so the wall reads as built, not painted.
    fillRect(c.cr, 0, 0, c.width, 3, Rgb{110, 112, 118});
    fillRect(c.cr, 0, 0, 3, c.height, Rgb{110, 112, 118});
    for (double y = 16; y < c.height; y += 56) {
        setColour(c.cr, Rgb{205, 208, 214});
        cairo_arc(c.cr, 10, y, 3, 0, 2 * kPi);
        cairo_fill(c.cr);
    }
}

static void paintRailBand(Canvas& c)
{
    fillGradient(c.cr, 0, 0, c.width, c.height, Rgb{30, 44, 110}, Rgb{14, 20, 60});
    fillRect(c.cr, 0, 0, c.width, 4, Rgb{230, 230, 240});
    fillRect(c.cr, 0, c.height - 4, c.width, 4, Rgb{230, 230, 240});
    drawFittedText(c.cr, "SKORVANE ARENA", c.width * 0.3, c.height / 2.0, c.height * 0.55,
                   c.width * 0.5, FONT_BOLD, Rgb{245, 245, 250});
    drawText(c.cr, kHomeLabel, c.width * 0.68, c.height / 2.0, c.height * 0.55, FONT_BOLD, kHomeOrange);
    drawText(c.cr, kAwayLabel, c.width * 0.88, c.height / 2.0, c.height * 0.55, FONT_BOLD, kAwayGreen);
}

static void paintTower(Canvas& c)
{
    const double s = c.width;
    // Walls (top half of the texture): the lower 64 % is the lift shaft, the
    // rest the parapet round the referee's deck.
    const double wallH = s * 0.5, parapet = wallH * 0.36;
    fillGradient(c.cr, 0, 0, s, wallH, Rgb{92, 100, 116}, Rgb{60, 66, 78});
    for (double x = 0; x < s; x += s / 6) {
        fillRect(c.cr, x, parapet, 2, wallH - parapet, Rgb{40, 44, 52});
        fillRect(c.cr, x + 2, parapet, 2, wallH - parapet, Rgb{120, 128, 145});
    }
    fillGradient(c.cr, 0, 0, s, parapet, Rgb{150, 156, 168}, Rgb{110, 116, 128});
    // Hazard stripe along the deck's edge.
    cairo_save(c.cr);
    cairo_rectangle(c.cr, 0, parapet - 10, s, 10);
    cairo_clip(c.cr);
    fillRect(c.cr, 0, parapet - 10, s, 10, Rgb{250, 200, 20});
    setColour(c.cr, Rgb{20, 20, 20});
    for (double x = -20; x < s + 20; x += 20) {
        cairo_move_to(c.cr, x, parapet);
        cairo_line_to(c.cr, x + 10, parapet);
        cairo_line_to(c.cr, x + 20, parapet - 10);
        cairo_line_to(c.cr, x + 10, parapet - 10);
        cairo_close_path(c.cr);
        cairo_fill(c.cr);
    }
    cairo_restore(c.cr);
    drawText(c.cr, "LIFT", s / 2, parapet / 2, parapet * 0.5, FONT_BOLD, Rgb{30, 34, 44});
    // Deck (bottom left): checker plate.
    const double d = s * 0.5;
    fillRect(c.cr, 0, d, d, d, Rgb{120, 124, 130});
    setColour(c.cr, Rgb{160, 166, 172});
    cairo_set_line_width(c.cr, 3);
    for (double x = 6; x < d; x += 14)
        for (double y = d + 6; y < s; y += 14) {
            cairo_move_to(c.cr, x, y + ((int(x / 14) % 2) ? 4 : 0));
            cairo_line_to(c.cr, x + 6, y + ((int(x / 14) % 2) ? 0 : 4));
            cairo_stroke(c.cr);
        }
    setColour(c.cr, Rgb{250, 200, 20});
    cairo_set_line_width(c.cr, 4);
    cairo_arc(c.cr, d / 2, d * 1.5, d * 0.3, 0, 2 * kPi);
    cairo_stroke(c.cr);
    // Trim (bottom right): dark steel.
    fillGradient(c.cr, d, d, d, d, Rgb{80, 84, 92}, Rgb{54, 58, 64});
}

static void paintDoor(Canvas& c)
{
    const double w = c.width, h = c.height;
    fillRect(c.cr, 0, 0, w, h, Rgb{30, 30, 34});
    const double m = 6;
    fillGradient(c.cr, m, m, w - 2 * m, h - 2 * m, Rgb{190, 196, 206}, Rgb{120, 126, 136});
    fillRect(c.cr, w / 2 - 1.5, m, 3, h - 2 * m, Rgb{40, 42, 48}); // the split
    for (double x : {w * 0.25, w * 0.75}) {
        fillRect(c.cr, x - 10, h * 0.2, 20, h * 0.16, Rgb{30, 50, 70});
        fillRect(c.cr, x - 10, h * 0.2, 20, 3, Rgb{140, 190, 220});
    }
    fillRect(c.cr, m, h * 0.62, w - 2 * m, 8, Rgb{250, 200, 20});
}

static void paintLadder(Canvas& c)
{
    fillGradient(c.cr, 0, 0, c.width, c.height, Rgb{250, 210, 40}, Rgb{200, 150, 20});
    Grain grain{99u};
    for (int i = 0; i < 30; ++i) {
        setColour(c.cr, Rgb{90, 80, 60}, 0.5);
        cairo_arc(c.cr, grainNext(grain) * c.width, grainNext(grain) * c.height, 1.2, 0, 2 * kPi);
        cairo_fill(c.cr);
    }
}

static void paintController(Canvas& c)
{
    const double s = c.width;
    fillRect(c.cr, 0, 0, s, s, Rgb{20, 22, 26});
    // Screens: a track map, a bar chart, a wave.
    const double sw = s / 3.0, sh = s * 0.5;
    for (int i = 0; i < 3; ++i) {
        const double x = i * sw;
        fillRect(c.cr, x + 4, 4, sw - 8, sh - 8, Rgb{8, 30, 40});
        setColour(c.cr, Rgb{70, 230, 255});
        cairo_set_line_width(c.cr, 2);
        if (i == 0) {
            cairo_arc(c.cr, x + sw / 2, sh / 2, sh * 0.35, 0, 2 * kPi);
            cairo_stroke(c.cr);
            cairo_arc(c.cr, x + sw / 2, sh / 2, sh * 0.2, 0, 2 * kPi);
            cairo_stroke(c.cr);
        } else if (i == 1) {
            for (int b = 0; b < 6; ++b) {
                const double bh = (sh - 30) * (0.3 + 0.11 * ((b * 7) % 6));
                fillRect(c.cr, x + 12 + b * 12, sh - 12 - bh, 8, bh, b % 2 ? kHomeOrange : kAwayGreen);
            }
        } else {
            cairo_move_to(c.cr, x + 8, sh / 2);
            for (int k = 0; k < 40; ++k)
                cairo_line_to(c.cr, x + 8 + k * (sw - 16) / 40, sh / 2 + std::sin(k * 0.6) * sh * 0.25);
            cairo_stroke(c.cr);
        }
    }
    // Buttons (bottom left).
    const Rgb colours[4] = {{230, 40, 40}, {40, 200, 60}, {250, 200, 20}, {60, 140, 255}};
    fillRect(c.cr, 0, sh, sh, sh, Rgb{58, 62, 70});
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 6; ++col) {
            setColour(c.cr, colours[(row + col) % 4]);
            cairo_arc(c.cr, 12 + col * 20, sh + 16 + row * 30, 6, 0, 2 * kPi);
            cairo_fill(c.cr);
        }
    // Body (bottom right).
    fillGradient(c.cr, sh, sh, sh, sh, Rgb{96, 100, 110}, Rgb{58, 62, 70});
}

static void paintChair(Canvas& c)
{
    const double s = c.width;
    fillGradient(c.cr, 0, 0, s, s * 0.7, Rgb{180, 30, 30}, Rgb{110, 16, 16});
    setColour(c.cr, Rgb{70, 8, 8});
    for (double x = 16; x < s; x += 32)
        for (double y = 16; y < s * 0.7; y += 32) {
            cairo_arc(c.cr, x, y, 3, 0, 2 * kPi);
            cairo_fill(c.cr);
        }
    fillGradient(c.cr, 0, s * 0.75, s, s * 0.25, Rgb{80, 84, 90}, Rgb{40, 42, 46});
}

static void paintGoal(Canvas& c)
{
    const double s = c.width;
    // Posts (top quarter): red and white bands.
    for (int i = 0; i < 8; ++i)
        fillRect(c.cr, i * s / 8, 0, s / 8, s * 0.25, i % 2 ? Rgb{240, 240, 240} : Rgb{220, 30, 30});
    // Net (the rest): white cord on dark ground.
    fillRect(c.cr, 0, s * 0.25, s, s * 0.75, Rgb{26, 26, 30});
    setColour(c.cr, Rgb{225, 225, 230});
    cairo_set_line_width(c.cr, 2);
    for (double d = -s; d < 2 * s; d += 16) {
        cairo_move_to(c.cr, d, s * 0.25);
        cairo_line_to(c.cr, d + s * 0.75, s);
        cairo_move_to(c.cr, d, s);
        cairo_line_to(c.cr, d + s * 0.75, s * 0.25);
    }
    cairo_stroke(c.cr);
}

// A lit display with a dark frame: the goal text boxes.
static void paintGoalText(Canvas& c, const char* team, Rgb colour)
{
    fillRect(c.cr, 0, 0, c.width, c.height, Rgb{18, 18, 22});
    fillGradient(c.cr, 8, 8, c.width - 16, c.height - 16, Rgb{40, 40, 48}, Rgb{12, 12, 16});
    drawOutlinedText(c.cr, team, c.width / 2.0, c.height * 0.36, c.height * 0.42, FONT_BOLD, colour,
                     Rgb{0, 0, 0}, 2);
    drawText(c.cr, "GOAL", c.width / 2.0, c.height * 0.75, c.height * 0.26, FONT_BOLD, Rgb{240, 240, 240});
}

static void paintTeamCard(Canvas& c)
{
    fillRect(c.cr, 0, 0, c.width, c.height, Rgb{16, 16, 20});
    fillGradient(c.cr, 6, 6, c.width / 2.0 - 6, c.height - 12, kHomeOrange, scaled(kHomeOrange, 0.6));
    fillGradient(c.cr, c.width / 2.0, 6, c.width / 2.0 - 6, c.height - 12, kAwayGreen,
                 scaled(kAwayGreen, 0.6));
    drawOutlinedText(c.cr, kHomeLabel, c.width * 0.25, c.height * 0.45, c.height * 0.36, FONT_BOLD,
                     Rgb{255, 255, 255}, Rgb{0, 0, 0}, 3);
    drawOutlinedText(c.cr, kAwayLabel, c.width * 0.75, c.height * 0.45, c.height * 0.36, FONT_BOLD,
                     Rgb{255, 255, 255}, Rgb{0, 0, 0}, 3);
    drawText(c.cr, "HOME", c.width * 0.25, c.height * 0.82, c.height * 0.14, FONT_BOLD, Rgb{30, 20, 10});
    drawText(c.cr, "AWAY", c.width * 0.75, c.height * 0.82, c.height * 0.14, FONT_BOLD, Rgb{10, 30, 10});
}

static void paintFingers(Canvas& c)
{
    for (int i = 0; i < 5; ++i)
        fillGradient(c.cr, i * c.width / 5.0, 0, c.width / 5.0, c.height,
                     i % 2 ? Rgb{240, 240, 240} : Rgb{30, 110, 230}, Rgb{60, 60, 70});
}

void makeArenaTextures(AssetOutput& out)
{
    texture(out, "floor.jpg", 512, 512, paintWoodFloor);
    texture(out, "sf_floor.jpg", 512, 512, paintSteelFloor);
    texture(out, "brushedsteel.jpg", 256, 256, paintBrushedSteel);
    texture(out, "innerrailsouth.jpg", 512, 64, paintRailBand);
    texture(out, "elevator.jpg", kTowerTextureSize, kTowerTextureSize, paintTower);
    texture(out, "elevatordoor.jpg", 128, 256, paintDoor);
    texture(out, "ladder.jpg", 64, 64, paintLadder);
    texture(out, "controller.jpg", kControllerSize, kControllerSize, paintController);
    texture(out, "controlchair.jpg", 128, 128, paintChair);
    texture(out, "goalwest.jpg", 256, 256, paintGoal);
    // The home team scores at the west end, the away team at the east.
    texture(out, "goaltext01.jpg", 256, 128, [](Canvas& c) { paintGoalText(c, kHomeLabel, kHomeOrange); });
    texture(out, "goaltext02.jpg", 256, 128, [](Canvas& c) { paintGoalText(c, kAwayLabel, kAwayGreen); });
    texture(out, "teamcard.jpg", 256, 128, paintTeamCard);
    texture(out, "goalfingerseast.jpg", 128, 128, paintFingers);
}
