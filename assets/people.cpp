// People: the walking and standing pictures of the four passenger classes
// (also worn by the passers-by), and the alighting figures. Painted as pixel
// art at their real size, 15 x 55, feet on the bottom row.
//   Nemajetni: patched brown coat and cap     Delnici: green work jacket, hard hat
//   Urednici: teal suit, tie, briefcase       Elita: black tailcoat, top hat, cane
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "assets/catalogue.h"
#include "assets/paint.h"
#include "assets/raster.h"
#include "assets/street_art.h"

namespace assets {

namespace {

constexpr int kW = 15;
constexpr int kH = 55;
constexpr std::uint32_t kSkin = 0xE8B890;
constexpr std::uint32_t kSkinShade = 0xC8946C;
constexpr std::uint32_t kEye = 0x2A2020;

enum class Hat { None, Cap, HardHat, TopHat, Brimmed };
enum class Extra { None, Patch, Stripe, Tie, BowTie, Scarf };
enum class Carry { None, Bundle, Lunchbox, Briefcase, Cane, Newspaper };

struct Look {
    std::uint32_t coat, trousers, shoes, hair, hatColor;
    Hat hat;
    Extra extra;
    Carry carry;
    int coatLength;  // last row of the coat
};

const Look kLooks[5] = {
    {0x7A5A3E, 0x5E5C56, 0x4A3626, 0x5A4030, 0x4C4A40, Hat::Cap, Extra::Patch, Carry::Bundle, 38},
    {0x3E7E3C, 0x2E3E62, 0x2A2A2A, 0x4A3020, 0xF2C230, Hat::HardHat, Extra::Stripe, Carry::Lunchbox, 33},
    {0x2F5F86, 0x34586C, 0x1E1E1E, 0x3A2A1C, 0x3A2A1C, Hat::None, Extra::Tie, Carry::Briefcase, 34},
    {0x1E1E26, 0x1E1E26, 0x101010, 0x2A2A2A, 0x141418, Hat::TopHat, Extra::BowTie, Carry::Cane, 40},
    {0xC8B48A, 0x6A5A48, 0x3E2E22, 0x6A4A30, 0x6A4A30, Hat::None, Extra::Scarf, Carry::None, 36},
};

class Pixels {
public:
    Pixels() : r(kW, kH, kKey) {}
    void Set(int x, int y, std::uint32_t c) {
        if (x >= 0 && x < kW && y >= 0 && y < kH) r.At(x, y) = c;
    }
    void Rect(int x, int y, int w, int h, std::uint32_t c) {
        for (int yy = y; yy < y + h; ++yy)
            for (int xx = x; xx < x + w; ++xx) Set(xx, yy, c);
    }
    // A limb: a thick line from (x0, y0) to (x1, y1).
    void Limb(double x0, double y0, double x1, double y1, int width, std::uint32_t c) {
        const int steps = static_cast<int>(std::max(std::abs(x1 - x0), std::abs(y1 - y0))) + 1;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const int x = static_cast<int>(std::lround(x0 + (x1 - x0) * t - (width - 1) / 2.0));
            const int y = static_cast<int>(std::lround(y0 + (y1 - y0) * t));
            Rect(x, y, width, 1, c);
        }
    }
    void Mirror() {
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW / 2; ++x) std::swap(r.At(x, y), r.At(kW - 1 - x, y));
    }
    Raster r;
};

// How the body is held in one picture.
struct Pose {
    double nearLeg = 0, farLeg = 0;  // foot offset forward (profile) or sideways lift (front)
    int nearLift = 0, farLift = 0;   // foot raised
    double nearArm = 0, farArm = 0;  // hand offset forward (profile) / up (front)
    int headDx = 0, bob = 0;
    bool holding = false;            // carries the class's thing
    bool watch = false;              // looks at the wristwatch
    bool handsTogether = false;      // hands clasped / arms crossed in front
};

