#pragma once

#include <string>
#include <string_view>

namespace qh::sim::mailbox {

// Replaces a file's contents so that a reader sees either the old file or the new one, never
// a part: the text goes to path + ".tmp" beside it, is flushed to the disk, and is renamed
// over path. The previous file stays as path + ".bak". When any step fails, path is left as
// it was and CalendarError (Write) tells which step and why.
void replaceFile(const std::string& path, std::string_view contents);

}  // namespace qh::sim::mailbox
