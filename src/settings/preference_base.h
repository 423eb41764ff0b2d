// TutPreferenceBase: a node of the preference tree, and the application's root node.
#pragma once

#include "afx.h"

namespace vks::settings {
// Deletes the application's root node; the library's process detach calls it.
void releaseApplicationPreferences();
}  // namespace vks::settings

// A node knows whether its value changed (dirty), whether changes are written at once
// (auto-save) and whether it holds a value yet (valid value). Nodes form a tree in which no node
// owns another: a parent only links its children, and a node that goes leaves its parent and
// sets its children free as roots of their own. save() on a node saves its children too, in the
// order in which they joined; auto-save switched on for a node holds for everything below it.
// No locking: a tree belongs to one thread at a time.
class AFX_EXT_CLASS TutPreferenceBase {
public:
    TutPreferenceBase();
    // Joins `parent` when it is not null.
    explicit TutPreferenceBase(TutPreferenceBase *parent);
    // Takes `other`'s flags, none of its children, and joins `other`'s parent, so the copy is a
    // sibling of the original.
    TutPreferenceBase(TutPreferenceBase const &other);
    // Copies nothing: a node keeps its flags and its place in the tree.
    TutPreferenceBase &operator=(TutPreferenceBase const &other);
    // Leaves the parent; the children live on as roots.
    virtual ~TutPreferenceBase();

    // Clears the dirty bit, then saves the children in the order in which they joined.
    virtual void save();

    // Non-zero: saves first (unless auto-save is already on), then switches auto-save on for this
    // node and all below. Zero: switches it off for this node and all below, unless the parent
    // saves automatically, in which case nothing changes.
    void enableAutoSave(int enable);
    void disableAutoSave();
    int isAutoSaveEnabled() const;

    // TRUE when the dirty bit is set or an override profile is installed: under an override
    // every node has something to write into the override's file.
    int isDirty() const;
    // Sets the dirty bit and, under auto-save, saves at once.
    void markDirty();

    // Leaves the current parent and joins `newParent` (none when null). A node cannot join
    // itself or a node below it: that would make a loop, so the node stays where it was.
    void parent(TutPreferenceBase *newParent);
    TutPreferenceBase *parent() const;

    // The application's root node, created on first use and deleted when the library unloads.
    static TutPreferenceBase &application();

protected:
    void setDirty();
    // A first read through a const preference fills its value, so this is const.
    void markValidValue() const;
    int isValidValue() const;

private:
    friend void vks::settings::releaseApplicationPreferences();
    class ReversedChildren;

    void add(TutPreferenceBase *child);
    void remove(TutPreferenceBase *child);
    void setAutoSaveState(int on);
    void reverseChildList();
    bool isInSubtree(TutPreferenceBase const *node) const;

    static void cleanup();

    mutable DWORD m_dwFlags = 0;
    TutPreferenceBase *m_pprefParent = nullptr;
    TutPreferenceBase *m_pprefNext = nullptr;
    TutPreferenceBase *m_pprefFirstChild = nullptr;

    static TutPreferenceBase *m_pprefApplication;
};
