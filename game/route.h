// The route table: one constant row per landscape tile of the eleven
// lines, the rows of each line stored one after another, and the line
// table that gives each line its first row and its number of stops.
// Nothing writes either table while the game runs.
#pragma once

#include "game/state.h"

struct RouteSection {
    int32 line;                 // 0..10
    int32 mapTex;               // landscape picture 0..37 or 500..504
    int32 roadTex;              // road picture, always equal to mapTex
    int32 hasStop;              // 0, 1
    int32 endOfLine;            // 1: the terminus stop of the line
    int32 boardTex;             // stop board picture 0..41, 0 without a stop
    int32 shelterTex;           // stop shelter picture 0..6, 0 without a stop
    int32 hasLight;             // traffic light with a pedestrian crossing
    int32 newPassengersMax[4];  // bound of new waiting persons per class, 0..35
    int32 speedLimit;           // 30, 45, 60 km/h (also the sign picture)
    int32 traffic;              // 2..8: traffic loop, car and passer-by spawns
    int32 scheduledMinute;      // timetable minute of the stop, 0..25
    int32 schemeX;              // Left of Shape1 on the line scheme
    int32 schemeY;              // Top of Shape1 on the line scheme
};

constexpr int32 kRouteRows = 163;
constexpr int32 kLineCount = 11;

extern const RouteSection g_route[kRouteRows];

// One entry of the line table.
struct LineEntry {
    int32 firstRow;   // first row of the line in g_route (never a stop)
    int32 stops;      // rows with a stop from firstRow to endRow
    int32 endRow;     // the line's end-of-line row
};
extern const LineEntry g_lines[kLineCount];

// True when `index` is a row of g_route.
inline bool IsRouteRow(int32 index) { return index >= 0 && index < kRouteRows; }
// True when `line` is a row of the line table.
inline bool IsLine(int32 line) { return line >= 0 && line < kLineCount; }

// The row at `index`, clamped into the table so a stray index can never
// read outside it.
const RouteSection& RouteRow(int32 index);
// The current row, g_route[g_sectionIndex] (clamped like RouteRow).
const RouteSection& CurrentSection();

// The street noise looped on the traffic channel for a row's traffic
// level (a quiet street, level 0 or 1, has none: nullptr).
const char* TrafficLoopFile(int32 traffic);
