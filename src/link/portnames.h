#pragma once

#include <QString>

constexpr int kPortCount = 20;

// The number 1..20 of a selected port text "COM1".."COM20"; any other text gives 1.
int PortNumberOf(const QString& portText);

// "COM" followed by the number.
QString PortText(int number);
