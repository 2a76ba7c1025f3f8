#include "chart/TidyTree.h"

#include <algorithm>
#include <limits>

namespace valdren {

namespace {

constexpr int kNone = -1;

// The walks' state, named as in the paper: a node's preliminary place and the modifier that its
// subtree still has to move by, the thread that continues a contour below a leaf, the ancestor
// that a contour node's subtree is moved with, and the shifts ExecuteShifts shares out.
class TidyTree {
 public:
  TidyTree(std::span<const int> parents, std::span<const double> widths, double gap)
      : widths_(widths), gap_(gap), nodes_(parents.size()) {
    for (std::size_t i = 1; i < parents.size(); ++i) {
      const int v = static_cast<int>(i);
      Node& parent = nodes_[static_cast<std::size_t>(parents[i])];
      Node& node = nodes_[i];
      node.parent = parents[i];
      node.ancestor = v;
      if (parent.firstChild == kNone) {
        parent.firstChild = v;
      } else {
        At(parent.lastChild).nextSibling = v;
        node.leftSibling = parent.lastChild;
        node.number = At(parent.lastChild).number + 1;
      }
      parent.lastChild = v;
    }
  }

  std::vector<double> Layout() {
    if (nodes_.empty()) return {};
    FirstWalk();
    return SecondWalk();
  }

 private:
  struct Node {
    int parent = kNone;
    int firstChild = kNone;
    int lastChild = kNone;
    int leftSibling = kNone;
    int nextSibling = kNone;
    int number = 1;  // among its siblings, from 1
    int thread = kNone;
    int ancestor = 0;
    int defaultAncestor = kNone;  // while its children are placed
    double prelim = 0;
    double mod = 0;
    double change = 0;
    double shift = 0;
  };

  Node& At(int v) { return nodes_[static_cast<std::size_t>(v)]; }
  double Distance(int a, int b) const {
    return (widths_[static_cast<std::size_t>(a)] + widths_[static_cast<std::size_t>(b)]) / 2 + gap_;
  }
  int NextLeft(int v) { return At(v).firstChild != kNone ? At(v).firstChild : At(v).thread; }
  int NextRight(int v) { return At(v).lastChild != kNone ? At(v).lastChild : At(v).thread; }

  // Every subtree after its children, left to right: each node placed, then its subtree pushed
  // clear of its left siblings'.
  void FirstWalk() {
    std::vector<int> stack{0};
    std::vector<int> next(nodes_.size());
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      next[i] = nodes_[i].firstChild;
      nodes_[i].defaultAncestor = nodes_[i].firstChild;
    }
    while (!stack.empty()) {
      const int v = stack.back();
      if (const int child = next[static_cast<std::size_t>(v)]; child != kNone) {
        next[static_cast<std::size_t>(v)] = At(child).nextSibling;
        stack.push_back(child);
        continue;
      }
      stack.pop_back();
      Place(v);
      if (v != 0) At(At(v).parent).defaultAncestor = Apportion(v, At(At(v).parent).defaultAncestor);
    }
  }

  void Place(int v) {
    Node& node = At(v);
    const int left = node.leftSibling;
    if (node.firstChild == kNone) {
      node.prelim = left == kNone ? 0 : At(left).prelim + Distance(left, v);
      return;
    }
    ExecuteShifts(v);
    const double midpoint = (At(node.firstChild).prelim + At(node.lastChild).prelim) / 2;
    if (left == kNone) {
      node.prelim = midpoint;
    } else {
      node.prelim = At(left).prelim + Distance(left, v);
      node.mod = node.prelim - midpoint;
    }
  }

