#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/mailbox/CalendarFiles.h"

namespace qh::sim::mailbox::testing {

// A test that saves a calendar after a change, in a folder of its own, and reads it again.
class SavingTest : public ::testing::Test {
 protected:
  template <class Change>
  std::string afterSaving(const std::string& original, Change change) {
    return savedAfter(folder_, original, change);
  }
  std::vector<CalendarEntry> reread() const {
    return openIn(folder_.path("calendar.ics")).entries();
  }
  TempFolder folder_;
};

}  // namespace qh::sim::mailbox::testing
