#include "hosts/sim/SimHost.h"

#include "hosts/sim/excel/ExcelApplication.h"
#include "hosts/sim/excel/ExcelOutput.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::sim {

SimHost::SimHost(Options options)
    : system_(std::make_unique<SimSystem>()),
      officeFailures_(std::make_shared<EventFailureLog>()),
      options_(std::move(options)) {
  system_->setModuleFolder(options_.moduleDir);
  outlook::SimOutlook::Options outlookOptions;
  outlookOptions.version = options_.outlookVersion;
  outlook_ = std::make_unique<outlook::SimOutlook>(*system_, outlookOptions);
  excelOutput_ = std::make_shared<ExcelOutput>(
      options_.outputDir,
      options_.workbookWriter ? options_.workbookWriter() : makeDefaultWorkbookWriter());
  outlook_->registerCreatable("Excel.Application", [output = excelOutput_] {
    return makeExcelApplication(ExcelOptions{output});
  });
  outlook_->setCommandBarsFactory(
      [failures = officeFailures_](Object&) -> Ref<Object> { return makeCommandBars(failures); });

  activation_ = makeServerActivation(*system_);
  outlook::AddinLoader::Options loaderOptions;
  loaderOptions.activation = activation_.get();
  if (options_.taskPanes) {
    taskPanes_ = makeRef<CTPFactory>([activation = activation_.get()](const std::string& id) {
      return activation->createControl(id);
    });
    outlook_->application().settings().windowClosed = [panes = taskPanes_.get()](Object& window) {
      panes->closeWindow(window);
    };
    loaderOptions.taskPaneFactory = taskPanes_;
  }
  loader_ = std::make_unique<outlook::AddinLoader>(*system_, *outlook_, loaderOptions);
}

SimHost::~SimHost() {
  // Add-ins first, then Outlook's windows and panes and the dialogs still open, then the way
  // to the modules, the system last.
  loader_.reset();
  outlook_.reset();
  taskPanes_.reset();
  system_->forms().clear();
  activation_.reset();
}

std::string SimHost::modulePath(const std::string& fileName) const {
  return options_.moduleDir + "/" + fileName;
}

std::string SimHost::libraryPath(const std::string& library) const {
  return activation_->modulePath(options_.moduleDir, library);
}

bool SimHost::install() {
  const bool addin = loader_->registerModule(libraryPath("Quillhour"));
  const bool controls = loader_->registerModule(libraryPath("QuillhourControls"));
  return addin && controls;
}

bool SimHost::uninstall() {
  const bool addin = activation_->unregisterServer(libraryPath("Quillhour")) == 0;
  const bool controls = activation_->unregisterServer(libraryPath("QuillhourControls")) == 0;
  return addin && controls;
}

void SimHost::start() {
  loader_->start();
}

void SimHost::quit() {
  outlook_->quit();
  loader_->shutdown();
}

std::vector<std::string> SimHost::eventFailures() const {
  std::vector<std::string> all = outlook_->eventFailures();
  all.insert(all.end(), officeFailures_->lines().begin(), officeFailures_->lines().end());
  return all;
}

std::vector<std::string> SimHost::logLines() {
  std::vector<std::string> lines;
  Ref<Object> window = system_->forms().find("Quillhour");
  if (!window) return lines;
  Ref<Object> list = window->getObject("ErrorList");
  const int count = list->get("ListCount").toInt32();
  for (int i = 0; i < count; ++i) lines.push_back(list->get("List", i).toString());
  return lines;
}

}  // namespace qh::sim
