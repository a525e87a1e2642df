#pragma once

#include <QString>
#include <string>

constexpr int kPortCount = 20;

// The number 1..20 of a selected port text "COM1".."COM20"; any other text gives 1.
int PortNumberOf(const QString& portText);

// "COM" followed by the number.
QString PortText(int number);

// The device name a port is opened by: "COM1" .. "COM9", "\\.\COM10" .. "\\.\COM20".
std::string PortDeviceName(int number);

// The name the radio commands test a selected port text by: "\\.\" + the text.
std::string SelectedPortDeviceName(const QString& portText);
