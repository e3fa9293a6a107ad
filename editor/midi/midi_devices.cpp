#include "editor/midi/midi_devices.h"

#include "editor/midi/midi_error.h"

namespace fseq {

TMidiDevices::TMidiDevices(std::string className, std::vector<std::string> names)
    : className_(std::move(className)), names_(std::move(names)) {}

const std::string& TMidiDevices::Name(int index) const {
  checkIndex(index);
  return names_[static_cast<std::size_t>(index)];
}

void TMidiDevices::checkIndex(int index) const {
  if (index < 0 || index >= Count()) {
    throw MidiError(className_ + ": Device index out of bounds! (" + std::to_string(index) + ")");
  }
}

}  // namespace fseq
