// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window tests share: scripted file dialogs, one run of the program, named lookups.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/DesignRecord.h"
#include "project/MemorySettingsStore.h"
#include "ui/BodyForm.h"
#include "ui/FileDialogs.h"
#include "ui/HomeForm.h"
#include "ui/MATDBS.h"
#include "ui/MainForm.h"
#include "ui/ResultForm.h"
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

template <typename T = QWidget>
T* Find(const QObject* window, const char* name) {
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

// A file of the source tree, and a shipped example project.
inline QString Source(const char* path) {
    return QStringLiteral(TIDEWELL_SOURCE_DIR "/") + QLatin1String(path);
}
inline QString Example(const QString& name) {
    return QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/") + name;
}
inline QString Example(const char* name) {
    return Example(QLatin1String(name));
}

// Texts written in the test, as a list to compare with.
inline QStringList Texts(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts) list << QString::fromUtf8(text);
    return list;
}

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the command-line program prints when run with the arguments; empty if it failed.
inline QString CliOutput(const QStringList& arguments) {
    QProcess cli;
    cli.start(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/tidewell-cli"), arguments);
    const bool ran = cli.waitForFinished(30000) && cli.exitCode() == 0;
    return ran ? QString::fromUtf8(cli.readAllStandardOutput()) : QString();
}

inline bool CopyMaterialsDatabase(const QString& folder) {
    const QString target = folder + QStringLiteral("/DesMat.Dat");
    QFile::remove(target);
    return QFile::copy(QStringLiteral(TIDEWELL_BINARY_DIR "/bin/DesMat.Dat"), target);
}

// A window test's program folder, with the shipped materials database unless told otherwise;
// settings and standard paths kept apart from the user's.
inline bool PrepareTestFolder(const QTemporaryDir& folder, bool materials = true) {
    QStandardPaths::setTestModeEnabled(true);
    return folder.isValid() && (!materials || CopyMaterialsDatabase(folder.path()));
}

// One run of the desktop program on scripted seams, a settings store (its own unless given) and a
// program folder.
class DesktopRun {
public:
    explicit DesktopRun(const QString& folder, const QString& recoveryFolder = QString())
        : DesktopRun(ownStore, folder, recoveryFolder) {}
    explicit DesktopRun(MemorySettingsStore& store, const QString& folder,
                        const QString& recoveryFolder = QString()) {
        DesktopServices services;
        services.messages = &messages;
        services.dialogs = &dialogs;
        services.settings = &store;
        services.programFolder = folder.toStdString();
        services.materialsFile = (folder + QStringLiteral("/DesMat.Dat")).toStdString();
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

    static void ClickTopLevel(const char* window, const char* button) {
        QWidget* form = TopLevel(window);
        QVERIFY2(form, window);
        auto* pressed = form->findChild<QPushButton*>(QLatin1String(button));
        QVERIFY2(pressed, button);
        pressed->click();
    }

    static QWidget* TopLevel(const char* name) {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QLatin1String(name)) return widget;
        return nullptr;
    }

    // The design form's caption.
    QString Caption() const { return main->homeForm()->windowTitle(); }
    QAction* Item(const char* name) const { return main->findChild<QAction*>(QLatin1String(name)); }

    template <typename T>
    T* Control(const char* name) const {
        return Find<T>(main->homeForm(), name);
    }
    // A control of the results window.
    template <typename T>
    T* Result(const char* name) const {
        return Find<T>(main->resultForm(), name);
    }

    // File > Open of a project, its file chosen in the dialog.
    void Open(const QString& project) {
        dialogs.openAnswers.push_back(project.toStdString());
        Item("mnuItmOpen")->trigger();
    }

    // A new user's tube typed into the body editor field by field (100 mm bore, 120 mm O.D.,
    // 300 mm long) and its material picked in the materials window; false if a window is missing.
    bool TypeNewTitaniumTube() {
        Control<QPushButton>("ShowBody")->click();
        if (!main->bodyForm()) return false;
        for (const auto& [field, text] :
             {std::pair{"Var_0", "100"}, std::pair{"Var_1", "120"}, std::pair{"Var_3", "300"}}) {
            auto* edit = main->bodyForm()->findChild<QLineEdit*>(QLatin1String(field));
            edit->setFocus();
            QTest::keyClicks(edit, QLatin1String(text));
            QTest::keyClick(edit, Qt::Key_Tab);
        }
        Control<QPushButton>("Command1")->click();
        if (!main->materialsForm()) return false;
        for (const auto& [list, entry] : {std::pair{"CategoryList", "Metals"},
                                          std::pair{"MaterialList", "Ti-6Al-4V Annealed"}}) {
            auto* box = main->materialsForm()->findChild<QComboBox*>(QLatin1String(list));
            Choose(box, box->findText(QLatin1String(entry)));
        }
        return true;
    }

    // Types into a text box of the design form as the user does (the edit handling runs).
    void Type(const char* box, const QString& text) {
        auto* edit = Control<QLineEdit>(box);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    MemorySettingsStore ownStore;  // outlives the run, which may write to it at the end
    DesignRecord design;
    ScriptedMessages messages;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainForm> main;
};

// A run taken to the design form; made as a DesktopRun is.
struct StartedRun : DesktopRun {
    template <typename... Arguments>
    explicit StartedRun(Arguments&&... arguments)
        : DesktopRun(std::forward<Arguments>(arguments)...) {
        StartToDesignForm();
    }
};

inline size_t CountStarting(const ScriptedMessages& messages, const std::string& start) {
    size_t count = 0;
    for (const std::string& text : messages.Texts()) count += text.rfind(start, 0) == 0 ? 1 : 0;
    return count;
}

// The grid's lines as the command-line program writes them in CSV, the two header rows first: a
// cell with a comma, a quote, a line end or an outer blank is quoted, its quotes doubled.
inline QStringList GridCsv(QTableWidget* grid) {
    static const QRegularExpression quoted(QStringLiteral("[,\"\r\n]|^ | $"));
    std::vector<QStringList> rows(2 + static_cast<size_t>(grid->rowCount()));
    for (int c = 0; c < grid->columnCount(); ++c) {
        const QStringList header = grid->horizontalHeaderItem(c)->text().split(QLatin1Char('\n'));
        rows[0] << header.value(0);
        rows[1] << header.value(1);
        for (int r = 0; r < grid->rowCount(); ++r) rows[2 + size_t(r)] << grid->item(r, c)->text();
    }
    QStringList lines;
    for (QStringList& row : rows) {
        for (QString& cell : row) {
            if (!cell.contains(quoted)) continue;
            cell = QLatin1Char('"') + cell.replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                   QLatin1Char('"');
        }
        lines << row.join(QLatin1Char(','));
    }
    return lines;
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
