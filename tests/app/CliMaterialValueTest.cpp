// A project whose material has a negative modulus in the materials file is refused by the
// command-line program with the validation line, as the desktop program refuses it.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "materials/MaterialsFile.h"

namespace {

namespace fs = std::filesystem;
using namespace tidewell;

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(CliMaterialValue, NegativeModulusStopsTheRun) {
    const fs::path folder = fs::temp_directory_path() / "tidewell-cli-negative-modulus";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path database = folder / "DesMat.Dat";
    fs::copy_file(TIDEWELL_MATERIALS_DATABASE, database);
    MaterialRecord titanium = ReadMaterial(database.string(), "Ti-6Al-4V Annealed");
    titanium.ModulusValue = -titanium.ModulusValue;
    ASSERT_TRUE(UpdateMaterial(database.string(), titanium));

    const std::string project =
        std::string(TIDEWELL_SOURCE_DIR) + "/data/examples/TitaniumTube6000m.prj";
    const std::string command = std::string("'") + TIDEWELL_CLI_PATH + "' validate '" + project +
                                "' --materials '" + database.string() + "' 2>'" +
                                (folder / "err").string() + "' >/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 1);
    EXPECT_EQ(Read(folder / "err"), "Invalid Design Parameters:\n     Young's Modulus\n");
    fs::remove_all(folder);
}

}  // namespace
