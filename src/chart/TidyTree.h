#pragma once

#include <span>
#include <vector>

namespace valdren {

// A tidy tree, drawn top down: each node's place across the page, given its parent and its width.
// Parents are centred over the span of their children, two nodes of a level are never closer than
// the gap, and every subtree is pushed as close to its left neighbours as their outlines allow,
// gaps left between small subtrees shared out evenly: Walker's algorithm as Buchheim, Jünger and
// Leipert made it run in time linear in the number of nodes ("Improving Walker's Algorithm to Run
// in Linear Time", 2002). The walks keep their own stacks, so a tree of any depth is laid out.
//
// Node 0 is the root; every other node's parent comes before it, as in pre-order, and siblings
// stand in the order of their numbers. Gives each node's centre, the leftmost edge at 0.
std::vector<double> TidyLayout(std::span<const int> parents, std::span<const double> widths,
                               double gap);

}  // namespace valdren
