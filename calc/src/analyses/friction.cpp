#include "quorvel/analyses/friction.h"

#include <cmath>

namespace quorvel {

AnchorLoads anchor_loads(const std::vector<Point>& run, Point start_force, Point far_force, double w, double mu) {
  if (run.size() < 2) return {};
  // |the force along the leg from `anchor` to `bend`| + μ·w·ℓ
  const auto load = [&](Point anchor, Point bend, Point force) {
    const double l = std::hypot(bend.x - anchor.x, bend.y - anchor.y);
    const double along = l > 0 ? (force.x * (bend.x - anchor.x) + force.y * (bend.y - anchor.y)) / l : 0;
    return std::fabs(along) + mu * w * l;
  };
  const std::size_t n = run.size();
  return {load(run[0], run[1], start_force), load(run[n - 1], run[n - 2], far_force)};
}

}  // namespace quorvel
