#pragma once

#include <string>
#include <string_view>

// The records a fresh data set starts with, chosen by model and market code.
struct TVfoCallDefaults {
    std::string Vfo;
    std::string Call;
};

TVfoCallDefaults DefaultVfoCallRecords(std::string_view model, std::string_view marketCode);

// The weather-alert channel of the U.S.A./Canada 144 MHz models; empty for the others.
std::string DefaultWeatherAlertRecord(std::string_view model, std::string_view marketCode);

// The default of menu slot 1..36 (TMenuSlot); the channel count has none and gives "".
std::string DefaultMenuSlot(int slot, std::string_view model, std::string_view marketCode);