void HatAndHair(Pixels& p, const Look& k, int cx, int top, bool profile, bool back) {
    const int hx = cx - 2;
    // Hair.
    p.Rect(hx, top, 5, 2, k.hair);
    if (back) p.Rect(hx, top, 5, 6, k.hair);
    else if (profile) p.Rect(hx, top, 2, 5, k.hair);
    switch (k.hat) {
        case Hat::Cap:
            p.Rect(hx - 1, top - 2, 7, 3, k.hatColor);
            if (profile) p.Rect(hx + 4, top, 3, 1, Shade(k.hatColor, 0.7));
            else p.Rect(hx - 1, top, 7, 1, Shade(k.hatColor, 0.7));
            break;
        case Hat::HardHat:
            p.Rect(hx, top - 3, 5, 3, k.hatColor);
            p.Rect(hx - 1, top - 1, 7, 2, Shade(k.hatColor, 0.85));
            p.Set(hx + 1, top - 3, Shade(k.hatColor, 1.3));
            break;
        case Hat::TopHat:
            p.Rect(hx, top - 5, 5, 5, k.hatColor);
            p.Rect(hx, top - 2, 5, 1, 0x6A1A1A);
            p.Rect(hx - 1, top, 7, 1, k.hatColor);
            break;
        case Hat::Brimmed:
            p.Rect(hx, top - 2, 5, 2, k.hatColor);
            p.Rect(hx - 1, top, 7, 1, k.hatColor);
            break;
        case Hat::None: break;
    }
}

void Carried(Pixels& p, const Look& k, int hx, int hy, bool profile) {
    switch (k.carry) {
        case Carry::Bundle: p.Rect(hx - 2, hy + 1, 5, 4, 0xB8A070); p.Set(hx, hy, 0x8A7048); break;
        case Carry::Lunchbox: p.Rect(hx - 2, hy + 1, 5, 3, 0xC0392B); p.Set(hx, hy, 0x555555); break;
        case Carry::Briefcase:
            p.Rect(hx - 2, hy + 1, profile ? 6 : 5, 5, 0x6E4A2E);
            p.Set(hx, hy, 0x3A2818);
            p.Set(hx, hy + 3, 0xD8B040);
            break;
        case Carry::Cane:
            for (int y = hy; y < std::min(kH - 1, hy + 24); ++y) p.Set(hx, y, 0x3A2818);
            p.Set(hx, hy - 1, 0xD8C060);
            break;
        case Carry::Newspaper: p.Rect(hx - 3, hy - 3, 6, 5, 0xECEAE2); break;
        case Carry::None: break;
    }
}

// Seen from the side, looking right (mirrored for left).
Raster Profile(const Look& k, const Pose& pose) {
    Pixels p;
    const int cx = 7 + pose.headDx;
    const int top = 4 + pose.bob;
    const int shoulder = top + 9, hip = 33 + pose.bob;
    const std::uint32_t far = Shade(k.coat, 0.75);
    // Far arm and far leg first.
    p.Limb(7, hip, 7 + pose.farLeg, 51 - pose.farLift, 3, Shade(k.trousers, 0.75));
    p.Rect(static_cast<int>(std::lround(6 + pose.farLeg)), 52 - pose.farLift, 4, 3, Shade(k.shoes, 0.8));
    if (!pose.holding) p.Limb(7, shoulder + 1, 7 + pose.farArm, shoulder + 15, 2, far);
    // Torso and coat.
    p.Rect(4, shoulder, 7, hip - shoulder, k.coat);
    p.Rect(4, shoulder, 1, hip - shoulder, Shade(k.coat, 1.15));
    p.Rect(10, shoulder, 1, hip - shoulder, Shade(k.coat, 0.85));
    if (k.coatLength > hip) p.Rect(4, hip, 6, k.coatLength - hip + pose.bob, k.coat);
    if (k.carry == Carry::Cane) p.Rect(3, hip - 2, 3, k.coatLength - hip + 4, k.coat);  // tails of the coat
    switch (k.extra) {
        case Extra::Patch: p.Rect(5, shoulder + 10, 2, 2, 0x9A8A5A); break;
        case Extra::Stripe: p.Rect(4, shoulder + 11, 7, 1, 0xF2E040); break;
        case Extra::Tie: p.Rect(9, shoulder, 2, 3, 0xF4F4F0); p.Rect(10, shoulder + 1, 1, 5, 0xB83A2A); break;
        case Extra::BowTie: p.Rect(9, shoulder, 2, 6, 0xF4F4F0); p.Set(10, shoulder, 0x8A1A1A); break;
        case Extra::Scarf: p.Rect(6, shoulder, 5, 2, 0x8A3A3A); break;
        case Extra::None: break;
    }
    // Near leg.
    p.Limb(7, hip, 7 + pose.nearLeg, 51 - pose.nearLift, 3, k.trousers);
    p.Rect(static_cast<int>(std::lround(6 + pose.nearLeg)), 52 - pose.nearLift, 4, 3, k.shoes);
    // Head.
    p.Rect(cx - 1, top + 7, 3, 2, kSkinShade);  // neck
    p.Rect(cx - 2, top, 5, 8, kSkin);
    p.Set(cx + 3, top + 4, kSkin);           // nose
    p.Set(cx + 1, top + 3, kEye);
    p.Set(cx - 2, top + 7, kSkinShade);
    HatAndHair(p, k, cx, top, true, false);
    // Near arm.
    if (pose.watch) {
        p.Limb(7, shoulder + 1, 10, shoulder + 8, 2, Shade(k.coat, 0.9));
        p.Limb(10, shoulder + 8, 9, shoulder + 3, 2, Shade(k.coat, 0.9));
        p.Rect(9, shoulder + 2, 2, 2, kSkin);
    } else if (pose.holding) {
        p.Limb(7, shoulder + 1, 7 + pose.nearArm, shoulder + 14, 2, Shade(k.coat, 0.9));
        const int hx = static_cast<int>(std::lround(7 + pose.nearArm));
        p.Rect(hx, shoulder + 14, 2, 2, kSkin);
        Carried(p, k, hx, shoulder + 16, true);
    } else {
        p.Limb(7, shoulder + 1, 7 + pose.nearArm, shoulder + 15, 2, Shade(k.coat, 0.9));
        p.Rect(static_cast<int>(std::lround(7 + pose.nearArm)), shoulder + 15, 2, 2, kSkin);
    }
    return p.r;
}

