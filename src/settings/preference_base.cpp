#include "settings/preference_base.h"

#include "settings/profile.h"

namespace {

constexpr DWORD kDirty = 0x1;
constexpr DWORD kAutoSave = 0x2;
constexpr DWORD kValidValue = 0x4;
constexpr DWORD kAllFlags = kDirty | kAutoSave | kValidValue;

}  // namespace

// The child list runs from the most recently added child; saving wants the opposite order. The
// list is turned for the walk and turned back even when a child's save() throws.
class TutPreferenceBase::ReversedChildren {
public:
    explicit ReversedChildren(TutPreferenceBase &node) : m_node(node) { m_node.reverseChildList(); }
    ~ReversedChildren() { m_node.reverseChildList(); }
    ReversedChildren(ReversedChildren const &) = delete;
    ReversedChildren &operator=(ReversedChildren const &) = delete;

private:
    TutPreferenceBase &m_node;
};

TutPreferenceBase::TutPreferenceBase() = default;

TutPreferenceBase::TutPreferenceBase(TutPreferenceBase *parent)
{
    if (parent)
        parent->add(this);
}

TutPreferenceBase::TutPreferenceBase(TutPreferenceBase const &other)
    : m_dwFlags(other.m_dwFlags & kAllFlags)
{
    if (other.m_pprefParent)
        other.m_pprefParent->add(this);
}

TutPreferenceBase &TutPreferenceBase::operator=(TutPreferenceBase const &)
{
    return *this;
}

TutPreferenceBase::~TutPreferenceBase()
{
    if (m_pprefParent)
        m_pprefParent->remove(this);
    TutPreferenceBase *child = m_pprefFirstChild;
    while (child) {
        TutPreferenceBase *next = child->m_pprefNext;
        child->m_pprefParent = nullptr;
        child->m_pprefNext = nullptr;
        child = next;
    }
    m_pprefFirstChild = nullptr;
}

void TutPreferenceBase::save()
{
    m_dwFlags &= ~kDirty;
    ReversedChildren inJoinOrder(*this);
    TutPreferenceBase *child = m_pprefFirstChild;
    while (child) {
        // Taken first: a child that leaves while it saves has no next sibling any more.
        TutPreferenceBase *next = child->m_pprefNext;
        child->save();
        child = next;
    }
}

void TutPreferenceBase::enableAutoSave(int enable)
{
    if (enable) {
        if (isAutoSaveEnabled())
            return;
        save();
        setAutoSaveState(TRUE);
        return;
    }
    if (m_pprefParent && m_pprefParent->isAutoSaveEnabled())
        return;
    setAutoSaveState(FALSE);
}

void TutPreferenceBase::disableAutoSave()
{
    enableAutoSave(FALSE);
}

int TutPreferenceBase::isAutoSaveEnabled() const
{
    return (m_dwFlags & kAutoSave) ? TRUE : FALSE;
}

int TutPreferenceBase::isDirty() const
{
    return (TutProfile::getOverride() || (m_dwFlags & kDirty)) ? TRUE : FALSE;
}

void TutPreferenceBase::markDirty()
{
    setDirty();
    if (isAutoSaveEnabled())
        save();
}

void TutPreferenceBase::parent(TutPreferenceBase *newParent)
{
    if (newParent && isInSubtree(newParent))
        return;
    if (m_pprefParent)
        m_pprefParent->remove(this);
    if (newParent)
        newParent->add(this);
}

TutPreferenceBase *TutPreferenceBase::parent() const
{
    return m_pprefParent;
}

void TutPreferenceBase::setDirty()
{
    m_dwFlags |= kDirty;
}

void TutPreferenceBase::markValidValue() const
{
    m_dwFlags |= kValidValue;
}

int TutPreferenceBase::isValidValue() const
{
    return (m_dwFlags & kValidValue) ? TRUE : FALSE;
}

void TutPreferenceBase::add(TutPreferenceBase *child)
{
    child->m_pprefParent = this;
    child->m_pprefNext = m_pprefFirstChild;
    m_pprefFirstChild = child;
    if (isAutoSaveEnabled())
        child->setAutoSaveState(TRUE);
}

void TutPreferenceBase::remove(TutPreferenceBase *child)
{
    for (TutPreferenceBase **link = &m_pprefFirstChild; *link; link = &(*link)->m_pprefNext) {
        if (*link == child) {
            *link = child->m_pprefNext;
            break;
        }
    }
    child->m_pprefParent = nullptr;
    child->m_pprefNext = nullptr;
}

void TutPreferenceBase::setAutoSaveState(int on)
{
    if (on)
        m_dwFlags |= kAutoSave;
    else
        m_dwFlags &= ~kAutoSave;
    for (TutPreferenceBase *child = m_pprefFirstChild; child; child = child->m_pprefNext)
        child->setAutoSaveState(on);
}

void TutPreferenceBase::reverseChildList()
{
    TutPreferenceBase *reversed = nullptr;
    TutPreferenceBase *child = m_pprefFirstChild;
    while (child) {
        TutPreferenceBase *next = child->m_pprefNext;
        child->m_pprefNext = reversed;
        reversed = child;
        child = next;
    }
    m_pprefFirstChild = reversed;
}

bool TutPreferenceBase::isInSubtree(TutPreferenceBase const *node) const
{
    for (; node; node = node->m_pprefParent) {
        if (node == this)
            return true;
    }
    return false;
}
