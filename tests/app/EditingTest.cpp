// Building and editing in the window, each change undone and done again.
#include <QSignalSpy>
#include <QStatusBar>
#include <QUndoStack>
#include <random>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/CreatedItemModel.h"
#include "app/TreeView.h"
#include "builder/Builder.h"
#include "builder/UserBuilder.h"
#include "builder/UserChoices.h"
#include "org/OrgFile.h"
#include "org/OrgGroup.h"

namespace valdren {
namespace {

class EditingTest : public test::MainFrameFixture {
 protected:
  void SetUp() override {
    OpenDemoOrganization();
    model = static_cast<CreatedItemModel*>(frame->CreatedTree()->model());
  }

  QModelIndex Root() const { return model->index(0, 0); }
  QModelIndex At(std::initializer_list<int> rows) const {
    QModelIndex index = Root();
    for (const int row : rows)
      index = model->index(row, 0, index);
    return index;
  }
  QStringList Names(const QModelIndex& parent) const {
    QStringList names;
    for (int row = 0; row < model->rowCount(parent); ++row)
      names << model->index(row, 0, parent).data().toString();
    return names;
  }
  void Select(const QModelIndex& index) { frame->CreatedTree()->setCurrentIndex(index); }
  void Trigger(int id) { frame->Action(id)->trigger(); }
  std::string Saved() const { return WriteOrganization(frame->Organization()); }

