#include "hosts/sim/excel/XmlScan.h"

#include <expat.h>

#include <limits>
#include <stdexcept>

namespace qh::sim::xml {
namespace {

struct Scan {
  std::string_view name;
  std::vector<Attributes> found;
};

void onStart(void* data, const XML_Char* element, const XML_Char** attributes) {
  auto& scan = *static_cast<Scan*>(data);
  if (scan.name != element) return;
  Attributes& a = scan.found.emplace_back();
  for (int i = 0; attributes[i]; i += 2) a[attributes[i]] = attributes[i + 1];
}

}  // namespace

std::vector<Attributes> elementsNamed(std::string_view document, std::string_view name) {
  if (document.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()))
    throw std::runtime_error("XML part too large");
  Scan scan{name, {}};
  XML_Parser parser = XML_ParserCreate(nullptr);
  if (!parser) throw std::runtime_error("out of memory");
  XML_SetUserData(parser, &scan);
  XML_SetStartElementHandler(parser, onStart);
  const bool ok =
      XML_Parse(parser, document.data(), static_cast<int>(document.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  if (!ok) throw std::runtime_error("malformed XML part");
  return std::move(scan.found);
}

}  // namespace qh::sim::xml
