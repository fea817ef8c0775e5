// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's part in the geometry editors: opening them from the design form and the
// Design menu, telling them when they become or stop being the active window, closing them when
// the design they show is replaced, and keeping "Perform Analysis" enabled as the design allows.

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "forms/EndcapEditorModel.h"
#include "ui/BodyForm.h"
#include "ui/EndCapForm.h"
#include "ui/HomeForm.h"
#include "ui/MainForm.h"

namespace tidewell {

BodyForm* MainForm::bodyForm() const {
    return body_;
}

EndCapForm* MainForm::endCapForm() const {
    return endcap_;
}

void MainForm::ConnectEditors() {
    connect(home_, &HomeForm::bodyMenuEnabled, this,
            [this](bool enabled) { items_.at("mnuitmBody")->setEnabled(enabled); });
    connect(home_, &HomeForm::endcapMenuEnabled, this,
            [this](bool enabled) { items_.at("mnuitmEndcap")->setEnabled(enabled); });
    connect(home_, &HomeForm::bodyEditorRequested, this, &MainForm::mnuitmBody_Click);
    connect(home_, &HomeForm::endcapEditorRequested, this, [this] {
        if (!endcap_) {
            endcap_ = new EndCapForm(design_, messages_);
            AddEditorWindow(endcap_, design_.EndcapFormLeft, design_.EndcapFormTop,
                            design_.EndcapFormHeight);
        }
        mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(endcap_->parentWidget()));
    });
    connect(home_, &HomeForm::designActionsRequested, this, &MainForm::ApplyEditorActions);
    connect(this, &MainForm::activeChildChanged, this, &MainForm::EditorActivated);
    OnMenu(items_.at("mnuitmBody"), &MainForm::mnuitmBody_Click);
    OnMenu(items_.at("mnuitmEndcap"), &MainForm::mnuitmEndcap_Click);
    home_->SetGeometryEditorsAvailable(true);
}

QMdiSubWindow* MainForm::AddEditorWindow(GeometryEditorForm* editor, int leftTwips, int topTwips,
                                         int heightTwips) {
    connect(editor, &GeometryEditorForm::analysisRequested, this, &MainForm::PerformAnalysis);
    connect(editor, &GeometryEditorForm::designChanged, this, [this] {
        CloseResultsWindow();
        RefreshAnalyzeItem();
    });
    QMdiSubWindow* frame = mdi_->addSubWindow(editor);
    frame->setObjectName(editor->objectName() + QStringLiteral("Window"));
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->move(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel);
    const QSize smallest = frame->minimumSizeHint();
    frame->resize(smallest.width(), std::max(smallest.height(), heightTwips / kTwipsPerPixel));
    frame->show();
    return frame;
}

void MainForm::mnuitmBody_Click() {
    if (design_.BodyType == kNoBody) return;
    if (!body_) {
        body_ = new BodyForm(design_, messages_);
        AddEditorWindow(body_, design_.BodyFormLeft, design_.BodyFormTop, design_.BodyFormHeight);
    }
    mdi_->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(body_->parentWidget()));
}

void MainForm::mnuitmEndcap_Click() {
    // The same checks as the design form's button: an endcap and, for a plate, its restraint.
    home_->ShowEndcap_Click();
}

void MainForm::CommitEditors() {
    if (body_) body_->CommitFields();
    if (endcap_) endcap_->CommitFields();
}

void MainForm::EditorActivated(QMdiSubWindow* window) {
    // A message box or another program taking the focus leaves no child window active for a
    // moment; that is no change of the editor the user works in.
    if (!window) return;
    for (GeometryEditorForm* editor : {static_cast<GeometryEditorForm*>(body_.data()),
                                       static_cast<GeometryEditorForm*>(endcap_.data())}) {
        if (editor) editor->SetActive(editor->parentWidget() == window);
    }
}

void MainForm::ApplyEditorActions(const DesignUiActions& actions) {
    // The design the editors showed is gone: closing must not write their fields back.
    if (actions.closeBodyEditor && body_) body_->Discard();
    if (actions.closePipeSizeTable && body_) body_->ClosePipeTable();
    if (actions.closeEndcapEditor && endcap_) endcap_->Discard();
    RefreshAnalyzeItem();
}

void MainForm::RefreshAnalyzeItem() {
    items_.at("mnuitmAnalyze")->setEnabled(AnalysisAllowed(design_));
}

}  // namespace tidewell
