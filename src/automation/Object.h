#pragma once

#include <memory>
#include <string_view>

#include "automation/Error.h"
#include "automation/Ref.h"
#include "automation/Variant.h"

namespace qh {

class Connection;
class EventSink;

// How a member is reached: IDispatch::Invoke with DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT
// or DISPATCH_METHOD. As in late-bound code, Get and Call are interchangeable for members
// that take arguments.
enum class CallKind { Get, Put, Call };

// An automation object, reached by member name as COM late binding reaches an IDispatch.
//
// Contract, honoured by the simulated host, the add-in's own objects and the Windows binding:
// - invoke(name, kind, args): name is matched without regard to case; "" is the default
//   member (DISPID_VALUE). args are in call order; an omitted optional argument is
//   Variant::missing(). For Put, the new value is the last argument. Arguments passed by
//   reference (Cancel, CancelDefault) may be written in place; the caller reads them back.
//   Failures raise Error with the host's code and description.
// - identity(): equal for two references to the same host object (COM: the IUnknown).
// - advise(sink): connects an event sink; the connection ends when the returned handle is
//   destroyed. Objects without events raise Error(ActionNotSupported).
// - Lifetime is intrusive and immediate: the object is destroyed when the last Ref goes.
//   Destructors never throw.
class Object {
 public:
  Object() = default;
  Object(const Object&) = delete;
  Object& operator=(const Object&) = delete;
  virtual ~Object() = default;

  virtual Variant invoke(std::string_view name, CallKind kind, Args& args) = 0;
  virtual const void* identity() const noexcept { return this; }
  virtual std::unique_ptr<Connection> advise(EventSink& sink);

  // Typed helpers on top of invoke; they never check errors themselves.
  template <class... A>
  Variant get(std::string_view name, A&&... a) {
    Args args{Variant(std::forward<A>(a))...};
    return invoke(name, CallKind::Get, args);
  }
  template <class... A>
  Variant call(std::string_view name, A&&... a) {
    Args args{Variant(std::forward<A>(a))...};
    return invoke(name, CallKind::Call, args);
  }
  void put(std::string_view name, Variant value) {
    Args args{std::move(value)};
    invoke(name, CallKind::Put, args);
  }
  // An object-valued member; an empty result (Nothing) gives an empty reference.
  template <class... A>
  Ref<Object> getObject(std::string_view name, A&&... a) {
    return get(name, std::forward<A>(a)...).toObject();
  }
  // The same with errors ignored: a failing look-up answers an empty reference and logs
  // nothing (a command bar or control that is not there yet).
  template <class... A>
  Ref<Object> tryGetObject(std::string_view name, A&&... a) noexcept {
    try {
      return getObject(name, std::forward<A>(a)...);
    } catch (...) {
      return nullptr;
    }
  }

  long refCount() const noexcept { return outer_ ? outer_->refCount() : refs_; }

 protected:
  // An object that lives inside another (a control inside its form) counts its references on
  // that outer object, as a COM aggregate does: it is never deleted on its own.
  void setOuter(Object* outer) noexcept { outer_ = outer; }

 private:
  friend void intrusiveAddRef(const Object*) noexcept;
  friend void intrusiveRelease(const Object*) noexcept;
  mutable long refs_ = 0;
  Object* outer_ = nullptr;
};

// Whether two references denote the same host object (COM identity).
bool sameObject(const Object* a, const Object* b) noexcept;

// Case-insensitive ASCII comparison of member names, as GetIDsOfNames matches them.
bool memberNameEquals(std::string_view a, std::string_view b) noexcept;

// The argument at index i, or Variant::missing() when the caller passed fewer.
const Variant& argAt(const Args& args, size_t i);
bool argPresent(const Args& args, size_t i);

}  // namespace qh
