// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/MATDBS.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QTimer>
#include <QVBoxLayout>
#include <tuple>

#include "materials/MaterialTextRules.h"
#include "materials/MaterialsFile.h"
#include "ui/BusyCursor.h"
#include "ui/QtText.h"
#include "ui/SingleLineEdit.h"

namespace tidewell {

namespace {

constexpr std::array<CatalogueList, 3> kLists{
    CatalogueList::CategoryList, CatalogueList::SubCategoryList, CatalogueList::MaterialList};
constexpr std::array<MaterialField, 5> kValueFields{
    MaterialField::YsVal, MaterialField::Ys2Val, MaterialField::Youngs_Modulus,
    MaterialField::Density, MaterialField::Poisson_Ratio};
constexpr std::array<MaterialUnitList, 4> kUnitLists{
    MaterialUnitList::YsUnitsList, MaterialUnitList::Ys2UnitsList, MaterialUnitList::EUnitsList,
    MaterialUnitList::DensityUnitsList};
constexpr std::array<CatalogueButton, 4> kModeButtons{
    CatalogueButton::btnAdd, CatalogueButton::BtnEdit, CatalogueButton::btnDelete,
    CatalogueButton::SearchButton};

std::size_t At(CatalogueList list) {
    return static_cast<std::size_t>(list);
}

MaterialText TextOf(CatalogueList list) {
    switch (list) {
        case CatalogueList::CategoryList:
            return MaterialText::MainCategory;
        case CatalogueList::SubCategoryList:
            return MaterialText::SubCategory;
        case CatalogueList::MaterialList:
            break;
    }
    return MaterialText::Name;
}

// What the design holds of its material: a change of any of it is a change of material.
auto MaterialOf(const DesignRecord& d, const MaterialCatalogue& catalogue) {
    return std::make_tuple(d.MaterialName, d.LoadedMaterialName, d.MaterialClass, d.YoungsModulus,
                           d.PoissonsRatio, d.Density, d.YieldStrength, d.SecondaryStrength,
                           catalogue.MaterialLabel());
}

template <typename T>
T* Named(T* widget, const char* name, const QString& accessibleName) {
    widget->setObjectName(QLatin1String(name));
    widget->setAccessibleName(accessibleName);
    return widget;
}

QLabel* Caption(const QString& text, const char* name, QWidget* parent) {
    auto* label = Named(new QLabel(text, parent), name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Shows a list of the catalogue in a box without running the box's handling.
void ShowList(QComboBox* box, const CatalogueCombo& list) {
    const QSignalBlocker blocker(box);
    QStringList entries;
    for (const std::string& entry : list.entries) entries << ToQ(entry);
    QStringList shown;
    for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
    if (shown != entries) {
        box->clear();
        box->addItems(entries);
    }
    if (box->currentIndex() != list.selected) box->setCurrentIndex(list.selected);
    if (box->currentText() != ToQ(list.text)) box->setEditText(ToQ(list.text));
}

}  // namespace

MATDBS::MATDBS(MaterialCatalogue& catalogue, const DesignRecord& design, UserMessages& messages,
               QWidget* parent)
    : QWidget(parent), catalogue_(catalogue), design_(design), messages_(messages) {
    setObjectName(QStringLiteral("MATDBS"));
    setWindowTitle(QStringLiteral("Material Database"));
    setAccessibleName(QStringLiteral("Material Database"));
    BuildControls();
    Connect();
}

void MATDBS::BuildControls() {
    auto* layout = new QVBoxLayout(this);

    // The browse lists. A list only offers its entries: typed text never becomes one.
    auto* search = new QGridLayout();
    const char* listNames[] = {"CategoryList", "SubCategoryList", "MaterialList"};
    const char* captionNames[] = {"CategoryCaption", "SubCategoryCaption", "MaterialCaption"};
    const QString captions[] = {QStringLiteral("Main Category"), QStringLiteral("Sub-Category"),
                                QStringLiteral("Material")};
    for (std::size_t i = 0; i < lists_.size(); ++i) {
        auto* box = Named(new QComboBox(this), listNames[i], captions[i]);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->setMinimumContentsLength(28);
        box->setMaxVisibleItems(20);
        box->lineEdit()->setMaxLength(static_cast<int>(kMaterialNameWidth));
        // The box, not its text field, holds the focus (the field is its focus proxy).
        box->installEventFilter(this);
        lists_[i] = box;
        QLabel* label = Caption(captions[i], captionNames[i], this);
        label->setBuddy(box);
        search->addWidget(label, static_cast<int>(i), 0);
        search->addWidget(box, static_cast<int>(i), 1);
    }
    auto* searchButton = Named(new QPushButton(QStringLiteral("Update Search"), this),
                               "SearchButton", QStringLiteral("Update Search"));
    search->addWidget(searchButton, 0, 2);
    layout->addLayout(search);

    // The value panels: caption, value, unit list.
    const char* panelNames[] = {"YsPanel", "Ys2Caption", "EPanel", "DensityPanel", "PoissonPanel"};
    const char* labelNames[] = {"YsLabel", "Ys2Label", "ELabel", "DensityLabel", "PoissonLabel"};
    const char* valueNames[] = {"YsVal", "Ys2Val", "Youngs_Modulus", "Density", "Poisson_Ratio"};
    const char* unitNames[] = {"YsUnitsList", "Ys2UnitsList", "EUnitsList", "DensityUnitsList"};
    const QString valueCaptions[] = {QStringLiteral("Yield Strength"), QString(),
                                     QStringLiteral("Young's Modulus"), QStringLiteral("Density"),
                                     QStringLiteral("Poisson's Ratio")};
    for (std::size_t i = 0; i < values_.size(); ++i) {
        auto* panel = Named(new QWidget(this), panelNames[i], valueCaptions[i]);
        auto* row = new QHBoxLayout(panel);
        row->setContentsMargins(0, 0, 0, 0);
        QLabel* label = Caption(valueCaptions[i], labelNames[i], panel);
        label->setMinimumWidth(160);
        auto* value = Named(new SingleLineEdit(panel), valueNames[i], valueCaptions[i]);
        value->setMaxLength(40);
        label->setBuddy(value);
        row->addWidget(label);
        row->addWidget(value, 1);
        if (i < units_.size()) {
            auto* unit = Named(new QComboBox(panel), unitNames[i],
                               valueCaptions[i] + QStringLiteral(" unit"));
            for (const std::string& entry : MaterialCatalogue::UnitEntries(kUnitLists[i])) {
                unit->addItem(ToQ(entry));
            }
            row->addWidget(unit);
            units_[i] = unit;
        }
        values_[i] = value;
        valuePanels_[i] = panel;
        layout->addWidget(panel);
        if (i == 0) ysLabel_ = label;
        if (i == 1) ys2Label_ = label;
    }
    ys2Caption_ = valuePanels_[1];
    ys2Caption_->hide();

    auto* commentPanel = Named(new QWidget(this), "CommentPanel", QStringLiteral("Comments"));
    auto* commentLayout = new QVBoxLayout(commentPanel);
    commentLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* commentLabel = Caption(QStringLiteral("Comments"), "CommentLabel", commentPanel);
    comment_ = Named(new QPlainTextEdit(commentPanel), "MatComment", QStringLiteral("Comments"));
    comment_->setTabChangesFocus(true);
    comment_->setMinimumHeight(80);
    commentLabel->setBuddy(comment_);
    commentLayout->addWidget(commentLabel);
    commentLayout->addWidget(comment_);
    layout->addWidget(commentPanel, 1);

    auto* buttons = new QHBoxLayout();
    auto button = [this, buttons](const QString& caption, const char* name) {
        QString plain = caption;
        plain.remove(QLatin1Char('&'));
        auto* pressed = Named(new QPushButton(caption, this), name, plain);
        buttons->addWidget(pressed);
        return pressed;
    };
    modeButtons_[0] = button(QStringLiteral("&Add"), "btnAdd");
    modeButtons_[1] = button(QStringLiteral("Edit Record"), "BtnEdit");
    modeButtons_[2] = button(QStringLiteral("&Delete"), "btnDelete");
    modeButtons_[3] = searchButton;
    buttons->addStretch(1);
    button(QStringLiteral("Done"), "Done");
    button(QStringLiteral("Cancel"), "CancelButton");
    layout->addLayout(buttons);
}

void MATDBS::Connect() {
    for (CatalogueList list : kLists) {
        QComboBox* box = Combo(list);
        connect(box, &QComboBox::activated, this, [this, list](int index) {
            Act([this, list, index] { catalogue_.SelectListEntry(list, index); });
        });
        connect(box->lineEdit(), &QLineEdit::textEdited, this,
                [this, list](const QString& text) { ListTextEdited(list, text); });
        connect(box->lineEdit(), &QLineEdit::returnPressed, this,
                [this, list] { QueueCommit(list); });
    }
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const MaterialField field = kValueFields[i];
        connect(values_[i], &QLineEdit::textEdited, this, [this, field](const QString& text) {
            catalogue_.SetFieldText(field, FromQ(text));
        });
    }
    for (std::size_t i = 0; i < units_.size(); ++i) {
        const MaterialUnitList list = kUnitLists[i];
        connect(units_[i], &QComboBox::activated, this,
                [this, list](int index) { Act([&] { catalogue_.SelectUnit(list, index); }); });
    }
    connect(comment_, &QPlainTextEdit::textChanged, this, &MATDBS::CommentChanged);

    const std::pair<const char*, void (MaterialCatalogue::*)()> actions[] = {
        {"btnAdd", &MaterialCatalogue::AddClicked},
        {"BtnEdit", &MaterialCatalogue::EditClicked},
        {"btnDelete", &MaterialCatalogue::DeleteClicked},
        {"SearchButton", &MaterialCatalogue::UpdateSearchClicked},
        {"Done", &MaterialCatalogue::DoneClicked},
        {"CancelButton", &MaterialCatalogue::CancelClicked}};
    for (const auto& [name, action] : actions) {
        auto* pressed = findChild<QPushButton*>(QLatin1String(name));
        connect(pressed, &QPushButton::clicked, this,
                [this, action = action] { Button([this, action] { (catalogue_.*action)(); }); });
    }
}

// ---------------------------------------------------------------------------------------------

void MATDBS::Open() {
    if (loaded_) return;
    loaded_ = true;
    const BusyCursor busy;
    Act([this] { catalogue_.FormLoad(); });
}

void MATDBS::FocusCategoryList() {
    QComboBox* box = Combo(CatalogueList::CategoryList);
    box->setFocus(Qt::OtherFocusReason);
    box->lineEdit()->selectAll();
}

void MATDBS::Activated() {
    catalogue_.Activate();
}

bool MATDBS::CloseForCommand() {
    if (!loaded_) return true;
    bool closed = false;
    Act([this, &closed] { closed = catalogue_.CloseForCommand(); });
    if (!closed) return false;
    HideWindow();
    return true;
}

void MATDBS::HideWindow() {
    loaded_ = false;
    pendingCommit_.reset();
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        frame->hide();
    } else {
        hide();
    }
}

void MATDBS::closeEvent(QCloseEvent* event) {
    // The window stays loaded behind its frame; closing it asks about unsaved changes first.
    event->ignore();
    CloseForCommand();
}

CatalogueRequests MATDBS::Act(const std::function<void()>& action) {
    const auto before = MaterialOf(design_, catalogue_);
    acting_ = true;
    action();
    acting_ = false;
    ShowModel();
    const CatalogueRequests requests = CarryOutRequests();
    if (MaterialOf(design_, catalogue_) != before) emit materialChanged();
    return requests;
}

void MATDBS::ShowModel() {
    for (CatalogueList list : kLists) ShowList(Combo(list), catalogue_.List(list));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const QString text = ToQ(catalogue_.FieldText(kValueFields[i]));
        if (values_[i]->text() != text) values_[i]->setText(text);
    }
    for (std::size_t i = 0; i < units_.size(); ++i) {
        const QSignalBlocker blocker(units_[i]);
        units_[i]->setCurrentIndex(catalogue_.UnitSelection(kUnitLists[i]));
    }
    const QString comment = ToQ(catalogue_.FieldText(MaterialField::MatComment));
    if (comment_->toPlainText() != comment) {
        const QSignalBlocker blocker(comment_);
        comment_->setPlainText(comment);
    }

