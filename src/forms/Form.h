#pragma once

#include <functional>
#include <string>
#include <vector>

#include "automation/DispatchTable.h"
#include "automation/Events.h"
#include "forms/Control.h"
#include "platform/System.h"

namespace qh::forms {

// A dialog as a model: its caption, its controls' state, its load and visibility states and
// its events, with no drawing. The host's window system hears when it is shown, hidden or
// unloaded (platform::System) and draws it or lets a user drive it by name.
//
// States: created (not loaded) -> loaded (Form_Load ran) -> shown/hidden -> unloaded. An
// unloaded form is finished; whoever kept it creates a new one for the next use, which is
// how a dialog "loads afresh" with its defaults.
class Form : public Object {
 public:
  Form(platform::System& system, std::string caption, int clientWidth, int clientHeight);
  ~Form() override;

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }

  bool loaded() const { return state_ == State::Loaded; }
  bool unloaded() const { return state_ == State::Unloaded; }
  bool visible() const { return visible_; }

  // Runs Form_Load once, on first use.
  void load();
  // Shows the form modeless, without an owner window; loads it first when needed.
  void show();
  void hide();
  // Hides the form, ends it, tells the window system and whoever asked to hear of it.
  void unload();
  // The user closed the window from its frame: by default the form unloads.
  virtual void closeFromFrame() { unload(); }

  // Called once when the form unloads (a shared instance's keeper empties its reference).
  void onUnloaded(std::function<void()> callback) { onUnloaded_ = std::move(callback); }

  const std::vector<Control*>& controls() const { return controls_; }
  Control* control(std::string_view name) const;
  Control* focusedControl() const { return focused_; }
  void setFocusedControl(Control* c);

  // The window system's one hook on the form itself: called after its caption or its focused
  // control changed (its controls have hooks of their own). One observer at a time.
  void observe(std::function<void()> observer) { observer_ = std::move(observer); }
  // The user's order of words, for the controls that sort (see platform::System).
  int compareText(const std::string& a, const std::string& b) const {
    return system_.compareText(a, b);
  }

  std::unique_ptr<Connection> advise(EventSink& sink) override { return events_.advise(sink); }
  // Members: Caption, Visible, Show, Hide, Unload, and every control by its name.
  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 protected:
  void add(Control& control);
  void raiseEvent(std::string_view name) { events_.raise(name); }
  virtual void formLoad() {}
  platform::System& system() const { return system_; }

 private:
  enum class State { Created, Loaded, Unloaded };
  static const DispatchTable<Form>& table();

  platform::System& system_;
  std::string caption_;
  int clientWidth_;
  int clientHeight_;
  State state_ = State::Created;
  bool visible_ = false;
  std::vector<Control*> controls_;
  Control* focused_ = nullptr;
  EventSource events_;
  std::function<void()> onUnloaded_;
  std::function<void()> observer_;
};

}  // namespace qh::forms
