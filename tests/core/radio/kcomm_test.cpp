#include "core/radio/kcomm.h"

#include <gtest/gtest.h>

#include <termios.h>
#include <QSignalSpy>
#include <chrono>

#include "core/ports/portmap.h"
#include "core/radio/exchangerunner.h"
#include "support/pseudoterminal.h"
#include "support/tempsettings.h"

namespace {

using namespace std::chrono_literals;

// A component set up as the radio windows set theirs up.
void ConfigureForRadio(TKComm& comm, const std::string& device) {
    comm.SetDeviceName(device);
    ConfigureRadioLine(comm);
}

std::string ThrownMessage(const std::function<void()>& action) {
    try {
        action();
    } catch (const ECommError& error) {
        return error.what();
    }
    return {};
}

class SerialPort : public ::testing::Test {
protected:
    void SetUp() override { ConfigureForRadio(Comm, Line.Path()); }
    TTempSettings Settings;
    TPseudoTerminal Line;
    TKComm Comm;
};

TEST_F(SerialPort, OpensAndClosesOnceWhateverTheCalls) {
    EXPECT_FALSE(Comm.GetPortStatus());
    Comm.OpenCommport();
    Comm.OpenCommport();
    EXPECT_TRUE(Comm.GetPortStatus());
    Comm.CloseCommport();
    Comm.CloseCommport();
    EXPECT_FALSE(Comm.GetPortStatus());
    Comm.OpenCommport();
    EXPECT_TRUE(Comm.GetPortStatus());
}

// ... and gives the terminal back as it found it, echo and line editing included.
TEST_F(SerialPort, AppliesTheRadioLineSettings) {
    termios tio{};
    ASSERT_EQ(tcgetattr(Line.MasterFd(), &tio), 0);
    tio.c_lflag |= ECHO | ICANON;
    ASSERT_EQ(tcsetattr(Line.MasterFd(), TCSANOW, &tio), 0);
    Comm.OpenCommport();
    ASSERT_EQ(tcgetattr(Line.MasterFd(), &tio), 0);
    EXPECT_FALSE(tio.c_lflag & (ECHO | ICANON));
    EXPECT_EQ(cfgetospeed(&tio), static_cast<speed_t>(B9600));
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & PARENB);
    EXPECT_FALSE(tio.c_cflag & CSTOPB);
    EXPECT_TRUE(tio.c_iflag & IXON);
    EXPECT_TRUE(tio.c_iflag & IXOFF);
    EXPECT_EQ(tio.c_cc[VSTART], 17);
    EXPECT_EQ(tio.c_cc[VSTOP], 19);
    Comm.SetFlowControl(TFlowControl::RtsCts);
    ASSERT_EQ(tcgetattr(Line.MasterFd(), &tio), 0);
    EXPECT_FALSE(tio.c_iflag & IXON);
    EXPECT_TRUE(tio.c_cflag & CRTSCTS);
    Comm.CloseCommport();
    ASSERT_EQ(tcgetattr(Line.MasterFd(), &tio), 0);
    EXPECT_EQ(tio.c_lflag & (ECHO | ICANON), static_cast<tcflag_t>(ECHO | ICANON));
    EXPECT_FALSE(tio.c_iflag & IXON);
}

TEST_F(SerialPort, HeldPortIsUnavailableToOthers) {
    Comm.OpenCommport();
    TKComm other;
    other.SetDeviceName(Line.Path());
    EXPECT_FALSE(other.CheckCommportValid(Line.Path()));
    EXPECT_EQ(ThrownMessage([&] { other.OpenCommport(); }),
              "CommOpen Error,invalid HANDLE:0xFFFFFFFF");
    EXPECT_FALSE(other.GetPortStatus());
    EXPECT_TRUE(Comm.CheckCommportValid(Line.Path()));
    Comm.CloseCommport();
    EXPECT_TRUE(other.CheckCommportValid(Line.Path()));
    EXPECT_FALSE(other.CheckCommportValid("/dev/nonexistent-port"));
    EXPECT_FALSE(other.CheckCommportValid("/dev/null"));
}

TEST_F(SerialPort, ClosedPortCountsMinusOneAndRefusesTransfers) {
    EXPECT_EQ(Comm.CountInBuff(), -1);
    EXPECT_EQ(Comm.CountOutBuff(), -1);
    unsigned char byte = 0;
    EXPECT_EQ(ThrownMessage([&] { Comm.ReadData(&byte, 1); }), "Have not started communications");
    EXPECT_EQ(ThrownMessage([&] { Comm.WriteStringData("ID\r"); }),
              "Have not started communications");
    Comm.ClearInBuff();
    Comm.WriteStop();
}

