#include "rib/airfoil.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <numbers>
#include <unsupported/Eigen/Splines>

namespace tavelor::rib {

namespace {

constexpr int kNacaStations = 80;  // per surface
constexpr std::size_t kMinPoints = 10;
constexpr double kXSlack = 0.05;     // how far beyond 0-1 an x may lie, in chords
constexpr double kMinChord = 0.5;    // from the first x to the last, in chords
constexpr double kFoldSlack = 1e-6;  // a surface's x may step back this much, in chords

// x from 0 to 1, close together at both ends where the surface bends most.
double cosineStation(int i, int count) { return (1 - std::cos(std::numbers::pi * i / count)) / 2; }

// The numbers on a line of text, or nothing when anything else is on it.
std::optional<std::vector<double>> numbersOf(std::string_view line) {
  std::vector<double> numbers;
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
    if (i == line.size()) return numbers;
    double value = 0;
    const auto [end, fault] = std::from_chars(line.data() + i, line.data() + line.size(), value);
    if (fault != std::errc() || !std::isfinite(value)) return std::nullopt;
    numbers.push_back(value);
    i = static_cast<std::size_t>(end - line.data());
  }
}

struct Row {
  wing::Point point;
  int line;
};

AirfoilReading refusal(const std::string& file, int line, const char* key, const std::string& why) {
  return {std::nullopt, file + ", line " + std::to_string(line) + ": " + why, key, line};
}

// The row where a surface, listed in x order (rising or falling), turns back; or nothing.
std::optional<int> foldOf(const std::vector<Row>& rows, bool rising) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const double step = rows[i].point.x - rows[i - 1].point.x;
    if ((rising ? -step : step) > kFoldSlack) return rows[i].line;
  }
  return std::nullopt;
}

}  // namespace

bool withinSection(wing::Point p) {
  return p.x >= -kXSlack && p.x <= 1 + kXSlack && std::abs(p.y) <= 1;
}

std::optional<Airfoil> nacaAirfoil(std::string_view code) {
  std::string digits;
  for (const char c : code) {
    if (c != ' ') digits += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  if (digits.starts_with("NACA")) digits.erase(0, 4);
  if (digits.size() != 4 ||
      !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const double m = (digits[0] - '0') / 100.0;
  const double p = (digits[1] - '0') / 10.0;
  const double t = std::stoi(digits.substr(2)) / 100.0;
  if (t <= 0 || (m > 0) != (p > 0)) return std::nullopt;

  Airfoil airfoil{"NACA " + digits, {}};
  std::vector<wing::Point> lower;
  for (int i = kNacaStations; i >= 0; --i) {
    const double x = cosineStation(i, kNacaStations);
    const double half = 5 * t *
                        (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                         0.1036 * x * x * x * x);
    double camber = 0, slope = 0;
    if (m > 0) {
      const double q = x < p ? p : 1 - p;
      camber = m / (q * q) * (x < p ? 2 * p * x - x * x : 1 - 2 * p + 2 * p * x - x * x);
      slope = 2 * m / (q * q) * (p - x);
    }
    const double theta = std::atan(slope);
    airfoil.points.push_back({x - half * std::sin(theta), camber + half * std::cos(theta)});
    if (i > 0) lower.push_back({x + half * std::sin(theta), camber - half * std::cos(theta)});
  }
  airfoil.points.insert(airfoil.points.end(), lower.rbegin(), lower.rend());
  airfoil.points.back() = airfoil.points.front();  // the last term closes it, but for rounding
  return airfoil;
}

AirfoilReading readAirfoil(std::string_view bytes, const std::string& fileName) {
  constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kUtf8Mark)) bytes.remove_prefix(kUtf8Mark.size());
  std::string name;
  std::vector<Row> rows;
  std::vector<int> blanksAfter;  // how many rows came before each blank line
  int lineNumber = 0;
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    ++lineNumber;
    if (lineNumber == 1) {
      while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) {
        line.remove_suffix(1);
      }
      name = line;
      continue;
    }
    const auto numbers = numbersOf(line);
    if (!numbers || (numbers->size() != 2 && !numbers->empty())) {
      return refusal(fileName, lineNumber, "airfoilPair", "not a pair of numbers");
    }
    if (numbers->empty()) continue;
    rows.push_back({{(*numbers)[0], (*numbers)[1]}, lineNumber});
  }
  // The second layout starts with the counts: two whole numbers, more than one point each.
  const bool counted = !rows.empty() && rows[0].point.x >= 2 && rows[0].point.y >= 2 &&
                       rows[0].point.x == std::floor(rows[0].point.x) &&
                       rows[0].point.y == std::floor(rows[0].point.y);
  // Compared as they stand: a count too large for any file is no size to convert.
  const double upperCount = counted ? rows[0].point.x : 0;
  const double lowerCount = counted ? rows[0].point.y : 0;
  if (counted) rows.erase(rows.begin());
  if (rows.size() < kMinPoints) {
    return refusal(fileName, lineNumber, "airfoilFew",
                   "fewer than " + std::to_string(kMinPoints) + " points");
  }
  if (counted && upperCount + lowerCount != static_cast<double>(rows.size())) {
    return refusal(fileName, rows.back().line, "airfoilCounts",
                   "the point counts do not match the points");
  }
  double largest = 0;
  for (const Row& row : rows) largest = std::max(largest, row.point.x);
  const double scale = largest > 1.5 ? 0.01 : 1;
  for (Row& row : rows) {
    row.point = {row.point.x * scale, row.point.y * scale};
    if (!withinSection(row.point)) {
      const bool y = std::abs(row.point.y) > 1;
      return refusal(fileName, row.line, y ? "airfoilY" : "airfoilX",
                     y ? "y lies far outside -1 to 1" : "x lies far outside 0 to 1");
    }
  }
  const auto [least, most] = std::ranges::minmax(rows, {}, [](const Row& r) { return r.point.x; });
  if (most.point.x - least.point.x < kMinChord) {
    return refusal(fileName, most.line, "airfoilChord", "the points span no chord");
  }
  std::vector<Row> upper, lower;
  if (counted) {
    upper.assign(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(upperCount));
    lower.assign(rows.begin() + static_cast<std::ptrdiff_t>(upperCount), rows.end());
  } else {
    const auto nose = std::ranges::min_element(rows, {}, [](const Row& r) { return r.point.x; });
    upper.assign(rows.begin(), nose + 1);
    lower.assign(nose, rows.end());
  }
  const auto fold = foldOf(upper, counted);
  if (const auto at = fold ? fold : foldOf(lower, true)) {
    return refusal(fileName, *at, "airfoilFolds", "the surface folds back");
  }
  if (counted) std::ranges::reverse(upper);
  Airfoil airfoil{name, {}};
  for (const Row& row : upper) airfoil.points.push_back(row.point);
  // Both surfaces start at the nose: it is listed once.
  const bool sharedNose = upper.back().point == lower.front().point;
  for (std::size_t i = sharedNose ? 1 : 0; i < lower.size(); ++i) {
    airfoil.points.push_back(lower[i].point);
  }
  return {std::move(airfoil), {}, {}, 0};
}

