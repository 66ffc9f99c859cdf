#include "plain.h"

#include <cmath>

#include "quorvel/display.h"
#include "quorvel/fields.h"

namespace quorvel::plain {
namespace {

constexpr double kPi = 3.1415926;
constexpr double kPiSection = 3.14159;  // the loop's second moment of area and points 1 to 3

double single(double x) {
  return static_cast<float>(x);
}
double pw(double x, int n) {
  return std::pow(x, n);
}

double whole_field(const std::string& text, std::string_view dp) {
  return read_whole(text, dp).value();
}
double real_field(const std::string& text, std::string_view dp) {
  return read_real(text, dp).value();
}
double double_field(const std::string& text, std::string_view dp) {
  return read_double(text, dp).value();
}

struct Reactions {
  double M1, Fx, Fy;
};

Reactions eliminate(double A11, double A12, double A13, double A21, double A22, double A23, double A31, double A32,
                    double A33, double B1, double B2) {
  const double P1 = A12 * A21 - A11 * A22;
  const double P2 = A13 * A21 - A11 * A23;
  const double P3 = B1 * A21 - A11 * B2;
  const double P4 = A12 * A31 - A32 * A11;
  const double P5 = A13 * A31 - A11 * A33;
  const double P6 = B1 * A31;
  const double M1 = (P6 * P1 - P4 * P3) / (P2 * P4 - P5 * P1);
  const double Fx = -(P3 + P2 * M1) / P1;
  const double Fy = -(A12 * Fx + A13 * M1 + B1) / A11;
  return {M1, Fx, Fy};
}

class Texts {
 public:
  explicit Texts(std::string_view dp) : dp_(dp) {}
  void tenths(double v) { texts_.push_back(number_text(std::floor(v + 0.5) / 10, dp_)); }
  void ratio(double stress, double allowable) {
    const double r = stress / allowable;
    texts_.push_back(number_text(std::fabs(std::floor(100 * r + 0.5) / 100), dp_));
  }
  std::vector<std::string> take() { return std::move(texts_); }

