#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QUrl>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/language.h"
#include "config/qt/config_dialog_widget.h"
#include "config/qt/file_order_dialog.h"
#include "config/qt/others_page_widget.h"
#include "config/qt/spatial_page_widget.h"
#include "config/qt/temporal_page_widget.h"
#include "gui/gui_application.h"
#include "settings/time_scale.h"
#include "shell/qt/show_widget.h"

namespace tenukiro {
namespace {

class GuiApplicationEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { EndGuiApplication(); }
};

const auto* const kGuiEnvironment = ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

// Answers the next modal window (message box, colour chooser) as soon as it is up.
void WhenModalAppears(std::function<void(QWidget*)> answer) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || qobject_cast<ConfigDialogWidget*>(modal)) return;
    timer->stop();
    timer->deleteLater();
    answer(modal);
  });
  timer->start();
}

class ConfigDialogGuiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    GuiApplication();
    SetFrench(false);
  }
  void TearDown() override { SetFrench(false); }

  std::unique_ptr<ConfigDialogWidget> Open() {
    ConfigDialogServices services;
    services.programDirectory = std::string(TENUKIRO_SOURCE_DIR) + "/resources/";
    services.helpPage = "/help/page.html";
    services.chooseFiles = [this](QWidget*, const std::string& folder) {
      startFolders.push_back(folder);
      return chosenFiles;
    };
    auto dialog = std::make_unique<ConfigDialogWidget>(profile, std::move(services));
    dialog->show();
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog.get(), 2000));
    return dialog;
  }

  const SettingsRecord& PreviewSettings(ConfigDialogWidget& dialog) { return dialog.Preview()->Show().Settings(); }

  MemoryProfile profile;
  std::vector<std::string> chosenFiles;
  std::vector<std::string> startFolders;
};

TEST_F(ConfigDialogGuiTest, TitleAndTabsFollowTheLanguage) {
  struct Case { bool french; const char* title; const char* firstTab; const char* cancel; };
  for (const Case c : {Case{false, "Tenukiro Configuration", "Temporal options", "Cancel"},
                       Case{true, "Configuration de Tenukiro ", "Options temporelles", "Annuler"}}) {
    SetFrench(c.french);
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(c.title));
    EXPECT_EQ(dialog->Tabs()->tabText(0), QString::fromUtf8(c.firstTab));
    EXPECT_EQ(dialog->Button(ConfigText::Cancel)->text(), QString::fromUtf8(c.cancel));
  }
}

TEST_F(ConfigDialogGuiTest, LastPageOpensItsTab) {
  struct Case { const char* stored; int tab; };
  for (const Case c : {Case{"2", 2}, Case{"7", 0}, Case{"3", 3}, Case{"1", 1}}) {
    profile.WriteText("LastPage", c.stored);
    auto dialog = Open();
    EXPECT_EQ(dialog->Tabs()->currentIndex(), c.tab) << c.stored;
  }
}

TEST_F(ConfigDialogGuiTest, SliderTipsInBothLanguages) {
  struct Case { int position; const char* english; const char* french; };
  for (const bool french : {false, true}) {
    SetFrench(french);
    auto dialog = Open();
    for (const Case c : {Case{59, "9.000 s", "9,000 s"}, Case{60, "10.00 s", "10,00 s"},
                         Case{80, "100.0 s", "100,0 s"}}) {
      dialog->Temporal()->Slider(1)->setValue(c.position);
      EXPECT_EQ(dialog->Temporal()->TipText(1).toStdString(), french ? c.french : c.english);
      EXPECT_EQ(PreviewSettings(*dialog).Registry(CommentPageTime), TimeIndexToMs(c.position));
    }
  }
}

TEST_F(ConfigDialogGuiTest, TypedNumbersAreClampedAndOkRefusesTheWidthEdit) {
  auto dialog = Open();
  dialog->Tabs()->setCurrentIndex(SpatialTab);
  QLineEdit* radius = dialog->Spatial()->Edit(CSpatialPage::Radius)->Edit();
  radius->selectAll();
  QTest::keyClicks(radius, "150");
  EXPECT_EQ(radius->text(), "99");
  EXPECT_EQ(PreviewSettings(*dialog).Registry(StoneRadius), 99);

  dialog->Spatial()->CustomWidthBox()->click();
  QLineEdit* width = dialog->Spatial()->Edit(CSpatialPage::Width)->Edit();
  ASSERT_TRUE(width->isEnabled());
  width->selectAll();
  QTest::keyClicks(width, "150");
  EXPECT_EQ(width->text(), "150");
  EXPECT_EQ(PreviewSettings(*dialog).Registry(AssistantWidth), 99);

  QString message;
  WhenModalAppears([&message](QWidget* box) {
    message = static_cast<QMessageBox*>(box)->text();
    static_cast<QMessageBox*>(box)->accept();
  });
  dialog->Button(ConfigText::Ok)->click();
  EXPECT_EQ(message, "Please enter an integer between 1 and 99.");
  EXPECT_TRUE(dialog->isVisible()) << "OK is refused";
  EXPECT_TRUE(profile.Values().empty()) << "nothing is written";
  EXPECT_EQ(dialog->focusWidget(), width);
}

