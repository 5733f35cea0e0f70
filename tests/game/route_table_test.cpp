// The route table against the rules every part of the game relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <vector>

#include "game/route.h"

namespace {

// Rows a line owns: from its first row up to the next line's first row.
int32 LineLastRow(int32 line) {
    return line + 1 < kLineCount ? g_lines[line + 1].firstRow - 1 : kRouteRows - 1;
}

std::array<int32, sizeof(RouteSection) / sizeof(int32)> Fields(const RouteSection& s) {
    std::array<int32, sizeof(RouteSection) / sizeof(int32)> f;
    std::memcpy(f.data(), &s, sizeof s);
    return f;
}

}  // namespace

TEST(RouteTable, LinesAreContiguousWithOneTerminusAndTheirStopCounts) {
    const int32 firstRows[kLineCount] = {0, 6, 14, 28, 42, 53, 64, 76, 87, 99, 128};
    const int32 stops[kLineCount] = {4, 4, 12, 7, 9, 6, 8, 8, 7, 20, 20};
    const int32 endRows[kLineCount] = {5, 13, 27, 40, 52, 63, 75, 86, 97, 127, 161};
    const int32 lights[kLineCount] = {4, 5, 11, 3, 7, 8, 9, 5, 5, 19, 16};
    for (int32 line = 0; line < kLineCount; ++line) {
        SCOPED_TRACE(line);
        const LineEntry& e = g_lines[line];
        EXPECT_EQ(e.firstRow, firstRows[line]);
        EXPECT_EQ(e.stops, stops[line]);
        EXPECT_EQ(e.endRow, endRows[line]);

        int32 stopCount = 0, lightCount = 0, termini = 0;
        for (int32 r = e.firstRow; r <= LineLastRow(line); ++r) {
            EXPECT_EQ(g_route[r].line, line) << "row " << r;
            lightCount += g_route[r].hasLight;
            termini += g_route[r].endOfLine;
            if (r <= e.endRow) stopCount += g_route[r].hasStop;
        }
        EXPECT_EQ(stopCount, e.stops);
        EXPECT_EQ(lightCount, lights[line]);
        EXPECT_EQ(termini, 1);
        EXPECT_EQ(g_route[e.endRow].endOfLine, 1);

        const RouteSection& first = g_route[e.firstRow];
        EXPECT_EQ(first.hasStop, 0);
        EXPECT_TRUE(first.mapTex >= 502 && first.mapTex <= 504) << first.mapTex;

        const RouteSection& terminus = g_route[e.endRow];
        EXPECT_EQ(terminus.hasStop, 1);
        EXPECT_EQ(std::vector<int32>(terminus.newPassengersMax, terminus.newPassengersMax + 4),
                  std::vector<int32>(4, 0));
    }
}

TEST(RouteTable, EveryRowKeepsTheFieldRules) {
    for (int32 r = 0; r < kRouteRows; ++r) {
        SCOPED_TRACE(r);
        const RouteSection& s = g_route[r];
        EXPECT_EQ(s.roadTex, s.mapTex);
        EXPECT_TRUE((s.mapTex >= 0 && s.mapTex <= 37) || (s.mapTex >= 500 && s.mapTex <= 504));
        EXPECT_TRUE(s.hasStop == 0 || s.hasStop == 1);
        EXPECT_TRUE(s.hasLight == 0 || s.hasLight == 1);
        EXPECT_TRUE(s.endOfLine == 0 || (s.endOfLine == 1 && s.hasStop == 1));
        EXPECT_TRUE(s.boardTex >= 0 && s.boardTex <= 41);
        EXPECT_TRUE(s.shelterTex >= 0 && s.shelterTex <= 6);
        EXPECT_TRUE(s.speedLimit == 30 || s.speedLimit == 45 || s.speedLimit == 60);
        EXPECT_TRUE(s.traffic >= 2 && s.traffic <= 8);
        EXPECT_TRUE(s.scheduledMinute >= 0 && s.scheduledMinute <= 25);
        EXPECT_TRUE(s.schemeX >= 1 && s.schemeX <= 585);
        EXPECT_TRUE(s.schemeY >= 552 && s.schemeY <= 743);
        for (int32 v : s.newPassengersMax) EXPECT_TRUE(v >= 0 && v <= 35);

        if (s.hasStop == 0) {
            EXPECT_EQ(s.boardTex, 0);
            EXPECT_EQ(s.shelterTex, 0);
            for (int32 v : s.newPassengersMax) EXPECT_EQ(v, 0);
        } else if (s.endOfLine == 0) {
            EXPECT_EQ(s.boardTex, s.mapTex);
            EXPECT_GE(s.newPassengersMax[0], 3);  // the stop filling adds one on top
        }
    }
}

TEST(RouteTable, TimetableRisesFromZeroAtEveryStopOfALine) {
    for (int32 line = 0; line < kLineCount; ++line) {
        SCOPED_TRACE(line);
        std::vector<int32> minutes;
        for (int32 r = g_lines[line].firstRow; r <= g_lines[line].endRow; ++r)
            if (g_route[r].hasStop) minutes.push_back(g_route[r].scheduledMinute);
        ASSERT_FALSE(minutes.empty());
        EXPECT_EQ(minutes.front(), 0);
        EXPECT_TRUE(std::adjacent_find(minutes.begin(), minutes.end(), std::greater_equal<>()) ==
                    minutes.end());
    }
}

