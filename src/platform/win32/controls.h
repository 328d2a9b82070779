#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/form_table.h"

namespace talvoren::win32 {

using Handler = std::function<void(const EventArgs&)>;

// A named control of a form. Typed wrappers below add what their kind can do; all of them talk
// to the real window through SendMessageW.
class Control {
 public:
  Control(std::string name, ControlKind kind) : name_(std::move(name)), kind_(kind) {}
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control() = default;

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  HWND handle() const { return handle_; }

  std::string text() const;
  // Raises the text-changed event of an edit box, as Windows does.
  void setText(std::string_view text);
  bool enabled() const;
  void setEnabled(bool enabled);
  bool visible() const;
  void setVisible(bool visible);
  void focus();

  void bind(Event event, Handler handler) { handlers_[event] = std::move(handler); }
  bool handles(Event event) const { return handlers_.contains(event); }
  void raise(Event event, const EventArgs& args = {}) const;

  // Reflected by the parent window: the control turns them into its own events.
  virtual void onCommand(WORD code);
  virtual void onNotify(const NMHDR& header);
  // Seen by the control's subclass before the control itself processes the message.
  void onOwnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void attach(HWND handle) { handle_ = handle; }
  void detach() { handle_ = nullptr; }

 private:
  std::string name_;
  ControlKind kind_;
  HWND handle_ = nullptr;
  std::map<Event, Handler> handlers_;
};

class Edit : public Control {
 public:
  using Control::Control;
  bool readOnly() const;
  void onCommand(WORD code) override;
};

class Button : public Control {
 public:
  using Control::Control;
  void onCommand(WORD code) override;
};

class ComboBox : public Control {
 public:
  using Control::Control;
  // -1 when nothing is selected. Setting it raises no event; an index past the end selects the
  // last item and a negative one none.
  int selection() const;
  void setSelection(int index);
  int itemCount() const;
  std::string itemText(int index) const;
  void addItem(std::string_view text);
  void onCommand(WORD code) override;
};

class ReportList : public Control {
 public:
  using Control::Control;
  void addColumn(std::string_view title, int width);
  int appendRow();  // the new row's index
  // A missing row or column reads as "".
  std::string cell(int row, int column) const;
  void setCell(int row, int column, std::string_view text);
  int rowCount() const;
  void deleteAllRows();
  int firstSelectedRow() const;  // -1 when none
  void onNotify(const NMHDR& header) override;
};

class StatusBar : public Control {
 public:
  using Control::Control;
  void setParts(const std::vector<int>& widths);
  std::string partText(int part) const;
  void setPartText(int part, std::string_view text);
};

class TabControl : public Control {
 public:
  using Control::Control;
  void addTab(std::string_view caption);
  void addPage(HWND page) { pages_.push_back(page); }
  HWND page(int index) const;
  int selectedTab() const;
  void selectTab(int index);
  void onNotify(const NMHDR& header) override;

 private:
  void showSelectedPage();
  std::vector<HWND> pages_;
};

// The form's timer: its period in milliseconds, 0 when stopped.
class Timer : public Control {
 public:
  Timer(std::string name, UINT_PTR id) : Control(std::move(name), ControlKind::Timer), id_(id) {}
  int period() const { return period_; }
  // Negative counts as 0; the current value changes nothing; another positive value restarts the
  // count; 0 stops the timer.
  void setPeriod(int milliseconds);
  UINT_PTR id() const { return id_; }
  // The window whose timer this is; a timer dies with its window.
  void setOwner(HWND owner) {
    owner_ = owner;
    period_ = 0;
  }

 private:
  HWND owner_ = nullptr;
  UINT_PTR id_;
  int period_ = 0;
};

}  // namespace talvoren::win32
