#pragma once

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "plot/drawing_surface.h"
#include "plot/page_surface.h"

namespace tavelor::testing {

// Twips as the recorders print them: at most two decimals, no trailing zeros ("907.2", "1134").
inline std::string twips(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

inline std::string colourName(plot::Rgb colour) {
  if (colour == plot::kRed) return "red";
  if (colour == plot::kBlue) return "blue";
  if (colour == plot::kBlack) return "black";
  return "rgb(" + std::to_string(colour.r) + "," + std::to_string(colour.g) + "," +
         std::to_string(colour.b) + ")";
}

inline std::string styleName(plot::LineStyle style) {
  return style == plot::LineStyle::Solid ? "solid" : "dashdotdot";
}

// "line 525,1820 525,420" plus " red" / " blue" when the line has a colour of its own.
inline std::string lineEntry(float x1, float y1, float x2, float y2,
                             std::optional<plot::Rgb> colour) {
  std::string entry = "line " + twips(x1) + "," + twips(y1) + " " + twips(x2) + "," + twips(y2);
  if (colour) entry += " " + colourName(*colour);
  return entry;
}

// A plan strip that writes down every operation.
class RecordingSurface : public plot::DrawingSurface {
 public:
  void clear() override { log.push_back("clear"); }
  void setLineStyle(plot::LineStyle style) override { log.push_back("style " + styleName(style)); }
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override {
    log.push_back(lineEntry(x1, y1, x2, y2, colour));
  }
  std::vector<std::string> log;
};

// What a RecordingPage writes and how it misbehaves. Several pages (one per print command) and
// a fake window may share one record, so a test reads one journal of everything that happened.
struct PageRecord {
  std::vector<std::string> log;
  int operations = 0;  // page operations so far; window entries in the log do not count
  int failAt = -1;     // the page operation (0-based) that throws PageError instead of working
  bool abortThrows = false;
  std::string device = "Office Laser";
  std::string note;  // what deliveryNote gives
};

// A printer page that keeps a current point the way a real one does, with fixed metrics:
// every character is 100 twips wide at any size, a line is 20 twips per point high.
class RecordingPage : public plot::PageSurface {
 public:
  explicit RecordingPage(std::shared_ptr<PageRecord> record = std::make_shared<PageRecord>())
      : record_(std::move(record)) {}

  PageRecord& record() { return *record_; }
  const std::vector<std::string>& log() const { return record_->log; }

  void setLandscape() override { op("landscape"); }
  double currentX() const override { return x_; }
  double currentY() const override { return y_; }
  void setCurrentX(double twipsValue) override {
    op("x " + twips(twipsValue));
    x_ = twipsValue;
  }
  void setCurrentY(double twipsValue) override {
    op("y " + twips(twipsValue));
    y_ = twipsValue;
  }
  void setFontName(const std::string& name) override { op("font " + name); }
  void setFontSize(int points) override {
    op("size " + std::to_string(points));
    points_ = points;
  }
  void setBold(bool on) override { op(std::string("bold ") + (on ? "on" : "off")); }
  void setUnderline(bool on) override { op(std::string("underline ") + (on ? "on" : "off")); }
  void setInkColour(plot::Rgb colour) override { op("ink " + colourName(colour)); }
  void setLineStyle(plot::LineStyle style) override { op("style " + styleName(style)); }
  void printText(const std::string& text, bool endsLine) override {
    op("text@" + here() + " '" + text + "' " + (endsLine ? "ends" : "stays"));
    advance(text, endsLine);
  }
  void printNumber(double value, bool endsLine) override {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    op("number@" + here() + " " + buffer + " " + (endsLine ? "ends" : "stays"));
    // A blank or the sign before the digits and one blank after them.
    std::string shown = buffer;
    if (shown.front() != '-') shown = " " + shown;
    advance(shown + " ", endsLine);
  }
  void drawLine(float x1, float y1, float x2, float y2,
                std::optional<plot::Rgb> colour = std::nullopt) override {
    op(lineEntry(x1, y1, x2, y2, colour));
  }
  void endDocument() override { op("end"); }
  std::string deviceName() override {
    op("deviceName");
    return record_->device;
  }
  void abortDocument() override {
    record_->log.push_back("abort");
    if (record_->abortThrows) throw plot::PageError("abort failed");
  }
  std::string deliveryNote() const override { return record_->note; }

 private:
  void op(std::string entry) {
    record_->log.push_back(std::move(entry));
    if (record_->operations++ == record_->failAt) throw plot::PageError("printer fault");
  }
  std::string here() const { return twips(x_) + "," + twips(y_); }
  void advance(const std::string& text, bool endsLine) {
    if (endsLine) {
      x_ = 0;
      y_ += points_ * 20.0;
      return;
    }
    int characters = 0;
    for (unsigned char c : text) characters += (c & 0xC0) != 0x80;  // UTF-8 lead bytes
    x_ += characters * 100.0;
  }

  std::shared_ptr<PageRecord> record_;
  double x_ = 0;
  double y_ = 0;
  int points_ = 10;
};

}  // namespace tavelor::testing
