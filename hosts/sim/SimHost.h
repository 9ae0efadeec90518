#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "hosts/sim/ServerActivation.h"
#include "hosts/sim/excel/WorkbookFileWriter.h"
#include "hosts/sim/office/CTPFactory.h"
#include "hosts/sim/office/EventFailureLog.h"
#include "hosts/sim/outlook/AddinLoader.h"
#include "hosts/sim/outlook/SimOutlook.h"
#include "hosts/sim/system/SimSystem.h"

namespace qh::sim {

class ExcelOutput;

// The whole simulated environment in one piece, as the tests and the command-line program use
// it: the operating system, Outlook with Office's command bars (and task panes, when the host
// has them), Excel behind CreateObject("Excel.Application"), and Outlook's add-in loader with
// the add-in and its control library installed from their build folder. How the modules are
// reached is the build's ServerActivation: loaded by the host itself on Linux, through real
// COM in the Windows test host, where every call between add-in and host crosses COM.
class SimHost {
 public:
  struct Options {
    std::string outlookVersion = "16.0.0.0";
    bool taskPanes = true;
    // The folder holding the add-in's and the control library's modules and the template.
    std::string moduleDir;
    // Where Excel writes the workbooks it hands over; empty writes none.
    std::string outputDir;
    // Makes the writer of those workbooks; empty: the build's own (.xlsx where it can).
    std::function<std::unique_ptr<WorkbookFileWriter>()> workbookWriter;
  };

  explicit SimHost(Options options);
  SimHost(const SimHost&) = delete;
  SimHost& operator=(const SimHost&) = delete;
  ~SimHost();

  SimSystem& system() { return *system_; }
  outlook::SimOutlook& outlook() { return *outlook_; }
  outlook::AddinLoader& loader() { return *loader_; }
  CTPFactory* taskPanes() { return taskPanes_.get(); }
  ExcelOutput* excelOutput() { return excelOutput_.get(); }
  ServerActivation& activation() { return *activation_; }

  // regsvr32 of the add-in and of its control library; false if either failed.
  bool install();
  // regsvr32 /u of both; false if either failed.
  bool uninstall();
  // Outlook starts: the add-ins connect, then start-up completes.
  void start();
  // Outlook quits: Quit, then the add-ins' shutdown.
  void quit();

  // Failed event calls of Outlook's and Office's objects, in order.
  std::vector<std::string> eventFailures() const;
  // The add-in's log window, oldest line first; empty when it has none.
  std::vector<std::string> logLines();

  // A file in the module folder.
  std::string modulePath(const std::string& fileName) const;
  // The module of a library ("Quillhour", "QuillhourControls") as this build names it and
  // its registration records it.
  std::string libraryPath(const std::string& library) const;

 private:
  std::unique_ptr<SimSystem> system_;
  std::shared_ptr<EventFailureLog> officeFailures_;
  std::shared_ptr<ExcelOutput> excelOutput_;
  std::unique_ptr<ServerActivation> activation_;
  Ref<CTPFactory> taskPanes_;
  std::unique_ptr<outlook::SimOutlook> outlook_;
  std::unique_ptr<outlook::AddinLoader> loader_;
  Options options_;
};

}  // namespace qh::sim
