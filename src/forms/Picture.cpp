#include "forms/Picture.h"

namespace qh::forms {

Picture::Picture(std::string name, std::string image, Rect rect, int tabIndex)
    : Control(std::move(name), rect, tabIndex), image_(std::move(image)) {}

}  // namespace qh::forms
