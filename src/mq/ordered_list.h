// Internal: the singly linked lists of the message queue, ordered by priority.
#pragma once

namespace vks::detail {

// Inserts `node` after every node of priority greater than or equal to its own and before the
// first of lower priority: higher priorities first, equal ones in order of arrival.
template <class Node, Node *Node::*Next, int Node::*Priority>
void insertByPriority(Node *&head, Node *node)
{
    Node **link = &head;
    while (*link != nullptr && (*link)->*Priority >= node->*Priority)
        link = &((*link)->*Next);
    node->*Next = *link;
    *link = node;
}

// Takes `node` out of the list; false when it is not in it.
template <class Node, Node *Node::*Next>
bool unlink(Node *&head, Node *node)
{
    for (Node **link = &head; *link != nullptr; link = &((*link)->*Next)) {
        if (*link == node) {
            *link = node->*Next;
            node->*Next = nullptr;
            return true;
        }
    }
    return false;
}

}  // namespace vks::detail
