// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/CollapseEstimateModel.h"

#include <cmath>
#include <sstream>

#include "project/Registry.h"
#include "report/RatingReport.h"
#include "units/NumberFormat.h"

namespace tidewell {

namespace {

std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A percentage above 0 and below the bound, as a fraction.
std::optional<double> FractionOf(const std::string& text) {
    QuietMessages quiet;
    const double percent = ParseNumber(text, quiet);
    if (text.empty() || quiet.count > 0 || !std::isfinite(percent) || !(percent > 0) ||
        !(percent < 100.0 * kMaxOutOfRoundness)) {
        return std::nullopt;
    }
    return percent / 100.0;
}

}  // namespace

void CollapseEstimateModel::Load() {
    Registry registry(store_);
    std::string text;
    percentText_.clear();
    fraction_ = 0;
    project_.clear();
    ReadPreference(registry, kOutOfRoundProjectKey, project_);
    if (ReadPreference(registry, kOutOfRoundKey, text)) {
        if (const std::optional<double> fraction = FractionOf(Trimmed(text))) {
            percentText_ = Trimmed(text);
            fraction_ = *fraction;
        }
    }
}

double CollapseEstimateModel::OutOfRoundness(const DesignRecord& design) const {
    const bool own = !percentText_.empty() && design.ProjectFilePath == project_;
    return own ? fraction_ : kDefaultOutOfRoundness;
}

std::string CollapseEstimateModel::FieldText(const DesignRecord& design) const {
    const bool own = !percentText_.empty() && design.ProjectFilePath == project_;
    return own ? percentText_ : PercentText(kDefaultOutOfRoundness);
}

bool CollapseEstimateModel::FieldCommitted(const DesignRecord& design, const std::string& typed,
                                           UserMessages& messages) {
    const std::string text = Trimmed(typed);
    if (text == FieldText(design)) return false;
    const std::optional<double> fraction = FractionOf(text);
    if (!fraction) {
        messages.Show(
            Message{"The out-of-roundness must be a percentage above 0 and below 20, "
                    "not \"" +
                        text + "\".",
                    kProgramTitle, MessageIcon::Exclamation, MessageButtons::Ok});
        return false;
    }
    const bool changed = *fraction != OutOfRoundness(design);
    percentText_ = text;
    fraction_ = *fraction;
    project_ = design.ProjectFilePath;
    Registry registry(store_);
    WritePreference(registry, kOutOfRoundKey, percentText_);
    WritePreference(registry, kOutOfRoundProjectKey, project_);
    return changed;
}

CollapseShown CollapseEstimateModel::Show(const ResultsView& view, const std::string& failureUnit,
                                          ResultsFormatter& format) const {
    CollapseShown shown;
    if (!view.Ok() || !view.collapse.assessed) return shown;
    shown.visible = true;
    const std::string heading = CollapseHeading(view.collapse);
    shown.title = heading.substr(0, heading.size() - 1);  // a group's title has no colon
    shown.outOfRoundField = view.collapse.tube;
    const std::vector<CollapseFigure> figures = CollapseFigures(view.collapse, failureUnit, format);
    constexpr size_t kOutOfRoundSlot = 3;
    size_t figure = 0;
    for (size_t slot = 0; slot < kCollapseFigureSlots && figure < figures.size(); ++slot) {
        if (slot == kOutOfRoundSlot && !view.collapse.tube) continue;
        shown.lines[slot] = figures[figure].caption + ": " + figures[figure].value;
        ++figure;
    }
    return shown;
}

std::optional<Message> CollapseEstimateModel::AdvisoryNotice(const DesignRecord& design,
                                                             const ResultsView& view,
                                                             const std::string& pressureUnit,
                                                             ResultsFormatter& format) {
    if (!view.Ok()) return std::nullopt;
    // What the advisories say in base units: the same design in another unit is no news.
    const InteractionAdvice& a = view.advice;
    std::ostringstream key;
    key.precision(9);
    key << design.ProjectFilePath << '|' << view.componentCode << '|' << a.interaction << a.longTube
        << a.collapseLow << '|' << a.bucklingPressure << '|' << a.strengthPressure << '|'
        << a.collapseEstimate << '|' << a.infiniteTubePressure << '|' << a.governingFailurePressure;
    const std::vector<std::string> texts = AdviceTexts(a, pressureUnit, format);
    if (texts.empty() || key.str() == noticeShownFor_) {
        if (texts.empty()) noticeShownFor_.clear();
        return std::nullopt;
    }
    noticeShownFor_ = key.str();
    std::string text;
    for (const std::string& line : texts) text += (text.empty() ? "" : "\n\n") + line;
    return Message{text, kProgramTitle, MessageIcon::Information, MessageButtons::Ok};
}

}  // namespace tidewell
