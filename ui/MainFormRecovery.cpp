// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's recovery copy of unsaved work: offered back at the start of a run that is the
// only one, kept on a timer while the project has unsaved changes, removed when they are saved or
// given up. The decisions are RecoveryKeeper's; this file only wires them to Qt.

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <chrono>

#include "project/ProjectPaths.h"
#include "project/RecoveryCopy.h"
#include "ui/HomeForm.h"
#include "ui/MainForm.h"
#include "ui/QtText.h"

namespace tidewell {

namespace {

// How often the design is looked at; the keeper decides whether anything is written.
constexpr int kRecoveryTickMs = 500;

std::chrono::milliseconds SteadyNow() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

void MainForm::StartRecovery() {
    // A second instance would write over the first one's copy: only the only run keeps one.
    if (recovery_ || services_.recoveryFolder.empty() || otherInstanceRunning_) return;
    recoveryFiles_ = std::make_unique<RecoveryFiles>(services_.recoveryFolder);
    recovery_ = std::make_unique<RecoveryKeeper>(*recoveryFiles_, SteadyNow);

    const RecoveryOffer offer = ExamineRecoveryCopy(*recoveryFiles_);
    if (offer.kind == RecoveryOffer::Kind::Damaged) {
        messages_.Show(DamagedRecoveryMessage(offer));
    } else if (offer.kind == RecoveryOffer::Kind::Offered) {
        const QDateTime changed = QFileInfo(ToQ(recoveryFiles_->CopyPath())).lastModified();
        const QString when = QLocale().toString(changed, QLocale::ShortFormat);
        if (messages_.Show(RecoveryQuestion(offer.title, FromQ(when))) == MessageAnswer::Yes) {
            RecoverDesign();
        } else {
            recoveryFiles_->Delete();
        }
    }

    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setInterval(kRecoveryTickMs);
    connect(recoveryTimer_, &QTimer::timeout, this, [this] {
        if (!ending_) recovery_->Tick(design_);
    });
    recoveryTimer_->start();
}

void MainForm::RecoverDesign() {
    const std::string original = recoveryFiles_->OriginalPath();
    ProjectFileSetup();
    home_->ApplyActions(NewProject(design_));
    if (!OpenProjectFile(recoveryFiles_->CopyPath())) {
        // The reader has said why; the copy is kept for the user all the same.
        RecoveryOffer unusable;
        unusable.reason = "the design in it could not be opened";
        unusable.keptPath = recoveryFiles_->SetAside();
        messages_.Show(DamagedRecoveryMessage(unusable));
        return;
    }
    // The design is the user's unsaved work, still belonging to its own file, if it had one.
    design_.ProjectFilePath = original;
    projectDialog_.fileName = original;
    home_->SetCaption(original.empty() ? "(Not saved)" : ProjectFileTitle(original));
    design_.ProjectChanged = kTrue;
    recovery_->Adopt();
}

void MainForm::DiscardRecoveryCopy() {
    if (recovery_) recovery_->Discard();
}

}  // namespace tidewell
