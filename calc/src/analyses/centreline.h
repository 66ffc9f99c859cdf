#pragma once

// The centreline of a run as the analyses beside the panels integrate it:
// the straight part of every leg and, with elbows, an arc at every bend; the
// integrals over each piece in closed form. Shared by elbows.cpp and
// guides.cpp.

#include <vector>

#include "quorvel/panels/panel.h"

namespace quorvel::detail {

// ∫ds, ∫x ds, ∫y ds, ∫x² ds, ∫xy ds, ∫y² ds, each times the flexibility.
struct Integrals {
  double s = 0, x = 0, y = 0, xx = 0, xy = 0, yy = 0;
};

struct Line {
  Point a, b;
};

struct Arc {
  Point c;                  // centre
  double from = 0, to = 0;  // the angles of its ends about the centre, from < to
};

// The run's values are finite and describe a pipe on at least two legs.
bool finite(const Values& v);

Point minus(Point p, Point o);

// Over a straight leg, about the origin o: the integrands are polynomials of
// degree two along it, exact from the ends.
void add(Integrals& sum, const Line& line, Point o);
// Over an arc (x, y) = c + R(cos φ, sin φ), ds = R dφ, weighted by k.
void add(Integrals& sum, const Arc& arc, double R, double k, Point o);

// The centreline with elbows of radius R (R = 0: sharp corners, no arcs but
// a point's worth at each bend): the straight part of every leg and every arc.
struct Centreline {
  std::vector<Line> lines;
  std::vector<Arc> arcs;
  std::vector<double> cut;  // at each point, how far its elbow reaches along both legs
  int misfit = 0;           // the first leg the elbows overrun
  bool in_line = false;
};
Centreline centreline(const std::vector<Point>& p, double R);

// A moment linear in the coordinates, m = a + b·x + c·y: the moment of the
// reactions at point 1 is M1 − Fy·x + Fx·y.
struct Linear {
  double a = 0, b = 0, c = 0;
  double at(Point p) const { return a + b * p.x + c * p.y; }
};

// The value of `m` of largest magnitude on an arc of radius R, and the angle
// φ about the centre where it is (for the force along the pipe there): at an
// end, or where m(c) + R·(b·cos φ + c·sin φ) peaks inside it.
struct Peak {
  double value = 0, phi = 0;
};
Peak largest_on(const Arc& arc, double R, const Linear& m);

}  // namespace quorvel::detail
