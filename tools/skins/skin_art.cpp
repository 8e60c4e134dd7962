#include "skins/skin_art.h"

#include "graphics/procedural.h"
#include "platform/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <optional>
#include <sstream>

namespace scrivel::skins {

namespace {

using graphics::Colour;
using graphics::Fbm;
using graphics::Mix;
using graphics::Rgb255;
using graphics::Scale;
using graphics::Smoothstep;
using platform::Bitmap;
using platform::Canvas;
using platform::Point;

constexpr double kPi = 3.14159265358979323846;
constexpr std::uint32_t kMaskOutside = 0xFFFFFF;
constexpr platform::Colour kMaskInside = platform::colours::kBlack;
// The outside of every button bitmap; no pixel inside a button may take it.
constexpr std::uint32_t kButtonOutside = 0xFF00FF;

using Material = std::function<Colour(double x, double y)>;

// Light from the upper left, a little in front: the window reads as a carved object.
struct Light {
    double x = -0.45;
    double y = -0.6;
    double z = 0.66;
};

// Shading of a surface whose normal leans by the height gradient (gx, gy): 1 on a flat surface,
// brighter where it faces the light, darker where it turns away.
double Shade(double gx, double gy) {
    const Light light;
    const double length = std::sqrt(gx * gx + gy * gy + 1.0);
    const double lambert = (-gx * light.x - gy * light.y + light.z) / length;
    return std::max(0.15, lambert / light.z);
}

// Distance in pixels from each inside pixel to the nearest outside one (outside the bitmap
// counts as outside); 0 outside. Two chamfer passes.
std::vector<double> InsideDistance(const Bitmap& mask) {
    const int w = mask.Width();
    const int h = mask.Height();
    std::vector<double> d(static_cast<std::size_t>(w * h));
    const auto at = [&](int x, int y) -> double {
        if (x < 0 || y < 0 || x >= w || y >= h) {
            return 0.0;
        }
        return d[static_cast<std::size_t>(y * w + x)];
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            d[static_cast<std::size_t>(y * w + x)] =
                mask.Pixel(x, y) == kMaskInside.Windows() ? 1e9 : 0.0;
        }
    }
    constexpr double kDiagonal = 1.41421356;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            double& v = d[static_cast<std::size_t>(y * w + x)];
            v = std::min({v, at(x - 1, y) + 1, at(x, y - 1) + 1, at(x - 1, y - 1) + kDiagonal,
                          at(x + 1, y - 1) + kDiagonal});
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            double& v = d[static_cast<std::size_t>(y * w + x)];
            v = std::min({v, at(x + 1, y) + 1, at(x, y + 1) + 1, at(x + 1, y + 1) + kDiagonal,
                          at(x - 1, y + 1) + kDiagonal});
        }
    }
    return d;
}

// A rounded edge `width` pixels wide along the outline: its height at distance d from the edge.
double EdgeHeight(double d, double width) {
    const double t = std::min(d, width) / width;
    return width * 0.55 * (1.0 - (1.0 - t) * (1.0 - t));
}

