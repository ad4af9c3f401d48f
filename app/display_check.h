#ifndef APP_DISPLAY_CHECK_H_
#define APP_DISPLAY_CHECK_H_

// Exit status when the X display cannot be opened or the connection to it is
// lost.
constexpr int kDisplayExitStatus = 4;

// Opens and closes the display that glutInit would open (the "-display NAME"
// argument, else DISPLAY). When it cannot be opened, prints one line on
// standard error and exits with kDisplayExitStatus. Call before glutInit.
void exitUnlessDisplayOpens(int argc, char** argv);

// From now on a lost connection to the X server ends the program with one
// line on standard error and kDisplayExitStatus. Call after glutInit.
void exitOnLostDisplay();

#endif  // APP_DISPLAY_CHECK_H_
