#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class CustomTaskPane;

// Makes the content control of a new pane from CreateCTP's CTPAxID (a ProgID or a CLSID), as
// COM would create the ActiveX control. It raises the activation's failure, which CreateCTP
// passes on; see InprocActivator for the registry road Office takes.
using ControlCreator = std::function<Ref<Object>(const std::string& axId)>;

// The custom-task-pane factory that Office hands an add-in through CTPFactoryAvailable
// (ICTPFactory). Its one member is CreateCTP(CTPAxID, CTPTitle, CTPParentWindow): it creates
// the content control, then the pane that holds it, and answers the pane. When the control
// cannot be created, CreateCTP raises that failure and no pane is made.
//
// Panes belong to their parent window. The factory keeps the panes it made until they are
// deleted, so a test can find a window's panes; when a window closes, the host tells the
// factory (closeWindow), which deletes its panes as Office does. Panes left when the factory
// ends are deleted too, as Office removes an add-in's panes when the add-in goes.
class CTPFactory : public TableObject<CTPFactory> {
 public:
  explicit CTPFactory(ControlCreator createControl);
  ~CTPFactory() override;

  // What a pane answers as its Application; none by default. The factory does not own the
  // application (the application usually owns the factory).
  void setApplicationSource(std::function<Ref<Object>()> source);
  Ref<Object> application() const;

  // Host side.
  const std::vector<Ref<CustomTaskPane>>& panes() const noexcept { return panes_; }
  std::vector<Ref<CustomTaskPane>> panesOf(const Object& window) const;
  // Host action: the window closed; its panes are deleted (their controls released).
  void closeWindow(const Object& window);

  // Called by a pane's Delete.
  void remove(const CustomTaskPane& pane);

 private:
  friend class TableObject<CTPFactory>;
  static const DispatchTable<CTPFactory>& table();
  Variant createPane(const Args& args);

  ControlCreator createControl_;
  std::function<Ref<Object>()> applicationSource_;
  std::vector<Ref<CustomTaskPane>> panes_;
};

}  // namespace qh::sim
