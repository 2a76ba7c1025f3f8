// Building and editing in the window, each change undone and done again.
#include <QSignalSpy>
#include <QStatusBar>
#include <deque>
#include <functional>
#include <random>

#include "MainFrameFixture.h"
#include "app/Commands.h"
#include "app/CreatedItemModel.h"
#include "builder/Builder.h"
#include "builder/UserBuilder.h"
#include "builder/UserChoices.h"
#include "org/OrgGroup.h"

namespace valdren {
namespace {

class EditingTest : public test::MainFrameFixture {
 protected:
  void SetUp() override { OpenDemoOrganization(); }
  void Select(std::initializer_list<int> rows) { frame->Created()->setCurrentIndex(Created(rows)); }
};

// The item of a tree reached through the rows given, counted from the top level.
OrgItem& ItemAt(OrgRoot& root, std::initializer_list<int> rows) {
  const OwningItemList<OrgItem>* list = &root.items;
  OrgItem* item = nullptr;
  for (const int row : rows) {
    auto node = list->begin();
    std::advance(node, row);
    item = node->item;
    if (item->AsGroup()) list = &item->AsGroup()->children;
  }
  return *item;
}

// Each command on a selected item of the demo organization: what it asks (the question's caption
// and text, or the status bar's word), and the organization it leaves, which is the core's own
// edit of the same item; undone, the file as it was; done again, the edit.
TEST_F(EditingTest, EachCommandAsksWhatItMustAndMakesTheCoresEdit) {
  using Edit = std::function<void(OrgRoot&, OrgItem&)>;
  const Edit none = [](OrgRoot&, OrgItem&) {};
  const Edit up = [](OrgRoot& r, OrgItem& i) { r.MoveUp(i); };
  const Edit down = [](OrgRoot& r, OrgItem& i) { r.MoveDown(i); };
  const Edit top = [](OrgRoot& r, OrgItem& i) { r.MoveToTop(i); };
  const Edit bottom = [](OrgRoot& r, OrgItem& i) { r.MoveToBottom(i); };
  const Edit remove = [](OrgRoot& r, OrgItem& i) { r.Remove(i); };
  const Edit raise = [](OrgRoot& r, OrgItem& i) { r.Raise(i); };
  const Edit morale = [](OrgRoot&, OrgItem& i) { i.SetMorale(3); };
  const Edit command = [](OrgRoot&, OrgItem& i) { i.SetCommandRating(5); };
  const QString deletion =
      "Confirm Deletion: OK to delete this from Created Units and Organizations?\n";
  const QString refused = "Organization Change Error: Selected unit or organization cannot be ";
  const struct Case {
    const char* name;
    int command;
    std::initializer_list<int> selected;
    std::optional<MessageAnswer> answer;
    std::optional<int> rating;
    QString asked;
    Edit edit;
  } cases[] = {
      {"up", kMoveUp, {0, 1}, {}, {}, "", up},
      {"down", kMoveDown, {0, 1}, {}, {}, "", down},
      {"top", kMoveToTop, {0, 4}, {}, {}, "", top},
      {"bottom", kMoveToBottom, {0, 1}, {}, {}, "", bottom},
      {"delete", kDelete, {0, 1}, MessageAnswer::kOk, {}, deletion + "Divisionsstab", remove},
      {"delete cancelled",
       kDelete,
       {0},
       MessageAnswer::kCancel,
       {},
       deletion + "16. Panzer-Division",
       none},
      {"raise", kRaise, {0, 1}, {}, {}, "", raise},
      {"raise refused", kRaise, {0}, {}, {}, refused + "raised", none},
      {"lower refused: another side", kLower, {1}, {}, {}, refused + "lowered", none},
      {"morale", kChangeMorale, {0, 1}, {}, 3, "Morale Dialog: 8", morale},
      {"morale cancelled", kChangeMorale, {0, 1}, {}, std::nullopt, "Morale Dialog: 8", none},
      {"command", kChangeCommand, {0}, {}, 5, "Command Dialog: 0", command},
      {"no leader",
       kChangeCommand,
       {0, 1, 1},
       {},
       {},
       "status: Selected unit or organization has no leaders",
       none},
  };
  const std::string opened = Saved();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    OpenDemoOrganization();
    OrgRoot expected;
    ASSERT_TRUE(ReadOrganization(expected, opened));
    c.edit(expected, ItemAt(expected, c.selected));
    Select(c.selected);
    if (c.answer) prompter.answers = {*c.answer};
    prompter.ratings = {c.rating};
    Trigger(c.command);
    const QString status = frame->statusBar()->currentMessage();
    EXPECT_EQ(prompter.asked.empty()
                  ? (status.isEmpty() ? "" : "status: " + status)
                  : prompter.asked.back().caption + ": " + prompter.asked.back().text,
              c.asked);
    EXPECT_TRUE(!c.answer || prompter.asked.back().buttons == MessageButtons::kOkCancel);
    EXPECT_EQ(Saved(), WriteOrganization(expected));
    const bool changed = Saved() != opened;
    EXPECT_EQ(frame->Modified(), changed);
    if (!changed) continue;
    frame->Editing().Undo();
    EXPECT_EQ(Saved(), opened);
    frame->Editing().Redo();
    EXPECT_EQ(Saved(), WriteOrganization(expected));
  }
}

// A moved or restored item stays selected where it went.
TEST_F(EditingTest, TheChangedItemStaysSelected) {
  const QString staff = Created({0, 1}).data().toString();
  Select({0, 1});
  Trigger(kMoveToTop);
  EXPECT_EQ(frame->Created()->currentIndex(), Created({0, 0}));
  prompter.answers = {MessageAnswer::kOk};
  Trigger(kDelete);
  frame->Editing().Undo();
  EXPECT_EQ(frame->Created()->currentIndex(), Created({0, 0}));
  EXPECT_EQ(frame->Created()->currentIndex().data().toString(), staff);
}

// A rename, a morale change and their undoing each tell the views of every row they change. A
// name read from a file comes back with its parentheses, and an undo after a save is a change.
TEST_F(EditingTest, ChangesAndTheirUndoTellTheViewsAndPutBackTheNameAsRead) {
  std::string file = folder.Read("main.org");
  const std::string infantry = "7th Infantry Division";
  file.insert(file.find(infantry) + infantry.size(), " (Reserve)");
  folder.Write("reserve.org", file);
  prompter.files = {PathOf("reserve.org")};
  frame->OnFileOpen();
  ASSERT_EQ(Created({1}).data().toString(), "7th Infantry Division (Reserve)");

  QSignalSpy changed(frame->Created()->model(), &QAbstractItemModel::dataChanged);
  const auto told = [&](const QModelIndex& index) {
    return std::any_of(changed.begin(), changed.end(), [&](const QList<QVariant>& signal) {
      const auto first = signal[0].value<QModelIndex>();
      const auto last = signal[1].value<QModelIndex>();
      return first.parent() == index.parent() && first.row() <= index.row() &&
             index.row() <= last.row();
    });
  };
  // A name typed with parentheses is kept without them; the root and a unit line take none.
  QAbstractItemModel* model = frame->Created()->model();
  model->setData(Created({1}), "Reserve (Nord) Gruppe");
  EXPECT_EQ(Created({1}).data().toString(), "Reserve  Gruppe");
  EXPECT_TRUE(told(Created({1})));
  EXPECT_TRUE(frame->Modified());
  EXPECT_FALSE(model->flags(Created({})) & Qt::ItemIsEditable);
  EXPECT_FALSE(model->flags(Created({0, 0, 0})) & Qt::ItemIsEditable);
  Trigger(kFileSave);
  ASSERT_FALSE(frame->Modified());
  changed.clear();
  frame->Editing().Undo();
  EXPECT_TRUE(told(Created({1})));
  EXPECT_EQ(Created({1}).data().toString(), "7th Infantry Division (Reserve)");
  EXPECT_TRUE(frame->Modified());

  QModelIndexList unitLines;
  for (int row = 0; row < 5; ++row)
    unitLines << Created({0, 1, row, 0});
  Select({0, 1});
  for (const bool undo : {false, true}) {
    changed.clear();
    prompter.ratings = {3};
    undo ? frame->Editing().Undo() : Trigger(kChangeMorale);
    for (const QModelIndex& line : unitLines)
      EXPECT_TRUE(told(line)) << line.data().toString().toStdString();
  }
}

TEST_F(EditingTest, AnAutomaticBuildGoesLastSelectedAndUndoneAndRedoneAsDrawn) {
  TreeView* catalog = frame->Catalog().Tree();
  catalog->expand(At(catalog, {1}));
  catalog->setCurrentIndex(At(catalog, {1, 5, 0}));  // Germany's first division
  const std::string before = Saved();
  Trigger(kAddAuto);
  ASSERT_EQ(frame->Created()->model()->rowCount(Created({})), 3);
  EXPECT_EQ(frame->Created()->currentIndex(), Created({2}));
  EXPECT_FALSE(frame->Created()->isExpanded(Created({2})));
  const std::string built = Saved();
  frame->Editing().Undo();
  EXPECT_EQ(Saved(), before);
  frame->Editing().Redo();
  EXPECT_EQ(Saved(), built);
}

// The builder's questions answered from lists, as the tool's --choices file answers them.
struct ListedChoices : UserChoices {
  int AskChoice(const OrgTemplate&, const SubunitGroup&) override { return Next(choices, -1); }
  String AskDesignation(std::string_view) override { return String(Next(texts, {})); }
  template <typename T>
  static T Next(std::deque<T>& queue, T otherwise) {
    if (queue.empty()) return otherwise;
    T next = queue.front();
    queue.pop_front();
    return next;
  }
  std::deque<int> choices;
  std::deque<std::string> texts;
};

TEST_F(EditingTest, AUserChoiceBuildIsTheOneTheBuilderMakesFromTheSameAnswersAndSeed) {
  frame->OnFileNew();
  TreeView* catalog = frame->Catalog().Tree();
  catalog->expand(At(catalog, {1}));
  ASSERT_EQ(At(catalog, {1, 5, 1}).data().toString(), "$(1-26). Panzer-Division");
  catalog->setCurrentIndex(At(catalog, {1, 5, 1}));

  ListedChoices answers;
  answers.choices = {2, 0, 1, 1, 0, 2, 1};
  answers.texts = {"11", "3", "IV"};
  frame->Editing().SeedBuilder(7);
  prompter.choices = answers.choices;
  prompter.descriptions = answers.texts;
  Trigger(kAddUser);
  EXPECT_TRUE(prompter.Captions().contains("Choice Dialog"));
  EXPECT_TRUE(prompter.Captions().contains("Description Dialog"));

  BuilderState state(7);
  OrgRoot expected;
  Builder builder(state, frame->Names(), expected.month, expected.year);
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
  const QAbstractItemModel* model = frame->Created()->model();
  for (int step = 0; step < 20; ++step) {
    // A random created item, reached through rows the view has.
    QModelIndex index = Created({static_cast<int>(random() % model->rowCount(Created({})))});
    while (model->rowCount(index) > 0 && random() % 3 != 0) {
      const QModelIndex child = model->index(random() % model->rowCount(index), 0, index);
      if (model->rowCount(child) == 0 && !(model->flags(child) & Qt::ItemIsEditable)) break;
      index = child;
    }
    frame->Created()->setCurrentIndex(index);
    prompter.answers = {MessageAnswer::kOk};
    prompter.ratings = {static_cast<int>(random() % 5) + 1};
    Trigger(commands[random() % std::size(commands)]);
  }
  const std::string edited = Saved();
  ASSERT_NE(edited, opened);
  while (frame->Editing().History().canUndo())
    frame->Editing().Undo();
  EXPECT_EQ(Saved(), opened);
  while (frame->Editing().History().canRedo())
    frame->Editing().Redo();
  EXPECT_EQ(Saved(), edited);
}

}  // namespace
}  // namespace valdren
