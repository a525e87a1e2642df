#pragma once

// The version texts the splash window and the About box show.
inline constexpr char kVersionText[] = "Version 3.11";
inline constexpr char kReleaseText[] = "Release OCT/31/2013";
inline constexpr char kProgramTitle[] = "Radio Channel Composer";
inline constexpr char kModelsText[] = "for the PX-A5/A7/RV-310/320/350/380";
