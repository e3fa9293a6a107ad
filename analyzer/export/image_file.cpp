#include "analyzer/export/image_file.h"

#include <string_view>

#include "analyzer/logs/text_file_writer.h"

namespace tolk {

std::optional<WaveError> writeImageFile(const std::filesystem::path& file,
                                        const std::vector<std::uint8_t>& bytes) {
  auto writer = TextFileWriter::create(file);
  if (!writer.ok()) return writer.error();
  writer.value().write(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return writer.value().finish();
}

}  // namespace tolk
