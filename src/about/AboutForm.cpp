#include "about/AboutForm.h"

#include <algorithm>
#include <vector>

#include "Version.h"
#include "about/AboutInfo.h"
#include "about/ShellOpenModule.h"
#include "core/AddinIdentity.h"
#include "core/Globals.h"
#include "core/Log.h"

namespace qh::about {
namespace {

using platform::RegistryRoot;

constexpr int kNormalFocus = 1;  // SW_SHOWNORMAL / vbNormalFocus

std::string hexByte(std::uint8_t b) {
  static const char* kDigits = "0123456789ABCDEF";
  std::string s;
  if (b >= 16) s += kDigits[b >> 4];
  s += kDigits[b & 15];
  return s;
}

}  // namespace

AboutForm::AboutForm(platform::System& system) : Form(system, "", 5730, 3555) {
  for (forms::Control* c : std::initializer_list<forms::Control*>{
           &picIcon, &lblTitle, &lblVersion, &lblDescription, &LabelManual, &lblDisclaimer,
           &LabelWeb, &LabelEmail, &cmdOK, &cmdSysInfo, &Line1_0, &Line1_1})
    add(*c);
  lblTitle.setStyle(forms::Label::Style::Title);
  // The addresses are the maker's to supply, of any length: the links fit them.
  for (forms::Label* link : {&LabelManual, &LabelWeb, &LabelEmail}) {
    link->setStyle(forms::Label::Style::Link);
    link->setAutoSize(true);
  }
  cmdOK.setDefault(true);
  cmdOK.setCancel(true);
  lblDisclaimer.setCaption(kNoticeLine);
  LabelWeb.setCaption(kWebAddress);
  LabelEmail.setCaption(kSupportAddress);
  cmdOK.onClick([this] { cmdOK_Click(); });
  cmdSysInfo.onClick([this] { cmdSysInfo_Click(); });
  LabelWeb.onClick([this] { LabelWeb_Click(); });
  LabelEmail.onClick([this] { LabelEmail_Click(); });
  LabelManual.onClick([this] { LabelManual_Click(); });
}

AboutForm& AboutForm::Shared() {
  Ref<forms::Form>& shared = core::globals().aboutForm;
  if (!shared || shared->unloaded()) {
    auto form = makeRef<AboutForm>(core::addinSystem());
    form->onUnloaded([] { core::globals().aboutForm.reset(); });
    shared = form;
    form->load();
  }
  return static_cast<AboutForm&>(*shared);
}

void AboutForm::formLoad() {
  setCaption(std::string("About ") + core::kAppTitle);
  lblTitle.setCaption(core::kAppTitle);
  lblVersion.setCaption("Version " + std::to_string(version::kMajor) + "." +
                        std::to_string(version::kMinor) + "." + std::to_string(version::kRevision));
}

void AboutForm::openLink(const std::string& target) {
  try {
    ShellOpen(target, kNormalFocus);
  } catch (...) {
    core::WriteLog("LabelWeb_Click:" + describeCurrentException());
  }
}

void AboutForm::LabelWeb_Click() {
  openLink(kWebAddress);
}

void AboutForm::LabelEmail_Click() {
  openLink(std::string("mailto:") + kSupportAddress);
}

void AboutForm::LabelManual_Click() {
  try {
    openLink(system().moduleFolder() + "\\Quillhour User Manual.pdf");
  } catch (...) {
    core::WriteLog("LabelWeb_Click:" + describeCurrentException());
  }
}

void AboutForm::StartSysInfo() {
  try {
    const auto root = static_cast<std::uint32_t>(RegistryRoot::LocalMachine);
    std::string path;
    if (!GetKeyValue(root, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", path)) {
      std::string folder;
      if (!GetKeyValue(root, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", folder))
        throw Error(ErrorCode::FileNotFound);
      path = folder + "\\MSINFO32.EXE";
      if (!system().fileExists(path)) throw Error(ErrorCode::FileNotFound);
    }
    system().startProgram(path, kNormalFocus);
  } catch (...) {
    system().messageBox("System Information Is Unavailable At This Time", core::kAppTitle,
                        platform::MessageButtons::Ok, platform::MessageIcon::None);
  }
}

bool AboutForm::GetKeyValue(std::uint32_t keyRoot, const std::string& keyName,
                            const std::string& subKeyRef, std::string& keyVal) {
  platform::System& os = system();
  platform::RegistryKey key = 0;
  if (os.regOpenKey(static_cast<RegistryRoot>(keyRoot), keyName, 0, kKeyRead, key) !=
      platform::kRegSuccess) {
    keyVal.clear();
    return false;
  }
  std::vector<std::uint8_t> buffer(kBufferSize, 0);
  std::uint32_t size = kBufferSize;
  std::uint32_t type = 0;
  if (os.regQueryValue(key, subKeyRef, type, buffer.data(), size) != platform::kRegSuccess) {
    keyVal.clear();
    os.regCloseKey(key);
    return false;
  }
  // The size returned may exceed what the buffer holds; never read past it.
  size_t length = std::min<size_t>(size, buffer.size());
  if (length > 0 && buffer[length - 1] == 0) --length;  // the string's terminator
  switch (type) {
    case platform::kRegSz:
      keyVal.assign(buffer.begin(), buffer.begin() + static_cast<long>(length));
      break;
    case platform::kRegDword: {
      std::string hex;
      for (size_t i = length; i-- > 0;) hex += hexByte(buffer[i]);
      keyVal = "&h" + keyVal + hex;
      break;
    }
    default:
      break;
  }
  os.regCloseKey(key);
  return true;
}

}  // namespace qh::about
