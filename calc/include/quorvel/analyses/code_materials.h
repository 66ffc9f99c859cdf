#pragma once

// The pipe materials of the code check (code_check.h), as their code tables
// give them: E(T), the thermal expansion, the basic allowable stress S(T) and
// the specified minimum tensile strength. A table ends where no public copy
// of it could be read; outside its rows a quantity has no value, and the
// engineer gives it (the check's user values). docs/engineering.md names
// every table. The panels' own material stays carbon_steel() (material.h).

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quorvel {

// One row of a code table, in the table's own units.
struct CodeRow {
  double T, value;
};

// A quantity's table as printed: temperatures in °F or ℃, values in the
// table's unit, `to_si` times which is the SI value (Msi → Pa).
struct CodeTable {
  std::span<const CodeRow> rows;  // by rising T; empty: the grade has no confirmed table
  bool fahrenheit = false;
  double to_si = 1;
  std::string_view source;  // the table, its edition and where it was read

  bool empty() const noexcept { return rows.empty(); }
  double coldest() const noexcept;  // ℃
  double hottest() const noexcept;  // ℃
  // Straight between the rows around T ℃, in SI; none outside the rows.
  std::optional<double> at(double T) const noexcept;
};

struct CodeMaterial {
  std::string_view key;        // "a106b": how --material names it, in any case
  std::string_view grade;      // "carbon steel A106 Gr. B"
  std::string_view standards;  // "ASTM A106 Gr. B (and A53 Gr. B)"
  CodeTable E;                 // modulus of elasticity, Pa
  // Mean coefficient of thermal expansion from 70 °F (21.1 ℃) to T, per °F
  // after to_si; the strain from 70 °F to T is that times (T − 70 °F).
  CodeTable expansion;
  CodeTable S;                                            // basic allowable stress, Pa
  std::optional<double> tensile_strength = std::nullopt;  // specified minimum, Pa
  std::string_view tensile_source = {};
  bool ferrous = true;

  // E at 21 ℃ (70 °F), the code's reference modulus Ea.
  std::optional<double> reference_E() const noexcept;
  // The strain (m/m) from `from` to `to` ℃; none where either is outside the table.
  std::optional<double> expansion_between(double from, double to) const noexcept;
};

// The reference temperature of Ea and of the expansion tables: 70 °F.
inline constexpr double kReferenceF = 70;
double celsius(double fahrenheit) noexcept;

// Every grade, in the order --materials lists them.
std::span<const CodeMaterial> code_materials() noexcept;
// The grade with this key in any letter case; none for an unknown key.
const CodeMaterial* code_material(std::string_view key) noexcept;

// "Sh of a106b at 450 ℃: outside its table, -28.9 to 426.7 ℃": why a
// quantity has no value, naming the temperature and the range.
std::string outside_text(const CodeMaterial& material, std::string_view quantity, const CodeTable& table, double T,
                         std::string_view decimal_point = ".");

// A temperature as the messages write it: one decimal, no trailing zero.
std::string celsius_text(double T, std::string_view decimal_point = ".");

}  // namespace quorvel
