#ifndef STAGES_PRIVATE_CONTEXT_H_
#define STAGES_PRIVATE_CONTEXT_H_

// A GL context of the vertex trace's own, on a 1 by 1 off-screen pbuffer of
// the display freeglut uses: OpenGL's side of a trace is computed there, so
// no window's context, state or call stream is touched and no window opens.
//
// runInPrivateContext makes the private context current, runs work, and
// makes the caller's context, drawable and display current again (GLUT's
// current window is the same throughout). The context is made on first use
// and kept for the life of the process. Returns false, without running
// work, when there is no current context to come back to or the display
// offers no pbuffer; the caller then reports OpenGL's side as missing.

using PrivateContextWork = void (*)(void* data);

bool runInPrivateContext(PrivateContextWork work, void* data);

#endif  // STAGES_PRIVATE_CONTEXT_H_
