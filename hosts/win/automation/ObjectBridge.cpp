#include "hosts/win/automation/ObjectBridge.h"

#include "hosts/win/automation/ComDispatch.h"
#include "hosts/win/automation/DispatchObject.h"

namespace qh::win {

std::shared_ptr<ObjectBridge> ObjectBridge::create() {
  return std::shared_ptr<ObjectBridge>(new ObjectBridge());
}

ObjectBridge::~ObjectBridge() = default;

ComPtr<IDispatch> ObjectBridge::dispatchFor(Object& object) {
  if (auto* fromCom = dynamic_cast<DispatchObject*>(&object))
    return ComPtr<IDispatch>(fromCom->dispatch());
  if (auto it = facesByIdentity_.find(object.identity()); it != facesByIdentity_.end())
    return ComPtr<IDispatch>(it->second);
  const EventInterface* events = chooser_ ? chooser_(object) : nullptr;
  ComPtr<IDispatch> face(new ComDispatch(shared_from_this(), Ref<Object>(&object), events));
  auto* made = static_cast<ComDispatch*>(face.get());
  facesByIdentity_[object.identity()] = made;
  facesByUnknown_[made->identity()] = made;
  return face;
}

Ref<Object> ObjectBridge::objectFor(IDispatch* dispatch) {
  if (!dispatch) return nullptr;
  ComPtr<IUnknown> unknown;
  dispatch->QueryInterface(IID_IUnknown, unknown.putVoid());
  if (auto it = facesByUnknown_.find(unknown.get()); it != facesByUnknown_.end())
    return Ref<Object>(&it->second->object());
  return makeRef<DispatchObject>(shared_from_this(), ComPtr<IDispatch>(dispatch));
}

void ObjectBridge::forget(ComDispatch& face) noexcept {
  if (auto it = facesByIdentity_.find(face.object().identity());
      it != facesByIdentity_.end() && it->second == &face)
    facesByIdentity_.erase(it);
  facesByUnknown_.erase(face.identity());
}

}  // namespace qh::win