Airfoil resampled(const Airfoil& airfoil) {
  using Spline = Eigen::Spline2d;
  // Points that coincide give the spline no direction there.
  std::vector<wing::Point> points;
  for (const wing::Point& p : airfoil.points) {
    if (points.empty() || std::hypot(p.x - points.back().x, p.y - points.back().y) > 1e-9) {
      points.push_back(p);
    }
  }
  const auto [least, most] = std::ranges::minmax(points, {}, &wing::Point::x);
  // A cubic spline needs four points, and a section its chord: anything less stays as it is.
  if (points.size() < 4 || !(most.x - least.x > 0)) return airfoil;
  Eigen::MatrixXd at(2, static_cast<Eigen::Index>(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) {
    at(0, static_cast<Eigen::Index>(i)) = points[i].x;
    at(1, static_cast<Eigen::Index>(i)) = points[i].y;
  }
  Eigen::RowVectorXd arc;
  Eigen::ChordLengths(at, arc);
  const Spline spline = Eigen::SplineFitting<Spline>::Interpolate(at, 3, arc);
  const auto nose = std::ranges::min_element(points, {}, &wing::Point::x) - points.begin();
  const double noseAt = arc(nose);
  const double minX = points[static_cast<std::size_t>(nose)].x;
  const double chord = most.x - minX;
  const double noseY = points[static_cast<std::size_t>(nose)].y;

  Airfoil out{airfoil.name, {}};
  constexpr int kHalf = (kResampledPoints - 1) / 2;
  for (int i = 0; i < kResampledPoints; ++i) {
    // A quarter cosine on each surface: the samples crowd where it reaches the nose.
    const double u =
        i <= kHalf
            ? noseAt * std::sin(std::numbers::pi / 2 * i / kHalf)
            : noseAt + (1 - noseAt) * (1 - std::cos(std::numbers::pi / 2 * (i - kHalf) / kHalf));
    const auto p = spline(std::clamp(u, 0.0, 1.0));
    out.points.push_back({(p(0) - minX) / chord, (p(1) - noseY) / chord});
  }
  return out;
}

Airfoil blended(const Airfoil& root, const Airfoil& tip, double share) {
  Airfoil out{root.name, root.points};
  if (share <= 0 || root.points.size() != tip.points.size()) return out;
  for (std::size_t i = 0; i < out.points.size(); ++i) {
    out.points[i] = {root.points[i].x + share * (tip.points[i].x - root.points[i].x),
                     root.points[i].y + share * (tip.points[i].y - root.points[i].y)};
  }
  if (share >= 1) out.name = tip.name;
  return out;
}

}  // namespace tavelor::rib
