#pragma once

// A pipe material as the analyses beside the panels take it: its modulus and
// allowable stress over the temperatures of its table, its free expansion
// and the law that gives it, and where those come from. The panels compute
// with one material, carbon_steel(); an analysis given another takes E·I,
// the expansion and [S] from it instead (with_material).

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "quorvel/panels/panel.h"

namespace quorvel {

// One row of a material's table: at T ℃ its modulus E and its allowable
// stress S, both in pascals.
struct MaterialRow {
  double T, E, S;
};

struct TemperatureRange {
  double coldest, hottest;  // ℃
};

struct Material {
  std::string_view name;               // "carbon steel"
  std::string_view source;             // where the table and the law come from
  std::span<const MaterialRow> table;  // by rising T, straight between rows; its ends bound the range
  double reference_T;                  // ℃: E there is the reference E, the one E·I is formed with
  double (*law)(double T);             // the free expansion per metre of pipe from 0 ℃ to T ℃
  std::string_view law_text;           // the law as the notes write it
  std::optional<double> tensile_strength = std::nullopt;  // the specified minimum, Pa, where one is specified

  // E and S at T ℃: the table's first or last row outside its range.
  double E(double T) const noexcept;
  double allowable(double T) const noexcept;
  double reference_E() const noexcept { return E(reference_T); }
  // Metres per metre of pipe heated from `from` to `to` ℃.
  double expansion(double from, double to) const noexcept { return law(to) - law(from); }
  TemperatureRange range() const noexcept { return {table.front().T, table.back().T}; }

  // The reference E in GPa and S at T in MPa, as the notes, the checks and
  // the help quote them: "196", "80".
  std::string modulus_gpa_text(std::string_view decimal_point) const;
  std::string allowable_mpa_text(double T, std::string_view decimal_point) const;
};

// An expansion (m/m) in mm/m as the note writes it: to 12 significant digits
// and shifted in decimal, so that no binary noise shows (0.8085091, not
// 0.8085091000000001); empty for a value that is not finite.
std::string expansion_text(double expansion, std::string_view decimal_point);

// The panels' material: carbon steel pipe, E = 196 GPa and [S] = 80 MPa at
// every temperature from -50 to 425 ℃. The panels form E, [S] and the
// expansion themselves, step-checked in their own order (calc/src/panels/equations.h);
// the material's test holds them equal to these.
const Material& carbon_steel() noexcept;

// The run's values with `material`: E·I from its reference E and the run's
// section, the expansion to the run's T from 0 ℃ (or from where it was
// installed, Values::installed_at), [S] at T, and the
// reactions, moments, stresses and results of the same frame, which are
// proportional to E·I·e. For carbon_steel() the run itself, as the panel
// formed it. Not finite where the run has no E·I·e to scale.
Values with_material(const Values& run, const Material& material);

}  // namespace quorvel
