// Storage, clipboard and hardware builtins against the real system (under
// Wine in CI).  Storage values are read back with the registry API; Bmp
// images go through the clipboard to and from a second process (this test
// program started again in a helper mode).
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "interp/builtins/system/system_test_support.h"
#include "runtime/bmp_object.h"

namespace quorin::sys_test {
using namespace quorin::sys;
namespace {

const wchar_t kBase[] = L"SOFTWARE\\Quorin\\Storage";

std::wstring read_value(const std::wstring& key, const std::wstring& name) {
  wchar_t buf[512];
  DWORD size = sizeof buf;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS)
    return L"<missing>";
  return buf;
}

std::u16string u16(const std::wstring& w) { return std::u16string(w.begin(), w.end()); }

class StorageTest : public SystemTest {
 protected:
  std::wstring domain = L"quorin-test-" + std::to_wstring(GetCurrentProcessId());
  std::wstring key = std::wstring(kBase) + L"\\" + domain;
  ~StorageTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); }
};

TEST_F(StorageTest, ValuesLandInTheDomainKeyAsStrings) {
  ASSERT_EQ(storage_set_domain(rt, Str(u16(domain))), 1);
  EXPECT_EQ(storage_set(rt, Str(u"名字"), Str(u"值 1")), 1);
  EXPECT_EQ(read_value(key, L"名字"), L"值 1");
  EXPECT_EQ(storage_get(rt, Str(u"名字")).str(), u"值 1");
  EXPECT_EQ(storage_get(rt, Str(u"absent")).str(), u"");
  // Names are cut to 255 characters; both spellings reach the same value.
  std::u16string long_name(300, u'n');
  EXPECT_EQ(storage_set(rt, Str(long_name), Str(u"long")), 1);
  EXPECT_EQ(read_value(key, std::wstring(255, L'n')), L"long");
  EXPECT_EQ(storage_get(rt, Str(long_name.substr(0, 255))).str(), u"long");
  // Long texts read back cut to 8192 characters.
  EXPECT_EQ(storage_set(rt, Str(u"big"), Str(std::u16string(9000, u'x'))), 1);
  EXPECT_EQ(storage_get(rt, Str(u"big")).size(), 8192u);
  EXPECT_EQ(storage_remove(rt, Str(u"名字")), 1);
  EXPECT_EQ(storage_remove(rt, Str(u"名字")), 0);
  EXPECT_EQ(read_value(key, L"名字"), L"<missing>");
}

TEST_F(StorageTest, DomainsAreOneKeyLevelAndClearCountsValues) {
  const std::u16string d = u16(domain);
  ASSERT_EQ(storage_set_domain(rt, Str(d + u"\\a\\b")), 1);
  EXPECT_EQ(storage_set(rt, Str(u"k"), Str(u"in sub-key")), 1);
  // Backslashes become slashes: the whole domain is one key level.
  const std::wstring one_level = std::wstring(kBase) + L"\\" + domain + L"/a/b";
  EXPECT_EQ(read_value(one_level, L"k"), L"in sub-key");
  RegDeleteTreeW(HKEY_CURRENT_USER, one_level.c_str());

  ASSERT_EQ(storage_set_domain(rt, Str(d)), 1);
  for (int i = 0; i < 5; ++i) storage_set(rt, Str(u"v" + std::u16string(1, u'0' + i)), Str(u"x"));
  HKEY sub;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (key + L"\\child").c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &sub,
                            nullptr),
            ERROR_SUCCESS);
  RegCloseKey(sub);
  EXPECT_EQ(storage_clear(rt), 5);
  EXPECT_EQ(storage_clear(rt), 0);
  HKEY check;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (key + L"\\child").c_str(), 0, KEY_READ, &check), ERROR_SUCCESS);
  RegCloseKey(check);

  // The empty domain goes back to the default key.
  ASSERT_EQ(storage_set_domain(rt, Str()), 1);
  const std::u16string name = u"quorin-test-default-" + d;
  EXPECT_EQ(storage_set(rt, Str(name), Str(u"default")), 1);
  EXPECT_EQ(read_value(kBase, std::wstring(name.begin(), name.end())), L"default");
  EXPECT_EQ(storage_remove(rt, Str(name)), 1);
}

// ---- clipboard ----

// 3×2 image, 24-bit bottom-up rows padded to 12 bytes.
void fill_sample(BmpObj& b) {
  b.bit_count = 24;
  b.width = 3;
  b.height = 2;
  b.data.assign(24, 0);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      uint8_t* p = &b.data[y * 12 + x * 3];
      p[0] = static_cast<uint8_t>(10 * x);   // blue
      p[1] = static_cast<uint8_t>(100 + y);  // green
      p[2] = static_cast<uint8_t>(200 + x);  // red
    }
}

bool same_pixels(const BmpObj& a, const BmpObj& b) {
  return a.width == b.width && a.height == b.height && a.bit_count == b.bit_count && a.data == b.data;
}

