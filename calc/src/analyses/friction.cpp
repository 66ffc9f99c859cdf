#include "quorvel/analyses/friction.h"

#include <cmath>

#include "quorvel/text/decimal.h"

namespace quorvel {

std::optional<Friction> parse_friction(std::string_view text) {
  const std::size_t comma = text.find(',');
  const auto number = [](std::string_view part) -> std::optional<double> {
    const auto value = parse_decimal(part, ".");
    if (!value || compare(*value, {}) < 0 || !std::isfinite(to_double(*value))) return std::nullopt;
    return to_double(*value);
  };
  const auto w = number(text.substr(0, comma));
  if (!w) return std::nullopt;
  if (comma == std::string_view::npos) return Friction{*w};
  const auto mu = number(text.substr(comma + 1));
  if (!mu) return std::nullopt;
  return Friction{*w, *mu};
}

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
