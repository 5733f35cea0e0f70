// Drawing kit of the town: houses, public buildings, trees, water, boats,
// planes. Everything stands on a ground line and is lit from the upper left.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

#include "assets/rng.h"

namespace assets::town {

enum class Roof { Flat, Pitched, Mansard, Gable };

struct House {
    double x = 0, width = 120;
    int floors = 3;
    double floorHeight = 36;
    std::uint32_t wall = 0xE9DDC0;
    std::uint32_t trim = 0xFFFFFF;
    std::uint32_t roofColor = 0xA8472F;
    Roof roof = Roof::Pitched;
    int windowsPerFloor = 3;
    bool shop = false;              // shop front on the ground floor
    std::string sign;               // the shop's name
    std::uint32_t awning = 0xC43C32;
    bool shutters = false;
    bool flowers = false;
    bool chimney = true;
};

void DrawHouse(cairo_t* cr, Rng& rng, double ground, const House& house);

// A random house of a town street fitting `width`.
House RandomHouse(Rng& rng, double x, double width, int minFloors, int maxFloors);

void DrawWindow(cairo_t* cr, double x, double y, double w, double h, std::uint32_t frame, bool arched = false);
void DrawDeciduousTree(cairo_t* cr, Rng& rng, double x, double ground, double height);
void DrawConifer(cairo_t* cr, Rng& rng, double x, double ground, double height);
void DrawBush(cairo_t* cr, Rng& rng, double x, double ground, double width);
void DrawCloud(cairo_t* cr, Rng& rng, double cx, double cy, double width);
void DrawBird(cairo_t* cr, double x, double y, double span, double flap);
void DrawLampPost(cairo_t* cr, double x, double ground, double height);
void DrawBench(cairo_t* cr, double x, double ground);
void DrawIronFence(cairo_t* cr, double x0, double x1, double ground, double height);

// Water surface between y0 and y1 with ripples.
void DrawWater(cairo_t* cr, Rng& rng, double x0, double x1, double y0, double y1);
void DrawRowingBoat(cairo_t* cr, double x, double waterline, double length, std::uint32_t hull);
void DrawShip(cairo_t* cr, double x, double waterline, double length, std::uint32_t hull,
              const std::string& name);
void DrawCrane(cairo_t* cr, double x, double ground, double height, bool facingRight);
void DrawPlane(cairo_t* cr, double cx, double cy, double length, double climb, bool jet);
void DrawChurch(cairo_t* cr, Rng& rng, double x, double ground, double scale, std::uint32_t wall,
                std::uint32_t roof);
void DrawClock(cairo_t* cr, double cx, double cy, double r, double hour, double minute);
void DrawFountain(cairo_t* cr, double cx, double ground, double width);
void DrawWindmill(cairo_t* cr, double x, double ground, double height, double angle);

// A sign board with capital letters.
void DrawSignBoard(cairo_t* cr, double cx, double y, const std::string& text, double size, std::uint32_t board,
                   std::uint32_t ink);

}  // namespace assets::town
