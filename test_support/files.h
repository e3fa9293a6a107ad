#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace test_support {

// Whole-file reads and writes for test fixtures; each throws on failure.
std::vector<std::uint8_t> readBytes(const std::filesystem::path& file);
std::string readText(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
void writeText(const std::filesystem::path& file, const std::string& text);

// The lines of a text whose lines end in CR LF, as the programs write their
// files; text after the last CR LF comes back as a last line of its own.
std::vector<std::string> crlfLines(const std::string& text);

}  // namespace test_support
