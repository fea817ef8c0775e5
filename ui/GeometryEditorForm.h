// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the body and endcap editors share on screen: the column of captioned fields (`Frame`,
// `Var`, `UnitBox` by index), the maintain-I.D./O.D. option pair, the buttons "Update",
// "Cancel", "Perform Analysis" and "Done", and the sketch. Every user action goes to the model;
// the window then shows what the model holds.

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "forms/GeometryEditor.h"
#include "ui/QueuedMessages.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace tidewell {

class GeometrySketch;
struct SketchShape;

class GeometryEditorForm : public QWidget {
    Q_OBJECT
public:
    // Commits what the user typed: Save, the save prompts, analysis and printing call it first.
    void CommitFields();
    // The editor's window became (true) or stopped being (false) the active child window.
    void SetActive(bool active);
    // Closes without committing: the design the editor showed was cleared or replaced.
    void Discard();
    // Done: closes the editor's window (closing commits).
    void CloseWindow();

    QSize minimumSizeHint() const override;

signals:
    // A user's change reached the design record (the results window no longer matches it).
    void designChanged();
    // "Perform Analysis": the scope of the run (1 body, 2 endcap).
    void analysisRequested(int scope);

protected:
    using ModelFactory = std::function<std::unique_ptr<GeometryEditor>(UserMessages&)>;
    GeometryEditorForm(const ModelFactory& makeModel, UserMessages& messages, int analysisScope,
                       QWidget* parent);

    // Builds the shared controls; fields for which inColumn is false are left for the subclass
    // to place (their text boxes and unit lists exist all the same).
    void BuildControls(const std::function<bool(int)>& inColumn);
    // Shows the model in every control, then reports a change of the design.
    virtual void ShowModel();
    virtual SketchShape Shape() const = 0;
    virtual void StorePlacement() = 0;
    // Closing also closes the windows that belong to the editor.
    virtual void CloseCompanions() {}

    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    GeometryEditor& model() { return *model_; }
    const GeometryEditor& model() const { return *model_; }
    // The window's place in twips: left, top, height of its frame.
    QRect PlacementTwips() const;
    // Where a subclass adds its controls in the column: after the fields and what it added
    // before, above the option pair and the buttons.
    int FieldsEnd() const;

    QueuedMessages queued_;
    std::unique_ptr<GeometryEditor> model_;
    std::vector<QLineEdit*> vars_;
    std::vector<QGroupBox*> frames_;
    std::vector<QComboBox*> unitBoxes_;
    QVBoxLayout* column_ = nullptr;  // the fields; subclasses add their own controls below
    QRadioButton* fixedOption_[2] = {};
    QPushButton* analysisButton_ = nullptr;
    GeometrySketch* pict_ = nullptr;

private:
    void UnitBox_Click(int list, int index);
    void Cancel_Click();
    void Redraw();

    int scope_;
    bool active_ = false;
    bool closing_ = false;
};

}  // namespace tidewell
