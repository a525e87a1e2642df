#include "gui/editors/editordialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>

#include "core/model/frequencyrules.h"
#include "core/model/radiodata.h"
#include "gui/editors/editorcontrols.h"
#include "gui/kit/buttonrow.h"
#include "gui/kit/messagebox.h"
#include "gui/kit/workspace.h"

TEditorDialog::TEditorDialog(TWorkspace& workspace, const char* caption)
    : QDialog(workspace.Window()), Workspace(workspace) {
    setWindowTitle(EditorText(caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Times New Roman")});
    setFont(dialogFont);
}

QLayout* TEditorDialog::BuildButtons() {
    OKButton = new QPushButton(tr("&OK"), this);
    OKButton->setDefault(true);
    CloseButton = new QPushButton(tr("&Close"), this);
    KeepDesignNames({{OKButton, "Button2"}, {CloseButton, "Button1"}});
    connect(OKButton, &QPushButton::clicked, this, &TEditorDialog::OKClick);
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
    return ButtonRow({OKButton, CloseButton});
}

void TEditorDialog::Load(const std::function<void()>& show) {
    {
        const QScopedValueRollback<bool> loading(Loading, true);
        show();
    }
    Changed = false;
}

void TEditorDialog::MarkChanged() {
    if (!Loading) Changed = true;
}

bool TEditorDialog::ResolveChanges(const char* question) {
    if (!Changed) return true;
    const TMessageAnswer answer =
        ShowMessage(this, QString::fromLatin1(question), TMessageStyle::YesNoQuestion);
    if (answer == TMessageAnswer::Yes) return Save();
    Changed = false;
    return true;
}

bool TEditorDialog::Refused(TEditFailure failure) {
    if (failure == TEditFailure::None) return false;
    ShowMessage(this, QString::fromLatin1(FailureMessage(failure)), TMessageStyle::Information);
    return true;
}

void TEditorDialog::TellRounded(bool rounded) {
    if (!rounded) return;
    ShowMessage(this, QString::fromLatin1(kRoundedMessage), TMessageStyle::Information);
}

void TEditorDialog::OKClick() {
    if (Save()) accept();
}

void TEditorDialog::reject() {
    if (!ResolveChanges()) return;
    QDialog::reject();
}

void TEditorDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Shown) return;
    Shown = true;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    }
    FirstFocus()->setFocus();
}

void TEditorDialog::keyPressEvent(QKeyEvent* event) {
    // Escape closes the dialog as Close does, asking about unsaved edits first,
    // wherever the focus is.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}
