#include "hosts/sim/excel/template/TemplateFile.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "hosts/sim/excel/template/BiffWorkbookReader.h"
#include "hosts/sim/excel/template/CompoundFile.h"

namespace qh::sim::xls {

TemplateBook loadTemplateFile(const std::filesystem::path& path) {
  using Reason = TemplateFileError::Reason;
  std::error_code ec;
  if (!std::filesystem::exists(path, ec))
    throw TemplateFileError(Reason::Missing, "no such file: " + path.string());
  if (!std::filesystem::is_regular_file(path, ec))
    throw TemplateFileError(Reason::Inaccessible, "not a file: " + path.string());
  std::ifstream in(path, std::ios::binary);
  if (!in) throw TemplateFileError(Reason::Inaccessible, "cannot open: " + path.string());
  std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                  std::istreambuf_iterator<char>()};
  try {
    const CompoundFile file(std::move(bytes));
    const auto workbook = file.stream("Workbook");
    if (!workbook) throw FormatError("no Workbook stream (not an Excel 97-2003 file)");
    return BiffWorkbookReader(*workbook).read();
  } catch (const FormatError& e) {
    throw TemplateFileError(Reason::BadFormat, e.what());
  }
}

}  // namespace qh::sim::xls
