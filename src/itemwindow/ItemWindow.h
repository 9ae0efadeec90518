#pragma once

#include "automation/DispatchTable.h"
#include "automation/Events.h"

namespace qh::core {
class LoggedSteps;
}

namespace qh::inspector {

// One wrapper per appointment inspector: the "Tag:" box on the inspector's own "Quillhour"
// command bar and, where the host has task panes, the pane with the pane control. The
// wrapper registry holds its only lasting reference, and also the wrapped Inspector, so the
// controller can tell that an inspector is already wrapped.
class cInspector : public Object {
 public:
  // Creates a wrapper and registers it in the wrapper registry.
  static Ref<cInspector> Create();
  ~cInspector() override;

  void Init(const Ref<Object>& oInspector);
  void AddCommandBar();
  void RemoveCommandBar();
  void AddTaskPane();
  void RemoveTaskPane();

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  cInspector();
  static const DispatchTable<cInspector>& table();

  void Inspector_Event(std::string_view event);
  void TagComboBox_Change(const Ref<Object>& ctrl);
  void OnClose();
  void tearDown();
  Ref<Object> currentItem();

  EventRef Inspector;
  EventRef TagComboBox;
  Ref<Object> InspectorCommandBar;
  Ref<Object> TaskPane;
};

}  // namespace qh::inspector
