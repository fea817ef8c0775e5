// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The materials window "Material Database": three browse lists (main category, sub-category,
// material), the value fields with their unit lists, the comment and the mode buttons. It shows
// the materials catalogue and forwards every user action to it; picking a material loads it into
// the design at once.

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "analysis/DesignRecord.h"
#include "materials/MaterialCatalogue.h"
#include "units/UserMessages.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tidewell {

class MATDBS : public QWidget {
    Q_OBJECT
public:
    // The catalogue, the design it loads into and the messages outlive the window.
    MATDBS(MaterialCatalogue& catalogue, const DesignRecord& design, UserMessages& messages,
           QWidget* parent = nullptr);

    // Opens the window; the first opening after it was closed runs its loading (the lists are
    // filled and positioned on the design's material).
    void Open();
    bool IsLoaded() const { return loaded_; }
    // Puts the focus into the category list with its text selected, ready to be typed over.
    void FocusCategoryList();

    // The window became the active child window: Cancel will restore the design's material of
    // this moment.
    void Activated();

    // Closes the window as New, Open and Quit do: an unfinished add or edit asks whether to save
    // it first. False when the window stays open and the command must stop.
    bool CloseForCommand();

    // Shows the catalogue again after the program changed it without the window.
    void ShowModel();

signals:
    // The design's material, or one of its properties, changed.
    void materialChanged();
    // The window asks to be brought to the front, or to step back behind the design form.
    void bringForwardRequested();
    void stepBackRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Connect();

    // Runs a user action on the catalogue, then shows the outcome and carries out its requests.
    CatalogueRequests Act(const std::function<void()>& action);
    CatalogueRequests CarryOutRequests();

    // Text typed into a list: refused when the materials file could not hold it.
    void ListTextEdited(CatalogueList list, const QString& text);
    void CommentChanged();
    // The user is done with a list's text (Enter, or the focus left it): checked after the
    // event that ended the editing. Commit reports whether the text was accepted.
    void QueueCommit(CatalogueList list);
    bool Commit(CatalogueList list);
    // A button was pressed: the list being edited is committed first, as leaving it would.
    void Button(const std::function<void()>& action);

    QComboBox* Combo(CatalogueList list) const;
    void HideWindow();

    MaterialCatalogue& catalogue_;
    const DesignRecord& design_;
    UserMessages& messages_;
    bool loaded_ = false;
    bool acting_ = false;
    std::optional<CatalogueList> pendingCommit_;  // a list whose editing ended, not yet checked

    std::array<QComboBox*, 3> lists_{};  // in CatalogueList order
    QLabel* ysLabel_ = nullptr;
    QLabel* ys2Label_ = nullptr;
    QWidget* ys2Caption_ = nullptr;
    std::array<QLineEdit*, 5> values_{};  // YsVal, Ys2Val, Youngs_Modulus, Density, Poisson_Ratio
    std::array<QComboBox*, 4> units_{};   // in MaterialUnitList order
    std::array<QWidget*, 5> valuePanels_{};  // primary, secondary, modulus, density, Poisson
    QPlainTextEdit* comment_ = nullptr;
    std::array<QPushButton*, 4> modeButtons_{};  // in CatalogueButton order
};

}  // namespace tidewell
