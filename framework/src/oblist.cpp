// CObList: the list of object pointers, its nodes carved from blocks.
#include "afxcoll.h"

#include <new>

#include "afxexcept.h"
#include "runtime_class.h"

VKS_IMPLEMENT_FRAMEWORK_CLASS(CObList, CObject)

CObList::CObList(INT_PTR nBlockSize) : m_nBlockSize(nBlockSize > 0 ? nBlockSize : 1) {}

CObList::~CObList()
{
    RemoveAll();
}

CObList::CNode *CObList::NewNode(CNode *pPrev, CNode *pNext, CObject *data)
{
    if (!m_pNodeFree) {
        std::unique_ptr<CNode[]> block(new (std::nothrow) CNode[static_cast<size_t>(m_nBlockSize)]);
        if (!block)
            AfxThrowMemoryException();
        // Chain the new nodes into the free list, the block's first node ending up on top.
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i) {
            block[i].pNext = m_pNodeFree;
            m_pNodeFree = &block[i];
        }
        m_blocks.push_back(std::move(block));
    }
    CNode *pNode = m_pNodeFree;
    m_pNodeFree = pNode->pNext;
    *pNode = CNode{pNext, pPrev, data};
    ++m_nCount;
    return pNode;
}

void CObList::FreeNode(CNode *pNode)
{
    *pNode = CNode{m_pNodeFree, nullptr, nullptr};
    m_pNodeFree = pNode;
    if (--m_nCount == 0)
        RemoveAll();
}

CObject *CObList::GetHead() const
{
    return m_pNodeHead ? m_pNodeHead->data : NULL;
}

CObject *CObList::GetTail() const
{
    return m_pNodeTail ? m_pNodeTail->data : NULL;
}

POSITION CObList::AddHead(CObject *newElement)
{
    CNode *pNode = NewNode(nullptr, m_pNodeHead, newElement);
    if (m_pNodeHead)
        m_pNodeHead->pPrev = pNode;
    else
        m_pNodeTail = pNode;
    m_pNodeHead = pNode;
    return reinterpret_cast<POSITION>(pNode);
}

POSITION CObList::AddTail(CObject *newElement)
{
    CNode *pNode = NewNode(m_pNodeTail, nullptr, newElement);
    if (m_pNodeTail)
        m_pNodeTail->pNext = pNode;
    else
        m_pNodeHead = pNode;
    m_pNodeTail = pNode;
    return reinterpret_cast<POSITION>(pNode);
}

CObject *CObList::RemoveHead()
{
    CObject *data = GetHead();
    RemoveAt(GetHeadPosition());
    return data;
}

CObject *CObList::RemoveTail()
{
    CObject *data = GetTail();
    RemoveAt(GetTailPosition());
    return data;
}

void CObList::RemoveAll()
{
    m_pNodeHead = m_pNodeTail = m_pNodeFree = nullptr;
    m_nCount = 0;
    m_blocks.clear();
}

POSITION CObList::GetHeadPosition() const
{
    return reinterpret_cast<POSITION>(m_pNodeHead);
}

POSITION CObList::GetTailPosition() const
{
    return reinterpret_cast<POSITION>(m_pNodeTail);
}

CObject *CObList::GetNext(POSITION &rPosition) const
{
    CNode *pNode = NodeAt(rPosition);
    if (!pNode)
        return NULL;
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
}

CObject *CObList::GetPrev(POSITION &rPosition) const
{
    CNode *pNode = NodeAt(rPosition);
    if (!pNode)
        return NULL;
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
}

CObject *CObList::GetAt(POSITION position) const
{
    CNode *pNode = NodeAt(position);
    return pNode ? pNode->data : NULL;
}

void CObList::SetAt(POSITION position, CObject *newElement)
{
    if (CNode *pNode = NodeAt(position))
        pNode->data = newElement;
}

void CObList::RemoveAt(POSITION position)
{
    CNode *pNode = NodeAt(position);
    if (!pNode)
        return;
    if (pNode->pPrev)
        pNode->pPrev->pNext = pNode->pNext;
    else
        m_pNodeHead = pNode->pNext;
    if (pNode->pNext)
        pNode->pNext->pPrev = pNode->pPrev;
    else
        m_pNodeTail = pNode->pPrev;
    FreeNode(pNode);
}

POSITION CObList::Find(CObject *searchValue, POSITION startAfter) const
{
    CNode *pNode = startAfter ? NodeAt(startAfter)->pNext : m_pNodeHead;
    for (; pNode; pNode = pNode->pNext) {
        if (pNode->data == searchValue)
            return reinterpret_cast<POSITION>(pNode);
    }
    return NULL;
}

POSITION CObList::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode *pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
}
