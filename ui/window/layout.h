#pragma once

// Where every control of the window stands. Positions and sizes are in twips
// (1/1440 inch) in the window's client area, x to the right and y downward,
// exactly as the layout was drawn; the window turns them into device-independent
// pixels once, at 15 twips a pixel.

#include <array>
#include <span>
#include <string_view>

namespace quorvel::ui {

inline constexpr int twips_per_pixel = 15;
constexpr int to_pixels(int twips) noexcept {
  return twips / twips_per_pixel;
}  // every table value is a multiple of 15

// The window's normal (restored) client area.
inline constexpr int client_width = 4680;
inline constexpr int client_height = 3195;

inline constexpr int field_width = 645;
inline constexpr int field_height = 330;
inline constexpr int label_height = 225;
inline constexpr int button_height = 480;

struct LabelPlace {
  int left = 0, top = 0, width = 0;  // width 0: no label
};

// A field with the label before it (its symbol) and after it (its unit). The
// texts of the labels come from the panel's table in the calculation core.
struct FieldPlace {
  std::string_view name;
  int left, top;
  LabelPlace symbol;
  LabelPlace unit;
};

struct ButtonPlace {
  std::string_view name;
  int left, top, width;
};

// A straight line; `member` is its index in a control array, -1 for a line
// that stands alone.
struct LinePlace {
  std::string_view name;
  int member;
  int x1, y1, x2, y2;
};

// A symbol of the schematic drawings (member of Label1).
struct SymbolPlace {
  int member;
  std::string_view text;
  int left, top, width, height;
};

// One panel's controls, joined to the panel's table by position: the n-th
// input place is the n-th input field of the panel, and so on.
struct PanelLayout {
  std::span<const FieldPlace> inputs;   // in the panel's read order
  std::span<const FieldPlace> results;  // in its write order
  ButtonPlace compute, exit;
  std::span<const LinePlace> lines;  // its drawing (schematic.h)
  std::span<const SymbolPlace> symbols;
};

// One layout for each panel, in the order of quorvel::panels().
std::span<const PanelLayout> panel_layouts() noexcept;
std::span<const LinePlace> line_places() noexcept;  // drawings and panel separators
std::span<const LinePlace> separator_places() noexcept;
std::span<const SymbolPlace> symbol_places() noexcept;

// Object names of the fields and buttons in keyboard focus order.
std::span<const std::string_view> focus_order() noexcept;

}  // namespace quorvel::ui
