#include "quorvel/section.h"

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

}  // namespace quorvel
