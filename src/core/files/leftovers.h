#pragma once

#include <QString>
#include <chrono>
#include <functional>

// The program writes a save or a kept file to a temporary file of its own
// first and gives it its name once it is complete; killed between the two,
// it leaves the temporary file behind. The next save or kept file in that
// folder removes such leftovers, and only those: files of the program's own
// naming, regular files (never links) of the user's own, untouched for longer
// than this, so that a save another instance has under way is left alone.
inline constexpr std::chrono::seconds kLeftoverAge{60};

// Removes from `folder` every leftover whose file name `isLeftover` accepts.
void RemoveLeftovers(const QString& folder, const std::function<bool(const QString&)>& isLeftover);
