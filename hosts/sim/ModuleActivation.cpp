#include "hosts/sim/ModuleActivation.h"

#include "hosts/sim/system/SimSystem.h"
#include "platform/ModuleAbi.h"

namespace qh::sim {

ModuleActivation::ModuleActivation(SimSystem& system)
    : system_(system), controls_(system, [&system](const std::string& path, const char* name) {
        return system.modules().symbol(path, name);
      }) {}

std::string ModuleActivation::modulePath(const std::string& folder,
                                         const std::string& library) const {
  return folder + "/lib" + library + ".so";
}

int ModuleActivation::registerServer(const std::string& modulePath) {
  return system_.registerServer(modulePath);
}

int ModuleActivation::unregisterServer(const std::string& modulePath) {
  auto unregister = reinterpret_cast<QhUnregisterServerFn>(
      system_.modules().symbol(modulePath, kQhUnregisterServerSymbol));
  if (!unregister)
    throw Error(static_cast<std::int32_t>(ErrorCode::FileNotFound),
                modulePath + " exports no " + kQhUnregisterServerSymbol);
  return unregister(&system_);
}

Ref<Object> ModuleActivation::createAddin(const std::string& progId) {
  try {
    return system_.createObject(progId);
  } catch (const Error& e) {
    throw Error(e.code(), e.description() + " (" + system_.lastActivationError() + ")");
  }
}

Ref<Object> ModuleActivation::createControl(const std::string& classId) {
  return controls_.create(classId);
}

std::unique_ptr<ServerActivation> makeServerActivation(SimSystem& system) {
  return std::make_unique<ModuleActivation>(system);
}

}  // namespace qh::sim
