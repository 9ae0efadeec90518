#pragma once

#include <string>

#include "forms/Control.h"

namespace qh::forms {

// A picture: one of the product's images, named by the image it shows (the window system
// finds the pixels by that name and draws them centred in the control's place).
class Picture : public Control {
 public:
  Picture(std::string name, std::string image, Rect rect, int tabIndex = -1);

  const char* kind() const override { return "Picture"; }
  const std::string& image() const { return image_; }

 private:
  std::string image_;
};

}  // namespace qh::forms
