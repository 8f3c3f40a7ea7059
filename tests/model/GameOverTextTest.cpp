// What the board says at the end of a game, at both ends of the points' range.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "QtPrinting.h"
#include "model/GameOverText.h"

namespace {

LeadsTable TableOf(const std::vector<int32_t>& points) {
    LeadsTable table = DefaultLeadsTable();
    for (size_t i = 0; i < points.size(); ++i) SetLeadEntry(table, int(i + 1), QStringLiteral("p"), points[i]);
    return table;
}

}  // namespace

TEST(GameOverText, SaysThePlaceOrWhatTheTenthNeeds) {
    struct Case {
        int32_t points;
        std::vector<int32_t> table;  // entries 1.. ; the rest as in a new table
        bool ranked;
        const char* said;
    };
    const Case cases[] = {
        {1800, {1800}, true, "Game over: 1800 points, place 1 in the leaders table."},
        {1800, {2000, 1800, 1800}, true, "Game over: 1800 points, place 3 in the leaders table."},
        {5, {90, 80, 70, 60, 50, 40, 30, 20, 10, 5}, true, "Game over: 5 points, place 10 in the leaders table."},
        {1800, {9, 9, 9, 9, 9, 9, 9, 9, 9, 1900}, false, "Game over: 1800 points. The tenth place needs 1901 points."},
        {-30, {}, false, "Game over: -30 points. The tenth place needs 1 point."},
        {-30, {9, 9, 9, 9, 9, 9, 9, 9, 9, -2}, false, "Game over: -30 points. The tenth place needs -1 point."},
        {INT32_MIN, {9, 9, 9, 9, 9, 9, 9, 9, 9, INT32_MAX}, false,
         "Game over: -2147483648 points. The tenth place needs 2147483648 points."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GameOverText(c.points, TableOf(c.table), c.ranked), QString::fromUtf8(c.said) + "\nF2 starts a new game.")
            << c.said;
}

TEST(GameOverText, OneIsSingular) {
    const std::pair<int64_t, const char*> cases[] = {
        {0, "0 points"}, {1, "1 point"}, {-1, "-1 point"}, {2, "2 points"}, {int64_t(INT32_MAX) + 1, "2147483648 points"}};
    for (const auto& [points, text] : cases) EXPECT_EQ(PointsText(points), QString::fromUtf8(text));
}