TEST_F(ConfigDialogGuiTest, GridPositionEnablesTheOffsets) {
  auto dialog = Open();
  SpatialPageWidget* page = dialog->Spatial();
  EXPECT_TRUE(page->PositionButton(1)->isChecked());
  EXPECT_FALSE(page->Edit(CSpatialPage::X)->isEnabled());
  page->PositionButton(2)->click();
  EXPECT_TRUE(page->Edit(CSpatialPage::X)->isEnabled());
  EXPECT_TRUE(page->Edit(CSpatialPage::Y)->isEnabled());
  EXPECT_EQ(PreviewSettings(*dialog).Registry(GridPosition), 2);
  page->PositionButton(0)->click();
  EXPECT_FALSE(page->Edit(CSpatialPage::Y)->isEnabled());
  EXPECT_FALSE(page->PositionButton(2)->isChecked());
}

TEST_F(ConfigDialogGuiTest, AddAppendsAndRemembersTheFolderEvenOnCancel) {
  profile.WriteText("InitialDir", "/start");
  auto dialog = Open();
  chosenFiles = {"/games/c.sgf", "/games/a.sgf", "/games/b.sgf"};
  dialog->Button(ConfigText::AddFiles)->click();
  EXPECT_EQ(startFolders, std::vector<std::string>{"/start"});
  ASSERT_EQ(dialog->FileListBox()->count(), 3);
  EXPECT_EQ(dialog->FileListBox()->item(0)->text(), "/games/c.sgf");
  EXPECT_EQ(dialog->FileListBox()->item(2)->text(), "/games/b.sgf");
  EXPECT_EQ(dialog->Preview()->Show().Files().Count(), 3);
  dialog->Tabs()->setCurrentIndex(OthersTab);
  dialog->Button(ConfigText::Cancel)->click();
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(profile.ReadText("InitialDir"), "/games");
  EXPECT_EQ(profile.ReadInt("LastPage"), 3);
  EXPECT_EQ(profile.Values().size(), 2u) << "Cancel writes only LastPage";
}

TEST_F(ConfigDialogGuiTest, RemoveTakesTwoAdjacentLines) {
  profile.WriteText("NumOfFile", "4");
  for (int i = 0; i < 4; ++i) profile.WriteText("File" + std::to_string(i), "/g/" + std::to_string(i));
  auto dialog = Open();
  dialog->FileListBox()->item(1)->setSelected(true);
  dialog->FileListBox()->item(2)->setSelected(true);
  dialog->Button(ConfigText::RemoveFiles)->click();
  ASSERT_EQ(dialog->FileListBox()->count(), 2);
  EXPECT_EQ(dialog->FileListBox()->item(0)->text(), "/g/0");
  EXPECT_EQ(dialog->FileListBox()->item(1)->text(), "/g/3");
  EXPECT_EQ(dialog->Preview()->Show().Files().Paths(), (std::vector<std::string>{"/g/0", "/g/3"}));
}

