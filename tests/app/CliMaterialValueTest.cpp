// A project whose material has a negative modulus in the materials file is refused by the
// command-line program with the validation line, as the desktop program refuses it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "materials/MaterialsFile.h"
#include "tests/TestFiles.h"

namespace tidewell {
namespace {

TEST(CliMaterialValue, NegativeModulusStopsTheRun) {
    testing::ScratchFolder folder;
    const std::string database = folder.File("DesMat.Dat");
    std::filesystem::copy_file(TIDEWELL_MATERIALS_DATABASE, database);
    MaterialRecord titanium = ReadMaterial(database, "Ti-6Al-4V Annealed");
    titanium.ModulusValue = -titanium.ModulusValue;
    ASSERT_TRUE(UpdateMaterial(database, titanium));

    const std::string command = std::string("'") + TIDEWELL_CLI_PATH + "' validate '" +
                                TIDEWELL_SOURCE_DIR "/data/examples/TitaniumTube6000m.prj'" +
                                " --materials '" + database + "' 2>'" + folder.File("err") +
                                "' >/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(testing::ReadBytes(folder.File("err")),
              "Invalid Design Parameters:\n     Young's Modulus\n");
}

}  // namespace
}  // namespace tidewell
