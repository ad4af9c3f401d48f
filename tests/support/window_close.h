#ifndef TESTS_SUPPORT_WINDOW_CLOSE_H_
#define TESTS_SUPPORT_WINDOW_CLOSE_H_

// Test helper: asks the current GL window to close as a window manager does
// when its close button is clicked (a WM_DELETE_WINDOW client message), so
// that freeglut handles it at the next pumpEvents().

namespace testsupport {

void requestCloseOfCurrentWindow();

}  // namespace testsupport

#endif  // TESTS_SUPPORT_WINDOW_CLOSE_H_
