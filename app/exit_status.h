#ifndef APP_EXIT_STATUS_H_
#define APP_EXIT_STATUS_H_

// The program's exit statuses, in one place for every layer that ends the
// process: the keyboard handler's Esc (corvane/reports.cc), the lowest of
// them, then main, the command line, the session scripts and the display
// check. Header only, with the shared state, so that the handlers see it.
constexpr int kExitQuit = 0;      // "Quit", --help, --version, a script's end
constexpr int kExitEscape = 1;    // Esc
constexpr int kExitUsage = 2;     // a bad command line or script
constexpr int kExitSnapshot = 3;  // a snapshot could not be written
constexpr int kExitDisplay = 4;   // the X display cannot be opened or was lost

#endif  // APP_EXIT_STATUS_H_