  CreatedItemModel* model = nullptr;
};

TEST_F(EditingTest, MovesWrapAroundAndUndoPutsBack) {
  const QStringList divisions = {"16. Panzer-Division", "7th Infantry Division"};
  // The Panzer-Division's children: leader, staff, then six regiments and battalions.
  const QModelIndex panzer = At({0});
  const QStringList children = Names(panzer);
  Select(model->index(0, 0, panzer));
  Trigger(kMoveUp);  // the first goes to the end
  EXPECT_EQ(Names(panzer), children.mid(1) + children.mid(0, 1));
  EXPECT_EQ(frame->CreatedTree()->currentIndex().data().toString(), children.front());
  Trigger(kMoveDown);  // the last goes to the front
  EXPECT_EQ(Names(panzer), children);
  Trigger(kMoveToBottom);
  Trigger(kMoveToTop);
  EXPECT_EQ(Names(panzer), children);
  EXPECT_TRUE(frame->Modified());

  const std::string before = Saved();
  Select(At({1}));
  Trigger(kMoveUp);
  EXPECT_EQ(Names(Root()), QStringList({divisions[1], divisions[0]}));
  frame->OnUndo();
  EXPECT_EQ(Names(Root()), divisions);
  EXPECT_EQ(Saved(), before);
  frame->OnRedo();
  EXPECT_EQ(Names(Root()), QStringList({divisions[1], divisions[0]}));
}

TEST_F(EditingTest, RaiseAndLowerFollowTheirRules) {
  // A top-level item cannot be raised.
  Select(At({0}));
  Trigger(kRaise);
  ASSERT_EQ(prompter.asked.back().text, "Selected unit or organization cannot be raised");
  EXPECT_EQ(prompter.asked.back().caption, "Organization Change Error");
  // The British division cannot go into the German one: another side.
  Select(At({1}));
  Trigger(kLower);
  EXPECT_EQ(prompter.asked.back().text, "Selected unit or organization cannot be lowered");
  EXPECT_FALSE(frame->UndoStack()->canUndo());

  // The staff (a company) raised from the Panzer-Division becomes the last top-level item. It
  // cannot be lowered into the British division before it; moved up next to the German one, it
  // can.
  Select(At({0, 1}));
  const QString staff = At({0, 1}).data().toString();
  Trigger(kRaise);
  EXPECT_EQ(Names(Root()).back(), staff);
  Trigger(kLower);  // after the British division: refused
  EXPECT_EQ(prompter.asked.back().text, "Selected unit or organization cannot be lowered");
  Trigger(kMoveUp);  // now after the Panzer-Division
  Trigger(kLower);
  EXPECT_EQ(Names(At({0})).back(), staff);
  EXPECT_EQ(Names(Root()).size(), 2);
}

TEST_F(EditingTest, DeleteAsksAndUndoBringsTheSubtreeBackWithItsIds) {
  const std::string before = Saved();
  Select(At({0}));
  prompter.answers = {MessageAnswer::kCancel};
  Trigger(kDelete);
  EXPECT_EQ(prompter.asked.back().text,
            "OK to delete this from Created Units and Organizations?\n16. Panzer-Division");
  EXPECT_EQ(prompter.asked.back().caption, "Confirm Deletion");
  EXPECT_EQ(prompter.asked.back().buttons, MessageButtons::kOkCancel);
  EXPECT_EQ(Saved(), before);
  EXPECT_FALSE(frame->Modified());

  prompter.answers = {MessageAnswer::kOk};
  Trigger(kDelete);
  EXPECT_EQ(Names(Root()), QStringList({"7th Infantry Division"}));
  frame->OnUndo();
  EXPECT_EQ(Saved(), before);
  EXPECT_EQ(frame->CreatedTree()->currentIndex(), At({0}));
}

TEST_F(EditingTest, RenameStoresAndShowsTheNameWithoutItsParentheses) {
  Select(At({1}));
  model->setData(At({1}), "7th (Reserve) Division");
  EXPECT_EQ(At({1}).data().toString(), "7th  Division");
  EXPECT_TRUE(frame->Modified());
  frame->OnUndo();
  EXPECT_EQ(At({1}).data().toString(), "7th Infantry Division");
  // Neither the root nor a unit line takes a name.
  EXPECT_FALSE(model->flags(Root()) & Qt::ItemIsEditable);
  EXPECT_FALSE(model->flags(At({0, 0, 0})) & Qt::ItemIsEditable);
}

TEST_F(EditingTest, MoraleChangesEveryUnitLineBelowAndCancelChangesNothing) {
  const QModelIndex staff = At({0, 1});
  Select(staff);
  prompter.ratings = {std::nullopt};
  Trigger(kChangeMorale);
  EXPECT_EQ(prompter.asked.back().text, "8");  // preset to the staff's morale
  EXPECT_FALSE(frame->Modified());

  prompter.ratings = {3};
  Trigger(kChangeMorale);
  for (int row = 0; row < model->rowCount(staff); ++row) {
    const QModelIndex platoon = model->index(row, 0, staff);
    EXPECT_TRUE(model->index(0, 0, platoon).data().toString().endsWith(" (3)")) << row;
  }
  frame->OnUndo();
  EXPECT_TRUE(model->index(0, 0, model->index(0, 0, staff)).data().toString().endsWith(" (8)"));
}

// A rename, a morale change and their undoing each tell the views of every row they change. The
// name read from a file comes back with its parentheses, and an undo after a save is a change.
TEST_F(EditingTest, ChangesAndTheirUndoTellTheViewsAndPutBackTheNameAsRead) {
  std::string file = folder.Read("main.org");
  const std::string infantry = "7th Infantry Division";
  file.insert(file.find(infantry) + infantry.size(), " (Reserve)");
  folder.Write("reserve.org", file);
  prompter.files = {PathOf("reserve.org")};
  frame->OnFileOpen();
  ASSERT_EQ(At({1}).data().toString(), "7th Infantry Division (Reserve)");

  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  const auto told = [&](const QModelIndex& index) {
    return std::any_of(changed.begin(), changed.end(), [&](const QList<QVariant>& signal) {
      const auto first = signal[0].value<QModelIndex>();
      const auto last = signal[1].value<QModelIndex>();
      return first.parent() == index.parent() && first.row() <= index.row() &&
             index.row() <= last.row();
    });
  };
  model->setData(At({1}), "Reserve");
  EXPECT_TRUE(told(At({1})));
  Trigger(kFileSave);
  ASSERT_FALSE(frame->Modified());
  changed.clear();
  frame->OnUndo();
  EXPECT_TRUE(told(At({1})));
  EXPECT_EQ(At({1}).data().toString(), "7th Infantry Division (Reserve)");
  EXPECT_TRUE(frame->Modified());

  const QModelIndex staff = At({0, 1});
  QModelIndexList unitLines;
  for (int row = 0; row < model->rowCount(staff); ++row)
    unitLines << model->index(0, 0, model->index(row, 0, staff));
  ASSERT_EQ(unitLines.size(), 5);
  Select(staff);
  for (const bool undo : {false, true}) {
    changed.clear();
    prompter.ratings = {3};
    undo ? frame->OnUndo() : Trigger(kChangeMorale);
    for (const QModelIndex& line : unitLines)
      EXPECT_TRUE(told(line)) << line.data().toString().toStdString();
  }
}

TEST_F(EditingTest, CommandRatingNeedsALeader) {
  Select(At({0, 1, 1}));  // "Stab", a platoon that leads nothing
  Trigger(kChangeCommand);
  EXPECT_EQ(frame->statusBar()->currentMessage(), "Selected unit or organization has no leaders");
  EXPECT_TRUE(prompter.asked.empty() || prompter.asked.back().caption != "Command Dialog");
  EXPECT_FALSE(frame->Modified());

  const std::string before = Saved();
  Select(At({0}));
  prompter.ratings = {5};
  Trigger(kChangeCommand);
  EXPECT_EQ(prompter.asked.back().caption, "Command Dialog");
  EXPECT_NE(Saved(), before);
  frame->OnUndo();
  EXPECT_EQ(Saved(), before);
}

TEST_F(EditingTest, AnAutomaticBuildGoesLastSelectedAndUndoneAndRedoneAsDrawn) {
  TreeView* catalog = frame->AvailableTree();
  const QAbstractItemModel* available = catalog->model();
  const QModelIndex germany = available->index(1, 0, available->index(0, 0));
  catalog->expand(germany);
  const QModelIndex divisions = available->index(5, 0, germany);
  catalog->setCurrentIndex(available->index(0, 0, divisions));
  ASSERT_TRUE(frame->Action(kAddAuto)->isEnabled());

  const std::string before = Saved();
  Trigger(kAddAuto);
  ASSERT_EQ(model->rowCount(Root()), 3);
  EXPECT_EQ(frame->CreatedTree()->currentIndex(), At({2}));
  EXPECT_FALSE(frame->CreatedTree()->isExpanded(At({2})));
  const std::string built = Saved();
  frame->OnUndo();
  EXPECT_EQ(Saved(), before);
  frame->OnRedo();
  EXPECT_EQ(Saved(), built);
}

// The builder's questions, answered from lists as the tool's --choices file answers them.
class ListedChoices : public UserChoices {
 public:
  ListedChoices(std::vector<int> choices, std::vector<std::string> texts)
      : choices_(std::move(choices)), texts_(std::move(texts)) {}
  int AskChoice(const OrgTemplate&, const SubunitGroup&) override {
    return next_ < choices_.size() ? choices_[next_++] : -1;
  }
  String AskDesignation(std::string_view) override {
    return String(nextText_ < texts_.size() ? texts_[nextText_++] : std::string());
  }

