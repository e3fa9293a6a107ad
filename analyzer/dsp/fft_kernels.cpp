#include "analyzer/dsp/fft_kernels.h"

#include <cstring>
#include <utility>

// The vector kernels pass 32-byte vectors between helpers that are always
// inlined into functions compiled for AVX2; GCC still warns that such helpers
// would have another calling convention without AVX, which never applies here.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace tolk::fft_detail {

namespace {

// The transform works on split arrays (real parts, imaginary parts) and uses
// the Stockham self-sorting order: each pass reads one array pair and writes
// the other, so no bit-reversal pass is needed. Passes are radix 4 with one
// radix-2 pass at the end when log2(points) is odd. The core computes
// sum x_j e^(-2 pi i jk/n); the opposite sign comes from exchanging the real
// and imaginary arrays on the way in and out.
//
// Every kernel is a template over the value type: float for the portable
// build, an 8-float vector for AVX2. The helpers are always inlined, so they
// take the instruction set of the entry point that uses them.

typedef float V8 __attribute__((vector_size(32)));

#define TOLK_FFT_INLINE [[gnu::always_inline]] inline

template <class V>
constexpr int kLanes = int(sizeof(V) / sizeof(float));

template <class V>
TOLK_FFT_INLINE V load(const float* p) {
  V v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

template <class V>
TOLK_FFT_INLINE void store(float* p, V v) {
  std::memcpy(p, &v, sizeof v);
}

template <class V>
TOLK_FFT_INLINE V broadcast(float x) {
  if constexpr (kLanes<V> == 1) {
    return x;
  } else {
    return V{} + x;
  }
}

TOLK_FFT_INLINE V8 zipLow(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 0, 8, 1, 9, 2, 10, 3, 11);
}
TOLK_FFT_INLINE V8 zipHigh(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 4, 12, 5, 13, 6, 14, 7, 15);
}
TOLK_FFT_INLINE V8 lowHalves(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 0, 1, 2, 3, 8, 9, 10, 11);
}
TOLK_FFT_INLINE V8 highHalves(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 4, 5, 6, 7, 12, 13, 14, 15);
}
TOLK_FFT_INLINE V8 evens(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14);
}
TOLK_FFT_INLINE V8 odds(V8 a, V8 b) {
  return __builtin_shufflevector(a, b, 1, 3, 5, 7, 9, 11, 13, 15);
}
TOLK_FFT_INLINE V8 reversed(V8 a) {
  return __builtin_shufflevector(a, a, 7, 6, 5, 4, 3, 2, 1, 0);
}

struct Split {
  float* re;
  float* im;
};

template <class V>
struct FourOutputs {
  V re[4];
  V im[4];
};

// One radix-4 butterfly on the elements i, i + quarter, i + 2 quarter and
// i + 3 quarter, its outputs 1 to 3 multiplied by the twiddles w (w1 re, w1 im,
// w2 re, w2 im, w3 re, w3 im).
template <class V>
TOLK_FFT_INLINE FourOutputs<V> butterfly(const float* xr, const float* xi, int i, int quarter,
                                         const V (&w)[6]) {
  const V ar = load<V>(xr + i), ai = load<V>(xi + i);
  const V br = load<V>(xr + i + quarter), bi = load<V>(xi + i + quarter);
  const V cr = load<V>(xr + i + 2 * quarter), ci = load<V>(xi + i + 2 * quarter);
  const V dr = load<V>(xr + i + 3 * quarter), di = load<V>(xi + i + 3 * quarter);
  const V sumACr = ar + cr, sumACi = ai + ci, diffACr = ar - cr, diffACi = ai - ci;
  const V sumBDr = br + dr, sumBDi = bi + di, diffBDr = br - dr, diffBDi = bi - di;
  const V t1r = diffACr + diffBDi, t1i = diffACi - diffBDr;
  const V t2r = sumACr - sumBDr, t2i = sumACi - sumBDi;
  const V t3r = diffACr - diffBDi, t3i = diffACi + diffBDr;
  FourOutputs<V> out;
  out.re[0] = sumACr + sumBDr;
  out.im[0] = sumACi + sumBDi;
  out.re[1] = t1r * w[0] - t1i * w[1];
  out.im[1] = t1r * w[1] + t1i * w[0];
  out.re[2] = t2r * w[2] - t2i * w[3];
  out.im[2] = t2r * w[3] + t2i * w[2];
  out.re[3] = t3r * w[4] - t3i * w[5];
  out.im[3] = t3r * w[5] + t3i * w[4];
  return out;
}

