#include <gtest/gtest.h>

#include "project/ProjectPaths.h"

namespace tidewell {
namespace {

struct PathRow {
    const char* name;
    const char* path;
    const char* programFolder;
    const char* normalised;
};

class NormaliseProjectPathTest : public ::testing::TestWithParam<PathRow> {};

TEST_P(NormaliseProjectPathTest, AppliesExtensionAndFolderRules) {
    EXPECT_EQ(NormaliseProjectPath(GetParam().path, GetParam().programFolder),
              GetParam().normalised);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NormaliseProjectPathTest,
    ::testing::Values(PathRow{"BackslashFolderGetsExtension", "c:\\p\\tank", "/opt/tw",
                              "c:\\p\\tank.PRJ"},
                      PathRow{"BareNameInProgramFolder", "tank", "/opt/tw", "/opt/tw/tank.PRJ"},
                      PathRow{"BareNameWithExtension", "tank.prj", "/opt/tw", "/opt/tw/tank.prj"},
                      PathRow{"OtherExtension", "/d/tank.txt", "/opt/tw", "/d/tank.txt.PRJ"}),
    [](const auto& row) { return std::string(row.param.name); });

struct TitleRow {
    const char* name;
    const char* path;
    const char* title;
};

class ProjectFileTitleTest : public ::testing::TestWithParam<TitleRow> {};

TEST_P(ProjectFileTitleTest, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(ProjectFileTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Paths, ProjectFileTitleTest,
                         ::testing::Values(TitleRow{"Backslash", "C:\\designs\\probe.prj",
                                                    "probe.prj"},
                                           TitleRow{"Slash", "/home/ana/probe.prj", "probe.prj"}),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace tidewell
