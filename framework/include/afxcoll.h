// afxcoll.h: CObList, the framework's doubly linked list of CObject pointers.
#pragma once

#include <memory>
#include <vector>

#include "afxobject.h"

// A place in a list: given by the list's operations, valid until that element is removed or the
// list is emptied. NULL means "no element" (past the end, or an empty list).
struct PositionTag;
typedef PositionTag *POSITION;

// The list stores the pointers only: it never deletes an element, not even when it is emptied or
// destroyed. Nodes are allocated nBlockSize at a time and reused after removals; RemoveAll and
// the destructor return every block. The framework asserts on misuse; here a NULL position and
// an empty list are answered instead: reads give NULL and removals do nothing. A position must
// come from this list. Allocation failure throws CMemoryException*.
class AFX_CORE_CLASS CObList : public CObject {
    DECLARE_DYNAMIC(CObList)

public:
    explicit CObList(INT_PTR nBlockSize = 10);
    ~CObList() override;

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // The first and the last element; NULL for an empty list.
    CObject *GetHead() const;
    CObject *GetTail() const;

    // Remove the first or the last element and return it; NULL for an empty list.
    CObject *RemoveHead();
    CObject *RemoveTail();

    // Add an element before the first or after the last; the new element's position.
    POSITION AddHead(CObject *newElement);
    POSITION AddTail(CObject *newElement);

    // Removes every element (without deleting them).
    void RemoveAll();

    POSITION GetHeadPosition() const;
    POSITION GetTailPosition() const;
    // The element at rPosition; rPosition moves to the next (previous) one, NULL after the last
    // (first). A NULL position gives NULL and stays NULL.
    CObject *GetNext(POSITION &rPosition) const;
    CObject *GetPrev(POSITION &rPosition) const;

    // The element at a position, or NULL for a NULL position.
    CObject *GetAt(POSITION position) const;
    void SetAt(POSITION position, CObject *newElement);
    // Removes the element at a position; the positions of the others stay valid.
    void RemoveAt(POSITION position);

    // The position of the first element equal to searchValue (pointer comparison), looking from
    // the head or after startAfter; NULL when there is none.
    POSITION Find(CObject *searchValue, POSITION startAfter = NULL) const;
    // The position of the element at a zero-based index; NULL when out of range.
    POSITION FindIndex(INT_PTR nIndex) const;

protected:
    struct CNode {
        CNode *pNext;
        CNode *pPrev;
        CObject *data;
    };

    static CNode *NodeAt(POSITION position) { return reinterpret_cast<CNode *>(position); }
    CNode *NewNode(CNode *pPrev, CNode *pNext, CObject *data);
    void FreeNode(CNode *pNode);

    CNode *m_pNodeHead = nullptr;
    CNode *m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
    CNode *m_pNodeFree = nullptr;
    std::vector<std::unique_ptr<CNode[]>> m_blocks;
    INT_PTR m_nBlockSize;
};
