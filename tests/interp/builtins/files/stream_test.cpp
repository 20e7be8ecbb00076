#include "builtins/files/stream.h"

#include <gtest/gtest.h>

#include <random>

#include "builtins/files/whole_file.h"
#include "interp/builtins/files/files_fixture.h"
#include "support/text_codec.h"

namespace quorin::files {
namespace {

using files_test::ScratchDir;

TEST(FileStreams, ModeStrings) {
  struct Case {
    const char16_t* mode;
    bool ok, read, write, append, text;
    OsOpen::Disposition disposition;
  } cases[] = {
      {u"r", true, true, false, false, true, OsOpen::Existing},
      {u"rb", true, true, false, false, false, OsOpen::Existing},
      {u"w+b", true, true, true, false, false, OsOpen::CreateAlways},
      {u"wb+", true, true, true, false, false, OsOpen::CreateAlways},
      {u"at", true, false, true, true, true, OsOpen::OpenAlways},
      {u"a+", true, true, true, true, true, OsOpen::OpenAlways},
      {u" rbc", true, true, false, false, false, OsOpen::Existing},
      {u"", false}, {u"x", false}, {u"rr", false}, {u"r++", false}, {u"rbt", false}, {u"wb, ccs=UTF-8", false},
      {u"r, ccs=klingon", false},
  };
  for (const Case& c : cases) {
    StreamMode m;
    ASSERT_EQ(parse_mode(c.mode, m), c.ok) << std::u16string_view(c.mode).size();
    if (!c.ok) continue;
    EXPECT_EQ(m.open.read, c.read);
    EXPECT_EQ(m.open.write, c.write);
    EXPECT_EQ(m.append, c.append);
    EXPECT_EQ(m.text, c.text);
    EXPECT_EQ(m.open.disposition, c.disposition);
  }
  StreamMode m;
  ASSERT_TRUE(parse_mode(u"r, ccs=UNICODE", m));
  EXPECT_TRUE(m.ccs);
  EXPECT_EQ(m.encoding, StreamMode::Utf16);
}

// Decoding a file in pieces gives exactly what one decode of all its bytes
// gives: encoded text in small pieces, arbitrary bytes (broken sequences
// included) in pieces that hold ASCII, as the real 1 MB pieces do.
TEST(WholeFile, PiecewiseDecodingEqualsWholeDecoding) {
  ScratchDir dir;
  std::mt19937 rng(20261208);
  const char16_t* names[] = {u"utf-8", u"ucs-2", u"gbk", u"big5", u"gb18030"};
  for (int round = 0; round < 30; ++round) {
    for (const char16_t* name : names) {
      std::optional<int> cp = codepage_of_charset(name);
      ASSERT_TRUE(cp);
      Charset cs{*cp == codepage::Utf16le ? Charset::Ucs2 : Charset::CodePage, *cp};
#ifdef _WIN32
      // The system's decoder of broken UTF-8 looks across ASCII bytes: only
      // encoded text is compared there.
      const bool random_bytes = round % 3 == 0 && *cp == codepage::Utf16le;
#else
      const bool random_bytes = round % 3 == 0 && (*cp == codepage::Utf8 || *cp == codepage::Utf16le);
#endif
      std::string bytes;
      if (random_bytes) {
        bytes.resize(rng() % 600 + 1);
        for (char& b : bytes) b = static_cast<char>(rng());
      } else {
        std::u16string text;
        for (int i = 0; i < 100; ++i)
          text.push_back(static_cast<char16_t>(rng() % 3 ? 0x4E00 + rng() % 0x51A5 : 0x20 + rng() % 0x5F));
        bytes = encode_in(cs, text);
      }
      dir.put("r.bin", bytes);
      const std::u16string expected = decode_in(cs, bytes);
      for (size_t piece : {1u, 2u, 3u, 7u, 64u, 97u}) {
        if (random_bytes && piece < 64) continue;
        Str text;
        FsError err;
        ASSERT_EQ(read_whole_file(dir.text("r.bin"), cs, text, err, piece), ReadStatus::Ok);
        ASSERT_EQ(text.view(), expected) << "piece " << piece << " round " << round;
      }
    }
  }
}

TEST(WholeFile, WhereMultibyteCharactersEnd) {
  const Charset utf8{Charset::CodePage, codepage::Utf8}, gbk{Charset::CodePage, codepage::Gbk},
      gb18030{Charset::CodePage, codepage::Gb18030}, ucs2{Charset::Ucs2, codepage::Utf16le};
  EXPECT_EQ(whole_characters("a\xE4\xB8", utf8), 1u);
  EXPECT_EQ(whole_characters("a\xE4\xB8\xAD", utf8), 1u);  // after the ASCII byte
  EXPECT_EQ(whole_characters("\xE4\xB8\xAD\xE4", utf8), 3u);
  EXPECT_EQ(whole_characters("\xF0\x9D\x84", utf8), 0u);
  EXPECT_EQ(whole_characters("\x80\x80", utf8), 2u);  // stray continuation bytes
  EXPECT_EQ(whole_characters("a\xBA\xBA\xBA", gbk), 3u);
  EXPECT_EQ(whole_characters("\x81\x30\x81", gb18030), 0u);
  EXPECT_EQ(whole_characters("\x81\x30\x81\x30", gb18030), 4u);
  EXPECT_EQ(whole_characters("abc", ucs2), 2u);
}

// Random bytes through every reader: nothing crashes, every byte is read,
// and the end is reported once the input is used up.
TEST(FileStreams, RandomBytesThroughTheTextReaders) {
  ScratchDir dir;
  std::mt19937 rng(7);
  const char16_t* modes[] = {u"r", u"rb", u"r, ccs=UTF-8", u"r, ccs=UTF-16LE"};
  for (int round = 0; round < 30; ++round) {
    std::string bytes(static_cast<size_t>(rng() % 2000), '\0');
    for (char& b : bytes) b = static_cast<char>(rng() % 5 == 0 ? "\r\n\x1A\xEF\x81"[rng() % 5] : rng());
    dir.put("f.bin", bytes);
    for (const char16_t* mode : modes) {
      FsError err;
      auto s = Stream::open(dir.text("f.bin"), mode, err);
      ASSERT_TRUE(s);
      size_t units = 0;
      int guard = 0;
      if (round % 2) {
        std::u16string line;
        while (s->read_line(line) && ++guard < 100000) units += line.size() + 1;
      } else {
        while (s->read_char() >= 0 && ++guard < 100000) ++units;
      }
      EXPECT_LT(guard, 100000);
      EXPECT_TRUE(s->eof());
      EXPECT_FALSE(s->error());
      EXPECT_LE(units, bytes.size());
    }
  }
}

TEST(FileStreams, ReadWriteSwitchAppendAndTextTranslation) {
  ScratchDir dir;
  FsError err;
  auto s = Stream::open(dir.text("a.txt"), u"w+", err);
  ASSERT_TRUE(s);
  EXPECT_TRUE(s->write_text(u"中\nx"));
  s->rewind();
  EXPECT_EQ(s->read_char(), u'中');
  EXPECT_EQ(s->read_char(), u'\n');
  EXPECT_TRUE(s->write_char(u'y'));  // replaces "x" where reading stopped
  s.reset();
  EXPECT_EQ(dir.get("a.txt"), encode_text(u"中", codepage::Ansi) + "\r\ny");

  auto a = Stream::open(dir.text("a.txt"), u"ab+", err);
  ASSERT_TRUE(a);
  uint8_t b[2];
  EXPECT_EQ(a->read_data(b, 1), 1u);
  EXPECT_EQ(a->write_data(reinterpret_cast<const uint8_t*>("!\n"), 2), 2u);  // always at the end
  a.reset();
  EXPECT_EQ(dir.get("a.txt"), encode_text(u"中", codepage::Ansi) + "\r\ny!\n");

  // A surrogate pair written one half at a time is one UTF-8 character.
  auto u = Stream::open(dir.text("u.txt"), u"w, ccs=UTF-8", err);
  ASSERT_TRUE(u);
  EXPECT_TRUE(u->write_char(0xD834));
  EXPECT_TRUE(u->write_char(0xDD1E));
  u.reset();
  EXPECT_EQ(dir.get("u.txt"), "\xEF\xBB\xBF\xF0\x9D\x84\x9E");
  auto r = Stream::open(dir.text("u.txt"), u"r, ccs=UTF-8", err);
  EXPECT_EQ(r->read_char(), 0xD834);
  EXPECT_EQ(r->read_char(), 0xDD1E);
  EXPECT_EQ(r->read_char(), -1);
  r->rewind();
  EXPECT_EQ(r->read_char(), 0xD834);  // the mark is skipped again

  // Ctrl+Z ends text input, not binary input.
  dir.put("z.txt", "ab\x1A" "cd");
  auto t = Stream::open(dir.text("z.txt"), u"r", err);
  uint8_t buf[8];
  EXPECT_EQ(t->read_data(buf, 8), 2u);
  EXPECT_TRUE(t->eof());
  auto bin = Stream::open(dir.text("z.txt"), u"rb", err);
  EXPECT_EQ(bin->read_data(buf, 8), 5u);
}

TEST(FileStreams, ReadingAWriteStreamIsAnError) {
  ScratchDir dir;
  FsError err;
  auto s = Stream::open(dir.text("w.txt"), u"w", err);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->read_char(), -1);
  EXPECT_TRUE(s->error());
  EXPECT_EQ(s->last_error().crt, crt::BadF);
  s->clear_error();
  EXPECT_FALSE(s->error());
  EXPECT_FALSE(Stream::open(dir.text("missing.txt"), u"r", err));
  EXPECT_EQ(err.crt, crt::NoEnt);
  EXPECT_FALSE(Stream::open(dir.dir().u16string(), u"r", err));  // a folder
  EXPECT_EQ(err.crt, crt::Acces);
}

}  // namespace
}  // namespace quorin::files
