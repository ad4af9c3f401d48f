#include "tests/support/window_close.h"

#include <GL/glx.h>
#include <X11/Xlib.h>

namespace testsupport {

void requestCloseOfCurrentWindow() {
  Display* display = glXGetCurrentDisplay();
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = glXGetCurrentDrawable();
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
  // A round trip, so the message is in the queue when events are pumped next.
  XSync(display, False);
}

}  // namespace testsupport
