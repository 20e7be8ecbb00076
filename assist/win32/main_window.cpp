// The code-assist tool's main window: the action list, the button column,
// the menus and the program's start.
#include <windows.h>
#include <commctrl.h>
#include <winsock2.h>

#include <algorithm>
#include <cstdio>

#include "assist/win32/app.h"
#include "assist/win32/screen_scale.h"

namespace quorin::assist {

namespace {

constexpr char kClass[] = "QuorinCodeAssist";
constexpr int kInitialW = 544, kInitialH = 375;
constexpr int kButtonW = 83, kButtonH = 27, kMargin = 8, kButtonGap = 4;
// Initial column widths; they keep these proportions on resize.
constexpr int kColumnWidths[] = {41, 60, 74, 74, 74};
constexpr int kColumnMin[] = {41, 63, 41, 41, 41};
constexpr const char* kColumnTitles[] = {"序号", "动作描述", "逻辑坐标", "物理坐标", "颜色(RGB)"};
constexpr struct {
  int id;
  const char* text;
} kButtons[] = {
    {kBtnPosition, "鼠标定位"}, {kBtnLive, "动态定位取色"}, {kBtnFrozen, "静态定位取色"},
    {kBtnTestMove, "测试移动"}, {kBtnTestClick, "测试点击"},     {kBtnTestRight, "测试右击"},
    {kBtnAdd, "添加"},          {kBtnInsert, "插入"},            {kBtnDelete, "删除"},
    {kBtnClear, "清空"},
};

App g_app;
HMENU g_menu = nullptr;

void set_cell(int row, int col, const std::string& text) {
  LVITEMA it{};
  it.iSubItem = col;
  it.pszText = const_cast<char*>(text.c_str());
  SendMessageA(app().list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&it));
}

void layout() {
  App& a = app();
  RECT rc;
  GetClientRect(a.main, &rc);
  int list_w = std::max(0, static_cast<int>(rc.right) - kButtonW - 3 * kMargin);
  int list_h = std::max(0, static_cast<int>(rc.bottom) - 2 * kMargin);
  MoveWindow(a.list, kMargin, kMargin, list_w, list_h, TRUE);
  int y = kMargin;
  for (const auto& b : kButtons) {
    MoveWindow(GetDlgItem(a.main, b.id), rc.right - kMargin - kButtonW, y, kButtonW, kButtonH, TRUE);
    y += kButtonH + kButtonGap;
  }
  // Columns keep their proportions of the list's inner width.
  int total = 0;
  for (int w : kColumnWidths) total += w;
  int inner = list_w - GetSystemMetrics(SM_CXVSCROLL) - 4;
  for (int i = 0; i < 5; ++i) {
    int w = inner > 0 ? inner * kColumnWidths[i] / total : kColumnWidths[i];
    SendMessageA(a.list, LVM_SETCOLUMNWIDTH, i, std::max(w, kColumnMin[i]));
  }
}

HWND make_button(int id, const char* text) {
  HWND b = CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, kButtonW,
                           kButtonH, app().main, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app().inst,
                           nullptr);
  SendMessageA(b, WM_SETFONT, reinterpret_cast<WPARAM>(app().font), FALSE);
  return b;
}

void build_menu() {
  HMENU file = CreatePopupMenu();
  AppendMenuA(file, MF_STRING, kMenuNew, "新建");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kMenuOpen, "打开");
  AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(file, MF_STRING, kMenuSave, "保存");
  AppendMenuA(file, MF_STRING, kMenuSaveAs, "另存为");
  g_menu = CreateMenu();
  AppendMenuA(g_menu, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "文件");
  AppendMenuA(g_menu, MF_STRING, kMenuHome, "官网");
  AppendMenuA(g_menu, MF_STRING, kMenuHelp, "帮助");
  AppendMenuA(g_menu, MF_STRING, kMenuAbout, "关于");
  SetMenu(app().main, g_menu);
}