// Signed distance from (x, y) to a rectangle with corners rounded by radius r (negative inside),
// and the outward direction.
double BoxDistance(const Box& box, double radius, double x, double y, double& nx, double& ny) {
    const double cx = box.left + box.width / 2.0;
    const double cy = box.top + box.height / 2.0;
    const double qx = std::abs(x - cx) - (box.width / 2.0 - radius);
    const double qy = std::abs(y - cy) - (box.height / 2.0 - radius);
    const double ox = std::max(qx, 0.0);
    const double oy = std::max(qy, 0.0);
    const double outside = std::hypot(ox, oy);
    if (outside > 0) {
        nx = (x < cx ? -ox : ox) / outside;
        ny = (y < cy ? -oy : oy) / outside;
    } else if (qx > qy) {
        nx = x < cx ? -1 : 1;
        ny = 0;
    } else {
        nx = 0;
        ny = y < cy ? -1 : 1;
    }
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

struct Frame {
    Box box;
    double radius = 0;
    double width = 10;   // of the raised rim around the box
    Material rim;        // the rim's own material
    Colour recess{};     // inside the box
    bool sunken = false; // a plate pressed into the surface instead of a rim around a hole
};

// Paints a raised rim around the box and a dark recess inside it (the game's panel), or a sunken
// plate (the title's).
void PaintFrame(Bitmap& picture, const Frame& frame) {
    const int x0 = std::max(0, frame.box.left - static_cast<int>(frame.width) - 2);
    const int y0 = std::max(0, frame.box.top - static_cast<int>(frame.width) - 2);
    const int x1 =
        std::min(picture.Width(), frame.box.left + frame.box.width + int(frame.width) + 2);
    const int y1 =
        std::min(picture.Height(), frame.box.top + frame.box.height + int(frame.width) + 2);
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            double nx = 0;
            double ny = 0;
            const double d = BoxDistance(frame.box, frame.radius, x + 0.5, y + 0.5, nx, ny);
            const Colour under = graphics::FromPixel(picture.Pixel(x, y));
            Colour out = under;
            if (frame.sunken) {
                if (d > 0) {
                    continue;
                }
                // A plate whose edge slopes down into the surface.
                const double t = Smoothstep(-frame.width, 0.0, d);
                const double slope = 1.6 * t * (1 - t) * 4;
                const Colour plate = frame.rim(x, y);
                out = Scale(plate, Shade(-nx * slope, -ny * slope));
                out = Mix(out, under, Smoothstep(-0.8, 0.4, d) * 0.6);
            } else if (d <= 0) {
                // The recess: darker towards the rim's foot, where its shadow falls.
                const double shadow = Smoothstep(-18.0, 0.0, d);
                out = Scale(frame.recess, 1.0 - 0.5 * shadow);
            } else if (d <= frame.width) {
                const double t = d / frame.width;
                const double slope = std::cos(kPi * t) * 1.3;
                out = Scale(frame.rim(x, y), Shade(-nx * slope, -ny * slope));
                // A fine dark line where the rim meets the recess, and where it meets the surface.
                out = Scale(out, 0.55 + 0.45 * Smoothstep(0.0, 1.2, d) *
                                            Smoothstep(frame.width, frame.width - 1.2, d));
            } else if (d <= frame.width + 4) {
                // The rim's shadow on the surface, down and to the right.
                const double shadow =
                    (1 - (d - frame.width) / 4) * std::max(0.0, nx * 0.3 + ny * 0.6);
                out = Scale(under, 1.0 - 0.35 * shadow);
            } else {
                continue;
            }
            picture.SetPixel(x, y, graphics::ToPixel(out));
        }
    }
}

// Fills the inside of the mask with the material, shaded by a rounded edge of bevel pixels.
Bitmap PaintBody(const Bitmap& mask, const Material& material, double bevel,
                 std::uint32_t outside) {
    const int w = mask.Width();
    const int h = mask.Height();
    const std::vector<double> d = InsideDistance(mask);
    const auto height = [&](int x, int y) {
        x = std::clamp(x, 0, w - 1);
        y = std::clamp(y, 0, h - 1);
        return EdgeHeight(d[static_cast<std::size_t>(y * w + x)], bevel);
    };
    Bitmap picture(w, h);
    picture.Fill(outside);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (mask.Pixel(x, y) != kMaskInside.Windows()) {
                continue;
            }
            const double gx = (height(x + 1, y) - height(x - 1, y)) / 2;
            const double gy = (height(x, y + 1) - height(x, y - 1)) / 2;
            picture.SetPixel(x, y, graphics::ToPixel(Scale(material(x, y), Shade(gx, gy))));
        }
    }
    return picture;
}

Bitmap NewMask(int width, int height) {
    Bitmap mask(width, height);
    mask.Fill(kMaskOutside);
    return mask;
}

void FillRoundRect(Canvas& canvas, double left, double top, double right, double bottom,
                   double radius, platform::Colour colour) {
    std::vector<Point> points;
    const double corners[4][3] = {{right - radius, top + radius, -90},
                                  {right - radius, bottom - radius, 0},
                                  {left + radius, bottom - radius, 90},
                                  {left + radius, top + radius, 180}};
    for (const auto& c : corners) {
        for (int i = 0; i <= 16; ++i) {
            const double a = (c[2] + 90.0 * i / 16) * kPi / 180;
            points.push_back({c[0] + radius * std::cos(a), c[1] + radius * std::sin(a)});
        }
    }
    canvas.FillPolygon(points, colour);
}

// Keeps the inside of the picture where the shape mask is black and paints the rest in the
// button's outside colour, nudging any inside pixel that happens to be that colour.
Bitmap CutOut(const Bitmap& picture, const Bitmap& mask) {
    Bitmap out(picture.Width(), picture.Height());
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            std::uint32_t pixel = kButtonOutside;
            if (mask.Pixel(x, y) == kMaskInside.Windows()) {
                pixel = picture.Pixel(x, y);
                if (pixel == kButtonOutside) {
                    pixel ^= 0x000100;
                }
            }
            out.SetPixel(x, y, pixel);
        }
    }
    return out;
}

// --- Materials ---------------------------------------------------------------------------------

