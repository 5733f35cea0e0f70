// The route table: the rows of the played lines value by value, the line
// table, and the other lines against the rules every part of the game
// relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "game/route.h"

namespace {

using Row = std::array<int32, 17>;

Row Fields(const RouteSection& s) {
    return {s.line,       s.mapTex,          s.roadTex,        s.hasStop,      s.endOfLine, s.boardTex,
            s.shelterTex, s.hasLight,        s.newPassengersMax[0], s.newPassengersMax[1],
            s.newPassengersMax[2], s.newPassengersMax[3], s.speedLimit, s.traffic, s.scheduledMinute,
            s.schemeX,    s.schemeY};
}

int32 LineLastRow(int32 line) {
    return line + 1 < kLineCount ? g_lines[line + 1].firstRow - 1 : kRouteRows - 1;
}

}  // namespace

// line, map/road, map/road, stop, end, board, shelter, light, waiting 0..3,
// limit, traffic, minute, scheme x, scheme y
TEST(RouteTable, PlayedLinesRowByRow) {
    const Row expected[28] = {
        {0, 502, 502, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 5, 0, 499, 669},
        {0, 0, 0, 1, 0, 0, 1, 0, 20, 0, 0, 0, 60, 5, 0, 436, 666},
        {0, 501, 501, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 6, 2, 390, 635},
        {0, 1, 1, 1, 0, 1, 0, 1, 20, 0, 0, 0, 60, 6, 2, 408, 608},
        {0, 2, 2, 1, 0, 2, 2, 1, 5, 0, 0, 0, 45, 7, 3, 477, 608},
        {0, 500, 500, 1, 1, 40, 0, 0, 0, 0, 0, 0, 60, 6, 4, 521, 622},
        {1, 502, 502, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 5, 0, 499, 669},
        {1, 0, 0, 1, 0, 0, 1, 0, 20, 15, 0, 0, 60, 5, 0, 436, 666},
        {1, 501, 501, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 6, 3, 390, 635},
        {1, 502, 502, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 7, 3, 400, 579},
        {1, 3, 3, 1, 0, 3, 1, 1, 15, 10, 0, 0, 60, 8, 3, 419, 552},
        {1, 501, 501, 0, 0, 0, 0, 0, 0, 0, 0, 0, 60, 7, 4, 459, 572},
        {1, 2, 2, 1, 0, 2, 2, 1, 5, 0, 0, 0, 45, 7, 4, 477, 608},
        {1, 500, 500, 1, 1, 40, 0, 0, 0, 0, 0, 0, 60, 6, 5, 521, 622},
        {2, 502, 502, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 5, 0, 499, 669},
        {2, 0, 0, 1, 0, 0, 1, 0, 5, 5, 0, 0, 60, 5, 0, 436, 666},
        {2, 4, 4, 1, 0, 4, 2, 1, 5, 5, 0, 0, 60, 5, 1, 371, 666},
        {2, 5, 5, 1, 0, 5, 2, 1, 5, 10, 0, 0, 60, 4, 2, 326, 666},
        {2, 6, 6, 1, 0, 6, 4, 1, 5, 35, 0, 0, 45, 3, 3, 270, 667},
        {2, 503, 503, 0, 0, 0, 0, 1, 0, 0, 0, 0, 60, 2, 5, 207, 685},
        {2, 7, 7, 1, 0, 7, 5, 1, 5, 20, 0, 0, 45, 2, 5, 190, 653},
        {2, 8, 8, 1, 0, 8, 6, 0, 5, 20, 0, 0, 45, 2, 6, 222, 630},
        {2, 9, 9, 1, 0, 9, 4, 1, 5, 10, 0, 0, 60, 4, 7, 255, 611},
        {2, 10, 10, 1, 0, 10, 3, 1, 10, 10, 0, 0, 60, 5, 8, 307, 609},
        {2, 11, 11, 1, 0, 11, 1, 1, 15, 10, 0, 0, 60, 5, 9, 354, 609},
        {2, 1, 1, 1, 0, 1, 0, 1, 10, 5, 0, 0, 60, 6, 10, 408, 608},
        {2, 2, 2, 1, 0, 2, 2, 1, 5, 5, 0, 0, 45, 7, 11, 477, 608},
        {2, 500, 500, 1, 1, 40, 0, 0, 0, 0, 0, 0, 60, 6, 12, 521, 622},
    };
    for (int32 r = 0; r < 28; ++r) EXPECT_EQ(Fields(g_route[r]), expected[r]) << "row " << r;
}

