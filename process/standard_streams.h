#ifndef PROCESS_STANDARD_STREAMS_H_
#define PROCESS_STANDARD_STREAMS_H_

// The process's standard streams, made safe before and after GLUT starts.

// Opens each of descriptors 0, 1 and 2 that is closed on /dev/null, so that
// the X connection or a file the libraries open never takes its number and
// receives report text. Call first in main, before anything opens a file.
void openClosedStandardDescriptors();

// Routes standard output (printf) and standard error (std::cerr and stderr)
// through a ReportOutput: a pipe or socket reader that stalls or goes away
// never blocks or ends the program, and a failed write is reported once.
// Terminals are left as they are. Ignores SIGPIPE. Waiting text is written
// from a GLUT timer that runs only while text waits; at exit the readers get
// a quarter of a second to take it, and what they have not taken by then is
// dropped (also on quick_exit). Call after glutInit.
void routeReportsWithoutBlocking();

#endif  // PROCESS_STANDARD_STREAMS_H_
