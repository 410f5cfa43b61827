#include "config/qt/config_dialog_widget.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>
#include <QUrl>
#include <QVBoxLayout>

#include "config/qt/file_order_dialog.h"
#include "config/qt/others_page_widget.h"
#include "config/qt/qt_text.h"
#include "config/qt/spatial_page_widget.h"
#include "config/qt/temporal_page_widget.h"

namespace tenukiro {
namespace {

// The preview frame and the page area: 200 x 150 dialog units of the original layout.
constexpr int kPreviewWidth = 320;
constexpr int kPreviewHeight = 240;

QPushButton* PlainButton(ConfigText caption, QWidget* parent) {
  auto* button = new QPushButton(QText(caption), parent);
  // Return belongs to OK wherever the focus is.
  button->setAutoDefault(false);
  return button;
}

}  // namespace

std::vector<std::string> ChooseFilesWithQt(QWidget* parent, const std::string& folder) {
  QFileDialog dialog(parent, QText(StringId::kAddFilesTitle), QUtf8(folder));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  std::vector<std::string> paths;
  if (dialog.exec() != QDialog::Accepted) return paths;
  for (const QString& path : dialog.selectedFiles()) paths.push_back(path.toStdString());
  return paths;
}

ConfigDialogWidget::ConfigDialogWidget(Profile& profile, ConfigDialogServices services, QWidget* parent)
    : QDialog(parent), services_(std::move(services)) {
  setWindowTitle(QText(ConfigText::DialogTitle));
  // The installed program icon, which the About box shows too.
  setWindowIcon(QIcon::fromTheme(QStringLiteral("tenukiro")));
  auto* previewFrame = new QFrame(this);
  previewFrame->setFrameShape(QFrame::StyledPanel);
  previewFrame->setFrameShadow(QFrame::Sunken);
  auto* frameLayout = new QVBoxLayout(previewFrame);
  frameLayout->setContentsMargins(1, 1, 1, 1);
  if (services_.makePreview) preview_ = services_.makePreview(profile, previewFrame);
  if (preview_) {
    preview_->Widget()->setFixedSize(kPreviewWidth, kPreviewHeight);
    frameLayout->addWidget(preview_->Widget());
    previewLink_ = std::make_unique<ShowPreview>(preview_->Show());
  } else {
    previewFrame->setFixedSize(kPreviewWidth + 2, kPreviewHeight + 2);
    previewLink_ = std::make_unique<NoPreview>();
  }
  const std::string directory = services_.programDirectory;
  logic_ = std::make_unique<CConfigDialog>(profile, *previewLink_, [&profile, directory] {
    return AnyPatternFileReadable(profile, directory);
  });

  auto* column = new QVBoxLayout(this);
  column->addWidget(BuildFileGroup());
  auto* middle = new QHBoxLayout;
  middle->addWidget(BuildTabs(), 1);
  middle->addWidget(previewFrame, 0, Qt::AlignTop);
  auto* buttons = new QVBoxLayout;
  for (const ConfigText caption : {ConfigText::Ok, ConfigText::Cancel, ConfigText::Default, ConfigText::Help}) {
    QPushButton* button = PlainButton(caption, this);
    buttons_.emplace_back(caption, button);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  middle->addLayout(buttons);
  column->addLayout(middle);
  column->addWidget(new QLabel(QUtf8(VersionLine()), this));

  QPushButton* ok = Button(ConfigText::Ok);
  ok->setAutoDefault(true);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &ConfigDialogWidget::accept);
  connect(Button(ConfigText::Cancel), &QPushButton::clicked, this, &ConfigDialogWidget::reject);
  connect(Button(ConfigText::Default), &QPushButton::clicked, this, &ConfigDialogWidget::RestoreDefaults);
  connect(Button(ConfigText::Help), &QPushButton::clicked, this, [this] {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QUtf8(services_.helpPage)));
  });

  FillFileList();
  tabs_->setCurrentIndex(logic_->InitialTab());
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { tabs_->tabBar()->setFocus(); });
  logic_->StartPreview();
  if (preview_) preview_->Start();
  AddWindowMenu();
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

ConfigDialogWidget::~ConfigDialogWidget() = default;

