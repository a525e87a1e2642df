#include "gui/editors/dtmfform.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/model/radiodata.h"
#include "gui/editors/editorcontrols.h"
#include "gui/kit/modal.h"
#include "gui/kit/workspace.h"

namespace {

// Help topics of the controls.
constexpr int kEntryHelp = 600;
constexpr int kCodeHelp = 605;

}  // namespace

TDtmfForm::TDtmfForm(TWorkspace& workspace)
    : TEditorDialog(workspace, QT_TRANSLATE_NOOP("Editors", "DTMF Memory")) {
    EntryCombo = MakeList(this, kEntryHelp);
    for (int entry = 0; entry <= kLastDtmfEntry; ++entry) {
        EntryCombo->addItem(QString::number(entry));
    }
    EntryLabel = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Channel Number"), this, EntryCombo);
    CodeGroup = new QGroupBox(tr("DTMF Code"), this);
    CodeEdit = MakeUpperCaseEdit(CodeGroup, kDtmfCodeLength, kCodeHelp);
    (new QHBoxLayout(CodeGroup))->addWidget(CodeEdit);
    KeepDesignNames({{EntryLabel, "Label2"},
                     {EntryCombo, "ComboBox1"},
                     {CodeGroup, "GroupBox1"},
                     {CodeEdit, "Edit1"}});

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(EntryLabel);
    entryRow->addWidget(EntryCombo);
    entryRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entryRow);
    layout->addWidget(CodeGroup);
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ChainTabOrder({EntryCombo, CodeEdit, OKButton, CloseButton});
    ConnectHandlers();

    // The grid's row r shows entry r - 1; without a selected row the first entry is taken.
    const int row = Workspace.SelectedDtmfRow();
    LoadEntry(std::clamp(row - 1, 0, kLastDtmfEntry));
}

void TDtmfForm::ConnectHandlers() {
    connect(EntryCombo, &QComboBox::currentIndexChanged, this, &TDtmfForm::EntryComboChange);
    FilterKeys(EntryCombo, [this](QKeyEvent* key) { return EntryComboKeyPress(key); });
    connect(CodeEdit, &QLineEdit::textChanged, this, &TDtmfForm::CodeEditChange);
    FilterKeys(CodeEdit,
               [this](QKeyEvent* key) { return RefuseCharacterKey(this, key, IsDtmfCharacter); });
}

QWidget* TDtmfForm::FirstFocus() const {
    return CodeEdit;
}

void TDtmfForm::LoadEntry(int entry) {
    Load([this, entry] {
        CurrentEntry = entry;
        EntryCombo->setCurrentIndex(entry);
        CodeEdit->setText(TextOf(DtmfCodeOf(Workspace.Data(), entry)));
    });
}

bool TDtmfForm::Save() {
    TRadioData& data = Workspace.Data();
    data.Changed = true;
    data.SetDtmf(CurrentEntry, DtmfEntryText(CurrentEntry, CodeEdit->text().toStdString()));
    Workspace.RefreshGrids();
    Changed = false;
    return true;
}

void TDtmfForm::ChangeEntry(int entry) {
    // Kept edits go into the entry they were made in, not the one chosen now.
    ResolveChanges(kChangeEntryQuestion);
    Changed = false;
    LoadEntry(entry);
}

void TDtmfForm::EntryComboChange(int index) {
    if (Loading || index < 0) return;
    ChangeEntry(index);
}

bool TDtmfForm::EntryComboKeyPress(QKeyEvent* key) {
    // Page Up goes forward, as the memory editor's channel number does.
    if (key->key() == Qt::Key_PageUp) {
        ChangeEntry(WrappedDtmfEntry(CurrentEntry + 1));
        return true;
    }
    if (key->key() == Qt::Key_PageDown) {
        ChangeEntry(WrappedDtmfEntry(CurrentEntry - 1));
        return true;
    }
    return false;
}

void TDtmfForm::CodeEditChange() {
    if (Loading) return;
    ClearInvalidText(CodeEdit, IsDtmfCharacter);
    MarkChanged();
}

void OpenDtmfEditor(TWorkspace& workspace) {
    TDtmfForm form(workspace);
    ExecModal(form);
}
