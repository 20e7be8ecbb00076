#include "frontend/source_loader.h"

#include <gtest/gtest.h>

#include "capture_output.h"
#include "frontend/source_files.h"
#include "support/text_codec.h"
#include "temp_dir.h"

namespace quorin {
namespace {

using testing::CapturedOutput;
using testing::TempDir;

TEST(Utf8Detection, FollowsTheLeadByteRule) {
  EXPECT_TRUE(looks_like_utf8("plain ascii"));
  EXPECT_TRUE(looks_like_utf8(""));
  EXPECT_TRUE(looks_like_utf8("\xE4\xB8\xAD"));
  // Lead bytes with four and five continuation bytes still count.
  EXPECT_TRUE(looks_like_utf8("\xF8\x80\x80\x80\x80"));
  EXPECT_TRUE(looks_like_utf8("\xFC\x80\x80\x80\x80\x80"));
  EXPECT_FALSE(looks_like_utf8("\xFE\x80\x80\x80\x80\x80\x80"));
  EXPECT_FALSE(looks_like_utf8("a\xB0"
                               "b"));
  EXPECT_FALSE(looks_like_utf8("\xE4\xB8"));     // ends inside a sequence
  EXPECT_FALSE(looks_like_utf8("\xE4\xB8z"));    // broken continuation
  EXPECT_FALSE(looks_like_utf8("\xD6\xD0\xCE\xC4"));  // GBK
}

TEST(SourceLoader, DetectsUtf8AndAnsi) {
  TempDir dir;
  auto utf8 = read_source(dir.write("u.q", "s = \"\xE4\xB8\xAD\"\r\n"), std::nullopt, false);
  ASSERT_TRUE(utf8.ok);
  EXPECT_EQ(utf8.text, u"s = \"中\"\r\n");
  EXPECT_EQ(utf8.charset, u"utf-8");

  auto ascii = read_source(dir.write("a.q", "x = 1"), std::nullopt, false);
  EXPECT_EQ(ascii.charset, u"utf-8");

  // The byte-order mark is kept as a character.
  auto bom = read_source(dir.write("b.q", "\xEF\xBB\xBFx"), std::nullopt, false);
  EXPECT_EQ(bom.text, u"\uFEFFx");
  EXPECT_EQ(bom.charset, u"utf-8");
}

#ifndef _WIN32  // the ANSI code page is GBK natively
TEST(SourceLoader, GbkScriptAndStrayByte) {
  TempDir dir;
  auto gbk = read_source(dir.write("g.q", "s = \"\xD6\xD0\xCE\xC4\"\n"), std::nullopt, false);
  ASSERT_TRUE(gbk.ok);
  EXPECT_EQ(gbk.text, u"s = \"中文\"\n");
  EXPECT_EQ(gbk.charset, u"");

  // Valid UTF-8 plus one stray 0xB0: the whole file is read as ANSI.
  auto stray = read_source(dir.write("s.q", "\xE4\xB8\xAD \xB0\xA1"), std::nullopt, false);
  ASSERT_TRUE(stray.ok);
  EXPECT_EQ(stray.charset, u"");
  EXPECT_EQ(stray.text.substr(stray.text.size() - 1), u"啊");  // B0 A1 in GBK
  EXPECT_NE(stray.text.substr(0, 1), u"中");

  // A file that ends inside a UTF-8 sequence is not UTF-8.
  auto cut = read_source(dir.write("c.q", "ab\xE4\xB8"), std::nullopt, false);
  ASSERT_TRUE(cut.ok);
  EXPECT_EQ(cut.charset, u"");
  EXPECT_EQ(cut.text, u"ab\u6D93");  // E4 B8 in GBK
}
#endif

TEST(SourceLoader, ForcedCharset) {
  TempDir dir;
  const auto gbk_file = dir.write("g.q", "\xD6\xD0");
  auto forced = read_source(gbk_file, u" GBK ", false);
  EXPECT_EQ(forced.text, u"中");
  EXPECT_EQ(forced.charset, u"gbk");
  EXPECT_EQ(read_source(gbk_file, u"gb2312", false).charset, u"gb2312");

  // Forcing UTF-8 decodes invalid bytes as replacement characters.
  auto as_utf8 = read_source(gbk_file, u"utf-8", false);
  EXPECT_EQ(as_utf8.charset, u"utf-8");
  EXPECT_EQ(as_utf8.text.find(u'中'), std::u16string::npos);

  // Big5 and GB18030 text.
  EXPECT_EQ(read_source(dir.write("b.q", "\xA4\xA4"), u"big5", false).text, u"中");
  auto gb18030 = read_source(dir.write("c.q", "\xD6\xD0"), u"gb18030", false);
  EXPECT_EQ(gb18030.charset, u"gb18030");
  if (!encode_text(u"中", codepage::Gb18030).empty()) {
    EXPECT_EQ(gb18030.text, u"中");
  }

  // Names that are not script charsets leave detection on.
  const auto utf8_file = dir.write("u.q", "\xE4\xB8\xAD");
  for (auto name : {u"latin1", u"ucs-2", u"", u"utf8"}) {
    auto r = read_source(utf8_file, std::u16string_view(name), false);
    EXPECT_EQ(r.text, u"中");
    EXPECT_EQ(r.charset, u"utf-8");
  }
}

TEST(SourceLoader, FailuresEndInTheirMessages) {
  TempDir dir;
  EXPECT_EQ(read_source(dir.path("missing.q"), std::nullopt, false).error, u"文件无法打开");
  EXPECT_EQ(read_source(dir.mkdir("folder.q"), std::nullopt, false).error, u"文件无法打开");
  const auto empty = dir.write("empty.q", "");
  auto r = read_source(empty, std::nullopt, false);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.error, u"这是一个空白的文件");
  // Included files may be empty.
  auto quiet = read_source(empty, std::nullopt, true);
  EXPECT_TRUE(quiet.ok);
  EXPECT_EQ(quiet.text, u"");
}

TEST(SourceLoader, TextEndsAtTheFirstNul) {
  TempDir dir;
  auto r = read_source(dir.write("n.q", std::string("a = 1\n\0b = 2", 12)), std::nullopt, false);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.text, u"a = 1\n");
}

