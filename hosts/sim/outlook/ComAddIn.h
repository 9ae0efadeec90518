#pragma once

#include <string>

#include "hosts/sim/core/SimObject.h"

namespace qh::sim::outlook {

// The COMAddIn object Office hands an add-in as AddInInst: ProgId, Guid, Description and
// Connect (whether the add-in is connected).
class ComAddIn : public TableObject<ComAddIn> {
 public:
  ComAddIn(std::string progId, std::string guid, std::string description)
      : progId_(std::move(progId)), guid_(std::move(guid)), description_(std::move(description)) {}

  const std::string& progId() const { return progId_; }
  bool connected() const { return connected_; }
  void setConnected(bool connected) { connected_ = connected; }

 private:
  friend class TableObject<ComAddIn>;
  static const DispatchTable<ComAddIn>& table();

  std::string progId_;
  std::string guid_;
  std::string description_;
  bool connected_ = false;
};

}  // namespace qh::sim::outlook
