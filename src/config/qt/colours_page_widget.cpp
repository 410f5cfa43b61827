#include "config/qt/colours_page_widget.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include "base/data_files.h"
#include "config/qt/qt_text.h"

namespace tenukiro {

std::optional<Color> ChooseColourWithQt(QWidget* parent, Color initial, CustomColours& customColours) {
  // Qt keeps the custom colours process-wide and in its own file; the profile's are the ones that count.
  for (int i = 0; i < static_cast<int>(customColours.size()); ++i) QColorDialog::setCustomColor(i, ToQColor(customColours[i]));
  QColorDialog chooser(ToQColor(initial), parent);
  if (chooser.exec() != QDialog::Accepted) return std::nullopt;
  for (int i = 0; i < static_cast<int>(customColours.size()); ++i) customColours[i] = FromQColor(QColorDialog::customColor(i));
  return FromQColor(chooser.selectedColor());
}

ColoursPageWidget::ColoursPageWidget(CColoursPage& page, ColourChooser chooser, QWidget* parent)
    : QWidget(parent),
      page_(page),
      chooser_(std::move(chooser)),
      with3D_(new QCheckBox(QText(ConfigText::With3DEffectCheck), this)),
      random_(new QCheckBox(QText(ConfigText::RandomColoursCheck), this)),
      custom_(new QCheckBox(QText(ConfigText::CustomPatternsCheck), this)) {
  auto* column = new QVBoxLayout(this);
  auto* switches = new QHBoxLayout;
  for (QCheckBox* box : {with3D_, random_, custom_}) switches->addWidget(box);
  column->addLayout(switches);
  connect(with3D_, &QCheckBox::clicked, this, [this](bool checked) { page_.On3DEffect(checked); });
  connect(random_, &QCheckBox::clicked, this, [this](bool checked) {
    page_.OnRandom(checked);
    Refresh();
  });
  connect(custom_, &QCheckBox::clicked, this, &ColoursPageWidget::OnCustom);

  // Screen, grid and stones side by side, each a column of two; the assistant's six below them.
  auto* groups = new QGridLayout;
  for (size_t g = 0; g < CColoursPage::kGroups.size(); ++g) {
    const CColoursPage::ColourGroup& group = CColoursPage::kGroups[g];
    const bool wide = group.count > 2;
    auto* box = new QGroupBox(QText(group.caption), this);
    auto* rows = new QGridLayout(box);
    for (int i = 0; i < group.count; ++i) {
      const CColoursPage::ColourButton& entry = group.buttons[i];
      auto* button = new QPushButton(QText(entry.caption), box);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, this, [this, setting = entry.setting] { Choose(setting); });
      buttons_[entry.setting] = button;
      if (wide) {
        rows->addWidget(button, i / 2, i % 2);
      } else {
        rows->addWidget(button, i, 0);
      }
    }
    if (wide) {
      groups->addWidget(box, 1, 0, 1, 3);
    } else {
      groups->addWidget(box, 0, static_cast<int>(g));
    }
  }
  column->addLayout(groups);
  column->addStretch(1);
  Refresh();
}

void ColoursPageWidget::Choose(SettingId setting) {
  CustomColours customColours = page_.CustomColoursForChooser();
  const std::optional<Color> chosen = chooser_(this, page_.ColourOf(setting), customColours);
  if (!chosen) return;
  page_.OnColourChosen(setting, *chosen, customColours);
  Refresh();
}

void ColoursPageWidget::OnCustom(bool checked) {
  if (page_.OnCustom(checked)) {
    // An installed program's folder is not the user's to write: say where the user's own files go.
    QMessageBox::information(this, QStringLiteral("Tenukiro"), QUtf8(PatternFilesExplanation(UserDataFolder())));
  }
}

void ColoursPageWidget::Refresh() {
  with3D_->setChecked(page_.With3DEffectChecked());
  random_->setChecked(page_.RandomChecked());
  custom_->setChecked(page_.CustomChecked());
  for (const auto& [setting, button] : buttons_) {
    button->setEnabled(page_.ColourButtonsEnabled());
    // A framed swatch of the colour the button stands for (white shows on a light button too).
    QPixmap swatch(14, 14);
    swatch.fill(ToQColor(page_.ColourOf(setting)));
    QPainter frame(&swatch);
    frame.setPen(Qt::darkGray);
    frame.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    frame.end();
    button->setIcon(swatch);
  }
}

}  // namespace tenukiro