TEST(RouteTable, UnplayedLinesKeepTheirSummaries) {
    struct Summary {
        std::set<int32> pictures;
        std::set<int32> speeds;
        int32 trafficLow, trafficHigh;
        int32 largest[4];
        int32 terminusMinute;
    };
    auto range = [](int32 a, int32 b) {
        std::set<int32> s;
        for (int32 v = a; v <= b; ++v) s.insert(v);
        return s;
    };
    auto join = [](std::initializer_list<std::set<int32>> parts) {
        std::set<int32> s;
        for (const auto& p : parts) s.insert(p.begin(), p.end());
        return s;
    };
    const Summary summaries[] = {
        {join({{0, 4}, range(12, 18), range(500, 503)}), {45, 60}, 4, 8, {10, 15, 15, 0}, 7},
        {join({range(6, 9), range(19, 23), {503, 504}}), {45, 60}, 2, 4, {3, 20, 10, 0}, 9},
        {join({{5, 6}, range(24, 27), {500, 501, 503, 504}}), {45, 60}, 2, 5, {3, 30, 20, 5}, 7},
        {join({{6, 9, 19, 20, 25, 26, 28, 29}, range(502, 504)}), {45, 60}, 2, 5, {3, 10, 25, 15}, 9},
        {join({range(20, 23), range(30, 34), {503}}), {30, 45, 60}, 2, 6, {5, 20, 15, 15}, 9},
        {join({{20}, range(28, 32), {35, 36, 503, 504}}), {30, 45, 60}, 2, 6, {5, 20, 20, 25}, 9},
        {join({range(0, 2), range(4, 6), {9, 10}, range(20, 23), {25, 26}, range(30, 32),
               range(35, 37), {500}, range(502, 504)}),
         {30, 45, 60}, 2, 7, {15, 15, 10, 10}, 24},
        {join({{0}, range(4, 8), range(12, 18), {20, 24}, range(27, 34), range(500, 504)}),
         {30, 45, 60}, 2, 8, {15, 20, 10, 10}, 25},
    };
    for (int32 line = 3; line < kLineCount; ++line) {
        SCOPED_TRACE(line);
        const Summary& want = summaries[line - 3];
        std::set<int32> pictures, speeds;
        int32 low = 99, high = 0, largest[4] = {0, 0, 0, 0};
        for (int32 r = g_lines[line].firstRow; r <= LineLastRow(line); ++r) {
            const RouteSection& s = g_route[r];
            pictures.insert(s.mapTex);
            speeds.insert(s.speedLimit);
            low = std::min(low, s.traffic);
            high = std::max(high, s.traffic);
            for (int c = 0; c < 4; ++c) largest[c] = std::max(largest[c], s.newPassengersMax[c]);
        }
        EXPECT_EQ(pictures, want.pictures);
        EXPECT_EQ(speeds, want.speeds);
        EXPECT_EQ(low, want.trafficLow);
        EXPECT_EQ(high, want.trafficHigh);
        for (int c = 0; c < 4; ++c) EXPECT_EQ(largest[c], want.largest[c]) << "class " << c;
        EXPECT_EQ(g_route[g_lines[line].endRow].scheduledMinute, want.terminusMinute);
    }
}

TEST(RouteTable, KnownRowsAreExact) {
    struct Known {
        int32 row;
        RouteSection s;
    };
    const Known known[] = {
        {4, {0, 2, 2, 1, 0, 2, 2, 1, {5, 0, 0, 0}, 45, 7, 3, 477, 608}},
        {18, {2, 6, 6, 1, 0, 6, 4, 1, {5, 35, 0, 0}, 45, 3, 3, 270, 667}},
        {27, {2, 500, 500, 1, 1, 40, 0, 0, {0, 0, 0, 0}, 60, 6, 12, 521, 622}},
        {31, {3, 12, 12, 1, 0, 12, 3, 1, {3, 5, 15, 0}, 60, 4, 2, 341, 680}},
        {40, {3, 500, 500, 1, 1, 41, 0, 0, {0, 0, 0, 0}, 60, 6, 7, 561, 665}},
        {73, {6, 26, 26, 1, 0, 26, 5, 0, {3, 10, 25, 10}, 45, 3, 8, 183, 589}},
        {161, {10, 500, 500, 1, 1, 41, 0, 0, {0, 0, 0, 0}, 60, 6, 25, 561, 665}},
    };
    for (const Known& k : known) {
        EXPECT_EQ(Fields(g_route[k.row]), Fields(k.s)) << "row " << k.row;
    }
}

TEST(RouteTable, StrayIndexesAreClampedIntoTheTable) {
    EXPECT_EQ(&RouteRow(-1), &g_route[0]);
    EXPECT_EQ(&RouteRow(kRouteRows), &g_route[kRouteRows - 1]);
    EXPECT_EQ(&RouteRow(100000), &g_route[kRouteRows - 1]);
    const int32 saved = g_sectionIndex;
    g_sectionIndex = 27;
    EXPECT_EQ(CurrentSection().endOfLine, 1);
    g_sectionIndex = -7;
    EXPECT_EQ(&CurrentSection(), &g_route[0]);
    g_sectionIndex = saved;
}
