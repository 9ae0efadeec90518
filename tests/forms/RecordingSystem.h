#pragma once

#include <string>
#include <vector>

#include "automation/Object.h"
#include "platform/System.h"

namespace qh::forms::fakes {

// An operating system that only records what the window system hears of forms, as lines
// such as "shown Quillhour"; everything else answers a neutral value.
class RecordingSystem : public platform::System {
 public:
  std::vector<std::string> calls;

  void formLoaded(Object& form) override { record("loaded", form); }
  void formShown(Object& form) override { record("shown", form); }
  void formHidden(Object& form) override { record("hidden", form); }
  void formUnloaded(Object& form) override { record("unloaded", form); }

  Date now() override { return Date(); }
  std::string shortDate(Date) override { return {}; }
  std::string longTime(Date) override { return {}; }
  std::string timeSeparator() override { return ":"; }
  std::string amDesignator() override { return "AM"; }
  std::string pmDesignator() override { return "PM"; }
  int compareText(const std::string& a, const std::string& b) override { return a.compare(b); }
  int messageBox(const std::string&, const std::string&, platform::MessageButtons,
                 platform::MessageIcon) override {
    return platform::kAnswerOk;
  }
  long regOpenKey(platform::RegistryRoot, const std::string&, std::uint32_t, std::uint32_t,
                  platform::RegistryKey&) override {
    return platform::kRegFileNotFound;
  }
  long regQueryValue(platform::RegistryKey, const std::string&, std::uint32_t&, std::uint8_t*,
                     std::uint32_t&) override {
    return platform::kRegFileNotFound;
  }
  long regCloseKey(platform::RegistryKey) override { return platform::kRegSuccess; }
  long regSetValue(platform::RegistryRoot, const std::string&, const std::string&, std::uint32_t,
                   const std::string&) override {
    return platform::kRegSuccess;
  }
  long regDeleteTree(platform::RegistryRoot, const std::string&) override {
    return platform::kRegSuccess;
  }
  bool fileExists(const std::string&) override { return false; }
  void startProgram(const std::string&, int) override {}
  std::int32_t shellOpen(const std::string&, int) override { return 42; }
  std::string moduleFolder() override { return {}; }

 private:
  void record(const char* what, Object& form) {
    calls.push_back(std::string(what) + " " + form.get("Caption").toString());
  }
};

}  // namespace qh::forms::fakes
