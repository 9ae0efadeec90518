#include "hosts/sim/office/CTPFactory.h"

#include <algorithm>

#include "hosts/sim/office/CustomTaskPane.h"
#include "hosts/sim/office/OfficeErrors.h"

namespace qh::sim {

CTPFactory::CTPFactory(ControlCreator createControl) : createControl_(std::move(createControl)) {}

CTPFactory::~CTPFactory() {
  for (auto& pane : panes_) pane->markDeleted();
}

void CTPFactory::setApplicationSource(std::function<Ref<Object>()> source) {
  applicationSource_ = std::move(source);
}

Ref<Object> CTPFactory::application() const {
  return applicationSource_ ? applicationSource_() : nullptr;
}

const DispatchTable<CTPFactory>& CTPFactory::table() {
  static const DispatchTable<CTPFactory> kTable = [] {
    DispatchTable<CTPFactory> t;
    t.method("CreateCTP", [](CTPFactory& self, Args& args) { return self.createPane(args); });
    return t;
  }();
  return kTable;
}

// CTPParentWindow may be omitted; Office then parents the pane to the active window, which
// the simulated host does not track, so such a pane has no window.
Variant CTPFactory::createPane(const Args& args) {
  CustomTaskPane::Setup setup;
  const std::string axId = requiredArg(args, 0).toString();
  setup.title = requiredArg(args, 1).toString();
  if (argPresent(args, 2)) setup.window = args[2].toObject();
  setup.contentControl = createControl_(axId);
  if (!setup.contentControl) throw office_errors::classNotAvailable();
  auto pane = makeRef<CustomTaskPane>(*this, std::move(setup));
  panes_.push_back(pane);
  return Variant(Ref<Object>(pane));
}

std::vector<Ref<CustomTaskPane>> CTPFactory::panesOf(const Object& window) const {
  std::vector<Ref<CustomTaskPane>> found;
  for (const auto& pane : panes_)
    if (sameObject(pane->window(), &window)) found.push_back(pane);
  return found;
}

void CTPFactory::closeWindow(const Object& window) {
  for (auto& pane : panesOf(window)) {
    pane->markDeleted();
    remove(*pane);
  }
}

void CTPFactory::remove(const CustomTaskPane& pane) {
  std::erase_if(panes_, [&](const auto& p) { return p.get() == &pane; });
}

}  // namespace qh::sim
