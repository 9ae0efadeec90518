#include "tests/app/LibicalView.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace qh::app::testing {
namespace {

// Property names in upper case: iCalendar does not tell them apart by case.
std::string nameOf(const std::string& property) {
  std::string name = property.substr(0, property.find_first_of(";:"));
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return name;
}

LibicalComponent view(icalcomponent* c) {
  LibicalComponent out;
  out.kind = icalcomponent_kind_to_string(icalcomponent_isa(c));
  for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_ANY_PROPERTY); p;
       p = icalcomponent_get_next_property(c, ICAL_ANY_PROPERTY)) {
    char* text = icalproperty_as_ical_string_r(p);
    out.properties.emplace_back(text);
    icalmemory_free_buffer(text);
  }
  std::sort(out.properties.begin(), out.properties.end());
  for (icalcomponent* child = icalcomponent_get_first_component(c, ICAL_ANY_COMPONENT); child;
       child = icalcomponent_get_next_component(c, ICAL_ANY_COMPONENT))
    out.children.push_back(view(child));
  return out;
}

}  // namespace

const LibicalComponent& LibicalComponent::event(const std::string& uid) const {
  for (const LibicalComponent& child : children)
    if (child.kind == "VEVENT" && !child.only("UID").empty() &&
        child.only("UID").front().find(":" + uid) != std::string::npos)
      return child;
  throw std::runtime_error("no VEVENT with the UID " + uid);
}

std::vector<std::string> LibicalComponent::without(const std::vector<std::string>& names) const {
  std::vector<std::string> kept;
  for (const std::string& p : properties)
    if (std::find(names.begin(), names.end(), nameOf(p)) == names.end()) kept.push_back(p);
  return kept;
}

std::vector<std::string> LibicalComponent::only(const std::string& name) const {
  std::vector<std::string> found;
  for (const std::string& p : properties)
    if (nameOf(p) == name) found.push_back(p);
  return found;
}

LibicalComponent readWithLibical(const std::string& text) {
  icalcomponent* root = icalparser_parse_string(text.c_str());
  if (!root) throw std::runtime_error("libical cannot read the text");
  LibicalComponent out = view(root);
  icalcomponent_free(root);
  return out;
}

}  // namespace qh::app::testing
