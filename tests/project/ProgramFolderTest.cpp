#include <gtest/gtest.h>

#include <filesystem>

#include "project/ProgramFolder.h"
#include "tests/project/ProjectTestSupport.h"

namespace tidewell {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::ScratchFolder;
using testing::WriteBytes;

// An installation: the executable's folder, the shared data beside it and a per-user folder.
struct Installation {
    ScratchFolder root;
    fs::path bin = root.path() / "bin";
    fs::path share = root.path() / "share" / "tidewell";
    fs::path user = root.path() / "home" / "ana" / ".local" / "Tidewell";

    Installation() {
        fs::create_directories(bin);
        fs::create_directories(share);
    }
};

TEST(LocateProgramFolder, FirstRunCopiesTheInstalledDatabase) {
    Installation install;
    const std::string database("record\0with\xFF bytes", 18);
    WriteBytes(install.share / "DesMat.Dat", database);
    const ProgramFolder location = LocateProgramFolder(install.bin, install.user);
    EXPECT_EQ(location.folder, install.user);
    EXPECT_EQ(location.materialsFile, install.user / "DesMat.Dat");
    EXPECT_TRUE(location.seeded);
    EXPECT_TRUE(location.problem.empty());
    EXPECT_EQ(ReadBytes(install.user / "DesMat.Dat"), database);
    // Nothing but the database is left in the new folder.
    EXPECT_EQ(testing::EntryCount(install.user), 1);
}

}  // namespace
}  // namespace tidewell
