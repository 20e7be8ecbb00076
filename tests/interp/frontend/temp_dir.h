// A scratch folder for tests that need real files; removed with its contents.
#pragma once
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace quorin::testing {

class TempDir {
 public:
  TempDir() {
    static std::atomic<int> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    root_ = std::filesystem::temp_directory_path() /
            ("quorin-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(root_);
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  // Writes `bytes` to the relative path (folders created) and returns the
  // file's path.
  std::u16string write(std::string_view rel, std::string_view bytes) const {
    auto p = root_ / std::filesystem::path(std::u8string(rel.begin(), rel.end()));
    std::filesystem::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return p.u16string();
  }
  std::u16string path(std::string_view rel) const {
    return (root_ / std::filesystem::path(std::u8string(rel.begin(), rel.end()))).u16string();
  }
  std::u16string mkdir(std::string_view rel) const {
    auto p = root_ / std::filesystem::path(std::u8string(rel.begin(), rel.end()));
    std::filesystem::create_directories(p);
    return p.u16string();
  }

 private:
  std::filesystem::path root_;
};

}  // namespace quorin::testing
