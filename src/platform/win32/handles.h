#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace talvoren::win32 {

// One owner class per handle kind: the handle is released exactly once, when its owner goes.
template <typename Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

  Owned() = default;
  explicit Owned(Handle handle) : handle_(handle) { Traits::adopted(handle_); }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset();
      handle_ = std::exchange(other.handle_, Handle{});
    }
    return *this;
  }
  ~Owned() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return Traits::valid(handle_); }
  void reset() {
    if (Traits::valid(handle_)) Traits::close(handle_);
    handle_ = Handle{};
  }
  // Forgets the handle without closing it, for handles that something else has already closed.
  void release() { handle_ = Handle{}; }

 private:
  Handle handle_{};
};

// GDI objects this program has created and not yet deleted. Wine does not count GDI objects per
// process (GetGuiResources answers 0 there), so the leak tests count ours.
inline std::atomic<int>& liveGdiObjects() {
  static std::atomic<int> count{0};
  return count;
}

template <typename T>
struct GdiTraits {
  using Handle = T;
  static bool valid(T handle) { return handle != nullptr; }
  static void adopted(T handle) {
    if (handle) ++liveGdiObjects();
  }
  static void close(T handle) {
    DeleteObject(handle);
    --liveGdiObjects();
  }
};

struct KernelTraits {
  using Handle = HANDLE;
  static bool valid(HANDLE handle) { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
  static void adopted(HANDLE) {}
  static void close(HANDLE handle) { CloseHandle(handle); }
};

struct WindowTraits {
  using Handle = HWND;
  static bool valid(HWND handle) { return handle != nullptr; }
  static void adopted(HWND) {}
  static void close(HWND handle) {
    if (IsWindow(handle)) DestroyWindow(handle);
  }
};

using OwnedFont = Owned<GdiTraits<HFONT>>;
using OwnedBrush = Owned<GdiTraits<HBRUSH>>;
using OwnedHandle = Owned<KernelTraits>;
using OwnedWindow = Owned<WindowTraits>;

}  // namespace talvoren::win32
