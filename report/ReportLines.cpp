// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/ReportLines.h"

#include <cstdio>
#include <cstdlib>

namespace tidewell {

namespace {

// Comment lines are broken after this many characters ...
constexpr int kCommentLineMax = 60;
// ... or after a blank once the line holds this many.
constexpr int kCommentBreakAtBlank = 50;

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
}

ReportLine Empty() {
    return ReportLine{""};
}

// A geometry line: tab, label, field text, two blanks, unit text.
ReportLine GeometryLine(const char* label, const std::string& field, const std::string& unit) {
    return ReportLine{"", label + field + "  " + unit};
}

const char* ConfigurationTitle(int componentCode) {
    switch (componentCode) {
        case kReportFlatAnnularEndcap:
            return "ANNULAR ENDCAP CONFIGURATION  ";
        case kReportConicalEndcap:
            return "CONICAL ENDCAP CONFIGURATION  ";
        case kReportHemisphericalEndcap:
            return "HEMISPHERE ENDCAP CONFIGURATION  ";
        case kReportFlatCircularEndcap:
            return "PLATE ENDCAP CONFIGURATION  ";
        case kReportHemisphereBody:
            return "HEMISPHERE CONFIGURATION  ";
        case kReportSphereBody:
            return "SPHERE CONFIGURATION  ";
        case kReportTubeBody:
            return "TUBE CONFIGURATION  ";
        default:
            return nullptr;
    }
}

void AddGeometry(const ReportInput& in, ReportForm form, std::vector<ReportLine>& lines) {
    const auto& f = in.fieldTexts;
    const auto& u = in.unitTexts;
    switch (in.componentCode) {
        case kReportHemisphereBody:
        case kReportSphereBody:
        case kReportTubeBody:
        case kReportConicalEndcap:
        case kReportHemisphericalEndcap:
            lines.push_back(GeometryLine("Inner Diameter :  ", f[0], u[0]));
            lines.push_back(GeometryLine("Outer Diameter :  ", f[1], u[1]));
            lines.push_back(GeometryLine("Wall Thickness :  ", f[2], u[2]));
            if (in.componentCode == kReportTubeBody) {
                lines.push_back(GeometryLine("Tube Length    :  ", f[3], u[3]));
            } else if (in.componentCode == kReportConicalEndcap) {
                lines.push_back(GeometryLine("Endcap Height  :  ", f[3], u[3]));
            }
            break;
        case kReportFlatCircularEndcap:
            lines.push_back(GeometryLine("Outer Diameter  :  ", f[1], u[1]));
            lines.push_back(GeometryLine("Free Diameter   :  ", f[0], u[0]));
            lines.push_back(GeometryLine("Plate Thickness :  ", f[2], u[2]));
            lines.push_back(ReportLine{"", "Edge Restraint  :  " + in.edgeRestraint});
            break;
        case kReportFlatAnnularEndcap:
            lines.push_back(GeometryLine("Hole Diameter        :  ", f[3], u[3]));
            lines.push_back(GeometryLine("Outer Diameter       :  ", f[1], u[1]));
            lines.push_back(GeometryLine("Free Diameter        :  ", f[0], u[0]));
            lines.push_back(GeometryLine("Thickness            :  ", f[2], u[2]));
            lines.push_back(GeometryLine("Line Load Diameter   :  ", f[4], u[4]));
            lines.push_back(GeometryLine("Uniform Loading I.D. :  ", f[6], u[4]));
            lines.push_back(GeometryLine("Line Loading O.D.    :  ", f[7], u[4]));
            lines.push_back(ReportLine{"", "Number of Iterations :  " + f[5]});
            lines.push_back(ReportLine{
                "", (form == ReportForm::Printed ? std::string("Edge Restraint       :  ")
                                                 : std::string("Edge Restraint  :  ")) +
                        in.edgeRestraint});
            break;
        default:
            break;
    }
}

void AddFailureModes(const ReportInput& in, std::vector<ReportLine>& lines) {
    lines.push_back(Empty());
    int selected = -1;
    for (size_t i = 0; i < in.failureOptions.size(); ++i) {
        if (in.failureOptions[i].selected) {
            selected = static_cast<int>(i);
            break;
        }
    }
    lines.push_back(ReportLine{
        "Failure Mode: " + (selected >= 0 ? in.failureOptions[static_cast<size_t>(selected)].caption
                                          : std::string())});
    lines.push_back(Empty());
    for (size_t i = 0; i < in.failureOptions.size(); ++i) {
        if (static_cast<int>(i) == selected || !in.failureOptions[i].visible) continue;
        lines.push_back(ReportLine{"", in.failureOptions[i].caption});
    }
}

ReportLine PropertyLine(const std::string& label, const ReportMaterialProperty& property) {
    return ReportLine{"", label + " : " + property.value + " " + property.unit};
}

void AddMaterial(const ReportInput& in, std::vector<ReportLine>& lines) {
    lines.push_back(Empty());
    lines.push_back(ReportLine{in.materialName + " Properties:"});
    lines.push_back(PropertyLine(in.strength.label, in.strength));
    if (in.secondStrengthVisible) {
        lines.push_back(PropertyLine(in.secondStrength.label, in.secondStrength));
    }
    lines.push_back(PropertyLine("Elastic Modulus", in.modulus));
    lines.push_back(PropertyLine("Density", in.density));
    lines.push_back(ReportLine{"", "Poisson's Ratio : " + in.poissonRatio});
    lines.push_back(ReportLine{"", "Comments : "});
    for (const std::string& text : WrapComment(in.comment)) {
        lines.push_back(ReportLine{"", "  " + text});
    }
}

}  // namespace

