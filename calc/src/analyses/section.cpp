#include "quorvel/analyses/section.h"

#include <cmath>

namespace quorvel {

SectionData section_data(const Values& run) noexcept {
  SectionData s;
  s.EI = run.EI;
  s.I = run.EI / kElasticModulus;
  s.Z = s.I / (run.D / 2);
  s.across = run.growth_y;
  s.along = run.growth_x;
  if (!run.run.empty())
    s.anchors = std::hypot(run.run.back().x - run.run.front().x, run.run.back().y - run.run.front().y);
  for (std::size_t k = 1; k < run.run.size(); ++k)
    s.developed += std::hypot(run.run[k].x - run.run[k - 1].x, run.run[k].y - run.run[k - 1].y);
  return s;
}

bool in_one_line(const Values& run) noexcept {
  if (run.run.size() < 2) return true;
  const Point a = run.run.front(), b = run.run.back();
  const double chord = std::hypot(b.x - a.x, b.y - a.y);
  double developed = 0, off = 0;  // the largest distance of a point from the chord
  for (std::size_t k = 1; k < run.run.size(); ++k) {
    const Point p = run.run[k];
    developed += std::hypot(p.x - run.run[k - 1].x, p.y - run.run[k - 1].y);
    if (chord > 0) off = std::fmax(off, std::fabs((p.x - a.x) * (b.y - a.y) - (p.y - a.y) * (b.x - a.x)) / chord);
  }
  return chord > 0 ? !(off > 1e-6 * developed) : !(developed > 0);
}

}  // namespace quorvel
