// The one-line input dialog of the add, insert and edit commands, built
// from an in-memory template.
#include <windows.h>

#include <string>
#include <vector>

#include "assist/win32/app.h"

namespace quorin::assist {

namespace {

constexpr int kEdit = 300, kPrompt = 301;

struct Request {
  const std::string* prompt;
  std::string* text;
};

std::wstring wide(const std::string& ansi) {
  if (ansi.empty()) return L"";
  int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring w(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), w.data(), n);
  return w;
}

// Appends to a dialog template: words, strings and items, each item DWORD
// aligned as the template format requires.
class Template {
 public:
  void word(WORD w) { data_.push_back(w); }
  void dword(DWORD d) {
    word(LOWORD(d));
    word(HIWORD(d));
  }
  void text(const std::wstring& s) {
    for (wchar_t c : s) word(static_cast<WORD>(c));
    word(0);
  }
  void align() {
    if (data_.size() % 2) word(0);
  }
  void item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD cls, const std::wstring& caption) {
    align();
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    word(static_cast<WORD>(x));
    word(static_cast<WORD>(y));
    word(static_cast<WORD>(cx));
    word(static_cast<WORD>(cy));
    word(id);
    word(0xFFFF);
    word(cls);
    text(caption);
    word(0);
  }
  const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

 private:
  std::vector<WORD> data_;
};

INT_PTR CALLBACK dialog_proc(HWND d, UINT msg, WPARAM wp, LPARAM lp) {
  auto* req = reinterpret_cast<Request*>(GetWindowLongPtrA(d, DWLP_USER));
  switch (msg) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(d, DWLP_USER, lp);
      req = reinterpret_cast<Request*>(lp);
      SetDlgItemTextA(d, kPrompt, req->prompt->c_str());
      SetDlgItemTextA(d, kEdit, req->text->c_str());
      SendDlgItemMessageA(d, kEdit, EM_SETSEL, 0, -1);
      // Centred on the owner.
      RECT owner, self;
      HWND parent = GetWindow(d, GW_OWNER);
      if (parent && GetWindowRect(parent, &owner) && GetWindowRect(d, &self)) {
        int x = owner.left + ((owner.right - owner.left) - (self.right - self.left)) / 2;
        int y = owner.top + ((owner.bottom - owner.top) - (self.bottom - self.top)) / 2;
        SetWindowPos(d, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      }
      SetFocus(GetDlgItem(d, kEdit));
      return FALSE;
    }
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) {
        int n = GetWindowTextLengthA(GetDlgItem(d, kEdit));
        std::string s(static_cast<size_t>(n) + 1, '\0');
        GetDlgItemTextA(d, kEdit, s.data(), n + 1);
        s.resize(static_cast<size_t>(n));
        *req->text = s;
        EndDialog(d, IDOK);
        return TRUE;
      }
      if (LOWORD(wp) == IDCANCEL) {
        EndDialog(d, IDCANCEL);
        return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

bool ask_text(HWND owner, const std::string& title, const std::string& prompt, std::string& text) {
  Template t;
  const DWORD style = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  t.dword(style);
  t.dword(0);
  t.word(4);  // items
  t.word(0);
  t.word(0);
  t.word(240);
  t.word(62);
  t.word(0);  // no menu
  t.word(0);  // standard class
  t.text(wide(title));
  t.word(9);
  t.text(L"SimSun");
  t.item(SS_LEFT, 8, 6, 224, 10, kPrompt, 0x0082, L"");
  t.item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 18, 224, 13, kEdit, 0x0081, L"");
  t.item(BS_DEFPUSHBUTTON | WS_TABSTOP, 126, 40, 50, 14, IDOK, 0x0080, L"确定");
  t.item(BS_PUSHBUTTON | WS_TABSTOP, 182, 40, 50, 14, IDCANCEL, 0x0080, L"取消");
  Request req{&prompt, &text};
  INT_PTR r = DialogBoxIndirectParamA(app().inst, t.get(), owner, dialog_proc, reinterpret_cast<LPARAM>(&req));
  return r == IDOK;
}

}  // namespace quorin::assist
