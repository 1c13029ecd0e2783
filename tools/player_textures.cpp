// Uniforms, the referee's stripes and the status balls. Players are small on
// screen, so numbers fill their panels and colours are saturated.
#include <cstdio>

#include "tools/atlas.h"
#include "tools/output.h"

struct Kit {
    Rgb shirt;
    Rgb trim;
    Rgb number;
    Rgb numberEdge;
    Rgb legs;
    const char* label;   // the team name, on the chest
    bool stripes;        // the referee's black and white
};

// Pixel rectangle of an atlas rectangle.
struct Px {
    double x, y, w, h;
};
static Px px(const UvRect& r, int size)
{
    return Px{r.u0 * size, r.v0 * size, (r.u1 - r.u0) * size, (r.v1 - r.v0) * size};
}

static void fillShirt(cairo_t* cr, const Px& p, const Kit& kit)
{
    if (!kit.stripes) {
        fillGradient(cr, p.x, p.y, p.w, p.h, scaled(kit.shirt, 1.1), scaled(kit.shirt, 0.78));
        return;
    }
    const int count = 8;
    for (int i = 0; i < count; ++i)
        fillRect(cr, p.x + i * p.w / count, p.y, p.w / count + 0.5, p.h,
                 i % 2 ? Rgb{20, 20, 20} : Rgb{245, 245, 245});
}

static void numberOn(cairo_t* cr, const Px& p, const char* text, double fill, const Kit& kit)
{
    drawOutlinedText(cr, text, p.x + p.w / 2, p.y + p.h / 2, p.h * fill, FONT_BOLD, kit.number,
                     kit.numberEdge, p.h * 0.035);
}

static void paintUniform(Canvas& c, const Kit& kit, const char* number)
{
    const int s = c.width;
    cairo_t* cr = c.cr;
    // Back: the number as large as it goes. Front: the team and a smaller one.
    const Px back = px(kUniTorsoBack, s), front = px(kUniTorsoFront, s);
    fillShirt(cr, back, kit);
    fillShirt(cr, front, kit);
    fillRect(cr, back.x, back.y, back.w, back.h * 0.08, kit.trim);
    fillRect(cr, front.x, front.y, front.w, front.h * 0.08, kit.trim);
    numberOn(cr, back, number, 0.95, kit);
    drawOutlinedText(cr, kit.label, front.x + front.w / 2, front.y + front.h * 0.26, front.h * 0.22,
                     FONT_BOLD, kit.number, kit.numberEdge, 2);
    drawOutlinedText(cr, number, front.x + front.w / 2, front.y + front.h * 0.66, front.h * 0.55,
                     FONT_BOLD, kit.number, kit.numberEdge, 2.5);
    // Shoulders and helmet top, seen from overhead: the number again.
    for (const UvRect& r : {kUniShoulders, kUniHelmetTop}) {
        const Px p = px(r, s);
        fillShirt(cr, p, kit);
        numberOn(cr, p, number, 1.0, kit);
    }
    // Helmet sides: team colour with a light stripe, baked highlight.
    const Px side = px(kUniHelmetSide, s);
    fillGradient(cr, side.x, side.y, side.w, side.h, scaled(kit.shirt, 1.15), scaled(kit.shirt, 0.7));
    fillRect(cr, side.x, side.y + side.h * 0.45, side.w, side.h * 0.12, kit.trim);
    // Visor: dark glass under a coloured brow.
    const Px visor = px(kUniVisor, s);
    fillRect(cr, visor.x, visor.y, visor.w, visor.h, kit.shirt);
    fillGradient(cr, visor.x, visor.y + visor.h * 0.3, visor.w, visor.h * 0.4, Rgb{70, 90, 110},
                 Rgb{10, 14, 20});
    // Sleeves and torso sides in the shirt colour, trimmed.
    for (const UvRect& r : {kUniSleeve, kUniTorsoSide}) {
        const Px p = px(r, s);
        fillShirt(cr, p, kit);
        fillRect(cr, p.x, p.y + p.h * 0.85, p.w, p.h * 0.15, kit.trim);
    }
    // Legs: dark with a team-coloured stripe.
    const Px legs = px(kUniLegs, s);
    fillGradient(cr, legs.x, legs.y, legs.w, legs.h, scaled(kit.legs, 1.2), scaled(kit.legs, 0.7));
    fillRect(cr, legs.x + legs.w * 0.42, legs.y, legs.w * 0.16, legs.h, kit.stripes ? kit.legs : kit.shirt);
    // Skates: black boot, silver wheels along the bottom.
    const Px skates = px(kUniSkates, s);
    fillRect(cr, skates.x, skates.y, skates.w, skates.h, Rgb{24, 24, 28});
    fillRect(cr, skates.x, skates.y + skates.h * 0.7, skates.w, skates.h * 0.3, Rgb{170, 175, 185});
}

