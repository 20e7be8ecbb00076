// A scratch folder for file tests, removed with everything in it.
#pragma once
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace quorin::files_test {

class ScratchDir {
 public:
  ScratchDir() {
    std::random_device rd;
    dir_ = std::filesystem::temp_directory_path() / ("qr-files-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(dir_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::recursive_directory_iterator it(dir_, ec), end;
    for (; !ec && it != end; it.increment(ec))
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                   ec);
    ec.clear();
    std::filesystem::remove_all(dir_, ec);
  }
  std::filesystem::path path(const std::string& name) const { return dir_ / std::filesystem::u8path(name); }
  std::u16string text(const std::string& name) const { return path(name).u16string(); }
  const std::filesystem::path& dir() const { return dir_; }

  void put(const std::string& name, const std::string& bytes) const {
    std::ofstream f(path(name), std::ios::binary);
    f << bytes;
  }
  std::string get(const std::string& name) const {
    std::ifstream f(path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }

 private:
  std::filesystem::path dir_;
};

}  // namespace quorin::files_test
