// What only Windows has: the read-only attribute, sharing between handles,
// short path forms, special folders and the system's error texts.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "builtins/files/fs.h"
#include "builtins/files/whole_file.h"
#include "interp/builtins/files/files_fixture.h"
#include "support/text_codec.h"

namespace quorin::files {
namespace {

using files_test::ScratchDir;

const Charset kUtf8{Charset::CodePage, codepage::Utf8};

TEST(FilesWin32, ReadOnlyFilesAreNeitherWrittenNorDeleted) {
  ScratchDir dir;
  dir.put("ro.txt", "keep");
  const std::wstring p = dir.path("ro.txt").wstring();
  ASSERT_TRUE(SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE probe = CreateFileW(p.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    // Wine keeps the attribute in the Unix permissions, which a superuser
    // does not obey.
    CloseHandle(probe);
    SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "the system does not enforce the read-only attribute here";
  }
  FsError err;
  EXPECT_FALSE(write_whole_file(dir.text("ro.txt"), u"new", kUtf8, false, false, err));
  EXPECT_EQ(err.crt, crt::Acces);
  EXPECT_FALSE(write_whole_file(dir.text("ro.txt"), u"more", kUtf8, true, false, err));
  EXPECT_FALSE(fs_remove(dir.text("ro.txt"), err));
  EXPECT_EQ(err.crt, crt::Acces);
  EXPECT_EQ(dir.get("ro.txt"), "keep");
  SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(FilesWin32, ReplacingAFileHeldOpenByAnotherHandle) {
  ScratchDir dir;
  dir.put("held.txt", "old contents");
  const std::wstring p = dir.path("held.txt").wstring();
  FsError err;
  {
    // Shared for reading and writing but not deletion: the file cannot be
    // swapped, so it is written in place, and the other handle sees it.
    HANDLE h = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(write_whole_file(dir.text("held.txt"), u"new", kUtf8, false, false, err));
    char buf[16] = {};
    DWORD got = 0;
    ReadFile(h, buf, sizeof buf, &got, nullptr);
    EXPECT_EQ(std::string(buf, got), "new");
    CloseHandle(h);
  }
  {
    // Not shared for writing: refused, and the contents stay.
    HANDLE h = CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(write_whole_file(dir.text("held.txt"), u"refused", kUtf8, false, false, err));
    EXPECT_EQ(err.crt, crt::Acces);
    EXPECT_FALSE(fs_remove(dir.text("held.txt"), err));
    CloseHandle(h);
  }
  EXPECT_EQ(dir.get("held.txt"), "new");
  std::string names;
  for (auto& e : std::filesystem::directory_iterator(dir.dir())) names += "[" + e.path().filename().string() + "]";
  EXPECT_EQ(names, "[held.txt]");  // no replacement left behind
}

TEST(FilesWin32, LongPathsThroughThePrefix) {
  ScratchDir dir;
  std::u16string p = dir.dir().u16string();
  while (p.size() < 300) p += u"\\abcdefghijklmnopqrstuvwxyz0123456789";
  FsError err;
  std::u16string level = dir.dir().u16string();
  for (size_t at = level.size() + 1; at <= p.size();) {
    size_t next = p.find(u'\\', at);
    if (next == std::u16string::npos) next = p.size();
    ASSERT_TRUE(fs_make_folder(p.substr(0, next), err) || fs_is_folder(p.substr(0, next), err));
    at = next + 1;
  }
  ASSERT_TRUE(fs_is_folder(p, err));
  const std::u16string file = p + u"\\长 名字.txt";
  EXPECT_TRUE(write_whole_file(file, u"文本", kUtf8, false, false, err));
  Str back;
  EXPECT_EQ(read_whole_file(file, kUtf8, back, err), ReadStatus::Ok);
  EXPECT_EQ(back.view(), u"文本");
  EXPECT_TRUE(fs_copy(file, file + u".2", true, err));
  EXPECT_FALSE(fs_copy(file, file + u".2", true, err));
  EXPECT_TRUE(fs_rename(file + u".2", file + u".3", false, err));
  EXPECT_TRUE(fs_remove(file + u".3", err));
  EXPECT_TRUE(fs_remove(file, err));
  std::u16string long_form = fs_long_path(p, err);
  EXPECT_EQ(long_form, p);
  std::vector<DirEntry> entries;
  EXPECT_TRUE(fs_list(dir.dir().u16string(), u"*.*", entries, err));
  EXPECT_EQ(entries.size(), 1u);
}

TEST(FilesWin32, SpecialFoldersAndErrorTexts) {
  FsError err;
  EXPECT_FALSE(fs_system_folder(CSIDL_APPDATA, err).empty());
  EXPECT_TRUE(fs_system_folder(0x7777, err).empty());
  EXPECT_FALSE(system_error_text(ERROR_FILE_NOT_FOUND).empty());
  EXPECT_EQ(crt_error_text(crt::NoEnt), u"No such file or directory");
  OsOpen how;
  how.read = true;
  EXPECT_EQ(OsFile::open(u"Z:\\no\\such\\file.txt", how, err), nullptr);
  EXPECT_EQ(err.crt, crt::NoEnt);
  set_system_last_error(err);
  EXPECT_EQ(system_last_error(0), err.sys);
}

}  // namespace
}  // namespace quorin::files
