// A loadable module serving one class, "QhTest.PaneControl", whose object reports how it was
// created: the ProgID it was asked for and whether the host passed its system.
#include <string>
#include <string_view>

#include "automation/Object.h"
#include "platform/ModuleAbi.h"

namespace {

class TestControl : public qh::Object {
 public:
  TestControl(std::string progId, bool gotSystem)
      : progId_(std::move(progId)), gotSystem_(gotSystem) {}

  qh::Variant invoke(std::string_view name, qh::CallKind, qh::Args&) override {
    if (qh::memberNameEquals(name, "ProgId")) return qh::Variant(progId_);
    if (qh::memberNameEquals(name, "GotSystem")) return qh::Variant(gotSystem_);
    throw qh::Error(qh::ErrorCode::NotSupported);
  }

 private:
  std::string progId_;
  bool gotSystem_;
};

}  // namespace

QH_MODULE_EXPORT qh::Object* QhCreateObject(const char* progId, qh::platform::System* system) {
  if (std::string_view(progId) != "QhTest.PaneControl") return nullptr;
  return new TestControl(progId, system != nullptr);
}