void build(HWND w) {
  App& a = app();
  a.main = w;
  NONCLIENTMETRICSA ncm{};
  ncm.cbSize = sizeof ncm;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
  a.font = CreateFontIndirectA(&ncm.lfMessageFont);
  build_menu();
  a.list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
                           100, 100, w, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kList)), a.inst, nullptr);
  SendMessageA(a.list, WM_SETFONT, reinterpret_cast<WPARAM>(a.font), FALSE);
  SendMessageA(a.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
               LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
  // Rows are 26 pixels high: the height of the (empty) small images.
  HIMAGELIST rows = ImageList_Create(1, 26, ILC_COLOR24, 1, 1);
  SendMessageA(a.list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(rows));
  for (int i = 0; i < 5; ++i) {
    LVCOLUMNA c{};
    c.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    c.fmt = i == 1 ? LVCFMT_LEFT : LVCFMT_CENTER;
    c.cx = kColumnWidths[i];
    c.pszText = const_cast<char*>(kColumnTitles[i]);
    c.iSubItem = i;
    SendMessageA(a.list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&c));
  }
  for (const auto& b : kButtons) make_button(b.id, b.text);
  register_pick_hotkey();
  if (a.hotkey_letter) {
    a.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, w, nullptr, a.inst, nullptr);
    char tip[64];
    std::snprintf(tip, sizeof tip, "快捷键: Ctrl + Alt + %c", a.hotkey_letter);
    TTTOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = w;
    ti.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(w, kBtnFrozen));
    ti.lpszText = tip;
    SendMessageA(a.tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
  }
  a.actions.reset();
  refresh_list();
  select_row(0);
  layout();
}

