#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "automation/Ref.h"
#include "hosts/sim/system/ModuleLoader.h"
#include "hosts/sim/system/OpenForms.h"
#include "hosts/sim/system/SimLocale.h"
#include "hosts/sim/system/SimRegistry.h"
#include "hosts/sim/system/TextCollation.h"
#include "platform/System.h"

namespace qh::sim {

// The operating system of the simulated host: values a test sets (clock, locale, module
// folder, answers to message boxes), an in-memory registry, the real file system for
// existence tests, records of what was started or opened, the list of shown dialogs, and COM
// activation of in-process servers registered in its registry.
//
// The user is not an administrator, as Outlook runs: opening a key of HKEY_LOCAL_MACHINE
// with any right to change it is refused with ERROR_ACCESS_DENIED.
//
// It must outlive every object of the host and every object a loaded module made: it closes
// the modules when it ends.
class SimSystem : public platform::System {
 public:
  struct MessageBoxCall {
    std::string text;
    std::string title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
  };
  struct StartedProgram {
    std::string path;
    int windowState;
  };
  struct ShellOpen {
    std::string target;
    int showCommand;
    std::int32_t result;
  };

  // The shell's answers: success (any value above 32), and SE_ERR_FNF for a missing file.
  static constexpr std::int32_t kShellOpened = 42;
  static constexpr std::int32_t kShellFileNotFound = 2;
  static constexpr long kAccessDenied = 5;  // ERROR_ACCESS_DENIED

  SimSystem();
  ~SimSystem() override;

  // Settable values.
  void setNow(Date now) { now_ = now; }
  void setLocale(Locale locale);
  const SimLocale& locale() const { return locale_; }
  void setModuleFolder(std::string folder) { moduleFolder_ = std::move(folder); }
  // The next message box answers this (kAnswerOk or kAnswerCancel); unqueued boxes answer OK.
  void queueMessageBoxAnswer(int answer) { answers_.push_back(answer); }
  // Runs while each message box is up, before it is answered (to look at the screen then).
  void whileMessageBoxShows(std::function<void(const MessageBoxCall&)> look) {
    whileMessageBox_ = std::move(look);
  }

  // What happened.
  const std::vector<MessageBoxCall>& messageBoxes() const { return messageBoxes_; }
  const std::vector<StartedProgram>& startedPrograms() const { return started_; }
  const std::vector<ShellOpen>& shellOpens() const { return shellOpens_; }

  SimRegistry& registry() { return registry_; }
  const SimRegistry& registry() const { return registry_; }
  OpenForms& forms() { return forms_; }
  ModuleLoader& modules() { return modules_; }

  // CoCreateInstance by ProgID: HKCR\<ProgID>\CLSID, then HKCR\CLSID\{clsid}\InprocServer32
  // names the module; its QhCreateObject makes the object. Raises Error 429 "ActiveX component
  // can't create object" when any step fails; lastActivationError() then says which.
  Ref<Object> createObject(const std::string& progId);
  const std::string& lastActivationError() const { return lastActivationError_; }
  // The module registered for a ProgID (its InprocServer32), or nullopt.
  std::optional<std::string> serverPath(const std::string& progId) const;
  // regsvr32: calls the module's QhRegisterServer with its own path; answers its result.
  // Raises Error(FileNotFound) when the module cannot be loaded or has no such export.
  int registerServer(const std::string& modulePath);

  // platform::System
  Date now() override { return now_; }
  std::string shortDate(Date d) override { return locale_.shortDate(d); }
  std::string longTime(Date d) override { return locale_.longTime(d); }
  std::string timeSeparator() override { return locale_.timeSeparator(); }
  std::string amDesignator() override { return locale_.amDesignator(); }
  std::string pmDesignator() override { return locale_.pmDesignator(); }
  int compareText(const std::string& a, const std::string& b) override {
    return collation_.compare(a, b);
  }
  int messageBox(const std::string& text, const std::string& title,
                 platform::MessageButtons buttons, platform::MessageIcon icon) override;
  long regOpenKey(platform::RegistryRoot root, const std::string& subKey, std::uint32_t options,
                  std::uint32_t access, platform::RegistryKey& key) override;
  long regQueryValue(platform::RegistryKey key, const std::string& name, std::uint32_t& type,
                     std::uint8_t* data, std::uint32_t& size) override;
  long regCloseKey(platform::RegistryKey key) override;
  long regSetValue(platform::RegistryRoot root, const std::string& subKey, const std::string& name,
                   std::uint32_t type, const std::string& data) override;
  long regDeleteTree(platform::RegistryRoot root, const std::string& subKey) override;
  bool fileExists(const std::string& path) override;
  void startProgram(const std::string& path, int windowState) override;
  std::int32_t shellOpen(const std::string& target, int showCommand) override;
  std::string moduleFolder() override { return moduleFolder_; }
  void formLoaded(Object& form) override { forms_.loaded(form); }
  void formShown(Object& form) override { forms_.shown(form); }
  void formHidden(Object& form) override { forms_.hidden(form); }
  void formUnloaded(Object& form) override { forms_.unloaded(form); }

 private:
  ModuleLoader modules_;  // first member: unloaded after everything else has ended
  SimRegistry registry_;
  SimLocale locale_;
  TextCollation collation_{locale_.name()};
  Date now_;
  std::string moduleFolder_;
  std::deque<int> answers_;
  std::vector<MessageBoxCall> messageBoxes_;
  std::function<void(const MessageBoxCall&)> whileMessageBox_;
  std::vector<StartedProgram> started_;
  std::vector<ShellOpen> shellOpens_;
  std::string lastActivationError_;
  OpenForms forms_;
};

}  // namespace qh::sim
