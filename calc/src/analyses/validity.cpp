#include "quorvel/analyses/validity.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "quorvel/panels/display.h"
#include "quorvel/panels/fields.h"
#include "quorvel/text/text.h"

namespace quorvel {
namespace {

// How far the entered overall length may stand from the anchors' distance.
constexpr double kLengthTolerance = 0.01;
constexpr double kPi = 3.1415926;  // as the calculations turn angles

constexpr std::string_view kCold =
    "below %1 carbon steel turns brittle, which the fixed E = %2 and [S] = %3 do not describe";
constexpr std::string_view kHot = "above %1 carbon steel creeps, which the fixed E = %2 and [S] = %3 do not describe";
constexpr std::string_view kNoDiameter = "the outer diameter must be above 0";
constexpr std::string_view kNoWall = "a wall must be thicker than 0";
constexpr std::string_view kThickWall = "a wall must be thinner than half the diameter (%1)";
constexpr std::string_view kNegativeLeg = "a leg cannot be shorter than 0";
constexpr std::string_view kNoLegs = "every leg is 0 long, so there is no pipe run";
constexpr std::string_view kInLine =
    "an angle must lie strictly between 0° and 180°; at 0° and 180° the legs lie in line, which bending cannot carry";
constexpr std::string_view kNoLength = "the overall length must be above 0";
constexpr std::string_view kOtherLength = "the legs put the anchors %1 apart; L sets the free expansion";
constexpr std::string_view kFraction = "read as the whole number %1";
constexpr std::string_view kReasons[] = {kCold,        kHot,    kFraction, kNoDiameter, kNoWall,     kThickWall,
                                         kNegativeLeg, kNoLegs, kInLine,   kNoLength,   kOtherLength};

// What an input stands for, from its unit and symbol.
enum class Role { temperature, diameter, wall, leg, length, angle };

Role role_of(const InputField& field) {
  if (field.unit == "℃") return Role::temperature;
  if (field.unit == "°") return Role::angle;
  if (field.unit == "mm") return field.symbol == "D" ? Role::diameter : Role::wall;
  return field.symbol == "L" ? Role::length : Role::leg;
}

// Six significant digits, plainly as a result is written.
std::string plain(double v, std::string_view decimal_point) {
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 5).ptr;
  double rounded = v;
  std::from_chars(buf, end, rounded);
  return number_text(rounded, decimal_point);
}

std::string with_unit(double v, std::string_view unit, std::string_view decimal_point) {
  return plain(v, decimal_point) + (unit == "°" ? "" : " ") + std::string(unit);
}

class InputChecker {
 public:
  // Without `warnings` only the checks that say there is no pipe: a walk asks
  // at every value, and the warnings' texts would cost it more than the run.
  InputChecker(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point,
               const Material& material, bool warnings = true)
      : panel_(panel), dp_(decimal_point), material_(material), warnings_(warnings) {
    if (inputs.size() != panel.inputs.size()) throw std::invalid_argument("wrong number of input texts for this panel");
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const InputField& f = panel.inputs[i];
      const Real typed = read_double(inputs[i], dp_);
      typed_.push_back(typed.ok() ? std::optional(typed.value()) : std::nullopt);
      const Real r = f.kind == FieldKind::whole_number ? read_whole(inputs[i], dp_)
                     : f.kind == FieldKind::real       ? read_real(inputs[i], dp_)
                                                       : read_double(inputs[i], dp_);
      values_.push_back(r.ok() ? std::optional(r.value()) : std::nullopt);
    }
  }

  std::vector<InputCheck> run() {
    for (std::size_t i = 0; i < values_.size(); ++i)
      if (values_[i]) check(i, *values_[i]);
    return std::move(found_);
  }

 private:
  void check(std::size_t i, double v) {
    switch (role_of(panel_.inputs[i])) {
      case Role::temperature: {
        if (!warnings_) return;
        // Beyond the ends of the material's table, with E and [S] at the end passed.
        const TemperatureRange range = material_.range();
        if (v < range.coldest)
          warn(i, kCold, {degrees(range.coldest), gpa(), mpa(range.coldest)});
        else if (v > range.hottest)
          warn(i, kHot, {degrees(range.hottest), gpa(), mpa(range.hottest)});
        // The field keeps whole degrees: 70.5 is computed as 70, and says so here only.
        else if (typed_[i] && *typed_[i] != v)
          warn(i, kFraction, {degrees(v)}, *typed_[i]);
        return;
      }
      case Role::diameter:
        if (v <= 0) no_pipe(i, kNoDiameter);
        return;
      case Role::wall: {
        const auto D = first(Role::diameter);
        if (v <= 0)
          no_pipe(i, kNoWall);
        else if (D && *D > 0 && v >= *D / 2)
          no_pipe(i, kThickWall, {with_unit(*D / 2, "mm", dp_)});
        return;
      }
      case Role::leg:
        if (v < 0) no_pipe(i, kNegativeLeg);
        if (i == first_of(Role::leg) && no_legs()) no_pipe(i, kNoLegs);
        return;
      case Role::angle:
        if (!(v > 0 && v < 180)) no_pipe(i, kInLine);
        return;
      case Role::length: {
        const auto d = anchors_distance();
        if (v <= 0)
          no_pipe(i, kNoLength);
        else if (warnings_ && d && std::fabs(v - *d) > kLengthTolerance * std::fabs(*d))
          warn(i, kOtherLength, {with_unit(*d, "m", dp_)});
        return;
      }
    }
  }

