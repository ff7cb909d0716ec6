#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/message_box.h"
#include "base/units.h"
#include "plot/drawing.h"
#include "rib/rib.h"
#include "ui/command_line.h"
#include "wing/geometry.h"

namespace tavelor::ui {

class Dialogs;

// The ribs window's fields, in the order it shows them (see ui/rib_table.h).
enum class RibField {
  RootAirfoil,
  TipAirfoil,
  Spacing,
  SheetTop,
  SheetBottom,
  SheetTo,
  Spar1At,
  Spar1Width,
  Spar1Depth,
  Spar2At,
  Spar2Width,
  Spar2Depth,
  Spar3At,
  Spar3Width,
  Spar3Depth,
  LeadingEdge,
  TrailingEdge,
  Washout,
  WashoutPivot,
  StockWidth,
  StockLength,
};
inline constexpr std::size_t kRibFieldCount = 21;

// The ribs window without its widgets: the rib settings as field texts (lengths in the chosen
// units), read back with the one number reader, and pictures of the root rib, the tip rib and
// the first stock sheet. The toolkit layer shows it and calls its commands; the main form takes
// the settings once the user pressed OK.
class RibForm {
 public:
  using TextLookup = std::function<std::string(const std::string& key)>;
  // What the main form does with settings that read and their sheets: write the rib file, print
  // the rib pages.
  using Command = std::function<void(const rib::RibSettings&, const RibSheets&)>;
  struct Ports {
    Dialogs& dialogs;
    base::MessageBoxes& boxes;
    std::string startFolder;  // where the airfoil file dialog starts
    Command exportRibs, printRibs;
  };

  // text: the [Ribs] section of the language file.
  RibForm(const wing::WingGeometry& geometry, const rib::RibSettings& settings,
          std::string decimalMark, base::Units units, TextLookup text, Ports ports);

  std::string text(const std::string& key) const { return text_(key); }
  const std::string& shownText(RibField field) const { return shown_[index(field)]; }
  void edit(RibField field, const std::string& text);
  // Whether a key's character may reach the field: an airfoil takes any, a number field those
  // of a number, the washout angle a sign too.
  static bool keyPasses(RibField field, char32_t character);
  rib::SparSide sparSide(int spar) const { return sides_.at(static_cast<std::size_t>(spar)); }
  void setSparSide(int spar, rib::SparSide side);
  // The "…" button: an airfoil file for the root (0) or the tip (1), read and kept; a file that
  // does not read is refused in a box naming the file and its line.
  void chooseAirfoil(int which);

  // OK: true when every field reads; the settings are then the form's result. Otherwise the
  // first unusable field is named in a box and becomes the focus field.
  bool accept();
  // Export ribs... and Print ribs... on the settings the fields give; false when one was refused.
  bool exportRibs();
  bool printRibs();
  const std::optional<rib::RibSettings>& result() const { return result_; }
  RibField focusField() const { return focus_; }

  // The pictures of the fields as they read now (the last that read while one does not).
  const plot::Drawing& rootPicture() const { return pictures_[0]; }
  const plot::Drawing& tipPicture() const { return pictures_[1]; }
  const plot::Drawing& sheetPicture() const { return pictures_[2]; }

 private:
  static std::size_t index(RibField field) { return static_cast<std::size_t>(field); }
  // The settings the fields give; with quiet false, a box names the first that does not read.
  std::optional<rib::RibSettings> read(bool quiet);
  std::optional<rib::Airfoil> airfoilOf(int which) const;
  void refuse(bool quiet, RibField field, const std::string& message);
  void drawPictures();
  // A field's number as the field shows it: a length in the chosen units, the decimal mark.
  std::string numberText(double value, bool length) const;
  std::string fieldName(RibField field) const;

  wing::WingGeometry geometry_;
  std::string decimalMark_;
  base::Units units_;
  TextLookup text_;
  Ports ports_;
  std::array<std::string, kRibFieldCount> shown_, initialShown_;
  std::array<double, kRibFieldCount> initialValue_{};
  std::array<rib::SparSide, rib::kMaxSpars> sides_{};
  std::array<std::optional<rib::Airfoil>, 2> kept_;  // shown by name in the airfoil fields
  std::optional<rib::RibSettings> result_;
  RibField focus_ = RibField::RootAirfoil;
  RibSheets sheets_;  // of the settings that read last
  std::array<plot::Drawing, 3> pictures_;
};

}  // namespace tavelor::ui
