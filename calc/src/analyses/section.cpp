#include "quorvel/analyses/section.h"

#include <cmath>

#include "quorvel/panels/display.h"

namespace quorvel {

SectionData section_data(const Values& values, const Material& material) {
  const Values run = with_material(values, material);
  SectionData s;
  s.EI = run.EI;
  s.I = run.EI / material.reference_E();
  s.Z = s.I / (run.D / 2);
  s.across = run.growth_y;
  s.along = run.growth_x;
  if (!run.run.empty())
    s.anchors = std::hypot(run.run.back().x - run.run.front().x, run.run.back().y - run.run.front().y);
  for (std::size_t k = 1; k < run.run.size(); ++k)
    s.developed += std::hypot(run.run[k].x - run.run[k - 1].x, run.run[k].y - run.run[k - 1].y);
  return s;
}

SectionTexts section_texts(const SectionData& s, std::string_view dp) {
  return {fixed_text(s.I, 8, 2, dp),        fixed_text(s.Z, 6, 2, dp),     fixed_text(s.EI, -3, 3, dp),
          fixed_text(s.across, 3, 1, dp),   fixed_text(s.along, 3, 1, dp), fixed_text(s.anchors, 0, 3, dp),
          fixed_text(s.developed, 0, 3, dp)};
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
