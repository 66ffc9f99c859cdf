// Every control, line and schematic label at its place, and the lines really
// painted there.
#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expected_layout.h"
#include "window/layout.h"
#include "window/schematic.h"
#include "window_fixture.h"

namespace quorvel::ui::testing {
namespace {

using LayoutTest = WindowTest;

const QString kPanels[] = {"Two-leg bend", "Z-shaped offset", "Raised loop"};

QRect label_rect(const ExpectedLabel& label) {
  return {label.x, label.y, label.width, 15};
}

// A label stands at its place and height; it is as wide as the table says
// unless its text needs more, and it never cuts its text.
void expect_label_at(const QLabel* label, const QRect& place) {
  const QRect actual = label->geometry();
  EXPECT_EQ(actual.topLeft(), place.topLeft()) << label->text().toStdString();
  EXPECT_EQ(actual.height(), place.height()) << label->text().toStdString();
  EXPECT_GE(actual.width(), place.width()) << label->text().toStdString();
  EXPECT_GE(actual.width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
  if (actual.width() > place.width()) {
    EXPECT_EQ(actual.width(), label->sizeHint().width());
  }
}

TEST_F(LayoutTest, FieldsAndTheirLabels) {
  std::vector<QLabel*> labels;
  for (int i = 0; i < 85; ++i) {
    auto* label = window().findChild<QLabel*>(QString("Label2_%1").arg(i), Qt::FindDirectChildrenOnly);
    ASSERT_NE(label, nullptr) << i;
    labels.push_back(label);
  }
  EXPECT_EQ(window().findChild<QLabel*>("Label2_85"), nullptr);

  auto take_label = [&](const ExpectedLabel& expected) {
    auto it = std::find_if(labels.begin(), labels.end(), [&](const QLabel* l) {
      return l->text() == QString::fromUtf8(expected.text) && l->pos() == QPoint(expected.x, expected.y);
    });
    if (it == labels.end()) {
      ADD_FAILURE() << "no label " << expected.text << " at " << expected.x << ", " << expected.y;
      return;
    }
    expect_label_at(*it, label_rect(expected));
    labels.erase(it);
  };
  for (const ExpectedField& expected : kFields) {
    QLineEdit* edit = window().findChild<QLineEdit*>(expected.name, Qt::FindDirectChildrenOnly);
    ASSERT_NE(edit, nullptr) << expected.name;
    EXPECT_EQ(edit->geometry(), QRect(expected.x, expected.y, 43, 22)) << expected.name;
    EXPECT_GT(edit->maxLength(), 1 << 20) << expected.name;
    const QString symbol = QString::fromUtf8(expected.symbol.text);
    const QString unit = QString::fromUtf8(expected.unit.text);
    EXPECT_EQ(edit->accessibleName(), unit.isEmpty() ? symbol : symbol + ", " + unit) << expected.name;
    // What assistive technology announces: the panel, left or right of the lines between the panels.
    const QString& panel = kPanels[expected.x < 270 ? 0 : expected.x < 531 ? 1 : 2];
    EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description).toStdString(),
              panel.toStdString())
        << expected.name;
    take_label(expected.symbol);
    if (*expected.unit.text) take_label(expected.unit);
  }
  EXPECT_TRUE(labels.empty()) << labels.size() << " labels left over";
}

TEST_F(LayoutTest, FieldsLieOnTopOfLabelsReachingUnderThem) {
  const QObjectList& stack = window().children();  // lowest first
  int overlaps = 0;
  for (const QLabel* label : window().findChildren<QLabel*>())
    for (const QLineEdit* edit : window().findChildren<QLineEdit*>())
      if (label->geometry().intersects(edit->geometry())) {
        ++overlaps;
        EXPECT_LT(stack.indexOf(label), stack.indexOf(edit)) << edit->objectName().toStdString();
      }
  EXPECT_GE(overlaps, 13);  // at least every "S1/[S]" to "S6/[S]", whose places reach under their fields
}

TEST_F(LayoutTest, Buttons) {
  for (const ExpectedButton& expected : kButtons) {
    QPushButton* b = button(expected.name);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->geometry(), QRect(expected.x, expected.y, expected.width, expected.height)) << expected.name;
    EXPECT_EQ(b->text(), QString::fromUtf8(expected.caption)) << expected.name;
    EXPECT_FALSE(b->autoDefault()) << expected.name;
    EXPECT_FALSE(b->isDefault()) << expected.name;
    // Assistive technology tells the three 计算 and 退出 apart by their panel.
    const QString& panel = kPanels[expected.panel];
    const bool compute = b->text() == "计算";
    EXPECT_EQ(b->accessibleName(), (compute ? "Compute (" : "Exit (") + panel + ")") << expected.name;
    EXPECT_EQ(b->accessibleDescription(), panel + " panel") << expected.name;
    if (compute) {
      EXPECT_EQ(b->toolTip(), panel +
                                  ": computes the results from the inputs.\n"
                                  "Space or Enter: compute\n"
                                  "Ctrl+Shift+C: Copy calculation note\n"
                                  "Ctrl+S: Save calculation\n"
                                  "Ctrl+P: Print calculation sheet\n"
                                  "Ctrl+Shift+V: Paste calculation\n"
                                  "Ctrl+O: Open calculation");
    } else {
      EXPECT_EQ(b->toolTip(), "");
    }
  }
}

