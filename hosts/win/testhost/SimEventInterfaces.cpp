#include "hosts/win/testhost/SimEventInterfaces.h"

#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarComboBox.h"
#include "hosts/sim/outlook/Application.h"
#include "hosts/sim/outlook/Explorer.h"
#include "hosts/sim/outlook/Explorers.h"
#include "hosts/sim/outlook/ItemWindow.h"
#include "hosts/sim/outlook/ItemWindows.h"

namespace qh::win {
namespace {

IID microsoftIid(unsigned long data1) {
  return IID{data1, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

// The DIID of the interface an object of the simulated host raises its events through, or
// GUID_NULL.
IID eventInterfaceOf(Object& object) {
  if (dynamic_cast<sim::outlook::Application*>(&object)) return microsoftIid(0x0006302C);
  if (dynamic_cast<sim::outlook::Explorers*>(&object)) return microsoftIid(0x00063078);
  if (dynamic_cast<sim::outlook::ItemWindows*>(&object)) return microsoftIid(0x00063079);
  if (dynamic_cast<sim::outlook::Explorer*>(&object)) return microsoftIid(0x0006300F);
  if (dynamic_cast<sim::outlook::ItemWindow*>(&object)) return microsoftIid(0x0006302A);
  if (dynamic_cast<sim::CommandBarButton*>(&object)) return microsoftIid(0x000C0351);
  if (dynamic_cast<sim::CommandBarComboBox*>(&object)) return microsoftIid(0x000C0354);
  return GUID_NULL;
}

}  // namespace

ObjectBridge::EventChooser simEventInterfaces(ObjectBridge& bridge) {
  const EventInterfaceCatalog& catalog = bridge.eventInterfaces();
  return [&catalog](Object& object) -> const EventInterface* {
    const IID diid = eventInterfaceOf(object);
    return IsEqualIID(diid, GUID_NULL) ? nullptr : catalog.find(diid);
  };
}

}  // namespace qh::win
