#pragma once

#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "editor/midi/clock.h"

namespace fseq {

// A stand-in for an FS1R behind an output, for tests: it keeps every message
// it receives with the time it arrived, joins the pieces of a bulk dump into
// the whole message and checks its framing and checksum, and records the
// parameter changes it is sent. Safe to feed from any thread.
class VirtualFs1r {
 public:
  struct Received {
    std::int64_t atMs;
    std::vector<std::uint8_t> bytes;
  };
  // A bulk dump as it arrived, with what is wrong with it (nothing, for a
  // good one).
  struct Dump {
    std::vector<std::uint8_t> bytes;
    int frameCount = 0;
    std::vector<std::string> problems;
  };
  // A ten-byte parameter change F0 43 1n 5E a1 a2 a3 d1 d2 F7.
  struct ParameterChange {
    int address[3];
    int value;  // d1 × 128 + d2
    std::vector<std::uint8_t> bytes;
  };

  explicit VirtualFs1r(const Clock& clock) : clock_(clock) {}

  void receive(std::span<const std::uint8_t> bytes);

  std::vector<Received> received() const;
  std::vector<Dump> dumps() const;
  std::vector<ParameterChange> parameterChanges() const;
  // Messages that were neither part of a dump nor a parameter change.
  std::vector<std::vector<std::uint8_t>> otherMessages() const;

 private:
  void finishDump();

  const Clock& clock_;
  mutable std::mutex mutex_;
  std::vector<Received> received_;
  std::vector<std::uint8_t> collecting_;
  bool inDump_ = false;
  std::vector<Dump> dumps_;
  std::vector<ParameterChange> changes_;
  std::vector<std::vector<std::uint8_t>> others_;
};

}  // namespace fseq
