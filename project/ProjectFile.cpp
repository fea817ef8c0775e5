// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "project/ProjectFile.h"

#include <cstddef>
#include <string_view>
#include <utility>

#include "analysis/ProgramVersion.h"
#include "project/FileAccess.h"
#include "project/FileErrors.h"
#include "project/NumberText.h"
#include "project/ProjectPaths.h"
#include "project/TextEncoding.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

const char* const kHeaderMark = "Tidewell Ver";
const char* const kOlderLayoutMark = "- Brackwater";
const char* const kInvalidFormatTitle = "Invalid File Format";
const char* const kHemisphereNote = "Note:  Hemisphere is now supported as an endcap only.";
constexpr std::size_t kUnitLineCount = 8;

// Collects what the number reader would tell the user, to be shown only once the file is taken.
class HeldMessages : public UserMessages {
public:
    using UserMessages::Show;
    explicit HeldMessages(std::vector<Message>& held) : held_(held) {}
    MessageAnswer Show(const Message& message) override {
        held_.push_back(message);
        return MessageAnswer::Ok;
    }

private:
    std::vector<Message>& held_;
};

// The lines of a text; each ends at CR LF, CR or LF. A final line break ends the last line.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {  // i advances on every pass
        if (text[i] == '\r' || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            start = i + 1;
        }
        ++i;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

bool IsBlankText(std::string_view text) {
    return text.find_first_not_of(" \t") == std::string_view::npos;
}

// Reads the lines of the layout one after another; the first line that is missing or cannot be
// read as its type makes the whole file unreadable.
class LineReader {
public:
    LineReader(std::vector<std::string_view> lines, UserMessages& numberMessages)
        : lines_(std::move(lines)), numberMessages_(numberMessages) {}

    bool ok() const { return ok_; }

    std::size_t Remaining() const { return next_ < lines_.size() ? lines_.size() - next_ : 0; }

    // No more lines other than blank ones.
    bool OnlyBlankLinesLeft() const {
        for (std::size_t i = next_; i < lines_.size(); ++i) {
            if (!IsBlankText(lines_[i])) return false;
        }
        return true;
    }

    std::string Text() { return std::string(Next()); }

    // A typed-number line: blanks trimmed, cut at an inner blank; unreadable text reads as 0.
    double Parsed() { return ok_ ? ParseNumber(std::string(Next()), numberMessages_) : 0.0; }

    int16_t ParsedInt16() { return Checked(RoundToInt16(Parsed())); }

    int16_t Field16() { return Checked(RoundToInt16(Field())); }
    int32_t Field32() { return Checked(RoundToInt32(Field())); }

    // A delimited text field: leading blanks skipped; a quoted field runs to the next quote,
    // any other to a comma or the line end, trailing blanks dropped.
    std::string TextField() {
        std::string_view line = Next();
        const std::size_t begin = line.find_first_not_of(" \t");
        if (begin == std::string_view::npos) return "";
        line.remove_prefix(begin);
        if (line.front() == '"') {
            line.remove_prefix(1);
            return std::string(line.substr(0, line.find('"')));
        }
        line = line.substr(0, line.find(','));
        const std::size_t end = line.find_last_not_of(" \t");
        return std::string(line.substr(0, end + 1));
    }

    void Fail() { ok_ = false; }

private:
    std::string_view Next() {
        if (!ok_ || next_ >= lines_.size()) {
            ok_ = false;
            return {};
        }
        return lines_[next_++];
    }

    double Field() {
        const std::optional<double> value = ReadNumberField(Next());
        if (!value) ok_ = false;
        return value ? *value : 0.0;
    }

    template <typename T>
    T Checked(const std::optional<T>& value) {
        if (!value) ok_ = false;
        return value ? *value : T{};
    }

    std::vector<std::string_view> lines_;
    UserMessages& numberMessages_;
    std::size_t next_ = 0;
    bool ok_ = true;
};