TEST_F(SerialPort, RaisesOneEventPerCarriageReturn) {
    Comm.OpenCommport();
    QSignalSpy events(&Comm, &TKComm::OnCommEvent);
    Line.Send("ID PX-A5\rTY AKF0\r");
    ASSERT_TRUE(events.wait(2000));
    while (events.size() < 2 && events.wait(500)) {
    }
    EXPECT_EQ(events.size(), 2);
    EXPECT_EQ(Comm.CountInBuff(), 17);
    EXPECT_EQ(Comm.ReadStringData(17), "ID PX-A5\rTY AKF0\r");
    Line.Send("FL 0144,01");
    EXPECT_FALSE(events.wait(300));
    EXPECT_EQ(Comm.CountInBuff(), 10);
}

TEST_F(SerialPort, ReceiveEventsWaitForTheThreshold) {
    Comm.SetEventType(TEventType::RxEvent);
    Comm.SetRxThreshold(4);
    Comm.OpenCommport();
    QSignalSpy events(&Comm, &TKComm::OnCommEvent);
    Line.Send("abc");
    EXPECT_FALSE(events.wait(300));
    Line.Send("d");
    ASSERT_TRUE(events.wait(2000));
    EXPECT_EQ(events.last().at(1).toUInt(), 4u);
}

TEST_F(SerialPort, WritesReachTheLineAndTheQueueMustHaveRoom) {
    Comm.SetOutBuffSize(16);
    Comm.OpenCommport();
    Comm.WriteStringData("ME 007\r");
    EXPECT_EQ(Line.Receive(7), "ME 007\r");
    EXPECT_EQ(ThrownMessage([&] { Comm.WriteStringData(std::string(16, 'x')); }),
              "Too much write data");
    Comm.WriteStringData(std::string(15, 'x'));
    EXPECT_EQ(Line.Receive(15), std::string(15, 'x'));
}

TEST_F(SerialPort, ReadingMoreThanArrivesTimesOut) {
    Comm.OpenCommport();
    Line.Send("N\r");
    QSignalSpy events(&Comm, &TKComm::OnCommEvent);
    ASSERT_TRUE(events.wait(2000));
    unsigned char buffer[4];
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(ThrownMessage([&] { Comm.ReadData(buffer, 4); }), "Read data Timeout");
    // 5 ms for each byte asked for and one second; the upper bound leaves a loaded
    // machine two seconds and still fails a time-out ten times too long.
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 1020ms);
    EXPECT_LT(waited, 3020ms);
    Comm.ClearInBuff();
    EXPECT_EQ(Comm.CountInBuff(), 0);
}

TEST_F(SerialPort, PulledCableIsReportedNotFatal) {
    Comm.OpenCommport();
    QSignalSpy lost(&Comm, &TKComm::OnCommLost);
    Line.Hangup();
    ASSERT_TRUE(lost.wait(2000));
    EXPECT_EQ(lost.size(), 1);
    EXPECT_EQ(ThrownMessage([&] { Comm.WriteStringData("ID\r"); }),
              "Communication Write Error  ErrorMask=1024");
    unsigned char byte = 0;
    EXPECT_EQ(ThrownMessage([&] { Comm.ReadData(&byte, 1); }),
              "Communication Read Error  ErrorMask=1024");
    Comm.CloseCommport();
    EXPECT_FALSE(Comm.GetPortStatus());
}

TEST(SerialPortNames, PortSelectionPicksTheDeviceName) {
    TKComm comm;
    EXPECT_EQ(comm.DeviceName(), "\\\\.\\COM1");
    comm.SetCommPort(TCommPort::Com1);
    EXPECT_EQ(comm.DeviceName(), "\\\\.\\COM1");
    comm.SetCommPort(TCommPort::Com9);
    EXPECT_EQ(comm.DeviceName(), "COM9");
    comm.SetCommPort(TCommPort::Com10);
    EXPECT_EQ(comm.DeviceName(), "\\\\.\\COM10");
    comm.SetCommPort(static_cast<TCommPort>(25));
    EXPECT_EQ(comm.DeviceName(), "COM1");
}

TEST(SerialPortNames, PortMapPrefersTheUsersEntryThenTheEnvironment) {
    TTempSettings settings;
    EXPECT_EQ(ResolvePortName("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(ResolvePortName("\\\\.\\COM12"), "/dev/ttyUSB11");
    EXPECT_EQ(ResolvePortName("/dev/ttyS3"), "/dev/ttyS3");
    EXPECT_EQ(ResolvePortName("COM21"), "COM21");
    qputenv("TAVRIN_COM2", "/tmp/radiosim");
    EXPECT_EQ(ResolvePortName("COM2"), "/tmp/radiosim");
    settings.Set("Ports/COM2", "/dev/ttyACM0");
    EXPECT_EQ(ResolvePortName("\\\\.\\COM2"), "/dev/ttyACM0");
    qunsetenv("TAVRIN_COM2");
    EXPECT_EQ(PortNumberOfName("COM02"), 0);
    EXPECT_EQ(PortNumberOfName("\\\\.\\COM20"), 20);
}

}  // namespace
