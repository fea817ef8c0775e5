// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "forms/ResultFormModel.h"

#include "analysis/DesignValidation.h"
#include "analysis/ResultsTable.h"
#include "forms/RangeFit.h"
#include "units/Units.h"

namespace tidewell {

namespace {

const std::vector<std::string>& EntriesOf(ResultUnitList list) {
    switch (list) {
        case ResultUnitList::PressUnits:
            return PressUnitList();
        case ResultUnitList::DepthUnits:
            return DepthUnitList();
        case ResultUnitList::StressUnits:
            return StressUnitList();
        case ResultUnitList::DeflectionUnits:
            return DeflectionUnitList();
        case ResultUnitList::AngleDeflectUnits:
            return AngleDeflectUnitList();
        case ResultUnitList::WtUnits:
            return WeightUnitList();
        case ResultUnitList::FailUnits:
        case ResultUnitList::AEndFailUnits:
            return FailUnitList();
        case ResultUnitList::DistortionUnits:
            break;
    }
    return DistortionUnitList();
}

bool ValidIndex(const ChoiceList& list, int index) {
    return index >= 0 && index < static_cast<int>(list.entries.size());
}

constexpr int kRangeCount = 6;
constexpr int kDefaultRange = 4;

}  // namespace

std::string ChoiceList::Text() const {
    return ValidIndex(*this, selected) ? entries[static_cast<size_t>(selected)] : std::string();
}

ResultFormModel::ResultFormModel(DesignRecord& design) : design_(design) {}

ChoiceList& ResultFormModel::List(ResultUnitList list) {
    return units_[static_cast<size_t>(list)];
}

const ChoiceList& ResultFormModel::UnitList(ResultUnitList list) const {
    return units_[static_cast<size_t>(list)];
}

std::string& ResultFormModel::FieldOf(ResultUnitList list) {
    switch (list) {
        case ResultUnitList::PressUnits:
            return design_.PressureUnit;
        case ResultUnitList::DepthUnits:
            return design_.DepthUnit;
        case ResultUnitList::StressUnits:
            return design_.StressUnit;
        case ResultUnitList::DeflectionUnits:
            return design_.DeflectionUnit;
        case ResultUnitList::AngleDeflectUnits:
            return design_.AngleUnit;
        case ResultUnitList::WtUnits:
            return design_.WeightUnit;
        case ResultUnitList::FailUnits:
        case ResultUnitList::AEndFailUnits:
            return design_.FailureUnit;
        case ResultUnitList::DistortionUnits:
            break;
    }
    return design_.RangeUnit;
}

void ResultFormModel::Load() {
    for (int i = 0; i < kResultUnitListCount; ++i) {
        const auto list = static_cast<ResultUnitList>(i);
        ChoiceList& shown = List(list);
        shown.entries = EntriesOf(list);
        shown.selected = SelectUnit(shown.entries, FieldOf(list), design_.UnitSystem).value_or(-1);
    }
    // Each field holds the name its list shows, as a click on the list would leave it.
    for (int i = 0; i < kResultUnitListCount; ++i) {
        const auto list = static_cast<ResultUnitList>(i);
        if (ValidIndex(List(list), List(list).selected)) FieldOf(list) = List(list).Text();
    }
    // The range list and the table agree on a range outside the list: both take the default.
    const int range = design_.PressureRange >= 0 && design_.PressureRange < kRangeCount
                          ? design_.PressureRange
                          : kDefaultRange;
    FillRangeList(List(ResultUnitList::DistortionUnits).Text(), range);
}

void ResultFormModel::FillRangeList(const std::string& rangeUnit, int selected) {
    range_.entries = PressureRangeEntries(rangeUnit);
    range_.selected = selected;
}

bool ResultFormModel::UnitChosen(ResultUnitList list, int index) {
    ChoiceList& chosen = List(list);
    if (!ValidIndex(chosen, index)) return false;
    chosen.selected = index;
    FieldOf(list) = chosen.Text();
    design_.ProjectChanged = kTrue;
    if (list == ResultUnitList::FailUnits) List(ResultUnitList::AEndFailUnits).selected = index;
    if (list == ResultUnitList::AEndFailUnits) List(ResultUnitList::FailUnits).selected = index;
    if (list == ResultUnitList::DistortionUnits &&
        range_.Text().find(chosen.Text()) == std::string::npos) {
        // The range list changes to the new unit and starts again at its first entry.
        FillRangeList(chosen.Text(), 0);
        design_.PressureRange = 0;
    }
    return true;
}

bool ResultFormModel::RangeChosen(int index) {
    if (!ValidIndex(range_, index)) return false;
    range_.selected = index;
    design_.PressureRange = static_cast<int16_t>(index);
    design_.ProjectChanged = kTrue;
    return true;
}

bool ResultFormModel::FitRange() {
    if (!view_.Ok() || view_.cells.empty()) return false;
    if (!SelectFittedRange()) return false;
    design_.ProjectChanged = kTrue;
    return true;
}

bool ResultFormModel::SelectFittedRange() {
    const int fitted = FittedPressureRange(view_.failurePressure,
                                           UnitList(ResultUnitList::DistortionUnits).Text());
    if (fitted == range_.selected) return false;
    range_.selected = fitted;
    design_.PressureRange = static_cast<int16_t>(fitted);
    return true;
}

void ResultFormModel::EvalTextEdited(const std::string& text) {
    evalText_ = text;
    recalcEnabled_ = true;
}

bool ResultFormModel::ReCalcPressed(UserMessages& messages) {
    const EvalDiameterCheck check = CheckEvaluationDiameter(design_, evalText_, messages);
    if (!check.inside) {
        if (check.message) messages.Show(*check.message);
        return false;
    }
    typedDiameter_ = evalText_;
    typedForPlate_ = design_.EndcapDim;
    typedForUnitSystem_ = design_.UnitSystem;
    return true;
}

int ResultFormModel::FailOptionClicked(int /*index*/) const {
    return view_.failure.selected;
}

std::optional<Message> ResultFormModel::ActivationFault() const {
    const ValidationResult validation = ValidateDesign(design_);
    if (validation.IsValid()) return std::nullopt;
    return validation.AsMessage();
}

ResultsRequest ResultFormModel::Request() const {
    ResultsRequest request = DefaultResultsRequest(design_);
    request.pressureUnit = UnitList(ResultUnitList::PressUnits).Text();
    request.depthUnit = UnitList(ResultUnitList::DepthUnits).Text();
    request.stressUnit = UnitList(ResultUnitList::StressUnits).Text();
    request.deflectionUnit = UnitList(ResultUnitList::DeflectionUnits).Text();
    request.angleUnit = UnitList(ResultUnitList::AngleDeflectUnits).Text();
    request.weightUnit = UnitList(ResultUnitList::WtUnits).Text();
    request.failureUnit = UnitList(ResultUnitList::FailUnits).Text();
    request.rangeUnit = UnitList(ResultUnitList::DistortionUnits).Text();
    request.pressureRange = range_.selected;
    request.outOfRoundness = outOfRoundness_;
    if (typedDiameter_) {
        request.evalDiameterText = *typedDiameter_;
        request.recalculatingAtTypedDiameter = true;
    }
    return request;
}

void ResultFormModel::ForgetTypedDiameterIfPlateChanged() {
    if (typedDiameter_ &&
        (typedForPlate_ != design_.EndcapDim || typedForUnitSystem_ != design_.UnitSystem)) {
        typedDiameter_.reset();
    }
}

const ResultsView& ResultFormModel::Rebuild(UserMessages& messages) {
    ForgetTypedDiameterIfPlateChanged();
    view_ = BuildResultsTable(design_, Request(), messages);
    if (!view_.Ok()) return view_;
    if (design_.RangeFitPending != kFalse) {
        // The program's own choice for a new project: the user has not changed anything.
        design_.RangeFitPending = kFalse;
        if (SelectFittedRange()) view_ = BuildResultsTable(design_, Request(), messages);
        if (!view_.Ok()) return view_;
    }
    design_.MaterialNoticesShown =
        static_cast<int16_t>(design_.MaterialNoticesShown | view_.materialNoticeBits);
    if (view_.annularFrameShown) {
        evalText_ = typedDiameter_ ? *typedDiameter_ : view_.failure.proposedEvalDiameter;
    }
    recalcEnabled_ = view_.recalcEnabled;
    return view_;
}

void ResultFormModel::ShowNotices(UserMessages& messages) const {
    for (const Message& notice : view_.notices) messages.Show(notice);
}

}  // namespace tidewell