bool IsKnownBodyCode(int16_t code) {
    return code == kNoBody || code == kHemisphereBody || code == kSphereBody || code == kTubeBody;
}

// The endcap a file's codes select, when they select one: the restraint index must fit its list.
int16_t SelectedEndcapOf(int16_t bodyType, int16_t endcapType) {
    if (bodyType == kHemisphereBody) return kHemisphericalEndcap;
    if (bodyType == kNoBody) return endcapType;
    return kNoEndcap;
}

bool RestraintFits(int16_t endcapType, int16_t restraint) {
    const std::size_t count = RestraintNamesFor(endcapType).size();
    if (count == 0) return true;  // no list shown: the value is only kept
    return restraint >= -1 && restraint < static_cast<int>(count);
}

double ProgramVersionNumber(const DesignRecord& design) {
    const std::string text =
        design.ProgramVersion.empty() ? ProgramVersionText() : design.ProgramVersion;
    return LeadingNumber(text);
}

int16_t CheckState(int16_t value) {
    return value != 0 ? 1 : 0;
}
int16_t OptionIndex(int16_t value) {
    return value != 0 ? 1 : 0;
}

}  // namespace

ProjectParse ParseProject(const std::string& bytes) {
    ProjectParse parse;
    ProjectData& data = parse.data;
    const std::string text = DecodeFileText(bytes);
    std::vector<std::string_view> lines = SplitLines(text);
    if (lines.empty()) return parse;  // nothing to read: input past end of file

    const std::string_view header = lines[0];
    const std::size_t mark = header.find(kHeaderMark);
    if (mark == std::string_view::npos) {
        parse.status = ProjectParseStatus::NotAProjectFile;
        return parse;
    }
    // The version follows the first "Ver" and the one character after it.
    const std::size_t ver = header.find("Ver");
    const std::size_t versionAt = ver + 4;
    std::vector<Message> versionMessages;
    HeldMessages versionReader(versionMessages);
    data.fileVersion = versionAt < header.size()
                           ? ParseNumber(std::string(header.substr(versionAt)), versionReader)
                           : 0.0;
    if (data.fileVersion < kOldestProjectVersion) {
        parse.status = ProjectParseStatus::TooOld;
        return parse;
    }
    data.olderLayout = header.find(kOlderLayoutMark) != std::string_view::npos;

    HeldMessages numberMessages(data.numberMessages);
    LineReader in(std::move(lines), numberMessages);
    in.Text();  // the header
    data.title = in.Text();
    data.description = in.Text();
    data.designer = in.Text();
    data.reserved1 = in.Text();
    data.reserved2 = in.Text();
    data.significantDigits = in.Field16();
    data.bodyType = in.Field16();
    data.endcapType = in.Field16();
    data.materialName = in.Text();
    data.pressureSource = in.Field16();
    data.unitSystem = in.Field16();
    if (!data.olderLayout) {
        data.forceThickWall = in.ParsedInt16();
        data.useWorkingStrength = in.ParsedInt16();
    }
    data.pressureRange = in.Field16();
    data.homeFormLeft = in.Field32();
    data.homeFormTop = in.Field32();
    for (std::size_t i = 0; i < data.bodyDim.size(); ++i) {
        data.bodyDim[i] = in.Parsed();
        data.bodyDimEntered[i] = in.Parsed();
        data.bodyDimUnit[i] = in.ParsedInt16();
    }
    data.bodyVolume = in.Parsed();
    data.bodyReserved = in.Parsed();
    data.bodyFormLeft = in.Field32();
    data.bodyFormTop = in.Field32();
    data.bodyFormHeight = in.Field32();
    for (std::size_t i = 0; i < data.endcapDim.size(); ++i) {
        data.endcapDim[i] = in.Parsed();
        data.endcapDimEntered[i] = in.Parsed();
        if (i < data.endcapDimUnit.size()) data.endcapDimUnit[i] = in.Parsed();
    }
    data.endcapVolume = in.Parsed();
    data.endcapReserved = in.Parsed();
    data.uniformLoadOn = in.Field16();
    data.lineLoadOn = in.Field16();
    data.loadOption = in.Field16();
    data.edgeRestraint = in.Field16();
    data.endcapFormLeft = in.Field32();
    data.endcapFormTop = in.Field32();
    data.endcapFormHeight = in.Field32();
    // The unit lines are read when the file goes on; a blank line break or two at the end of an
    // older file does not count as going on.
    if (in.ok() && (in.Remaining() >= kUnitLineCount || !in.OnlyBlankLinesLeft())) {
        std::array<std::string, 8> units;
        for (std::size_t i = 0; i < kUnitLineCount; ++i) units[i] = in.TextField();
        data.unitTexts = units;
    }

    // Codes the design form has no entry for cannot be restored.
    if (!IsKnownBodyCode(data.bodyType)) in.Fail();
    if (data.endcapType < kNoEndcap || data.endcapType > kFlatCircularEndcap) in.Fail();
    if (!RestraintFits(SelectedEndcapOf(data.bodyType, data.endcapType), data.edgeRestraint)) {
        in.Fail();
    }
    if (in.ok()) parse.status = ProjectParseStatus::Read;
    return parse;
}

