#ifndef PROCESS_DISPLAY_CHECK_H_
#define PROCESS_DISPLAY_CHECK_H_

#include "app/exit_status.h"

// Opens and closes the display that glutInit would open (the "-display NAME"
// argument, else DISPLAY). When it cannot be opened, prints one line on
// standard error and exits with kExitDisplay. Call before glutInit.
void exitUnlessDisplayOpens(int argc, char** argv);

// From now on a lost connection to the X server ends the program with one
// line on standard error and kExitDisplay. Call after glutInit.
void exitOnLostDisplay();

#endif  // PROCESS_DISPLAY_CHECK_H_