Material Walnut(int width, int height) {
    return [=](double x, double y) {
        const double u = x / width;
        const double v = y / height;
        const double warp = Fbm(u, v, 3, 6, 4, 41);
        const double grain = Fbm(u + 0.15 * warp, v * 0.5, 2, 48, 4, 42);
        const double ring = 0.5 + 0.5 * std::sin((grain * 9 + warp * 3) * 2 * kPi);
        const Colour dark = Rgb255(52, 30, 18);
        const Colour light = Rgb255(112, 68, 38);
        Colour c = Mix(dark, light, 0.25 + 0.55 * Smoothstep(0.2, 0.95, ring) * grain * 1.3);
        // Polish: a soft sheen across the upper left.
        const double sheen = std::exp(-std::pow((u * 0.8 + v - 0.55) / 0.22, 2));
        return Mix(c, Rgb255(150, 104, 70), 0.18 * sheen);
    };
}

Material Brass() {
    return [](double x, double y) {
        const double brush = Fbm(x / 300.0, y / 9.0, 2, 4, 3, 77);
        return Mix(Rgb255(202, 146, 72), Rgb255(246, 186, 114), 0.2 + 0.6 * brush);
    };
}

Material SeaGlass(int width, int height) {
    return [=](double x, double y) {
        const double u = x / width;
        const double v = y / height;
        const Colour stops[] = {Rgb255(170, 226, 214), Rgb255(104, 184, 196), Rgb255(58, 123, 213),
                                Rgb255(38, 92, 160)};
        Colour c = graphics::Ramp(stops, 4, v * 0.9 + 0.1 * Fbm(u, v, 3, 3, 3, 11));
        // Caustics: bright threads where a warped wave pattern crosses zero.
        const double wave = Fbm(u, v, 5, 5, 4, 12) * 14 + Fbm(u, v, 2, 2, 2, 13) * 6;
        const double caustic = std::pow(1 - std::abs(std::sin(wave * kPi)), 10);
        c = Mix(c, Rgb255(236, 252, 248), 0.35 * caustic);
        // Frosted grain.
        const double frost =
            graphics::Hash(static_cast<int>(x), static_cast<int>(y), 14) / 4294967296.0;
        return Scale(c, 0.96 + 0.06 * frost);
    };
}

Material Silver() {
    return [](double x, double y) {
        const double t = Fbm(x / 200.0, y / 200.0, 3, 3, 3, 15);
        return Mix(Rgb255(196, 220, 226), Rgb255(246, 252, 252), t);
    };
}

Material Basalt(int width, int height) {
    return [=](double x, double y) {
        const double u = x / width;
        const double v = y / height;
        const graphics::CellSample cell = graphics::CellNoise(u, v * height / width, 9, 21);
        const double tone = (cell.id % 97) / 97.0;
        Colour c = Mix(Rgb255(38, 33, 31), Rgb255(78, 68, 62), 0.3 + 0.5 * tone);
        c = Scale(c, 0.85 + 0.3 * Fbm(u, v, 16, 16, 3, 22));
        const double crack = 1 - Smoothstep(0.0, 0.06, cell.f2 - cell.f1);
        if (cell.id % 3 == 0) {
            // Embers glow in some of the cracks.
            const double glow = 1 - Smoothstep(0.0, 0.16, cell.f2 - cell.f1);
            c = Mix(c, Rgb255(255, 120, 30), 0.85 * crack + 0.25 * glow);
        } else {
            c = Scale(c, 1 - 0.6 * crack);
        }
        return c;
    };
}

Material Ember() {
    return [](double x, double y) {
        const double t = Fbm(x / 120.0, y / 120.0, 4, 4, 3, 31);
        return Mix(Rgb255(226, 136, 24), Rgb255(255, 186, 60), t);
    };
}

Material Parchment(int width, int height) {
    return [=](double x, double y) {
        const double u = x / width;
        const double v = y / height;
        const double blotch = Fbm(u, v, 4, 4, 5, 51);
        const double fibre = Fbm(u, v * 0.25, 40, 6, 3, 52);
        Colour c = Mix(Rgb255(236, 220, 172), Rgb255(208, 182, 128), Smoothstep(0.3, 0.8, blotch));
        return Scale(c, 0.95 + 0.08 * fibre);
    };
}

// Parchment for the keys, its tones kept inside the bands that survive dimming.
Material KeyParchment() {
    return [](double x, double y) {
        const double t = Fbm(x / 80.0, y / 80.0, 4, 4, 3, 54);
        return Mix(Rgb255(222, 200, 146), Rgb255(248, 232, 182), t);
    };
}

Material Ink() {
    return [](double x, double y) {
        const double t = Fbm(x / 90.0, y / 90.0, 4, 4, 2, 61);
        return Mix(Rgb255(52, 36, 24), Rgb255(92, 64, 40), t);
    };
}

Material Flat(Colour colour) {
    return [colour](double, double) { return colour; };
}

// --- Buttons -----------------------------------------------------------------------------------

// The buttons show dimmed while the pointer is away: their picture ANDed with 0xC0C0C0, which
// keeps two bits of each channel. Their materials stay inside one band of 64 per channel, so a
// dimmed button is an even tone instead of blotches; only the bevel crosses bands.
enum class Cap { Rounded, Round, Pill };

