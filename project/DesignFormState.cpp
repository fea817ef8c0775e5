#include "project/DesignFormState.h"

namespace tidewell {

void ApplyUiActions(const DesignUiActions& actions, DesignFormState& form) {
    if (actions.clearIdentification) {
        form.title.clear();
        form.description.clear();
        form.designer.clear();
    }
    if (actions.titleText) form.title = *actions.titleText;
    if (actions.clearCheckBoxes) {
        form.forceThickCheck = 0;
        form.workStrengthCheck = 0;
    }
    if (actions.clearMaterialLabel) form.materialLabel.clear();
    if (actions.bodySelection) form.bodySelection = *actions.bodySelection;
    if (actions.endcapSelection) form.endcapSelection = *actions.endcapSelection;
    if (actions.restraintSelection) form.restraintSelection = *actions.restraintSelection;
}

}  // namespace tidewell
