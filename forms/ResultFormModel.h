// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The results window without its widgets: the unit lists and the pressure-range list with their
// selections, the evaluation diameter of the flat annular plate with its ReCalc button, and the
// last analysis run. The window forwards the user's actions here and shows what comes back;
// filling the lists (Load) is the program's doing and never marks the project changed.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "analysis/ResultsRequest.h"
#include "analysis/ResultsView.h"
#include "units/UserMessages.h"

namespace tidewell {

// The window's unit lists, each tied to one text field of the design record (the two failure
// unit lists share FailureUnit; DistortionUnits is the unit of the pressure range).
enum class ResultUnitList {
    PressUnits,
    DepthUnits,
    StressUnits,
    DeflectionUnits,
    AngleDeflectUnits,
    WtUnits,
    FailUnits,
    AEndFailUnits,
    DistortionUnits,
};
inline constexpr int kResultUnitListCount = 9;

// A drop-down list as the window shows it: its entries and the selected one (-1 none).
struct ChoiceList {
    std::vector<std::string> entries;
    int selected = -1;

    std::string Text() const;
};

class ResultFormModel {
public:
    explicit ResultFormModel(DesignRecord& design);

    // Loading: fills every list and selects the unit its design-record field names (an empty or
    // unknown name selects the unit-system default; the field then holds the name shown), the
    // range list in the range unit on PressureRange. Nothing is marked changed.
    void Load();

    const ChoiceList& UnitList(ResultUnitList list) const;
    const ChoiceList& RangeList() const { return range_; }

    // The user picks entry index of a unit list: the design field takes its text and the project
    // is changed. Returns true when the table must be rebuilt (always, for a valid index).
    bool UnitChosen(ResultUnitList list, int index);
    // The user picks a pressure range: PressureRange changes and the table is rebuilt at once.
    bool RangeChosen(int index);
    // "Fit": the range, in the current range unit, that reaches the governing failure pressure of
    // the last run (FittedPressureRange). Returns true when the range changed and the table must
    // be rebuilt.
    bool FitRange();

    // The evaluation diameter box is edited: ReCalc becomes available.
    void EvalTextEdited(const std::string& text);
    // ReCalc: a diameter between the hole and the free diameter (or typed as the message shows
    // either) is kept for this design and the table is rebuilt (returns true); otherwise the
    // message is shown and the table stays as it is.
    bool ReCalcPressed(UserMessages& messages);
    const std::string& EvalText() const { return evalText_; }
    bool RecalcEnabled() const { return recalcEnabled_; }

    // A failure option is clicked: the options only show the result, so the governing one is
    // the one selected afterwards.
    int FailOptionClicked(int index) const;

    // The validation fault that closes the window at activation, if any.
    std::optional<Message> ActivationFault() const;

    // What the window's lists and boxes ask of a run now.
    ResultsRequest Request() const;

    // The tube's out-of-roundness (a fraction) the collapse estimate of the next runs takes.
    void SetOutOfRoundness(double fraction) { outOfRoundness_ = fraction; }

    // Runs the analysis with the current choices and keeps the view. A stopped run's error is in
    // the view; a completed one adds its material notice bits to the design and proposes the
    // evaluation diameter (unless the user's own is kept).
    const ResultsView& Rebuild(UserMessages& messages);
    const ResultsView& View() const { return view_; }

    // Shows the notices of the last run, in order.
    void ShowNotices(UserMessages& messages) const;

private:
    ChoiceList& List(ResultUnitList list);
    std::string& FieldOf(ResultUnitList list);
    void FillRangeList(const std::string& rangeUnit, int selected);
    void ForgetTypedDiameterIfPlateChanged();
    bool SelectFittedRange();

    DesignRecord& design_;
    std::array<ChoiceList, kResultUnitListCount> units_;
    ChoiceList range_;

    std::string evalText_;
    bool recalcEnabled_ = false;
    // The diameter the user confirmed with ReCalc, and the plate it was confirmed for.
    std::optional<std::string> typedDiameter_;
    std::array<double, 8> typedForPlate_{};
    int16_t typedForUnitSystem_ = 0;

    double outOfRoundness_ = kDefaultOutOfRoundness;
    ResultsView view_;
};

}  // namespace tidewell
