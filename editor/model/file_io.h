#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace fseq {

// Reads a whole file; throws FileError with the system's reason when it cannot
// be read or is larger than maxBytes.
std::vector<std::uint8_t> readWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// Writes a file through a temporary file in the same folder that is renamed
// over the target, so a failed write leaves the previous file as it was.
// Throws FileError with the system's reason.
void writeFileAtomically(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace fseq
