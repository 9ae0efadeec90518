#pragma once

#include <gtest/gtest.h>

#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::sim::outlook::testing {

// A simulated Outlook on a fresh system, with helpers for the mailbox.
class OutlookTest : public ::testing::Test {
 protected:
  OutlookTest() { system.setNow(Date::fromParts(2026, 12, 7, 14, 20, 0)); }

  Ref<AppointmentItem> addTime(Folder& folder, const std::string& subject,
                               const std::string& categories = "") {
    AppointmentItem::Fields f;
    f.subject = subject;
    f.start = Date::fromParts(2026, 12, 7, 9, 0, 0);
    f.durationMinutes = 60;
    f.categories = categories;
    return outlook.addAppointment(folder, f);
  }
  Application& app() { return outlook.application(); }
  Ref<Object> appObject() { return outlook.applicationObject(); }

  SimSystem system;  // first: outlives the host
  SimOutlook outlook{system};
};

}  // namespace qh::sim::outlook::testing
