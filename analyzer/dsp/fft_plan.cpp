#include "analyzer/dsp/fft_plan.h"

#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <cstddef>
#include <mutex>
#include <numbers>

namespace tolk::fft_detail {

namespace {

// The widest vector of the kernels, in floats; passes with a smaller stride
// get per-element twiddles.
constexpr int kWidestVector = 8;

struct PassLayout {
  int stride;
  int groups;
  bool expanded;
  std::size_t offset;
  std::size_t expandedOffset;
};

// Six rows of `count` values (w1 re, w1 im, w2 re, ...); entry r holds the
// factors of group r / repeat.
void storeTwiddles(float* out, int count, int subLength, int repeat) {
  for (int r = 0; r < count; ++r) {
    const int p = r / repeat;
    for (int power = 1; power <= 3; ++power) {
      const double angle = -2.0 * std::numbers::pi * double(power * p) / double(subLength);
      out[(2 * power - 2) * count + r] = float(std::cos(angle));
      out[(2 * power - 1) * count + r] = float(std::sin(angle));
    }
  }
}

}  // namespace

FftPlan::FftPlan(int points) {
  std::vector<PassLayout> layouts;
  std::size_t floats = 0;
  int subLength = points;
  int stride = 1;
  while (subLength >= 4) {
    PassLayout layout{stride, subLength / 4, stride > 1 && stride < kWidestVector, floats, 0};
    floats += 6 * std::size_t(layout.groups);
    if (layout.expanded) {
      layout.expandedOffset = floats;
      floats += 6 * std::size_t(points / 4);
    }
    layouts.push_back(layout);
    subLength /= 4;
    stride *= 4;
  }
  const int realCount = points;
  const std::size_t realOffset = floats;
  floats += 2 * std::size_t(realCount);

  storage_.assign(floats, 0.0f);
  int passLength = points;
  for (const PassLayout& layout : layouts) {
    storeTwiddles(storage_.data() + layout.offset, layout.groups, passLength, 1);
    RadixFourPass pass{layout.stride, layout.groups, storage_.data() + layout.offset, nullptr};
    if (layout.expanded) {
      storeTwiddles(storage_.data() + layout.expandedOffset, points / 4, passLength, layout.stride);
      pass.expandedTwiddles = storage_.data() + layout.expandedOffset;
    }
    passes_.push_back(pass);
    passLength /= 4;
  }
  for (int k = 0; k < realCount; ++k) {
    const double angle = std::numbers::pi * double(k) / double(points);
    storage_[realOffset + k] = float(std::cos(angle));
    storage_[realOffset + realCount + k] = float(std::sin(angle));
  }

  view_.points = points;
  view_.passCount = int(passes_.size());
  view_.passes = passes_.data();
  view_.finalRadixTwo = subLength == 2;
  view_.realTwiddles = storage_.data() + realOffset;
}

const FftPlan& planFor(int points) {
  // Plans live until the program ends; readers after the first build take no lock.
  static std::mutex mutex;
  static std::array<std::atomic<const FftPlan*>, 31> plans{};
  std::atomic<const FftPlan*>& slot = plans[std::countr_zero(unsigned(points))];
  if (const FftPlan* plan = slot.load(std::memory_order_acquire)) return *plan;
  const std::lock_guard lock(mutex);
  if (!slot.load(std::memory_order_relaxed)) {
    slot.store(new FftPlan(points), std::memory_order_release);
  }
  return *slot.load(std::memory_order_relaxed);
}

}  // namespace tolk::fft_detail
