#pragma once

#include <string>

#include "forms/Button.h"
#include "forms/Form.h"
#include "forms/Label.h"
#include "forms/Line.h"
#include "forms/Picture.h"

namespace qh::about {

// The About dialog: title, version, description, three links and System Info. One instance,
// shown modeless, kept until OK or the add-in's shutdown unloads it.
class AboutForm : public forms::Form {
 public:
  // KEY_READ: the keys are under HKEY_LOCAL_MACHINE, which a user who is not an
  // administrator (Outlook as it normally runs) may read but not open for changes.
  static constexpr std::uint32_t kKeyRead = 0x20019;
  static constexpr std::uint32_t kBufferSize = 1024;

  explicit AboutForm(platform::System& system);

  // The shared instance, created (and loaded) on first use.
  static AboutForm& Shared();

  void StartSysInfo();
  bool GetKeyValue(std::uint32_t keyRoot, const std::string& keyName, const std::string& subKeyRef,
                   std::string& keyVal);

  void cmdOK_Click() { unload(); }
  void cmdSysInfo_Click() { StartSysInfo(); }
  void LabelWeb_Click();
  void LabelEmail_Click();
  void LabelManual_Click();

  forms::Picture picIcon{"picIcon", "AboutPicture", {120, 120, 990, 990}, 1};
  forms::Label lblTitle{"lblTitle", "", {1320, 240, 3885, 480}, 5};
  forms::Label lblVersion{"lblVersion", "", {1320, 780, 3885, 225}, 6};
  forms::Label lblDescription{"lblDescription",
                              "This Outlook Addin helps you manage your time and project reports.",
                              {1320, 1125, 3885, 1170},
                              3};
  forms::Label LabelManual{"LabelManual",
                           "Click here to open the User manual (need PDF Reader)",
                           {1320, 2040, 3915, 195},
                           9};
  forms::Label lblDisclaimer{"lblDisclaimer", "", {255, 2625, 3870, 225}, 4};
  forms::Label LabelWeb{"LabelWeb", "", {240, 2880, 1065, 195}, 7};
  forms::Label LabelEmail{"LabelEmail", "", {240, 3120, 1020, 195}, 8};
  forms::Button cmdOK{"cmdOK", "OK", {4245, 2625, 1260, 345}, 0};
  forms::Button cmdSysInfo{"cmdSysInfo", "&System Info...", {4260, 3075, 1245, 345}, 2};
  // The etched separator: a grey line with a white one just below it.
  forms::Line Line1_0{"Line1", 0, 105, 2460, 5654, 2460, 0xFFFFFF};
  forms::Line Line1_1{"Line1", 1, 90, 2445, 5654, 2445, 0x808080};

 protected:
  void formLoad() override;

 private:
  void openLink(const std::string& target);
};

}  // namespace qh::about
