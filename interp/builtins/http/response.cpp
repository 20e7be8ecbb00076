#include "builtins/http/response.h"

#include <algorithm>
#include <string_view>

#include "support/format.h"

namespace quorin::http {
namespace {

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

bool contains_nocase(std::string_view s, std::string_view word) {
  if (word.size() > s.size()) return false;
  for (size_t i = 0; i + word.size() <= s.size(); ++i)
    if (equal_nocase(s.substr(i, word.size()), word)) return true;
  return false;
}

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

std::u16string text(std::string_view bytes) { return ascii16(bytes); }
std::u16string number(uint64_t v) { return ascii16(std::to_string(v)); }

// The status line and the fields the client uses.  False for a head that is
// not HTTP/1.x.
bool parse_head(std::string_view h, ResponseHead& head) {
  size_t eol = h.find("\r\n");
  std::string_view status = h.substr(0, eol);
  if (status.size() < 12 || status.substr(0, 7) != "HTTP/1." || status[8] != ' ') return false;
  head.version = std::string(status.substr(0, 8));
  for (size_t i = 9; i < 12; ++i) {
    if (status[i] < '0' || status[i] > '9') return false;
    head.status = head.status * 10 + (status[i] - '0');
  }
  if (status.size() > 12 && status[12] != ' ') return false;
  size_t pos = eol + 2;
  while (pos < h.size()) {
    size_t end = h.find("\r\n", pos);
    if (end == std::string_view::npos) end = h.size();
    std::string_view line = h.substr(pos, end - pos);
    pos = end + 2;
    size_t colon = line.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = trim(line.substr(0, colon)), value = trim(line.substr(colon + 1));
    if (equal_nocase(name, "Content-Length")) {
      uint64_t n = 0;
      bool ok = !value.empty() && value.size() <= 19;
      for (char c : value) {
        if (c < '0' || c > '9') ok = false;
        n = n * 10 + static_cast<uint64_t>(c - '0');
      }
      // An unreadable length, or two that disagree, leave the body's end
      // in doubt: the response is refused.
      if (!ok || (head.content_length && *head.content_length != n)) return false;
      head.content_length = n;
    } else if (equal_nocase(name, "Transfer-Encoding")) {
      if (contains_nocase(value, "chunked")) head.chunked = true;
    } else if (equal_nocase(name, "Content-Encoding")) {
      head.content_encoding = std::string(value);
    } else if (equal_nocase(name, "Content-Type")) {
      head.content_type = std::string(value);
      std::string_view v = value;
      for (size_t i = 0; i + 8 <= v.size(); ++i) {
        if (equal_nocase(v.substr(i, 8), "charset=")) {
          std::string_view cs = v.substr(i + 8);
          cs = cs.substr(0, cs.find(';'));
          cs = trim(cs);
          if (cs.size() >= 2 && cs.front() == '"' && cs.back() == '"') cs = cs.substr(1, cs.size() - 2);
          head.charset = std::string(cs);
          break;
        }
      }
    } else if (equal_nocase(name, "Location")) {
      head.location = std::string(value);
    } else if (equal_nocase(name, "Connection")) {
      head.connection = std::string(value);
    }
  }
  return true;
}

// One line of a chunked body (without its line end) into `line`.
bool read_line(Reader& in, std::string& line, Failure& f) {
  std::string& p = in.pending();
  for (;;) {
    size_t nl = p.find('\n');
    if (nl != std::string::npos) {
      line.assign(p, 0, nl);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      p.erase(0, nl + 1);
      return true;
    }
    if (p.size() >= kHeadLimit) {
      f.set(kHttpFailure, u"读取完 HTTP_BUFFER_SIZE 长度, 也没有找到 chunk 最后一个结束符");
      return false;
    }
    int ret = in.fill(kHeadLimit - p.size());
    if (ret <= 0) {
      f.set(kHttpFailure, format16(u"读取chunk最后的结束符时出错: syCount:%d, bufferSize:%d, ret:%d, errno:%d",
                                   static_cast<int>(p.size()), static_cast<int>(kHeadLimit), ret,
                                   ret < 0 ? in.stream().last_error() : 0),
            true);
      return false;
    }
  }
}

// A chunk size: hexadecimal digits after an optional "0x", up to the first
// other character; -1 when there are none or the size is beyond any body.
int64_t chunk_size(std::string_view line) {
  while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
  if (line.size() >= 2 && line[0] == '0' && lower(line[1]) == 'x') line.remove_prefix(2);
  int64_t n = 0;
  size_t digits = 0;
  for (char c : line) {
    int d;
    if (c >= '0' && c <= '9')
      d = c - '0';
    else if (lower(c) >= 'a' && lower(c) <= 'f')
      d = lower(c) - 'a' + 10;
    else
      break;
    n = n * 16 + d;
    if (n > static_cast<int64_t>(kBodyLimit)) return -1;
    ++digits;
  }
  return digits ? n : -1;
}

// Takes `n` bytes for the body: first the pending ones, then from the
// stream.  The stream's last result when it ends early.
int take(Reader& in, std::string& body, uint64_t n) {
  std::string& p = in.pending();
  size_t from_pending = static_cast<size_t>(std::min<uint64_t>(n, p.size()));
  body.append(p, 0, from_pending);
  p.erase(0, from_pending);
  n -= from_pending;
  char buf[16384];
  while (n > 0) {
    int ret = in.stream().read(buf, static_cast<int>(std::min<uint64_t>(n, sizeof buf)));
    if (ret <= 0) return ret;
    body.append(buf, static_cast<size_t>(ret));
    n -= static_cast<uint64_t>(ret);
  }
  return 1;
}

bool read_chunked(Reader& in, std::string& body, Failure& f) {
  std::string line;
  for (;;) {
    if (!read_line(in, line, f)) return false;
    int64_t size = chunk_size(line);
    if (size < 0) {
      f.set(kHttpFailure, format16(u"不正常: 这里就有问题了, chunksize:%d", static_cast<int>(size)));
      return false;
    }
    if (size == 0) break;
    if (body.size() + static_cast<uint64_t>(size) > kBodyLimit) {
      f.set(kHttpFailure, format16(u"chunk 数据总大小:%s, 大于10M", number(body.size() + static_cast<uint64_t>(size))));
      return false;
    }
    if (take(in, body, static_cast<uint64_t>(size)) <= 0) {
      f.set(kHttpFailure, format16(u"(fileSize:未定义, readTotal:%d), (header.isChunked:%d, isChunkReceiveCompleted:%d)",
                                   static_cast<int>(body.size()), 1, 0),
            true);
      return false;
    }
    if (!read_line(in, line, f)) return false;
    if (!line.empty()) {
      f.set(kHttpFailure, format16(u"不正常: 这里就有问题了, chunksize:%d", static_cast<int>(size)));
      return false;
    }
  }
  // Trailer fields up to the empty line.
  do {
    if (!read_line(in, line, f)) return false;
  } while (!line.empty());
  return true;
}

}  // namespace

bool ResponseHead::keeps_open() const {
  if (equal_nocase(trim(connection), "close")) return false;
  if (version == "HTTP/1.0") return contains_nocase(connection, "keep-alive");
  return true;
}

int Reader::fill(size_t room) {
  char buf[kHeadLimit];
  room = std::min(room, sizeof buf);
  if (room == 0) room = 1;
  last_ret_ = stream_.read(buf, static_cast<int>(room));
  if (last_ret_ > 0) pending_.append(buf, static_cast<size_t>(last_ret_));
  return last_ret_;
}

bool read_head(Reader& in, ResponseHead& head, Failure& f) {
  std::string& p = in.pending();
  for (;;) {
    size_t end = p.find("\r\n\r\n");
    if (end != std::string::npos && end + 4 <= kHeadLimit) {
      std::string_view h(p.data(), end + 4);
      ResponseHead parsed;
      if (!parse_head(h, parsed)) {
        f.set(kHttpFailure, u"HTTP 响应头格式不正确: " + text(h.substr(0, std::min<size_t>(h.find("\r\n"), 200))));
        return false;
      }
      // Interim answers (100 Continue and the like) are dropped.
      if (parsed.status >= 100 && parsed.status < 200 && parsed.status != 101) {
        p.erase(0, end + 4);
        continue;
      }
      parsed.text.assign(h);
      p.erase(0, end + 4);
      head = std::move(parsed);
      return true;
    }
    if (p.size() >= kHeadLimit) {
      f.set(kHttpFailure, u"读取 HTTP_BUFFER_SIZE 字节, 还没有读取完整个 HTTP Head.");
      return false;
    }
    int ret = in.fill(kHeadLimit - p.size());
    if (ret <= 0) {
      // Nothing, or part of a head: the connection broke or timed out.
      f.set(kConnectionFailure, format16(u"读取 HTTP Head 失败: 已读取:%d, ret:%d, errno:%d", static_cast<int>(p.size()),
                                         ret, ret < 0 ? in.stream().last_error() : 0),
            true);
      return false;
    }
  }
}

bool read_body(Reader& in, const ResponseHead& head, std::string& body, bool& complete, Failure& f) {
  body.clear();
  complete = false;
  std::string& p = in.pending();
  if ((head.status >= 100 && head.status < 200) || head.status == 204 || head.status == 304) {
    complete = p.empty();
    return true;
  }
  if (head.chunked) {
    if (!read_chunked(in, body, f)) return false;
    complete = p.empty();
    return true;
  }
  if (head.content_length) {
    const uint64_t length = *head.content_length;
    if (length > kBodyLimit) {
      f.set(kHttpFailure, format16(u"header.contentLength: %s, 大于10M", number(length)));
      return false;
    }
    if (p.size() > length) {
      f.set(kHttpFailure, format16(u"读取的数据大小:%d, http header 返回的 Content-Length:%d", static_cast<int>(p.size()),
                                   static_cast<int>(length)));
      return false;
    }
    int ret = take(in, body, length);
    if (ret <= 0) {
      const int err = ret < 0 ? in.stream().last_error() : 0;
      if (ret == 0)
        f.set(kHttpFailure, format16(u"读取失败3: body大小:%s, 实际接收到的body大小:%d, ret:%d, errno:%d", number(length),
                                     static_cast<int>(body.size()), ret, err),
              true);
      else
        f.set(kHttpFailure, format16(u"文件大小:%d, 实际接收到的文件大小:%d, ret:%d, errno:%d", static_cast<int>(length),
                                     static_cast<int>(body.size()), ret, err),
              true);
      return false;
    }
    complete = true;
    return true;
  }
  // No length: the body ends with the connection.
  body.swap(p);
  p.clear();
  char buf[16384];
  for (;;) {
    if (body.size() > kBodyLimit) {
      f.set(kHttpFailure, format16(u"header.contentLength: %d, readTotal:%s > 10M", -1, number(body.size())));
      return false;
    }
    int ret = in.stream().read(buf, sizeof buf);
    if (ret == 0) break;
    if (ret < 0) {
      f.set(kHttpFailure, format16(u"(fileSize:未定义, readTotal:%d), (header.isChunked:%d, isChunkReceiveCompleted:%d)",
                                   static_cast<int>(body.size()), 0, 0),
            true);
      return false;
    }
    body.append(buf, static_cast<size_t>(ret));
  }
  return true;  // the connection has ended: never reused
}

}  // namespace quorin::http
