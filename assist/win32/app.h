// State shared by the code-assist tool's window, picking and file code.
#pragma once
#include <windows.h>

#include <string>

#include "assist/actions.h"

namespace quorin::assist {

enum ControlId : int {
  kList = 100,
  kBtnPosition, kBtnLive, kBtnFrozen, kBtnTestMove, kBtnTestClick, kBtnTestRight,
  kBtnAdd, kBtnInsert, kBtnDelete, kBtnClear,
  // menu and context-menu commands
  kMenuNew = 200, kMenuOpen, kMenuSave, kMenuSaveAs, kMenuHome, kMenuHelp, kMenuAbout,
  kCopyLogical, kCopyPhysical, kCopyColor, kCopyCondition, kCtxAdd, kCtxInsert, kCtxEdit, kCtxDelete,
  kAccelDelete,
};

enum class PickMode { None, Position, PositionColor };

struct App {
  HINSTANCE inst = nullptr;
  HWND main = nullptr, list = nullptr, tooltip = nullptr;
  HWND magnifier = nullptr, frozen = nullptr;
  HFONT font = nullptr;
  ActionList actions;
  std::string file;            // the open file ("" when none)
  std::string settings_folder; // where the file dialogs open
  std::string program_folder;
  char hotkey_letter = 0;      // 'h', 'j' or 'g' when the pick hotkey is registered
  PickMode pick = PickMode::None;
  bool frozen_pick = false;
  int pick_row = -1;
  HBITMAP frozen_bitmap = nullptr;
  HHOOK mouse_hook = nullptr, key_hook = nullptr;
  int screen_w = 0, screen_h = 0;
  double scale_x = 1.0, scale_y = 1.0;   // in use when not 1
  double abs_x = 1.0, abs_y = 1.0;       // absolute-mouse factors
};

App& app();

constexpr char kCaption[] = "Quorin 代码辅助工具";
constexpr char kVersionText[] = "6.6";

// main_window.cpp
void refresh_row(int row);
void refresh_list();
void update_controls();
int selected_row();
void select_row(int row);
void set_caption();

// picker.cpp
void start_pick(PickMode mode, bool frozen);
void cancel_pick();
void register_pick_hotkey();
LRESULT CALLBACK magnifier_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK frozen_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp);
void test_move(const Action& a, bool click, bool right);

// input_dialog.cpp: the answer, or false when cancelled.
bool ask_text(HWND owner, const std::string& title, const std::string& prompt, std::string& text);

// files.cpp
bool is_modified();
// The yes/no(/cancel) question before the list is dropped; false: cancel.
bool save_if_modified(bool with_cancel);
void new_document();
void open_document();
bool save_document(bool save_as);
void load_settings();
void store_settings();
void copy_text(const std::string& ansi);
void open_web_page(const char* page);

}  // namespace quorin::assist
