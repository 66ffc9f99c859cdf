#include "frame.h"

#include <cmath>

namespace frame {

namespace {

long double det3(const long double a[3][3]) {
  return a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
         a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
}

}  // namespace

Reactions solve_clamped(std::span<const Point> points, long double ei, long double dx, long double dy,
                        std::span<const long double> flexibility) {
  // Centreline integrals of 1, x, y, x², xy and y² over ds, each times the
  // segment's flexibility; along a straight leg from a to b they are exact in
  // the end coordinates.
  long double s = 0, sx = 0, sy = 0, sxx = 0, sxy = 0, syy = 0;
  for (std::size_t k = 1; k < points.size(); ++k) {
    const Point a = points[k - 1], b = points[k];
    const long double l = std::hypot(b.x - a.x, b.y - a.y) * (flexibility.empty() ? 1 : flexibility[k - 1]);
    s += l;
    sx += l * (a.x + b.x) / 2;
    sy += l * (a.y + b.y) / 2;
    sxx += l * (a.x * a.x + a.x * b.x + b.x * b.x) / 3;
    syy += l * (a.y * a.y + a.y * b.y + b.y * b.y) / 3;
    sxy += l * (2 * a.x * a.y + a.x * b.y + b.x * a.y + 2 * b.x * b.y) / 6;
  }

  // Release the first point and keep the last clamped. By the complementary
  // energy of bending, the first point turns by ∫m ds/EI and moves by
  // ∫m·y ds/EI along x and by -∫m·x ds/EI along y. Clamped, it must not turn,
  // and its elastic displacement must undo the free expansion (dx, dy).
  // Unknowns in the order M1, Fx, Fy.
  const long double a[3][3] = {{s, sy, -sx}, {sy, syy, -sxy}, {-sx, -sxy, sxx}};
  const long double rhs[3] = {0, ei * dx, ei * dy};
  const long double d = det3(a);
  long double x[3];
  for (int col = 0; col < 3; ++col) {  // Cramer's rule
    long double m[3][3];
    for (int r = 0; r < 3; ++r)
      for (int c = 0; c < 3; ++c) m[r][c] = c == col ? rhs[r] : a[r][c];
    x[col] = det3(m) / d;
  }

  Reactions out{x[0], x[1], x[2], {}};
  for (const Point& p : points) out.moments.push_back(out.M1 - out.Fy * p.x + out.Fx * p.y);
  return out;
}

}  // namespace frame