TEST_F(LayoutTest, SchematicLabels) {
  for (const ExpectedSymbol& expected : kSymbols) {
    auto* label = window().findChild<QLabel*>(QString("Label1_%1").arg(expected.member), Qt::FindDirectChildrenOnly);
    ASSERT_NE(label, nullptr) << expected.member;
    EXPECT_EQ(label->text(), QString::fromUtf8(expected.text)) << expected.member;
    expect_label_at(label, {expected.x, expected.y, expected.width, expected.height});
  }
  EXPECT_EQ(window().findChild<QLabel*>("Label1_16"), nullptr);
}

// Nearest to each bend whose angle a field sets stands that angle's symbol,
// in the window as drawn: in the loop α where L2 turns, β where L4 does.
TEST_F(LayoutTest, AngleSymbolsStandAtTheirBends) {
  struct Corner {
    const char* where;
    QPointF at;  // pixels, where two legs of the drawing meet
    const char* symbol;
  };
  const Corner corners[] = {
      {"bend: L2 and L1", {112, 49}, "α"},
      {"offset: L2 and L1", {381, 51}, "α"},
      {"loop: L3 and L2", {696, 66}, "α"},
      {"loop: L4 and L3", {639, 66}, "β"},
  };
  for (const Corner& c : corners) {
    const QLabel* nearest = nullptr;
    double best = 1e9;
    for (const QLabel* label : window().findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
      if (!label->objectName().startsWith("Label1_")) continue;
      const QPointF d = QRectF(label->geometry()).center() - c.at;
      if (const double r = std::hypot(d.x(), d.y()); r < best) {
        best = r;
        nearest = label;
      }
    }
    ASSERT_NE(nearest, nullptr);
    EXPECT_EQ(nearest->text(), QString::fromUtf8(c.symbol)) << c.where;
  }
}

// Distance from pixel centre p to the segment a-b.
double distance(QPointF p, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double t = std::clamp(QPointF::dotProduct(p - a, d) / QPointF::dotProduct(d, d), 0.0, 1.0);
  const QPointF q = a + t * d - p;
  return std::hypot(q.x(), q.y());
}

