#include <iostream>

#include "apps/quillhour/Program.h"

int main(int argc, char** argv) {
  return qh::app::Program(std::cout, std::cerr).run(argc, argv);
}