// Seen from the front, or from the back.
Raster Frontal(const Look& k, const Pose& pose, bool back) {
    Pixels p;
    const int cx = 7 + pose.headDx;
    const int top = 4 + pose.bob;
    const int shoulder = top + 9, hip = 33 + pose.bob;
    // Legs.
    p.Rect(4, hip, 3, 51 - hip - pose.farLift, k.trousers);
    p.Rect(8, hip, 3, 51 - hip - pose.nearLift, k.trousers);
    p.Rect(7, hip, 1, 6, Shade(k.trousers, 0.7));
    p.Rect(3, 52 - pose.farLift, 4, 3, k.shoes);
    p.Rect(8, 52 - pose.nearLift, 4, 3, k.shoes);
    // Torso.
    p.Rect(3, shoulder, 9, hip - shoulder, k.coat);
    p.Rect(3, shoulder, 1, hip - shoulder, Shade(k.coat, 1.15));
    p.Rect(11, shoulder, 1, hip - shoulder, Shade(k.coat, 0.85));
    if (k.coatLength > hip) p.Rect(3, hip, 9, k.coatLength - hip, k.coat);
    if (!back) {
        switch (k.extra) {
            case Extra::Patch: p.Rect(9, shoulder + 12, 2, 2, 0x9A8A5A); p.Rect(3, hip - 1, 9, 1, 0x8A7048); break;
            case Extra::Stripe: p.Rect(3, shoulder + 11, 9, 1, 0xF2E040); break;
            case Extra::Tie:
                p.Rect(6, shoulder, 3, 4, 0xF4F4F0);
                p.Rect(7, shoulder + 1, 1, 8, 0xB83A2A);
                break;
            case Extra::BowTie:
                p.Rect(6, shoulder, 3, 9, 0xF4F4F0);
                p.Rect(6, shoulder, 3, 1, 0x8A1A1A);
                p.Set(7, shoulder + 3, 0xC8A040);
                break;
            case Extra::Scarf: p.Rect(5, shoulder, 5, 2, 0x8A3A3A); p.Rect(8, shoulder + 2, 2, 4, 0x8A3A3A); break;
            case Extra::None: break;
        }
    } else if (k.extra == Extra::Stripe) {
        p.Rect(3, shoulder + 11, 9, 1, 0xF2E040);
    }
    // Arms.
    const int leftHand = shoulder + 16 - static_cast<int>(pose.farArm);
    const int rightHand = shoulder + 16 - static_cast<int>(pose.nearArm);
    if (pose.handsTogether && !back) {
        p.Rect(2, shoulder + 1, 2, 10, Shade(k.coat, 0.9));
        p.Rect(11, shoulder + 1, 2, 10, Shade(k.coat, 0.9));
        p.Rect(3, shoulder + 10, 9, 2, Shade(k.coat, 0.8));
        p.Rect(6, shoulder + 10, 3, 2, kSkin);
    } else {
        p.Rect(1, shoulder + 1, 2, leftHand - shoulder - 1, Shade(k.coat, 0.9));
        p.Rect(1, leftHand, 2, 2, kSkin);
        if (pose.watch && !back) {
            p.Rect(12, shoulder + 1, 2, 7, Shade(k.coat, 0.9));
            p.Rect(10, shoulder + 6, 3, 2, Shade(k.coat, 0.9));
            p.Rect(9, shoulder + 5, 2, 2, kSkin);
        } else {
            p.Rect(12, shoulder + 1, 2, rightHand - shoulder - 1, Shade(k.coat, 0.9));
            p.Rect(12, rightHand, 2, 2, kSkin);
            if (pose.holding) Carried(p, k, 12, rightHand + 2, false);
        }
    }
    // Head.
    p.Rect(cx - 1, top + 7, 3, 2, kSkinShade);
    p.Rect(cx - 2, top, 5, 8, back ? k.hair : kSkin);
    if (!back) {
        p.Set(cx - 1, top + 3, kEye);
        p.Set(cx + 1, top + 3, kEye);
        p.Set(cx, top + 6, kSkinShade);
        p.Set(cx - 3, top + 3, kSkin);
        p.Set(cx + 3, top + 3, kSkinShade);
    }
    HatAndHair(p, k, cx, top, false, back);
    return p.r;
}

