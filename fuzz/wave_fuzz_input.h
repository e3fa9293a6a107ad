#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>

namespace tolk::fuzz {

// The wave readers work on files: each input is written to "input.wav" in a
// folder of this process below the temporary folder, which also serves as the
// scratch folder for mod.wav. The folder is removed when the process ends.
std::filesystem::path scratchFolder();
std::filesystem::path writeInput(const std::uint8_t* data, std::size_t size);

// Stops the fuzzer on a broken invariant.
inline void require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace tolk::fuzz