 private:
  std::vector<int> choices_;
  std::vector<std::string> texts_;
  std::size_t next_ = 0;
  std::size_t nextText_ = 0;
};

TEST_F(EditingTest, AUserChoiceBuildIsTheOneTheBuilderMakesFromTheSameAnswersAndSeed) {
  frame->OnFileNew();
  TreeView* catalog = frame->AvailableTree();
  const QAbstractItemModel* available = catalog->model();
  const QModelIndex germany = available->index(1, 0, available->index(0, 0));
  catalog->expand(germany);
  const QModelIndex panzer = available->index(1, 0, available->index(5, 0, germany));
  ASSERT_EQ(panzer.data().toString(), "$(1-26). Panzer-Division");
  catalog->setCurrentIndex(panzer);

  const std::vector<int> choices = {2, 0, 1, 1, 0, 2, 1};
  const std::vector<std::string> texts = {"11", "3", "IV"};
  frame->SeedBuilder(7);
  prompter.choices.assign(choices.begin(), choices.end());
  prompter.descriptions.assign(texts.begin(), texts.end());
  prompter.asked.clear();
  Trigger(kAddUser);
  EXPECT_TRUE(prompter.Captions().contains("Choice Dialog"));
  EXPECT_TRUE(prompter.Captions().contains("Description Dialog"));

  BuilderState state(7);
  OrgRoot expected;
  Builder builder(state, frame->Names(), expected.month, expected.year);
  ListedChoices answers(choices, texts);
  UserBuilder user(builder, answers);
  const UnitTemplate& unit = *frame->Database().Find(5, 150003);
  AddToOrganization(expected, user.InstantiateByUser(unit, "", nullptr, std::nullopt),
                    unit.Morale());
  EXPECT_EQ(Saved(), WriteOrganization(expected));
}

// Twenty mixed commands on random items, all undone: the organization is the one opened, byte for
// byte; all done again: the one edited.
TEST_F(EditingTest, UndoingEveryStepOfARandomSessionGivesBackTheFile) {
  const std::string opened = Saved();
  std::mt19937 random(20261206);
  const int commands[] = {kMoveUp, kMoveDown, kMoveToTop,    kMoveToBottom, kDelete,
                          kRaise,  kLower,    kChangeMorale, kChangeCommand};
  for (int step = 0; step < 20; ++step) {
    // A random created item, reached through rows the view has.
    QModelIndex index = At({static_cast<int>(random() % model->rowCount(Root()))});
    while (model->rowCount(index) > 0 && random() % 3 != 0) {
      const QModelIndex child = model->index(random() % model->rowCount(index), 0, index);
      if (model->IsUnitLine(child)) break;
      index = child;
    }
    Select(index);
    prompter.answers = {MessageAnswer::kOk};
    prompter.ratings = {static_cast<int>(random() % 5) + 1};
    Trigger(commands[random() % std::size(commands)]);
  }
  const std::string edited = Saved();
  ASSERT_NE(edited, opened);
  while (frame->UndoStack()->canUndo())
    frame->OnUndo();
  EXPECT_EQ(Saved(), opened);
  while (frame->UndoStack()->canRedo())
    frame->OnRedo();
  EXPECT_EQ(Saved(), edited);
}

}  // namespace
}  // namespace valdren
