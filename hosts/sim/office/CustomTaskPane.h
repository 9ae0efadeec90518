#pragma once

#include <string>
#include <vector>

#include "hosts/sim/office/DeletableObject.h"

namespace qh::sim {

class CTPFactory;

// A custom task pane, as Office's _CustomTaskPane: Title (also the default member),
// Application, Window (the parent window given to CreateCTP), Visible, ContentControl,
// Height, Width, DockPosition, DockPositionRestrict and Delete.
//
// As in Office, a new pane is hidden and docked at the right; a pane docked left or right
// refuses a Height, and one docked at the top or bottom refuses a Width. Deleting the pane
// releases its content control, which then ends unless someone else still holds it.
// The pane keeps every property write that took effect, in order, with the value as the
// caller passed it (so a test can tell a 16-bit Height from a 32-bit one).
class CustomTaskPane : public DeletableObject {
 public:
  struct Setup {
    std::string title;
    Ref<Object> window;
    Ref<Object> contentControl;
  };
  struct PropertyWrite {
    std::string name;  // as the caller spelled it
    Variant value;
  };

  CustomTaskPane(CTPFactory& factory, Setup setup);

  // Host side: the state a test inspects.
  const std::string& title() const noexcept { return setup_.title; }
  Object* window() const noexcept { return setup_.window.get(); }
  Object* contentControl() const noexcept { return setup_.contentControl.get(); }
  bool visible() const noexcept { return visible_; }
  int dockPosition() const noexcept { return dockPosition_; }
  int dockPositionRestrict() const noexcept { return dockPositionRestrict_; }
  int height() const noexcept { return height_; }
  int width() const noexcept { return width_; }
  const std::vector<PropertyWrite>& propertyWrites() const noexcept { return writes_; }

  // Lets go of the content control and the window, and leaves the factory's list.
  void markDeleted() noexcept override;

 protected:
  Variant dispatchLive(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<CustomTaskPane>& table();
  void setDockPosition(int position);
  void setHeight(int height);
  void setWidth(int width);
  void deleteFromFactory();

  CTPFactory* factory_;  // valid while not deleted: the factory's end deletes its panes
  Setup setup_;
  std::vector<PropertyWrite> writes_;
  bool visible_ = false;
  int dockPosition_;
  int dockPositionRestrict_;
  int height_ = 0;  // sizes are the window's layout until set
  int width_ = 0;
};

}  // namespace qh::sim
