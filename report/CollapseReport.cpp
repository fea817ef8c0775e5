// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/CollapseReport.h"

#include <sstream>

namespace tidewell {

namespace {

std::string Pressure(double psi, const std::string& unit, ResultsFormatter& format) {
    return format.FailureValue(psi, unit) + " " + unit;
}

}  // namespace

std::string PercentText(double fraction) {
    std::ostringstream text;
    text << fraction * 100.0;
    return text.str();
}

std::string CollapseHeading(const CollapseEstimate& collapse) {
    if (!collapse.tube) return "Collapse estimate:";
    return "Collapse estimate (out-of-roundness " + PercentText(collapse.outOfRoundness) + " %):";
}

std::vector<CollapseFigure> CollapseFigures(const CollapseEstimate& collapse,
                                            const std::string& failureUnit,
                                            ResultsFormatter& format) {
    if (!collapse.assessed) return {{"Not assessed", collapse.notAssessedReason}};
    std::vector<CollapseFigure> figures;
    const std::string elastic =
        collapse.tube ? "Elastic buckling (n = " + std::to_string(collapse.lobes) + ")"
                      : std::string("Elastic buckling");
    figures.push_back({elastic, Pressure(collapse.elasticPressure, failureUnit, format)});
    figures.push_back({"Yield pressure", Pressure(collapse.yieldPressure, failureUnit, format)});
    figures.push_back(
        {"Interaction curve", Pressure(collapse.interactionPressure, failureUnit, format)});
    if (collapse.tube) {
        figures.push_back(
            {"Out-of-roundness", Pressure(collapse.outOfRoundPressure, failureUnit, format)});
    }
    figures.push_back({"Estimate", Pressure(collapse.estimate, failureUnit, format) + " (" +
                                       GoverningText(collapse.governing) + ")"});
    return figures;
}

std::vector<std::vector<std::string>> CollapseBlock(const CollapseEstimate& collapse,
                                                    const std::string& failureUnit,
                                                    ResultsFormatter& format) {
    std::vector<std::vector<std::string>> lines = {{""}, {CollapseHeading(collapse)}};
    for (const CollapseFigure& figure : CollapseFigures(collapse, failureUnit, format)) {
        lines.push_back({"", figure.caption + " : " + figure.value});
    }
    return lines;
}

}  // namespace tidewell