void context_menu(int x, int y) {
  App& a = app();
  int row = selected_row();
  const Action* act = row >= 0 ? &a.actions.at(static_cast<size_t>(row)) : nullptr;
  auto flag = [](bool on) { return static_cast<UINT>(MF_STRING | (on ? MF_ENABLED : MF_GRAYED)); };
  HMENU m = CreatePopupMenu();
  AppendMenuA(m, flag(act && act->has_position()), kCopyLogical, "复制逻辑坐标");
  AppendMenuA(m, flag(act && act->has_color()), kCopyPhysical, "复制物理坐标");
  AppendMenuA(m, flag(act && act->has_color()), kCopyColor, "复制颜色");
  AppendMenuA(m, flag(act && act->has_color() && act->has_position()), kCopyCondition, "复制物理坐标 + 颜色");
  AppendMenuA(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuA(m, flag(true), kCtxAdd, "添加");
  AppendMenuA(m, flag(act != nullptr), kCtxInsert, "插入");
  AppendMenuA(m, flag(act != nullptr), kCtxEdit, "编辑");
  AppendMenuA(m, flag(act != nullptr), kCtxDelete, "删除");
  if (x == -1 && y == -1) {
    POINT p{kMargin * 2, kMargin * 2};
    ClientToScreen(a.list, &p);
    x = p.x;
    y = p.y;
  }
  TrackPopupMenu(m, TPM_RIGHTBUTTON, x, y, 0, a.main, nullptr);
  DestroyMenu(m);
}

void add_action(bool insert) {
  App& a = app();
  int row = selected_row();
  if (insert && row < 0) return;
  std::string text;
  if (!ask_text(a.main, insert ? "插入动作" : "添加动作", "输入一个动作描述：", text) || text.empty()) return;
  size_t at = insert ? a.actions.insert(static_cast<size_t>(row), text) : a.actions.append(text);
  refresh_list();
  select_row(static_cast<int>(at));
}

void edit_action(int row) {
  App& a = app();
  if (row < 0) return;
  std::string text = a.actions.at(static_cast<size_t>(row)).desc;
  char title[48];
  std::snprintf(title, sizeof title, "编辑动作 - %d", row + 1);
  if (!ask_text(a.main, title, "输入一个动作描述：", text)) return;
  a.actions.at(static_cast<size_t>(row)).desc = cut_description(text);
  refresh_row(row);
  update_controls();
}

void delete_action() {
  App& a = app();
  int row = selected_row();
  if (row < 0 || a.pick != PickMode::None) return;
  int next = a.actions.remove(static_cast<size_t>(row));
  refresh_list();
  select_row(next);
}

void clear_actions() {
  App& a = app();
  if (MessageBoxA(a.main, "确认清空所有动作？", "询问", MB_YESNO | MB_ICONQUESTION) != IDYES) return;
  a.actions.reset();
  refresh_list();
  select_row(0);
}

void about() {
  char text[512];
  std::snprintf(text, sizeof text,
                "%s V%0.1f\n\n\n"
                "在写脚本之前先规划好动作：为每个动作写下描述，"
                "从屏幕或冻结的截图上拾取位置和颜色，测试移动和点击，"
                "再把坐标、颜色或现成的判断条件复制到脚本里。",
                kCaption, 6.6);
  MessageBoxA(app().main, text, "关于", MB_OK | MB_ICONINFORMATION);
}

void command(int id) {
  App& a = app();
  int row = selected_row();
  const Action* act = row >= 0 ? &a.actions.at(static_cast<size_t>(row)) : nullptr;
  switch (id) {
    case kBtnPosition: start_pick(PickMode::Position, false); break;
    case kBtnLive: start_pick(PickMode::PositionColor, false); break;
    case kBtnFrozen: start_pick(PickMode::PositionColor, true); break;
    case kBtnTestMove: if (act) test_move(*act, false, false); break;
    case kBtnTestClick: if (act) test_move(*act, true, false); break;
    case kBtnTestRight: if (act) test_move(*act, true, true); break;
    case kBtnAdd: case kCtxAdd: add_action(false); break;
    case kBtnInsert: case kCtxInsert: add_action(true); break;
    case kBtnDelete: case kCtxDelete: case kAccelDelete: delete_action(); break;
    case kBtnClear: clear_actions(); break;
    case kCtxEdit: edit_action(row); break;
    case kCopyLogical: if (act && act->has_position()) copy_text(copy_logical(*act)); break;
    case kCopyPhysical: if (act && act->has_color()) copy_text(copy_physical(*act)); break;
    case kCopyColor: if (act && act->has_color()) copy_text(copy_color(*act)); break;
    case kCopyCondition:
      if (act && act->has_color() && act->has_position()) copy_text(copy_condition(*act));
      break;
    case kMenuNew: new_document(); break;
    case kMenuOpen: open_document(); break;
    case kMenuSave: save_document(false); break;
    case kMenuSaveAs: save_document(true); break;
    case kMenuHome: open_web_page(nullptr); break;
    case kMenuHelp: open_web_page("#code-assist-tool"); break;
    case kMenuAbout: about(); break;
  }
  update_controls();
}

LRESULT CALLBACK wnd_proc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  App& a = app();
  switch (msg) {
    case WM_CREATE:
      build(w);
      return 0;
    case WM_SIZE:
      if (a.list) layout();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = {kInitialW, kInitialH};
      return 0;
    }
    case WM_ACTIVATE:
      // Topmost while another program is active, so the tool stays visible
      // over the program being examined.
      SetWindowPos(w, LOWORD(wp) == WA_INACTIVE ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      break;
    case WM_COMMAND:
      command(LOWORD(wp));
      return 0;
    case WM_INITMENUPOPUP:
      update_controls();
      break;
    case WM_NOTIFY: {
      auto* n = reinterpret_cast<NMHDR*>(lp);
      if (n->idFrom == kList) {
        if (n->code == LVN_ITEMCHANGED) update_controls();
        if (n->code == NM_DBLCLK) {
          auto* ia = reinterpret_cast<NMITEMACTIVATE*>(lp);
          if (ia->iItem >= 0) edit_action(ia->iItem);
        }
      }
      break;
    }
    case WM_CONTEXTMENU:
      if (reinterpret_cast<HWND>(wp) == a.list) {
        context_menu(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
        return 0;
      }
      break;
    case WM_HOTKEY:
      if (IsWindowEnabled(GetDlgItem(w, kBtnFrozen))) start_pick(PickMode::PositionColor, true);
      return 0;
    case WM_CLOSE:
      if (!save_if_modified(true)) return 0;
      DestroyWindow(w);
      return 0;
    case WM_DESTROY:
      if (a.pick != PickMode::None) cancel_pick();
      UnregisterHotKey(w, 1);
      store_settings();
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcA(w, msg, wp, lp);
}

}  // namespace

App& app() { return g_app; }

void refresh_row(int row) {
  App& a = app();
  if (row < 0 || static_cast<size_t>(row) >= a.actions.size()) return;
  RowTexts t = row_texts(a.actions.at(static_cast<size_t>(row)), static_cast<size_t>(row));
  set_cell(row, 0, t.number);
  set_cell(row, 1, t.desc);
  set_cell(row, 2, t.logical);
  set_cell(row, 3, t.physical);
  set_cell(row, 4, t.color);
}

void refresh_list() {
  App& a = app();
  SendMessageA(a.list, WM_SETREDRAW, FALSE, 0);
  int have = static_cast<int>(SendMessageA(a.list, LVM_GETITEMCOUNT, 0, 0));
  int want = static_cast<int>(a.actions.size());
  for (; have < want; ++have) {
    LVITEMA it{};
    it.mask = LVIF_TEXT;
    it.iItem = have;
    it.pszText = const_cast<char*>("");
    SendMessageA(a.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&it));
  }
  for (; have > want; --have) SendMessageA(a.list, LVM_DELETEITEM, have - 1, 0);
  for (int i = 0; i < want; ++i) refresh_row(i);
  SendMessageA(a.list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(a.list, nullptr, TRUE);
  update_controls();
}

int selected_row() {
  return static_cast<int>(SendMessageA(app().list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void select_row(int row) {
  App& a = app();
  LVITEMA it{};
  it.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  it.state = 0;
  SendMessageA(a.list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&it));
  if (row >= 0) {
    it.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(a.list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&it));
    SendMessageA(a.list, LVM_ENSUREVISIBLE, row, FALSE);
  }
  update_controls();
}

void update_controls() {
  App& a = app();
  if (!a.main) return;
  int row = selected_row();
  bool one = row >= 0;
  bool idle = a.pick == PickMode::None;
  bool positioned = one && a.actions.at(static_cast<size_t>(row)).has_position();
  auto enable = [&](int id, bool on) { EnableWindow(GetDlgItem(a.main, id), on); };
  enable(kBtnPosition, one && idle);
  enable(kBtnLive, one && idle);
  enable(kBtnFrozen, one && idle);
  enable(kBtnInsert, one);
  enable(kBtnDelete, one);
  enable(kBtnTestMove, positioned);
  enable(kBtnTestClick, positioned);
  enable(kBtnTestRight, positioned);
  enable(kBtnClear, a.actions.has_actions());
  enable(kBtnAdd, true);
  bool holds = a.actions.has_actions();
  EnableMenuItem(g_menu, kMenuSave, MF_BYCOMMAND | ((holds && (a.file.empty() || is_modified())) ? MF_ENABLED : MF_GRAYED));
  EnableMenuItem(g_menu, kMenuSaveAs, MF_BYCOMMAND | ((holds && !a.file.empty()) ? MF_ENABLED : MF_GRAYED));
}

void set_caption() {
  App& a = app();
  if (a.file.empty()) {
    SetWindowTextA(a.main, kCaption);
    return;
  }
  size_t cut = a.file.find_last_of("\\/");
  std::string name = cut == std::string::npos ? a.file : a.file.substr(cut + 1);
  char text[300];
  std::snprintf(text, sizeof text, "%s - %.96s", kCaption, name.c_str());
  SetWindowTextA(a.main, text);
}

}  // namespace quorin::assist

using namespace quorin::assist;

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int show) {
  // One instance: a second start brings the first one forward.  The class
  // alone identifies it, since the caption carries the open file's name.
  if (HWND other = FindWindowA(kClass, nullptr)) {
    if (IsIconic(other)) ShowWindow(other, SW_RESTORE);
    SetForegroundWindow(other);
    return 0;
  }
  App& a = app();
  a.inst = inst;
  char exe[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  a.program_folder = exe;
  a.program_folder.erase(a.program_folder.find_last_of('\\') == std::string::npos ? 0
                                                                                   : a.program_folder.find_last_of('\\'));
  load_settings();

  WSADATA wsa{};
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) {
    MessageBoxA(nullptr, "WSAStartup() failed!", kCaption, MB_OK | MB_ICONERROR);
    return -1;
  }
  if (LOBYTE(wsa.wVersion) != 2 || HIBYTE(wsa.wVersion) != 2) {
    MessageBoxA(nullptr, "Invalid WinSock version!", kCaption, MB_OK | MB_ICONERROR);
    WSACleanup();
    return -1;
  }

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  const ScreenScale scale = screen_scale();
  a.scale_x = scale.x;
  a.scale_y = scale.y;
  a.screen_w = GetSystemMetrics(SM_CXSCREEN);
  a.screen_h = GetSystemMetrics(SM_CYSCREEN);
  a.abs_x = a.screen_w > 1 ? 65535.0 / (a.screen_w - 1) : 1.0;
  a.abs_y = a.screen_h > 1 ? 65535.0 / (a.screen_h - 1) : 1.0;

  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = wnd_proc;
  wc.hInstance = inst;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClass;
  wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
  RegisterClassExA(&wc);
  WNDCLASSEXA mc = wc;
  mc.lpfnWndProc = magnifier_proc;
  mc.lpszClassName = "QuorinCodeAssistMagnifier";
  mc.hbrBackground = reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  RegisterClassExA(&mc);
  WNDCLASSEXA fc = wc;
  fc.lpfnWndProc = frozen_proc;
  fc.lpszClassName = "QuorinCodeAssistFrozen";
  fc.hCursor = LoadCursor(nullptr, IDC_CROSS);
  RegisterClassExA(&fc);

  HWND w = CreateWindowExA(0, kClass, kCaption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                           kInitialW, kInitialH, nullptr, nullptr, inst, nullptr);
  if (!w) return 1;
  ShowWindow(w, show);
  UpdateWindow(w);
  ACCEL accel{FVIRTKEY, VK_DELETE, kAccelDelete};
  HACCEL table = CreateAcceleratorTableA(&accel, 1);
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    if (m.hwnd == a.list || m.hwnd == w || IsChild(w, m.hwnd)) {
      if (TranslateAcceleratorA(w, table, &m)) continue;
    }
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  DestroyAcceleratorTable(table);
  WSACleanup();
  return static_cast<int>(m.wParam);
}