static void paintStatusBall(Canvas& c, Rgb condition, Rgb team, const char* label, bool hatched)
{
    const double w = c.width, h = c.height;
    // Caps in the condition's colour, a band in the team's round the middle.
    fillGradient(c.cr, 0, 0, w, h * 0.36, scaled(condition, 1.1), condition);
    fillGradient(c.cr, 0, h * 0.64, w, h * 0.36, condition, scaled(condition, 0.6));
    if (hatched) {
        // Critical: black hazard hatching on the caps, readable without colour.
        cairo_save(c.cr);
        cairo_rectangle(c.cr, 0, 0, w, h * 0.36);
        cairo_rectangle(c.cr, 0, h * 0.64, w, h * 0.36);
        cairo_clip(c.cr);
        setColour(c.cr, Rgb{0, 0, 0});
        cairo_set_line_width(c.cr, w / 32);
        for (double x = -h; x < w + h; x += w / 12) {
            cairo_move_to(c.cr, x, 0);
            cairo_line_to(c.cr, x + h, h);
        }
        cairo_stroke(c.cr);
        cairo_restore(c.cr);
    }
    fillRect(c.cr, 0, h * 0.36, w, h * 0.28, team);
    fillRect(c.cr, 0, h * 0.36, w, 2, Rgb{0, 0, 0});
    fillRect(c.cr, 0, h * 0.64 - 2, w, 2, Rgb{0, 0, 0});
    // The name twice round the band, so one always faces the camera.
    for (double x : {w * 0.25, w * 0.75})
        drawFittedText(c.cr, label, x, h * 0.5, h * 0.22, w * 0.4, FONT_BOLD, Rgb{0, 0, 0});
}

void makePlayerTextures(AssetOutput& out)
{
    const Kit home = {kHomeOrange, Rgb{255, 255, 255}, Rgb{20, 20, 24}, Rgb{255, 255, 255},
                      Rgb{40, 32, 28}, kHomeLabel, false};
    const Kit away = {kAwayGreen, Rgb{20, 60, 20}, Rgb{20, 20, 24}, Rgb{255, 255, 255},
                      Rgb{28, 40, 28}, kAwayLabel, false};
    for (int n = 0; n < 10; ++n) {
        char number[2] = {char('0' + n), 0};
        char name[16];
        std::snprintf(name, sizeof name, "uni_h%d.jpg", n);
        texture(out, name, kUniformSize, kUniformSize, [&](Canvas& c) { paintUniform(c, home, number); });
        std::snprintf(name, sizeof name, "uni_a%d.jpg", n);
        texture(out, name, kUniformSize, kUniformSize, [&](Canvas& c) { paintUniform(c, away, number); });
    }
    const Kit referee = {Rgb{245, 245, 245}, Rgb{20, 20, 20}, Rgb{245, 245, 245}, Rgb{0, 0, 0},
                         Rgb{20, 20, 22}, "REF", true};
    texture(out, "referee.jpg", kUniformSize, kUniformSize, [&](Canvas& c) { paintUniform(c, referee, "R"); });
    // The P switch dresses every player alike, in racing leathers.
    const Kit biker = {Rgb{150, 156, 170}, Rgb{230, 30, 30}, Rgb{20, 20, 24}, Rgb{240, 240, 240},
                       Rgb{24, 24, 28}, "BIKE", false};
    texture(out, "bikerh0.jpg", kUniformSize, kUniformSize, [&](Canvas& c) { paintUniform(c, biker, "B"); });

    // Status balls: blue while fit, yellow when hurt, red and hatched when
    // critical; the band says whose player it is.
    const Rgb ok = {40, 140, 255}, hit = {255, 225, 0}, crit = {235, 20, 20};
    const int w = 128, h = 64;
    texture(out, "statball_ok.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, ok, Rgb{240, 240, 240}, "OK", false); });
    texture(out, "statball_ok_hou.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, ok, kHomeOrange, kHomeLabel, false); });
    texture(out, "statball_ok_mad.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, ok, kAwayGreen, kAwayLabel, false); });
    texture(out, "statball_hit_hou.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, hit, kHomeOrange, kHomeLabel, false); });
    texture(out, "statball_hit_mad.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, hit, kAwayGreen, kAwayLabel, false); });
    texture(out, "statball_crit_hou.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, crit, kHomeOrange, kHomeLabel, true); });
    texture(out, "statball_crit_mad.jpg", w, h, [&](Canvas& c) { paintStatusBall(c, crit, kAwayGreen, kAwayLabel, true); });
}
