#include "analyses/centreline.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quorvel::detail {
namespace {

// A leg's direction turns by less than this at a bend: the legs are in line.
constexpr double kInLine = 1e-6;

}  // namespace

bool finite(const Values& v) {
  bool ok = std::isfinite(v.D) && std::isfinite(v.t) && std::isfinite(v.EI) && std::isfinite(v.growth_x) &&
            std::isfinite(v.growth_y) && std::isfinite(v.allowable);
  for (const Point& p : v.run) ok = ok && std::isfinite(p.x) && std::isfinite(p.y);
  return ok && v.t > 0 && v.D - 2 * v.t >= 0 && v.EI > 0 && v.allowable > 0 && v.run.size() >= 3;
}

Point minus(Point p, Point o) {
  return {p.x - o.x, p.y - o.y};
}

void add(Integrals& sum, const Line& line, Point o) {
  const Point a = minus(line.a, o), b = minus(line.b, o);
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  sum.s += l;
  sum.x += l * (a.x + b.x) / 2;
  sum.y += l * (a.y + b.y) / 2;
  sum.xx += l * (a.x * a.x + a.x * b.x + b.x * b.x) / 3;
  sum.xy += l * (2 * a.x * a.y + a.x * b.y + b.x * a.y + 2 * b.x * b.y) / 6;
  sum.yy += l * (a.y * a.y + a.y * b.y + b.y * b.y) / 3;
}

void add(Integrals& sum, const Arc& arc, double R, double k, Point o) {
  const Point c = minus(arc.c, o);
  const double d = arc.to - arc.from, w = k * R;
  const double dsin = std::sin(arc.to) - std::sin(arc.from), dcos = std::cos(arc.to) - std::cos(arc.from);
  const double dsin2 = std::sin(2 * arc.to) - std::sin(2 * arc.from);
  const double dsinsq = std::pow(std::sin(arc.to), 2) - std::pow(std::sin(arc.from), 2);
  sum.s += w * d;
  sum.x += w * (c.x * d + R * dsin);
  sum.y += w * (c.y * d - R * dcos);
  sum.xx += w * (c.x * c.x * d + 2 * c.x * R * dsin + R * R * (d / 2 + dsin2 / 4));
  sum.xy += w * (c.x * c.y * d - c.x * R * dcos + c.y * R * dsin + R * R * dsinsq / 2);
  sum.yy += w * (c.y * c.y * d - 2 * c.y * R * dcos + R * R * (d / 2 - dsin2 / 4));
}

Centreline centreline(const std::vector<Point>& p, double R) {
  Centreline out;
  const std::size_t n = p.size();
  out.cut.assign(n, 0);  // the tangent length at each point
  std::vector<double>& cut = out.cut;
  std::vector<Point> dir(n - 1);
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double l = std::hypot(p[j + 1].x - p[j].x, p[j + 1].y - p[j].y);
    if (!(l > 0)) out.in_line = true;
    dir[j] = {(p[j + 1].x - p[j].x) / l, (p[j + 1].y - p[j].y) / l};
  }
  if (out.in_line) return out;
  for (std::size_t j = 1; j + 1 < n; ++j) {
    const Point u = dir[j - 1], v = dir[j];
    const double turn = std::atan2(u.x * v.y - u.y * v.x, u.x * v.x + u.y * v.y);
    if (std::fabs(turn) < kInLine) out.in_line = true;
    cut[j] = R * std::tan(std::fabs(turn) / 2);
    const Point a{p[j].x - cut[j] * u.x, p[j].y - cut[j] * u.y};
    const double side = turn > 0 ? 1 : -1;  // the centre lies on the side the run turns to
    const Point c{a.x - side * R * u.y, a.y + side * R * u.x};
    const double from = std::atan2(a.y - c.y, a.x - c.x);  // the arc sweeps by `turn` from there
    out.arcs.push_back({c, std::min(from, from + turn), std::max(from, from + turn)});
  }
  for (std::size_t j = 0; j + 1 < n; ++j) {
    const double l = std::hypot(p[j + 1].x - p[j].x, p[j + 1].y - p[j].y);
    if (!(cut[j] + cut[j + 1] <= l) && out.misfit == 0) out.misfit = static_cast<int>(j) + 1;
    out.lines.push_back({{p[j].x + cut[j] * dir[j].x, p[j].y + cut[j] * dir[j].y},
                         {p[j + 1].x - cut[j + 1] * dir[j].x, p[j + 1].y - cut[j + 1] * dir[j].y}});
  }
  return out;
}

Peak largest_on(const Arc& arc, double R, const Linear& m) {
  // On the arc m = m(c) + A·cos(φ − ψ): its largest magnitude at an end or
  // where φ − ψ is a multiple of π.
  const double mc = m.at(arc.c), A = R * std::hypot(m.b, m.c), psi = std::atan2(m.c, m.b);
  const auto at = [&](double phi) { return mc + A * std::cos(phi - psi); };
  Peak best{at(arc.from), arc.from};
  const auto keep = [&](double v, double phi) {
    if (std::fabs(v) > std::fabs(best.value)) best = {v, phi};
  };
  keep(at(arc.to), arc.to);
  for (double n = std::ceil((arc.from - psi) / std::numbers::pi); psi + n * std::numbers::pi <= arc.to; ++n)
    keep(mc + (std::fmod(n, 2) == 0 ? A : -A), psi + n * std::numbers::pi);
  return best;
}

}  // namespace quorvel::detail
