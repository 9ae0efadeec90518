#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The properties the fuzz targets check, also run by the test suite on the regression inputs:
// each aborts with a message when one does not hold.
namespace qh::fuzz {

// Any bytes: reading never crashes; a text that reads is written back byte for byte when
// nothing changed.
void readAndWriteBackUnchanged(const std::string& text);

// The first bytes choose a change to one entry, the rest is the calendar: when it reads, the
// changed text reads again, with the change and nothing else different.
void changeOneEntry(const std::uint8_t* data, std::size_t size);

}  // namespace qh::fuzz