// Runs this program again with a helper mode; its exit code.
DWORD run_helper(const wchar_t* mode) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring cmd = L"\"" + std::wstring(self) + L"\" --gtest_filter=ClipboardHelper.Run";
  SetEnvironmentVariableW(L"QUORIN_CLIPBOARD_HELPER", mode);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 99;
  SetEnvironmentVariableW(L"QUORIN_CLIPBOARD_HELPER", nullptr);
  WaitForSingleObject(pi.hProcess, 30000);
  DWORD code = 98;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

TEST_F(SystemTest, ClipboardTextRoundTrips) {
  EXPECT_EQ(clipboard_set_text(rt, Str(u"剪贴板 text")), 1);
  EXPECT_EQ(clipboard_get_text(rt).str(), u"剪贴板 text");
  EXPECT_EQ(clipboard_set_text(rt, Str()), 1);
  EXPECT_EQ(clipboard_get_text(rt).str(), u"");
}

TEST_F(SystemTest, ClipboardBmpWithinAndBetweenProcesses) {
  Object* made = bmp_new_empty(rt.objects);
  BmpObj& sample = *static_cast<BmpObj*>(made);
  fill_sample(sample);
  Object* got_obj = bmp_new_empty(rt.objects);
  BmpObj& got = *static_cast<BmpObj*>(got_obj);

  // No bitmap on the clipboard: 0, image unchanged.
  ASSERT_EQ(clipboard_set_text(rt, Str(u"no image")), 1);
  EXPECT_EQ(clipboard_get_bmp(rt, BmpArg{&got}), 0);
  EXPECT_EQ(got.width, 0);

  ASSERT_EQ(clipboard_set_bmp(rt, BmpArg{&sample}), 1);
  EXPECT_EQ(clipboard_get_bmp(rt, BmpArg{&got}), 1);
  EXPECT_TRUE(same_pixels(sample, got));
  // Another process sees the same pixels.
  EXPECT_EQ(run_helper(L"check"), 0u);
  // And an image another process put there arrives here.
  ASSERT_EQ(clipboard_set_text(rt, Str(u"replaced")), 1);
  EXPECT_EQ(run_helper(L"put"), 0u);
  got.width = 0;
  EXPECT_EQ(clipboard_get_bmp(rt, BmpArg{&got}), 1);
  EXPECT_TRUE(same_pixels(sample, got));

  // Images whose data is short of their size never reach the clipboard.
  sample.data.resize(10);
  EXPECT_EQ(clipboard_set_bmp(rt, BmpArg{&sample}), 0);
  Object* empty = bmp_new_empty(rt.objects);
  EXPECT_EQ(clipboard_set_bmp(rt, BmpArg{static_cast<BmpObj*>(empty)}), 0);
  obj_release(empty);
  obj_release(made);
  obj_release(got_obj);
}

// The helper half of the test above, active only when started by it.
TEST(ClipboardHelper, Run) {
  const char* mode = std::getenv("QUORIN_CLIPBOARD_HELPER");
  if (!mode) GTEST_SKIP() << "started by ClipboardBmpWithinAndBetweenProcesses only";
  BmpObj sample;
  fill_sample(sample);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 3;
  info.bmiHeader.biHeight = 2;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screen = GetDC(nullptr);
  ASSERT_TRUE(OpenClipboard(nullptr));
  if (std::string(mode) == "check") {
    HBITMAP b = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_TRUE(b);
    std::vector<uint8_t> data(24);
    EXPECT_EQ(GetDIBits(screen, b, 0, 2, data.data(), &info, DIB_RGB_COLORS), 2);
    EXPECT_EQ(data, sample.data);
  } else {
    EmptyClipboard();
    HBITMAP b = CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, sample.data.data(), &info, DIB_RGB_COLORS);
    ASSERT_TRUE(b);
    EXPECT_TRUE(SetClipboardData(CF_BITMAP, b));
  }
  CloseClipboard();
  ReleaseDC(nullptr, screen);
}

TEST_F(SystemTest, HardwareQueries) {
  SYSTEM_INFO si{};
  GetNativeSystemInfo(&si);
  EXPECT_EQ(hardware_get_cpu_logical_number(rt), static_cast<int32_t>(si.dwNumberOfProcessors));
  const std::u16string cpu = hardware_get_cpu(rt).str();
  EXPECT_EQ(std::count(cpu.begin(), cpu.end(), u'-'), 3) << std::string(cpu.begin(), cpu.end());
  const std::wstring count = std::to_wstring(si.dwNumberOfProcessors);
  EXPECT_TRUE(cpu.ends_with(u"-" + u16(count)));
  const std::u16string mac = hardware_get_mac(rt).str();
  if (!mac.empty()) {
    EXPECT_EQ(mac.size(), 17u);
    EXPECT_EQ(mac[2], u'-');
  }
}

TEST_F(SystemTest, GuidsAreFreshAndWellFormed) {
  const std::u16string a = guid(rt).str(), b = guid(rt).str();
  EXPECT_EQ(a.size(), 36u);
  EXPECT_NE(a, b);
  EXPECT_EQ(a[8], u'-');
  EXPECT_EQ(a[23], u'-');
}

}  // namespace
}  // namespace quorin::sys_test