// A pass whose stride holds whole vectors: the twiddles of a group are
// broadcast and the elements of the group are consecutive.
template <class V>
TOLK_FFT_INLINE void widePass(const RadixFourPass& pass, int points, Split x, Split y) {
  const int stride = pass.stride;
  const int quarter = points / 4;
  for (int p = 0; p < pass.groups; ++p) {
    V w[6];
    for (int j = 0; j < 6; ++j) w[j] = broadcast<V>(pass.twiddles[j * pass.groups + p]);
    const int out = 4 * stride * p;
    for (int q = 0; q < stride; q += kLanes<V>) {
      const FourOutputs<V> r = butterfly<V>(x.re, x.im, stride * p + q, quarter, w);
      for (int k = 0; k < 4; ++k) {
        store<V>(y.re + out + k * stride + q, r.re[k]);
        store<V>(y.im + out + k * stride + q, r.im[k]);
      }
    }
  }
}

// Stride 1: each lane is its own group; output k of group p goes to 4p + k.
TOLK_FFT_INLINE void storeFourInterleaved(float* out, const V8 (&o)[4]) {
  const V8 a0 = zipLow(o[0], o[2]), a1 = zipHigh(o[0], o[2]);
  const V8 b0 = zipLow(o[1], o[3]), b1 = zipHigh(o[1], o[3]);
  store<V8>(out, zipLow(a0, b0));
  store<V8>(out + 8, zipHigh(a0, b0));
  store<V8>(out + 16, zipLow(a1, b1));
  store<V8>(out + 24, zipHigh(a1, b1));
}

TOLK_FFT_INLINE void strideOnePass(const RadixFourPass& pass, int points, Split x, Split y) {
  const int quarter = points / 4;
  for (int r = 0; r < quarter; r += 8) {
    V8 w[6];
    for (int j = 0; j < 6; ++j) w[j] = load<V8>(pass.twiddles + j * quarter + r);
    const FourOutputs<V8> o = butterfly<V8>(x.re, x.im, r, quarter, w);
    storeFourInterleaved(y.re + 4 * r, o.re);
    storeFourInterleaved(y.im + 4 * r, o.im);
  }
}

// Stride 4: a vector holds two groups of four; output k of the group starting
// at lane 0 goes to 4r + 4k, that of the second group to 4r + 16 + 4k.
TOLK_FFT_INLINE void storeTwoGroups(float* out, const V8 (&o)[4]) {
  store<V8>(out, lowHalves(o[0], o[1]));
  store<V8>(out + 8, lowHalves(o[2], o[3]));
  store<V8>(out + 16, highHalves(o[0], o[1]));
  store<V8>(out + 24, highHalves(o[2], o[3]));
}

TOLK_FFT_INLINE void strideFourPass(const RadixFourPass& pass, int points, Split x, Split y) {
  const int quarter = points / 4;
  for (int r = 0; r < quarter; r += 8) {
    V8 w[6];
    for (int j = 0; j < 6; ++j) w[j] = load<V8>(pass.expandedTwiddles + j * quarter + r);
    const FourOutputs<V8> o = butterfly<V8>(x.re, x.im, r, quarter, w);
    storeTwoGroups(y.re + 4 * r, o.re);
    storeTwoGroups(y.im + 4 * r, o.im);
  }
}

template <class V>
TOLK_FFT_INLINE void radixTwoPass(int points, Split x, Split y) {
  const int half = points / 2;
  for (int q = 0; q < half; q += kLanes<V>) {
    const V ar = load<V>(x.re + q), ai = load<V>(x.im + q);
    const V br = load<V>(x.re + q + half), bi = load<V>(x.im + q + half);
    store<V>(y.re + q, ar + br);
    store<V>(y.im + q, ai + bi);
    store<V>(y.re + q + half, ar - br);
    store<V>(y.im + q + half, ai - bi);
  }
}

