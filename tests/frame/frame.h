#pragma once

// A reference for the panel calculations, kept apart from the library: the
// exact force method for a plane frame of straight legs joined at sharp
// corners, clamped at both ends, with bending flexibility only.

#include <span>
#include <vector>

namespace frame {

struct Point {
  long double x = 0, y = 0;
};

// The reactions at the first point of the frame, in the convention where the
// bending moment at a centreline point (x, y) is m = M1 - Fy*x + Fx*y (Fx, Fy
// are the forces the anchor puts on the pipe there), and m at every point of
// the polyline, the first point first.
struct Reactions {
  long double M1 = 0, Fx = 0, Fy = 0;
  std::vector<long double> moments;
};

// `points` are the corners of the polyline, the first at the origin. (dx, dy)
// is how far the last point would move away from the first if the frame were
// free, ei the bending stiffness of straight pipe. `flexibility`, when given,
// holds for every segment how many times as flexible as straight pipe it is.
Reactions solve_clamped(std::span<const Point> points, long double ei, long double dx, long double dy,
                        std::span<const long double> flexibility = {});

}  // namespace frame