struct ButtonStyle {
    std::string prefix;
    Material body;
    Colour edge;  // the colour behind everything, as the hard edge shows it
    Colour glyph; // the arrows
    Cap keyCap = Cap::Rounded;
    Cap arrowCap = Cap::Round;
    int keyWidth = 64;
    int keyHeight = 30;
    int arrowSize = 40;
};

enum class Arrow { Up, Left, Right, Down };

Bitmap MakeButton(const ButtonStyle& style, int width, int height, Cap cap, const Arrow* arrow) {
    Bitmap mask = NewMask(width, height);
    {
        Canvas canvas(mask);
        canvas.SetAntialias(platform::Antialias::Off);
        if (cap == Cap::Round) {
            canvas.FillEllipse({width / 2.0, height / 2.0}, width / 2.0 - 0.5, height / 2.0 - 0.5,
                               kMaskInside);
        } else {
            const double radius = cap == Cap::Pill ? height / 2.0 - 0.5 : 8;
            FillRoundRect(canvas, 0.5, 0.5, width - 0.5, height - 0.5, radius, kMaskInside);
        }
    }
    Bitmap picture = PaintBody(mask, style.body, 5, graphics::ToPixel(style.edge));
    if (arrow != nullptr) {
        Canvas canvas(picture);
        const double cx = width / 2.0;
        const double cy = height / 2.0;
        const double r = width * 0.26;
        std::vector<Point> tip = {{0, -r}, {r * 0.95, r * 0.55}, {-r * 0.95, r * 0.55}};
        const double angle = *arrow == Arrow::Up      ? 0
                             : *arrow == Arrow::Right ? 90
                             : *arrow == Arrow::Down  ? 180
                                                      : 270;
        const double a = angle * kPi / 180;
        std::vector<Point> points;
        for (const Point& p : tip) {
            points.push_back({cx + p.x * std::cos(a) - p.y * std::sin(a),
                              cy + 1 + p.x * std::sin(a) + p.y * std::cos(a)});
        }
        // An engraved arrow: a light lower edge under the dark glyph.
        std::vector<Point> lit = points;
        for (Point& p : lit) {
            p.y += 1;
        }
        canvas.FillPolygon(lit, graphics::ToColour(Scale(style.body(cx, cy), 1.25)));
        canvas.FillPolygon(points, graphics::ToColour(style.glyph));
    }
    return CutOut(picture, mask);
}

void AddButtons(SkinArt& skin, const ButtonStyle& style, Box keys, Box arrows) {
    // F1 to F3 in a row from keys' corner, spaced by keys.width.
    for (int i = 0; i < 3; ++i) {
        const std::string key = "F" + std::to_string(i + 1);
        skin.buttons.push_back(
            {key, style.prefix + "_f" + std::to_string(i + 1) + ".bmp", keys.left + i * keys.width,
             keys.top, MakeButton(style, style.keyWidth, style.keyHeight, style.keyCap, nullptr)});
    }
    // The arrows as on a keyboard: up above down, left and right beside it; arrows.width is the
    // step between neighbours.
    const int step = arrows.width;
    const struct {
        const char* key;
        const char* file;
        Arrow arrow;
        int dx;
        int dy;
    } places[] = {{"UpB", "up", Arrow::Up, step, 0},
                  {"LeftB", "left", Arrow::Left, 0, step},
                  {"RightB", "right", Arrow::Right, 2 * step, step},
                  {"DownB", "down", Arrow::Down, step, step}};
    for (const auto& place : places) {
        skin.buttons.push_back(
            {place.key, style.prefix + "_" + place.file + ".bmp", arrows.left + place.dx,
             arrows.top + place.dy,
             MakeButton(style, style.arrowSize, style.arrowSize, style.arrowCap, &place.arrow)});
    }
}

// Small brass or glass studs, with a highlight, as on a carved box.
void Stud(Canvas& canvas, double x, double y, double radius, Colour colour) {
    canvas.FillEllipse({x + 1, y + 1.5}, radius, radius, platform::colours::kBlack, 0.35);
    canvas.FillEllipse({x, y}, radius, radius, graphics::ToColour(Scale(colour, 0.75)));
    canvas.FillEllipse({x - radius * 0.15, y - radius * 0.15}, radius * 0.75, radius * 0.75,
                       graphics::ToColour(colour));
    canvas.FillEllipse({x - radius * 0.35, y - radius * 0.35}, radius * 0.28, radius * 0.28,
                       platform::colours::kWhite, 0.7);
}

// Where the picture lies outside the outline it takes the colour of the edge, so that the JPEG's
// blur at the edge stays in the skin's own tones.
void FillOutside(Bitmap& picture, const Bitmap& mask, Colour colour) {
    const std::uint32_t pixel = graphics::ToPixel(colour);
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 0; x < mask.Width(); ++x) {
            if (mask.Pixel(x, y) != kMaskInside.Windows()) {
                picture.SetPixel(x, y, pixel);
            }
        }
    }
}