TEST_F(ConfigDialogGuiTest, CtrlASelectsEveryFile) {
  profile.WriteText("NumOfFile", "3");
  auto dialog = Open();
  dialog->FileListBox()->setFocus();
  QTest::keyClick(dialog.get(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(dialog->FileListBox()->selectedItems().size(), 3);
}

TEST_F(ConfigDialogGuiTest, DefaultLeavesTheFilesAndTheTabAlone) {
  profile.WriteText("NumOfFile", "2");
  profile.WriteText("File0", "/g/x.sgf");
  profile.WriteText("File1", "/g/y.sgf");
  profile.WriteText("RandomColors", "1");
  profile.WriteText("LastPage", "2");
  profile.WriteText("Numbering", "1");
  profile.WriteText("AllScreens", "1");
  auto dialog = Open();
  EXPECT_FALSE(dialog->Colours()->ColourButton(BackColor)->isEnabled()) << "greyed from the start";
  EXPECT_TRUE(dialog->Others()->AllScreensBox()->isChecked());
  dialog->Button(ConfigText::Default)->click();
  EXPECT_EQ(dialog->Tabs()->currentIndex(), ColoursTab);
  ASSERT_EQ(dialog->FileListBox()->count(), 2);
  EXPECT_EQ(dialog->FileListBox()->item(1)->text(), "/g/y.sgf");
  EXPECT_TRUE(dialog->Colours()->ColourButton(BackColor)->isEnabled());
  EXPECT_FALSE(dialog->Colours()->RandomBox()->isChecked());
  EXPECT_TRUE(dialog->RandomOrderBox()->isChecked());
  for (size_t i = 0; i < COthersPage::kSwitches.size(); ++i) {
    const SettingId id = COthersPage::kSwitches[i].setting;
    EXPECT_EQ(dialog->Others()->Box(static_cast<int>(i))->isChecked(), id == StarPoints || id == Lines);
  }
  EXPECT_FALSE(dialog->Others()->AllScreensBox()->isChecked());
  EXPECT_EQ(PreviewSettings(*dialog).Registry(Numbering), 0);
}

TEST_F(ConfigDialogGuiTest, OkWritesEverythingAndACountOfZero) {
  profile.WriteText("NumOfFile", "1");
  profile.WriteText("File0", "/g/x.sgf");
  auto dialog = Open();
  dialog->FileListBox()->item(0)->setSelected(true);
  dialog->Button(ConfigText::RemoveFiles)->click();
  dialog->Others()->Box(2)->click();
  EXPECT_EQ(dialog->Others()->AllScreensBox()->text(), "Show on every screen");
  dialog->Others()->AllScreensBox()->click();
  dialog->Button(ConfigText::Ok)->click();
  EXPECT_EQ(dialog->result(), QDialog::Accepted);
  EXPECT_EQ(profile.ReadInt("NumOfFile"), 0);
  EXPECT_EQ(profile.ReadInt("Numbering"), 1);
  EXPECT_EQ(profile.ReadInt("AllScreens"), 1);
  EXPECT_EQ(profile.ReadInt("LastPage"), 0);
  EXPECT_EQ(profile.ReadInt("BackColorGreen"), 170);
  EXPECT_EQ(profile.ReadInt("CommonPositionTime"), 40);
}

TEST_F(ConfigDialogGuiTest, ReturnPressesOkWhereverTheFocusStarts) {
  // Every control that can hold the focus, found by walking the focus chain once.
  auto first = Open();
  std::vector<QString> names;
  QWidget* start = first->nextInFocusChain();
  for (QWidget* w = start; names.size() < 200; w = w->nextInFocusChain()) {
    if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(first.get()) && w->isEnabled()) {
      w->setObjectName(QStringLiteral("focus%1").arg(names.size()));
      names.push_back(w->objectName());
    }
    if (w->nextInFocusChain() == start) break;
  }
  first->reject();
  ASSERT_GT(names.size(), 15u);
  for (size_t i = 0; i < names.size(); ++i) {
    profile = MemoryProfile();
    auto dialog = Open();
    // The same walk on a fresh dialog reaches the same control.
    QWidget* target = nullptr;
    size_t seen = 0;
    QWidget* begin = dialog->nextInFocusChain();
    for (QWidget* w = begin;; w = w->nextInFocusChain()) {
      if (w->focusPolicy() != Qt::NoFocus && w->isVisibleTo(dialog.get()) && w->isEnabled() && seen++ == i) {
        target = w;
        break;
      }
      if (w->nextInFocusChain() == begin) break;
    }
    ASSERT_NE(target, nullptr);
    dialog->activateWindow();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted) << "focus on " << target->metaObject()->className();
    EXPECT_EQ(profile.ReadInt("NumOfFile"), 0) << "focus on " << target->metaObject()->className();
  }
}

