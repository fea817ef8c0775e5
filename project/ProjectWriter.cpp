// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectWriter.h"

#include <cstddef>

#include "analysis/ProgramVersion.h"
#include "project/FileErrors.h"
#include "project/NumberText.h"
#include "project/ProjectPaths.h"
#include "project/TextEncoding.h"

namespace tidewell {

namespace {

const char* const kLineEnd = "\r\n";

// A text kept on one line: each line break (CR LF, CR or LF) becomes one blank.
std::string SingleLine(const std::string& text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line.push_back(' ');
        } else {
            line.push_back(text[i]);
        }
    }
    return line;
}

// A unit text as a delimited field: quoted when a comma, a leading or trailing blank or a leading
// quote would otherwise change what is read back. A field cannot hold a double quote inside
// quotes; such a quote becomes a single one.
std::string UnitField(const std::string& text) {
    std::string field = SingleLine(text);
    const bool needsQuotes =
        field.find(',') != std::string::npos ||
        (!field.empty() && (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' ||
                            field.back() == '\t' || field.front() == '"'));
    if (!needsQuotes) return field;
    for (char& c : field) {
        if (c == '"') c = '\'';
    }
    return '"' + field + '"';
}

class LineWriter {
public:
    void Text(const std::string& text) { Line(SingleLine(text)); }
    void Number(double value) { Line(ProjectNumberText(value)); }
    void Line(const std::string& line) {
        text_ += line;
        text_ += kLineEnd;
    }
    const std::string& text() const { return text_; }

private:
    std::string text_;
};

int16_t CheckState(int16_t value) {
    return value != 0 ? 1 : 0;
}

}  // namespace

std::string ProjectHeaderLine(const std::string& programVersion) {
    return "Tidewell Ver." + ProjectNumberText(LeadingNumber(programVersion)) + "  Brackwater";
}

std::string ProjectFileText(const DesignRecord& design) {
    LineWriter out;
    out.Line(ProjectHeaderLine(design.ProgramVersion.empty() ? ProgramVersionText()
                                                             : design.ProgramVersion));
    out.Text(design.ProjectTitle);
    out.Text(design.ProjectDescription);
    out.Text(design.DesignerName);
    out.Text(design.ProjectReserved1);
    out.Text(design.ProjectReserved2);
    out.Number(design.SignificantDigits);
    out.Number(design.BodyType);
    out.Number(design.EndcapType);
    out.Text(design.MaterialName);
    out.Number(design.PressureSource);
    out.Number(design.UnitSystem);
    out.Number(CheckState(design.ForceThickWall));
    out.Number(CheckState(design.UseWorkingStrength));
    out.Number(design.PressureRange);
    out.Number(design.HomeFormLeft);
    out.Number(design.HomeFormTop);
    for (std::size_t i = 0; i < design.BodyDim.size(); ++i) {
        out.Number(design.BodyDim[i]);
        out.Number(design.BodyDimEntered[i]);
        out.Number(design.BodyDimUnit[i]);
    }
    out.Number(design.BodyVolume);
    out.Number(design.BodyReserved);
    out.Number(design.BodyFormLeft);
    out.Number(design.BodyFormTop);
    out.Number(design.BodyFormHeight);
    for (std::size_t i = 0; i < design.EndcapDim.size(); ++i) {
        out.Number(design.EndcapDim[i]);
        out.Number(design.EndcapDimEntered[i]);
        if (i < design.EndcapDimUnit.size()) out.Number(design.EndcapDimUnit[i]);
    }
    out.Number(design.EndcapVolume);
    out.Number(design.EndcapReserved);
    out.Number(design.UniformLoadOn);
    out.Number(design.LineLoadOn);
    out.Number(design.LoadOption);
    out.Number(design.EdgeRestraint);
    out.Number(design.EndcapFormLeft);
    out.Number(design.EndcapFormTop);
    out.Number(design.EndcapFormHeight);
    for (const std::string* unit :
         {&design.RangeUnit, &design.FailureUnit, &design.WeightUnit, &design.PressureUnit,
          &design.DepthUnit, &design.StressUnit, &design.DeflectionUnit, &design.AngleUnit}) {
        out.Line(UnitField(*unit));
    }
    return out.text();
}

bool WriteProject(DesignRecord& design, const std::string& path, UserMessages& messages,
                  std::optional<FormPosition> homeFormPosition, FileSystem* fileSystem) {
    if (homeFormPosition) {
        design.HomeFormLeft = homeFormPosition->left;
        design.HomeFormTop = homeFormPosition->top;
    }
    if (path.empty() || IsFolderSeparator(path.back())) {
        ReportFileError(kBadFileNameError, messages);
        return false;
    }
    LocalFileSystem localFileSystem;
    FileSystem& files = fileSystem ? *fileSystem : localFileSystem;
    const std::error_code error =
        WriteFileSafely(PathFromUtf8(path), EncodeFileText(ProjectFileText(design)), files);
    if (error) {
        ReportFileError(FileErrorNumber(error), messages);
        return false;
    }
    design.ProjectChanged = kFalse;
    design.RangeFitPending = kFalse;
    return true;
}

}  // namespace tidewell
