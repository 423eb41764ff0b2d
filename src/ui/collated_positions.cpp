// The display positions of a collated box's sequence numbers, in a treap by position.
#include "ui/collated_positions.h"

namespace tut_collated {

Positions::Positions(const std::vector<int> &sequenceAt)
{
    bySequence_.assign(sequenceAt.size(), -1);
    nodes_.reserve(sequenceAt.size());
    for (std::size_t position = 0; position < sequenceAt.size(); ++position) {
        const int node = newNode();
        root_ = merge(root_, node);
        bySequence_[static_cast<std::size_t>(sequenceAt[position])] = node;
    }
}

int Positions::newNode()
{
    // xorshift32: priorities need only look random, and the same ones every run.
    random_ ^= random_ << 13;
    random_ ^= random_ >> 17;
    random_ ^= random_ << 5;
    Node node;
    node.priority = random_;
    if (!freeNodes_.empty()) {
        const int reused = freeNodes_.back();
        freeNodes_.pop_back();
        nodes_[static_cast<std::size_t>(reused)] = node;
        return reused;
    }
    nodes_.push_back(node);
    return static_cast<int>(nodes_.size()) - 1;
}

void Positions::update(int node)
{
    Node &n = nodes_[static_cast<std::size_t>(node)];
    n.size = 1 + size(n.left) + size(n.right);
    for (int child : {n.left, n.right})
        if (child >= 0)
            nodes_[static_cast<std::size_t>(child)].parent = node;
}

void Positions::split(int tree, int count, int &first, int &second)
{
    if (tree < 0) {
        first = second = -1;
        return;
    }
    Node &n = nodes_[static_cast<std::size_t>(tree)];
    if (size(n.left) < count) {
        int rest = -1;
        split(n.right, count - size(n.left) - 1, rest, second);
        nodes_[static_cast<std::size_t>(tree)].right = rest;
        first = tree;
    } else {
        int rest = -1;
        split(n.left, count, first, rest);
        nodes_[static_cast<std::size_t>(tree)].left = rest;
        second = tree;
    }
    update(tree);
    nodes_[static_cast<std::size_t>(tree)].parent = -1;
}

int Positions::merge(int first, int second)
{
    if (first < 0 || second < 0) {
        const int tree = first < 0 ? second : first;
        if (tree >= 0)
            nodes_[static_cast<std::size_t>(tree)].parent = -1;
        return tree;
    }
    if (nodes_[static_cast<std::size_t>(first)].priority >
        nodes_[static_cast<std::size_t>(second)].priority) {
        const int right = merge(nodes_[static_cast<std::size_t>(first)].right, second);
        nodes_[static_cast<std::size_t>(first)].right = right;
        update(first);
        nodes_[static_cast<std::size_t>(first)].parent = -1;
        return first;
    }
    const int left = merge(first, nodes_[static_cast<std::size_t>(second)].left);
    nodes_[static_cast<std::size_t>(second)].left = left;
    update(second);
    nodes_[static_cast<std::size_t>(second)].parent = -1;
    return second;
}

int Positions::position(int sequence) const
{
    return positionOf(bySequence_[static_cast<std::size_t>(sequence)]);
}

int Positions::positionOf(int node) const
{
    // The items before it: those left of it, and at each step up from a right child, the
    // parent and the items left of the parent.
    int position = size(nodes_[static_cast<std::size_t>(node)].left);
    for (int parent = nodes_[static_cast<std::size_t>(node)].parent; parent >= 0;
         node = parent, parent = nodes_[static_cast<std::size_t>(parent)].parent) {
        const Node &p = nodes_[static_cast<std::size_t>(parent)];
        if (p.right == node)
            position += size(p.left) + 1;
    }
    return position;
}

void Positions::insertNode(int node, int position)
{
    int before = -1, after = -1;
    split(root_, position, before, after);
    root_ = merge(merge(before, node), after);
}

void Positions::removeNode(int node)
{
    int before = -1, rest = -1, removed = -1, after = -1;
    split(root_, positionOf(node), before, rest);
    split(rest, 1, removed, after);
    root_ = merge(before, after);
}

void Positions::insert(int position, int sequence)
{
    const int node = newNode();
    insertNode(node, position);
    bySequence_.insert(bySequence_.begin() + sequence, node);
}

void Positions::erase(int sequence)
{
    const int node = bySequence_[static_cast<std::size_t>(sequence)];
    removeNode(node);
    freeNodes_.push_back(node);
    bySequence_.erase(bySequence_.begin() + sequence);
}

void Positions::move(int sequence, int position)
{
    const int node = bySequence_[static_cast<std::size_t>(sequence)];
    removeNode(node);  // which leaves it a tree of one
    insertNode(node, position);
}

}  // namespace tut_collated
