// The viewer: a drawing window with the subdivided icosahedron and a control
// panel beside it. Started without options it reads no files, arguments or
// environment of its own (glutInit takes the process's arguments only because
// freeglut needs it before the first window). With --script FILE [--out DIR]
// it runs a session script (app/script.h) and exits when the script ends.
#include <GL/freeglut.h>

#include <cstring>
#include <string>

#include "app/script.h"
#include "app/script_run.h"
#include "app/startup.h"

int main(int argc, char** argv) {
  // merge: replaced by the command-line parser
  const char* scriptPath = nullptr;
  const char* outDir = ".";
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--script") == 0) scriptPath = argv[++i];
    else if (std::strcmp(argv[i], "--out") == 0) outDir = argv[++i];
  }

  Script script;
  if (scriptPath) script = loadScript(scriptPath);  // exits 2 before any window opens
  glutInit(&argc, argv);
  startViewer();
  if (scriptPath) runScript(script, outDir);
  glutMainLoop();
  return 0;
}
