#ifndef PROCESS_STANDARD_STREAMS_H_
#define PROCESS_STANDARD_STREAMS_H_

// The process's standard streams, made safe before and after GLUT starts.

#include <vector>

// Opens each of descriptors 0, 1 and 2 that is closed on /dev/null, so that
// the X connection or a file the libraries open never takes its number and
// receives report text. Call first in main, before anything opens a file.
void openClosedStandardDescriptors();

// Routes standard output (printf) and standard error (std::cerr and stderr)
// through a ReportOutput: a pipe or socket reader that stalls or goes away
// never blocks or ends the program, and a failed write is reported once.
// Terminals are left as they are. Ignores SIGPIPE. Waiting text is written
// from a GLUT timer that runs only while text waits; more than 16 MiB waiting
// makes writing wait for the reader. At exit (exit and quick_exit) all
// waiting text is written, waiting for the readers as a plain program does;
// a reader that has gone ends it, with the one note. Call after glutInit.
void routeReportsWithoutBlocking();

// The GLUT windows still open, asked for at exit when text is still waiting:
// they are taken off the screen before the wait for a reader, so none stays
// on the screen unanswered.
void hideWindowsWhileReportsWait(std::vector<int> (*openWindows)());

// For the end of a session script: writes everything waiting as exit would
// (windows hidden first). Returns false, after one line on standard error,
// when some report output could not be written (not when a reader went
// away: that has its own note).
bool finishReports();

#endif  // PROCESS_STANDARD_STREAMS_H_