QWidget* ConfigDialogWidget::BuildFileGroup() {
  auto* group = new QGroupBox(QText(ConfigText::SgfFilesGroup), this);
  auto* rows = new QVBoxLayout(group);
  auto* top = new QHBoxLayout;
  files_ = new QListWidget(group);
  files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  files_->setUniformItemSizes(true);
  top->addWidget(files_, 1);
  auto* fileButtons = new QVBoxLayout;
  for (const ConfigText caption :
       {ConfigText::AddFiles, ConfigText::RemoveFiles, ConfigText::SelectAll, ConfigText::ChangeOrder}) {
    QPushButton* button = PlainButton(caption, group);
    buttons_.emplace_back(caption, button);
    fileButtons->addWidget(button);
  }
  fileButtons->addStretch(1);
  top->addLayout(fileButtons);
  rows->addLayout(top);
  auto* options = new QHBoxLayout;
  randomOrder_ = new QCheckBox(QText(ConfigText::RandomDisplayOrder), group);
  priority_ = new QCheckBox(QText(ConfigText::PriorityToRecordOptions), group);
  randomOrder_->setChecked(logic_->RandomAccessChecked());
  priority_->setChecked(logic_->SgfPriorityChecked());
  options->addWidget(randomOrder_);
  options->addWidget(priority_);
  options->addStretch(1);
  rows->addLayout(options);

  connect(Button(ConfigText::AddFiles), &QPushButton::clicked, this, &ConfigDialogWidget::AddFiles);
  connect(Button(ConfigText::RemoveFiles), &QPushButton::clicked, this, &ConfigDialogWidget::RemoveFiles);
  connect(Button(ConfigText::SelectAll), &QPushButton::clicked, files_, &QListWidget::selectAll);
  connect(Button(ConfigText::ChangeOrder), &QPushButton::clicked, this, &ConfigDialogWidget::ChangeOrder);
  connect(new QShortcut(QKeySequence::SelectAll, this), &QShortcut::activated, files_, &QListWidget::selectAll);
  connect(randomOrder_, &QCheckBox::clicked, this, [this](bool checked) { logic_->OnRandomAccess(checked); });
  connect(priority_, &QCheckBox::clicked, this, [this](bool checked) { logic_->OnSgfPriority(checked); });
  return group;
}

QWidget* ConfigDialogWidget::BuildTabs() {
  tabs_ = new QTabWidget(this);
  // Every tab caption stays readable, in both languages.
  tabs_->setUsesScrollButtons(false);
  temporal_ = new TemporalPageWidget(logic_->Temporal(), tabs_);
  spatial_ = new SpatialPageWidget(logic_->Spatial(), tabs_);
  colours_ = new ColoursPageWidget(logic_->Colours(), services_.chooseColour, tabs_);
  others_ = new OthersPageWidget(logic_->Others(), tabs_);
  tabs_->addTab(temporal_, QText(StringId::kTemporalTab));
  tabs_->addTab(spatial_, QText(StringId::kSpatialTab));
  tabs_->addTab(colours_, QText(StringId::kColoursTab));
  tabs_->addTab(others_, QText(StringId::kOthersTab));
  return tabs_;
}

void ConfigDialogWidget::AddWindowMenu() {
  // The window manager's own menu is out of reach: the dialog's context menu stands for it.
  setContextMenuPolicy(Qt::ActionsContextMenu);
  const QString about = QText(StringId::kAboutMenuItem);
  if (about.isEmpty()) return;
  auto* separator = new QAction(this);
  separator->setSeparator(true);
  addAction(separator);
  auto* item = new QAction(about, this);
  connect(item, &QAction::triggered, this, &ConfigDialogWidget::ShowAbout);
  addAction(item);
}

QPushButton* ConfigDialogWidget::Button(ConfigText caption) const {
  for (const auto& [text, button] : buttons_) {
    if (text == caption) return button;
  }
  return nullptr;
}

void ConfigDialogWidget::FillFileList() {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(logic_->Files().size()));
  for (const std::string& path : logic_->Files()) lines.append(QUtf8(path));
  files_->clear();
  files_->addItems(lines);
}

void ConfigDialogWidget::AddFiles() {
  const std::vector<std::string> chosen = services_.chooseFiles(this, logic_->InitialDir());
  if (chosen.empty()) return;
  logic_->AddFiles(chosen);
  FillFileList();
}

void ConfigDialogWidget::RemoveFiles() {
  std::vector<int> lines;
  for (const QModelIndex& index : files_->selectionModel()->selectedRows()) lines.push_back(index.row());
  logic_->RemoveFiles(std::move(lines));
  FillFileList();
}

void ConfigDialogWidget::ChangeOrder() {
  FileOrderDialog order(logic_->Files(), this);
  if (order.exec() != QDialog::Accepted) return;
  logic_->ReorderFiles(order.Paths());
  FillFileList();
}

void ConfigDialogWidget::RestoreDefaults() {
  logic_->Default();
  randomOrder_->setChecked(logic_->RandomAccessChecked());
  priority_->setChecked(logic_->SgfPriorityChecked());
  temporal_->Refresh();
  spatial_->Refresh();
  colours_->Refresh();
  others_->Refresh();
}

void ConfigDialogWidget::ShowAbout() {
  QMessageBox::about(this, QText(ConfigText::AboutTitle), QUtf8(VersionLine()));
}

void ConfigDialogWidget::accept() {
  const auto refusal = logic_->Accept(tabs_->currentIndex());
  if (!refusal) {
    QDialog::accept();
    return;
  }
  // The page with the bad edit comes forward, the message is shown, and the edit gets the focus.
  tabs_->setCurrentIndex(refusal->tab);
  QMessageBox::warning(this, QStringLiteral("Tenukiro"), QUtf8(refusal->error.message));
  if (refusal->tab == SpatialTab) {
    QLineEdit* edit = spatial_->Edit(static_cast<CSpatialPage::Edit>(refusal->error.control))->Edit();
    edit->setFocus();
    edit->selectAll();
  }
}

void ConfigDialogWidget::reject() {
  logic_->Cancel(tabs_->currentIndex());
  QDialog::reject();
}

}  // namespace tenukiro
