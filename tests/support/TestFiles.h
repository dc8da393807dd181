#pragma once
// Whole files for tests: what a file holds now, and a fixture file written with its folders.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace orv::test {

inline std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace orv::test
