// One running program for the test of the clipboard between programs. It builds the
// main window from the settings it finds and obeys commands from standard input, one
// a line, answering each with a line ("offered" is 1 when Paste is enabled, else 0):
//   store <row> <record>  the record of a memory grid row     -> "stored"
//   click <grid> <row>    a click on a grid row               -> "clicked <offered>"
//   copy                  Edit > Copy                         -> "copied"
//   activate              brings the window forward and waits
//                         until the program is active         -> "active <offered>"
//   paste                 Edit > Paste                        -> "pasted <record of the row>"
//   quit
// It stays up between commands, so others can fetch the clipboard data it owns.
#include <unistd.h>

#include <QAction>
#include <QSocketNotifier>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "core/files/settings.h"
#include "core/model/channelclipboard.h"
#include "core/model/channelview.h"
#include "gui/kit/messagebox.h"
#include "gui/mainwindow/application.h"
#include "gui/mainwindow/editcommands.h"
#include "gui/mainwindow/mainform.h"
#include "gui/pages/channelgrids.h"

namespace {

constexpr int kActivationBound = 10000;  // ms

void Answer(const QString& text) {
    std::printf("%s\n", text.toLatin1().constData());
    std::fflush(stdout);
}

class TPeer : public QObject {
public:
    explicit TPeer(TMainForm& form) : Form(form), Input(STDIN_FILENO, QSocketNotifier::Read) {
        connect(&Input, &QSocketNotifier::activated, this, &TPeer::ReadInput);
        // The main window's own activation handler, connected before, has run when this one runs.
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](auto state) {
            if (state == Qt::ApplicationActive && Activating) Activated();
        });
    }

private:
    void ReadInput() {
        char chunk[4096];
        const ssize_t count = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (count <= 0) Input.setEnabled(false);
        Pending.append(chunk, count > 0 ? count : 0);
        for (qsizetype end; (end = Pending.indexOf('\n')) >= 0; Pending.remove(0, end + 1)) {
            Obey(QString::fromLatin1(Pending.left(end)));
        }
        if (count <= 0) QCoreApplication::exit(0);
    }

    void Obey(const QString& line) {
        const QString command = line.section(' ', 0, 0);
        const int first = line.section(' ', 1, 1).toInt();
        if (command == "store") {
            Form.Data().SetChannel(RecordOfMemoryRow(Form.Data(), first),
                                   line.section(' ', 2).toStdString());
            Form.RefreshGrids();
            Answer("stored");
        } else if (command == "click") {
            Click(first, line.section(' ', 2, 2).toInt());
            Answer("clicked " + Offered());
        } else if (command == "copy") {
            Form.EditCommands->Copy->trigger();
            Answer("copied");
        } else if (command == "activate") {
            Activate();
        } else if (command == "paste") {
            Form.EditCommands->Paste->trigger();
            const int grid = Form.Grids->CurrentGrid;
            Answer("pasted " +
                   QString::fromStdString(RecordOfRow(Form.Data(), static_cast<TClipGrid>(grid),
                                                      Form.Grids->SelectedRow(grid))));
        } else if (command == "quit") {
            QCoreApplication::exit(0);  // without closing the window, which would ask to save
        }
    }

    void Click(int grid, int row) {
        auto* table = Form.findChild<QTableWidget*>(QStringLiteral("StringGrid%1").arg(grid));
        QTableWidgetItem* label = table ? table->item(row - 1, 1) : nullptr;
        if (label == nullptr) return;
        table->scrollToItem(label);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(label).center());
    }

    void Activate() {
        Activating = true;
        if (QGuiApplication::applicationState() == Qt::ApplicationActive) {
            Activated();
            return;
        }
        QTimer::singleShot(kActivationBound, this, [this] {
            if (Activating) Answer("active timeout");
            Activating = false;
        });
        Form.activateWindow();
    }

    void Activated() {
        Activating = false;
        Answer("active " + Offered());
    }

    QString Offered() const { return Form.EditCommands->Paste->isEnabled() ? "1" : "0"; }

    TMainForm& Form;
    QSocketNotifier Input;
    QByteArray Pending;
    bool Activating = false;
};

}  // namespace

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    // No one is there to answer a message box: it is reported and cancelled.
    SetMessageResponder([](const TShownMessage& message) {
        std::fprintf(stderr, "message: %s\n", message.Text.toLatin1().constData());
        return TMessageAnswer::Cancel;
    });
    TSettingsStore store;
    TMainForm form(store, {}, TSplash::Skipped);
    form.show();
    TPeer peer(form);
    QTimer::singleShot(0, &form, [] { Answer("ready"); });
    return QCoreApplication::exec();
}
