#include "hosts/win/platform/SystemProxy.h"

#include <algorithm>
#include <cstring>

#include "hosts/win/platform/HexBytes.h"

namespace qh::win {
namespace {

Variant bits(std::uint32_t value) {
  return Variant(static_cast<std::int32_t>(value));
}

std::uint32_t unsignedOf(const Variant& v) {
  return static_cast<std::uint32_t>(v.toInt32());
}

Variant handle(platform::RegistryKey key) {
  return Variant(static_cast<double>(key));
}

}  // namespace

SystemProxy::SystemProxy(Ref<Object> system, std::unique_ptr<FormWindows> windows)
    : system_(std::move(system)), windows_(std::move(windows)) {
  if (!system_) throw Error(ErrorCode::ObjectNotSet);
}

Variant SystemProxy::call(std::string_view member, Args& args) {
  return system_->invoke(member, CallKind::Call, args);
}

Date SystemProxy::now() {
  return system_->get("Now").toDate();
}

std::string SystemProxy::shortDate(Date d) {
  return system_->call("ShortDate", d).toString();
}

std::string SystemProxy::longTime(Date d) {
  return system_->call("LongTime", d).toString();
}

std::string SystemProxy::timeSeparator() {
  return system_->get("TimeSeparator").toString();
}

std::string SystemProxy::amDesignator() {
  return system_->get("AMDesignator").toString();
}

std::string SystemProxy::pmDesignator() {
  return system_->get("PMDesignator").toString();
}

int SystemProxy::compareText(const std::string& a, const std::string& b) {
  return system_->call("CompareText", a, b).toInt32();
}

int SystemProxy::messageBox(const std::string& text, const std::string& title,
                            platform::MessageButtons buttons, platform::MessageIcon icon) {
  return system_->call("MessageBox", text, title, static_cast<int>(buttons), static_cast<int>(icon))
      .toInt32();
}

long SystemProxy::regOpenKey(platform::RegistryRoot root, const std::string& subKey,
                             std::uint32_t options, std::uint32_t access,
                             platform::RegistryKey& key) {
  Args args{bits(static_cast<std::uint32_t>(root)), subKey, bits(options), bits(access), handle(0)};
  const long rc = call("RegOpenKey", args).toInt32();
  key = static_cast<platform::RegistryKey>(args[4].toDouble());
  return rc;
}

long SystemProxy::regQueryValue(platform::RegistryKey key, const std::string& name,
                                std::uint32_t& type, std::uint8_t* data, std::uint32_t& size) {
  const std::uint32_t room = size;
  Args args{handle(key), name, bits(0), data ? Variant(std::string()) : Variant::missing(),
            bits(room)};
  const long rc = call("RegQueryValue", args).toInt32();
  type = unsignedOf(args[2]);
  size = unsignedOf(args[4]);
  if (data) {
    const std::string bytes = fromHex(args[3].toString());
    std::memcpy(data, bytes.data(), std::min<size_t>(bytes.size(), room));
  }
  return rc;
}

long SystemProxy::regCloseKey(platform::RegistryKey key) {
  return system_->call("RegCloseKey", handle(key)).toInt32();
}

long SystemProxy::regSetValue(platform::RegistryRoot root, const std::string& subKey,
                              const std::string& name, std::uint32_t type,
                              const std::string& data) {
  return system_
      ->call("RegSetValue", bits(static_cast<std::uint32_t>(root)), subKey, name, bits(type),
             toHex(data))
      .toInt32();
}

long SystemProxy::regDeleteTree(platform::RegistryRoot root, const std::string& subKey) {
  return system_->call("RegDeleteTree", bits(static_cast<std::uint32_t>(root)), subKey).toInt32();
}

bool SystemProxy::fileExists(const std::string& path) {
  return system_->call("FileExists", path).toBool();
}

void SystemProxy::startProgram(const std::string& path, int windowState) {
  system_->call("StartProgram", path, windowState);
}

std::int32_t SystemProxy::shellOpen(const std::string& target, int showCommand) {
  return system_->call("ShellOpen", target, showCommand).toInt32();
}

std::string SystemProxy::moduleFolder() {
  return system_->get("ModuleFolder").toString();
}

void SystemProxy::tellForm(std::string_view member, Object& form) {
  Args args{Variant(&form)};
  call(member, args);
}

void SystemProxy::formLoaded(Object& form) {
  if (windows_) return windows_->loaded(form);
  tellForm("FormLoaded", form);
}

void SystemProxy::formShown(Object& form) {
  if (windows_) return windows_->shown(form);
  tellForm("FormShown", form);
}

void SystemProxy::formHidden(Object& form) {
  if (windows_) return windows_->hidden(form);
  tellForm("FormHidden", form);
}

void SystemProxy::formUnloaded(Object& form) {
  if (windows_) return windows_->unloaded(form);
  tellForm("FormUnloaded", form);
}

}  // namespace qh::win
