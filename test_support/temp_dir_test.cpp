#include "test_support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "test_support/files.h"

namespace test_support {
namespace {

TEST(TempDir, IsCreatedEmptyAndRemovedWithItsContents) {
  std::filesystem::path kept;
  {
    TempDir dir;
    kept = dir.path();
    ASSERT_TRUE(std::filesystem::is_directory(kept));
    EXPECT_TRUE(std::filesystem::is_empty(kept));
    writeBytes(dir / "a.bin", {0xF0, 0xF7});
    EXPECT_EQ(readBytes(dir / "a.bin"), (std::vector<std::uint8_t>{0xF0, 0xF7}));
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
}  // namespace test_support
