#include "hosts/win/testhost/HostSystemClass.h"

#include "hosts/win/automation/ComError.h"
#include "hosts/win/automation/ComObject.h"
#include "hosts/win/platform/SystemObject.h"

namespace qh::win {
namespace {

// Every object it makes is the one face of the one SystemObject.
class SystemFactory final : public ComObject<IClassFactory> {
 public:
  SystemFactory(platform::System& system, std::shared_ptr<ObjectBridge> bridge)
      : bridge_(std::move(bridge)), system_(makeRef<SystemObject>(system)) {}

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid,
                                           void** object) noexcept override {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    try {
      return bridge_->dispatchFor(*system_)->QueryInterface(iid, object);
    } catch (...) {
      return hresultFromCurrentException();
    }
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) noexcept override { return S_OK; }

 private:
  std::shared_ptr<ObjectBridge> bridge_;
  Ref<SystemObject> system_;
};

constexpr const wchar_t* kVariable = L"QH_HOST_SYSTEM";

}  // namespace

// {B0C1F5E2-7A4D-4C83-9E61-2F5A0D3C8B47}
const CLSID HostSystemClass::kClassId = {
    0xB0C1F5E2, 0x7A4D, 0x4C83, {0x9E, 0x61, 0x2F, 0x5A, 0x0D, 0x3C, 0x8B, 0x47}};

HostSystemClass::HostSystemClass(platform::System& system, std::shared_ptr<ObjectBridge> bridge) {
  const ComPtr<IClassFactory> factory(new SystemFactory(system, std::move(bridge)));
  throwIfFailed(CoRegisterClassObject(kClassId, factory.get(), CLSCTX_INPROC_SERVER,
                                      REGCLS_MULTIPLEUSE, &cookie_));
  wchar_t text[40];
  StringFromGUID2(kClassId, text, 40);
  SetEnvironmentVariableW(kVariable, text);
}

HostSystemClass::~HostSystemClass() {
  SetEnvironmentVariableW(kVariable, nullptr);
  CoRevokeClassObject(cookie_);
}

}  // namespace qh::win
