#pragma once

#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <map>
#include <optional>

#include "config/colours_page.h"

namespace tenukiro {

// Runs the colour chooser from `initial` with the sixteen custom colours `customColours`, which
// it may change; gives the chosen colour, or nothing when the user cancelled.
using ColourChooser = std::function<std::optional<Color>(QWidget* parent, Color initial, CustomColours& customColours)>;

// The chooser of the toolkit (QColorDialog), its custom colours copied in and out.
std::optional<Color> ChooseColourWithQt(QWidget* parent, Color initial, CustomColours& customColours);

// The colours page: three switches and twelve colour buttons in four groups.
class ColoursPageWidget : public QWidget {
  Q_OBJECT

 public:
  ColoursPageWidget(CColoursPage& page, ColourChooser chooser = ChooseColourWithQt, QWidget* parent = nullptr);

  QPushButton* ColourButton(SettingId setting) const { return buttons_.at(setting); }
  QCheckBox* RandomBox() const { return random_; }
  // Shows what the page holds (after Default).
  void Refresh();

 private:
  void Choose(SettingId setting);
  void OnCustom(bool checked);

  CColoursPage& page_;
  ColourChooser chooser_;
  QCheckBox* with3D_;
  QCheckBox* random_;
  QCheckBox* custom_;
  std::map<SettingId, QPushButton*> buttons_;
};

}  // namespace tenukiro
