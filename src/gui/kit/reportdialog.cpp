#include "gui/kit/reportdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kStartSize(560, 360);

}  // namespace

TReportDialog::TReportDialog(const QString& summary, const QStringList& notes, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("TAVRIN"));
    SummaryLabel = new QLabel(summary, this);
    SummaryLabel->setWordWrap(true);
    NotesBox = new QPlainTextEdit(notes.join(QLatin1Char('\n')), this);
    NotesBox->setReadOnly(true);
    NotesBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    OKButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SummaryLabel);
    layout->addWidget(NotesBox);
    layout->addWidget(buttons);
    resize(kStartSize);
}