    const QString primary = ToQ(catalogue_.PrimaryCaption());
    const QString secondary = ToQ(catalogue_.SecondaryCaption());
    ysLabel_->setText(primary);
    ys2Label_->setText(secondary);
    values_[0]->setAccessibleName(primary);
    units_[0]->setAccessibleName(primary + QStringLiteral(" unit"));
    ys2Caption_->setAccessibleName(secondary.isEmpty() ? QStringLiteral("Secondary strength")
                                                       : secondary);
    ysLabel_->setAccessibleName(primary);
    ys2Label_->setAccessibleName(ys2Caption_->accessibleName());
    values_[1]->setAccessibleName(ys2Caption_->accessibleName());
    units_[1]->setAccessibleName(ys2Caption_->accessibleName() + QStringLiteral(" unit"));
    if (ys2Caption_->isHidden() == catalogue_.SecondaryPanelShown()) {
        ys2Caption_->setVisible(catalogue_.SecondaryPanelShown());
        // The window grows or shrinks by the panel's height.
        if (parentWidget()) parentWidget()->adjustSize();
    }

    for (QWidget* panel : valuePanels_) panel->setEnabled(catalogue_.ValuePanelsEnabled());
    comment_->setReadOnly(!catalogue_.ValuePanelsEnabled());
    for (std::size_t i = 0; i < modeButtons_.size(); ++i) {
        modeButtons_[i]->setEnabled(catalogue_.ButtonEnabled(kModeButtons[i]));
    }
}