// Every line is drawn one pixel wide from end to end, in the foreground
// colour, and nothing else is drawn on the drawing layer. Qt steps slanted
// lines up to a pixel off the exact line, never more.
TEST_F(LayoutTest, LinesArePaintedWhereTheyBelong) {
  auto* schematic = window().findChild<QWidget*>("Schematic");
  ASSERT_NE(schematic, nullptr);
  EXPECT_EQ(schematic->pos(), QPoint(0, 0));
  EXPECT_EQ(window().children().indexOf(schematic), 0);  // under every other control
  const QRgb ink = window().palette().color(QPalette::WindowText).rgb();
  const QRgb paper = window().palette().color(QPalette::Window).rgb();
  const QImage layer = schematic->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QImage whole = window().grab().toImage().convertToFormat(QImage::Format_RGB32);
  auto lit = [&](const QImage& image, int x, int y) { return image.valid(x, y) && image.pixel(x, y) == ink; };

  for (const ExpectedLine& line : kLines) {
    const int dx = line.x2 - line.x1, dy = line.y2 - line.y1;
    const int steps = std::max(std::abs(dx), std::abs(dy));
    for (int i = 0; i <= steps; ++i) {
      // One pixel per step along the longer axis, rounded on the other one;
      // a rasteriser may round a half the other way.
      const double x = line.x1 + dx * double(i) / steps, y = line.y1 + dy * double(i) / steps;
      const bool ends = i == 0 || i == steps;
      bool found = false;
      for (int off = -1; off <= 1 && !found; ++off) {
        if (ends && off != 0) continue;
        const int px = std::abs(dx) >= std::abs(dy) ? int(std::lround(x)) : int(std::lround(x)) + off;
        const int py = std::abs(dx) >= std::abs(dy) ? int(std::lround(y)) + off : int(std::lround(y));
        found = lit(layer, px, py) && lit(whole, px, py);
      }
      EXPECT_TRUE(found) << line.name << "[" << line.member << "] step " << i;
    }
  }

  int stray = 0;
  for (int y = 0; y < layer.height(); ++y)
    for (int x = 0; x < layer.width(); ++x) {
      if (layer.pixel(x, y) == paper) continue;
      EXPECT_TRUE(lit(layer, x, y)) << "antialiased or coloured pixel at " << x << ", " << y;
      const bool on_a_line = std::any_of(std::begin(kLines), std::end(kLines), [&](const ExpectedLine& l) {
        return distance(QPointF(x, y), QPointF(l.x1, l.y1), QPointF(l.x2, l.y2)) < 1.0;
      });
      if (!on_a_line) ++stray;
    }
  EXPECT_EQ(stray, 0);
}

// Each panel's drawing on its own, as the calculation sheet draws it from its
// top-left corner: every line where the window has it, moved by that corner,
// and a symbol for every length and angle the panel reads.
TEST(PanelDrawing, HoldsEveryLineAndNamesEveryDimension) {
  for (std::size_t p = 0; p < panels().size(); ++p) {
    const PanelLayout& layout = panel_layouts()[p];
    const QRect extent = schematic_extent(layout);
    QImage image(extent.width() / 15 + 1, extent.height() / 15 + 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    draw_schematic(painter, layout, 15, extent.topLeft());
    painter.end();
    for (const LinePlace& l : layout.lines) {
      const int x = ((l.x1 + l.x2) / 2 - extent.left()) / 15, y = ((l.y1 + l.y2) / 2 - extent.top()) / 15;
      bool inked = false;
      for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
          inked |= image.valid(x + dx, y + dy) && qGray(image.pixel(x + dx, y + dy)) < 128;
      EXPECT_TRUE(inked) << l.name << " of panel " << p;
    }
    std::vector<std::string_view> named, dimensions;
    for (const SymbolPlace& s : layout.symbols) named.push_back(s.text);
    for (const InputField& f : panels()[p]->inputs)
      if (f.symbol != "T" && f.symbol != "D" && f.symbol != "t") dimensions.push_back(f.symbol);
    std::sort(named.begin(), named.end());
    std::sort(dimensions.begin(), dimensions.end());
    EXPECT_EQ(named, dimensions) << "panel " << p;
  }
}

// The drawings never follow the inputs: after calculations with other
// angles every pixel of the drawings is as before.
TEST_F(LayoutTest, DrawingsIgnoreTheInputs) {
  const QRect drawings(0, 0, 781, 160);
  const QImage before = window().grab(drawings).toImage();
  field("nAlpha")->setText("45");
  field("nAlpha1")->setText("45");
  field("nAlpha2")->setText("45");
  field("nBeta2")->setText("120");
  field("nL1")->setText("3");
  for (const char* name : {"计算", "计算1", "计算2"}) button(name)->click();
  EXPECT_TRUE(messages().empty());
  EXPECT_EQ(window().grab(drawings).toImage(), before);
}

}  // namespace
}  // namespace quorvel::ui::testing
