// The export of 1,000, 10,000 and 32,764 Times through the simulated host, as a user starts
// it: the real add-in module, the "Export Times" button, the dialog's Export button, Excel
// with the template and the pivot table and chart. Reported per Time, so that a quadratic step
// anywhere (Restrict, Sort, GetNext, the cell writes, the marks, the pivot) shows as a time
// per Time that grows with the count.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <string>

#include "hosts/sim/SimHost.h"
#include "hosts/sim/office/CommandBar.h"
#include "hosts/sim/office/CommandBarButton.h"
#include "hosts/sim/office/CommandBarControls.h"
#include "hosts/sim/office/CommandBars.h"

namespace qh::bench {
namespace {

using sim::outlook::AppointmentItem;

struct Workload {
  bool writeXlsx = false;
  bool mark = false;
};

// A host with the add-in started, an explorer on the calendar and `times` tagged Times in the
// dialog's default range (the week before 7 December 2026).
class ExportSession {
 public:
  ExportSession(int times, Workload workload) : workload_(workload) {
    sim::SimHost::Options options;
    options.moduleDir = QH_MODULE_DIR;
    if (workload.writeXlsx) {
      output_ = std::filesystem::temp_directory_path() / "quillhour-bench";
      std::filesystem::remove_all(output_);
      std::filesystem::create_directories(output_);
      options.outputDir = output_.string();
    }
    host_ = std::make_unique<sim::SimHost>(options);
    host_->system().setNow(Date::fromParts(2026, 12, 7, 14, 20, 0));
    fill(times);
    explorer_ = host_->outlook().openExplorer(host_->outlook().calendar());
    if (!host_->install()) throw std::runtime_error("the add-in did not register");
    host_->start();
  }
  ~ExportSession() {
    host_.reset();
    if (!output_.empty()) std::filesystem::remove_all(output_);
  }

  void exportOnce() {
    auto* bars = dynamic_cast<sim::CommandBars*>(explorer_->commandBars().get());
    bars->find("Quillhour")->controls().button("Export Times")->click();
    Ref<Object> dialog = host_->system().forms().find("Quillhour Export");
    dialog->getObject("CheckCreateDiagram")->put("Value", 1);
    if (workload_.mark) {
      dialog->getObject("CheckMarkExported")->put("Value", 1);
      dialog->getObject("CheckExportedItems")->put("Value", 1);
    }
    dialog->getObject("ExportButton")->call("Click");
  }

 private:
  void fill(int times) {
    AppointmentItem::Fields settings;
    settings.subject = "Quillhour_Settings1_";
    settings.start = Date::fromParts(2099, 1, 1);
    settings.body = "Alpha; Beta; Gamma; Delta";
    host_->outlook().addAppointment(host_->outlook().calendar(), settings);
    const char* tags[] = {"Alpha", "Beta", "Gamma", "Delta"};
    const double first = Date::fromParts(2026, 11, 30, 8, 0, 0).serial();
    const double step = 6.5 / times;  // spread over the working week and then some
    for (int i = 0; i < times; ++i) {
      AppointmentItem::Fields f;
      f.subject = "Time " + std::to_string(i);
      f.start = Date(first + step * ((i * 7919) % times));  // filed out of start order
      f.durationMinutes = 15 * (1 + i % 8);
      f.categories = tags[i % 4];
      host_->outlook().addAppointment(host_->outlook().calendar(), f);
    }
  }

  Workload workload_;
  std::filesystem::path output_;
  std::unique_ptr<sim::SimHost> host_;
  Ref<sim::outlook::Explorer> explorer_;
};

void run(benchmark::State& state, Workload workload) {
  const int times = static_cast<int>(state.range(0));
  ExportSession session(times, workload);
  for (auto _ : state) session.exportOnce();
  state.counters["per_Time"] = benchmark::Counter(
      times, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Export(benchmark::State& state) {
  run(state, {});
}
void BM_ExportMarking(benchmark::State& state) {
  run(state, {false, true});
}
void BM_ExportWritingXlsx(benchmark::State& state) {
  run(state, {true, false});
}

BENCHMARK(BM_Export)->Arg(1000)->Arg(10000)->Arg(32764)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportMarking)->Arg(1000)->Arg(10000)->Arg(32764)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportWritingXlsx)->Arg(1000)->Arg(10000)->Arg(32764)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qh::bench

BENCHMARK_MAIN();