// --- The four skins ----------------------------------------------------------------------------

// Half-width of the shield at height y.
double ShieldHalfWidth(double y) {
    constexpr double kShoulder = 410;
    constexpr double kTip = 676;
    if (y <= kShoulder) {
        return 264;
    }
    const double t = std::min(1.0, (y - kShoulder) / (kTip - kShoulder));
    return 264 * std::pow(std::cos(t * kPi / 2), 0.75);
}

// The outlines, filled into the mask with antialiasing off.

// A tall tablet with an arched crest.
void TabletOutline(Canvas& canvas, int w, int h) {
    FillRoundRect(canvas, 0.5, 34.5, w - 0.5, h - 0.5, 58, kMaskInside);
    canvas.FillEllipse({300, 92}, 176, 91.5, kMaskInside);
}

// An oval with a tab above for the window's buttons and one below for the keys.
void OvalOutline(Canvas& canvas, int, int) {
    canvas.FillEllipse({320, 296}, 306, 282, kMaskInside);
    FillRoundRect(canvas, 420.5, 6.5, 590.5, 120.5, 26, kMaskInside);
    FillRoundRect(canvas, 92.5, 470.5, 547.5, 614.5, 40, kMaskInside);
}

// A shield with a raised crest.
void ShieldOutline(Canvas& canvas, int w, int) {
    std::vector<Point> outline;
    for (int i = 0; i <= 60; ++i) { // the top: a shallow arch rising to the crest
        const double x = 16 + (w - 32) * i / 60.0;
        const double arch = std::cos((x - w / 2.0) / (w / 2.0) * kPi / 2);
        outline.push_back({x, 44 - 36 * std::pow(arch, 3)});
    }
    for (int y = 44; y <= 676; y += 4) {
        outline.push_back({w / 2.0 + ShieldHalfWidth(y), double(y)});
    }
    for (int y = 676; y >= 44; y -= 4) {
        outline.push_back({w / 2.0 - ShieldHalfWidth(y), double(y)});
    }
    canvas.FillPolygon(outline, kMaskInside);
}

// An unrolled scroll between its two rolls.
void ScrollOutline(Canvas& canvas, int w, int h) {
    canvas.FillRect(60, 24, w - 120, h - 48, kMaskInside);
    // Even widths: a rounded end never comes to a point one pixel wide, which a trace would cut.
    FillRoundRect(canvas, 14, 4, 84, h - 4, 34, kMaskInside);
    FillRoundRect(canvas, w - 84, 4, w - 14, h - 4, 34, kMaskInside);
}

// Parchment whose rolls are cylinders, shaded across their width.
Material ScrollMaterial(int w, int h) {
    const Material parchment = Parchment(w, h);
    return [parchment](double x, double y) {
        const double roll = x < 86 ? (x - 14) / 70 : x > 594 ? (x - 594) / 70 : -1;
        if (roll < 0) {
            return parchment(x, y);
        }
        const double light = 0.55 + 0.6 * std::sin(std::clamp(roll, 0.0, 1.0) * kPi) -
                             0.15 * std::clamp(roll, 0.0, 1.0);
        return Scale(Mix(parchment(x, y), Rgb255(196, 160, 104), 0.5), light);
    };
}

// Scorched edges of the scroll's sheet.
void Scorch(Bitmap& picture, const Bitmap& mask) {
    const int w = mask.Width();
    const std::vector<double> d = InsideDistance(mask);
    for (int y = 0; y < mask.Height(); ++y) {
        for (int x = 86; x < 594; ++x) {
            const double depth = d[static_cast<std::size_t>(y * w + x)];
            if (depth <= 0 || depth > 22) {
                continue;
            }
            const double burn =
                (1 - depth / 22) * (0.6 + 0.4 * Fbm(x / 60.0, y / 60.0, 8, 8, 3, 53));
            const Colour c = graphics::FromPixel(picture.Pixel(x, y));
            picture.SetPixel(x, y,
                             graphics::ToPixel(Mix(c, Rgb255(120, 78, 36), 0.7 * burn * burn)));
        }
    }
}

// Brass studs and a brass inlay line under the crest.
void TabletInlays(Canvas& canvas) {
    const Colour brass = Rgb255(226, 188, 100);
    Stud(canvas, 30, 670, 6, brass);
    Stud(canvas, 570, 670, 6, brass);
    Stud(canvas, 300, 112, 5, brass);
    canvas.DrawLine({150, 118}, {270, 118}, graphics::ToColour(Rgb255(210, 170, 90)), 2);
    canvas.DrawLine({330, 118}, {450, 118}, graphics::ToColour(Rgb255(210, 170, 90)), 2);
}