CatalogueRequests MATDBS::CarryOutRequests() {
    const CatalogueRequests requests = catalogue_.TakeRequests();
    for (int i = 0; i < requests.beeps; ++i) QApplication::beep();
    if (requests.bringForward && isVisible()) emit bringForwardRequested();
    if (requests.focus) {
        QComboBox* box = Combo(*requests.focus);
        box->setFocus(Qt::OtherFocusReason);
        box->lineEdit()->selectAll();
    }
    if (requests.stepBack) emit stepBackRequested();
    return requests;
}

// ---------------------------------------------------------------------------------------------

void MATDBS::ListTextEdited(CatalogueList list, const QString& text) {
    const std::optional<Message> refusal = MaterialTextRefusal(TextOf(list), FromQ(text));
    if (refusal) {
        // The text stays as it was before the refused key or paste.
        Combo(list)->lineEdit()->setText(ToQ(catalogue_.List(list).text));
        QApplication::beep();
        messages_.Show(*refusal);
        return;
    }
    catalogue_.TypeListText(list, FromQ(text));
}

void MATDBS::CommentChanged() {
    const std::string text = FromQ(comment_->toPlainText());
    const std::optional<Message> refusal = MaterialTextRefusal(MaterialText::Comment, text);
    if (!refusal) {
        catalogue_.SetFieldText(MaterialField::MatComment, text);
        return;
    }
    {
        const QSignalBlocker blocker(comment_);
        comment_->setPlainText(ToQ(catalogue_.FieldText(MaterialField::MatComment)));
        comment_->moveCursor(QTextCursor::End);
    }
    QApplication::beep();
    messages_.Show(*refusal);
}

