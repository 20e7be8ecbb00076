// Whole-file writes that fail half-way leave the original file as it was.
// A file-size limit makes the write fail for real after the first bytes.
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "builtins/files/whole_file.h"
#include "interp/builtins/files/files_fixture.h"
#include "interp/runtime/script_run.h"
#include "support/text_codec.h"

namespace quorin::files {
namespace {

using files_test::ScratchDir;

const Charset kUtf8{Charset::CodePage, codepage::Utf8};

// Lowers the file-size limit for the scope (writes past it fail with EFBIG).
class SizeLimit {
 public:
  explicit SizeLimit(rlim_t bytes) {
    old_handler_ = signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &old_);
    rlimit lim = old_;
    lim.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lim);
  }
  ~SizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old_);
    signal(SIGXFSZ, old_handler_);
  }

 private:
  rlimit old_;
  sighandler_t old_handler_;
};

size_t entries(const ScratchDir& d) {
  size_t n = 0;
  for (auto& e : std::filesystem::directory_iterator(d.dir())) (void)e, ++n;
  return n;
}

TEST(SafeWrite, FailedOverwriteKeepsTheOriginal) {
  ScratchDir dir;
  dir.put("data.txt", "original contents");
  FsError err;
  const std::u16string big(100000, u'x');
  {
    SizeLimit limit(4096);
    EXPECT_FALSE(write_whole_file(dir.text("data.txt"), big, kUtf8, false, false, err));
  }
  EXPECT_EQ(err.crt, crt::FBig);
  EXPECT_EQ(dir.get("data.txt"), "original contents");
  EXPECT_EQ(entries(dir), 1u);  // no replacement left behind
  // The same write succeeds without the limit and replaces the contents.
  EXPECT_TRUE(write_whole_file(dir.text("data.txt"), big, kUtf8, false, false, err));
  EXPECT_EQ(dir.get("data.txt").size(), big.size());
  EXPECT_EQ(entries(dir), 1u);
}

TEST(SafeWrite, FailedAppendIsTakenBack) {
  ScratchDir dir;
  dir.put("log.txt", "line1\n");
  FsError err;
  {
    SizeLimit limit(4096);
    EXPECT_FALSE(write_whole_file(dir.text("log.txt"), std::u16string(10000, u'y'), kUtf8, true, false, err));
  }
  EXPECT_EQ(dir.get("log.txt"), "line1\n");
}

TEST(SafeWrite, FailedNewFileIsRemoved) {
  ScratchDir dir;
  FsError err;
  {
    SizeLimit limit(4096);
    EXPECT_FALSE(write_whole_file(dir.text("new.txt"), std::u16string(10000, u'z'), kUtf8, false, false, err));
  }
  EXPECT_FALSE(std::filesystem::exists(dir.path("new.txt")));
}

TEST(SafeWrite, ReplacementKeepsPermissionsAndLinksAreWrittenInPlace) {
  ScratchDir dir;
  dir.put("p.txt", "old");
  chmod(dir.path("p.txt").c_str(), 0640);
  FsError err;
  EXPECT_TRUE(write_whole_file(dir.text("p.txt"), u"new", kUtf8, false, false, err));
  struct stat st;
  ASSERT_EQ(stat(dir.path("p.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  // A second name of the same file sees the new contents.
  ASSERT_EQ(link(dir.path("p.txt").c_str(), dir.path("q.txt").c_str()), 0);
  EXPECT_TRUE(write_whole_file(dir.text("p.txt"), u"linked", kUtf8, false, false, err));
  EXPECT_EQ(dir.get("q.txt"), "linked");
  // A read-only file is refused and stays as it is.
  chmod(dir.path("p.txt").c_str(), 0440);
  if (geteuid() != 0) {
    EXPECT_FALSE(write_whole_file(dir.text("p.txt"), u"nope", kUtf8, false, false, err));
    EXPECT_EQ(err.crt, crt::Acces);
    EXPECT_EQ(dir.get("p.txt"), "linked");
  }
}

}  // namespace
}  // namespace quorin::files

namespace quorin::files {
namespace {

// A link back up the tree is listed but not followed.
TEST(Listings, LinksAreNotFollowed) {
  files_test::ScratchDir dir;
  std::filesystem::create_directories(dir.path("top/sub"));
  std::filesystem::create_directory_symlink(dir.path("top"), dir.path("top/sub/loop"));
  std::filesystem::create_directory_symlink(dir.path("top"), dir.path("top/sub/loop2"));
  auto program = testing::compile_text("ArrayList<string> l\nconsole_println(folder_get_subfolder_list(\"" +
                                       dir.path("top").string() + "\", l, 1))\nconsole_println(l)\n");
  ASSERT_TRUE(program);
  testing::TestUiPort ui;
  Runtime rt(*program, ui);
  rt.state.store(kRunning);
  EXPECT_EQ(run_program(rt), 0);
  const std::u16string top = dir.path("top").u16string();
  EXPECT_EQ(ui.out, u"1\nArrayList{\"" + top + u"/sub\", \"" + top + u"/sub/loop\", \"" + top + u"/sub/loop2\"}\n");
}

}  // namespace
}  // namespace quorin::files