// Bubbles caught in the glass, none over the panel.
void GlassBubbles(Canvas& canvas) {
    graphics::Random random(71);
    for (int i = 0; i < 26; ++i) {
        const double x = random.Range(60, 580);
        const double y = random.Range(60, 560);
        const double r = random.Range(1.5, 5);
        if (x > 110 && x < 530 && y > 114 && y < 474) {
            continue;
        }
        canvas.DrawEllipse({x, y}, r, r, platform::colours::kWhite, 1, 0.45);
        canvas.FillEllipse({x - r * 0.3, y - r * 0.3}, r * 0.3, r * 0.3, platform::colours::kWhite,
                           0.6);
    }
}

// Flourishes on either side of the title, and a ruled line under the keys.
void ScrollFlourishes(Canvas& canvas) {
    const platform::Colour ink = graphics::ToColour(Rgb255(70, 46, 28));
    for (int side : {-1, 1}) {
        const double x0 = 340 + side * 122;
        std::vector<Point> curl;
        for (int i = 0; i <= 40; ++i) {
            const double t = i / 40.0;
            curl.push_back({x0 + side * 52 * t, 62 + 10 * std::sin(t * 2 * kPi) * (1 - t)});
        }
        canvas.DrawPolyline(curl, ink, 2);
        canvas.DrawEllipse({x0 + side * 56, 62}, 4, 4, ink, 2);
    }
    canvas.DrawLine({110, 560}, {570, 560}, ink, 1.5, 0.7);
}

// A material for a picture of the skin's size.
using MaterialMaker = Material (*)(int width, int height);

// A plate pressed in under the title, larger than the title's box by padX and padY on each side.
struct TitlePlate {
    int padX = 0;
    int padY = 0;
    double radius = 0;
    MaterialMaker material = nullptr;
};

// Everything that tells one skin from another.
struct SkinRow {
    SkinArt layout; // the skin.ini values but the buttons; no pictures yet
    int width = 0;
    int height = 0;
    void (*outline)(Canvas& canvas, int width, int height) = nullptr;
    MaterialMaker body = nullptr;
    double bevel = 0; // of the rounded edge along the outline
    Colour edge;      // the outline's colour, and the picture's outside it
    // Worked into the body before its frames, or nothing.
    void (*weather)(Bitmap& picture, const Bitmap& mask) = nullptr;
    double panelRadius = 25;
    double rimWidth = 10;
    MaterialMaker rim = nullptr;
    Colour recess{};
    std::optional<TitlePlate> plate{};
    // Drawn over the frames, or nothing.
    void (*decorate)(Canvas& canvas) = nullptr;
    ButtonStyle buttons;
    Box keys;   // F1 to F3 from its corner, spaced by its width
    Box arrows; // the arrow pad from its corner, its width the step between neighbours
};

