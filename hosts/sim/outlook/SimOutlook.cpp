#include "hosts/sim/outlook/SimOutlook.h"

#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/ItemWindows.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::sim::outlook {
namespace {

Application::Settings settingsOn(SimSystem& system, const SimOutlook::Options& options) {
  Application::Settings s;
  s.version = options.version;
  s.user = options.user;
  s.now = [&system] { return system.now(); };
  s.parseDate = [&system](std::string_view text) { return system.locale().parseDateTime(text); };
  s.activate = [&system](const std::string& progId) { return system.createObject(progId); };
  return s;
}

}  // namespace

SimOutlook::SimOutlook(SimSystem& system) : SimOutlook(system, Options()) {}

SimOutlook::SimOutlook(SimSystem& system, Options options)
    : app_(makeRef<Application>(settingsOn(system, options))) {}

SimOutlook::~SimOutlook() = default;

void SimOutlook::setCommandBarsFactory(CommandBarsFactory factory) {
  app_->settings().commandBars = std::move(factory);
}

void SimOutlook::registerCreatable(const std::string& progId, Application::ObjectFactory factory) {
  app_->registerCreatable(progId, std::move(factory));
}

Folder& SimOutlook::addFolder(Folder& parent, std::string name, int defaultItemType) {
  return parent.addFolder(std::move(name), defaultItemType);
}

Ref<AppointmentItem> SimOutlook::addAppointment(Folder& folder,
                                                const AppointmentItem::Fields& fields) {
  return folder.addAppointment(fields);
}

Ref<Explorer> SimOutlook::openExplorer(Folder& folder) {
  return app_->explorers().open(folder);
}

void SimOutlook::select(Explorer& explorer, std::vector<Ref<Item>> items) {
  explorer.select(std::move(items));
}

Ref<ItemWindow> SimOutlook::openInspector(Item& item) {
  return app_->inspectors().open(item);
}

void SimOutlook::reportNewInspector(ItemWindow& inspector) {
  app_->inspectors().announce(inspector);
}

}  // namespace qh::sim::outlook
