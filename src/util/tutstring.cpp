// TutString: construction, queries, searches, extraction and in-place edits.
#include "tutstring.h"

#include <cstring>

#include "mbctype.h"
#include "mbstring.h"
#include "windows.h"

namespace {

// The blanks that the strip functions remove; other white space is part of the text.
constexpr char kBlanks[] = " \t";

unsigned char const *bytes(char const *text)
{
    return reinterpret_cast<unsigned char const *>(text);
}

int positionIn(char const *text, unsigned char const *match)
{
    return match ? static_cast<int>(reinterpret_cast<char const *>(match) - text) : -1;
}

// The text reversed by characters, each double-byte character keeping its byte order.
CString reversed(CString copy)
{
    int length = copy.GetLength();
    char *buffer = copy.GetBuffer(length);
    _mbsrev(reinterpret_cast<unsigned char *>(buffer));
    copy.ReleaseBuffer(length);
    return copy;
}

}  // namespace

TutString::TutString() = default;

TutString::TutString(char ch, int count) : m_strText(ch, count) {}

TutString::TutString(char const *text, int count) : m_strText(text, count) {}

// Assigned rather than constructed: CString's constructor would take a small pointer value for
// a resource id.
TutString::TutString(char const *text) { m_strText = text; }

TutString::TutString(CString const &text) : m_strText(text) {}

TutString::TutString(TutString const &other) : m_strText(other.m_strText) {}

TutString::TutString(unsigned int id, HINSTANCE module, int expand)
{
    load(id, module);
    if (expand)
        expandEmbeddedMacros();
}

TutString::~TutString() = default;

TutString &TutString::operator=(TutString const &other)
{
    m_strText = other.m_strText;
    return *this;
}

TutString &TutString::operator=(char const *text)
{
    m_strText = text;
    return *this;
}

TutString &TutString::operator=(CString const &text)
{
    m_strText = text;
    return *this;
}

int TutString::length() const { return m_strText.GetLength(); }

int TutString::isEmpty() const { return m_strText.IsEmpty() ? 1 : 0; }

void TutString::empty() { m_strText.Empty(); }

char TutString::at(int pos) const { return m_strText.GetAt(pos); }

void TutString::setAt(int pos, char ch) { m_strText.SetAt(pos, ch); }

char *TutString::buffer() { return m_strText.GetBuffer(m_strText.GetLength()); }

char *TutString::buffer(int newLength)
{
    int oldLength = m_strText.GetLength();
    char *text = m_strText.GetBufferSetLength(newLength);
    // Bytes added are defined, so a caller that writes fewer of them reads no stale memory.
    if (newLength > oldLength)
        std::memset(text + oldLength, '\0', static_cast<size_t>(newLength - oldLength));
    return text;
}

int TutString::GetAttribute(int pos) const
{
    if (pos < 0 || pos >= length())
        return _MBC_ILLEGAL;
    return _mbsbtype(bytes(m_strText), static_cast<size_t>(pos));
}

int TutString::isValid() const
{
    return IsBadStringPtrA(m_strText, static_cast<UINT_PTR>(length()) + 1) ? 0 : 1;
}

int TutString::isEqual(TutString const &other) const
{
    return _mbscmp(bytes(m_strText), bytes(other.m_strText)) == 0 ? 1 : 0;
}

int TutString::compare(TutString const &other) const { return isEqual(other); }

int TutString::find(char ch) const
{
    return positionIn(m_strText, _mbschr(bytes(m_strText), static_cast<unsigned char>(ch)));
}

int TutString::find(char const *sub) const
{
    return positionIn(m_strText, _mbsstr(bytes(m_strText), bytes(sub ? sub : "")));
}

int TutString::find(TutString const &sub) const { return find(static_cast<char const *>(sub)); }

int TutString::findLast(char ch) const
{
    return positionIn(m_strText, _mbsrchr(bytes(m_strText), static_cast<unsigned char>(ch)));
}

// The last occurrence ends where the first occurrence of the reversed substring begins in the
// reversed text.
int TutString::findLast(char const *sub) const
{
    if (!sub)
        return 0;
    int first = find(sub);
    if (first < 0)
        return -1;
    CString reversedSub = reversed(TutString(sub).m_strText);
    CString reversedText = reversed(m_strText);
    int fromEnd = positionIn(reversedText, _mbsstr(bytes(reversedText), bytes(reversedSub)));
    // A stray lead byte can pair differently once reversed; the first occurrence is then the
    // only position known to be a match.
    if (fromEnd < 0)
        return first;
    return length() - reversedSub.GetLength() - fromEnd;
}

int TutString::findLast(TutString const &sub) const
{
    return findLast(static_cast<char const *>(sub));
}

TutString TutString::mid(int start, int count) const { return m_strText.Mid(start, count); }

TutString TutString::mid(int start) const { return m_strText.Mid(start); }

TutString TutString::left(int count) const { return m_strText.Left(count); }

TutString TutString::right(int count) const { return m_strText.Right(count); }

TutString &TutString::toUpper()
{
    m_strText.MakeUpper();
    return *this;
}

TutString &TutString::toLower()
{
    m_strText.MakeLower();
    return *this;
}

void TutString::stripLeading() { m_strText.TrimLeft(kBlanks); }

void TutString::stripTrailing() { m_strText.TrimRight(kBlanks); }

void TutString::setLength(int newLength, char fill)
{
    if (newLength < 0 || fill == '\0')
        return;
    int oldLength = length();
    if (newLength > oldLength)
        m_strText += CString(fill, newLength - oldLength);
    else if (newLength < oldLength)
        m_strText = m_strText.Left(newLength);
}
