// The window monkey: a seeded random user of the whole window. Each step does one thing a user
// could do (a menu or toolbar command, a key or a click in a tree, a label edit, a filter change,
// undo, redo, a file command on the test's own files, a restart after a crash) and answers every
// question and dialog at random, Cancel and Escape included. After each step the window must be
// whole: both models pass their fatal testers, the created tree holds exactly the organization,
// the organization reads back as it is written, and undoing every step since the document was
// opened gives the opened organization back.
//
// VALDREN_MONKEY_SEED and VALDREN_MONKEY_STEPS set the run; a failure names the seed and the
// step, and the same seed runs the same steps again.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <tuple>

#include "ModalInterlude.h"
#include "UserHome.h"
#include "app/CreatedItemModel.h"
#include "app/CreatedTree.h"
#include "app/FindBar.h"
#include "app/MainFrame.h"
#include "app/Prompter.h"
#include "app/RecoveryFile.h"
#include "oob/OobDatabase.h"
#include "oob/SubunitGroup.h"
#include "org/OrgFile.h"
#include "org/OrgGroup.h"

namespace valdren {
namespace {

namespace fs = std::filesystem;

// What the monkey is doing, for a crash to tell: written before each step.
char lastStep[512] = "the monkey has not started";

void TellLastStep(int signal) {
  const char before[] = "\nWindowMonkey crashed at ";
  [[maybe_unused]] auto ignored = ::write(2, before, sizeof before - 1);
  ignored = ::write(2, lastStep, std::strlen(lastStep));
  ignored = ::write(2, "\n", 1);
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

int FromEnvironment(const char* name, int otherwise) {
  const char* value = std::getenv(name);
  return value && *value ? std::atoi(value) : otherwise;
}

// Text typed as a keyboard of any layout types it: a key press carrying each character.
void Type(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
}

// The random user: it does the steps and, as the window's prompter, answers every question at
// random after what a real box's modal loop runs.
class Monkey : public Prompter {
 public:
  Monkey(std::uint32_t seed, const fs::path& folder) : random(seed), folder_(folder) {
    QApplication::setDoubleClickInterval(0);  // a click on the selected name edits at once
    Start();
  }

  // A number in [0, n).
  int Pick(int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); }
  bool Chance(int percent) { return Pick(100) < percent; }
  void Step(char* name, std::size_t size);
  void Check();

  MessageAnswer Message(const QString&, const QString&, MessageIcon,
                        MessageButtons buttons) override {
    Interlude();
    constexpr MessageAnswer kAnswers[] = {MessageAnswer::kYes, MessageAnswer::kNo,
                                          MessageAnswer::kCancel};
    switch (buttons) {
      case MessageButtons::kOk:
        return MessageAnswer::kOk;
      case MessageButtons::kOkCancel:
        return Chance(50) ? MessageAnswer::kOk : MessageAnswer::kCancel;
      default:
        return kAnswers[Pick(buttons == MessageButtons::kYesNo ? 2 : 3)];
    }
  }
  bool MessageWithCheckBox(const QString&, const QString&, const QString&) override {
    return Interlude(), Chance(30);
  }
  void About(const QString&, const QString&) override { Interlude(); }
  std::optional<fs::path> OpenFile(const FileDialogSettings&) override { return AnyFile(); }
  std::optional<fs::path> SaveFile(const FileDialogSettings&) override { return AnyFile(); }
  std::optional<fs::path> ChooseFolder(const QString&) override {
    return Interlude(), std::nullopt;
  }
  std::optional<int> AskMorale(int) override { return AnyRating(10); }
  std::optional<int> AskCommandRating(int) override { return AnyRating(5); }
  int AskChoice(const OrgTemplate&, const SubunitGroup& group) override {
    return Interlude(), Pick(static_cast<int>(group.choices.size()) + 1) - 1;
  }
  std::string AskDescription(std::string_view) override {
    Interlude();
    std::string text;
    for (int length = Pick(12); length > 0; --length)
      text += static_cast<char>(Chance(80) ? 'A' + Pick(26) : 0xA0 + Pick(96));
    return text;
  }
  bool AskRecovery(const QString&, const QString&) override { return Interlude(), Chance(70); }

  std::mt19937 random;
  std::map<std::string, int> done;  // steps of each kind, questions answered, restarts

 private:
  void Interlude() {
    ++done["questions answered"];
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "a question under the hourglass";
    test::RunModalInterlude();
  }
  std::optional<fs::path> AnyFile();
  std::optional<int> AnyRating(int highest) {
    Interlude();
    return Chance(25) ? std::nullopt : std::optional(Pick(highest) + 1);
  }
  // Text as users type it: the game's Windows-1252 letters, others it lacks, parentheses.
  QString AnyText();

  void Start();
  void TriggerAnyAction();
  void KeyInTree();
  void ClickInTree();
  void SelectAnywhere();
  void EditLabel();
  void ChangeFilter();
  void ShortcutKey();
  void TypeInFindBar();
  void CloseStrayWindows();
  void CrashAndRestart();
  void ExitAndRestart();

  TreeView* AnyTree() {
    return Chance(50) ? frame_->Catalog().Tree() : static_cast<TreeView*>(frame_->Created());
  }
  QModelIndex AnyIndex(const QAbstractItemModel& model);
  void CheckCreatedRows(const QModelIndex& index, const OrgItem* item);
  void CheckUndo(const std::string& now);

  fs::path folder_;
  std::unique_ptr<MainFrame> frame_;
  std::vector<std::unique_ptr<QAbstractItemModelTester>> testers_;
  std::string opened_;  // the organization as the last file command left it
  std::tuple<int, int, std::string> undoChecked_;
};

// The files a dialog may choose: the demo's, one read in part, one of another version, one that
// is no organization, a new name, a folder; or nothing.
std::optional<fs::path> Monkey::AnyFile() {
  Interlude();
  static const char* const kNames[] = {"main.org", "copy.org", "partial.org", "other.org",
                                       "text.org", "new.org",  "folder.org",  "gone.org"};
  if (Chance(15)) return std::nullopt;
  return folder_ / kNames[Pick(std::size(kNames))];
}

QString Monkey::AnyText() {
  static const QStringList kPieces =
      QString::fromUtf16(
          u"Kampfgruppe| "
          u"Nord|S\u00fcd|\u00c6r\u00f8|\u20ac|\u0152uvre|\u0414\u0438\u0432\u0438\u0437"
          u"\u0438\u044f|\u5e2b\u56e3|(Reserve)| |7.|\u00e9\u00df")
          .split(QLatin1Char('|'));
  QString text;
  for (int count = Pick(4); count > 0; --count)
    text += kPieces[Pick(kPieces.size())];
  return text;
}

void Monkey::Start() {
  ++done["windows started"];
  testers_.clear();
  frame_ = std::make_unique<MainFrame>(std::string(), folder_, *this);
  frame_->Editing().SeedBuilder(static_cast<std::uint32_t>(random()));
  // A first step may already be undoable (a date change), so the new window's organization is
  // what undoing must come back to.
  opened_ = WriteOrganization(frame_->Editing().Organization());
  undoChecked_ = {};
  for (const TreeView* tree : {frame_->Catalog().Tree(), static_cast<TreeView*>(frame_->Created())})
    testers_.push_back(std::make_unique<QAbstractItemModelTester>(
        tree->model(), QAbstractItemModelTester::FailureReportingMode::Fatal));
  frame_->resize(1000, 700);
  frame_->show();
  QApplication::processEvents();
}

// One thing a user does, named for a crash to tell.
void Monkey::Step(char* name, std::size_t size) {
  struct Kind {
    int weight;
    void (Monkey::*act)();
    const char* name;
  };
  static constexpr Kind kKinds[] = {{25, &Monkey::TriggerAnyAction, "a command"},
                                    {15, &Monkey::KeyInTree, "a key in a tree"},
                                    {15, &Monkey::ClickInTree, "a click in a tree"},
                                    {10, &Monkey::SelectAnywhere, "a selection"},
                                    {10, &Monkey::EditLabel, "a label edit"},
                                    {8, &Monkey::ChangeFilter, "a filter change"},
                                    {7, &Monkey::ShortcutKey, "a shortcut key"},
                                    {5, &Monkey::TypeInFindBar, "the find bar"},
                                    {3, &Monkey::CloseStrayWindows, "closing other windows"},
                                    {1, &Monkey::CrashAndRestart, "a crash and restart"},
                                    {1, &Monkey::ExitAndRestart, "an exit and restart"}};
  int roll = Pick(100);
  for (const Kind& kind : kKinds) {
    if ((roll -= kind.weight) >= 0) continue;
    std::strncat(name, kind.name, size - std::strlen(name) - 1);
    ++done[kind.name];
    (this->*kind.act)();
    break;
  }
  QApplication::processEvents();
  while (QWidget* popup = QApplication::activePopupWidget())
    popup->close();
  if (!frame_->isVisible()) ExitAndRestart();
}

// Any command a user can reach now: the menus' enabled entries, which the toolbar and the
// popups share, and those of their submenus (the recent files).
void Monkey::TriggerAnyAction() {
  std::vector<QAction*> actions;
  const std::function<void(const QMenu&)> collect = [&](const QMenu& menu) {
    for (QAction* action : menu.actions()) {
      if (!action->isEnabled() || action->isSeparator()) continue;
      if (action->menu())
        collect(*action->menu());
      else
        actions.push_back(action);
    }
  };
  for (const QAction* title : frame_->menuBar()->actions())
    if (title->menu()) collect(*title->menu());
  actions[Pick(static_cast<int>(actions.size()))]->trigger();
}

void Monkey::KeyInTree() {
  static constexpr Qt::Key kKeys[] = {
      Qt::Key_Up,  Qt::Key_Down,   Qt::Key_Left,     Qt::Key_Right,  Qt::Key_Home,
      Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Space,
      Qt::Key_F2,  Qt::Key_Delete, Qt::Key_Escape,   Qt::Key_Plus,   Qt::Key_Minus};
  TreeView* tree = AnyTree();
  tree->setFocus();
  QTest::keyClick(tree, kKeys[Pick(std::size(kKeys))]);
}

// A click where the user points: on a row, an expander or nothing; a right click opens the
// tree's popup menu, whose command (or Escape) is picked as it opens.
void Monkey::ClickInTree() {
  TreeView* tree = AnyTree();
  QWidget* viewport = tree->viewport();
  const QPoint at(Pick(std::max(1, viewport->width())), Pick(std::max(1, viewport->height()) / 3));
  switch (Pick(3)) {
    case 0:
      QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
      break;
    case 1:
      QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
      break;
    default: {
      QTimer::singleShot(0, [this] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        const QList<QAction*> actions = menu->actions();
        QAction* action = actions.isEmpty() ? nullptr : actions[Pick(actions.size())];
        if (Chance(20) || !action || !action->isEnabled() || action->isSeparator()) {
          menu->close();
          return;
        }
        menu->setActiveAction(action);
        QTest::keyClick(menu, Qt::Key_Return);
      });
      QContextMenuEvent event(Chance(50) ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard,
                              at, viewport->mapToGlobal(at));
      QApplication::sendEvent(tree, &event);
    }
  }
}

QModelIndex Monkey::AnyIndex(const QAbstractItemModel& model) {
  QModelIndex index = model.index(0, 0);
  while (model.rowCount(index) > 0 && Chance(70))
    index = model.index(Pick(model.rowCount(index)), 0, index);
  return index;
}

void Monkey::SelectAnywhere() {
  TreeView* tree = AnyTree();
  tree->setCurrentIndex(AnyIndex(*tree->model()));
}

// F2 on an item of the organization, a name typed, then Enter, Escape, or nothing: the editor is
// left open for whatever comes next.
void Monkey::EditLabel() {
  CreatedTree* tree = frame_->Created();
  if (Chance(70)) tree->setCurrentIndex(AnyIndex(*tree->model()));
  tree->setFocus();
  QTest::keyClick(tree, Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(tree->indexWidget(tree->currentIndex()));
  if (!editor) return;
  editor->selectAll();
  Type(editor, AnyText());
  const int end = Pick(3);
  if (end < 2) QTest::keyClick(editor, end == 0 ? Qt::Key_Return : Qt::Key_Escape);
}

void Monkey::ChangeFilter() {
  static constexpr Qt::Key kKeys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
  QComboBox* box = Chance(50) ? frame_->Catalog().MonthBox() : frame_->Catalog().YearBox();
  QTest::keyClick(box, kKeys[Pick(std::size(kKeys))]);
}

void Monkey::ShortcutKey() {
  static constexpr std::pair<Qt::Key, Qt::KeyboardModifiers> kKeys[] = {
      {Qt::Key_N, Qt::ControlModifier}, {Qt::Key_O, Qt::ControlModifier},
      {Qt::Key_S, Qt::ControlModifier}, {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key_Z, Qt::ControlModifier}, {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
      {Qt::Key_Y, Qt::ControlModifier}, {Qt::Key_F, Qt::ControlModifier},
      {Qt::Key_F3, Qt::NoModifier},     {Qt::Key_F3, Qt::ShiftModifier},
      {Qt::Key_F1, Qt::NoModifier},     {Qt::Key_Escape, Qt::NoModifier},
      {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier},
      {Qt::Key_V, Qt::ControlModifier}, {Qt::Key_D, Qt::ControlModifier}};
  const auto& [key, modifiers] = kKeys[Pick(std::size(kKeys))];
  QWidget* focus = QApplication::focusWidget();
  QTest::keyClick(focus ? focus : frame_.get(), key, modifiers);
}

void Monkey::TypeInFindBar() {
  auto* bar = frame_->findChild<FindBar*>();
  if (!bar || !bar->isVisible())
    return QTest::keyClick(frame_.get(), Qt::Key_F, Qt::ControlModifier);
  auto* edit = bar->findChild<QLineEdit*>();
  static const char* const kTexts[] = {"p", "panzer", "kompanie", "zz", "", "division"};
  edit->setFocus();
  edit->selectAll();
  Type(edit, kTexts[Pick(std::size(kTexts))]);
  QTest::keyClick(edit, Chance(70) ? Qt::Key_Return : Qt::Key_Escape);
}

void Monkey::CloseStrayWindows() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window != frame_.get() && window->isVisible()) window->close();
}

// The editor ends without a word and starts again in the folder: after its copy was kept, or
// before any was (decided here, not by the copy's timer, so that a seed runs the same steps).
void Monkey::CrashAndRestart() {
  auto* recovery = frame_->findChild<RecoveryFile*>();
  if (Chance(50)) {
    recovery->WriteNow();
    recovery->WaitForWrite();
  } else {
    recovery->Remove();
  }
  Start();
}

void Monkey::ExitAndRestart() {
  frame_->close();
  if (!frame_->isVisible()) Start();
}

// ---- What must hold after every step.

void Monkey::Check() {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass stayed";
  const auto* model = static_cast<const CreatedItemModel*>(frame_->Created()->model());
  CheckCreatedRows(model->RootIndex(), nullptr);

  const std::string bytes = WriteOrganization(frame_->Editing().Organization());
  OrgRoot read;
  ASSERT_TRUE(ReadOrganization(read, bytes)) << "the organization does not read back";
  ASSERT_EQ(WriteOrganization(read), bytes) << "the organization reads back otherwise";
  CheckUndo(bytes);
}

// The created tree's rows are the organization's items, each platoon with a unit line when its
// template is in the database: every list counted, and the items of every list the view shows
// compared one by one (a built army is too large to walk after every step).
void Monkey::CheckCreatedRows(const QModelIndex& index, const OrgItem* item) {
  const auto* model = static_cast<const CreatedItemModel*>(index.model());
  ASSERT_EQ(model->ItemOf(index), item);
  const OrgGroup* group = item ? item->AsGroup() : nullptr;
  if (item && !group) {
    const bool unitLine = frame_->Database().Find(0, item->reference) != nullptr;
    ASSERT_EQ(model->rowCount(index), unitLine ? 1 : 0) << item->name.View();
    return;
  }
  const auto& children = group ? group->children : frame_->Editing().Organization().items;
  ASSERT_EQ(model->rowCount(index), static_cast<int>(children.Size()));
  if (item && !frame_->Created()->isExpanded(index)) return;
  int row = 0;
  for (const auto& node : children)
    CheckCreatedRows(model->index(row++, 0, index), node.item);
}

// Every step since the last file command undone gives what that command left; done again, what
// there is now. Not while a name is being typed: the commands
// that undo a step take it first, and the stack is driven here without them.
void Monkey::CheckUndo(const std::string& now) {
  const CreatedTree* tree = frame_->Created();
  if (tree->indexWidget(tree->currentIndex())) return;
  QUndoStack* stack = &frame_->Editing().History();
  if (stack->count() == 0) {
    opened_ = now;
    return;
  }
  // Undoing a built army costs much: a history is walked once, after it has changed.
  const std::tuple checked{stack->count(), stack->index(), now};
  if (checked == undoChecked_) return;
  undoChecked_ = checked;
  const int index = stack->index();
  stack->setIndex(0);
  ASSERT_EQ(WriteOrganization(frame_->Editing().Organization()), opened_)
      << "undoing everything does not give the opened organization";
  stack->setIndex(index);
  ASSERT_EQ(WriteOrganization(frame_->Editing().Organization()), now)
      << "redoing does not give it back";
}

// The demo game folder with two companies whose only platoons left the lists in 1939, so that
// expanding Russia or Germany after that speaks; and the files the dialogs choose among.
void WriteFolder(const fs::path& folder) {
  fs::copy(VALDREN_DEMO, folder, fs::copy_options::recursive);
  std::ofstream(folder / "company.oob", std::ios::app)
      << "\n39 1 45 12 C10099 6 Broken Company\n39 1 39 12 P101 1st Platoon\n"
         "\n39 1 45 12 C110099 7 Broken Kompanie\n39 1 39 12 P1101 1. Zug\n";
  fs::copy_file(folder / "main.org", folder / "copy.org");
  std::ifstream main(folder / "main.org", std::ios::binary);
  const std::string whole((std::istreambuf_iterator<char>(main)), std::istreambuf_iterator<char>());
  std::ofstream(folder / "partial.org", std::ios::binary) << whole.substr(0, whole.size() / 2);
  std::ofstream(folder / "other.org", std::ios::binary) << "2\r\n0\r\n6 41\r\n";
  std::ofstream(folder / "text.org", std::ios::binary) << "not an organization\r\n";
  fs::create_directory(folder / "folder.org");
}

TEST(WindowMonkey, RandomStepsKeepTheWindowWhole) {
  const auto seed = static_cast<std::uint32_t>(FromEnvironment("VALDREN_MONKEY_SEED", 20261206));
  const int steps = FromEnvironment("VALDREN_MONKEY_STEPS", 1000);
  std::printf("WindowMonkey: seed %u, %d steps\n", seed, steps);
  std::fflush(stdout);
  for (const int signal : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL})
    ::signal(signal, TellLastStep);
  test::GameFolder folder;
  test::GameFolder home;
  test::UseAsHome(home);
  WriteFolder(folder.Path());
  const auto previous = fs::current_path();
  fs::current_path(folder.Path());
  {
    Monkey monkey(seed, folder.Path());
    for (int step = 1; step <= steps && !testing::Test::HasFailure(); ++step) {
      std::snprintf(lastStep, sizeof lastStep, "seed %u, step %d: ", seed, step);
      monkey.Step(lastStep, sizeof lastStep);
      SCOPED_TRACE(lastStep);
      monkey.Check();
    }
    for (const auto& [what, count] : monkey.done)
      std::printf("  %-24s %d\n", what.c_str(), count);
  }
  fs::current_path(previous);
}

}  // namespace
}  // namespace valdren
