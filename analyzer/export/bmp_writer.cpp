#include "analyzer/export/bmp_writer.h"

#include "analyzer/export/image_file.h"

namespace tolk {

namespace {

constexpr std::size_t kHeaderBytes = 58;

void put16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  bytes[at] = std::uint8_t(value & 0xFF);
  bytes[at + 1] = std::uint8_t((value >> 8) & 0xFF);
}

void put32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  put16(bytes, at, value & 0xFFFF);
  put16(bytes, at + 2, value >> 16);
}

}  // namespace

std::vector<std::uint8_t> bmpBytes(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const auto width = std::size_t(rgb.width());
  const auto height = std::size_t(rgb.height());
  const std::size_t rowBytes = (3 * width + 3) / 4 * 4;
  std::vector<std::uint8_t> bytes(kHeaderBytes + rowBytes * height, 0);
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(bytes, 2, std::uint32_t(bytes.size()));
  put32(bytes, 10, kHeaderBytes);
  put32(bytes, 14, 40);
  put32(bytes, 18, std::uint32_t(width));
  put32(bytes, 22, std::uint32_t(height));
  put16(bytes, 26, 1);
  put16(bytes, 28, 24);
  for (std::size_t row = 0; row < height; ++row) {
    const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constScanLine(int(height - 1 - row)));
    std::uint8_t* out = bytes.data() + kHeaderBytes + row * rowBytes;
    for (std::size_t x = 0; x < width; ++x) {
      out[3 * x] = std::uint8_t(qBlue(pixels[x]));
      out[3 * x + 1] = std::uint8_t(qGreen(pixels[x]));
      out[3 * x + 2] = std::uint8_t(qRed(pixels[x]));
    }
  }
  return bytes;
}

std::optional<WaveError> writeBmp(const std::filesystem::path& file, const QImage& image) {
  return writeImageFile(file, bmpBytes(image));
}

}  // namespace tolk