bool MATDBS::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Opening a list's own drop-down (which hands the focus on to its entries), or a message
        // box taking the focus, does not end the editing; every other move of the focus does.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool popupOpen = QApplication::activePopupWidget() != nullptr;
        if (!popupOpen && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            for (CatalogueList list : kLists) {
                if (watched == Combo(list)) QueueCommit(list);
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MATDBS::QueueCommit(CatalogueList list) {
    pendingCommit_ = list;
    QTimer::singleShot(0, this, [this, list] {
        // A button may have committed it already; a message box open means a handler is still
        // running.
        if (pendingCommit_ != list || acting_ || !loaded_ || QApplication::activeModalWidget()) {
            return;
        }
        pendingCommit_.reset();
        Commit(list);
    });
}

bool MATDBS::Commit(CatalogueList list) {
    const CatalogueRequests done = Act([this, list] { catalogue_.LeaveList(list); });
    // A refused text sends the focus back to its list.
    return !done.focus;
}

void MATDBS::Button(const std::function<void()>& action) {
    // The list being edited is checked before the button acts, as leaving it would check it; a
    // refused text stops the button.
    if (!pendingCommit_) {
        for (CatalogueList list : kLists) {
            if (Combo(list)->hasFocus()) pendingCommit_ = list;
        }
    }
    if (pendingCommit_) {
        const CatalogueList list = *pendingCommit_;
        pendingCommit_.reset();
        if (!Commit(list)) return;
    }
    Act(action);
}

QComboBox* MATDBS::Combo(CatalogueList list) const {
    return lists_[At(list)];
}

}  // namespace tidewell
