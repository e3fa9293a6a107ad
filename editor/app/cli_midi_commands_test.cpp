#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "editor/app/cli_test_support.h"
#include "test_support/temp_dir.h"

namespace fseq {
namespace {

using test_support::TempDir;
using ::testing::HasSubstr;

TEST(FseqCliMidi, WrongUsageOfPortsAndUpload) {
  const std::vector<std::vector<std::string>> wrong = {
      {"ports", "extra"},
      {"upload"},
      {"upload", "seq.syx"},
      {"upload", "--out", "0"},
      {"upload", "seq.syx", "--out"},
      {"upload", "seq.syx", "--out", "0", "--pause-ms", "soon"},
      {"upload", "seq.syx", "--out", "0", "--pause-ms", "-5"},
      {"upload", "a.syx", "b.syx", "--out", "0"},
      {"upload", "seq.syx", "--out", "0", "--fast"},
  };
  for (const auto& args : wrong) {
    const CliResult result = runCli(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_THAT(result.err, HasSubstr("Try 'fseq-cli --help'."));
  }
  EXPECT_THAT(runCli({"--help"}).out, HasSubstr("upload FILE --out INDEX|NAME [--pause-ms MS]"));
}

TEST(FseqCliMidi, AFileThatCannotBeReadStopsTheUploadBeforeAnyDevice) {
  TempDir dir;
  const std::string missing = (dir / "missing.syx").string();
  const CliResult result = runCli({"upload", missing, "--out", "0"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "fseq-cli: " + missing + ": No such file or directory\n");
  EXPECT_TRUE(result.out.empty());
}

TEST(FseqCliMidi, AMidiSystemThatCannotBeUsedIsNamed) {
  ::setenv("JACK_DEFAULT_SERVER", "fseq_no_such_server", 1);
  const struct {
    const char* api;
    const char* message;
  } cases[] = {
      {"jack", "fseq-cli: no JACK server is running\n"},
      {"winmm", "fseq-cli: FSEQ_MIDI_API must be \"alsa\" or \"jack\", not \"winmm\"\n"},
  };
  for (const auto& c : cases) {
    ::setenv("FSEQ_MIDI_API", c.api, 1);
    const CliResult result = runCli({"ports"});
    EXPECT_EQ(result.status, 1) << c.api;
    EXPECT_EQ(result.err, c.message);
  }
  ::unsetenv("FSEQ_MIDI_API");
  ::unsetenv("JACK_DEFAULT_SERVER");
}

}  // namespace
}  // namespace fseq
