#pragma once

#include <string>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim {

class Workbook;

// What worksheets and chart sheets have in common: a name unique in the workbook, a place
// in the tab order, and Activate/Select/Move. A sheet keeps a plain pointer to its workbook,
// which owns it; the workbook clears it when it ends, so a sheet a caller still holds then
// raises "Object variable not set" instead of reaching a dead workbook.
class Sheet : public SimObject {
 public:
  enum class Kind { Worksheet, Chart };

  virtual Kind kind() const = 0;
  const std::string& name() const { return name_; }
  // Renames the sheet, with Excel's rules for sheet names; raises when they are broken.
  void rename(const std::string& name);
  Workbook* workbook() const { return workbook_; }
  Workbook& requireWorkbook() const;
  void detach() { workbook_ = nullptr; }

 protected:
  Sheet(Workbook* workbook, std::string name) : workbook_(workbook), name_(std::move(name)) {}

  // Registers Name, Index, Move, Activate and Select on a sheet class's table.
  template <class T>
  static void addSheetMembers(DispatchTable<T>& table) {
    table.get("Name", [](T& s, Args&) -> Variant { return s.name(); })
        .put("Name", [](T& s, Args& a) -> Variant { return s.putName(a); })
        .get("Index", [](T& s, Args&) -> Variant { return s.index(); })
        .method("Move", [](T& s, Args& a) -> Variant { return s.move(a); })
        .method("Activate", [](T& s, Args&) -> Variant { return s.activate(); })
        .method("Select", [](T& s, Args&) -> Variant { return s.activate(); })
        .get("Parent", [](T& s, Args&) -> Variant { return s.parent(); });
  }

  // The class name Excel uses in its messages ("Worksheet", "Chart").
  virtual const char* className() const = 0;

 private:
  Variant putName(Args& args);
  Variant index();
  Variant move(Args& args);
  Variant activate();
  Variant parent();

  Workbook* workbook_;
  std::string name_;
};

// Whether text is a valid sheet name: 1 to 31 characters, none of : \ / ? * [ ], and not
// beginning or ending with an apostrophe.
bool validSheetName(const std::string& name);
// Sheet names compare without regard to case, as Excel compares them.
bool sameSheetName(const std::string& a, const std::string& b);

}  // namespace qh::sim