// Walking: contact, passing, contact, passing.
Pose WalkPose(int frame, bool profile) {
    Pose p;
    const double swing[4] = {3, 0, -3, 0};
    if (profile) {
        p.nearLeg = swing[frame];
        p.farLeg = -swing[frame];
        p.nearArm = -swing[frame] * 0.8;
        p.farArm = swing[frame] * 0.8;
        p.nearLift = frame == 1 ? 1 : 0;
        p.farLift = frame == 3 ? 1 : 0;
        p.bob = (frame % 2 == 1) ? -1 : 0;
    } else {
        p.nearLift = frame == 0 ? 2 : 0;
        p.farLift = frame == 2 ? 2 : 0;
        p.nearArm = frame == 2 ? 1 : 0;
        p.farArm = frame == 0 ? 1 : 0;
        p.bob = (frame % 2 == 1) ? -1 : 0;
    }
    return p;
}

// Standing: four holds (b) with five small variations each (c 1..5) and a
// glance at the watch (c 0).
Pose StandPose(int b, int c) {
    Pose p;
    p.holding = b == 1;
    p.handsTogether = b == 2;
    if (b == 3) p.nearArm = 2;  // a hand in the pocket
    switch (c) {
        case 0: p.watch = true; break;
        case 1: break;
        case 2: p.headDx = -1; p.nearLeg = 1; break;
        case 3: p.farLeg = -1; p.farArm = 1; break;
        case 4: p.headDx = 1; p.farLeg = 1; break;
        case 5: p.bob = 0; p.nearLeg = -1; p.nearArm += 1; break;
        default: break;
    }
    return p;
}

Raster Figure(const Look& k, int facing, const Pose& pose) {
    if (facing == 0 || facing == 1) {
        Raster r = Profile(k, pose);
        if (facing == 0) {
            Pixels p;
            p.r = r;
            p.Mirror();
            r = p.r;
        }
        r.At(0, kH - 1) = kKey;
        return r;
    }
    Raster r = Frontal(k, pose, facing == 2);
    r.At(0, kH - 1) = kKey;
    return r;
}

}  // namespace

// A standing figure of a class (4: the alighting look).
Raster DrawStandingPerson(int look, int facing, int b, int c) { return Figure(kLooks[look], facing, StandPose(b, c)); }

void AddPeople(Catalogue& c) {
    for (int cls = 0; cls < 4; ++cls) {
        const std::string dir = "Textures/LidePohyb1/" + std::to_string(cls) + "/";
        for (int v = 0; v < 4; ++v)
            for (int w = 0; w < 4; ++w)
                c.Picture(dir + std::to_string(v) + std::to_string(w) + ".bmp",
                          [cls, v, w] { return Figure(kLooks[cls], v, WalkPose(w, v < 2)); });
        const std::string sdir = "Textures/LideStatic/" + std::to_string(cls) + "/";
        for (int a = 0; a < 4; ++a)
            for (int b = 0; b < 4; ++b)
                for (int z = 0; z < 6; ++z)
                    c.Picture(sdir + std::to_string(a) + std::to_string(b) + std::to_string(z) + ".bmp",
                              [cls, a, b, z] { return Figure(kLooks[cls], a, StandPose(b, z)); });
    }
    for (int v = 0; v < 4; ++v)
        for (int w = 0; w < 4; ++w)
            c.Picture("Textures/LidePohyb2/" + std::to_string(v) + std::to_string(w) + ".bmp",
                      [v, w] { return Figure(kLooks[4], v, WalkPose(w, v < 2)); });
}

}  // namespace assets
