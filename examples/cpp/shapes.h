// shapes.h - a small class hierarchy
#pragma once

#include <string>

namespace geometry {

// Base of every shape.
class Shape {
 public:
  virtual ~Shape() {}
  virtual double Area() const = 0;
  virtual std::string Name() const = 0;
};

// An axis-aligned rectangle.
class Rectangle : public Shape {
 public:
  Rectangle(double w, double h) : width_(w), height_(h) {}
  double Area() const override { return width_ * height_; }
  std::string Name() const override { return "rectangle"; }

 private:
  double width_;
  double height_;
};

// A circle given by its radius.
class Circle : public Shape {
 public:
  explicit Circle(double r) : radius_(r) {}
  double Area() const override;
  std::string Name() const override { return "circle"; }

 private:
  double radius_;
};

}  // namespace geometry
