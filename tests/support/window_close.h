#ifndef TESTS_SUPPORT_WINDOW_CLOSE_H_
#define TESTS_SUPPORT_WINDOW_CLOSE_H_
namespace testsupport {
// Asks the current GL window to close as a window manager does when its close button is clicked
// (WM_DELETE_WINDOW), so that freeglut handles it at the next pumpEvents().
void requestCloseOfCurrentWindow();
}  // namespace testsupport
#endif  // TESTS_SUPPORT_WINDOW_CLOSE_H_
