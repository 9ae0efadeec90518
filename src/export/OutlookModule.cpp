#include "export/OutlookModule.h"

#include "core/LoggedSteps.h"

namespace qh::exporting {
namespace {

constexpr int olText = 1;
constexpr int olNumber = 3;
constexpr int olDateTime = 5;
constexpr int olYesNo = 6;

Ref<Object> findProperty(Object& item, const std::string& name) {
  try {
    return core::use(item.getObject("UserProperties")).getObject("Find", name);
  } catch (...) {
    return nullptr;
  }
}

Variant missingValue(std::int32_t kind, const Variant& defaultValue) {
  switch (kind) {
    case kKindInteger:
      try {
        return Variant(defaultValue.isNumeric() ? defaultValue.toInt16() : std::int16_t{0});
      } catch (...) {
        return Variant(std::int16_t{0});
      }
    case kKindDate:
      return Variant(Date());
    case kKindText:
      try {
        return Variant(defaultValue.toString());
      } catch (...) {
        return Variant(std::string());
      }
    case kKindYesNo:
      return Variant(false);
    default:
      return Variant();
  }
}

Variant storedValue(std::int32_t kind, const Variant& v, const Variant& defaultValue) {
  switch (kind) {
    case kKindInteger:
      return v.isNumeric() ? v : Variant(std::int16_t{0});
    case kKindDate:
      return v.isDate() ? Variant(v.toDate()) : Variant(Date());
    case kKindText: {
      std::string fallback;
      try {
        fallback = defaultValue.toString();
      } catch (...) {
      }
      const std::string text = v.toString();
      return Variant(!fallback.empty() && text.empty() ? fallback : text);
    }
    case kKindYesNo:
      return Variant(v.toBool());
    default:
      return Variant();
  }
}

int outlookType(std::int32_t kind) {
  switch (kind) {
    case kKindInteger:
      return olNumber;
    case kKindDate:
      return olDateTime;
    case kKindText:
      return olText;
    case kKindYesNo:
      return olYesNo;
    default:
      return 0;
  }
}

}  // namespace

Variant GetUserProperty(Object& item, const std::string& name, std::int32_t kind,
                        const Variant& defaultValue) {
  Ref<Object> property = findProperty(item, name);
  if (!property) return missingValue(kind, defaultValue);
  try {
    return storedValue(kind, property->get("Value"), defaultValue);
  } catch (...) {
    // An unreadable value gives no value at all, which no caller takes as true.
    return Variant();
  }
}

void SetUserProperty(Object* item, const std::string& name, const Variant& value, std::int32_t kind,
                     bool addToFolderFields) {
  if (!item) return;
  const int type = outlookType(kind);
  if (type == 0) return;
  try {
    Ref<Object> property = findProperty(*item, name);
    if (!property)
      property = core::use(item->getObject("UserProperties"))
                     .getObject("Add", name, type, addToFolderFields);
    if (!property) return;
    switch (kind) {
      case kKindInteger:
        property->put("Value", value.isNumeric() ? value : Variant(std::int16_t{0}));
        break;
      case kKindDate:
        if (value.isDate()) property->put("Value", value.toDate());
        break;
      case kKindText:
        property->put("Value", value.toString());
        break;
      case kKindYesNo:
        property->put("Value", value.toBool());
        break;
    }
  } catch (...) {
  }
}

void DeleteUserProperty(Object* item, const std::string& name) {
  if (!item) return;
  try {
    if (Ref<Object> property = findProperty(*item, name)) property->call("Delete");
  } catch (...) {
  }
}

}  // namespace qh::exporting
