#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace talvoren::win32 {

// A form is data: the window and a table of its controls, built into real windows by Form.

enum class ControlKind {
  TabControl,
  GroupBox,
  ReportList,
  Edit,
  Button,
  Label,
  ComboBox,
  StatusBar,
  Timer,       // a component: no window of its own
  FileDialog,  // a component: no window of its own
};

// Client pixels: left, top, width, height. A control in a group box is placed relative to it,
// a control on a tab page relative to the tab control.
struct Place {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// Character height in pixels; 0 keeps the system's default font. An empty face picks the
// system's default face of the Chinese (GB2312) character set.
struct FontSpec {
  std::string face;
  int height = 0;
  bool bold = false;
};

struct ColumnSpec {
  std::string title;
  int width = 0;
};

struct ControlSpec {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string parent;  // "" for the window itself
  int page = 0;        // which tab's page, when the parent is a tab control
  Place place;
  std::string text;
  FontSpec font;
  bool disabled = false;
  bool readOnly = false;
  bool transparent = false;
  bool handCursor = false;
  std::optional<COLORREF> textColour;
  std::vector<std::string> items;  // combo box items, tab captions
  int selection = -1;
  std::vector<ColumnSpec> columns;
  std::vector<int> partWidths;  // status bar
  std::vector<std::string> partTexts;
};

struct WindowSpec {
  std::wstring className;
  std::string caption;
  int outerWidth = 0;
  int outerHeight = 0;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  std::vector<ControlSpec> controls;
};

enum class Event {
  Created,
  PositionChanged,
  Destroying,
  Clicked,
  TextChanged,
  ItemSelected,
  DoubleClicked,
  KeyDown,
  MouseDown,
  TimerElapsed,
};

// The event's own data: key code and shift state, or mouse button, shift state and position.
struct EventArgs {
  int keyCode = 0;
  int button = 0;  // 1 left, 2 right, 4 middle
  int shift = 0;   // 1 shift, 2 control, 4 alt
  int x = 0;
  int y = 0;
};

}  // namespace talvoren::win32