TEST_F(ConfigDialogGuiTest, EscapeCancels) {
  profile.WriteText("LastPage", "1");
  auto dialog = Open();
  dialog->Tabs()->setCurrentIndex(ColoursTab);
  QTest::keyClick(dialog->Tabs()->tabBar(), Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(dialog->result(), QDialog::Rejected);
  EXPECT_EQ(profile.Values().size(), 1u);
  EXPECT_EQ(profile.ReadInt("LastPage"), 2);
}

TEST_F(ConfigDialogGuiTest, ColourChooserKeepsTheCustomColoursOnlyWhenConfirmed) {
  auto dialog = Open();
  QColor firstSlot;
  WhenModalAppears([&firstSlot](QWidget* modal) {
    auto* chooser = qobject_cast<QColorDialog*>(modal);
    ASSERT_NE(chooser, nullptr);
    firstSlot = QColorDialog::customColor(0);
    QColorDialog::setCustomColor(5, QColor(1, 2, 3));
    chooser->setCurrentColor(QColor(200, 10, 20));
    chooser->reject();
  });
  dialog->Colours()->ColourButton(LineColor)->click();
  EXPECT_EQ(firstSlot, QColor(255, 170, 85));
  EXPECT_TRUE(profile.Values().empty()) << "a cancelled chooser keeps nothing";
  EXPECT_EQ(PreviewSettings(*dialog).Registry(LineColor), static_cast<int32_t>(Rgb(0, 0, 0)));

  WhenModalAppears([](QWidget* modal) {
    auto* chooser = qobject_cast<QColorDialog*>(modal);
    ASSERT_NE(chooser, nullptr);
    QColorDialog::setCustomColor(5, QColor(1, 2, 3));
    chooser->setCurrentColor(QColor(200, 10, 20));
    chooser->accept();
  });
  dialog->Colours()->ColourButton(LineColor)->click();
  EXPECT_EQ(profile.ReadInt("CustColorRed5"), 1);
  EXPECT_EQ(profile.ReadInt("CustColorBlue5"), 3);
  EXPECT_EQ(profile.ReadInt("CustColorGreen0"), 170);
  EXPECT_EQ(PreviewSettings(*dialog).Registry(LineColor), static_cast<int32_t>(Rgb(200, 10, 20)));
}

TEST_F(ConfigDialogGuiTest, RandomColoursGreyTheTwelveButtons) {
  auto dialog = Open();
  dialog->Colours()->RandomBox()->click();
  for (const SettingId colour : kColourSettings) EXPECT_FALSE(dialog->Colours()->ColourButton(colour)->isEnabled());
  EXPECT_EQ(PreviewSettings(*dialog).Registry(RandomColors), 1);
}

TEST_F(ConfigDialogGuiTest, TheWindowMenuOpensTheAboutBox) {
  for (const bool french : {false, true}) {
    SetFrench(french);
    auto dialog = Open();
    QAction* about = nullptr;
    for (QAction* action : dialog->actions()) {
      if (action->text() == QString::fromUtf8(french ? "&À propos de Tenukiro..." : "&About Tenukiro...")) about = action;
    }
    ASSERT_NE(about, nullptr);
    QString text;
    WhenModalAppears([&text](QWidget* box) {
      text = static_cast<QMessageBox*>(box)->text();
      static_cast<QMessageBox*>(box)->accept();
    });
    about->trigger();
    EXPECT_TRUE(text.startsWith("Tenukiro Version ")) << text.toStdString();
  }
}

// Stands for the desktop's browser: remembers the pages it was asked to open.
class PageOpener : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

TEST_F(ConfigDialogGuiTest, HelpOpensTheHelpPage) {
  PageOpener opener;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
  auto dialog = Open();
  dialog->Button(ConfigText::Help)->click();
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(opener.opened.size(), 1u);
  EXPECT_EQ(opener.opened[0], QUrl::fromLocalFile(QStringLiteral("/help/page.html")));
  EXPECT_TRUE(dialog->isVisible());
}

TEST(FileOrderDialogGui, SortAndDrag) {
  GuiApplication();
  FileOrderDialog dialog({"/g/b.sgf", "/g/a.sgf", "/g/c.sgf"});
  dialog.show();
  ASSERT_EQ(dialog.List()->count(), 4);
  EXPECT_EQ(dialog.List()->item(3)->text(), "");
  dialog.SortButton()->click();
  EXPECT_EQ(dialog.Paths(), (std::vector<std::string>{"/g/a.sgf", "/g/b.sgf", "/g/c.sgf"}));
  dialog.SortButton()->click();
  EXPECT_EQ(dialog.Paths(), (std::vector<std::string>{"/g/c.sgf", "/g/b.sgf", "/g/a.sgf"}));

  // Drag the first path onto the empty last entry: it goes to the end.
  DragList* list = dialog.List();
  const QPoint from = list->visualItemRect(list->item(0)).center();
  const QPoint to = list->visualItemRect(list->item(3)).center();
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), list->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &move);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, to);
  EXPECT_EQ(dialog.Paths(), (std::vector<std::string>{"/g/b.sgf", "/g/a.sgf", "/g/c.sgf"}));
  EXPECT_EQ(list->item(3)->text(), "");

  // A drag that starts on the empty entry moves nothing.
  QTest::mousePress(list->viewport(), Qt::LeftButton, {}, to);
  QMouseEvent back(QEvent::MouseMove, QPointF(from), list->viewport()->mapToGlobal(QPointF(from)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(list->viewport(), &back);
  QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, from);
  EXPECT_EQ(dialog.Paths(), (std::vector<std::string>{"/g/b.sgf", "/g/a.sgf", "/g/c.sgf"}));
}

}  // namespace
}  // namespace tenukiro

#include "config_dialog_test.moc"