// Transforms the split data in `a`, using `b` as the other array pair; returns
// the pair that holds the result.
template <class V>
TOLK_FFT_INLINE Split transform(const PlanView& plan, Split a, Split b) {
  for (int i = 0; i < plan.passCount; ++i) {
    const RadixFourPass& pass = plan.passes[i];
    if constexpr (kLanes < V >> 1) {
      if (pass.stride == 1) {
        strideOnePass(pass, plan.points, a, b);
      } else if (pass.stride < kLanes<V>) {
        strideFourPass(pass, plan.points, a, b);
      } else {
        widePass<V>(pass, plan.points, a, b);
      }
    } else {
      widePass<V>(pass, plan.points, a, b);
    }
    std::swap(a, b);
  }
  if (plan.finalRadixTwo) {
    radixTwoPass<V>(plan.points, a, b);
    std::swap(a, b);
  }
  return a;
}

// first[j] = data[2j], second[j] = data[2j + 1] for j < count.
template <class V>
TOLK_FFT_INLINE void deinterleave(const float* data, int count, float* first, float* second) {
  for (int j = 0; j < count; j += kLanes<V>) {
    if constexpr (kLanes<V> == 1) {
      first[j] = data[2 * j];
      second[j] = data[2 * j + 1];
    } else {
      const V8 a = load<V8>(data + 2 * j), b = load<V8>(data + 2 * j + 8);
      store<V8>(first + j, evens(a, b));
      store<V8>(second + j, odds(a, b));
    }
  }
}

template <class V>
TOLK_FFT_INLINE void storeInterleaved(float* data, V first, V second) {
  if constexpr (kLanes<V> == 1) {
    data[0] = first;
    data[1] = second;
  } else {
    store<V8>(data, zipLow(first, second));
    store<V8>(data + 8, zipHigh(first, second));
  }
}

template <class V>
TOLK_FFT_INLINE void interleave(const float* first, const float* second, int count, float* data) {
  for (int j = 0; j < count; j += kLanes<V>) {
    storeInterleaved<V>(data + 2 * j, load<V>(first + j), load<V>(second + j));
  }
}

template <class V>
TOLK_FFT_INLINE void complexTransform(const PlanView& plan, float* data, int direction,
                                      float* scratch) {
  const int n = plan.points;
  const Split a{scratch, scratch + n}, b{scratch + 2 * n, scratch + 3 * n};
  if (direction > 0) {
    deinterleave<V>(data, n, a.im, a.re);
    const Split r = transform<V>(plan, a, b);
    interleave<V>(r.im, r.re, n, data);
  } else {
    deinterleave<V>(data, n, a.re, a.im);
    const Split r = transform<V>(plan, a, b);
    interleave<V>(r.re, r.im, n, data);
  }
}

// Spectrum bins k and h - k of 2h real samples from bins k and h - k of the
// complex transform Z of the samples taken in pairs (even + i odd):
// F(k) = E + e^(i pi k/h) O with E = (Z(k) + conj Z(h-k)) / 2 and
// O = (Z(k) - conj Z(h-k)) / 2i; F(h - k) is its mirror.
template <class V>
struct BinPair {
  V re, im, mirrorRe, mirrorIm;
};

template <class V>
TOLK_FFT_INLINE BinPair<V> separate(V zr, V zi, V mr, V mi, V cosine, V sine) {
  const V half = broadcast<V>(0.5f);
  const V evenR = half * (zr + mr), evenI = half * (zi - mi);
  const V oddR = half * (zi + mi), oddI = half * (mr - zr);
  const V turnedR = cosine * oddR - sine * oddI;
  const V turnedI = cosine * oddI + sine * oddR;
  return {evenR + turnedR, evenI + turnedI, evenR - turnedR, turnedI - evenI};
}

