#ifndef PROCESS_DISPLAY_CHECK_H_
#define PROCESS_DISPLAY_CHECK_H_

#include "app/exit_status.h"

// Opens the display that glutInit will open (the "-display NAME" argument,
// else DISPLAY) and keeps that connection open until exitOnLostDisplay, so
// the server has a client while glutInit connects. When it cannot be opened,
// or its server does not answer within 10 s (a server that accepts the
// connection and never replies), prints one line on standard error and exits
// with kExitDisplay; an error of freeglut's in glutInit does the same, in
// freeglut's words. Call before glutInit.
void exitUnlessDisplayOpens(int argc, char** argv);

// From now on a lost connection to the X server ends the program with one
// line on standard error and kExitDisplay. Closes the check's connection.
// Call right after glutInit.
void exitOnLostDisplay();

#endif  // PROCESS_DISPLAY_CHECK_H_
