#ifndef APP_PANEL_LABELS_H_
#define APP_PANEL_LABELS_H_

// The labels of the control panel's controls, exactly as the panel is built
// with them (the subdivision spinner's label ends in a blank), each with the
// kind of control it names. buildControlPanel takes its labels from here and
// the session-script checker looks labels up here, so a script can be checked
// before any window exists and the two cannot drift apart.

enum class ControlKind { RadioButton, Checkbox, Spinner, Button };

struct ControlLabel {
  const char* text;
  ControlKind kind;
};

namespace panel_label {

inline constexpr ControlLabel kPoints{"Points", ControlKind::RadioButton};
inline constexpr ControlLabel kWireframe{"Wireframe", ControlKind::RadioButton};
inline constexpr ControlLabel kSolid{"Solid", ControlKind::RadioButton};
inline constexpr ControlLabel kLight{"Light On/Off", ControlKind::Checkbox};
inline constexpr ControlLabel kCulling{"Backface culling", ControlKind::Checkbox};
inline constexpr ControlLabel kSubdivisions{"# Subdivisions ", ControlKind::Spinner};
inline constexpr ControlLabel kHfov{"Hfov:", ControlKind::Spinner};
inline constexpr ControlLabel kVfov{"Vfov:", ControlKind::Spinner};
inline constexpr ControlLabel kTranslate{"TRANSLATE", ControlKind::RadioButton};
inline constexpr ControlLabel kRotate{"ROTATE", ControlKind::RadioButton};
inline constexpr ControlLabel kLookAtObject{"Look at Object", ControlKind::Checkbox};
inline constexpr ControlLabel kAxisX{"X", ControlKind::RadioButton};
inline constexpr ControlLabel kAxisY{"Y", ControlKind::RadioButton};
inline constexpr ControlLabel kAxisZ{"Z", ControlKind::RadioButton};
inline constexpr ControlLabel kResetView{"Reset View", ControlKind::Button};
inline constexpr ControlLabel kQuit{"Quit", ControlKind::Button};

}  // namespace panel_label

// Every control of the panel, in the order the panel shows them.
inline constexpr ControlLabel kPanelControls[] = {
    panel_label::kPoints, panel_label::kWireframe,    panel_label::kSolid,
    panel_label::kLight,  panel_label::kCulling,      panel_label::kSubdivisions,
    panel_label::kHfov,   panel_label::kVfov,         panel_label::kTranslate,
    panel_label::kRotate, panel_label::kLookAtObject, panel_label::kAxisX,
    panel_label::kAxisY,  panel_label::kAxisZ,        panel_label::kResetView,
    panel_label::kQuit,
};

#endif  // APP_PANEL_LABELS_H_
