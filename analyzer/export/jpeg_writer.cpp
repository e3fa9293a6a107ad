#include "analyzer/export/jpeg_writer.h"

// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <csetjmp>

#include "analyzer/dsp/rounding.h"
#include "analyzer/export/image_file.h"

namespace tolk {

namespace {

constexpr std::size_t kWorkingBufferBytes = 4096;

// The destination manager: each full working buffer is appended to the
// stream, the remainder when compression ends.
struct MemoryDestination {
  jpeg_destination_mgr manager{};
  std::vector<std::uint8_t>* stream = nullptr;
  JOCTET buffer[kWorkingBufferBytes];
};

void initDestination(j_compress_ptr info) {
  auto* dest = reinterpret_cast<MemoryDestination*>(info->dest);
  dest->manager.next_output_byte = dest->buffer;
  dest->manager.free_in_buffer = kWorkingBufferBytes;
}

boolean emptyOutputBuffer(j_compress_ptr info) {
  auto* dest = reinterpret_cast<MemoryDestination*>(info->dest);
  dest->stream->insert(dest->stream->end(), dest->buffer, dest->buffer + kWorkingBufferBytes);
  dest->manager.next_output_byte = dest->buffer;
  dest->manager.free_in_buffer = kWorkingBufferBytes;
  return TRUE;
}

void termDestination(j_compress_ptr info) {
  auto* dest = reinterpret_cast<MemoryDestination*>(info->dest);
  const std::size_t used = kWorkingBufferBytes - dest->manager.free_in_buffer;
  dest->stream->insert(dest->stream->end(), dest->buffer, dest->buffer + used);
}

struct ErrorManager {
  jpeg_error_mgr manager{};
  std::jmp_buf jump;
};

[[noreturn]] void errorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

}  // namespace

int JpegDensity::dotsPerInch() const {
  switch (unit) {
    case Unit::Pixels:
      return 0;
    case Unit::Inches:
      return dpi;
    case Unit::Centimeters:
      return roundToInt(dpcm * 2.54);
  }
  return 0;
}

std::optional<std::vector<std::uint8_t>> jpegBytes(const QImage& image, int quality,
                                                   const JpegDensity& density) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  std::vector<std::uint8_t> stream;
  stream.reserve(std::size_t(rgb.width()) * rgb.height() * 3 / 8);
  MemoryDestination dest;
  dest.stream = &stream;
  dest.manager.init_destination = initDestination;
  dest.manager.empty_output_buffer = emptyOutputBuffer;
  dest.manager.term_destination = termDestination;

  jpeg_compress_struct info{};
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = errorExit;
  if (setjmp(errors.jump)) {
    jpeg_destroy_compress(&info);
    return std::nullopt;
  }
  jpeg_create_compress(&info);
  info.dest = &dest.manager;
  info.image_width = JDIMENSION(rgb.width());
  info.image_height = JDIMENSION(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (density.unit != JpegDensity::Unit::Pixels) {
    info.density_unit = 1;
    info.X_density = UINT16(density.dotsPerInch());
    info.Y_density = UINT16(density.dotsPerInch());
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPLE*>(rgb.constScanLine(int(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return stream;
}

std::optional<WaveError> writeJpeg(const std::filesystem::path& file, const QImage& image,
                                   int quality, const JpegDensity& density) {
  const auto stream = jpegBytes(image, quality, density);
  if (!stream) return WaveError{"Not Enough Memory", "KARN"};
  return writeImageFile(file, *stream);
}

}  // namespace tolk
