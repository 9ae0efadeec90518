#pragma once

#include <vector>

#include "automation/Ref.h"
#include "hosts/win/platform/ScriptedMessageBox.h"
#include "hosts/win/ui/FormWindows.h"
#include "platform/System.h"

namespace qh::win {

// The operating system as Windows gives it. Regional formats are the user's locale's; the
// registry functions are the Win32 ones with their results (text read with the A function
// comes back as UTF-8, like all the add-in's text); the module folder is that of the
// module holding this code (the add-in's DLL, not Outlook's executable). Message boxes are
// MessageBoxW unless the environment scripts them (see ScriptedMessageBox). Forms are drawn as
// Win32 dialogs and kept from loaded or first shown until unloaded (FormWindows).
class Win32System final : public platform::System {
 public:
  Win32System();
  // With the given way of showing message boxes (a test's answerer).
  explicit Win32System(MessageBoxFn messageBox);
  ~Win32System() override;

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

  // The forms loaded and not yet unloaded, in the order they were loaded or first shown.
  std::vector<Ref<Object>> openForms() const { return windows_.openForms(); }

 private:
  MessageBoxFn messageBox_;
  FormWindows windows_;
};

}  // namespace qh::win
