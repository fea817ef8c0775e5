// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ReferenceForm.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "ui/QtText.h"

namespace tidewell {

namespace {

// The window's text area, in twips (15 twips to the pixel at 96 dpi).
constexpr int kClientWidthTwips = 8655;
constexpr int kClientHeightTwips = 6240;
constexpr int kTwipsPerPixel = 15;

}  // namespace

std::string ReferenceText() {
    static const char* const lines[] = {
        "   Roark's Formulas for Stress and Strain, Warren C. Young,",
        "   Sixth Edition, McGraw-Hill, Inc., 1989.",
        "   Pages for Fifth Edition, 1975, are given in brackets.",
        "",
        "   Stress, Strain, and Buckling formulas:",
        "",
        "       Tube: Buckling - case 20, pg 690[556] (tube ends held circular)",
        "           Thick wall stress - case 1a-1d, pgs 638-639[504-505]",
        "           Thin wall stress - case 1c, pg 519[448]",
        "",
        "       Sphere, Hemisphere: Buckling - case 22, pg 691[557]",
        "           Thick wall stress - case 2a-2b, pg 640[506]",
        "           Thin wall stress - case 3a, pg 523[451]",
        "",
        "       Flat Circular Plate: Stress - case 10a-10b, pg 429[363]",
        "",
        "       Flat Annular Plate: Stress - case 1a-2l, pgs 400-408[333-342]",
        "",
        "       Conical Endcap: Thin wall stress - case 2a, pg 520",
        "",
        "   Theoretical Failure Criteria:",
        "",
        "       Ductile metals: Equivalent Stress - theory #4, pg 26",
        "           (a.k.a. Von Mises, Energy of Distortion)",
        "",
        "       All other materials: Maximum stress theory - theory #1, pg 26",
        "           Used with appropriate material strength (i.e. Working Strength",
        "           for plastics, Ultimate Tensile strength for glass/ceramic in tension)",
        "",
        "   Materials Database:",
        "",
        "       Metals:",
        "           1.  \"MIL-HDBK-5E\", Metallic Materials and Elements for Aerospace Vehicle "
        "Structures.",
        "           2.  \"Metals Handbook\", American Society for Metals.",
        "           3.  \"Engineering Data for Aluminum Structures\", The Aluminum Association "
        "Incorporated.",
        "",
        "       Plastics:",
        "           1.  \"Plastics\", D.A.T.A. Inc., a Cordura Company.",
    };
    std::string text;
    bool first = true;
    for (const char* line : lines) {
        if (!first) text += "\r\n";
        text += line;
        first = false;
    }
    return text;
}

ReferenceForm::ReferenceForm(QWidget* parent) : QDialog(parent, Qt::Window) {
    setObjectName(QStringLiteral("ReferenceForm"));
    setWindowTitle(QStringLiteral("References"));
    pb_ = new QPlainTextEdit(this);
    pb_->setObjectName(QStringLiteral("pb"));
    pb_->setAccessibleName(QStringLiteral("References"));
    pb_->setReadOnly(true);
    pb_->setLineWrapMode(QPlainTextEdit::NoWrap);
    pb_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pb_);
    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel);
}

void ReferenceForm::Open() {
    pb_->clear();
    pb_->setPlainText(DisplayText(ReferenceText()));
    show();
    raise();
    activateWindow();
}

}  // namespace tidewell
