#pragma once

#include <condition_variable>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>

namespace qh::app {

// Shows on a terminal that a long step is still running: once it has taken a second, one
// line of standard error reads "exporting... 3 s", renewed twice a second and wiped when the
// step ends. Standard error that is no terminal shows nothing.
class ProgressTicker {
 public:
  ProgressTicker(std::ostream& err, std::string what);
  ProgressTicker(const ProgressTicker&) = delete;
  ProgressTicker& operator=(const ProgressTicker&) = delete;
  ~ProgressTicker();

 private:
  void tick();

  std::ostream& err_;
  std::string what_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  bool shown_ = false;
  std::thread thread_;
};

}  // namespace qh::app
