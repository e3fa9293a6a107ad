// Times our realFft against FFTW's real-to-complex transform at the analysis
// sizes 512 ... 16384, in the same run, and prints the ratios.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>
#include <vector>

#include "analyzer/dsp/fft.h"
#include "bench/fftw_real_transform.h"
#include "bench/ratio_reporter.h"

namespace {

std::vector<float> benchSignal(int size) {
  std::vector<float> signal(size);
  for (int i = 0; i < size; ++i) signal[i] = float((i * 7919) % 2001) / 1000.0f - 1.0f;
  return signal;
}

// Ours works in place, so every iteration first copies the input back; the
// copy is counted against us.
void ourRealFft(benchmark::State& state) {
  const int size = int(state.range(0));
  const std::vector<float> signal = benchSignal(size);
  std::vector<float> data(size);
  for (auto _ : state) {
    std::memcpy(data.data(), signal.data(), size * sizeof(float));
    tolk::realFft(data, +1);
    benchmark::DoNotOptimize(data.data());
    benchmark::ClobberMemory();
  }
}

void fftwRealFft(benchmark::State& state) {
  const int size = int(state.range(0));
  tolk::bench::FftwRealTransform fftw(size);
  const std::vector<float> signal = benchSignal(size);
  std::memcpy(fftw.input(), signal.data(), size * sizeof(float));
  for (auto _ : state) {
    fftw.execute();
    benchmark::ClobberMemory();
  }
}

constexpr int kSizes[] = {512, 1024, 2048, 4096, 8192, 16384};

}  // namespace

int main(int argc, char** argv) {
  for (const int size : kSizes) {
    benchmark::RegisterBenchmark("realFft/ours", ourRealFft)->Arg(size)->Repetitions(7);
    benchmark::RegisterBenchmark("realFft/fftw", fftwRealFft)->Arg(size)->Repetitions(7);
  }
  benchmark::Initialize(&argc, argv);
  tolk::bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  std::printf("\nrealFft time / FFTW time (median of the repetitions):\n");
  bool allOk = true;
  for (const int size : kSizes) {
    const std::string n = std::to_string(size);
    const double limit = size == 512 ? 4.0 : 3.0;
    allOk &= tolk::bench::printRatio(
        "N = " + n, reporter.ratio("realFft/ours/" + n, "realFft/fftw/" + n), limit);
  }
  return allOk ? 0 : 1;
}
