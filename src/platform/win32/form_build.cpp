#include <windows.h>

#include <commctrl.h>

#include "platform/utf16.h"
#include "platform/win32/form.h"
#include "platform/win32/run_time.h"

namespace talvoren::win32 {
namespace {

constexpr wchar_t kPageClass[] = L"TalvorenTabPage";
// A drop-down list needs room below its selection field for the list it opens.
constexpr int kDropDownListHeight = 200;

struct WindowKind {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

WindowKind windowKindOf(const ControlSpec& spec) {
  DWORD state = WS_CHILD | WS_VISIBLE | (spec.disabled ? WS_DISABLED : 0);
  switch (spec.kind) {
    case ControlKind::TabControl:
      return {WC_TABCONTROLW, state | WS_CLIPSIBLINGS | WS_TABSTOP, 0};
    case ControlKind::GroupBox:
      return {WC_BUTTONW, state | BS_GROUPBOX, 0};
    case ControlKind::ReportList:
      // No LVS_SHOWSELALWAYS, LVS_SINGLESEL or LVS_EDITLABELS: the selection hides without
      // focus, several rows may be selected, labels are not edited in place.
      return {WC_LISTVIEWW, state | WS_TABSTOP | LVS_REPORT, WS_EX_CLIENTEDGE};
    case ControlKind::Edit:
      return {WC_EDITW, state | WS_TABSTOP | ES_AUTOHSCROLL | (spec.readOnly ? ES_READONLY : 0),
              WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {WC_BUTTONW, state | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Label:
      // SS_NOTIFY: without it a static control lets mouse clicks through to its parent.
      return {WC_STATICW, state | SS_LEFT | SS_NOTIFY, 0};
    case ControlKind::ComboBox:
      return {WC_COMBOBOXW, state | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::StatusBar:
      return {STATUSCLASSNAMEW, state, 0};
    case ControlKind::Timer:
    case ControlKind::FileDialog:
      break;
  }
  return {nullptr, 0, 0};
}

LRESULT CALLBACK controlSubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR data) {
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, controlSubclassProc, id);
  } else {
    // Key and mouse events reach the handlers before the control sees them, and go on to it.
    reinterpret_cast<Control*>(data)->onOwnMessage(message, wParam, lParam);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

bool registerClass(const wchar_t* name, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(GetModuleHandleW(nullptr), name, &existing)) return true;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

}  // namespace

std::unique_ptr<Control> Form::makeControl(const ControlSpec& spec, UINT_PTR id) {
  switch (spec.kind) {
    case ControlKind::TabControl:
      return std::make_unique<TabControl>(spec.name, spec.kind);
    case ControlKind::ReportList:
      return std::make_unique<ReportList>(spec.name, spec.kind);
    case ControlKind::Edit:
      return std::make_unique<Edit>(spec.name, spec.kind);
    case ControlKind::Button:
      return std::make_unique<Button>(spec.name, spec.kind);
    case ControlKind::ComboBox:
      return std::make_unique<ComboBox>(spec.name, spec.kind);
    case ControlKind::StatusBar:
      return std::make_unique<StatusBar>(spec.name, spec.kind);
    case ControlKind::Timer:
      return std::make_unique<Timer>(spec.name, id);
    case ControlKind::GroupBox:
    case ControlKind::Label:
    case ControlKind::FileDialog:
      break;
  }
  return std::make_unique<Control>(spec.name, spec.kind);
}

bool Form::load() {
  if (window_) return true;
  if (!registerClass(spec_.className.c_str(), windowProc) ||
      !registerClass(kPageClass, windowProc)) {
    return false;
  }
  const int left = (GetSystemMetrics(SM_CXSCREEN) - spec_.outerWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - spec_.outerHeight) / 2;
  // Created with its outer size directly, so the frame is exactly as large as asked.
  const HWND window = CreateWindowExW(
      spec_.exStyle, spec_.className.c_str(), toUtf16(spec_.caption).c_str(), spec_.style, left,
      top, spec_.outerWidth, spec_.outerHeight, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!window) {
    window_ = nullptr;
    return false;
  }
  noteWindowLoaded();
  counted_ = true;
  if (!buildControls()) {
    DestroyWindow(window);
    return false;
  }
  created_ = true;
  raiseWindowEvent(Event::Created);
  raiseWindowEvent(Event::PositionChanged);
  return true;
}

bool Form::buildControls() {
  for (Entry& entry : entries_) {
    if (!buildControl(entry)) return false;
  }
  return true;
}

Form::Placement Form::placementOf(const ControlSpec& spec) const {
  const Entry* parent = spec.parent.empty() ? nullptr : findEntry(spec.parent);
  if (!parent) return {window_, {0, 0}};
  if (parent->spec.kind == ControlKind::TabControl) {
    const auto& tab = static_cast<const TabControl&>(*parent->control);
    const POINT page = pageOffsets_.find(parent->spec.name)->second;
    return {tab.page(spec.page), {-page.x, -page.y}};
  }
  // A group box is not a parent window: its controls are its siblings, shifted by its origin,
  // the way dialogs lay out group boxes. Their notifications then reach our window procedure.
  Placement outer = placementOf(parent->spec);
  outer.offset.x += parent->spec.place.left;
  outer.offset.y += parent->spec.place.top;
  return outer;
}

HFONT Form::fontFor(const FontSpec& font) {
  if (font.height <= 0) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  // A negative height asks for the character height, without the internal leading.
  OwnedFont created(CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                                FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                                toUtf16(font.face).c_str()));
  const HFONT handle = created.get();
  if (handle) fonts_.push_back(std::move(created));
  return handle;
}

bool Form::buildControl(Entry& entry) {
  const ControlSpec& spec = entry.spec;
  Control& control = *entry.control;
  if (spec.kind == ControlKind::Timer) {
    static_cast<Timer&>(control).setOwner(window_);
    return true;
  }
  const WindowKind kind = windowKindOf(spec);
  if (!kind.className) return true;

  const Placement placement = placementOf(spec);
  const int height =
      spec.place.height + (spec.kind == ControlKind::ComboBox ? kDropDownListHeight : 0);
  const HWND handle = CreateWindowExW(
      kind.exStyle, kind.className, toUtf16(spec.text).c_str(), kind.style,
      placement.offset.x + spec.place.left, placement.offset.y + spec.place.top, spec.place.width,
      height, placement.parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!handle) return false;
  control.attach(handle);
  byHandle_[handle] = &entry;
  SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(spec.font)), FALSE);
  SetWindowSubclass(handle, controlSubclassProc, 0, reinterpret_cast<DWORD_PTR>(&control));

