#include <gtest/gtest.h>

#include "project/RecentProjects.h"

namespace tidewell {
namespace {

RecentProjects Sample() {
    return {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"};
}

struct RecentRow {
    const char* name;
    const char* added;
    RecentProjects expected;
};

class AddRecentProjectTest : public ::testing::TestWithParam<RecentRow> {};

TEST_P(AddRecentProjectTest, PutsThePathFirst) {
    RecentProjects recent = Sample();
    AddRecentProject(recent, GetParam().added);
    EXPECT_EQ(recent, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AddRecentProjectTest,
    ::testing::Values(
        RecentRow{"AlreadyFirst", "/d/a.prj", {"/d/a.prj", "/d/b.prj", "/d/c.prj", "/d/d.prj"}},
        RecentRow{"SecondMovesUp", "/d/b.prj", {"/d/b.prj", "/d/a.prj", "/d/c.prj", "/d/d.prj"}},
        RecentRow{
            "ThirdMovesToFront", "/d/c.prj", {"/d/c.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        RecentRow{
            "FourthMovesToFront", "/d/d.prj", {"/d/d.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}},
        RecentRow{"FoundIgnoringCaseTakesNewSpelling",
                  "/d/C.prj",
                  {"/d/C.prj", "/d/a.prj", "/d/b.prj", "/d/d.prj"}},
        RecentRow{
            "FifthDropsTheOldest", "/d/e.prj", {"/d/e.prj", "/d/a.prj", "/d/b.prj", "/d/c.prj"}}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
