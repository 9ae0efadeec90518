#pragma once

#include <windows.h>

#include <unknwn.h>

#include <functional>

#include "hosts/win/automation/ComObject.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/server/ServerModule.h"

namespace qh::win {

// The class factory DllGetClassObject hands out for one class of the module. CreateInstance
// makes a new object and asks it for the interface the caller wants; aggregation is not
// supported. LockServer keeps the module loaded.
class ClassFactory final : public ComObject<IClassFactory> {
 public:
  // Makes a new object, holding its first reference; raises on failure.
  using Creator = std::function<ComPtr<IUnknown>()>;

  explicit ClassFactory(Creator create);

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid,
                                           void** object) noexcept override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) noexcept override;

 private:
  Creator create_;
  ModuleReference module_;
};

}  // namespace qh::win
