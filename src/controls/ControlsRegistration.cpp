#include "controls/ControlsRegistration.h"

#include "controls/ControlsIdentity.h"

namespace qh::controls {
namespace {

using platform::kRegSz;
using platform::RegistryEntry;

const std::string kClasses = "Software\\Classes\\";
constexpr const char* kLibraryVersion = "1.0";
// How COM marshals an interface its type library describes: a dual interface through the
// type library, a dispinterface as IDispatch.
constexpr const char* kTypeLibraryMarshaler = "{00020424-0000-0000-C000-000000000046}";
constexpr const char* kDispatchMarshaler = "{00020420-0000-0000-C000-000000000046}";

// An interface's registration: its name, its marshaler and the library that describes it.
void addInterface(std::vector<RegistryEntry>& values, const std::string& key, const char* name,
                  const char* marshaler) {
  values.push_back({key, "", kRegSz, name});
  values.push_back({key + "\\ProxyStubClsid32", "", kRegSz, marshaler});
  values.push_back({key + "\\TypeLib", "", kRegSz, kLibraryId});
  values.push_back({key + "\\TypeLib", "Version", kRegSz, kLibraryVersion});
}

}  // namespace

platform::RegistrySet controlsRegistration(const std::string& modulePath, int pointerBits) {
  const std::string clsid = kClasses + "CLSID\\" + kPaneClassId;
  const std::string progId = kClasses + kPaneProgId;
  const std::string library = kClasses + "TypeLib\\" + kLibraryId;
  const std::string libraryVersion = library + "\\" + kLibraryVersion;
  const std::string paneInterface = kClasses + "Interface\\" + kPaneInterfaceId;
  const std::string paneEvents = kClasses + "Interface\\" + kPaneEventsId;
  platform::RegistrySet set{
      .values =
          {
              {clsid, "", kRegSz, kPaneClassName},
              {clsid + "\\InprocServer32", "", kRegSz, modulePath},
              {clsid + "\\InprocServer32", "ThreadingModel", kRegSz, "Apartment"},
              {clsid + "\\ProgID", "", kRegSz, kPaneProgId},
              {clsid + "\\Control", "", kRegSz, ""},
              {clsid + "\\TypeLib", "", kRegSz, kLibraryId},
              {clsid + "\\Version", "", kRegSz, kLibraryVersion},
              {progId, "", kRegSz, kPaneClassName},
              {progId + "\\CLSID", "", kRegSz, kPaneClassId},
              // The library is resource 1 of the module, which the module's path names.
              {libraryVersion, "", kRegSz, kLibraryName},
              {libraryVersion + "\\0\\" + (pointerBits == 64 ? "win64" : "win32"), "", kRegSz,
               modulePath},
              {libraryVersion + "\\FLAGS", "", kRegSz, "0"},
          },
      .ownKeys = {progId, clsid, library, paneInterface, paneEvents},
  };
  addInterface(set.values, paneInterface, kPaneInterfaceName, kTypeLibraryMarshaler);
  addInterface(set.values, paneEvents, kPaneEventsName, kDispatchMarshaler);
  return set;
}

long RegisterControls(platform::System& system, const std::string& modulePath) {
  return platform::writeRegistrySet(
      system, controlsRegistration(modulePath, static_cast<int>(sizeof(void*) * 8)));
}

long UnregisterControls(platform::System& system) {
  return platform::removeRegistrySet(system, controlsRegistration("", 0));
}

}  // namespace qh::controls
