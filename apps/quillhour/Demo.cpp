#include "apps/quillhour/Demo.h"

#include <fstream>

#include "apps/quillhour/DateText.h"
#include "apps/quillhour/Errors.h"
#include "apps/quillhour/InstallPaths.h"
#include "apps/quillhour/ScriptRunner.h"
#include "apps/quillhour/Session.h"

namespace qh::app {
namespace {

namespace fs = std::filesystem;

// The script's clock: the Friday evening at the end of the example fortnight.
Date demoNow() {
  return Date::fromParts(2026, 12, 4, 17, 30, 0);
}

}  // namespace

fs::path Demo::prepareCalendar(const fs::path& out) {
  const fs::path example = fs::path(examplesDir()) / kCalendar;
  const fs::path calendar = out / "calendar.ics";
  std::error_code error;
  fs::create_directories(out, error);
  if (!error) fs::copy_file(example, calendar, fs::copy_options::overwrite_existing, error);
  if (error)
    throw InputError(fmt::format("cannot copy {} to {}: {}", example.string(), calendar.string(),
                                 error.message()));
  fs::remove(calendar.string() + ".bak", error);  // a .bak of an earlier demo would mislead
  return calendar;
}

int Demo::run() {
  const fs::path out =
      invocation_.outGiven ? fs::path(invocation_.session.outDir) : fs::path(kDefaultOut);
  const fs::path script = fs::path(examplesDir()) / kScript;
  std::ifstream lines(script);
  if (!lines) throw InputError(fmt::format("cannot read {}", script.string()));

  SessionOptions options = invocation_.session;
  options.mailbox = prepareCalendar(out).string();
  options.outDir = out.string();
  if (!options.now) options.now = demoNow();
  output_.line("Quillhour demo: the calendar {} in a simulated Outlook {}, the clock at {}.",
               options.mailbox, options.outlookVersion, formatDateTime(*options.now));
  output_.line("The script {} acts as the user, line by line.", script.string());
  output_.line("");

  Session session(options, output_);
  StreamLines source(lines);
  const int failures = ScriptRunner(session, output_, {script.string(), true}).run(source);
  output_.line("");
  const bool written = session.finish();

  output_.line("");
  if (!session.desktop().workbooks().empty())
    output_.line("The workbook: {}",
                 fs::absolute(session.desktop().workbooks().back().path).string());
  output_.line("The updated calendar: {} (as it was before: {}.bak)",
               fs::absolute(options.mailbox).string(), fs::absolute(options.mailbox).string());
  return failures == 0 && written ? 0 : 1;
}

}  // namespace qh::app