int TextLength(const std::string& text) {
    int length = 0;
    for (char c : text) {
        if (!IsContinuationByte(c)) ++length;
    }
    return length;
}

std::vector<std::string> WrapComment(const std::string& comment) {
    std::vector<std::string> lines(1);
    int count = 0;
    for (size_t i = 0; i < comment.size();) {
        const char c = comment[i];
        if (c == '\r') {
            lines.emplace_back();
            count = 0;
            ++i;
            continue;
        }
        if (c == '\n') {
            // A line feed ending a carriage-return pair adds nothing; a line feed on its own is
            // this platform's line break.
            if (i == 0 || comment[i - 1] != '\r') {
                lines.emplace_back();
                count = 0;
            }
            ++i;
            continue;
        }
        // Copy one whole character (a UTF-8 sequence) and count it once.
        size_t end = i + 1;
        while (end < comment.size() && IsContinuationByte(comment[end])) ++end;
        lines.back().append(comment, i, end - i);
        ++count;
        i = end;
        if (count == kCommentLineMax || (count >= kCommentBreakAtBlank && c == ' ')) {
            lines.emplace_back();
            count = 0;
        }
    }
    return lines;
}

std::vector<ReportLine> DistortionTitleLines(const ReportInput& in) {
    switch (in.componentCode) {
        case kReportFlatAnnularEndcap:
            return {ReportLine{"Flat Annular Plate distortion: " + in.distortionCaption1 + " " +
                               in.distortionCaption2}};
        case kReportConicalEndcap:
            return {ReportLine{"Conical Endcap distortion values:"}};
        case kReportHemisphericalEndcap:
            return {ReportLine{"Hemisphere Endcap distortion values:"}};
        case kReportFlatCircularEndcap:
            return {ReportLine{"Flat Circular Plate distortion: " + in.distortionCaption1},
                    ReportLine{std::string(32, ' ') + in.distortionCaption2}};
        case kReportHemisphereBody:
            return {ReportLine{"Hemisphere distortion values:"}};
        case kReportSphereBody:
            return {ReportLine{"Sphere distortion values:"}};
        case kReportTubeBody:
            return {ReportLine{"Tube distortion values:"}};
        default:
            return {};
    }
}

std::vector<ReportLine> ReportBodyLines(const ReportInput& in, ReportForm form,
                                        UserMessages& messages) {
    std::vector<ReportLine> lines;
    const char* title = ConfigurationTitle(in.componentCode);
    if (title == nullptr) {
        messages.Show(kUnknownComponentMessage, kProgramTitle, MessageIcon::None,
                      MessageButtons::Ok);
    }
    lines.push_back(
        ReportLine{std::string(title != nullptr ? title : "") +
                   (in.externalPressure ? "(External Pressure)" : "(Internal Pressure)")});
    lines.push_back(Empty());
    AddGeometry(in, form, lines);

    lines.push_back(Empty());
    lines.push_back(ReportLine{"", "Weight in air  :  " + in.weightInAir + "  " + in.weightUnit});
    lines.push_back(ReportLine{"", "Weight in water:  " + in.weightInWater + "  " + in.weightUnit});

    AddFailureModes(in, lines);
    for (const ReportLine& line : in.collapseLines) lines.push_back(line);
    for (const ReportLine& line : in.ratingLines) lines.push_back(line);
    AddMaterial(in, lines);

    lines.push_back(Empty());
    lines.push_back(Empty());
    for (ReportLine& line : DistortionTitleLines(in)) lines.push_back(std::move(line));
    lines.push_back(Empty());
    return lines;
}

std::string JoinWithTabs(const ReportLine& line) {
    std::string text;
    for (size_t i = 0; i < line.size(); ++i) {
        if (i > 0) text += '\t';
        text += line[i];
    }
    return text;
}

std::string JoinInPrintZones(const ReportLine& line) {
    std::string text;
    int column = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        if (i > 0) {
            // The next zone always lies ahead: at a zone start the printer still moves on.
            const int next = (column / kPrintZoneWidth + 1) * kPrintZoneWidth;
            text.append(static_cast<size_t>(next - column), ' ');
            column = next;
        }
        text += line[i];
        column += TextLength(line[i]);
    }
    return text;
}

std::string PrintedVersionText(const std::string& versionText) {
    char* end = nullptr;
    const double version = std::strtod(versionText.c_str(), &end);
    if (versionText.empty() || end == versionText.c_str() || *end != '\0' || !(version >= 0) ||
        version > 1e6) {
        return " " + versionText;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, " %.2f", version);
    std::string text = buffer;
    if (text.back() == '0') text.pop_back();  // at least one decimal stays: "4.0"
    return text;
}

std::string SignedNumberText(int value) {
    return (value >= 0 ? " " : "") + std::to_string(value);
}

}  // namespace tidewell
