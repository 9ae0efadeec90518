#include "hosts/sim/excel/Workbooks.h"

#include <algorithm>

#include "hosts/sim/excel/Chart.h"
#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelErrors.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/sim/excel/Workbook.h"
#include "hosts/sim/excel/template/TemplateFile.h"

namespace qh::sim {
namespace {

constexpr int kTemplateWorksheet = -4167;  // xlWBATWorksheet
constexpr int kTemplateChart = -4109;      // xlWBATChart

// The add-in joins paths with "\", as on Windows; the file system here wants "/".
std::filesystem::path localPath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return std::filesystem::path(path);
}

std::string fileName(const std::string& path) {
  const std::size_t cut = path.find_last_of("\\/");
  return cut == std::string::npos ? path : path.substr(cut + 1);
}

Error templateError(const xls::TemplateFileError& e, const std::string& path) {
  using Reason = xls::TemplateFileError::Reason;
  switch (e.reason()) {
    case Reason::Missing:
      return excelError("Sorry, we couldn't find " + path +
                        ". Is it possible it was moved, renamed or deleted?");
    case Reason::Inaccessible:
      return excelError("Microsoft Excel cannot access the file '" + path +
                        "'. There are several possible reasons:\n\n"
                        "\xE2\x80\xA2 The file name or path does not exist.\n"
                        "\xE2\x80\xA2 The file is being used by another program.\n"
                        "\xE2\x80\xA2 The workbook you are trying to save has the same name as a "
                        "currently open workbook.");
    case Reason::BadFormat:
      break;
  }
  return excelError("Excel cannot open the file '" + fileName(path) +
                    "' because the file format or file extension is not valid. Verify that the "
                    "file has not been corrupted and that the file extension matches the format "
                    "of the file.");
}

}  // namespace

Workbooks::~Workbooks() {
  detach();
}

void Workbooks::detach() {
  application_ = nullptr;
  for (auto& book : list_) book->detach();
}

const DispatchTable<Workbooks>& Workbooks::table() {
  static const DispatchTable<Workbooks> t = [] {
    DispatchTable<Workbooks> d;
    d.method("Add",
             [](Workbooks& w, Args& a) -> Variant { return Ref<Object>(w.add(argAt(a, 0))); });
    d.get("Count", [](Workbooks& w, Args&) -> Variant { return static_cast<int>(w.list_.size()); });
    d.get("Item", [](Workbooks& w, Args& a) { return w.item(a); });
    d.get("", [](Workbooks& w, Args& a) { return w.item(a); });
    return d;
  }();
  return t;
}

Variant Workbooks::item(Args& args) {
  const Variant& key = requiredArg(args, 0);
  if (key.isString() && !key.isNumeric()) {
    for (const auto& book : list_)
      if (memberNameEquals(book->name(), key.asString())) return Ref<Object>(book);
    throw subscriptOutOfRange();
  }
  const int index = key.toInt32();
  if (index < 1 || index > static_cast<int>(list_.size())) throw subscriptOutOfRange();
  return Ref<Object>(list_[index - 1]);
}

Ref<Workbook> Workbooks::add(const Variant& templateArg) {
  if (!application_) throw Error(ErrorCode::ObjectNotSet);
  ExcelOutput& output = application_->output();
  Ref<Workbook> book;
  if (templateArg.isMissing() || templateArg.isEmpty()) {
    book = Workbook::blank(application_, output.nextWorkbookName("Book"),
                           application_->sheetsInNewWorkbook());
  } else if (templateArg.isString() && !templateArg.isNumeric()) {
    book = fromTemplateFile(templateArg.asString());
  } else if (templateArg.toInt32() == kTemplateWorksheet) {
    book = Workbook::blank(application_, output.nextWorkbookName("Sheet"), 1);
  } else if (templateArg.toInt32() == kTemplateChart) {
    book = makeRef<Workbook>(application_, output.nextWorkbookName("Chart"));
    book->activate(*Chart::addTo(*book, 0));
  } else {
    throw methodFailed("Add", "Workbooks");
  }
  list_.push_back(book);
  application_->setActiveWorkbook(book.get());
  return book;
}

Ref<Workbook> Workbooks::fromTemplateFile(const std::string& path) {
  const std::filesystem::path local = localPath(path);
  xls::TemplateBook contents;
  try {
    contents = xls::loadTemplateFile(local);
  } catch (const xls::TemplateFileError& e) {
    throw templateError(e, path);
  }
  return Workbook::fromTemplate(
      application_, application_->output().nextWorkbookName(local.stem().string()), contents);
}

void Workbooks::closeAll() {
  for (auto& book : list_) book->detach();
  list_.clear();
}

}  // namespace qh::sim