  switch (spec.kind) {
    case ControlKind::TabControl:
      for (const std::string& caption : spec.items)
        static_cast<TabControl&>(control).addTab(caption);
      return buildTabPages(entry);
    case ControlKind::ComboBox: {
      auto& combo = static_cast<ComboBox&>(control);
      for (const std::string& item : spec.items) combo.addItem(item);
      combo.setSelection(spec.selection);
      break;
    }
    case ControlKind::ReportList: {
      SendMessageW(handle, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                   LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_FLATSB);
      auto& list = static_cast<ReportList&>(control);
      for (const ColumnSpec& column : spec.columns) list.addColumn(column.title, column.width);
      break;
    }
    case ControlKind::StatusBar: {
      auto& bar = static_cast<StatusBar&>(control);
      bar.setParts(spec.partWidths);
      for (size_t part = 0; part < spec.partTexts.size(); ++part) {
        bar.setPartText(static_cast<int>(part), spec.partTexts[part]);
      }
      break;
    }
    default:
      break;
  }
  return true;
}

// One page window per tab over the tab control's display area; the controls of a tab live on
// its page, and switching tabs shows one page and hides the others.
bool Form::buildTabPages(Entry& entry) {
  auto& tab = static_cast<TabControl&>(*entry.control);
  RECT display{0, 0, entry.spec.place.width, entry.spec.place.height};
  SendMessageW(tab.handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
  pageOffsets_[entry.spec.name] = {display.left, display.top};
  const Placement placement = placementOf(entry.spec);
  for (size_t index = 0; index < entry.spec.items.size(); ++index) {
    const HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD,
                                      placement.offset.x + entry.spec.place.left + display.left,
                                      placement.offset.y + entry.spec.place.top + display.top,
                                      display.right - display.left, display.bottom - display.top,
                                      placement.parent, nullptr, GetModuleHandleW(nullptr), this);
    if (!page) return false;
    // Above the tab control, which clips its siblings and so never paints over a page.
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    tab.addPage(page);
  }
  tab.selectTab(0);
  return true;
}

}  // namespace talvoren::win32
