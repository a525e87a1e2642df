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
    ComboBox1 = MakeList(this, kEntryHelp);
    for (int entry = 0; entry <= kLastDtmfEntry; ++entry) {
        ComboBox1->addItem(QString::number(entry));
    }
    Label2 = MakeLabel(QT_TRANSLATE_NOOP("Editors", "Channel Number"), this, ComboBox1);
    GroupBox1 = new QGroupBox(tr("DTMF Code"), this);
    Edit1 = MakeUpperCaseEdit(GroupBox1, kDtmfCodeLength, kCodeHelp);
    (new QHBoxLayout(GroupBox1))->addWidget(Edit1);

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(Label2);
    entryRow->addWidget(ComboBox1);
    entryRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(entryRow);
    layout->addWidget(GroupBox1);
    layout->addLayout(BuildButtons());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ChainTabOrder({ComboBox1, Edit1, OKButton, CloseButton});
    ConnectHandlers();

    // The grid's row r shows entry r - 1; without a selected row the first entry is taken.
    const int row = Workspace.SelectedDtmfRow();
    LoadEntry(std::clamp(row - 1, 0, kLastDtmfEntry));
}

void TDtmfForm::ConnectHandlers() {
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TDtmfForm::ComboBox1Change);
    FilterKeys(ComboBox1, [this](QKeyEvent* key) { return ComboBox1KeyPress(key); });
    connect(Edit1, &QLineEdit::textChanged, this, &TDtmfForm::Edit1Change);
    FilterKeys(Edit1,
               [this](QKeyEvent* key) { return RefuseCharacterKey(this, key, IsDtmfCharacter); });
}

QWidget* TDtmfForm::FirstFocus() const {
    return Edit1;
}

void TDtmfForm::LoadEntry(int entry) {
    Load([this, entry] {
        CurrentEntry = entry;
        ComboBox1->setCurrentIndex(entry);
        Edit1->setText(TextOf(DtmfCodeOf(Workspace.Data(), entry)));
    });
}

bool TDtmfForm::Save() {
    TRadioData& data = Workspace.Data();
    data.Changed = true;
    data.SetDtmf(CurrentEntry, DtmfEntryText(CurrentEntry, Edit1->text().toStdString()));
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

void TDtmfForm::ComboBox1Change(int index) {
    if (Loading || index < 0) return;
    ChangeEntry(index);
}

bool TDtmfForm::ComboBox1KeyPress(QKeyEvent* key) {
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

void TDtmfForm::Edit1Change() {
    if (Loading) return;
    ClearInvalidText(Edit1, IsDtmfCharacter);
    MarkChanged();
}

void OpenDtmfEditor(TWorkspace& workspace) {
    TDtmfForm form(workspace);
    ExecModal(form);
}