  // Walks down the right contour of the subtrees left of v and the left contour of v's own,
  // moving v's subtree right wherever the two come closer than their distance.
  int Apportion(int v, int defaultAncestor) {
    const int left = At(v).leftSibling;
    if (left == kNone) return defaultAncestor;
    int insideRight = v;
    int outsideRight = v;
    int insideLeft = left;
    int outsideLeft = At(At(v).parent).firstChild;
    double sumInsideRight = At(insideRight).mod;
    double sumOutsideRight = At(outsideRight).mod;
    double sumInsideLeft = At(insideLeft).mod;
    double sumOutsideLeft = At(outsideLeft).mod;
    while (NextRight(insideLeft) != kNone && NextLeft(insideRight) != kNone) {
      insideLeft = NextRight(insideLeft);
      insideRight = NextLeft(insideRight);
      outsideLeft = NextLeft(outsideLeft);
      outsideRight = NextRight(outsideRight);
      At(outsideRight).ancestor = v;
      const double shift = (At(insideLeft).prelim + sumInsideLeft) -
                           (At(insideRight).prelim + sumInsideRight) +
                           Distance(insideLeft, insideRight);
      if (shift > 0) {
        MoveSubtree(Ancestor(insideLeft, v, defaultAncestor), v, shift);
        sumInsideRight += shift;
        sumOutsideRight += shift;
      }
      sumInsideLeft += At(insideLeft).mod;
      sumInsideRight += At(insideRight).mod;
      sumOutsideLeft += At(outsideLeft).mod;
      sumOutsideRight += At(outsideRight).mod;
    }
    if (NextRight(insideLeft) != kNone && NextRight(outsideRight) == kNone) {
      At(outsideRight).thread = NextRight(insideLeft);
      At(outsideRight).mod += sumInsideLeft - sumOutsideRight;
    }
    if (NextLeft(insideRight) != kNone && NextLeft(outsideLeft) == kNone) {
      At(outsideLeft).thread = NextLeft(insideRight);
      At(outsideLeft).mod += sumInsideRight - sumOutsideLeft;
      defaultAncestor = v;
    }
    return defaultAncestor;
  }

  // The sibling of v whose subtree the contour node belongs to, if it is known to be a sibling.
  int Ancestor(int contour, int v, int defaultAncestor) {
    const int ancestor = At(contour).ancestor;
    return At(ancestor).parent == At(v).parent ? ancestor : defaultAncestor;
  }

  // Moves the right subtree by the shift, and notes that the subtrees between the two take their
  // share of it, which ExecuteShifts gives them.
  void MoveSubtree(int leftSubtree, int rightSubtree, double shift) {
    const double share = shift / (At(rightSubtree).number - At(leftSubtree).number);
    At(rightSubtree).change -= share;
    At(rightSubtree).shift += shift;
    At(leftSubtree).change += share;
    At(rightSubtree).prelim += shift;
    At(rightSubtree).mod += shift;
  }

  void ExecuteShifts(int v) {
    double shift = 0;
    double change = 0;
    for (int child = At(v).lastChild; child != kNone; child = At(child).leftSibling) {
      At(child).prelim += shift;
      At(child).mod += shift;
      change += At(child).change;
      shift += At(child).shift + change;
    }
  }

  // Each node's place is its preliminary one plus its ancestors' modifiers; parents come first.
  std::vector<double> SecondWalk() {
    std::vector<double> modSum(nodes_.size(), 0);
    std::vector<double> centres(nodes_.size());
    double leftmost = std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      if (i > 0) {
        const auto parent = static_cast<std::size_t>(nodes_[i].parent);
        modSum[i] = modSum[parent] + nodes_[parent].mod;
      }
      centres[i] = nodes_[i].prelim + modSum[i];
      leftmost = std::min(leftmost, centres[i] - widths_[i] / 2);
    }
    for (double& centre : centres)
      centre -= leftmost;
    return centres;
  }

  std::span<const double> widths_;
  double gap_;
  std::vector<Node> nodes_;
};

}  // namespace

std::vector<double> TidyLayout(std::span<const int> parents, std::span<const double> widths,
                               double gap) {
  return TidyTree(parents, widths, gap).Layout();
}

}  // namespace valdren
