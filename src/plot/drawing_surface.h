#pragma once

#include <cstdint>
#include <optional>

namespace tavelor::plot {

enum class LineStyle { Solid, DashDotDot };

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};

// The plan strip: twips, origin at the top-left of its inside, y downward.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  virtual void clear() = 0;
  virtual void setLineStyle(LineStyle style) = 0;
  // colour empty: the foreground colour.
  virtual void drawLine(float x1, float y1, float x2, float y2,
                        std::optional<Rgb> colour = std::nullopt) = 0;
};

}  // namespace tavelor::plot
