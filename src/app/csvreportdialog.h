#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// What a CSV import or export did: the summary line over its notes, one per
// line in a read-only box that scrolls when the list is long.
class TCsvReportDialog : public QDialog {
    Q_OBJECT
public:
    TCsvReportDialog(const QString& summary, const QStringList& notes, QWidget* parent = nullptr);

    QLabel* SummaryLabel = nullptr;
    QPlainTextEdit* NotesBox = nullptr;
    QPushButton* OKButton = nullptr;
};
