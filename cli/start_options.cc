#include "cli/start_options.h"

#include <cstdio>

#include "app/panel.h"
#include "glui/glui_ext.h"

namespace {

// The value as the user would type it: "%.9g" gives back the same float when
// the field reads it, and the whole numbers of the depth print as they are.
void typeInto(GLUI_Spinner* spinner, double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  glui_ext::commitText(*spinner, text);
}

}  // namespace

void applyStartOptions(const ViewerOptions& options) {
  if (options.mode >= 0) glui_ext::select(*renderModeGroup, options.mode);
  if (options.light && lightCheckbox->get_int_val() == 0) glui_ext::toggle(*lightCheckbox);
  if (options.noCull && cullingCheckbox->get_int_val() != 0) glui_ext::toggle(*cullingCheckbox);
  if (options.depth > 0) typeInto(subdivisionsSpinner, options.depth);
  if (options.hasHfov) typeInto(hfovSpinner, options.hfov);
  if (options.hasVfov) typeInto(vfovSpinner, options.vfov);
}
