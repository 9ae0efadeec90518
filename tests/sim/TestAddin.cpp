// A minimal add-in module for the loader's tests. It serves two classes:
// "QhTest.Connect", which accepts every connection call, and "QhTest.Refusing", whose
// OnConnection fails. Each call it receives, and its own end, is appended as one line to the
// registry value HKCU\Software\QhTest\Calls, where the test reads them after the objects are
// gone.
#include <cstring>
#include <string>
#include <vector>

#include "automation/Object.h"
#include "platform/ModuleAbi.h"
#include "platform/System.h"

namespace {

using qh::platform::RegistryRoot;

constexpr const char* kLogKey = "Software\\QhTest";

std::string readLog(qh::platform::System& system) {
  qh::platform::RegistryKey key = 0;
  if (system.regOpenKey(RegistryRoot::CurrentUser, kLogKey, 0, 0x20019, key) != 0) return {};
  std::uint32_t type = 0, size = 0;
  std::string text;
  if (system.regQueryValue(key, "Calls", type, nullptr, size) == 0 && size > 0) {
    std::vector<std::uint8_t> buffer(size);
    system.regQueryValue(key, "Calls", type, buffer.data(), size);
    text.assign(buffer.begin(), buffer.begin() + size - 1);  // without the terminator
  }
  system.regCloseKey(key);
  return text;
}

void appendLog(qh::platform::System& system, const std::string& line) {
  system.regSetValue(RegistryRoot::CurrentUser, kLogKey, "Calls", qh::platform::kRegSz,
                     readLog(system) + line + "\n");
}

std::string describe(const qh::Variant& v) {
  if (v.isMissing()) return "missing";
  if (v.type() == qh::Variant::Type::StringArray)
    return "array(" + std::to_string(v.toStringArray().items.size()) + ")";
  if (v.isObject()) {
    qh::Ref<qh::Object> object = v.toObject();
    for (const char* name : {"Name", "ProgId"}) {
      try {
        return object->get(name).toString();
      } catch (...) {
      }
    }
    return "<object>";
  }
  return v.toString();
}

class RecordingAddin : public qh::Object {
 public:
  RecordingAddin(qh::platform::System& system, bool refuse) : system_(system), refuse_(refuse) {}
  ~RecordingAddin() override { appendLog(system_, "Terminate"); }

  qh::Variant invoke(std::string_view name, qh::CallKind, qh::Args& args) override {
    std::string line(name);
    line += "(";
    for (size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + describe(args[i]);
    appendLog(system_, line + ")");
    if (refuse_ && name == "OnConnection") throw qh::Error(5, "connection refused");
    return {};
  }

 private:
  qh::platform::System& system_;
  bool refuse_;
};

void registerClass(qh::platform::System& s, const std::string& progId, const std::string& clsid,
                   const std::string& path) {
  const auto user = RegistryRoot::CurrentUser;
  s.regSetValue(user, "Software\\Classes\\" + progId + "\\CLSID", "", qh::platform::kRegSz, clsid);
  s.regSetValue(user, "Software\\Classes\\CLSID\\" + clsid + "\\InprocServer32", "",
                qh::platform::kRegSz, path);
  const std::string addin = "Software\\Microsoft\\Office\\Outlook\\Addins\\" + progId;
  s.regSetValue(user, addin, "Description", qh::platform::kRegSz, "Test add-in " + progId);
  s.regSetValue(user, addin, "LoadBehavior", qh::platform::kRegDword, std::string("\3\0\0\0", 4));
}

}  // namespace

QH_MODULE_EXPORT qh::Object* QhCreateObject(const char* progId, qh::platform::System* system) {
  if (!progId || !system) return nullptr;
  if (std::strcmp(progId, "QhTest.Connect") == 0) return new RecordingAddin(*system, false);
  if (std::strcmp(progId, "QhTest.Refusing") == 0) return new RecordingAddin(*system, true);
  return nullptr;
}

QH_MODULE_EXPORT int QhRegisterServer(qh::platform::System* system, const char* modulePath) {
  if (!system || !modulePath) return 1;
  registerClass(*system, "QhTest.Connect", "{11111111-0000-0000-0000-000000000001}", modulePath);
  registerClass(*system, "QhTest.Refusing", "{11111111-0000-0000-0000-000000000002}", modulePath);
  return 0;
}
