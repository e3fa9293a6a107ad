#include "test_support/files.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace test_support {

namespace {

std::ifstream openForReading(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + file.string());
  return in;
}

void writeAll(const std::filesystem::path& file, const char* data, std::size_t size) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(data, static_cast<std::streamsize>(size));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

std::vector<std::uint8_t> readBytes(const std::filesystem::path& file) {
  std::ifstream in = openForReading(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string readText(const std::filesystem::path& file) {
  std::ifstream in = openForReading(file);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
  writeAll(file, reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void writeText(const std::filesystem::path& file, const std::string& text) {
  writeAll(file, text.data(), text.size());
}

std::vector<std::string> crlfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace test_support
