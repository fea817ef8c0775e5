// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window tests share: scripted file dialogs, one run of the program, named lookups.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "project/MemorySettingsStore.h"
#include "ui/FileDialogs.h"
#include "ui/HomeForm.h"
#include "ui/MainForm.h"
#include "units/ScriptedMessages.h"

namespace tidewell {

// File dialogs answered from a script; every request is recorded.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> OpenFile(const FileDialogSetup& setup) override {
        openRequests.push_back(setup);
        return Next(openAnswers);
    }
    std::optional<std::string> SaveFile(const FileDialogSetup& setup) override {
        saveRequests.push_back(setup);
        return Next(saveAnswers);
    }

    // nullopt answers Cancel.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::vector<FileDialogSetup> openRequests;
    std::vector<FileDialogSetup> saveRequests;

private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) return std::nullopt;
        std::optional<std::string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Puts the shipped materials database into a program folder.
inline bool CopyMaterialsDatabase(const QString& folder) {
    const QString target = folder + QStringLiteral("/DesMat.Dat");
    QFile::remove(target);
    return QFile::copy(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/DesMat.Dat"), target);
}

// One run of the desktop program on scripted seams, a settings store and a program folder.
class DesktopRun {
public:
    explicit DesktopRun(MemorySettingsStore& store, const QString& folder,
                        const QString& lockFile = QString(),
                        const QString& recoveryFolder = QString()) {
        DesktopServices services;
        services.messages = &messages;
        services.dialogs = &dialogs;
        services.settings = &store;
        services.programFolder = folder.toStdString();
        services.materialsFile = (folder + QStringLiteral("/DesMat.Dat")).toStdString();
        services.lockFilePath = lockFile.toStdString();
        services.recoveryFolder = recoveryFolder.toStdString();
        main = std::make_unique<MainForm>(design, services);
    }

    // Splash, Continue, disclaimer OK: the design form is up and the menus unlocked.
    void StartToDesignForm() {
        main->StartUp();
        ClickTopLevel("IntroForm", "IntroButton");
        ClickTopLevel("DisclaimerForm", "ContinueOn");
        main->activateWindow();
        // Focus and window shortcuts need the main window active.
        if (!QTest::qWaitForWindowActive(main.get())) qWarning("main window not active");
    }

    // Picks an entry of a list as the user does (also the entry already shown).
    static void Choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // Clicks a button of a top-level window found by name.
    static void ClickTopLevel(const char* window, const char* button) {
        QWidget* form = TopLevel(window);
        QVERIFY2(form, window);
        auto* pressed = form->findChild<QPushButton*>(QLatin1String(button));
        QVERIFY2(pressed, button);
        pressed->click();
    }

    static QWidget* TopLevel(const char* name) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String(name)) return widget;
        }
        return nullptr;
    }

    QAction* Item(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }

    template <typename T>
    T* Control(const char* name) const {
        return main->homeForm()->findChild<T*>(QLatin1String(name));
    }

    // Types into a text box of the design form as the user does (the edit handling runs).
    void Type(const char* box, const QString& text) {
        auto* edit = Control<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    DesignRecord design;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainForm> main;
};

// The design form's caption.
inline QString Caption(const DesktopRun& run) {
    return run.main->homeForm()->windowTitle();
}

// No caption of a window is cut: every shown label (one line) and button is as wide as its text.
inline void VerifyNoCaptionCut(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(control);
        const bool captioned =
            (label && !label->wordWrap()) || qobject_cast<QAbstractButton*>(control);
        if (captioned && control->isVisibleTo(window)) {
            QVERIFY2(control->width() >= control->minimumSizeHint().width(),
                     qPrintable(control->objectName()));
        }
    }
}

// Every control of a window that takes the focus carries a name for assistive tools (the parts of a
// list or a grid are named by it), and no caption is cut.
inline void VerifyEveryControlNamed(QWidget* window) {
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->focusPolicy() == Qt::NoFocus || !control->isVisibleTo(window)) continue;
        bool part = false;
        for (QWidget* up = control->parentWidget(); up != window; up = up->parentWidget())
            part = part || qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractScrollArea*>(up);
        if (!part)
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
    }
    VerifyNoCaptionCut(window);
}

}  // namespace tidewell
