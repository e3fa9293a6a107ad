#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "analyzer/app/cli_errors.h"
#include "analyzer/display/color_scale.h"
#include "analyzer/display/window_geometry.h"
#include "analyzer/dsp/file_analysis.h"
#include "analyzer/export/image_export.h"

namespace tolk {

struct SliceRequest {
  double endMs = 0;  // counted from the start of the analysed segment
  std::filesystem::path file;
};

// Everything "tolk-cli analyze" was asked for.
struct AnalyzeOptions {
  FileAnalysisRequest request;
  int windowWidth = 800;
  int windowHeight = 600;
  PaletteChoice palette = PaletteChoice::CB;
  bool timeOriginZero = false;
  std::optional<std::filesystem::path> image;
  ImageExportSettings imageSettings;
  std::optional<std::filesystem::path> mapLog;
  std::vector<SliceRequest> sliceLogs;
};

// Parses the file name and options after "analyze"; throws UsageError.
AnalyzeOptions parseAnalyzeOptions(const std::vector<std::string>& args);

}  // namespace tolk
