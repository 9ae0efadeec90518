#pragma once

#include <filesystem>
#include <stdexcept>

#include "hosts/sim/excel/template/TemplateBook.h"

namespace qh::sim::xls {

// Why a template could not be loaded; Excel words each case differently.
class TemplateFileError : public std::runtime_error {
 public:
  enum class Reason { Missing, Inaccessible, BadFormat };
  TemplateFileError(Reason reason, const std::string& detail)
      : std::runtime_error(detail), reason_(reason) {}
  Reason reason() const { return reason_; }

 private:
  Reason reason_;
};

// Reads an Excel 97-2003 workbook or template file (.xls, .xlt) from disk.
TemplateBook loadTemplateFile(const std::filesystem::path& path);

}  // namespace qh::sim::xls
