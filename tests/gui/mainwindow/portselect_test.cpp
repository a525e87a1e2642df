#include <QAction>
#include <QCloseEvent>
#include <QMenu>

#include "core/radio/kcomm.h"
#include "support/mainformfixture.h"
#include "support/pseudoterminal.h"

namespace {

class PortSelect : public MainFormTest {
protected:
    TMainForm& StartWithPorts() {
        StoreConfiguration("RV-310", "MKF");
        Temp.Set("Ports/COM3", QString::fromStdString(Radio.Path()));
        Temp.Set("Ports/COM10", QString::fromStdString(OtherRadio.Path()));
        Temp.Set("Ports/COM5", "/dev/nonexistent-serial-port");
        return Start();
    }
    QList<int> Ticked() {
        QList<int> ticked;
        for (QAction* item : Form->PortCommands->ComItems) {
            if (item->isChecked()) ticked.append(item->data().toInt());
        }
        return ticked;
    }
    TPseudoTerminal Radio;
    TPseudoTerminal OtherRadio;
};

TEST_F(PortSelect, AvailablePortIsTakenAndRemembered) {
    TMainForm& form = StartWithPorts();
    form.PortCommands->ComItems[9]->trigger();
    EXPECT_EQ(form.CommPort(), "COM10");
    EXPECT_EQ(Ticked(), QList<int>{10});
    QCloseEvent close;
    QCoreApplication::sendEvent(&form, &close);
    EXPECT_EQ(Temp.Value("CommPort"), "COM10");
}

TEST_F(PortSelect, UnavailablePortKeepsTheEarlierChoice) {
    TMainForm& form = StartWithPorts();
    form.PortCommands->ComItems[2]->trigger();
    ASSERT_EQ(form.CommPort(), "COM3");
    Messages.Answer(TMessageAnswer::Ok);
    form.PortCommands->ComItems[4]->trigger();
    EXPECT_EQ(Messages.Texts(),
              QStringList{"The COM5 port is unavailable.\nPlease check the COM5 port status.\n\n"
                          "COM5 = /dev/nonexistent-serial-port: No such file or directory"});
    EXPECT_EQ(Messages.Shown()[0].Style, TMessageStyle::PortWarning);
    EXPECT_EQ(form.CommPort(), "COM3");
    EXPECT_EQ(Ticked(), QList<int>{3});
}

TEST_F(PortSelect, PortHeldByAnotherProgramIsUnavailable) {
    TMainForm& form = StartWithPorts();
    TKComm holder;
    holder.SetDeviceName(Radio.Path());
    holder.OpenCommport();
    Messages.Answer(TMessageAnswer::Ok);
    form.PortCommands->ComItems[2]->trigger();
    EXPECT_EQ(Messages.Texts(),
              QStringList{"The COM3 port is unavailable.\nPlease check the COM3 port status.\n\n"
                          "COM3 = " +
                          QString::fromStdString(Radio.Path()) + ": in use"});
    EXPECT_EQ(form.CommPort(), "COM1");
}

TEST_F(PortSelect, RadioCommandsTestTheSelectedPort) {
    TMainForm& form = StartWithPorts();
    form.PortCommands->ComItems[2]->trigger();
    EXPECT_TRUE(form.PortCommands->CheckSelectedPort());
    TKComm holder;
    holder.SetDeviceName(Radio.Path());
    holder.OpenCommport();
    // The box's Ports... button opens the overview of the ports.
    Messages.Answer(TMessageAnswer::Yes);
    QString overview;
    Dialogs.Then([&overview](QDialog& dialog) {
        overview = dialog.metaObject()->className();
        return 0;
    });
    EXPECT_FALSE(form.PortCommands->CheckSelectedPort());
    EXPECT_EQ(Messages.Texts(),
              QStringList{"The selected COM port is unavailable.\nPlease check the COM port "
                          "status.\n\nCOM3 = " +
                          QString::fromStdString(Radio.Path()) + ": in use"});
    EXPECT_EQ(overview, "TPortsForm");
}

TEST_F(PortSelect, ItemsShowTheDeviceTheyStandFor) {
    TMainForm& form = StartWithPorts();
    emit form.PortCommands->PortMenu->aboutToShow();
    EXPECT_EQ(form.PortCommands->ComItems[2]->toolTip().toStdString(), Radio.Path());
    EXPECT_EQ(form.PortCommands->ComItems[1]->statusTip(), "/dev/ttyUSB1");
    // Beside the caption, where a menu shows shortcuts.
    EXPECT_EQ(form.PortCommands->ComItems[2]->text(),
              "Com&3\t" + QString::fromStdString(Radio.Path()));
    EXPECT_EQ(form.PortCommands->ComItems[9]->text(),
              "Com1&0\t" + QString::fromStdString(OtherRadio.Path()));
}

}  // namespace
