#include <gtest/gtest.h>

#include <limits>

#include "project/ProjectFile.h"
#include "project/ProjectWriter.h"
#include "tests/project/ProjectSamples.h"
#include "tests/project/ProjectTestSupport.h"
#include "units/ScriptedMessages.h"

namespace tidewell {
namespace {

using testing::SampleTubeDesign;
using testing::ScratchFolder;

// Compares every field the file holds.
void ExpectSameFileFields(const DesignRecord& a, const DesignRecord& b) {
    EXPECT_EQ(a.ProjectTitle, b.ProjectTitle);
    EXPECT_EQ(a.ProjectDescription, b.ProjectDescription);
    EXPECT_EQ(a.DesignerName, b.DesignerName);
    EXPECT_EQ(a.ProjectReserved1, b.ProjectReserved1);
    EXPECT_EQ(a.ProjectReserved2, b.ProjectReserved2);
    EXPECT_EQ(a.SignificantDigits, b.SignificantDigits);
    EXPECT_EQ(a.BodyType, b.BodyType);
    EXPECT_EQ(a.EndcapType, b.EndcapType);
    EXPECT_EQ(a.MaterialName, b.MaterialName);
    EXPECT_EQ(a.PressureSource, b.PressureSource);
    EXPECT_EQ(a.UnitSystem, b.UnitSystem);
    EXPECT_EQ(a.ForceThickWall, b.ForceThickWall);
    EXPECT_EQ(a.UseWorkingStrength, b.UseWorkingStrength);
    EXPECT_EQ(a.PressureRange, b.PressureRange);
    EXPECT_EQ(a.HomeFormLeft, b.HomeFormLeft);
    EXPECT_EQ(a.HomeFormTop, b.HomeFormTop);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(a.BodyDim[i], b.BodyDim[i]) << i;
        EXPECT_EQ(a.BodyDimEntered[i], b.BodyDimEntered[i]) << i;
        EXPECT_EQ(a.BodyDimUnit[i], b.BodyDimUnit[i]) << i;
        EXPECT_EQ(a.EndcapDimUnit[i], b.EndcapDimUnit[i]) << i;
    }
    EXPECT_EQ(a.BodyVolume, b.BodyVolume);
    EXPECT_EQ(a.BodyReserved, b.BodyReserved);
    EXPECT_EQ(a.BodyFormLeft, b.BodyFormLeft);
    EXPECT_EQ(a.BodyFormTop, b.BodyFormTop);
    EXPECT_EQ(a.BodyFormHeight, b.BodyFormHeight);
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(a.EndcapDim[i], b.EndcapDim[i]) << i;
        EXPECT_EQ(a.EndcapDimEntered[i], b.EndcapDimEntered[i]) << i;
    }
    EXPECT_EQ(a.EndcapVolume, b.EndcapVolume);
    EXPECT_EQ(a.EndcapReserved, b.EndcapReserved);
    EXPECT_EQ(a.UniformLoadOn, b.UniformLoadOn);
    EXPECT_EQ(a.LineLoadOn, b.LineLoadOn);
    EXPECT_EQ(a.LoadOption, b.LoadOption);
    EXPECT_EQ(a.EdgeRestraint, b.EdgeRestraint);
    EXPECT_EQ(a.EndcapFormLeft, b.EndcapFormLeft);
    EXPECT_EQ(a.EndcapFormTop, b.EndcapFormTop);
    EXPECT_EQ(a.EndcapFormHeight, b.EndcapFormHeight);
    EXPECT_EQ(a.RangeUnit, b.RangeUnit);
    EXPECT_EQ(a.FailureUnit, b.FailureUnit);
    EXPECT_EQ(a.WeightUnit, b.WeightUnit);
    EXPECT_EQ(a.PressureUnit, b.PressureUnit);
    EXPECT_EQ(a.DepthUnit, b.DepthUnit);
    EXPECT_EQ(a.StressUnit, b.StressUnit);
    EXPECT_EQ(a.DeflectionUnit, b.DeflectionUnit);
    EXPECT_EQ(a.AngleUnit, b.AngleUnit);
}

// Writes the design to a file, opens it into a fresh design and compares.
void ExpectRoundTrip(const DesignRecord& original) {
    ScratchFolder folder;
    DesignRecord written = original;
    ScriptedMessages messages;
    std::string path = folder.File("round.prj");
    ASSERT_TRUE(WriteProject(written, path, messages));
    DesignRecord read;
    read.ProgramVersion = "4.6";
    NewProject(read);
    DesignFormState form;
    const std::optional<ProjectData> data = ReadProject(path, "", read, messages);
    ASSERT_TRUE(data.has_value());
    ApplyProject(*data, read, form, messages);
    EXPECT_TRUE(messages.Empty());
    ExpectSameFileFields(read, original);
    EXPECT_EQ(form.title, original.ProjectTitle);
    EXPECT_EQ(form.designer, original.DesignerName);
    EXPECT_EQ(form.materialLabel, original.MaterialName);
}

TEST(ProjectRoundTrip, SphereWithNegativeZeroTinyAndHugeValues) {
    DesignRecord design = SampleTubeDesign();
    SelectBody(design, 1);
    design.BodyDim = {-4.5, 0, std::numeric_limits<double>::denorm_min(),
                      std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
    design.BodyDimEntered = {1e-300, -1e-300, 0.1 + 0.2, 1.0 / 3.0, 123456789.123456789};
    design.BodyDimUnit = {-32768, 32767, 0, -1, 4};
    design.BodyVolume = -1.5e-5;
    design.BodyReserved = 1e15;
    design.PressureSource = 0;
    design.UnitSystem = 1;
    design.UseWorkingStrength = 1;
    design.PressureRange = -3;
    design.HomeFormLeft = -2147483647;
    design.HomeFormTop = 2147483647;
    design.EdgeRestraint = -7;
    design.UniformLoadOn = 32767;
    design.LoadOption = -1;
    ExpectRoundTrip(design);
}

TEST(ProjectRoundTrip, AnnularPlateWithEveryEndcapField) {
    DesignRecord design = SampleTubeDesign();
    SelectBody(design, 2);
    SelectEndcap(design, 0);
    design.EndcapDim = {3, 5, 0.5, 1, 2.5, 50, 1.25, 4.75};
    design.EndcapDimEntered = {76.2, 127, 12.7, 25.4, 63.5, 1000, 31.75, 120.65};
    design.EndcapDimUnit = {1, 1, 1, 0, 4};
    design.EndcapVolume = 9.8174770424681;
    design.EndcapReserved = 0;
    design.UniformLoadOn = -1;
    design.LineLoadOn = 0;
    design.LoadOption = -1;
    design.EdgeRestraint = 11;
    design.EndcapFormLeft = 0;
    design.EndcapFormTop = -15;
    design.EndcapFormHeight = 6000;
    ExpectRoundTrip(design);
}

}  // namespace
}  // namespace tidewell
