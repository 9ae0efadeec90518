#include "apps/quillhour/ProgressTicker.h"

#include <unistd.h>

#include <chrono>

namespace qh::app {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kEvery = std::chrono::milliseconds(500);

}  // namespace

ProgressTicker::ProgressTicker(std::ostream& err, std::string what)
    : err_(err), what_(std::move(what)) {
  if (::isatty(STDERR_FILENO)) thread_ = std::thread([this] { tick(); });
}

ProgressTicker::~ProgressTicker() {
  if (!thread_.joinable()) return;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    done_ = true;
  }
  wake_.notify_all();
  thread_.join();
  if (shown_) err_ << "\r\033[K" << std::flush;
}

void ProgressTicker::tick() {
  const Clock::time_point start = Clock::now();
  std::unique_lock<std::mutex> lock(mutex_);
  if (wake_.wait_for(lock, kQuietFor, [this] { return done_; })) return;
  do {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - start);
    err_ << "\r" << what_ << "... " << seconds.count() << " s" << std::flush;
    shown_ = true;
  } while (!wake_.wait_for(lock, kEvery, [this] { return done_; }));
}

}  // namespace qh::app
