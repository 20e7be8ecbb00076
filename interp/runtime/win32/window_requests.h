// What the script thread may ask of the main window of Quorin.exe: the
// identifiers of its controls that builtins read, and the synchronous
// requests that run on the GUI thread.  Builtin families use these; the host
// answers them.
#pragma once
#include <windows.h>

namespace quorin {

// Control and menu identifiers of the main window.
constexpr int kIdStartButton = 36100;
constexpr int kIdPanel = 36101;
constexpr int kIdMenuHome = 35210;
constexpr int kIdMenuHelp = 35211;
constexpr int kIdMenuAbout = 35212;

// Requests from the script thread (sent, so they complete before it goes on).
constexpr UINT kMsgInputDialog = WM_USER + 1;      // lParam: GuiRequest*
constexpr UINT kMsgInputDialogEx = WM_USER + 2;    // lParam: GuiRequest*
constexpr UINT kMsgInstallMouseHook = WM_USER + 3;

// A modal dialog that the script thread asks the GUI thread to run.
class GuiRequest {
 public:
  virtual ~GuiRequest() = default;
  virtual LRESULT run(HWND owner) = 0;
};

}  // namespace quorin
