#pragma once

#include "automation/DispatchTable.h"
#include "automation/Events.h"
#include "automation/Int16.h"

namespace qh::core {

// The application controller: holds Outlook's Application, the MAPI namespace and the
// Explorers and Inspectors collections, follows their events, wraps new windows, guards the
// settings item against being sent, and shows the add-in's alerts.
class cAddin : public Object {
 public:
  cAddin();
  ~cAddin() override;

  void Init(const Ref<Object>& application);
  void Startup();
  void Destruct();
  Int16 OutlookAlert(const std::string& title, const std::string& text);
  Int16 GetOutlookVersion();

  // The members other subsystems read.
  Object* OutlookInstance() const { return outlookInstance_.get(); }
  Object* NameSpace() const { return nameSpace_.get(); }
  Object* Explorers() const { return explorers_.get(); }
  Object* Inspectors() const { return inspectors_.get(); }

  Variant invoke(std::string_view name, CallKind kind, Args& args) override;

 private:
  static const DispatchTable<cAddin>& table();

  void OutlookInstance_Event(std::string_view event, Args& args);
  void OutlookInstance_ItemSend(const Variant& item, Variant& cancel);
  void Explorers_NewExplorer(const Ref<Object>& explorer);
  void wrapExplorer(const Ref<Object>& explorer);
  void Inspectors_NewInspector(const Ref<Object>& inspector);
  int alertThroughLogWindow(const std::string& title, const std::string& text);
  int alertThroughAssistant(const std::string& title, const std::string& text);

  EventRef outlookInstance_;
  Ref<Object> nameSpace_;
  EventRef explorers_;
  EventRef inspectors_;
};

}  // namespace qh::core