template <class V>
TOLK_FFT_INLINE void realForward(const PlanView& plan, float* data, float* scratch) {
  const int h = plan.points;
  const Split a{scratch, scratch + h}, b{scratch + 2 * h, scratch + 3 * h};
  deinterleave<V>(data, h, a.im, a.re);
  const Split r = transform<V>(plan, a, b);
  const float* zr = r.im;
  const float* zi = r.re;
  const float* cosines = plan.realTwiddles;
  const float* sines = plan.realTwiddles + h;

  data[0] = zr[0] + zi[0];
  data[1] = zr[0] - zi[0];
  if (h < 2) return;
  data[h] = zr[h / 2];
  data[h + 1] = zi[h / 2];
  int k = 1;
  if constexpr (kLanes < V >> 1) {
    for (; k + kLanes<V> <= h / 2; k += kLanes<V>) {
      const int mirror = h - k - kLanes<V> + 1;
      const BinPair<V8> f =
          separate<V8>(load<V8>(zr + k), load<V8>(zi + k), reversed(load<V8>(zr + mirror)),
                       reversed(load<V8>(zi + mirror)), load<V8>(cosines + k), load<V8>(sines + k));
      storeInterleaved<V8>(data + 2 * k, f.re, f.im);
      storeInterleaved<V8>(data + 2 * mirror, reversed(f.mirrorRe), reversed(f.mirrorIm));
    }
  }
  for (; k < h / 2; ++k) {
    const BinPair<float> f =
        separate<float>(zr[k], zi[k], zr[h - k], zi[h - k], cosines[k], sines[k]);
    data[2 * k] = f.re;
    data[2 * k + 1] = f.im;
    data[2 * (h - k)] = f.mirrorRe;
    data[2 * (h - k) + 1] = f.mirrorIm;
  }
}

// The inverse of realForward without its 1/h: rebuilds Z(k) = E + i O from the
// packed spectrum, transforms it back and stores the pairs as samples.
template <class V>
TOLK_FFT_INLINE void realInverse(const PlanView& plan, float* data, float* scratch) {
  const int h = plan.points;
  const Split a{scratch, scratch + h}, b{scratch + 2 * h, scratch + 3 * h};
  const float* cosines = plan.realTwiddles;
  const float* sines = plan.realTwiddles + h;
  a.re[0] = 0.5f * (data[0] + data[1]);
  a.im[0] = 0.5f * (data[0] - data[1]);
  for (int k = 1; k < h; ++k) {
    const float fr = data[2 * k], fi = data[2 * k + 1];
    const float mr = data[2 * (h - k)], mi = data[2 * (h - k) + 1];
    const float evenR = 0.5f * (fr + mr), evenI = 0.5f * (fi - mi);
    const float diffR = 0.5f * (fr - mr), diffI = 0.5f * (fi + mi);
    const float oddR = cosines[k] * diffR + sines[k] * diffI;
    const float oddI = cosines[k] * diffI - sines[k] * diffR;
    a.re[k] = evenR - oddI;
    a.im[k] = evenI + oddR;
  }
  const Split r = transform<V>(plan, a, b);
  interleave<V>(r.re, r.im, h, data);
}

void complexPortable(const PlanView& plan, float* data, int direction, float* scratch) {
  complexTransform<float>(plan, data, direction, scratch);
}
void realForwardPortable(const PlanView& plan, float* data, float* scratch) {
  realForward<float>(plan, data, scratch);
}
void realInversePortable(const PlanView& plan, float* data, float* scratch) {
  realInverse<float>(plan, data, scratch);
}

[[gnu::target("avx2,fma")]] void complexAvx2(const PlanView& plan, float* data, int direction,
                                             float* scratch) {
  complexTransform<V8>(plan, data, direction, scratch);
}
[[gnu::target("avx2,fma")]] void realForwardAvx2(const PlanView& plan, float* data,
                                                 float* scratch) {
  realForward<V8>(plan, data, scratch);
}
[[gnu::target("avx2,fma")]] void realInverseAvx2(const PlanView& plan, float* data,
                                                 float* scratch) {
  realInverse<V8>(plan, data, scratch);
}

}  // namespace

const FftKernels& portableKernels() {
  static const FftKernels kernels{complexPortable, realForwardPortable, realInversePortable};
  return kernels;
}

const FftKernels& avx2Kernels() {
  static const FftKernels kernels{complexAvx2, realForwardAvx2, realInverseAvx2};
  return kernels;
}

const FftKernels& bestKernels() {
  static const FftKernels* const best = [] {
    __builtin_cpu_init();
    const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    return avx2 ? &avx2Kernels() : &portableKernels();
  }();
  return *best;
}

}  // namespace tolk::fft_detail
