#include "core/Log.h"

#include "core/Globals.h"
#include "core/MainForm.h"

namespace qh::core {

void WriteLog(const std::string& message) {
  platform::System& system = addinSystem();
  const std::string line = system.longTime(system.now()) + ": " + message;
  MainForm& window = mainForm();
  window.ErrorList.addItem(line);
  if (window.ErrorList.listCount() > MainForm::kMaxLines) window.ErrorList.removeItem(0);
}

void TraceLog(const std::string& message) {
  WriteLog(message);
}

}  // namespace qh::core
