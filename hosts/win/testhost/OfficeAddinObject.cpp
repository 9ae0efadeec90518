#include "hosts/win/testhost/OfficeAddinObject.h"

#include <OfficeAddin.h>

#include "hosts/win/automation/DispatchObject.h"

namespace qh::win {
namespace {

// The interface that declares a member of the add-in's connection, or IID_IDispatch.
const IID& interfaceOf(std::string_view member) {
  static const struct {
    const char* name;
    const IID* iid;
  } kMembers[] = {
      {"OnConnection", &IID__IDTExtensibility2},
      {"OnDisconnection", &IID__IDTExtensibility2},
      {"OnAddInsUpdate", &IID__IDTExtensibility2},
      {"OnStartupComplete", &IID__IDTExtensibility2},
      {"OnBeginShutdown", &IID__IDTExtensibility2},
      {"GetCustomUI", &IID_IRibbonExtensibility},
      {"CTPFactoryAvailable", &IID_ICustomTaskPaneConsumer},
  };
  for (const auto& m : kMembers)
    if (memberNameEquals(m.name, member)) return *m.iid;
  return IID_IDispatch;
}

}  // namespace

OfficeAddinObject::OfficeAddinObject(std::shared_ptr<ObjectBridge> bridge, ComPtr<IUnknown> addin)
    : bridge_(std::move(bridge)), addin_(std::move(addin)) {
  if (!addin_) throw Error(ErrorCode::ObjectNotSet);
}

Variant OfficeAddinObject::invoke(std::string_view name, CallKind kind, Args& args) {
  // The call may release the loader's last reference to this object.
  const Ref<Object> keepAlive(this);
  const Ref<Object> target = face(interfaceOf(name));
  return target->invoke(name, kind, args);
}

Ref<Object> OfficeAddinObject::face(REFIID iid) const {
  // Every interface derived from IDispatch is an IDispatch of its own.
  ComPtr<IDispatch> dispatch = addin_.as<IDispatch>(iid);
  if (!dispatch) throw Error(ErrorCode::NotSupported);
  return makeRef<DispatchObject>(bridge_, std::move(dispatch));
}

}  // namespace qh::win
