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
//
// With guides the moment takes, past each guide, the moment of its force
// (guides.h): it is still linear between the points and the guides, so a
// guide is one more node of the same sums.

#include "quorvel/analyses/movements.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "quorvel/analyses/section.h"
#include "quorvel/panels/display.h"

namespace quorvel {
namespace {

// A point of the bent centreline and the moment there; the moment is linear
// between one node and the next.
struct Node {
  Point at;
  double m;
};

// A run movements() can bend: its points and moments, not on one line, and
// any growth along x spread over some extent along x.
bool bendable(const Values& run) {
  const std::size_t n = run.run.size();
  if (n < 2 || run.moments.size() != n || !(run.EI != 0) || in_one_line(run)) return false;
  return !(run.run.back().x == 0 && run.growth_x != 0);
}

// Every node's movement, the first held: bending plus the free growth.
std::vector<Point> moved(const Values& run, const std::vector<Node>& nodes) {
  const Point far = run.run.back();
  const double strain_x = far.x == 0 ? run.expansion : run.growth_x / far.x;
  const double strain_y = far.y == 0 ? run.expansion : run.growth_y / far.y;

  std::vector<Point> out{Point{}};
  double m0 = 0;  // ∫m ds from point 1
  Point m1{};     // ∫m·r ds from point 1
  for (std::size_t k = 1; k < nodes.size(); ++k) {
    const Point a = nodes[k - 1].at, b = nodes[k].at;
    const double ma = nodes[k - 1].m, mb = nodes[k].m;
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    m0 += l * (ma + mb) / 2;
    m1.x += l * ((2 * ma + mb) * a.x + (ma + 2 * mb) * b.x) / 6;
    m1.y += l * ((2 * ma + mb) * a.y + (ma + 2 * mb) * b.y) / 6;
    // ∫κ·(b − r) ds = −(b·∫m − ∫m·r)/EI, turned by ẑ×: (x, y) → (−y, x)
    const double wx = -(b.x * m0 - m1.x) / run.EI, wy = -(b.y * m0 - m1.y) / run.EI;
    out.push_back({strain_x * b.x - wy, strain_y * b.y + wx});
  }
  return out;
}

}  // namespace

std::vector<Point> movements(const Values& values, const Material& material) {
  const Values run = with_material(values, material);
  if (!bendable(run)) return {};
  std::vector<Node> nodes;
  for (std::size_t k = 0; k < run.run.size(); ++k) nodes.push_back({run.run[k], run.moments[k]});
  return moved(run, nodes);
}

GuidedMovements movements(const Panel& panel, const Values& values, double g, const Material& material) {
  GuidedMovements out;
  const Values run = with_material(values, material);
  if (!bendable(run)) return out;
  const GuidedRun guided = with_guides(panel, values, g, std::nullopt, 1, material);
  const std::size_t n = run.run.size();
  if (guided.status != ElbowStatus::solved || guided.moments.size() != n) return out;

  std::vector<Node> nodes;
  std::array<std::size_t, 2> node_of{};
  const auto add_guide = [&](std::size_t i) {
    if (!guided.guides[i].held) return;
    node_of[i] = nodes.size();
    nodes.push_back({guided.guides[i].at, guided.guides[i].moment});
  };
  for (std::size_t k = 0; k < n; ++k) {
    if (k + 1 == n) add_guide(1);
    nodes.push_back({run.run[k], guided.moments[k]});
    if (k == 0) add_guide(0);
  }
  const std::vector<Point> all = moved(run, nodes);

  for (std::size_t j = 0; j < all.size(); ++j)
    if (!((guided.guides[0].held && j == node_of[0]) || (guided.guides[1].held && j == node_of[1])))
      out.points.push_back(all[j]);
  const std::array<std::pair<Point, Point>, 2> legs{std::pair{run.run[0], run.run[1]},
                                                    std::pair{run.run[n - 2], run.run[n - 1]}};
  for (std::size_t i = 0; i < 2; ++i) {
    GuideMovement& guide = out.guides[i];
    guide.leg = guided.guides[i].leg;
    guide.held = guided.guides[i].held;
    if (!guide.held) continue;
    const auto [a, b] = legs[i];
    const double l = std::hypot(b.x - a.x, b.y - a.y);
    guide.moved = all[node_of[i]];
    guide.along = (guide.moved.x * (b.x - a.x) + guide.moved.y * (b.y - a.y)) / l;
  }
  return out;
}

std::vector<MovementTexts> bend_point_texts(const std::vector<Point>& moved, std::string_view decimal_point) {
  std::vector<MovementTexts> texts;
  for (std::size_t k = 1; k + 1 < moved.size(); ++k)
    texts.push_back({fixed_text(moved[k].x, 3, 1, decimal_point), fixed_text(moved[k].y, 3, 1, decimal_point)});
  return texts;
}

}  // namespace quorvel