  // The field named with its value as read, or as typed when that is what the check is about.
  void no_pipe(std::size_t i, std::string_view reason, std::vector<std::string> numbers = {}) {
    add(i, reason, std::move(numbers), std::nullopt, true);
  }
  void warn(std::size_t i, std::string_view reason, std::vector<std::string> numbers = {},
            std::optional<double> typed = std::nullopt) {
    add(i, reason, std::move(numbers), typed, false);
  }
  void add(std::size_t i, std::string_view reason, std::vector<std::string> numbers, std::optional<double> typed,
           bool no_pipe) {
    const InputField& f = panel_.inputs[i];
    found_.push_back(
        {i, f.symbol, with_unit(typed.value_or(*values_[i]), f.unit, dp_), reason, std::move(numbers), no_pipe});
  }

  std::string degrees(double v) const { return with_unit(v, "℃", dp_); }
  std::string gpa() const { return material_.modulus_gpa_text(dp_) + " GPa"; }
  std::string mpa(double T) const { return material_.allowable_mpa_text(T, dp_) + " MPa"; }

  std::size_t first_of(Role role) const {
    for (std::size_t i = 0; i < panel_.inputs.size(); ++i)
      if (role_of(panel_.inputs[i]) == role) return i;
    return panel_.inputs.size();
  }
  std::optional<double> first(Role role) const {
    const std::size_t i = first_of(role);
    return i < values_.size() ? values_[i] : std::nullopt;
  }

  // The values of every input with this role, in read order; none when one is no number.
  std::optional<std::vector<double>> all(Role role) const {
    std::vector<double> found;
    for (std::size_t i = 0; i < values_.size(); ++i) {
      if (role_of(panel_.inputs[i]) != role) continue;
      if (!values_[i]) return std::nullopt;
      found.push_back(*values_[i]);
    }
    return found;
  }

  bool no_legs() const {
    const auto legs = all(Role::leg);
    if (!legs) return false;
    for (double leg : *legs)
      if (leg != 0) return false;
    return true;
  }

  // Along the level legs: the legs alternate, level L1, L3, L5 and L2k tilted
  // by the k-th angle (α, β) from the perpendicular, by angle − 90°.
  std::optional<double> anchors_distance() const {
    const auto legs = all(Role::leg), angles = all(Role::angle);
    if (!legs || !angles) return std::nullopt;
    double x = 0;
    for (std::size_t k = 0; k < legs->size(); ++k) {
      const std::size_t angle = k / 2;  // L2 → α, L4 → β
      const bool tilted = k % 2 == 1 && angle < angles->size();
      x += tilted ? (*legs)[k] * std::sin(((*angles)[angle] - 90) * kPi / 180) : (*legs)[k];
    }
    return x;
  }

  const Panel& panel_;
  std::string_view dp_;
  const Material& material_;
  const bool warnings_;
  std::vector<std::optional<double>> values_;  // as the calculation reads them
  std::vector<std::optional<double>> typed_;   // as typed, fraction and all
  std::vector<InputCheck> found_;
};

}  // namespace

std::string InputCheck::text() const {
  return std::string(symbol) + " = " + entered + ": " + filled(reason, numbers);
}

std::vector<InputCheck> check_inputs(const Panel& panel, std::span<const std::string> inputs,
                                     std::string_view decimal_point, const Material& material) {
  return InputChecker(panel, inputs, decimal_point, material).run();
}

std::optional<InputCheck> no_pipe_reason(const Panel& panel, std::span<const std::string> inputs,
                                         std::string_view decimal_point) {
  std::vector<InputCheck> found = InputChecker(panel, inputs, decimal_point, carbon_steel(), false).run();
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

bool describes_a_pipe(const Panel& panel, std::span<const std::string> inputs, std::string_view decimal_point) {
  return !no_pipe_reason(panel, inputs, decimal_point);
}

std::span<const std::string_view> check_reasons() noexcept {
  return kReasons;
}

}  // namespace quorvel
