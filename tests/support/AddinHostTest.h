#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/SimHost.h"

// Marks a scenario that only the native host can run, and skips it behind COM; the reason
// says what it needs: the add-in's C++ objects themselves, the Linux module's exports, or the
// simulated host's files (.xlsx workbooks, .ics mailboxes), which the Windows build lacks.
#define QH_NATIVE_ONLY(reason)                        \
  if (::qh::testing::kAddinBehindCom) {               \
    GTEST_SKIP() << "runs natively only: " << reason; \
  }

namespace qh::testing {

// A test that runs the real add-in module inside the simulated host: the modules come from
// the build's module folder (QH_MODULE_DIR), are registered as regsvr32 would, and Outlook
// loads them the way it loads every COM add-in. The clock stands at 7 December 2026, 14:20.
class AddinHostTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Override to change the host before it is made.
  virtual sim::SimHost::Options hostOptions() const;

  sim::SimHost& host() { return *host_; }
  sim::SimSystem& system() { return host_->system(); }
  sim::outlook::SimOutlook& outlook() { return host_->outlook(); }
  sim::outlook::Folder& calendar() { return outlook().calendar(); }

  // Registers the modules and starts Outlook (connection, then start-up complete).
  void startAddin();
  // The log window's messages without their time stamps, oldest first.
  std::vector<std::string> logMessages();
  // Failures the add-in's event handlers returned to Outlook or Office.
  std::vector<std::string> eventFailures() { return host_->eventFailures(); }

  // The folder for workbooks written by the simulated Excel (a fresh temporary folder).
  const std::string& outputDir() const { return outputDir_; }

 private:
  std::string outputDir_;
  std::unique_ptr<sim::SimHost> host_;
};

// The build's module folder, from the environment CTest sets.
std::string moduleDir();

// Whether the add-in runs behind real COM (the Windows test program, under Wine), where the
// scenarios run a second time through Quillhour.dll.
constexpr bool kAddinBehindCom =
#ifdef _WIN32
    true;
#else
    false;
#endif

}  // namespace qh::testing
