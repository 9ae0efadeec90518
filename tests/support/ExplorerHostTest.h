#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarComboBox.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "tests/support/AddinHostTest.h"

namespace qh::testing {

// An AddinHostTest for what a user sees of the explorer windows: each window's "Quillhour"
// bar and its controls, Times in the calendar, and the settings item that holds the tag list.
class ExplorerHostTest : public AddinHostTest {
 protected:
  using Explorer = sim::outlook::Explorer;
  using Folder = sim::outlook::Folder;
  using Time = Ref<sim::outlook::AppointmentItem>;

  // The window's bar named "Quillhour", or empty when it has none.
  Ref<sim::CommandBar> quillhourBar(Explorer& explorer);
  // How many bars of that name the window has.
  int quillhourBarCount(Explorer& explorer);
  // The bar's controls; empty when the bar or the control is not there.
  Ref<sim::CommandBarComboBox> tagBox(Explorer& explorer);
  Ref<sim::CommandBarButton> barButton(Explorer& explorer, std::string_view caption);
  // Whether the bar is there and shown.
  bool barShown(Explorer& explorer);

  // A Time on 7 December 2026 at 9:00, already stored in the folder.
  Time addTime(Folder& folder, const std::string& subject, const std::string& categories = "");
  Time addTime(const std::string& subject, const std::string& categories = "") {
    return addTime(calendar(), subject, categories);
  }
  // The hidden settings item in the calendar, holding the tag list in its body.
  Time storeTagList(const std::string& body);

  // A window on the calendar, then Outlook starts with the add-in.
  Ref<Explorer> startOnCalendar();

  // The log's messages that begin with tag (error lines of one procedure).
  std::vector<std::string> messagesTagged(std::string_view tag);
};

}  // namespace qh::testing
