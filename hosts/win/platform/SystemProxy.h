#pragma once

#include <memory>

#include "automation/Object.h"
#include "hosts/win/ui/FormWindows.h"
#include "platform/System.h"

namespace qh::win {

// The operating system as another party gives it by name (a SystemObject, usually across
// COM): every System function is one call on that object. A test host hands it to the
// add-in's DLL so that the add-in runs on the host's simulated system. Failures of the other
// party are raised as they come. Given windows of its own, it draws the forms itself instead
// of telling the other party of them (the host's system with the real desktop's dialogs).
class SystemProxy final : public platform::System {
 public:
  explicit SystemProxy(Ref<Object> system, std::unique_ptr<FormWindows> windows = nullptr);

  Date now() override;
  std::string shortDate(Date d) override;
  std::string longTime(Date d) override;
  std::string timeSeparator() override;
  std::string amDesignator() override;
  std::string pmDesignator() override;
  int compareText(const std::string& a, const std::string& b) override;

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
  std::string moduleFolder() override;

  void formLoaded(Object& form) override;
  void formShown(Object& form) override;
  void formHidden(Object& form) override;
  void formUnloaded(Object& form) override;

 private:
  Variant call(std::string_view member, Args& args);
  void tellForm(std::string_view member, Object& form);

  Ref<Object> system_;
  std::unique_ptr<FormWindows> windows_;
};

}  // namespace qh::win
