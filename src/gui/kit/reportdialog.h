#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A report of many lines: the summary over its notes, one per line in a
// read-only box that scrolls when the list is long. It tells what a CSV
// import or export did, and what a verification after a write found.
class TReportDialog : public QDialog {
    Q_OBJECT
public:
    TReportDialog(const QString& summary, const QStringList& notes, QWidget* parent = nullptr);

    QLabel* SummaryLabel = nullptr;
    QPlainTextEdit* NotesBox = nullptr;
    QPushButton* OKButton = nullptr;
};
