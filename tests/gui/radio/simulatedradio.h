#pragma once

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model/modelcatalogue.h"
#include "core/model/radiodata.h"
#include "radiosim/framing.h"
#include "radiosim/transceiver.h"
#include "support/pseudoterminal.h"

// A transceiver on the far end of a pseudo-terminal, answering from the test's
// own event loop: the program opens the slave as its serial port and runs its
// exchange against it as against a radio, while the test sees every command.
class TSimulatedRadio {
public:
    explicit TSimulatedRadio(TRadioData memory, std::string id = {},
                             TProtectAnswer protectAnswer = TProtectAnswer::Always) {
        if (id.empty()) id = memory.GetModel();
        Transceiver =
            std::make_unique<TTransceiver>(std::move(memory), std::move(id), protectAnswer);
        fcntl(Line.MasterFd(), F_SETFL, fcntl(Line.MasterFd(), F_GETFL) | O_NONBLOCK);
        // Held open so that the master never reads as hung up while the program
        // has the port closed.
        Slave = open(Line.Path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        termios tio{};
        tcgetattr(Slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(Slave, TCSANOW, &tio);
        Notifier = std::make_unique<QSocketNotifier>(Line.MasterFd(), QSocketNotifier::Read);
        QObject::connect(Notifier.get(), &QSocketNotifier::activated, [this] { ReadLine(); });
    }
    ~TSimulatedRadio() {
        Notifier.reset();
        close(Slave);
    }
    TSimulatedRadio(const TSimulatedRadio&) = delete;
    TSimulatedRadio& operator=(const TSimulatedRadio&) = delete;

    // The memory of catalogue row `row` (0-based) as New makes it.
    static TRadioData NewMemory(int row) {
        TRadioData data;
        ApplyConfiguration(data, ModelCatalogue()[static_cast<size_t>(row)]);
        data.ApplyDefaultRecords();
        data.ApplyWeatherAlertDefault();
        data.ApplyMenuDefaults();
        return data;
    }

    const std::string& Path() const { return Line.Path(); }
    const TRadioData& Memory() const { return Transceiver->Data(); }
    bool DisplayProtected() const { return Transceiver->DisplayProtected(); }
    // Switches the channel display protection on, as a programming session would.
    void Protect() {
        for (const char* command : {"PROGRAM", "CP 1", "END"}) Transceiver->Handle(command);
    }

    // Every command received, the wake-up ("") included.
    std::vector<std::string> Commands;
    // Commands answered with the refusal instead of being carried out.
    std::function<bool(const std::string&)> Refuses;
    // A reply of the test's own in place of the transceiver's, when it gives one.
    std::function<std::optional<std::string>(const std::string&)> Replies;
    // Hears everything, answers nothing.
    bool Silent = false;

private:
    void ReadLine() {
        char buffer[512];
        ssize_t count;
        while ((count = read(Line.MasterFd(), buffer, sizeof buffer)) > 0) {
            for (const TReceivedCommand& command :
                 Collector.Take(std::string_view(buffer, static_cast<size_t>(count)))) {
                Answer(command.Text);
            }
        }
    }

    void Answer(const std::string& command) {
        Commands.push_back(command);
        if (Silent) return;
        std::optional<std::string> reply = Replies ? Replies(command) : std::nullopt;
        if (!reply) {
            reply =
                Refuses && Refuses(command) ? std::string(kRefused) : Transceiver->Handle(command);
        }
        if (reply) Line.Send(*reply + '\r');
    }

    TPseudoTerminal Line;
    int Slave = -1;
    std::unique_ptr<TTransceiver> Transceiver;
    std::unique_ptr<QSocketNotifier> Notifier;
    TCommandCollector Collector;
};
