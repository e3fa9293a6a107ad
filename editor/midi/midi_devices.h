#pragma once

#include <string>
#include <vector>

namespace fseq {

// The numbered devices of one direction, listed once when the object is made
// (devices plugged in later are not seen). Index 0 … Count() − 1 in the
// system's order; an index outside that raises MidiError "<class>: Device index
// out of bounds! (<index>)".
class TMidiDevices {
 public:
  virtual ~TMidiDevices() = default;
  TMidiDevices(const TMidiDevices&) = delete;
  TMidiDevices& operator=(const TMidiDevices&) = delete;

  int Count() const { return static_cast<int>(names_.size()); }
  const std::string& Name(int index) const;
  const std::vector<std::string>& Names() const { return names_; }
  virtual bool IsOpen(int index) const = 0;

  // Opening an open device and closing a closed one do nothing.
  virtual void Open(int index) = 0;
  virtual void Close(int index) = 0;

 protected:
  TMidiDevices(std::string className, std::vector<std::string> names);
  void checkIndex(int index) const;

 private:
  std::string className_;
  std::vector<std::string> names_;
};

}  // namespace fseq
