#pragma once

#include <windows.h>

#include <ole2.h>

#include <functional>
#include <memory>
#include <unordered_map>

#include "automation/Object.h"
#include "hosts/win/automation/ComPtr.h"
#include "hosts/win/automation/DispIdTable.h"
#include "hosts/win/automation/EventInterfaceCatalog.h"

namespace qh::win {

class ComDispatch;

// Where automation objects and COM objects meet. It gives every qh::Object one COM face
// (a ComDispatch) and every IDispatch one qh face (a DispatchObject, or the object itself
// when the IDispatch is one of its own ComDispatch objects), so that identity survives any
// number of crossings: the registry's comparisons and COM's agree.
//
// A module makes one bridge (create()) and hands it to whatever crosses; every COM object
// the bridge makes holds it, so it lives as long as anything made through it.
class ObjectBridge : public std::enable_shared_from_this<ObjectBridge> {
 public:
  // Which event interface an object of ours raises its events through, or null for an object
  // without events. Objects are asked once, when they first cross to COM.
  using EventChooser = std::function<const EventInterface*(Object& object)>;

  static std::shared_ptr<ObjectBridge> create();
  ObjectBridge(const ObjectBridge&) = delete;
  ObjectBridge& operator=(const ObjectBridge&) = delete;
  ~ObjectBridge();

  EventInterfaceCatalog& eventInterfaces() noexcept { return eventInterfaces_; }
  DispIdTable& dispIds() noexcept { return dispIds_; }
  void setEventChooser(EventChooser chooser) { chooser_ = std::move(chooser); }

  // The COM face of an object: the IDispatch it wraps when it came from COM, otherwise the
  // one ComDispatch that stands for it (made on first use, kept while COM holds it).
  ComPtr<IDispatch> dispatchFor(Object& object);
  // The qh face of an IDispatch; a null pointer gives an empty reference.
  Ref<Object> objectFor(IDispatch* dispatch);
  // How many of our objects COM holds right now (a server stays loaded while any is held).
  size_t facesAlive() const noexcept { return facesByUnknown_.size(); }

 private:
  friend class ComDispatch;
  ObjectBridge() = default;
  void forget(ComDispatch& face) noexcept;

  EventInterfaceCatalog eventInterfaces_;
  DispIdTable dispIds_;
  EventChooser chooser_;
  // Only the faces alive right now; each removes itself when COM releases it.
  std::unordered_map<const void*, ComDispatch*> facesByIdentity_;
  std::unordered_map<const IUnknown*, ComDispatch*> facesByUnknown_;
};

}  // namespace qh::win
