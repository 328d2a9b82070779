#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/win32/controls.h"
#include "platform/win32/form_table.h"
#include "platform/win32/handles.h"

namespace talvoren::win32 {

// A top-level window built from its WindowSpec. Controls are found by their names; asking for a
// name the form does not have, or for the wrong kind, is a fatal error of the run time.
class Form {
 public:
  explicit Form(WindowSpec spec);
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();

  // Creates the window and its controls, then raises created and position changed. False when
  // the window could not be created.
  bool load();
  bool isLoaded() const { return window_ != nullptr; }
  // Completed later, by the message loop.
  void destroy();
  HWND handle() const { return window_; }

  // Binds a handler to an event of a control, or of the window itself when `control` is "".
  void on(std::string_view control, Event event, Handler handler);
  // Every (control name, event) with a handler, the window's own under "", in table order.
  std::vector<std::pair<std::string, Event>> boundEvents() const;

  Control& control(std::string_view name);
  Edit& edit(std::string_view name);
  Button& button(std::string_view name);
  ComboBox& comboBox(std::string_view name);
  ReportList& reportList(std::string_view name);
  StatusBar& statusBar(std::string_view name);
  TabControl& tabControl(std::string_view name);
  Timer& timer(std::string_view name);

  // While `other` is the active window this window keeps its active title-bar look.
  void keepActiveLookWhileActive(HWND other) { companion_ = other; }

 private:
  struct Entry {
    ControlSpec spec;
    std::unique_ptr<Control> control;
  };
  struct Placement {
    HWND parent;
    POINT offset;
  };

  static std::unique_ptr<Control> makeControl(const ControlSpec& spec, UINT_PTR id);
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onControlColour(HWND window, UINT message, HDC dc, HWND child);
  LRESULT onSetCursor(HWND window, WPARAM wParam, LPARAM lParam);
  void onTimer(UINT_PTR id);
  void onNonClientDestroy();
  void releaseKeptLooks(HWND activated) const;
  static BOOL CALLBACK releaseKeptLook(HWND top, LPARAM data);

  bool buildControls();
  bool buildControl(Entry& entry);
  bool buildTabPages(Entry& entry);
  Placement placementOf(const ControlSpec& spec) const;
  HFONT fontFor(const FontSpec& font);
  Entry* findEntry(std::string_view name);
  const Entry* findEntry(std::string_view name) const;
  Entry* entryOf(HWND control);
  template <typename T>
  T& typed(std::string_view name, ControlKind kind);
  void raiseWindowEvent(Event event);

  WindowSpec spec_;
  HWND window_ = nullptr;
  HWND companion_ = nullptr;
  bool created_ = false;
  bool counted_ = false;  // among the run time's loaded windows
  std::vector<Entry> entries_;
  std::map<HWND, Entry*> byHandle_;
  std::map<std::string, POINT, std::less<>> pageOffsets_;  // display area within each tab control
  std::map<Event, Handler> windowHandlers_;
  std::vector<OwnedFont> fonts_;
};

}  // namespace talvoren::win32
