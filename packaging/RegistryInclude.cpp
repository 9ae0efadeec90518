// Writes the installer package's registry values as a WiX include, from the same lists
// DllRegisterServer writes (core::addinRegistration and controls::controlsRegistration), so
// the package and the DLLs' own registration cannot differ. Built for and run on the build
// machine, whatever the package's bitness.
//
// Usage: RegistryInclude <32|64> <output.wxi>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "controls/ControlsRegistration.h"
#include "core/Registration.h"

namespace {

using qh::platform::RegistrySet;

// Stands for the module's path until the text is made MSI-formatted; the installer puts in
// the installed file's full path ([#file id]).
constexpr char kModuleMark = '\x01';

std::string xmlEscaped(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Registry names and values are MSI-formatted text: brackets are escaped, and a string that
// begins with "#" would be read as a number unless the mark is doubled.
std::string formatted(const std::string& text, const std::string& fileId) {
  std::string out = !text.empty() && text[0] == '#' ? "#" : "";
  for (char c : text) {
    if (c == '[' || c == ']')
      out += std::string("[\\") + c + "]";
    else if (c == kModuleMark)
      out += "[#" + fileId + "]";
    else
      out += c;
  }
  return out;
}

std::string dwordText(const std::string& bytes) {
  std::uint32_t value = 0;
  for (std::size_t i = bytes.size(); i-- > 0;)
    value = value << 8 | static_cast<unsigned char>(bytes[i]);
  return std::to_string(value);
}

void writeSet(std::ostream& out, const RegistrySet& set, const std::string& fileId,
              bool& keyPathGiven) {
  for (const auto& v : set.values) {
    const bool isDword = v.type == qh::platform::kRegDword;
    out << "  <RegistryValue Root=\"HKCU\" Key=\"" << xmlEscaped(v.key) << "\"";
    if (!v.name.empty()) out << " Name=\"" << xmlEscaped(formatted(v.name, fileId)) << "\"";
    out << " Type=\"" << (isDword ? "integer" : "string") << "\" Value=\""
        << xmlEscaped(isDword ? dwordText(v.data) : formatted(v.data, fileId)) << "\"";
    // The component's key path: the installer's sign that the product is in place.
    if (!keyPathGiven) out << " KeyPath=\"yes\"";
    keyPathGiven = true;
    out << "/>\n";
  }
  // "-" without a value: the key goes, with everything below it, when the product is removed.
  for (const std::string& key : set.ownKeys)
    out << "  <RegistryValue Root=\"HKCU\" Key=\"" << xmlEscaped(key)
        << "\" Name=\"-\" Type=\"string\" Value=\"\"/>\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || (std::string(argv[1]) != "32" && std::string(argv[1]) != "64")) {
    std::cerr << "usage: RegistryInclude <32|64> <output.wxi>\n";
    return 2;
  }
  const int pointerBits = std::atoi(argv[1]);
  std::ofstream out(argv[2]);
  out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
         "<!-- Made by packaging/RegistryInclude.cpp from the add-in's and the control "
         "library's registration lists. -->\n"
         "<Include>\n";
  const std::string module(1, kModuleMark);
  bool keyPathGiven = false;
  writeSet(out, qh::core::addinRegistration(module), "Quillhour.dll", keyPathGiven);
  writeSet(out, qh::controls::controlsRegistration(module, pointerBits), "QuillhourControls.dll",
           keyPathGiven);
  out << "</Include>\n";
  out.close();
  if (!out) {
    std::cerr << "RegistryInclude: cannot write " << argv[2] << "\n";
    return 1;
  }
  return 0;
}
