#include "hosts/sim/office/InprocActivator.h"

#include <algorithm>
#include <vector>

#include "hosts/sim/office/OfficeErrors.h"
#include "platform/ModuleAbi.h"

namespace qh::sim {
namespace {

constexpr std::uint32_t kKeyRead = 0x20019;  // KEY_READ

bool isClsid(const std::string& classId) {
  return !classId.empty() && classId.front() == '{';
}

}  // namespace

InprocActivator::InprocActivator(platform::System& system, SymbolLookup lookup)
    : system_(system), lookup_(std::move(lookup)) {}

Ref<Object> InprocActivator::create(const std::string& classId) {
  std::string progId = classId;
  std::string clsid = classId;
  if (isClsid(classId)) {
    progId = classesValue("CLSID\\" + clsid + "\\ProgID").value_or(classId);
  } else {
    auto found = classesValue(progId + "\\CLSID");
    if (!found) throw office_errors::invalidClassString();
    clsid = *found;
  }
  auto modulePath = classesValue("CLSID\\" + clsid + "\\InprocServer32");
  if (!modulePath || modulePath->empty()) throw office_errors::classNotRegistered();

  void* exported = nullptr;
  try {
    exported = lookup_(*modulePath, kQhCreateObjectSymbol);
  } catch (const Error&) {
    throw office_errors::moduleNotFound();
  }
  if (!exported) throw office_errors::procedureNotFound();
  auto createObject = reinterpret_cast<QhCreateObjectFn>(exported);
  Ref<Object> object(createObject(progId.c_str(), &system_));
  if (!object) throw office_errors::classNotAvailable();
  return object;
}

std::optional<std::string> InprocActivator::classesValue(const std::string& subKey) {
  platform::RegistryKey handle = 0;
  if (system_.regOpenKey(platform::RegistryRoot::ClassesRoot, subKey, 0, kKeyRead, handle) !=
      platform::kRegSuccess)
    return std::nullopt;
  std::uint32_t type = 0;
  std::uint32_t size = 0;
  std::optional<std::string> value;
  if (system_.regQueryValue(handle, "", type, nullptr, size) == platform::kRegSuccess &&
      (type == platform::kRegSz || type == platform::kRegExpandSz)) {
    std::vector<std::uint8_t> data(size);
    if (system_.regQueryValue(handle, "", type, data.data(), size) == platform::kRegSuccess) {
      std::string text(data.begin(), data.begin() + std::min<size_t>(size, data.size()));
      while (!text.empty() && text.back() == '\0') text.pop_back();  // the stored terminator
      value = std::move(text);
    }
  }
  system_.regCloseKey(handle);
  return value;
}

}  // namespace qh::sim
