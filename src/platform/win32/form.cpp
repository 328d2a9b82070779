#include "platform/win32/form.h"

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32/run_time.h"

namespace talvoren::win32 {
namespace {

// Posted to a window whose destruction was requested; the loop carries it out.
constexpr UINT kDestroyLater = WM_APP + 0x100;

struct KeptLookRelease {
  HWND companion;
  HWND activated;
};

}  // namespace

// One top-level window of this thread: if it is a form keeping its active look for the
// companion, and not the window being activated, it turns inactive.
BOOL CALLBACK Form::releaseKeptLook(HWND top, LPARAM data) {
  const auto& release = *reinterpret_cast<const KeptLookRelease*>(data);
  if (GetWindowLongPtrW(top, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&Form::windowProc)) {
    return TRUE;
  }
  const auto* form = reinterpret_cast<const Form*>(GetWindowLongPtrW(top, GWLP_USERDATA));
  if (form && top == form->window_ && form->companion_ == release.companion &&
      top != release.activated) {
    SendMessageW(top, WM_NCACTIVATE, FALSE, 0);
  }
  return TRUE;
}

// This window loses the activation: a window that kept its active look for it turns inactive
// now, unless it is the one being activated.
void Form::releaseKeptLooks(HWND activated) const {
  KeptLookRelease release{window_, activated};
  EnumThreadWindows(GetCurrentThreadId(), releaseKeptLook, reinterpret_cast<LPARAM>(&release));
}

Form::Form(WindowSpec spec) : spec_(std::move(spec)) {
  entries_.reserve(spec_.controls.size());
  for (const ControlSpec& control : spec_.controls) {
    entries_.push_back({control, makeControl(control, entries_.size() + 1)});
  }
}

Form::~Form() {
  if (window_) DestroyWindow(window_);
}

void Form::destroy() {
  if (window_) PostMessageW(window_, kDestroyLater, 0, 0);
}

void Form::on(std::string_view control, Event event, Handler handler) {
  if (control.empty()) {
    windowHandlers_[event] = std::move(handler);
    return;
  }
  this->control(control).bind(event, std::move(handler));
}

std::vector<std::pair<std::string, Event>> Form::boundEvents() const {
  std::vector<std::pair<std::string, Event>> bound;
  for (const auto& [event, handler] : windowHandlers_) bound.emplace_back("", event);
  for (const Entry& entry : entries_) {
    for (int event = 0; event <= static_cast<int>(Event::TimerElapsed); ++event) {
      if (entry.control->handles(static_cast<Event>(event))) {
        bound.emplace_back(entry.spec.name, static_cast<Event>(event));
      }
    }
  }
  return bound;
}

void Form::raiseWindowEvent(Event event) {
  const auto found = windowHandlers_.find(event);
  if (found != windowHandlers_.end() && found->second) found->second({});
}

Form::Entry* Form::findEntry(std::string_view name) {
  for (Entry& entry : entries_) {
    if (entry.spec.name == name) return &entry;
  }
  return nullptr;
}

const Form::Entry* Form::findEntry(std::string_view name) const {
  return const_cast<Form*>(this)->findEntry(name);
}

Form::Entry* Form::entryOf(HWND control) {
  const auto found = byHandle_.find(control);
  return found == byHandle_.end() ? nullptr : found->second;
}

template <typename T>
T& Form::typed(std::string_view name, ControlKind kind) {
  Entry* entry = findEntry(name);
  if (!entry || !entry->control || entry->spec.kind != kind) fatalError();
  return static_cast<T&>(*entry->control);
}

Control& Form::control(std::string_view name) {
  Entry* entry = findEntry(name);
  if (!entry || !entry->control) fatalError();
  return *entry->control;
}

Edit& Form::edit(std::string_view name) {
  return typed<Edit>(name, ControlKind::Edit);
}
Button& Form::button(std::string_view name) {
  return typed<Button>(name, ControlKind::Button);
}
ComboBox& Form::comboBox(std::string_view name) {
  return typed<ComboBox>(name, ControlKind::ComboBox);
}
ReportList& Form::reportList(std::string_view name) {
  return typed<ReportList>(name, ControlKind::ReportList);
}
StatusBar& Form::statusBar(std::string_view name) {
  return typed<StatusBar>(name, ControlKind::StatusBar);
}
TabControl& Form::tabControl(std::string_view name) {
  return typed<TabControl>(name, ControlKind::TabControl);
}
Timer& Form::timer(std::string_view name) {
  return typed<Timer>(name, ControlKind::Timer);
}

// The one window procedure of our own windows (the form's window and its tab pages): it finds the
// owning Form and hands the message over.
LRESULT CALLBACK Form::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    auto* form = static_cast<Form*>(create->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    if (form && !form->window_) form->window_ = window;
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  return form->handleMessage(window, message, wParam, lParam);
}

LRESULT Form::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Entry* entry = entryOf(reinterpret_cast<HWND>(lParam))) {
        entry->control->onCommand(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (Entry* entry = entryOf(header->hwndFrom)) entry->control->onNotify(*header);
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return onControlColour(window, message, reinterpret_cast<HDC>(wParam),
                             reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      return onSetCursor(window, wParam, lParam);
    default:
      break;
  }
  if (window != window_) return DefWindowProcW(window, message, wParam, lParam);

  switch (message) {
    case WM_TIMER:
      onTimer(wParam);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (created_ && !(position->flags & SWP_NOMOVE)) raiseWindowEvent(Event::PositionChanged);
      break;
    }
    case WM_NCACTIVATE:
      // lParam names the window taking the activation; while it is our companion we keep
      // drawing the title bar as active.
      if (!wParam) releaseKeptLooks(reinterpret_cast<HWND>(lParam));
      if (!wParam && companion_ && reinterpret_cast<HWND>(lParam) == companion_) {
        return DefWindowProcW(window, message, TRUE, lParam);
      }
      break;
    case kDestroyLater:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      raiseWindowEvent(Event::Destroying);
      return 0;
    case WM_NCDESTROY:
      onNonClientDestroy();
      return DefWindowProcW(window, message, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Form::onControlColour(HWND window, UINT message, HDC dc, HWND child) {
  const Entry* entry = entryOf(child);
  if (entry && entry->spec.textColour) SetTextColor(dc, *entry->spec.textColour);
  if (entry && entry->spec.transparent) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (entry && entry->spec.textColour) {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return DefWindowProcW(window, message, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(child));
}

LRESULT Form::onSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
  const Entry* entry = entryOf(reinterpret_cast<HWND>(wParam));
  if (entry && entry->spec.handCursor && LOWORD(lParam) == HTCLIENT) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return DefWindowProcW(window, WM_SETCURSOR, wParam, lParam);
}

void Form::onTimer(UINT_PTR id) {
  for (Entry& entry : entries_) {
    if (entry.spec.kind != ControlKind::Timer) continue;
    auto& timer = static_cast<Timer&>(*entry.control);
    if (timer.id() == id) timer.raise(Event::TimerElapsed);
  }
}

// The window and all its children are gone: release what they used and let the run time know.
void Form::onNonClientDestroy() {
  for (Entry& entry : entries_) {
    if (!entry.control) continue;
    entry.control->detach();
    if (entry.spec.kind == ControlKind::Timer)
      static_cast<Timer&>(*entry.control).setOwner(nullptr);
  }
  byHandle_.clear();
  fonts_.clear();
  window_ = nullptr;
  created_ = false;
  // A window whose creation failed half-way was never counted as loaded.
  if (counted_) {
    counted_ = false;
    noteWindowGone();
  }
}

}  // namespace talvoren::win32
