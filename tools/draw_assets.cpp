// Draws every picture the game shows and writes them as PNG files, so that
// the artwork lives as code that can be reviewed and redrawn instead of as
// opaque binaries. The PNGs are committed; run this only after changing a
// drawing.
//
//   draw_assets [ASSETS_DIR] [--sheet FILE]
//
// ASSETS_DIR defaults to the source tree's assets folder. Each picture is
// written at 1x and, as name@2x.png, name@3x.png and name@4x.png, drawn again
// at two, three and four times the size (not scaled up), so a 200% screen or
// a zoomed window gets a sharp copy. --sheet also writes
// a 4x nearest-neighbour contact sheet of everything for eyeballing pixels.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#ifndef LUMITILE_ASSETS_DIR
#define LUMITILE_ASSETS_DIR "assets"
#endif

namespace {

// ---------------------------------------------------------------------------
// Palette

// Background colour of the given (fixed) tiles for digits 1..9, and whether
// the digit on it is written in black; only the yellow tile is too light for
// a white digit.
struct TileColour {
  QColor face;
  bool darkDigit;
};
const std::array<TileColour, 9> kTileColours = {{
    {QColor(244, 204, 20), true},    // 1 yellow
    {QColor(38, 84, 206), false},    // 2 blue
    {QColor(204, 36, 36), false},    // 3 red
    {QColor(132, 48, 168), false},   // 4 purple
    {QColor(0, 156, 176), false},    // 5 cyan
    {QColor(36, 146, 52), false},    // 6 green
    {QColor(136, 82, 38), false},    // 7 brown
    {QColor(84, 84, 88), false},     // 8 dark grey
    {QColor(236, 122, 0), false},    // 9 orange
}};

// The player's panels are pure, loud colours so they stand apart from the
// shaded given tiles at a glance.
struct PanelColour {
  QColor fill;
  QColor outline;
};
const QColor kInk(24, 24, 24);
const std::array<PanelColour, 9> kPanelColours = {{
    {QColor(255, 255, 0), kInk},        // 1 yellow
    {QColor(0, 0, 255), kInk},          // 2 blue
    {QColor(255, 0, 0), kInk},          // 3 red
    {QColor(255, 0, 255), kInk},        // 4 magenta
    {QColor(0, 255, 255), kInk},        // 5 cyan
    {QColor(0, 170, 0), kInk},          // 6 green
    {QColor(128, 0, 0), kInk},          // 7 maroon
    {QColor(0, 0, 0), QColor(192, 192, 192)},  // 8 black, light outline
    {QColor(255, 0, 0), kInk},          // 9 red
}};

const QColor kClockLit(255, 147, 7);
const QColor kClockUnlit(46, 24, 0);

// ---------------------------------------------------------------------------
// Glyphs

QFont SerifFont() {
  QFont font(QStringLiteral("Liberation Serif"));
  font.setStyleHint(QFont::Serif);
  font.setBold(true);
  font.setPixelSize(200);
  return font;
}

// The ink outline of `ch`, scaled so the digits' common ink height is
// `height`, with its ink centred on `centre`. All digits share one scale, so
// a narrow 1 is not stretched to match a wide 0. `pixel` is one device
// pixel in these units; the offset is snapped to it so the ink starts on a
// pixel edge and the flat tops stay crisp instead of smearing over two rows.
QPainterPath Glyph(QChar ch, qreal height, QPointF centre, qreal pixel) {
  static const QFont font = SerifFont();
  QPainterPath reference;
  reference.addText(0, 0, font, QStringLiteral("8"));
  QPainterPath path;
  path.addText(0, 0, font, QString(ch));
  const qreal k = height / reference.boundingRect().height();
  path = QTransform::fromScale(k, k).map(path);
  const QRectF ink = path.boundingRect();
  const auto snap = [pixel](qreal v) { return std::round(v / pixel) * pixel; };
  const qreal dx = snap(centre.x() - ink.width() / 2) - ink.left();
  const qreal dy = snap(centre.y() - ink.height() / 2) - ink.top();
  return path.translated(dx, dy);
}

// A glyph with an outline `width` wide all round it: the stroke is painted
// first at twice the width and the fill on top hides its inner half, so the
// counters of 4, 6, 8, 9 stay open.
void OutlinedGlyph(QPainter& p, const QPainterPath& glyph, const QColor& fill,
                   const QColor& outline, qreal width) {
  p.save();
  p.setPen(QPen(outline, 2 * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(glyph);
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(glyph);
  p.restore();
}

// ---------------------------------------------------------------------------
// Pictures. Each draws in its 1x pixel units; the painter is already scaled
// for the larger copies and `pixel` is one device pixel in those units.

using Drawing = std::function<void(QPainter&, qreal pixel)>;

// The clock's segment lines: left, right, top, middle and bottom centre
// lines, and half a segment's stroke.
constexpr qreal kL = 3.5, kR = 16.5, kT = 3.5, kM = 17.5, kB = 31.5;
constexpr qreal kHalf = 1.5;

// Seven-segment clock digit, 20 x 35. Segments are hexagons on centre lines
// placed so their long edges sit on whole pixels at 1x and 2x. Digit 10 is
// every segment unlit: the place of a leading zero the clock does not show.
void DrawClockDigit(QPainter& p, int digit) {
  // Segments a..g: top, upper right, lower right, bottom, lower left, upper
  // left, middle.
  static constexpr std::array<unsigned char, 11> kLit = {
      0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
      0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111, 0};
  constexpr qreal kGap = 0.9;   // dark seam between neighbouring segments
  const std::array<std::pair<QPointF, QPointF>, 7> segments = {{
      {{kL, kT}, {kR, kT}},
      {{kR, kT}, {kR, kM}},
      {{kR, kM}, {kR, kB}},
      {{kL, kB}, {kR, kB}},
      {{kL, kM}, {kL, kB}},
      {{kL, kT}, {kL, kM}},
      {{kL, kM}, {kR, kM}},
  }};
  p.fillRect(QRectF(0, 0, 20, 35), Qt::black);
  p.setPen(Qt::NoPen);
  for (int s = 0; s < 7; ++s) {
    const QPointF a = segments[s].first, b = segments[s].second;
    const QPointF along = (b - a) / QLineF(a, b).length();
    const QPointF across(-along.y(), along.x());
    const QPointF from = a + along * kGap, to = b - along * kGap;
    const QPolygonF hexagon = {
        from,
        from + along * kHalf + across * kHalf,
        to - along * kHalf + across * kHalf,
        to,
        to - along * kHalf - across * kHalf,
        from + along * kHalf - across * kHalf,
    };
    p.setBrush((kLit[digit] >> s) & 1 ? kClockLit : kClockUnlit);
    p.drawPolygon(hexagon);
  }
}

// The clock's colon between minutes and seconds, 7 x 35: two lit squares a
// segment's stroke wide, each in the middle of a half of the digits, so
// they sit level with the digits' upper and lower halves.
void DrawClockColon(QPainter& p) {
  p.fillRect(QRectF(0, 0, 7, 35), Qt::black);
  for (const qreal middle : {(kT + kM) / 2, (kM + kB) / 2})
    p.fillRect(QRectF(3.5 - kHalf, middle - kHalf, 2 * kHalf, 2 * kHalf), kClockLit);
}

// A raised square: a face with a soft top-to-bottom gradient framed by a
// light top-left and dark bottom-right bevel, mitred at the corners.
void DrawBevelSquare(QPainter& p, const QRectF& r, const QColor& face, qreal bevel) {
  QLinearGradient gradient(r.topLeft(), r.bottomLeft());
  gradient.setColorAt(0, face.lighter(118));
  gradient.setColorAt(1, face.darker(112));
  p.fillRect(r, gradient);
  if (bevel <= 0) return;
  const QRectF in = r.adjusted(bevel, bevel, -bevel, -bevel);
  p.setPen(Qt::NoPen);
  p.setBrush(face.lighter(165));
  p.drawPolygon(QPolygonF{r.topLeft(), r.topRight(), in.topRight(), in.topLeft(),
                          in.bottomLeft(), r.bottomLeft()});
  p.setBrush(face.darker(175));
  p.drawPolygon(QPolygonF{r.bottomRight(), r.bottomLeft(), in.bottomLeft(),
                          in.bottomRight(), in.topRight(), r.topRight()});
}

// Given tile, 32 x 32: the tile colour and its digit, with a faint drop
// shadow under white digits so they lift off the face.
void DrawGiven(QPainter& p, qreal pixel, int n) {
  const TileColour& c = kTileColours[n - 1];
  DrawBevelSquare(p, QRectF(0, 0, 32, 32), c.face, 2);
  const QPainterPath glyph = Glyph(QChar('0' + n), 22, QPointF(16, 16), pixel);
  p.setPen(Qt::NoPen);
  if (!c.darkDigit) {
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawPath(glyph.translated(1, 1));
  }
  p.setBrush(c.darkDigit ? QColor(0, 0, 0) : QColor(255, 255, 255));
  p.drawPath(glyph);
}

// Player's panel, 32 x 32 on transparency: an outlined digit. It doubles as
// the mouse pointer, so the outline keeps it readable on any cell colour.
void DrawPanel(QPainter& p, qreal pixel, int n) {
  const PanelColour& c = kPanelColours[n - 1];
  const QPainterPath glyph = Glyph(QChar('0' + n), 24, QPointF(16, 16), pixel);
  OutlinedGlyph(p, glyph, c.fill, c.outline, 1.5);
}

void DrawHint(QPainter& p, qreal pixel) {
  const QPainterPath glyph = Glyph(QChar('?'), 24, QPointF(16, 16), pixel);
  OutlinedGlyph(p, glyph, QColor(255, 221, 0), QColor(40, 30, 0), 1.5);
}

// Eraser, 32 x 32 on transparency: a block lying at a slant, its white
// rubbing end down-left and its grey sleeve up-right, centred so it works
// as a pointer with the hot spot in the middle. The block is seen slightly
// from above, so a darker side face shows below the top face.
void DrawEraser(QPainter& p, qreal /*pixel*/) {
  const QColor outline(40, 40, 44);
  p.save();
  p.translate(16, 16);
  p.rotate(-35);
  const qreal w = 25, h = 10, depth = 4;
  const qreal split = -1.5;  // where white meets grey, along the block
  const QRectF top(-w / 2, -h / 2 - depth / 2, w, h);
  const QRectF whole = top.adjusted(0, 0, 0, depth);
  const qreal radius = 1.5;
  QPainterPath block;
  block.addRoundedRect(whole, radius, radius);
  // Side faces first, in the darker shades, then the top faces over them.
  const auto halves = [&](const QRectF& r, const QColor& white, const QColor& grey) {
    QPainterPath left, right;
    left.addRect(QRectF(r.left(), r.top(), split - r.left(), r.height()));
    right.addRect(QRectF(split, r.top(), r.right() - split, r.height()));
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.fillPath(shape.intersected(left), white);
    p.fillPath(shape.intersected(right), grey);
  };
  halves(whole, QColor(196, 198, 204), QColor(100, 102, 110));
  halves(top, QColor(255, 255, 255), QColor(150, 152, 160));
  // A crisp edge where the top face turns down into the side.
  p.setPen(QPen(outline, 0.75));
  p.drawLine(QPointF(top.left() + radius, top.bottom()), QPointF(top.right() - radius, top.bottom()));
  p.drawLine(QPointF(split, top.top()), QPointF(split, whole.bottom()));
  p.setPen(QPen(outline, 1.25, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(block);
  p.restore();
}

// Burst, 16 x 16 on transparency: eight short rays round an empty middle.
// The straight rays are two pixels wide on pixel edges so they stay crisp.
void DrawBurst(QPainter& p, qreal /*pixel*/) {
  const QPointF c(8, 8);
  p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::FlatCap));
  for (const QPointF dir : {QPointF(1, 0), QPointF(0, 1), QPointF(-1, 0), QPointF(0, -1)})
    p.drawLine(c + dir * 3, c + dir * 7);
  p.setPen(QPen(Qt::black, 1.7, Qt::SolidLine, Qt::FlatCap));
  for (const QPointF dir : {QPointF(1, 1), QPointF(-1, 1), QPointF(-1, -1), QPointF(1, -1)})
    p.drawLine(c + dir * 2.3, c + dir * 5);
}

// ---------------------------------------------------------------------------
// Game icon: a 3 x 3 grid of the given tiles, 1 to 9. Its geometry is worked
// out for each pixel size so the squares and gaps land on whole pixels; the
// same shapes are written as the scalable SVG.

// Digits for icon squares too small for a font to stay legible: 6 x 8
// pixels with two-pixel strokes, drawn one design pixel per device pixel so
// every edge is sharp. At 32 px they sit in 10 px squares with an even
// 2 px / 1 px margin.
constexpr std::array<std::array<const char*, 8>, 9> kTinyDigits = {{
    {"..##..", ".###..", "..##..", "..##..", "..##..", "..##..", "..##..", ".####."},
    {".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "######"},
    {".####.", "##..##", "....##", "..###.", "....##", "....##", "##..##", ".####."},
    {"...##.", "..###.", ".####.", "##.##.", "######", "...##.", "...##.", "...##."},
    {"######", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."},
    {"..###.", ".##...", "##....", "#####.", "##..##", "##..##", "##..##", ".####."},
    {"######", "....##", "...##.", "...##.", "..##..", "..##..", "..##..", "..##.."},
    {".####.", "##..##", "##..##", ".####.", "##..##", "##..##", "##..##", ".####."},
    {".####.", "##..##", "##..##", "##..##", ".#####", "....##", "...##.", ".###.."},
}};

QPainterPath TinyDigit(int n, const QRectF& square, qreal unit) {
  QPainterPath path;
  const QPointF origin = square.center() - QPointF(3 * unit, 4 * unit);
  for (int row = 0; row < 8; ++row)
    for (int col = 0; col < 6; ++col)
      if (kTinyDigits[n - 1][row][col] == '#')
        path.addRect(QRectF(origin.x() + col * unit, origin.y() + row * unit, unit, unit));
  return path.simplified();
}

struct IconShape {
  QPainterPath path;
  QBrush brush;
};

std::vector<IconShape> IconShapes(int size) {
  // Gaps stay one pixel on the 32 px window icon and grow with the size;
  // whatever the squares cannot share evenly becomes the outer margin.
  const int gap = std::max(1, static_cast<int>(std::lround(size / 32.0)));
  const int side = (size - 2 * gap) / 3;
  const int margin = (size - 3 * side - 2 * gap) / 2;
  const qreal bevel = std::floor(side / 12.0);
  const qreal radius = side * 0.12;
  std::vector<IconShape> shapes;
  for (int n = 1; n <= 9; ++n) {
    const TileColour& c = kTileColours[n - 1];
    const QRectF r(margin + ((n - 1) % 3) * (side + gap), margin + ((n - 1) / 3) * (side + gap),
                   side, side);
    QPainterPath square;
    square.addRoundedRect(r, radius, radius);
    QPainterPath inner;
    inner.addRoundedRect(r.adjusted(bevel, bevel, -bevel, -bevel), radius * 0.6, radius * 0.6);
    if (bevel > 0) {
      // Light top-left and dark bottom-right rims, split on the diagonal.
      QPainterPath upper;
      upper.addPolygon(QPolygonF{r.topLeft(), r.topRight(), r.bottomLeft()});
      upper.closeSubpath();
      const QPainterPath rim = square.subtracted(inner);
      shapes.push_back({rim.intersected(upper), c.face.lighter(160)});
      shapes.push_back({rim.subtracted(upper), c.face.darker(170)});
    }
    QLinearGradient gradient(r.topLeft(), r.bottomLeft());
    gradient.setColorAt(0, c.face.lighter(118));
    gradient.setColorAt(1, c.face.darker(112));
    shapes.push_back({bevel > 0 ? inner : square, gradient});
    // Below 14 px a serif digit is a blur; below 10 px even the pixel
    // digits are, and the coloured grid alone says what the game is.
    QPainterPath glyph;
    if (side >= 14)
      glyph = Glyph(QChar('0' + n), std::round(side * 0.72), r.center(), 1.0);
    else if (side >= 10)
      glyph = TinyDigit(n, r, std::floor(side / 10.0));
    if (!glyph.isEmpty())
      shapes.push_back({glyph, c.darkDigit ? QColor(0, 0, 0) : QColor(255, 255, 255)});
  }
  return shapes;
}

QImage DrawIcon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  for (const IconShape& s : IconShapes(size)) p.fillPath(s.path, s.brush);
  return image;
}

QString SvgColour(const QColor& c) { return c.name(QColor::HexRgb); }

// Two decimals are far below a pixel at any size the icon is shown at, and
// keep the file small.
QString SvgNumber(qreal v) {
  QString s = QString::number(v, 'f', 2);
  while (s.endsWith(QLatin1Char('0'))) s.chop(1);
  if (s.endsWith(QLatin1Char('.'))) s.chop(1);
  return s == QLatin1String("-0") ? QStringLiteral("0") : s;
}

QString SvgPath(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QString xy = SvgNumber(e.x) + QLatin1Char(' ') + SvgNumber(e.y);
    switch (e.type) {
      case QPainterPath::MoveToElement: d += QLatin1Char('M') + xy; break;
      case QPainterPath::LineToElement: d += QLatin1Char('L') + xy; break;
      case QPainterPath::CurveToElement: d += QLatin1Char('C') + xy; break;
      case QPainterPath::CurveToDataElement: d += QLatin1Char(' ') + xy; break;
    }
  }
  return d;
}

// The scalable icon, drawn from the largest bitmap's geometry.
QString IconSvg() {
  constexpr int kSize = 256;
  QString defs, body;
  int gradients = 0;
  for (const IconShape& s : IconShapes(kSize)) {
    QString fill;
    if (const QGradient* g = s.brush.gradient()) {
      const auto* lg = static_cast<const QLinearGradient*>(g);
      const QString id = QStringLiteral("g%1").arg(++gradients);
      defs += QStringLiteral("    <linearGradient id=\"%1\" gradientUnits=\"userSpaceOnUse\" "
                             "x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\">")
                  .arg(id)
                  .arg(lg->start().x())
                  .arg(lg->start().y())
                  .arg(lg->finalStop().x())
                  .arg(lg->finalStop().y());
      for (const auto& stop : lg->stops())
        defs += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>")
                    .arg(stop.first)
                    .arg(SvgColour(stop.second));
      defs += QStringLiteral("</linearGradient>\n");
      fill = QStringLiteral("url(#%1)").arg(id);
    } else {
      fill = SvgColour(s.brush.color());
    }
    // Qt's path operations hand back even-odd paths; SVG defaults to
    // non-zero, which would fill the bevel's hollow middle.
    const QString rule = s.path.fillRule() == Qt::OddEvenFill
                             ? QStringLiteral(" fill-rule=\"evenodd\"")
                             : QString();
    body += QStringLiteral("  <path fill=\"%1\"%2 d=\"%3\"/>\n").arg(fill, rule, SvgPath(s.path));
  }
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
             "viewBox=\"0 0 %1 %1\">\n  <defs>\n%2  </defs>\n%3</svg>\n")
      .arg(kSize)
      .arg(defs, body);
}

// ---------------------------------------------------------------------------
// Output

struct Picture {
  QString name;
  QSize size;
  bool opaque;
  Drawing draw;
};

std::vector<Picture> Pictures() {
  std::vector<Picture> list;
  for (int d = 0; d <= 9; ++d)
    list.push_back({QStringLiteral("digit_%1").arg(d), {20, 35}, true,
                    [d](QPainter& p, qreal) { DrawClockDigit(p, d); }});
  list.push_back({QStringLiteral("digit_off"), {20, 35}, true, [](QPainter& p, qreal) { DrawClockDigit(p, 10); }});
  list.push_back({QStringLiteral("clock_colon"), {7, 35}, true, [](QPainter& p, qreal) { DrawClockColon(p); }});
  for (int n = 1; n <= 9; ++n)
    list.push_back({QStringLiteral("given_%1").arg(n), {32, 32}, true,
                    [n](QPainter& p, qreal px) { DrawGiven(p, px, n); }});
  for (int n = 1; n <= 9; ++n)
    list.push_back({QStringLiteral("panel_%1").arg(n), {32, 32}, false,
                    [n](QPainter& p, qreal px) { DrawPanel(p, px, n); }});
  list.push_back({QStringLiteral("hint"), {32, 32}, false, DrawHint});
  list.push_back({QStringLiteral("eraser"), {32, 32}, false, DrawEraser});
  list.push_back({QStringLiteral("burst"), {16, 16}, false, DrawBurst});
  list.push_back({QStringLiteral("blank"), {32, 32}, true,
                  [](QPainter& p, qreal) { p.fillRect(QRectF(0, 0, 32, 32), Qt::white); }});
  return list;
}

QImage Render(const Picture& picture, int scale) {
  QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  picture.draw(p, 1.0 / scale);
  p.end();
  // Opaque pictures are stored without alpha, which also guards against a
  // drawing that forgot to cover its corners.
  return picture.opaque ? image.convertToFormat(QImage::Format_RGB32) : image;
}

// PNG holds straight colour. Qt's own way there divides by alpha through a
// reciprocal estimate whose last bit differs between processors, so on an
// exact half one drawing would be saved as different bytes on different
// machines. The exact quotient, halves rounded down, is the same everywhere,
// and either neighbour of a half multiplies back to the drawn pixel.
QImage Straight(const QImage& premultiplied) {
  QImage image(premultiplied.size(), QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(premultiplied.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int a = qAlpha(from[x]);
      const auto share = [a](int c) { return a == 0 ? 0 : (510 * c + a - 1) / (2 * a); };
      to[x] = qRgba(share(qRed(from[x])), share(qGreen(from[x])), share(qBlue(from[x])), a);
    }
  }
  return image;
}

bool Save(const QImage& drawn, const QString& path) {
  const bool premultiplied = drawn.format() == QImage::Format_ARGB32_Premultiplied;
  const QImage image = premultiplied ? Straight(drawn) : drawn;
  if (!image.save(path, "PNG")) {
    std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(text.toUtf8()) < 0) {
    std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

// The scales every picture is drawn at; the window picks the one nearest
// above its own scale and never enlarges a smaller one.
constexpr std::array<int, 4> kScales{1, 2, 3, 4};

QString ScaleSuffix(int scale) { return scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale); }

// The resource list, written alongside the pictures so it always names
// exactly what was drawn. Each picture is aliased to :/images/NAME.png and
// its sharp copies to :/images/NAME@2x.png and so on beside it, which is
// where Qt looks for them on a 200% screen. The icon has only its 2x copy.
QString ResourceList(const QStringList& names) {
  QString qrc = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/images\">\n");
  for (const QString& name : names) {
    for (int scale : kScales) {
      if (name == QLatin1String("icon") && scale > 2) break;
      const QString file = name + ScaleSuffix(scale) + QStringLiteral(".png");
      qrc += QStringLiteral("  <file alias=\"%1\">images/%1</file>\n").arg(file);
    }
  }
  qrc += QStringLiteral("</qresource>\n</RCC>\n");
  return qrc;
}

// Everything side by side on a checkerboard (so transparency shows), blown
// up four times without smoothing.
QImage ContactSheet(const std::vector<QImage>& images) {
  constexpr int kPad = 4, kRowWidth = 560;
  int x = kPad, y = kPad, rowHeight = 0;
  std::vector<QPoint> at;
  for (const QImage& im : images) {
    if (x + im.width() + kPad > kRowWidth) {
      x = kPad;
      y += rowHeight + kPad;
      rowHeight = 0;
    }
    at.push_back({x, y});
    x += im.width() + kPad;
    rowHeight = std::max(rowHeight, im.height());
  }
  QImage sheet(kRowWidth, y + rowHeight + kPad, QImage::Format_RGB32);
  QPainter p(&sheet);
  for (int cy = 0; cy < sheet.height(); cy += 4)
    for (int cx = 0; cx < sheet.width(); cx += 4)
      p.fillRect(cx, cy, 4, 4, ((cx + cy) / 4) % 2 ? QColor(150, 150, 150) : QColor(110, 110, 110));
  for (size_t i = 0; i < images.size(); ++i) p.drawImage(at[i], images[i]);
  p.end();
  return sheet.scaled(sheet.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace

int main(int argc, char** argv) {
  // Nothing is shown, so no display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QString assets = QStringLiteral(LUMITILE_ASSETS_DIR);
  QString sheetPath;
  const QStringList args = app.arguments().mid(1);
  for (int i = 0; i < args.size(); ++i) {
    if (args[i] == QLatin1String("--sheet") && i + 1 < args.size()) {
      sheetPath = args[++i];
    } else if (!args[i].startsWith(QLatin1Char('-'))) {
      assets = args[i];
    } else {
      std::fputs("usage: draw_assets [ASSETS_DIR] [--sheet FILE]\n", stderr);
      return 2;
    }
  }

  const QFontInfo fontInfo(SerifFont());
  if (fontInfo.family() != QLatin1String("Liberation Serif"))
    std::fprintf(stderr, "draw_assets: Liberation Serif not found, using %s\n",
                 qPrintable(fontInfo.family()));

  const QDir root(assets);
  if (!root.mkpath(QStringLiteral("images"))) {
    std::fprintf(stderr, "draw_assets: cannot create %s/images\n", qPrintable(assets));
    return 1;
  }
  bool ok = true;
  std::vector<QImage> sheet;
  for (const Picture& picture : Pictures()) {
    for (int scale : kScales) {
      const QImage image = Render(picture, scale);
      ok &= Save(image, root.filePath(QStringLiteral("images/%1%2.png").arg(picture.name, ScaleSuffix(scale))));
      if (scale <= 2) sheet.push_back(image);
    }
  }
  ok &= Save(DrawIcon(32), root.filePath(QStringLiteral("images/icon.png")));
  ok &= Save(DrawIcon(64), root.filePath(QStringLiteral("images/icon@2x.png")));
  QStringList names;
  for (const Picture& picture : Pictures()) names << picture.name;
  names << QStringLiteral("icon");
  ok &= WriteText(root.filePath(QStringLiteral("images.qrc")), ResourceList(names));
  for (int size : {16, 32, 48, 64, 128, 256}) {
    const QString dir = QStringLiteral("icons/hicolor/%1x%1").arg(size);
    root.mkpath(dir);
    const QImage icon = DrawIcon(size);
    ok &= Save(icon, root.filePath(dir + QStringLiteral("/lumitile.png")));
    sheet.push_back(icon);
  }
  ok &= WriteText(root.filePath(QStringLiteral("icons/lumitile.svg")), IconSvg());

  if (!sheetPath.isEmpty()) ok &= Save(ContactSheet(sheet), sheetPath);
  return ok ? 0 : 1;
}
