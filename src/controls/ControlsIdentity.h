#pragma once

// The control library's identity: fixed values of this deliverable. The add-in never uses
// them; it reaches the control by its ProgID alone.
namespace qh::controls {

inline constexpr const char* kPaneProgId = "QuillhourControls.InspectorPane";
inline constexpr const char* kPaneClassId = "{4E0507B5-3ED9-46ED-A3AA-5C8CD82722DE}";
inline constexpr const char* kPaneInterfaceId = "{5418C76D-A3A1-43D7-BF5E-986169068C31}";
inline constexpr const char* kPaneEventsId = "{39BC7487-376C-46A1-BFB7-56F2459FA84D}";
inline constexpr const char* kLibraryId = "{2D5AA693-2408-405F-9058-E9C5B5C57E60}";
inline constexpr const char* kPaneClassName = "QuillhourControls InspectorPane";
// The names the type library gives itself and the pane's two interfaces.
inline constexpr const char* kLibraryName = "QuillhourControls";
inline constexpr const char* kPaneInterfaceName = "_InspectorPane";
inline constexpr const char* kPaneEventsName = "__InspectorPane";

}  // namespace qh::controls
