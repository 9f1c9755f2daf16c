#include "plot/iCurveFit.h"

#include <cmath>
#include <utility>

#include "platform/Exception.h"

// Second derivatives by the tridiagonal sweep; both end slopes are "natural".
TiCubicSpline::TiCubicSpline(std::vector<double> x, std::vector<double> y)
    : X_(std::move(x)), Y_(std::move(y)), Y2_(X_.size(), 0.0) {
  const size_t n = X_.size();
  // Equal neighbours would divide by zero here and poison every later value.
  for (size_t i = 1; i < n; ++i)
    if (X_[i] == X_[i - 1]) throw Exception("Splint Error - xa's must be distinct");
  std::vector<double> u(n, 0.0);
  for (size_t i = 1; i + 1 < n; ++i) {
    const double sig = (X_[i] - X_[i - 1]) / (X_[i + 1] - X_[i - 1]);
    const double p = sig * Y2_[i - 1] + 2.0;
    Y2_[i] = (sig - 1.0) / p;
    const double slope = (Y_[i + 1] - Y_[i]) / (X_[i + 1] - X_[i]) - (Y_[i] - Y_[i - 1]) / (X_[i] - X_[i - 1]);
    u[i] = (6.0 * slope / (X_[i + 1] - X_[i - 1]) - sig * u[i - 1]) / p;
  }
  if (n == 0) return;
  Y2_[n - 1] = 0.0;
  for (size_t k = n - 1; k-- > 0;) Y2_[k] = Y2_[k] * Y2_[k + 1] + u[k];
}

double TiCubicSpline::Eval(double x) const {
  size_t lo = 0, hi = X_.size() - 1;
  while (hi - lo > 1) {
    const size_t k = (hi + lo) / 2;
    if (X_[k] > x)
      hi = k;
    else
      lo = k;
  }
  const double h = X_[hi] - X_[lo];
  if (h == 0.0) throw Exception("Splint Error - xa's must be distinct");
  const double a = (X_[hi] - x) / h, b = (x - X_[lo]) / h;
  return a * Y_[lo] + b * Y_[hi] + ((a * a * a - a) * Y2_[lo] + (b * b * b - b) * Y2_[hi]) * (h * h) / 6.0;
}

namespace {

size_t NearestIndex(const std::vector<double>& xs, double x) {
  size_t ns = 0;
  double dif = std::fabs(x - xs[0]);
  for (size_t i = 1; i < xs.size(); ++i) {
    const double dift = std::fabs(x - xs[i]);
    if (dift < dif) {
      ns = i;
      dif = dift;
    }
  }
  return ns;
}

}  // namespace

double PolynomialAt(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
  const size_t n = xs.size();
  if (n == 0) return 0.0;
  std::vector<double> c(ys), d(ys);
  size_t ns = NearestIndex(xs, x);
  double y = ys[ns];
  for (size_t m = 1; m < n; ++m) {
    for (size_t i = 0; i < n - m; ++i) {
      const double ho = xs[i] - x, hp = xs[i + m] - x;
      const double w = c[i + 1] - d[i];
      const double den = ho - hp;
      if (den == 0.0) throw Exception("Polynomial Interpolation Error - Pause in Routine Data");
      c[i] = ho * w / den;
      d[i] = hp * w / den;
    }
    // Take the correction that keeps the path closest to the centre.
    if (2 * ns < n - m)
      y += c[ns];
    else
      y += d[--ns];
  }
  return y;
}

double RationalAt(const std::vector<double>& xs, const std::vector<double>& ys, double x) {
  constexpr double Tiny = 1e-25;  // keeps a 0/0 from a zero value finite
  const size_t n = xs.size();
  if (n == 0) return 0.0;
  std::vector<double> c(n), d(n);
  size_t ns = 0;
  double hh = std::fabs(x - xs[0]);
  for (size_t i = 0; i < n; ++i) {
    const double h = std::fabs(x - xs[i]);
    if (h == 0.0) return ys[i];
    if (h < hh) {
      ns = i;
      hh = h;
    }
    c[i] = ys[i];
    d[i] = ys[i] + Tiny;
  }
  double y = ys[ns];
  for (size_t m = 1; m < n; ++m) {
    for (size_t i = 0; i < n - m; ++i) {
      const double w = c[i + 1] - d[i];
      const double h = xs[i + m] - x;
      const double t = (xs[i] - x) * d[i] / h;
      double dd = t - c[i + 1];
      if (dd == 0.0) throw Exception("Rational Interpolation Error - Pause in Routine Data");
      dd = w / dd;
      d[i] = c[i + 1] * dd;
      c[i] = t * dd;
    }
    if (2 * ns < n - m)
      y += c[ns];
    else
      y += d[--ns];
  }
  return y;
}
