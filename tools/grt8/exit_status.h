#pragma once

// What grt8 returns to the shell. Scripts test these, so they never change meaning.
inline constexpr int kExitSuccess = 0;
// The module operation failed (the console's message says why).
inline constexpr int kExitFailed = 1;
// diff only: the two configurations differ.
inline constexpr int kExitDifferent = 1;
// A wrong command line, a file that cannot be used or a port that cannot be opened.
inline constexpr int kExitRefused = 2;
