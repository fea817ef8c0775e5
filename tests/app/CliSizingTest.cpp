// The size and sweep commands run as the real program: refusals with their messages, and a
// resized project that reopens and rates to its target.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CliSizing : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("tidewell-size-" + std::to_string(::getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Arguments are given already quoted for the shell.
    Outcome Run(const std::string& arguments) {
        const std::string command = "cd '" + folder_.string() + "' && HOME='" + folder_.string() +
                                    "' '" + TIDEWELL_CLI_PATH + "' " + arguments +
                                    " --materials '" + TIDEWELL_MATERIALS_DATABASE +
                                    "' >out.txt 2>err.txt";
        Outcome outcome;
        const int raw = std::system(command.c_str());
        outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        outcome.out = Slurp(folder_ / "out.txt");
        outcome.err = Slurp(folder_ / "err.txt");
        return outcome;
    }

    static std::string Example(const char* name) {
        return "'" + std::string(TIDEWELL_SOURCE_DIR) + "/data/examples/" + name + "'";
    }

    fs::path folder_;
};

TEST_F(CliSizing, ResizedProjectReopensAndRatesToTheTarget) {
    const Outcome sized = Run("size " + Example("TitaniumTube6000m.prj") +
                              " --depth 6000 --depth-unit 'm (sea)' --safety 1.5,3 --vary wall"
                              " -o resized.prj");
    ASSERT_EQ(sized.status, 0) << sized.err;
    EXPECT_EQ(sized.out.rfind("Wall thickness: ", 0), 0U) << sized.out;
    const Outcome rated =
        Run("report resized.prj --safety 1.5,3 --depth-unit 'm (sea)' --digits 9");
    ASSERT_EQ(rated.status, 0) << rated.err;
    const std::string label = "Rated depth    :  ";
    const size_t at = rated.out.find(label);
    ASSERT_NE(at, std::string::npos) << rated.out;
    const double depth = std::strtod(rated.out.c_str() + at + label.size(), nullptr);
    EXPECT_GE(depth, 6000.0);
    EXPECT_NEAR(depth, 6000.0, 6000.0 * 1e-6);
}

TEST_F(CliSizing, RefusalsSayWhy) {
    const Outcome deep = Run("size " + Example("TitaniumTube6000m.prj") +
                             " --depth 60000 --depth-unit 'm (sea)' --vary wall");
    EXPECT_EQ(deep.status, 2);
    EXPECT_EQ(deep.err.rfind("No wall thickness from ", 0), 0U) << deep.err;
    EXPECT_NE(deep.err.find("the highest rated depth in that range is "), std::string::npos);
    const Outcome sphere =
        Run("size " + Example("GlassSphereFloat.prj") + " --depth 100 --vary length");
    EXPECT_EQ(sphere.status, 2);
    EXPECT_EQ(sphere.err, "Only a tube has a length to vary.\n");
}

TEST_F(CliSizing, SweepWritesOneWellFormedRowPerValue) {
    const Outcome sweep = Run("sweep " + Example("TitaniumTube6000m.prj") +
                              " --vary wall --from 2 --to 20 --unit mm --steps 4 --csv"
                              " --safety 1.5");
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    std::istringstream lines(sweep.out);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        EXPECT_EQ(std::count(line.begin(), line.end(), ','), 6) << line;
    }
    EXPECT_EQ(count, 6);
}

// A housing kept in two projects: the tube with the endcap of another project, each with its own
// material (the aluminium endcap buckles at 15800 psi: 5266.7 psi, 11768 ft = 3587.0 m rated);
// --endcap needs --safety; size notes the endcap short of 6000 m; a first project without a body
// is refused.
TEST_F(CliSizing, HousingOfTwoProjects) {
    const std::string endcap = " --endcap " + Example("AluminumHemisphericalEndcap.prj");
    const Outcome housing =
        Run("table " + Example("TitaniumTube6000m.prj") + " --safety 1.5,3" + endcap);
    EXPECT_EQ(housing.status, 0) << housing.err;
    EXPECT_NE(housing.out.find("Housing (endcap AluminumHemisphericalEndcap.prj): 3587.0 m (sea), "
                               "governed by the endcap (Thin Wall Buckling)"),
              std::string::npos);
    EXPECT_EQ(Run("table " + Example("TitaniumTube6000m.prj") + endcap).status, 64);
    const Outcome sized = Run("size " + Example("TitaniumTube6000m.prj") +
                              " --depth 6000 --vary wall --safety 1.5,3" + endcap);
    EXPECT_NE(sized.err.find("note: The endcap rates to 3587.0 m (sea) (Thin Wall Buckling)"),
              std::string::npos);
    const Outcome noBody =
        Run("table " + Example("AcrylicAnnularPort.prj") + " --safety 2" + endcap);
    EXPECT_EQ(noBody.status, 2);
    EXPECT_NE(noBody.err.find("has no body"), std::string::npos);
}

}  // namespace
