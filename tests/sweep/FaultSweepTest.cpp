// The fault sweep: each user story the scenarios play is recorded once, call by call, and then
// replayed once per member call the add-in makes on the simulated host, with that call
// failing, and once more per call that answers an object, with it answering Nothing. After
// every replay the invariants that hold whatever fails are checked:
//   - every object the add-in was handed is let go of by the end of the shutdown;
//   - no Time is deleted unless its row was written completely to a workbook handed over,
//     and none is marked as exported unless its row was written;
//   - the calendar file is written back, if at all, as a calendar that reads back;
//   - the log holds at most 25 lines, each a time, then a known tag or trace;
//   - a failure reaches the host only from a handler that has no handler of its own.
// The address and undefined-behaviour sanitizers watch every replay in the sanitizer build.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <iostream>
#include <regex>

#include "hosts/sim/mailbox/CalendarStore.h"
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "tests/support/AddinHostTest.h"
#include "tests/support/HostWindows.h"
#include "tests/support/LogLines.h"
#include "tests/sweep/SweepTap.h"
#include "tests/sweep/SweepWorld.h"

namespace qh::testing {
namespace {

using sim::outlook::AppointmentItem;

constexpr const char* kInjected = "Injected failure";

// What a story's step may do with a failure: a handler without a handler of its own passes
// it to the host (Outlook, Office, or the window system that raised the event).
enum class Passes { No, Allowed };

// A step of a story as the user takes it; the outcome says whether the host saw a failure.
struct Step {
  const char* what;
  Passes passes;
  std::function<void(SweepWorld&)> act;
};

struct Story {
  const char* name;
  std::function<void(SweepWorld&)> prepare = {};  // before the swept steps, not swept itself
  std::vector<Step> steps = {};
  bool sweepsStartup = false;  // the steps are the start-up itself
  bool sweepsShutdown = false;
  // Times that may be deleted although this run wrote no row for them.
  std::vector<std::string> markedBefore = {};
};

Ref<Object> dialogNamed(SweepWorld& w, const char* caption) {
  for (const Ref<Object>& form : w.host().system().forms().visible())
    if (form->get("Caption").toString() == caption) return form;
  return nullptr;
}

void click(SweepWorld& w, const char* caption, const char* control) {
  if (Ref<Object> dialog = dialogNamed(w, caption)) dialog->getObject(control)->call("Click");
}

void press(SweepWorld& w, const std::string& caption) {
  if (Ref<sim::CommandBarButton> button = barButton(w.explorer(), caption)) button->click();
}

Ref<sim::outlook::ItemWindow> newestInspector(SweepWorld& w) {
  const auto& windows = w.outlook().application().inspectors().windows();
  return windows.empty() ? nullptr : windows.back();
}

void exportWith(SweepWorld& w, std::initializer_list<const char*> boxes) {
  Ref<Object> dialog = dialogNamed(w, "Quillhour Export");
  if (!dialog) return;
  for (const char* box : boxes) dialog->getObject(box)->put("Value", 1);
  dialog->getObject("ExportButton")->call("Click");
}

std::vector<Story> stories() {
  const auto startAddin = [](SweepWorld& w) { w.host().start(); };
  const auto pressExportTimes =
      Step{"press Export Times", Passes::Allowed, [](SweepWorld& w) { press(w, "Export Times"); }};
  std::vector<Story> all;
  all.push_back({.name = "start-up",
                 .steps = {{"Outlook starts", Passes::Allowed, startAddin}},
                 .sweepsStartup = true});
  all.push_back({.name = "tagging from the bar",
                 .prepare = startAddin,
                 .steps = {{"select two Times", Passes::No,
                            [](SweepWorld& w) {
                              w.outlook().select(w.explorer(), {w.times()[1], w.times()[2]});
                            }},
                           {"choose a tag", Passes::Allowed, [](SweepWorld& w) {
                              if (auto box = barTagBox(w.explorer())) box->choose("Atlas");
                            }}}});
  all.push_back({.name = "tagging from the pane",
                 .prepare = startAddin,
                 .steps = {{"open a Time", Passes::Allowed,
                            [](SweepWorld& w) { w.outlook().openInspector(*w.times()[1]); }},
                           {"choose in the pane", Passes::No,
                            [](SweepWorld& w) {
                              auto window = newestInspector(w);
                              if (!window || !w.host().taskPanes()) return;
                              // A user chooses only what the pane's list offers.
                              for (const auto& pane : w.host().taskPanes()->panesOf(*window)) {
                                if (!pane->contentControl()) continue;
                                Ref<Object> box = pane->contentControl()->getObject("TagComboBox");
                                if (box->get("ListCount").toInt32() > 0) box->call("Choose", 0);
                              }
                            }},
                           {"close the window", Passes::Allowed, [](SweepWorld& w) {
                              if (auto window = newestInspector(w))
                                w.outlook().closeInspector(*window);
                            }}}});
  all.push_back(
      {.name = "New Time",
       .prepare = startAddin,
       .steps = {{"press New Time", Passes::Allowed, [](SweepWorld& w) { press(w, "New Time"); }},
                 {"fill in and close", Passes::Allowed, [](SweepWorld& w) {
                    auto window = newestInspector(w);
                    if (!window) return;
                    window->item().setValue("Subject", Variant("Beacon: notes"));
                    if (auto box = barTagBox(*window)) box->choose("Beacon");
                    w.outlook().closeInspector(*window);
                  }}}});
  all.push_back(
      {.name = "export with every option",
       .prepare = startAddin,
       .steps = {pressExportTimes, {"press Export", Passes::No, [](SweepWorld& w) {
                                      exportWith(w, {"CheckAllDayEvents", "CheckNonTaggedItems",
                                                     "CheckRecurringEvents", "CheckExportedItems",
                                                     "CheckExportInMinutes", "CheckDescription",
                                                     "CheckMarkExported", "CheckDeleteAfter",
                                                     "CheckCreateDiagram"});
                                    }}}});
  all.push_back({.name = "the deletion pass",
                 .prepare =
                     [](SweepWorld& w) {
                       for (const auto& time : w.times())
                         if (time->value("Subject") == Variant("Beacon: review") ||
                             time->value("Subject") == Variant("Atlas: tests"))
                           time->seedUserProperty(
                               {"QuillhourDeleted", sim::outlook::kUserYesNo, Variant(true)});
                       w.host().start();
                     },
                 .steps = {pressExportTimes,
                           {"press Export", Passes::No, [](SweepWorld& w) { exportWith(w, {}); }}},
                 .markedBefore = {"Beacon: review", "Atlas: tests"}});
  all.push_back(
      {.name = "the settings dialog",
       .prepare = startAddin,
       .steps = {{"press Settings", Passes::No, [](SweepWorld& w) { press(w, "Settings"); }},
                 {"add a tag and save", Passes::No, [](SweepWorld& w) {
                    Ref<Object> dialog = dialogNamed(w, "Quillhour Settings");
                    if (!dialog) return;
                    dialog->getObject("TagText")->call("Type", "Ärger");
                    dialog->getObject("AddButton")->call("Click");
                    dialog->getObject("Save")->call("Click");
                  }}}});
  all.push_back({.name = "About",
                 .prepare = startAddin,
                 .steps = {{"press About Quillhour", Passes::Allowed,
                            [](SweepWorld& w) { press(w, "About Quillhour"); }},
                           {"the manual", Passes::No,
                            [](SweepWorld& w) { click(w, "About Quillhour", "LabelManual"); }},
                           {"System Info", Passes::No,
                            [](SweepWorld& w) { click(w, "About Quillhour", "cmdSysInfo"); }},
                           {"OK", Passes::Allowed,
                            [](SweepWorld& w) { click(w, "About Quillhour", "cmdOK"); }}}});
  all.push_back({.name = "shutdown",
                 .prepare =
                     [](SweepWorld& w) {
                       w.host().start();
                       w.outlook().openInspector(*w.times()[0]);
                     },
                 .sweepsShutdown = true});
  return all;
}

// The log's known beginnings after the time: the procedures' tags and the fixed traces.
bool knownLogLine(const std::string& line) {
  static const std::regex kTimed(R"(^\d{1,2}:\d{2}:\d{2}( [AP]M)?: (.*)$)");
  static const char* const kTags[] = {
      "cExplorer:AddCommandBar:",  "cExplorer:RemoveCommandBar:",
      "cExplorer:OnFolderSwitch",  "cExplorer:OnSelectionChange",
      "cInspector:AddCommandBar:", "cInspector:RemoveCommandBar:",
      "cInspector:AddTaskPane:",   "cInspector:RemoveTaskPane:",
      "GlobalInitSettings:",       "SettingsButton_Click:",
      "SettingsFormItem_Save:",    "SettingsFormItem_Cancel:",
      "SettingsForm:Save_Click:",  "ExportButton_Click:",
      "LabelWeb_Click:",           "ICustomTaskPaneConsumer_CTPFactoryAvailable:"};
  std::smatch m;
  if (!std::regex_match(line, m, kTimed)) return false;
  const std::string message = m[2];
  if (isTrace(message)) return true;
  return std::any_of(std::begin(kTags), std::end(kTags),
                     [&](const char* tag) { return message.rfind(tag, 0) == 0; });
}

bool sameRow(const SheetRow& row, const AppointmentItem& time) {
  return std::abs(row.start - time.start().serial()) < 1e-9 &&
         row.subject == time.savedValue("Subject").toString() &&
         row.tag == time.savedValue("Categories").toString() && row.hasDuration;
}

bool rowWritten(const std::vector<SheetRow>& rows, const AppointmentItem& time) {
  return std::any_of(rows.begin(), rows.end(),
                     [&](const SheetRow& row) { return sameRow(row, time); });
}

// One replay's outcome, as the failures of the checks below.
struct Replay {
  std::vector<std::string> faults;
  void expect(bool holds, const std::string& what) {
    if (!holds) faults.push_back(what);
  }
};

class FaultSweep : public ::testing::TestWithParam<std::size_t> {
 protected:
  static void SetUpTestSuite() {
    // The add-in stays loaded across replays, so that what it still holds after a shutdown
    // stays alive to be counted, and so that each replay does not load it afresh.
    sim::SimHost::Options options;
    options.moduleDir = moduleDir();
    sim::SimHost probe(options);
    module_ = ::dlopen(probe.libraryPath("Quillhour").c_str(), RTLD_NOW | RTLD_LOCAL);
    controls_ = ::dlopen(probe.libraryPath("QuillhourControls").c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  static void TearDownTestSuite() {
    if (controls_) ::dlclose(controls_);
    if (module_) ::dlclose(module_);
  }

  std::filesystem::path folder() const {
    return std::filesystem::temp_directory_path() / "quillhour-tests" /
           ("FaultSweep." + std::to_string(GetParam()));
  }

  // Plays the story under the tap; answers what the invariants found.
  Replay play(const Story& story, SweepTap& tap) {
    Replay replay;
    std::filesystem::remove_all(folder());
    auto world = std::make_unique<SweepWorld>(folder());
    if (story.prepare) story.prepare(*world);
    bool passedWhereNotAllowed = false;
    {
      sim::CallTap::Installed installed(tap);
      for (const Step& step : story.steps) {
        const std::size_t before = world->host().eventFailures().size();
        bool raised = false;
        try {
          step.act(*world);
        } catch (...) {
          raised = true;  // the window system saw the handler fail
        }
        const bool passed = raised || world->host().eventFailures().size() > before;
        if (passed && step.passes == Passes::No) passedWhereNotAllowed = true;
      }
    }
    {
      std::optional<sim::CallTap::Installed> installed;
      if (story.sweepsShutdown) installed.emplace(tap);
      world->host().quit();
    }
    replay.expect(!passedWhereNotAllowed,
                  "a handler with a handler of its own passed a failure to the host");
    checkLog(*world, replay);
    checkTimes(story, *world, replay);
    checkCalendar(*world, replay);
    world.reset();
    replay.expect(tap.aliveSeen() == 0,
                  std::to_string(tap.aliveSeen()) + " host objects still held after the shutdown");
    std::filesystem::remove_all(folder());
    return replay;
  }

  static void checkLog(SweepWorld& w, Replay& replay) {
    const std::vector<std::string> lines = w.host().logLines();
    replay.expect(lines.size() <= 25, "the log holds " + std::to_string(lines.size()) + " lines");
    for (const std::string& line : lines) replay.expect(knownLogLine(line), "log line: " + line);
  }

  static void checkTimes(const Story& story, SweepWorld& w, Replay& replay) {
    const std::vector<SheetRow> written = w.allRows();
    for (const auto& time : w.times()) {
      const std::string subject = time->savedValue("Subject").toString();
      const bool markedBefore = std::find(story.markedBefore.begin(), story.markedBefore.end(),
                                          subject) != story.markedBefore.end();
      if (time->deleted() && !markedBefore)
        replay.expect(rowWritten(w.handedRows(), *time),
                      "\"" + subject + "\" deleted without its row in a handed-over workbook");
      if (time->savedUserProperties().find("QuillhourExported"))
        replay.expect(rowWritten(written, *time),
                      "\"" + subject + "\" marked as exported without its row");
    }
  }

  static void checkCalendar(SweepWorld& w, Replay& replay) {
    try {
      w.mailbox().writeBack();
      const sim::mailbox::CalendarStore again(w.calendarFile().string());
      std::size_t stored = 0;
      for (const auto& item : w.outlook().calendar().items()) stored += item->stored();
      replay.expect(again.entries().size() == stored,
                    "the calendar file holds " + std::to_string(again.entries().size()) +
                        " appointments, the folder " + std::to_string(stored));
    } catch (const std::exception& e) {
      replay.expect(false, std::string("the calendar written back does not read: ") + e.what());
    }
  }

  static void* module_;
  static void* controls_;
};

void* FaultSweep::module_ = nullptr;
void* FaultSweep::controls_ = nullptr;

TEST_P(FaultSweep, EveryFailingCallKeepsTheInvariants) {
  QH_NATIVE_ONLY("the sweep taps the simulated host's objects in this process");
  const Story story = stories()[GetParam()];
  const auto began = std::chrono::steady_clock::now();
  SweepTap recording;
  const Replay clean = play(story, recording);
  EXPECT_TRUE(clean.faults.empty()) << story.name << " without failures: " << clean.faults.front();

  std::size_t replays = 0, nothings = 0;
  const std::vector<SweepTap::Call>& calls = recording.calls();
  for (std::size_t i = 0; i < calls.size(); ++i) {
    for (const SweepTap::Mode mode : {SweepTap::Mode::Fail, SweepTap::Mode::Nothing}) {
      if (mode == SweepTap::Mode::Nothing && !calls[i].answersObject) continue;
      SweepTap tap(mode, i, kInjected + std::string(" ") + std::to_string(i));
      const Replay replay = play(story, tap);
      ++replays;
      nothings += mode == SweepTap::Mode::Nothing;
      for (const std::string& fault : replay.faults)
        ADD_FAILURE() << story.name << ", call " << i << " " << calls[i].what
                      << (mode == SweepTap::Mode::Fail ? " failing" : " answering Nothing") << ": "
                      << fault;
    }
  }
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::cout << "[ sweep    ] " << story.name << ": " << calls.size() << " calls, " << replays
            << " replays (" << nothings << " answering Nothing), " << seconds << " s\n";
}

INSTANTIATE_TEST_SUITE_P(Stories, FaultSweep, ::testing::Range<std::size_t>(0, 9),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                           std::string name = stories()[info.param].name;
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); },
                               '_');
                           return name;
                         });

}  // namespace
}  // namespace qh::testing
