// shapes.cpp - areas and a tiny report
#include "shapes.h"

#include <cstdio>
#include <memory>
#include <vector>

namespace geometry {

double Circle::Area() const {
  const double pi = 3.14159265358979;
  return pi * radius_ * radius_;
}

}  // namespace geometry

// Prints every shape with its area and returns the total area.
double PrintShapes(const std::vector<std::unique_ptr<geometry::Shape>>& shapes) {
  double total = 0;
  for (const auto& shape : shapes) {
    std::printf("%-10s %8.2f\n", shape->Name().c_str(), shape->Area());
    total += shape->Area();
  }
  return total;
}

int main() {
  std::vector<std::unique_ptr<geometry::Shape>> shapes;
  shapes.push_back(std::make_unique<geometry::Rectangle>(2.0, 3.0));
  shapes.push_back(std::make_unique<geometry::Circle>(1.0));
  double total = PrintShapes(shapes);
  return total > 0 ? 0 : 1;
}
