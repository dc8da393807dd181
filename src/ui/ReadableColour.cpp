#include "ui/ReadableColour.h"

#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace orv {
namespace {

constexpr double kReadable = 4.5;

double Luminance(const QColor& colour) {
  const auto channel = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background) {
  if (ContrastRatio(colour, background) >= kReadable) return colour;
  const bool darkBackground = Luminance(background) < 0.18;
  const int hue = colour.hslHue();
  const int saturation = colour.hslSaturation();
  int lightness = colour.lightness();
  // Steps of lightness away from the background until the text reads; white or black at the end.
  while (darkBackground ? lightness < 255 : lightness > 0) {
    lightness = std::clamp(lightness + (darkBackground ? 8 : -8), 0, 255);
    const QColor candidate = QColor::fromHsl(hue, saturation, lightness);
    if (ContrastRatio(candidate, background) >= kReadable) return candidate;
  }
  return darkBackground ? QColor(Qt::white) : QColor(Qt::black);
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    const QColor background = palette.color(group, widget->backgroundRole());
    palette.setColor(group, widget->foregroundRole(), ReadableOn(colour, background));
  }
  widget->setPalette(palette);
}

}  // namespace orv
