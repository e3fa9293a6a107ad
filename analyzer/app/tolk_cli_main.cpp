#include <unistd.h>

#include <QGuiApplication>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "analyzer/app/tolk_cli.h"

namespace {

// The scratch folder "veltrix" below the temporary folder, where 8-bit and
// float files are converted.
std::filesystem::path scratchFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  if (error) folder = "/tmp";
  folder /= "veltrix";
  std::filesystem::create_directories(folder, error);
  return folder;
}

}  // namespace

int main(int argc, char** argv) {
  // Labels need fonts, which need a GUI application; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt falls back to this folder anyway, but warns on every start without it.
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const auto runtime =
        std::filesystem::temp_directory_path() / ("runtime-" + std::to_string(getuid()));
    std::error_code error;
    std::filesystem::create_directories(runtime, error);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all, error);
    qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(runtime.string()));
  }
  QGuiApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tolk::runTolkCli(args, scratchFolder(), std::cout, std::cerr);
}
