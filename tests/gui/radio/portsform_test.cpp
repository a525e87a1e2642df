#include <unistd.h>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "core/radio/kcomm.h"
#include "gui/radio/portsform.h"
#include "support/mainformfixture.h"
#include "support/pseudoterminal.h"

namespace {

class PortsOverview : public MainFormTest {
protected:
    static QStringList RowOf(const QTableWidget& table, int row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            cells.append(table.item(row, column) ? table.item(row, column)->text() : QString());
        }
        return cells;
    }

    TPseudoTerminal Radio;
};

// The widest text of a table's column.
int TextWidth(const QTableWidget& table, int column) {
    int width = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        width =
            std::max(width, table.fontMetrics().horizontalAdvance(table.item(row, column)->text()));
    }
    return width;
}

TEST_F(PortsOverview, DialogShowsTheSelectedDevicesAndRefreshes) {
    StoreConfiguration("RV-310", "MKF");
    Temp.Set("Ports/COM1", QString::fromStdString(Radio.Path()));
    TMainForm& form = Start();
    const QString device = QString::fromStdString(Radio.Path());
    QStringList before;
    QStringList after;
    Dialogs.Then([&](QDialog& dialog) {
        auto& ports = dynamic_cast<TPortsForm&>(dialog);
        before = RowOf(*ports.PortTable, 0);
        TKComm holder;
        holder.SetDeviceName(Radio.Path());
        holder.OpenCommport();
        ports.RefreshButton->click();
        after = RowOf(*ports.PortTable, 0);
        ports.CloseButton->click();
        return dialog.result();
    });
    form.PortCommands->Ports->trigger();
    ASSERT_EQ(Dialogs.Count(), 1);
    EXPECT_EQ(before, (QStringList{"COM1", device, "setting", "available"}));
    ASSERT_EQ(after.size(), 4);
    EXPECT_TRUE(after[3].startsWith("busy: held by ")) << after[3].toStdString();
    EXPECT_TRUE(after[3].contains(QStringLiteral("(pid %1)").arg(getpid())))
        << after[3].toStdString();
}

TEST(PortsForm, ShowsTheSameFactsAsTheText) {
    TPortScan scan;
    for (int number = 1; number <= 20; ++number) {
        scan.Ports.push_back(
            {number, {"/dev/ttyUSB" + std::to_string(number - 1)}, number == 1 ? 0 : -1});
    }
    TFoundDevice adapter;
    adapter.Path = "/dev/ttyUSB0";
    adapter.Name = "ttyUSB0";
    adapter.Facts = {"cp210x", "10c4", "ea60", "Silicon Labs", "CP2102 USB to UART", "0001"};
    adapter.ById = "usb-Silicon_Labs_CP2102_0001-if00-port0";
    adapter.State = TPortState::NotPermitted;
    adapter.Access = {"dialout", true, false};
    scan.Devices.push_back(adapter);
    TPortsForm form(nullptr, [&] { return scan; });
    const TPortOverview overview = BuildOverview(scan);
    ASSERT_EQ(form.PortTable->rowCount(), 2);
    ASSERT_EQ(form.DeviceTable->rowCount(), 1);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(form.DeviceTable->item(0, column)->text().toStdString(),
                  overview.DeviceRows[0][column]);
    }
    EXPECT_EQ(form.PortTable->item(1, 0)->text(), "COM2-COM20");
    EXPECT_TRUE(form.HintsLabel->text().contains("sudo usermod -aG dialout $USER"))
        << form.HintsLabel->text().toStdString();

    // Every column shows its texts whole when the dialog first shows, and after Refresh.
    form.show();
    for (bool refreshed : {false, true}) {
        if (refreshed) form.RefreshButton->click();
        for (const QTableWidget* table : {form.PortTable, form.DeviceTable}) {
            const int last = table->columnCount() - 1;
            QTRY_VERIFY(table->columnViewportPosition(last) + TextWidth(*table, last) <=
                        table->viewport()->width());
            for (int column = 0; column < last; ++column) {
                EXPECT_GE(table->columnWidth(column), TextWidth(*table, column))
                    << refreshed << " " << column;
            }
        }
    }
}

}  // namespace
