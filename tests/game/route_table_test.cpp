// The route table against the rules every part of the game relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/route.h"

namespace {

// Rows a line owns: from its first row up to the next line's first row.
int32 LineLastRow(int32 line) {
    return line + 1 < kLineCount ? g_lines[line + 1].firstRow - 1 : kRouteRows - 1;
}

}  // namespace

TEST(RouteTable, LinesAreContiguousWithOneTerminusAndTheirStopCounts) {
    EXPECT_EQ(g_lines[0].firstRow, 0);
    for (int32 line = 0; line < kLineCount; ++line) {
        SCOPED_TRACE(line);
        const LineEntry& e = g_lines[line];
        ASSERT_TRUE(e.firstRow < e.endRow && e.endRow <= LineLastRow(line));

        int32 stopCount = 0, termini = 0;
        for (int32 r = e.firstRow; r <= LineLastRow(line); ++r) {
            EXPECT_EQ(g_route[r].line, line) << "row " << r;
            termini += g_route[r].endOfLine;
            if (r <= e.endRow) stopCount += g_route[r].hasStop;
        }
        EXPECT_EQ(stopCount, e.stops);
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
