// Curves through a channel's points, evaluated once per pixel column by the
// curved trace styles: a natural cubic spline, one interpolating polynomial
// (Neville) and one diagonal rational function (Bulirsch-Stoer). The
// polynomial and rational curves use every point and are meant for small
// data sets: each evaluation costs O(n^2).
#pragma once
#include <vector>

// A natural cubic spline (zero second derivative at both ends) through
// ascending, distinct X values; at least two points.
class TiCubicSpline {
 public:
  // Raises "Splint Error - xa's must be distinct" on two equal neighbours.
  TiCubicSpline(std::vector<double> x, std::vector<double> y);
  double Eval(double x) const;

 private:
  std::vector<double> X_, Y_, Y2_;
};

// Raises "Polynomial Interpolation Error - Pause in Routine Data" on two
// equal X values.
double PolynomialAt(const std::vector<double>& xs, const std::vector<double>& ys, double x);
// Raises "Rational Interpolation Error - Pause in Routine Data" at a pole.
double RationalAt(const std::vector<double>& xs, const std::vector<double>& ys, double x);
