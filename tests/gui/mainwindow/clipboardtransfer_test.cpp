// A channel copied in one running program and pasted in another through a real X
// server's clipboard. The test starts the X server itself; without one it fails.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "support/xserver.h"

namespace {

const QByteArray kChannel = "07,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,RPT";
const QByteArray kUhfChannel = "08,0433000000,6,0,0,0,0,0,08,08,000,05000000,0,0,0000000000,0,0,,";

// One running program with its own settings, asked one command at a time.
class TProgram {
public:
    TProgram(const QString& display, const QString& folder, const char* model, const char* type) {
        StartOnDisplay(Process, QStringLiteral(TAVRIN_CLIPBOARD_PEER_PATH), {}, display, folder,
                       model, type);
    }
    ~TProgram() { Stop(Process); }

    std::string Answer() { return NextLine(Process); }

    std::string Ask(const QByteArray& command) {
        Process.write(command + '\n');
        return NextLine(Process);
    }

    // Quits; true when the program ended cleanly (under the sanitizers: without leaks).
    bool Quit() {
        Process.write("quit\n");
        return Process.waitForFinished(kXServerBound) &&
               Process.exitStatus() == QProcess::NormalExit && Process.exitCode() == 0;
    }

    std::string Errors() { return Process.readAllStandardError().toStdString(); }

private:
    QProcess Process;
};

TEST(ClipboardBetweenPrograms, ChannelCopiedUnderOneModelIsPastedUnderAnother) {
    TXServer server;
    std::string failure;
    const QString display = server.Start(failure);
    ASSERT_FALSE(display.isEmpty()) << failure;
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());

    TProgram handheld(display, folder.filePath("a"), "PX-A5", "AKF0");
    ASSERT_EQ(handheld.Answer(), "ready") << handheld.Errors();
    TProgram mobile(display, folder.filePath("b"), "RV-310", "MKF");
    ASSERT_EQ(mobile.Answer(), "ready") << mobile.Errors();
    ASSERT_EQ(mobile.Ask("click 1 13"), "clicked 0");  // channel 12, nothing copied yet

    ASSERT_EQ(handheld.Ask("store 8 " + kChannel), "stored");
    ASSERT_EQ(handheld.Ask("click 1 8"), "clicked 0");
    ASSERT_EQ(handheld.Ask("copy"), "copied");
    // Coming forward, the other program finds the channel on the clipboard.
    EXPECT_EQ(mobile.Ask("activate"), "active 1") << mobile.Errors();
    EXPECT_EQ(mobile.Ask("paste"),
              "pasted 012,0145000000,3,2,0,1,0,0,12,08,000,00600000,1,0,0000000000,0,1,,RPT");

    // A 430 MHz model refuses the 145 MHz channel, and takes one of its band.
    TProgram uhf(display, folder.filePath("c"), "PX-A7", "AEB0");
    ASSERT_EQ(uhf.Answer(), "ready") << uhf.Errors();
    EXPECT_EQ(uhf.Ask("click 1 2"), "clicked 0");
    ASSERT_EQ(handheld.Ask("store 9 " + kUhfChannel), "stored");
    ASSERT_EQ(handheld.Ask("click 1 9"), "clicked 1");
    ASSERT_EQ(handheld.Ask("copy"), "copied");
    EXPECT_EQ(uhf.Ask("click 1 3"), "clicked 1");
    EXPECT_EQ(uhf.Ask("paste"), "pasted 02" + kUhfChannel.mid(2).toStdString());

    EXPECT_TRUE(uhf.Quit()) << uhf.Errors();
    EXPECT_TRUE(mobile.Quit()) << mobile.Errors();
    EXPECT_TRUE(handheld.Quit()) << handheld.Errors();
}

}  // namespace
