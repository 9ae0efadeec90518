#include "apps/quillhour/Desktop.h"

#include <fmt/format.h>

#include <ctime>
#include <stdexcept>

#include "apps/quillhour/Errors.h"
#include "hosts/sim/mailbox/CalendarError.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"
#include "hosts/sim/outlook/AppointmentItem.h"
#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/ItemWindows.h"

namespace qh::app {
namespace {

using sim::outlook::Explorer;
using sim::outlook::Folder;
using sim::outlook::Item;
using sim::outlook::ItemWindow;

Date presentTime() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return Date::fromParts(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                         local.tm_min, local.tm_sec);
}

// The moment a local time stands for, in the process's zone, as the calendar file's zone.
std::time_t instantOf(Date local) {
  const Date::Parts p = local.parts();
  std::tm tm{};
  tm.tm_year = p.year - 1900;
  tm.tm_mon = p.month - 1;
  tm.tm_mday = p.day;
  tm.tm_hour = p.hour;
  tm.tm_min = p.minute;
  tm.tm_sec = p.second;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

sim::mailbox::CalendarStore openCalendar(const SessionOptions& options) {
  sim::mailbox::CalendarOptions calendar;
  if (options.now) calendar.clock = [t = instantOf(*options.now)] { return t; };
  if (options.access != SessionOptions::Access::Read) calendar.lockWait = options.lockWait;
  try {
    return sim::mailbox::CalendarStore(options.mailbox, std::move(calendar));
  } catch (const sim::mailbox::CalendarError& e) {
    // Not the input's fault: another process has the calendar.
    if (e.kind() == sim::mailbox::CalendarError::Kind::Busy)
      throw std::runtime_error(e.description());
    throw InputError(e.description());
  } catch (const Error& e) {
    // CalendarError names the file and line; an unknown zone (TZ) names the zone.
    throw InputError(e.description());
  }
}

sim::SimHost::Options hostOptions(const SessionOptions& options,
                                  std::shared_ptr<WorkbookLedger> ledger) {
  sim::SimHost::Options host;
  host.outlookVersion = fmt::format("{}.0.0.0", options.outlookVersion);
  host.taskPanes = options.taskPanes;
  host.moduleDir = options.moduleDir;
  host.outputDir = options.outDir;
  host.workbookWriter = [ledger] {
    return std::make_unique<SummarizingWorkbookWriter>(sim::makeDefaultWorkbookWriter(), ledger);
  };
  return host;
}

Ref<Item> findIn(Folder& folder, std::string_view entryId) {
  for (const Ref<Item>& item : folder.items()) {
    if (item->entryId() == entryId) return item;
    // The exceptions of a series are reached through it.
    if (auto* series = dynamic_cast<sim::outlook::AppointmentItem*>(item.get()))
      for (const auto& exception : series->exceptions())
        if (exception->entryId() == entryId) return exception;
  }
  for (const Ref<Folder>& child : folder.folders())
    if (Ref<Item> found = findIn(*child, entryId)) return found;
  return nullptr;
}

}  // namespace

Desktop::Desktop(const SessionOptions& options)
    : options_(options), workbooks_(std::make_shared<WorkbookLedger>()) {
  sim::mailbox::CalendarStore calendar = openCalendar(options_);
  host_ = std::make_unique<sim::SimHost>(hostOptions(options_, workbooks_));
  system().setLocale(options_.locale);
  tick();
  if (options_.now) system().setNow(*options_.now);
  outlook().setSaveWhenPrompted(options_.answerOk);
  mailbox_ = std::make_unique<sim::MailboxBinding>(std::move(calendar), outlook().calendar());

  // Outlook starts with one explorer on the calendar and loads its add-ins.
  explorer_ = outlook().openExplorer(outlook().calendar());
  if (!host_->install()) {
    std::string reasons;
    for (const std::string& failure : host_->eventFailures()) reasons += "\n  " + failure;
    throw std::runtime_error(
        fmt::format("the add-in could not be installed from {}{}", options_.moduleDir, reasons));
  }
  host_->start();
  outlook().startup();
}

Desktop::~Desktop() {
  // The host's objects before the host: the binding holds the calendar's appointments.
  inspector_.reset();
  newestInspector_.reset();
  explorer_.reset();
  mailbox_.reset();
  host_.reset();
}

void Desktop::tick() {
  if (!options_.now) system().setNow(presentTime());
}

void Desktop::followNewWindows() {
  const auto& inspectors = outlook().application().inspectors().windows();
  if (!inspectors.empty() && inspectors.back() != newestInspector_) {
    newestInspector_ = inspectors.back();
    inspector_ = newestInspector_;
  }
}

Explorer& Desktop::explorer() {
  if (explorer_ && !explorer_->closed()) return *explorer_;
  const auto& windows = outlook().application().explorers().windows();
  if (windows.empty()) throw CommandError("no explorer window is open");
  explorer_ = windows.back();
  return *explorer_;
}

void Desktop::makeCurrent(Explorer& explorer) {
  explorer_ = Ref<Explorer>(&explorer);
}

ItemWindow& Desktop::inspector() {
  if (inspector_ && !inspector_->closed()) return *inspector_;
  const auto& windows = outlook().application().inspectors().windows();
  if (windows.empty()) throw CommandError("no inspector window is open");
  inspector_ = windows.back();
  return *inspector_;
}

void Desktop::makeCurrent(ItemWindow& inspector) {
  inspector_ = Ref<ItemWindow>(&inspector);
}

Folder& Desktop::folder(std::string_view which) {
  if (which == "calendar") return outlook().folder(sim::outlook::kFolderCalendar);
  if (which == "inbox") return outlook().folder(sim::outlook::kFolderInbox);
  if (which == "outbox") return outlook().folder(sim::outlook::kFolderOutbox);
  throw CommandError(fmt::format("unknown folder \"{}\" (calendar, inbox or outbox)", which));
}

Ref<Item> Desktop::item(std::string_view entryId) {
  if (Ref<Item> found = findIn(outlook().nameSpace().root(), entryId)) return found;
  throw CommandError(fmt::format("no item with the EntryID \"{}\"", entryId));
}

Ref<sim::CommandBar> Desktop::quillhourBar(const Ref<Object>& commandBars) {
  auto* bars = dynamic_cast<sim::CommandBars*>(commandBars.get());
  return bars ? bars->find("Quillhour") : nullptr;
}

Ref<sim::CommandBarComboBox> Desktop::tagBox(const Ref<Object>& commandBars) {
  Ref<sim::CommandBar> bar = quillhourBar(commandBars);
  if (!bar) throw CommandError("the window has no \"Quillhour\" bar");
  Ref<sim::CommandBarComboBox> box = bar->controls().comboBox("Tag:");
  if (!box) throw CommandError("the \"Quillhour\" bar has no \"Tag:\" box");
  return box;
}

Ref<Object> Desktop::dialog(std::string_view caption, std::string_view what) {
  const std::vector<Ref<Object>> shown = system().forms().visible();
  for (auto it = shown.rbegin(); it != shown.rend(); ++it)
    if ((*it)->get("Caption").toString() == caption) return *it;
  throw CommandError(fmt::format("the {} is not open", what));
}

StringArray Desktop::tagArray() {
  Ref<Object> addin = host_->loader().addin("Quillhour.Connect");
  if (!addin) throw CommandError("the add-in is not connected");
  const Variant tags = addin->get("TagArray");
  return tags.toStringArray();
}

void Desktop::quit() {
  if (quitted_) return;
  quitted_ = true;
  host_->quit();
}

}  // namespace qh::app
