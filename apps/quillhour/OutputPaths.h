#pragma once

#include "apps/quillhour/Invocation.h"

namespace qh::app {

// Refuses, before anything runs, outputs that would overwrite an input or cannot be written:
// a workbook (-o) that is the calendar, its backup, the script or the template, or that lies
// in no writable folder; an output folder (--out) that is a file. Raises InputError.
void checkOutputs(const Invocation& invocation);

}  // namespace qh::app
