#include "core/cObjectStore.h"

namespace qh::core {

cObjectStore::cObjectStore() : slots_(kInitialUpperIndex + 1) {}

cObjectStore::~cObjectStore() {
  DeleteAll();
}

void cObjectStore::DeleteAll() {
  const int upper = upper_;
  for (int i = 0; i <= upper; ++i) {
    // Take the reference out before it goes: the object's clean-up may call Delete on this
    // registry, which must find the slot already empty.
    Ref<Object> released = std::move(slots_[static_cast<size_t>(i)]);
  }
}

void cObjectStore::Add(const Ref<Object>& object) {
  const int upper = upper_;
  for (int i = 0; i <= upper; ++i) {
    if (!slots_[static_cast<size_t>(i)]) {
      slots_[static_cast<size_t>(i)] = object;
      return;
    }
  }
  const Int16 firstNew = Int16::checked(upper + 1);
  Int16 grown = upper_;
  grown += kGrowth;  // past 32767 this overflows and nothing is stored
  upper_ = grown;
  slots_.resize(static_cast<size_t>(upper_) + 1);
  slots_[static_cast<size_t>(firstNew)] = object;
}

void cObjectStore::Delete(const Object* object) {
  const int upper = upper_;
  for (int i = 0; i <= upper; ++i) {
    Ref<Object>& slot = slots_[static_cast<size_t>(i)];
    if (slot && sameObject(slot.get(), object)) {
      Ref<Object> released = std::move(slot);
      return;
    }
  }
}

bool cObjectStore::Exists(const Object* object) const {
  const int upper = upper_;
  for (int i = 0; i <= upper; ++i) {
    const Ref<Object>& slot = slots_[static_cast<size_t>(i)];
    if (slot && sameObject(slot.get(), object)) return true;
  }
  return false;
}

int cObjectStore::occupiedSlots() const {
  int n = 0;
  for (const auto& slot : slots_) n += slot ? 1 : 0;
  return n;
}

const DispatchTable<cObjectStore>& cObjectStore::table() {
  static const DispatchTable<cObjectStore> t = [] {
    DispatchTable<cObjectStore> d;
    d.method("DeleteAll", [](cObjectStore& s, Args&) {
      s.DeleteAll();
      return Variant();
    });
    d.method("Add", [](cObjectStore& s, Args& a) {
      s.Add(requiredArg(a, 0).toObject());
      return Variant();
    });
    d.method("Delete", [](cObjectStore& s, Args& a) {
      s.Delete(requiredArg(a, 0).toObject().get());
      return Variant();
    });
    d.method("Exists", [](cObjectStore& s, Args& a) {
      return Variant(s.Exists(requiredArg(a, 0).toObject().get()));
    });
    return d;
  }();
  return t;
}

Variant cObjectStore::invoke(std::string_view name, CallKind kind, Args& args) {
  return table().invoke(*this, name, kind, args);
}

}  // namespace qh::core