 private:
  std::string_view dp_;
  std::vector<std::string> texts_;
};

}  // namespace

std::vector<std::string> bend(std::span<const std::string> in, std::string_view dp) {
  const double T = whole_field(in[0], dp);
  const double D = real_field(in[1], dp);
  const double t = real_field(in[2], dp);
  const double L1 = real_field(in[3], dp);
  const double L2 = real_field(in[4], dp);
  const double alpha = real_field(in[5], dp);

  const double theta = single((alpha - 90) * kPi / 180);
  const double Dm = single(D / 1000);
  const double tm = single(t / 1000);
  const double s = std::sin(theta);
  const double c = std::cos(theta);

  const double A11 = pw(s, 2) * pw(L2, 3) / 12 + (pw(L1, 3) / 3 + pw(L2 * s / 2 + L1, 2) * L2);
  const double A12 = -(pw(L2, 3) * s * c / 3 + pw(L2, 2) * L1 * c / 2);
  const double A13 = -((pw(L1, 2) + pw(L2, 2) * s) / 2 + L2 * L1);
  const double A21 = -(pw(L2, 3) * c * s / 3 + pw(L2, 2) * L1 * c / 2);
  const double A22 = pw(c, 2) * pw(L2, 3) / 3;
  const double A23 = pw(L2, 2) * c / 2;
  const double A31 = -(pw(L2, 2) * s / 2 + (pw(L1, 2) / 2 + L2 * L1));
  const double A32 = pw(L2, 2) * c / 2;
  const double A33 = single(L2 + L1);

  const double E = pw(10, 11) * 1.96;
  const double H = pw(Dm, 4) - pw(Dm - (tm + tm), 4);
  const double I = H * kPi / 64;
  const double EI = E * I;
  const double e = pw(T, 2) * 0.005259 / pw(10, 6) + T * 0.011182 / 1000;
  const double B1 = (-e) * EI * L2 * c;
  const double B2 = (-e) * EI * (L2 * s + L1);

  const auto [M1, Fx, Fy] = eliminate(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2);

  const double sigma1 = M1 * 32 * Dm / (H * kPi);
  const double sigma2 = single(Dm * 32) * (M1 - Fy * L1) / (H * kPi);
  const double sigma3 = (M1 - Fy * (L2 * s + L1) + Fx * L2 * c) * 32 * Dm / (H * kPi);
  const double allowable = pw(10, 7) * 8;

  Texts out(dp);
  out.tenths(M1);
  out.tenths(Fx);
  out.tenths(Fy);
  out.ratio(sigma1, allowable);
  out.ratio(sigma2, allowable);
  out.ratio(sigma3, allowable);
  return out.take();
}

std::vector<std::string> offset(std::span<const std::string> in, std::string_view dp) {
  const double T = whole_field(in[0], dp);
  const double D_mm = real_field(in[1], dp);
  const double t_mm = real_field(in[2], dp);
  const double L1 = real_field(in[3], dp);
  const double L2 = real_field(in[4], dp);
  const double L3 = double_field(in[5], dp);
  const double L = double_field(in[6], dp);
  const double alpha = real_field(in[7], dp);

  const double theta = single((alpha - 90) * kPi / 180);
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  const double D = single(D_mm / 1000);
  const double t = single(t_mm / 1000);

  const double A11 = pw(L1, 3) / 3 + pw(L2 * s / 2 + L1, 2) * L2 + pw(s, 2) * pw(L2, 3) / 12 +
                     L3 * pw(L2 * s + L1 + L3 / 2, 2) + pw(L3, 3) / 12;
  const double A12 = -(pw(L2, 3) * s * c / 3 + pw(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                       pw(L2, 2) * L3 * c * s + L2 * pw(L3, 2) * c / 2);
  const double A13 = -((pw(L1, 2) + pw(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pw(L3, 2) / 2);
  const double A21 = -(pw(L2, 3) * c * s / 3 + pw(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c +
                       pw(L2, 2) * L3 * c * s + L2 * pw(L3, 2) * c / 2);
  const double A22 = pw(c, 2) * pw(L2, 3) / 3 + pw(L2, 2) * L3 * pw(c, 2);
  const double A23 = pw(L2, 2) * c / 2 + L2 * L3 * c;
  const double A31 = -(pw(L2, 2) * s / 2 + (pw(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pw(L3, 2) / 2);
  const double A32 = pw(L2, 2) * c / 2 + L2 * L3 * c;
  const double A33 = single(L2 + L1) + L3;

  const double I = (pw(D, 4) - pw(D - 2 * t, 4)) * kPi / 64;
  const double E = pw(10, 11) * 1.96;
  const double EI = E * I;
  const double e = pw(T, 2) * 0.005259 / pw(10, 6) + T * 0.011182 / 1000;
  const double B1 = (-e) * EI * L2 * c;
  const double B2 = (-e) * EI * L;

  const auto [M1, Fx, Fy] = eliminate(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2);

  const double m2 = M1 - Fy * L1;
  const double m3 = M1 - Fy * (L2 * s + L1) + Fx * L2 * c;
  const double m4 = M1 + Fx * L2 * c - Fy * ((L2 * s + L1) + L3);
  const double W64 = (pw(D, 4) - pw(D - 2 * t, 4)) * kPi;
  const double sigma1 = M1 * 32 * D / W64;
  const double sigma2 = single(32 * D) * m2 / W64;
  const double sigma3 = m3 * 32 * D / W64;
  const double sigma4 = m4 * 32 * D / W64;
  const double allowable = pw(10, 7) * 8;

  Texts out(dp);
  out.tenths(M1);
  out.tenths(m4);
  out.tenths(Fx);
  out.tenths(Fy);
  out.ratio(sigma1, allowable);
  out.ratio(sigma2, allowable);
  out.ratio(sigma3, allowable);
  out.ratio(sigma4, allowable);
  return out.take();
}

std::vector<std::string> loop(std::span<const std::string> in, std::string_view dp) {
  const double T = whole_field(in[0], dp);
  const double D_mm = real_field(in[1], dp);
  const double t_mm = real_field(in[2], dp);
  const double L1 = real_field(in[3], dp);
  const double L2 = real_field(in[4], dp);
  const double L3 = double_field(in[5], dp);
  const double L4 = double_field(in[6], dp);
  const double L5 = double_field(in[7], dp);
  const double L = double_field(in[8], dp);
  const double alpha = real_field(in[9], dp);
  const double beta = double_field(in[10], dp);

  const double theta = (alpha - 90) * kPi / 180;
  const double phi = (beta - 90) * kPi / 180;
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  const double sp = std::sin(phi);
  const double cp = std::cos(phi);
  const double D = single(D_mm / 1000);
  const double t = single(t_mm / 1000);

  const double A11 = pw(s, 2) * pw(L2, 3) / 3 + (pw(L2, 2) * L1 * s + (pw(L1, 3) / 3 + pw(L1, 2) * L2)) +
                     pw(L1 + L3 + L2 * s + L4 * sp / 2, 2) * L4 + pw(L4, 3) * pw(sp, 2) / 12 +
                     pw(L1 + L3 + L2 * s + L4 * sp + L5 / 2, 2) * L5 + pw(L5, 3) / 12 +
                     pw(L2 * s + L1 + L3 / 2, 2) * L3 + pw(L3, 3) / 12;
  // A21 is formed by the same formula as A12, and A32 by that of A23: anew.
  const auto xy_integral = [&] {
    return pw(L2, 3) * s * c / 3 + pw(L2, 2) * L1 * c / 2 + single(L2 * L1) * L3 * c + pw(L2, 2) * L3 * c * s +
           L2 * pw(L3, 2) * c / 2 + (L1 + L3 + L2 * s) * L2 * c * L4 - (L1 + L3 + L2 * s) * cp * pw(L4, 2) / 2 +
           L2 * c * sp * pw(L4, 2) / 2 - pw(L4, 3) * sp * cp / 3 +
           (L2 * c - L4 * cp) * ((L1 + L3 + L2 * s + L4 * sp) * L5 + pw(L5, 2) / 2);
  };
  const auto y_integral = [&] {
    return -(pw(L2, 2) * c / 2 + L2 * L3 * c + L2 * L4 * c - pw(L4, 2) * cp / 2 + (L2 * c - L4 * cp) * L5);
  };
  const double A12 = xy_integral();
  const double A13 =
      -((pw(L1, 2) + pw(L2, 2) * s) / 2 + L2 * L1 + L1 * L3 + L2 * L3 * s + pw(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pw(L4, 2) * sp / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sp + pw(L5, 2) / 2);
  const double A21 = xy_integral();
  const double A22 = pw(c, 2) * pw(L2, 3) / 3 + pw(L2, 2) * L3 * pw(c, 2) + pw(L4, 3) * pw(cp, 2) / 3 +
                     pw(L2, 2) * L4 * pw(c, 2) - L2 * pw(L4, 2) * c * cp + pw(L2 * c - L4 * cp, 2) * L5;
  const double A23 = y_integral();
  const double A31 =
      -(pw(L2, 2) * s / 2 + (pw(L1, 2) / 2 + L2 * L1) + L1 * L3 + L2 * L3 * s + pw(L3, 2) / 2 + L1 * L4 + L3 * L4 +
        L2 * L4 * s + pw(L4, 2) * sp / 2 + L1 * L5 + L3 * L5 + L2 * L5 * s + L4 * L5 * sp + pw(L5, 2) / 2);
  const double A32 = y_integral();
  const double A33 = single(L2 + L1) + L3 + L4 + L5;

  const double E = pw(10, 11) * 1.96;
  const double I = (pw(D, 4) - pw(D - (t + t), 4)) * kPiSection / 64;
  const double EI = E * I;
  const double dT = T - 20;  // within 16 bits for every accepted temperature above -32748
  const double e = std::fabs(dT) * 0.01315 / 1000 + T * 0.011182 / 1000;
  const double B1 = (-e) * EI * (L2 * c - L4 * cp);
  const double B2 = e * EI * L;

  const auto [M1, Fx, Fy] = eliminate(A11, A12, A13, A21, A22, A23, A31, A32, A33, B1, B2);

  const double W64a = (pw(D, 4) - pw(D - (t + t), 4)) * kPiSection;
  const double W64b = (pw(D, 4) - pw(D - (t + t), 4)) * kPi;
  const double sigma1 = M1 * 32 * D / W64a;
  const double m2 = M1 - Fy * L1;
  const double sigma2 = single(32 * D) * m2 / W64a;
  const double m3 = M1 - Fy * (L2 * s + L1) - Fx * L2 * c;
  const double sigma3 = m3 * 32 * D / W64a;
  const double m4 = M1 - Fx * L2 * c - Fy * ((L2 * s + L1) + L3);
  const double sigma4 = m4 * 32 * D / W64b;
  const double m5 = M1 - Fy * (L1 + L3 + L2 * s + L4 * sp) - Fx * (L2 * c - L4 * cp);
  const double sigma5 = m5 * 32 * D / W64b;
  const double m6 = M1 - Fy * (L2 * s + L1 + L3 + L4 * sp + L5) - Fx * (L2 * c - L4 * cp);
  const double sigma6 = m6 * 32 * D / W64b;
  const double allowable = pw(10, 6) * 80;

  Texts out(dp);
  out.tenths(M1);
  out.tenths(M1 - Fy * (L1 + L3 + L2 * s + L4 * sp + L5) - Fx * (L2 * c - L4 * cp));  // Mz2
  out.tenths(Fx);
  out.tenths(Fy);
  out.ratio(sigma1, allowable);
  out.ratio(sigma2, allowable);
  out.ratio(sigma3, allowable);
  out.ratio(sigma4, allowable);
  out.ratio(sigma5, allowable);
  out.ratio(sigma6, allowable);
  return out.take();
}

}  // namespace quorvel::plain
