// The tram pictures against the game's own tram layouts: the body lets the
// displays, the open doors and the stop's takings label show through, the
// doors open wide enough for the walking arithmetic to land on the floor,
// and the wheels stand on the rail.
#include <gtest/gtest.h>

#include <string>

#include "game/tram_layout.h"
#include "tests/assets/asset_reader.h"

namespace {

using asset_test::N;
using asset_test::Picture;
using asset_test::ReadPicture;

// True when every body pixel over the screen rectangle is see-through.
bool SeeThrough(const Picture& body, const TramModelRow& t, int x, int y, int w, int h) {
    for (int sy = y; sy < y + h; ++sy)
        for (int sx = x; sx < x + w; ++sx) {
            const int bx = sx - t.bodyX, by = sy - t.bodyY;
            if (bx < 0 || by < 0 || bx >= body.width || by >= body.height) continue;
            if (!body.See(bx, by)) return false;
        }
    return true;
}

bool OnFloor(const TramModelRow& t, int x) {
    for (const FloorStrip& s : t.floorStrips)
        if (!(s.xFrom == 0 && s.xTo == 0 && s.y == 0) && s.xFrom < x && x < s.xTo) return true;
    return false;
}

TEST(TramPictures, BodyShowsDisplaysOpenDoorsAndTheTakingsLabel) {
    for (int tram = 1; tram <= kTramCount; ++tram) {
        const TramModelRow& t = *TramModelOf(tram);
        const int m = tram - 1;
        const Picture body = ReadPicture("Textures/Vozy/TKaroserie" + N(m) + ".bmp");
        EXPECT_LE(t.bodyY + body.height, 538) << tram;
        // The front ends where the crossing passes under it (x 1015..1020).
        EXPECT_NEAR(t.bodyX + body.width, 1017, 3) << tram;
        for (const int* d : {t.display1, t.display2})
            if (d[0] >= 0) {
                EXPECT_TRUE(SeeThrough(body, t, d[0], d[1], 30, 30)) << "display, tram " << tram;
            }
        const Picture open = ReadPicture("Textures/Dvere/" + N(m) + "10.bmp");
        for (const auto& door : t.doors) {
            if (door[0] == kAbsentDoorPos) continue;
            EXPECT_TRUE(SeeThrough(body, t, door[0], door[1], open.width, open.height - 6)) << "door, tram " << tram;
            EXPECT_TRUE(OnFloor(t, door[0] + open.width / 2 + 2)) << "boarding target, tram " << tram;
            EXPECT_TRUE(OnFloor(t, door[0] + open.width / 2 - 18)) << "alighting target, tram " << tram;
        }
        // labPrijem (top 296, Arial 32) is centred on the body and lies behind it.
        const int centre = t.bodyX + body.width / 2;
        EXPECT_TRUE(SeeThrough(body, t, centre - 40, 298, 80, 32)) << "takings label, tram " << tram;
    }
}

TEST(TramPictures, DoorsOpenStepByStepAndWheelsStandOnTheRail) {
    for (int tram = 1; tram <= kTramCount; ++tram) {
        const TramModelRow& t = *TramModelOf(tram);
        const int m = tram - 1;
        int previousOpen = -1;
        for (int f = 0; f <= 10; ++f) {
            const Picture door = ReadPicture("Textures/Dvere/" + N(m) + N(f) + ".bmp");
            int open = 0;  // see-through columns across the lower half of the doorway
            for (int x = 0; x < door.width; ++x) open += door.See(x, door.height * 3 / 4) ? 1 : 0;
            EXPECT_GE(open, previousOpen) << "tram " << tram << " frame " << f;
            previousOpen = open;
            if (f == 0) {
                EXPECT_EQ(open, 0) << "closed doors cover the doorway, tram " << tram;
            }
        }
        const Picture open = ReadPicture("Textures/Dvere/" + N(m) + "10.bmp");
        for (int y = 5; y < 65; ++y)
            for (int x = 5; x <= 39; ++x) ASSERT_TRUE(open.See(x, y)) << "tram " << tram << " at " << x << "," << y;
        for (const auto& wheel : t.wheels) {
            if (wheel[0] == kAbsentDoorPos) continue;
            const Picture w = ReadPicture("Textures/Kola/" + N(m) + "0.bmp");
            const int bottom = wheel[1] + w.height - 1;
            EXPECT_GE(bottom, 456) << tram;
            EXPECT_LE(bottom, 458) << tram;
        }
    }
}

// The depot shows a tram's preview in a 120 x 120 picture: the tram
// stands whole inside it, so the outer columns show the empty hall of the
// preview named -1 (its own notice keeps clear of them).
TEST(TramPictures, DepotPreviewsShowTheWholeTram) {
    const Picture hall = ReadPicture("Textures/Nahledy/Tramvaje/-1.bmp");
    for (int n = 0; n < kTramCount; ++n) {
        const Picture p = ReadPicture("Textures/Nahledy/Tramvaje/" + N(n) + ".bmp");
        ASSERT_EQ(p.width, hall.width);
        ASSERT_EQ(p.height, hall.height);
        int drawn = 0;
        for (int y = 0; y < p.height; ++y) {
            for (int x : {0, 1, 2, p.width - 3, p.width - 2, p.width - 1})
                ASSERT_EQ(p.At(x, y), hall.At(x, y)) << "tram " << n + 1 << " reaches the edge at " << x << "," << y;
            drawn += p.At(p.width / 2, y) != hall.At(p.width / 2, y);
        }
        EXPECT_GT(drawn, 15) << "tram " << n + 1 << " shows no tram in the middle";
    }
}

}  // namespace
