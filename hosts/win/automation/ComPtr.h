#pragma once

#include <windows.h>

#include <ole2.h>

#include <cstddef>
#include <utility>

namespace qh::win {

// An owning interface pointer: copying adds a reference, destruction and reset release it.
// Raw pointers come in two ways, named so that a reader sees which: ComPtr(p) takes a new
// reference of its own, ComPtr::adopt(p) takes over one the caller already holds (an out
// parameter, a fresh object).
template <class T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(std::nullptr_t) noexcept {}
  explicit ComPtr(T* p) noexcept : p_(p) { addRef(); }
  ComPtr(const ComPtr& other) noexcept : p_(other.p_) { addRef(); }
  ComPtr(ComPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  ~ComPtr() { release(); }

  static ComPtr adopt(T* p) noexcept {
    ComPtr result;
    result.p_ = p;
    return result;
  }

  ComPtr& operator=(const ComPtr& other) noexcept {
    ComPtr(other).swap(*this);
    return *this;
  }
  ComPtr& operator=(ComPtr&& other) noexcept {
    ComPtr(std::move(other)).swap(*this);
    return *this;
  }

  void reset() noexcept { ComPtr().swap(*this); }
  void swap(ComPtr& other) noexcept { std::swap(p_, other.p_); }
  // Hands the reference to the caller (an out parameter of a COM method).
  [[nodiscard]] T* detach() noexcept { return std::exchange(p_, nullptr); }
  // For an out parameter: releases what is held and answers where the new pointer goes.
  T** put() noexcept {
    reset();
    return &p_;
  }
  void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

  // QueryInterface for another interface; empty when the object does not implement it.
  template <class U>
  ComPtr<U> as(REFIID iid) const noexcept {
    ComPtr<U> result;
    if (p_) p_->QueryInterface(iid, result.putVoid());
    return result;
  }
  template <class U>
  ComPtr<U> as() const noexcept {
    return as<U>(__uuidof(U));
  }

  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  friend bool operator==(const ComPtr& a, const ComPtr& b) noexcept { return a.p_ == b.p_; }

 private:
  void addRef() const noexcept {
    if (p_) p_->AddRef();
  }
  void release() noexcept {
    if (T* p = std::exchange(p_, nullptr)) p->Release();
  }

  T* p_ = nullptr;
};

}  // namespace qh::win