std::optional<ProjectData> ReadProject(std::string& path, const std::string& programFolder,
                                       DesignRecord& design, UserMessages& messages) {
    design.ProjectLoadFailed = kFalse;
    path = NormaliseProjectPath(path, programFolder);

    std::string bytes;
    const std::error_code error = ReadWholeFile(PathFromUtf8(path), kMaxProjectFileBytes, bytes);
    if (error) {
        design.ProjectLoadFailed = kTrue;
        ReportFileError(FileErrorNumber(error), messages);
        return std::nullopt;
    }
    ProjectParse parse;
    if (bytes.size() <= kMaxProjectFileBytes) parse = ParseProject(bytes);

    const double programVersion = ProgramVersionNumber(design);
    switch (parse.status) {
        case ProjectParseStatus::Read:
            return std::move(parse.data);
        case ProjectParseStatus::NotAProjectFile:
            design.ProjectLoadFailed = kTrue;
            messages.Show("The file \"" + path +
                              "\" is not a valid project file for Tidewell Ver." +
                              VersionNumberText(programVersion),
                          kInvalidFormatTitle, MessageIcon::Critical, MessageButtons::Ok);
            return std::nullopt;
        case ProjectParseStatus::TooOld:
            design.ProjectLoadFailed = kTrue;
            messages.Show("This file is from Ver. " + VersionNumberText(parse.data.fileVersion) +
                              " and is not compatible with Ver " +
                              VersionNumberText(programVersion),
                          kProgramTitle, MessageIcon::None, MessageButtons::Ok);
            return std::nullopt;
        case ProjectParseStatus::Unreadable:
            break;
    }
    design.ProjectLoadFailed = kTrue;
    ReportFileError(kInputPastEndError, messages);
    return std::nullopt;
}