std::array<SkinRow, 4> SkinTable() {
    // clang-format off
    return {{
        // 1: sea glass, an oval with a tab above for the window's buttons and one below for keys.
        {.layout = {.number = 1, .title = "sea-glass oval",
                    .panel = {122, 126, 396, 336}, .titleBox = {200, 56, 210, 44},
                    .fontName = "Verdana", .fontSize = 20, .fontBold = true, .fontItalic = true,
                    .fontColour = graphics::ToPixel(Rgb255(240, 255, 252)),
                    .closeLeft = 546, .closeTop = 26, .reduceLeft = 514, .reduceTop = 26},
         .width = 640, .height = 620, .outline = OvalOutline,
         .body = SeaGlass, .bevel = 16, .edge = Rgb255(30, 70, 110),
         .panelRadius = 25, .rimWidth = 10, .rim = [](int, int) { return Silver(); },
         .recess = Rgb255(10, 26, 44),
         .plate = TitlePlate{8, 2, 22, [](int, int) { return Flat(Rgb255(52, 118, 170)); }},
         .decorate = GlassBubbles,
         .buttons = {.prefix = "glass", .body = Silver(), .edge = Rgb255(110, 150, 170),
                     .glyph = Rgb255(30, 80, 130), .keyCap = Cap::Pill},
         .keys = {126, 500, 76, 0}, .arrows = {382, 478, 44, 0}},
        // 2: volcanic stone with glowing cracks, a shield with a raised crest.
        {.layout = {.number = 2, .title = "basalt shield with embers",
                    .panel = {80, 118, 400, 340}, .titleBox = {170, 50, 220, 46},
                    .fontName = "Times New Roman", .fontSize = 24, .fontBold = true,
                    .fontColour = graphics::ToPixel(Rgb255(255, 168, 72)),
                    .closeLeft = 488, .closeTop = 60, .reduceLeft = 456, .reduceTop = 60},
         .width = 560, .height = 680, .outline = ShieldOutline,
         .body = Basalt, .bevel = 14, .edge = Rgb255(22, 18, 17),
         .panelRadius = 25, .rimWidth = 12,
         .rim = [](int w, int h) { return Basalt(w / 3, h / 3); },
         .recess = Rgb255(16, 8, 6),
         .plate = TitlePlate{8, 2, 8, [](int, int) { return Flat(Rgb255(34, 26, 24)); }},
         .buttons = {.prefix = "basalt", .body = Ember(), .edge = Rgb255(120, 40, 10),
                     .glyph = Rgb255(40, 16, 8), .arrowCap = Cap::Rounded},
         .keys = {168, 476, 76, 0}, .arrows = {212, 520, 46, 0}},
        // 3: parchment and ink, an unrolled scroll between its two rolls.
        {.layout = {.number = 3, .title = "parchment scroll",
                    .panel = {120, 98, 440, 372}, .titleBox = {230, 38, 220, 48},
                    .fontName = "Garamond", .fontSize = 26, .fontBold = true, .fontItalic = true,
                    .fontColour = graphics::ToPixel(Rgb255(58, 36, 20)),
                    .closeLeft = 558, .closeTop = 44, .reduceLeft = 528, .reduceTop = 44},
         .width = 680, .height = 600, .outline = ScrollOutline,
         .body = ScrollMaterial, .bevel = 8, .edge = Rgb255(120, 84, 44), .weather = Scorch,
         .panelRadius = 25, .rimWidth = 9, .rim = [](int, int) { return Ink(); },
         .recess = Rgb255(30, 22, 16),
         .decorate = ScrollFlourishes,
         .buttons = {.prefix = "scroll", .body = KeyParchment(), .edge = Rgb255(90, 60, 34),
                     .glyph = Rgb255(58, 36, 20), .keyWidth = 66, .keyHeight = 32},
         .keys = {132, 494, 80, 0}, .arrows = {426, 476, 42, 0}},
        // 4: polished walnut with brass, a tall tablet with an arched crest; the start skin.
        {.layout = {.number = 4, .title = "walnut and brass tablet",
                    .panel = {40, 132, 520, 440}, .titleBox = {196, 40, 208, 46},
                    .fontName = "Garamond", .fontSize = 24, .fontBold = true, .fontItalic = true,
                    .fontColour = graphics::ToPixel(Rgb255(246, 220, 150)),
                    .closeLeft = 530, .closeTop = 60, .reduceLeft = 498, .reduceTop = 60},
         .width = 600, .height = 700, .outline = TabletOutline,
         .body = Walnut, .bevel = 14, .edge = Rgb255(30, 17, 10),
         .panelRadius = 116, .rimWidth = 12, .rim = [](int, int) { return Brass(); },
         .recess = Rgb255(14, 10, 8),
         .plate = TitlePlate{10, 4, 12, Walnut},
         .decorate = TabletInlays,
         .buttons = {.prefix = "walnut", .body = Brass(), .edge = Rgb255(90, 62, 24),
                     .glyph = Rgb255(46, 28, 14), .keyWidth = 70, .keyHeight = 34},
         .keys = {64, 604, 82, 0}, .arrows = {404, 582, 46, 0}},
    }};
    // clang-format on
}

SkinArt BuildSkin(SkinRow row) {
    SkinArt skin = std::move(row.layout);
    const int w = row.width;
    const int h = row.height;
    skin.mask = NewMask(w, h);
    {
        Canvas canvas(skin.mask);
        canvas.SetAntialias(platform::Antialias::Off);
        row.outline(canvas, w, h);
    }
    skin.background = PaintBody(skin.mask, row.body(w, h), row.bevel, graphics::ToPixel(row.edge));
    if (row.weather != nullptr) {
        row.weather(skin.background, skin.mask);
    }
    PaintFrame(skin.background,
               {skin.panel, row.panelRadius, row.rimWidth, row.rim(w, h), row.recess});
    if (row.plate) {
        const TitlePlate& plate = *row.plate;
        const Box& title = skin.titleBox;
        PaintFrame(skin.background,
                   {.box = {title.left - plate.padX, title.top - plate.padY,
                            title.width + 2 * plate.padX, title.height + 2 * plate.padY},
                    .radius = plate.radius,
                    .width = 6,
                    .rim = plate.material(w, h),
                    .sunken = true});
    }
    if (row.decorate != nullptr) {
        Canvas canvas(skin.background);
        row.decorate(canvas);
    }
    FillOutside(skin.background, skin.mask, row.edge);
    AddButtons(skin, row.buttons, row.keys, row.arrows);
    return skin;
}

} // namespace

SkinArt MakeSkin(int number) {
    // Any other number gives the start skin.
    const int index = number >= 1 && number <= 3 ? number - 1 : 3;
    return BuildSkin(std::move(SkinTable()[static_cast<std::size_t>(index)]));
}

