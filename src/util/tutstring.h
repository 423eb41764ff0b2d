// TutString: the library's display-text value over one framework string.
#pragma once

#include "afx.h"

// Text in the process's ANSI code page, which may be double-byte. Every position and length
// counts bytes, so a double-byte character takes two positions; searches never report a match
// that begins on the trail byte of a double-byte character. The placeholders "$ProductName$"
// and "$CompanyName$" are expanded on request, and texts can be loaded from string resources and
// formatted in the platform's wvsprintfA language.
class AFX_EXT_CLASS TutString {
public:
    enum MACRO_ID {
        PRODUCT_NAME = 0,  // the product name of utProductName
        COMPANY_NAME = 1,  // string 2451 of the current resource module
    };
    // One row of the placeholder table.
    struct _tagExpandibleMacro {
        char const *token;
        MACRO_ID id;
    };

    TutString();
    // ch repeated count times (none for a count of 0 or less).
    TutString(char ch, int count);
    // At most count bytes of text, stopping at a NUL; null or a count of 0 or less gives "".
    TutString(char const *text, int count);
    // A copy up to the NUL; null gives "".
    TutString(char const *text);
    TutString(CString const &text);
    TutString(TutString const &other);
    // load(id, module), then expandEmbeddedMacros() when expand is nonzero. Throws as load does.
    TutString(unsigned int id, HINSTANCE module, int expand);
    virtual ~TutString();

    // Each makes a copy; a null pointer makes the text empty.
    TutString &operator=(TutString const &other);
    TutString &operator=(char const *text);
    TutString &operator=(CString const &text);

    // The text, NUL-terminated, valid until this object changes.
    operator char const *() const { return m_strText; }

    int length() const;
    // 1 when the length is 0, else 0.
    int isEmpty() const;
    void empty();
    // The byte at pos. Callers keep pos within 0 to length() - 1; outside it, the result is 0.
    char at(int pos) const;
    // Replaces the byte at pos; a position outside 0 to length() - 1 changes nothing.
    void setAt(int pos, char ch);
    // A writable pointer to the text, private to this object, holding length() bytes and the
    // NUL. Valid until this object is changed or copied.
    char *buffer();
    // Sets the length to newLength (0 when negative): the text is kept up to the shorter length,
    // bytes added are NUL, and the terminator goes at newLength. Returns the writable pointer.
    char *buffer(int newLength);
    // The multibyte type of the byte at pos as _mbsbtype gives it (_MBC_SINGLE, _MBC_LEAD,
    // _MBC_TRAIL, _MBC_ILLEGAL), found by scanning from the start; _MBC_ILLEGAL when pos lies
    // outside the text.
    int GetAttribute(int pos) const;
    // Nonzero when the text can be read for its length plus the NUL.
    virtual int isValid() const;

    // 1 when the texts are equal under _mbscmp, else 0. Neither gives an ordering.
    int isEqual(TutString const &other) const;
    int compare(TutString const &other) const;

    // Byte positions of the first occurrence, or -1. A null substring counts as "" (found at 0).
    int find(char ch) const;
    int find(char const *sub) const;
    int find(TutString const &sub) const;
    // Searches for string resource id of the current resource module, placeholders expanded.
    // Throws CResourceException* when there is no such string.
    int find(unsigned int id) const;

    // Byte positions where the last occurrence begins, or -1. A null substring gives 0; ""
    // gives length().
    int findLast(char ch) const;
    int findLast(char const *sub) const;
    int findLast(TutString const &sub) const;
    // As find(unsigned int), for the last occurrence.
    int findLast(unsigned int id) const;

    // Extraction, clamped to the text: negative values count as 0, a count running past the
    // end stops there, a start beyond the end gives "".
    TutString mid(int start, int count) const;
    TutString mid(int start) const;
    TutString left(int count) const;
    TutString right(int count) const;

    // Case of the single-byte letters A-Z and a-z; double-byte characters stay as they are.
    TutString &toUpper();
    TutString &toLower();
    // Remove blanks (0x20) and tabs (0x09) only; other white space stays.
    void stripLeading();
    void stripTrailing();
    // Pads with fill or cuts to newLength; a negative length or a NUL fill changes nothing.
    void setLength(int newLength, char fill);

    // Replaces the text by string resource id. A null module searches the current resource
    // module, then the resource chain; another module is made the current resource module for
    // the load and the previous one is restored afterwards, also when the load throws. A
    // missing or empty string throws CResourceException* and leaves the text unchanged.
    void load(unsigned int id, HINSTANCE module);
    // Replaces every "$ProductName$" and "$CompanyName$" (exact letter case) by its text.
    // Inserted text is not searched again, so a name holding its own token ends. Returns 1 when
    // a token was found, else 0.
    int expandEmbeddedMacros();

    // Each replaces the whole text by the result of wvsprintfA and returns the object. A result
    // of more than 511 characters throws CMemoryException* and leaves the text unchanged; a null
    // format or argument list changes nothing. printf(id, ...) formats with string resource id
    // of the current resource module, placeholders expanded, and throws as load does. The
    // argument list of vprintf points to a va_list, which is left for the caller to reuse.
    TutString &printf(char const *format, ...);
    TutString &printf(unsigned int id, ...);
    TutString &vprintf(char const *format, void *args);
    TutString &vprintf(TutString const &format, void *args);

private:
    // The replacement for one placeholder; "" for an identifier outside the table.
    TutString translateMacro(MACRO_ID id);
    // Expands one token throughout the text; true when it occurred.
    bool expandToken(_tagExpandibleMacro const &macro);

    static const _tagExpandibleMacro supportedMacros[];

    CString m_strText;
};
