#include "gui/mainwindow/csvreports.h"

#include <QCoreApplication>
#include <QStringList>

#include "gui/kit/modal.h"
#include "gui/kit/reportdialog.h"

std::string CsvPatternText(const char* pattern) {
    return QCoreApplication::translate("CsvChannels", pattern).toStdString();
}

QString CsvMessageText(const std::string& text) {
    return QCoreApplication::translate("Messages", text.c_str());
}

QStringList CsvNotesOf(const std::vector<TCsvNote>& notes) {
    QStringList texts;
    for (const TCsvNote& note : notes) {
        texts.append(QString::fromStdString(CsvNoteText(note, CsvPatternText)));
    }
    return texts;
}

void ShowCsvReport(QWidget* parent, const QString& summary, TMessageStyle style,
                   const std::vector<TCsvNote>& notes) {
    if (notes.empty()) {
        ShowMessage(parent, summary, style);
        return;
    }
    TReportDialog dialog(summary, CsvNotesOf(notes), parent);
    ExecModal(dialog);
}