std::string IniSection(const SkinArt& skin) {
    std::ostringstream out;
    const auto line = [&out](const std::string& key, const auto& value) {
        out << key << '=' << value << "\r\n";
    };
    out << "[Skin" << skin.number << "]\r\n";
    out << "; " << skin.title << "\r\n";
    line("PanelLeft", skin.panel.left);
    line("PanelTop", skin.panel.top);
    line("PanelWidth", skin.panel.width);
    line("PanelHeight", skin.panel.height);
    line("TitleLeft", skin.titleBox.left);
    line("TitleTop", skin.titleBox.top);
    line("TitleWidth", skin.titleBox.width);
    line("TitleHeight", skin.titleBox.height);
    line("FontName", skin.fontName);
    line("FontItalic", skin.fontItalic ? 1 : 0);
    line("FontBold", skin.fontBold ? 1 : 0);
    line("FontSize", skin.fontSize);
    std::ostringstream colour;
    colour << "0x" << std::hex << std::uppercase << skin.fontColour;
    line("FontColor", colour.str());
    line("BorderColor", 1);
    line("CloseBLeft", skin.closeLeft);
    line("CloseBTop", skin.closeTop);
    line("ReduceBLeft", skin.reduceLeft);
    line("ReduceBTop", skin.reduceTop);
    for (const ButtonArt& button : skin.buttons) {
        line(button.key + "Left", button.left);
        line(button.key + "Top", button.top);
        line(button.key + "Name", button.file);
    }
    out << "\r\n";
    return out.str();
}

Bitmap Preview(const SkinArt& skin) {
    constexpr int kMargin = 16;
    const int w = skin.mask.Width();
    const int h = skin.mask.Height();
    Bitmap shot(w + 2 * kMargin, h + 2 * kMargin);
    shot.Fill(0x605850);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (skin.mask.Pixel(x, y) == kMaskInside.Windows()) {
                shot.SetPixel(x + kMargin, y + kMargin, skin.background.Pixel(x, y));
            }
        }
    }
    Canvas canvas(shot);
    // Where the game goes, with the corners the panel is given.
    const Box& p = skin.panel;
    Bitmap panelMask = NewMask(p.width, p.height);
    {
        Canvas pc(panelMask);
        pc.SetAntialias(platform::Antialias::Off);
        const double r = skin.number == 4 ? 116.5 : 25;
        FillRoundRect(pc, 1, 1, p.width - 2, p.height - 2, r, kMaskInside);
    }
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (panelMask.Pixel(x, y) == kMaskInside.Windows()) {
                shot.SetPixel(p.left + x + kMargin, p.top + y + kMargin,
                              graphics::ToPixel(Mix(Rgb255(204, 76, 204), Rgb255(60, 110, 200),
                                                    double(y) / p.height)));
            }
        }
    }
    for (const ButtonArt& button : skin.buttons) {
        const Bitmap& b = button.picture;
        for (int y = 0; y < b.Height(); ++y) {
            for (int x = 0; x < b.Width(); ++x) {
                if (b.Pixel(x, y) != b.Pixel(0, 0)) {
                    shot.SetPixel(button.left + x + kMargin, button.top + y + kMargin,
                                  b.Pixel(x, y));
                }
            }
        }
        if (button.key.size() == 2) { // F1 to F3: the caption the button draws
            canvas.SetFont({"Arial", 7, platform::colours::kBlack, platform::FontStyle::Bold});
            const platform::TextSize size = canvas.TextExtent(button.key);
            canvas.TextOut(button.left + kMargin + (b.Width() - size.width - 2) / 2 + 2,
                           button.top + kMargin + (b.Height() - size.height - 2) / 2, button.key);
        }
    }
    for (const auto& [x, y, colour] :
         {std::tuple{skin.closeLeft, skin.closeTop, platform::Colour{0xD0, 0x20, 0x20}},
          std::tuple{skin.reduceLeft, skin.reduceTop, platform::Colour{0xF0, 0x90, 0x20}}}) {
        canvas.FillEllipse({x + kMargin + 12.5, y + kMargin + 12.5}, 11.5, 11.5, colour);
    }
    const platform::FontStyle style = skin.fontBold && skin.fontItalic
                                          ? platform::FontStyle::BoldItalic
                                      : skin.fontBold   ? platform::FontStyle::Bold
                                      : skin.fontItalic ? platform::FontStyle::Italic
                                                        : platform::FontStyle::Regular;
    canvas.SetFont(
        {skin.fontName, skin.fontSize, platform::Colour::FromWindows(skin.fontColour), style});
    const platform::TextSize size = canvas.TextExtent("Scrivel");
    canvas.TextOut(skin.titleBox.left + kMargin + (skin.titleBox.width - size.width) / 2,
                   skin.titleBox.top + kMargin + (skin.titleBox.height - size.height) / 2,
                   "Scrivel");
    return shot;
}

} // namespace scrivel::skins
