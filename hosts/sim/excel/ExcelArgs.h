#pragma once

#include "automation/Object.h"

namespace qh::sim {

class Range;
class Sheet;

// The simulated Excel's own object behind an argument, or nullptr for anything else.
Range* asRange(const Variant& v);
Sheet* asSheet(const Variant& v);

// A row number (1 to 1048576) or a column given as a number or as letters ("G"); anything
// else raises Excel's "Application-defined or object-defined error".
int rowArg(const Variant& v);
int columnArg(const Variant& v);

// A collection property reached with arguments is its Item: Sheets("Quillhour") reads
// Sheets.Item("Quillhour"), as Excel's default members work.
Variant collectionOrItem(const Ref<Object>& collection, Args& args);

}  // namespace qh::sim
