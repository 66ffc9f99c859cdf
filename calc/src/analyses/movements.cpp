// With point 1 clamped, a section at arc length s turns by φ(s) = ∫κ ds from
// point 1, κ = −m/EI (m as the panels take it: the moment of the anchor's
// reactions about the section), and a point P moves by the bending
// u(P) = ẑ × ∫κ·(P − r) ds over the run up to P. The moment is linear along
// a straight leg from a to b, so the leg contributes exactly
// ∫m ds = ℓ·(ma + mb)/2 and ∫m·r ds = ℓ·((2ma + mb)·a + (ma + 2mb)·b)/6.
//
// The thermal growth of P is e·y across; along x the run's growth growth_x
// (e·L for the offset and the loop) is spread in proportion to x, so that
// both anchors are held by the same reactions the calculation found.

#include "quorvel/analyses/movements.h"

#include <cmath>

#include "quorvel/analyses/section.h"
#include "quorvel/panels/display.h"

namespace quorvel {

std::vector<Point> movements(const Values& values, const Material& material) {
  const Values run = with_material(values, material);
  const std::size_t n = run.run.size();
  if (n < 2 || run.moments.size() != n || !(run.EI != 0) || in_one_line(run)) return {};
  const Point far = run.run.back();
  if (far.x == 0 && run.growth_x != 0) return {};
  const double strain_x = far.x == 0 ? run.expansion : run.growth_x / far.x;
  const double strain_y = far.y == 0 ? run.expansion : run.growth_y / far.y;

  std::vector<Point> moved{Point{}};
  double m0 = 0;  // ∫m ds from point 1
  Point m1{};     // ∫m·r ds from point 1
  for (std::size_t k = 1; k < n; ++k) {
    const Point a = run.run[k - 1], b = run.run[k];
    const double ma = run.moments[k - 1], mb = run.moments[k];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    m0 += l * (ma + mb) / 2;
    m1.x += l * ((2 * ma + mb) * a.x + (ma + 2 * mb) * b.x) / 6;
    m1.y += l * ((2 * ma + mb) * a.y + (ma + 2 * mb) * b.y) / 6;
    // ∫κ·(b − r) ds = −(b·∫m − ∫m·r)/EI, turned by ẑ×: (x, y) → (−y, x)
    const double wx = -(b.x * m0 - m1.x) / run.EI, wy = -(b.y * m0 - m1.y) / run.EI;
    moved.push_back({strain_x * b.x - wy, strain_y * b.y + wx});
  }
  return moved;
}

std::vector<MovementTexts> bend_point_texts(const std::vector<Point>& moved, std::string_view decimal_point) {
  std::vector<MovementTexts> texts;
  for (std::size_t k = 1; k + 1 < moved.size(); ++k)
    texts.push_back({fixed_text(moved[k].x, 3, 1, decimal_point), fixed_text(moved[k].y, 3, 1, decimal_point)});
  return texts;
}

}  // namespace quorvel