TEST(RouteTable, LineTableAndLightsOfEveryLine) {
    const LineEntry expected[kLineCount] = {{0, 4, 5},    {6, 4, 13},   {14, 12, 27}, {28, 7, 40},
                                            {42, 9, 52},  {53, 6, 63},  {64, 8, 75},  {76, 8, 86},
                                            {87, 7, 97},  {99, 20, 127}, {128, 20, 161}};
    const int32 lights[kLineCount] = {4, 5, 11, 3, 7, 8, 9, 5, 5, 19, 16};
    for (int32 line = 0; line < kLineCount; ++line) {
        SCOPED_TRACE(line);
        const LineEntry& e = g_lines[line];
        EXPECT_EQ(e.firstRow, expected[line].firstRow);
        EXPECT_EQ(e.stops, expected[line].stops);
        EXPECT_EQ(e.endRow, expected[line].endRow);
        int32 stops = 0, termini = 0, lit = 0;
        for (int32 r = e.firstRow; r <= LineLastRow(line); ++r) {
            EXPECT_EQ(g_route[r].line, line) << "row " << r;
            termini += g_route[r].endOfLine;
            lit += g_route[r].hasLight;
            if (r <= e.endRow) stops += g_route[r].hasStop;
        }
        EXPECT_EQ(stops, e.stops);
        EXPECT_EQ(termini, 1);
        EXPECT_EQ(g_route[e.endRow].endOfLine, 1);
        EXPECT_EQ(lit, lights[line]);
    }
}

TEST(RouteTable, EveryRowKeepsTheFieldRules) {
    for (int32 r = 0; r < kRouteRows; ++r) {
        SCOPED_TRACE(r);
        const RouteSection& s = g_route[r];
        EXPECT_EQ(s.roadTex, s.mapTex);
        EXPECT_TRUE((s.mapTex >= 0 && s.mapTex <= 37) || (s.mapTex >= 500 && s.mapTex <= 504));
        EXPECT_TRUE(s.endOfLine == 0 || (s.endOfLine == 1 && s.hasStop == 1));
        EXPECT_TRUE(s.boardTex >= 0 && s.boardTex <= 41);
        EXPECT_TRUE(s.shelterTex >= 0 && s.shelterTex <= 6);
        EXPECT_TRUE(s.speedLimit == 30 || s.speedLimit == 45 || s.speedLimit == 60);
        EXPECT_TRUE(s.traffic >= 2 && s.traffic <= 8);
        EXPECT_TRUE(s.schemeX >= 1 && s.schemeX <= 585);
        EXPECT_TRUE(s.schemeY >= 552 && s.schemeY <= 743);
        for (int32 v : s.newPassengersMax) EXPECT_TRUE(v >= 0 && v <= 35);
        if (s.hasStop == 0) {
            EXPECT_EQ(s.boardTex + s.shelterTex, 0);
            for (int32 v : s.newPassengersMax) EXPECT_EQ(v, 0);
        } else if (s.endOfLine == 0) {
            EXPECT_EQ(s.boardTex, s.mapTex);
        }
    }
    for (const LineEntry& e : g_lines) {
        EXPECT_EQ(g_route[e.firstRow].hasStop, 0);
        EXPECT_GE(g_route[e.firstRow].mapTex, 502);
        for (int32 v : g_route[e.endRow].newPassengersMax) EXPECT_EQ(v, 0);
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
