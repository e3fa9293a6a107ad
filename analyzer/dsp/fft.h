#pragma once

#include <span>

namespace tolk {

// In-place fast Fourier transforms of single-precision data. Sizes are powers
// of two; a size that is not throws std::invalid_argument.

// `data` holds n complex values, interleaved real and imaginary. Direction +1
// computes X(k) = sum x(j) e^(+2 pi i jk/n); -1 the same with e^(-...), which is
// the inverse without its 1/n.
void complexFft(std::span<float> data, int direction);

// `data` holds n real values (n >= 2). Direction +1 replaces them by their
// spectrum F(k) = sum x(j) e^(+2 pi i jk/n) in packed form: data[0] = F(0),
// data[1] = F(n/2) (both real), data[2k] and data[2k+1] the real and imaginary
// parts of F(k) for k = 1 ... n/2 - 1. Direction -1 takes a packed spectrum
// back to samples times n/2; callers multiply by 2/n.
void realFft(std::span<float> data, int direction);

}  // namespace tolk