DesignUiActions ApplyProject(const ProjectData& data, DesignRecord& design, DesignFormState& form,
                             UserMessages& messages) {
    for (const Message& message : data.numberMessages) messages.Show(message);
    DesignUiActions actions;
    auto record = [&](const DesignUiActions& step) {
        ApplyUiActions(step, form);
        actions.Merge(step);
    };

    design.ProjectTitle = data.title;
    design.ProjectDescription = data.description;
    design.DesignerName = data.designer;
    form.title = data.title;
    form.description = data.description;
    form.designer = data.designer;
    design.ProjectReserved1 = data.reserved1;
    design.ProjectReserved2 = data.reserved2;
    // Outside 1 to 12 every number would show "ERROR"; such a count becomes the default.
    design.SignificantDigits =
        data.significantDigits >= 1 && data.significantDigits <= 12 ? data.significantDigits : 5;

    int16_t body = data.bodyType;
    int16_t endcap = data.endcapType;
    if (body == kHemisphereBody) {  // retired: the hemisphere is an endcap now
        body = kNoBody;
        endcap = kHemisphericalEndcap;
    }
    if (body == kSphereBody || body == kTubeBody) {
        const int index = body == kTubeBody ? 0 : 1;
        record(SelectBody(design, index));
        form.bodySelection = index;
    }
    if (body == kNoBody && endcap > kNoEndcap) {
        record(SelectBody(design, 2));
        form.bodySelection = 2;
        record(SelectEndcap(design, endcap - 1));
        form.endcapSelection = endcap - 1;
    }

    design.MaterialName = data.materialName;
    form.materialLabel = data.materialName;
    design.PressureSource = OptionIndex(data.pressureSource);
    form.pressureSourceOption = design.PressureSource;
    design.UnitSystem = OptionIndex(data.unitSystem);
    form.unitOption = design.UnitSystem;
    if (!data.olderLayout) {
        design.ForceThickWall = CheckState(data.forceThickWall);
        design.UseWorkingStrength = CheckState(data.useWorkingStrength);
        form.forceThickCheck = design.ForceThickWall;
        form.workStrengthCheck = design.UseWorkingStrength;
    }
    design.PressureRange = data.pressureRange;
    design.HomeFormLeft = data.homeFormLeft;
    design.HomeFormTop = data.homeFormTop;
    actions.moveHomeForm = true;

    design.BodyDim = data.bodyDim;
    design.BodyDimEntered = data.bodyDimEntered;
    design.BodyDimUnit = data.bodyDimUnit;
    design.BodyVolume = data.bodyVolume;
    design.BodyReserved = data.bodyReserved;
    design.BodyFormLeft = data.bodyFormLeft;
    design.BodyFormTop = data.bodyFormTop;
    design.BodyFormHeight = data.bodyFormHeight;
    design.EndcapDim = data.endcapDim;
    design.EndcapDimEntered = data.endcapDimEntered;
    design.EndcapDimUnit = data.endcapDimUnit;
    design.EndcapVolume = data.endcapVolume;
    design.EndcapReserved = data.endcapReserved;

    design.UniformLoadOn = data.uniformLoadOn;
    design.LineLoadOn = data.lineLoadOn;
    design.LoadOption = data.loadOption;
    design.EdgeRestraint = data.edgeRestraint;
    const std::size_t restraintCount = RestraintNamesFor(design.EndcapType).size();
    if (restraintCount > 0) {
        // Selecting the entry is the form's restraint choice; an index the list does not have
        // (possible only when the file selected no configuration) empties the selection.
        int restraint = data.edgeRestraint;
        if (restraint < -1 || restraint >= static_cast<int>(restraintCount)) restraint = -1;
        design.EdgeRestraint = static_cast<int16_t>(restraint);
        design.ProjectChanged = kTrue;
        actions.closeEndcapEditor = true;
        actions.closeResults = true;
        actions.restraintSelection = restraint;
        form.restraintSelection = restraint;
    }
    design.EndcapFormLeft = data.endcapFormLeft;
    design.EndcapFormTop = data.endcapFormTop;
    design.EndcapFormHeight = data.endcapFormHeight;

    if (data.unitTexts) {
        const std::array<std::string, 8>& units = *data.unitTexts;
        design.RangeUnit = units[0];
        design.FailureUnit = units[1];
        design.WeightUnit = units[2];
        design.PressureUnit = units[3];
        design.DepthUnit = units[4];
        design.StressUnit = units[5];
        design.DeflectionUnit = units[6];
        design.AngleUnit = units[7];
    }

    if (data.bodyType == kHemisphereBody) {
        messages.Show(kHemisphereNote, kProgramTitle, MessageIcon::Information, MessageButtons::Ok);
    }
    return actions;
}

}  // namespace tidewell
