// Times the whole column pipeline (N = 4096, 48000 Hz mono, 400 Linear rows)
// with our realFft and with FFTW's transform in its place, in the same run,
// and prints the throughput ratio.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "analyzer/dsp/column_pipeline.h"
#include "bench/fftw_real_transform.h"
#include "bench/ratio_reporter.h"

namespace {

constexpr int kFft = 4096;
constexpr int kRate = 48000;
constexpr int kColumns = 64;

tolk::ColumnSettings benchSettings() {
  tolk::ColumnSettings settings;
  settings.fftSize = kFft;
  settings.sampleRateHz = kRate;
  settings.windowMs = float(1000.0 / (2.0 * kRate / kFft));  // two bin widths
  settings.resolutionTenths = 20;
  settings.msPerColumn = 10;
  settings.averagingTimeMs = 100;
  settings.rows = {tolk::FrequencyScale::Linear, 400, 0, 6000};
  return settings;
}

// A second of speech-like sound: a few harmonics and noise, 16-bit mono.
std::vector<std::uint8_t> benchSound() {
  const int frames = kFft + kColumns * 480;
  std::vector<std::uint8_t> bytes;
  std::uint32_t noise = 12345;
  for (int i = 0; i < frames; ++i) {
    noise = noise * 1664525u + 1013904223u;
    double v = double(int(noise >> 20) - 2048);
    for (int h = 1; h <= 8; ++h) v += 2000.0 / h * std::sin(2 * M_PI * 150 * h * i / kRate);
    const auto s = std::int16_t(v);
    bytes.push_back(std::uint8_t(s & 0xFF));
    bytes.push_back(std::uint8_t((s >> 8) & 0xFF));
  }
  return bytes;
}

void runColumns(benchmark::State& state, tolk::ColumnPipeline& pipeline) {
  const std::vector<std::uint8_t> sound = benchSound();
  int column = 0;
  for (auto _ : state) {
    const std::uint8_t* frames = sound.data() + std::size_t(column) * 480 * 2;
    benchmark::DoNotOptimize(pipeline.process({frames, tolk::SampleFormat::Pcm16, 0.0}).data());
    column = (column + 1) % kColumns;
  }
}

void pipelineOurs(benchmark::State& state) {
  auto pipeline = tolk::ColumnPipeline::create(benchSettings());
  runColumns(state, *pipeline);
}

void pipelineFftw(benchmark::State& state) {
  tolk::bench::FftwRealTransform fftw(kFft);
  auto pipeline = tolk::ColumnPipeline::create(
      benchSettings(), [&fftw](std::span<float> data) { fftw.forwardPacked(data); });
  runColumns(state, *pipeline);
}

// Both pipelines must show the same levels, or the comparison means nothing.
int largestLevelDifference() {
  tolk::bench::FftwRealTransform fftw(kFft);
  auto ours = tolk::ColumnPipeline::create(benchSettings());
  auto theirs = tolk::ColumnPipeline::create(
      benchSettings(), [&fftw](std::span<float> data) { fftw.forwardPacked(data); });
  const std::vector<std::uint8_t> sound = benchSound();
  int largest = 0;
  for (int column = 0; column < kColumns; ++column) {
    const tolk::ColumnInput input{sound.data() + std::size_t(column) * 480 * 2,
                                  tolk::SampleFormat::Pcm16, 0.0};
    const auto a = ours->process(input)[0].rowLevels;
    const auto& b = theirs->process(input)[0].rowLevels;
    for (std::size_t m = 0; m < a.size(); ++m) largest = std::max(largest, std::abs(a[m] - b[m]));
  }
  return largest;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("pipeline/ours", pipelineOurs)->Repetitions(7);
  benchmark::RegisterBenchmark("pipeline/fftw", pipelineFftw)->Repetitions(7);
  benchmark::Initialize(&argc, argv);
  tolk::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  // Throughput is the inverse of the time per column.
  const double timeRatio = reporter.ratio("pipeline/fftw", "pipeline/ours");
  std::printf("\ncolumn pipeline throughput, ours / with FFTW (median of the repetitions):\n");
  const int difference = largestLevelDifference();
  std::printf("largest row level difference between the two: %d quarter-dB\n", difference);
  const bool ok = timeRatio >= 0.6 && difference <= 1;
  std::printf("%-44s %6.2f  (at least 0.60) %s\n", "N = 4096, 48000 Hz mono, 400 Linear rows",
              timeRatio, ok ? "ok" : "BELOW TARGET");
  return ok ? 0 : 1;
}
