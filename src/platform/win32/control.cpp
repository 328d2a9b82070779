#include "platform/win32/controls.h"

#include "platform/win32/window_text.h"

namespace talvoren::win32 {
namespace {

int shiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

int mouseButton(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return 1;
    case WM_RBUTTONDOWN:
      return 2;
    case WM_MBUTTONDOWN:
      return 4;
    default:
      return 0;
  }
}

}  // namespace

std::string Control::text() const {
  return handle_ ? windowText(handle_) : std::string();
}

void Control::setText(std::string_view text) {
  if (handle_) setWindowText(handle_, text);
}

bool Control::enabled() const {
  return handle_ && IsWindowEnabled(handle_);
}

void Control::setEnabled(bool enabled) {
  if (handle_) EnableWindow(handle_, enabled);
}

bool Control::visible() const {
  return handle_ && IsWindowVisible(handle_);
}

void Control::setVisible(bool visible) {
  if (handle_) ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE);
}

void Control::focus() {
  if (handle_) SetFocus(handle_);
}

void Control::raise(Event event, const EventArgs& args) const {
  const auto found = handlers_.find(event);
  if (found != handlers_.end() && found->second) found->second(args);
}

void Control::onCommand(WORD) {}

void Control::onNotify(const NMHDR&) {}

void Control::onOwnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN) {
    raise(Event::KeyDown, {.keyCode = static_cast<int>(wParam), .shift = shiftState()});
  } else if (const int button = mouseButton(message)) {
    raise(Event::MouseDown, {.button = button,
                             .shift = shiftState(),
                             .x = static_cast<short>(LOWORD(lParam)),
                             .y = static_cast<short>(HIWORD(lParam))});
  }
}

void Edit::onCommand(WORD code) {
  if (code == EN_CHANGE) raise(Event::TextChanged);
}

bool Edit::readOnly() const {
  return handle() && (GetWindowLongPtrW(handle(), GWL_STYLE) & ES_READONLY) != 0;
}

void Button::onCommand(WORD code) {
  if (code == BN_CLICKED) raise(Event::Clicked);
}

}  // namespace talvoren::win32
