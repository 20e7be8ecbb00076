// The editor's plug-in interface and the editing component's messages, as far
// as this plug-in uses them (numeric values from the published interface).
#pragma once
#include <windows.h>

#include <cstdint>

namespace quorin::plugin::npp {

// Editor messages.
constexpr UINT NPPM_SAVECURRENTFILE = 2062;
constexpr UINT NPPM_GETCURRENTSCINTILLA = 2028;
constexpr UINT NPPM_MODELESSDIALOG = 2036;
constexpr UINT NPPM_DMMSHOW = 2054;
constexpr UINT NPPM_DMMHIDE = 2055;
constexpr UINT NPPM_DMMREGASDCKDLG = 2057;
constexpr UINT NPPM_DOOPEN = 2101;
constexpr UINT NPPM_ADDTOOLBARICON_FORDARKMODE = 2125;
constexpr UINT NPPM_GETFULLCURRENTPATH = 4025;
constexpr UINT NPPM_GETFILENAME = 4027;
constexpr UINT NPPM_GETEXTPART = 4029;
constexpr UINT NPPM_GETNPPDIRECTORY = 4031;
constexpr WPARAM MODELESSDIALOGADD = 0;
constexpr WPARAM MODELESSDIALOGREMOVE = 1;

// Editor notifications.
constexpr UINT NPPN_TBMODIFICATION = 1002;
constexpr UINT NPPN_FILEBEFORECLOSE = 1003;
constexpr UINT NPPN_BUFFERACTIVATED = 1010;
// Sent to a docked dialog (WM_NOTIFY) when the user closes its panel.
constexpr UINT DMN_CLOSE = 1051;
// Default docking place: the bottom container.
constexpr UINT DWS_DF_CONT_BOTTOM = 0x30000000;

// Editing-component messages and notifications.
constexpr UINT SCI_ADDTEXT = 2001;
constexpr UINT SCI_GETCURRENTPOS = 2008;
constexpr UINT SCI_GOTOLINE = 2024;
constexpr UINT SCI_GOTOPOS = 2025;
constexpr UINT SCI_SETLINEINDENTATION = 2126;
constexpr UINT SCI_GETLINEINDENTATION = 2127;
constexpr UINT SCI_GETCODEPAGE = 2137;
constexpr UINT SCI_GETFIRSTVISIBLELINE = 2152;
constexpr UINT SCI_GETLINE = 2153;
constexpr UINT SCI_GETLINECOUNT = 2154;
constexpr UINT SCI_LINEFROMPOSITION = 2166;
constexpr UINT SCI_SETTEXT = 2181;
constexpr UINT SCI_GETTEXT = 2182;
constexpr UINT SCI_GETTEXTLENGTH = 2183;
constexpr UINT SCI_ENSUREVISIBLE = 2232;
constexpr UINT SCI_SETFIRSTVISIBLELINE = 2613;
constexpr UINT SCN_CHARADDED = 2001;

struct NppData {
  HWND npp;
  HWND main_view;
  HWND second_view;
};

struct ShortcutKey {
  bool ctrl;
  bool alt;
  bool shift;
  UCHAR key;
};

using CommandFn = void (*)();
struct FuncItem {
  wchar_t name[64];
  CommandFn fn;
  int cmd_id;
  bool init_checked;
  ShortcutKey* shortcut;
};

// The leading part of the editing component's notification record, which is
// all this plug-in reads.
struct SCNotification {
  NMHDR nmhdr;
  intptr_t position;
  int ch;
};

// Docking registration.
struct DockingData {
  HWND client;
  const wchar_t* name;
  int dlg_id;
  UINT mask;
  HICON tab_icon;
  const wchar_t* add_info;
  RECT float_rect;
  int prev_container;
  const wchar_t* module_name;
};

struct ToolbarIcons {
  HBITMAP bitmap;
  HICON icon;
  HICON icon_dark;
};

}  // namespace quorin::plugin::npp