TEST(LoadErrorReport, EachModeHasItsForm) {
  TempDir dir;
  const auto path = dir.path("x.q");
  {
    CapturedOutput out;
    report_load_error(path, u"文件无法打开", CheckMode::Run, out);
    ASSERT_EQ(out.boxes.size(), 1u);
    EXPECT_EQ(out.boxes[0].title, u"Quorin - x.q");
    EXPECT_EQ(out.boxes[0].text, u"文件无法打开");
    EXPECT_EQ(out.console_writes, 0);
  }
  for (auto mode : {CheckMode::Check, CheckMode::CheckRun}) {
    CapturedOutput out;
    report_load_error(path, u"这是一个空白的文件", mode, out);
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(out.console_text, u"这是一个空白的文件");
  }
  std::u16string doubled;
  for (char16_t c : full_path(u"/tmp/a\\b.q")) {
    if (c == u'\\') doubled += u'\\';
    doubled += c;
  }
  for (auto mode : {CheckMode::IdeCheck, CheckMode::IdeCheckRun}) {
    CapturedOutput out;
    report_load_error(u"/tmp/a\\b.q", u"x\\y", mode, out);
    EXPECT_TRUE(out.boxes.empty());
    EXPECT_EQ(out.console_text, u"{\"status\": 0,\"errorCount\": 1,\"errorItems\":[{\"filePath\":\"" + doubled +
                                    u"\", \"line\": 0,\"desc\":\"x\\\\y\"}]}");
  }
}

TEST(LoadErrorReport, JsonLineEscapesAndCuts) {
  CapturedOutput out;
  // Backslashes are doubled; a quote or control character cannot break the
  // line; an over-long message is cut without splitting an escape.
  std::u16string msg = u"a\\b\"c\n";
  report_load_error(u"/tmp/q.q", msg, CheckMode::IdeCheck, out);
  EXPECT_NE(out.console_text.find(u"\"desc\":\"a\\\\b\\\"c\\u000a\"}]}"), std::u16string::npos);

  CapturedOutput longer;
  report_load_error(u"/tmp/q.q", std::u16string(1023, u'x') + u"\\", CheckMode::IdeCheckRun, longer);
  EXPECT_NE(longer.console_text.find(std::u16string(1023, u'x') + u"\"}]}"), std::u16string::npos);
}

TEST(LoadErrorReport, LoadSourceReportsUnlessQuiet) {
  TempDir dir;
  const auto empty = dir.write("e.q", "");
  CapturedOutput out;
  EXPECT_FALSE(load_source(empty, std::nullopt, CheckMode::Check, false, out).ok);
  EXPECT_EQ(out.console_text, u"这是一个空白的文件");
  CapturedOutput quiet;
  EXPECT_FALSE(load_source(dir.path("none.q"), std::nullopt, CheckMode::Check, true, quiet).ok);
  EXPECT_EQ(quiet.console_writes, 0);
  EXPECT_TRUE(quiet.boxes.empty());
}

TEST(CheckModeWords, CaseInsensitive) {
  EXPECT_EQ(parse_check_mode(u"-CR"), CheckMode::CheckRun);
  EXPECT_EQ(parse_check_mode(u"-c"), CheckMode::Check);
  EXPECT_EQ(parse_check_mode(u"-Ic"), CheckMode::IdeCheck);
  EXPECT_EQ(parse_check_mode(u"-icr"), CheckMode::IdeCheckRun);
  EXPECT_EQ(parse_check_mode(u"-dev"), CheckMode::Run);
  EXPECT_EQ(parse_check_mode(u""), CheckMode::Run);
}

}  // namespace
}  // namespace quorin
