// TutString: string resources and the product placeholders.
#include "tutstring.h"

#include "mbctype.h"
#include "mbstring.h"
#include "util/startup.h"
#include "windows.h"

namespace {

constexpr UINT kCompanyNameId = 2451;

// A string-table text is at most 65535 UTF-16 units, two bytes each at most in the ANSI code
// page.
constexpr int kLongestResourceText = 2 * 65535;

// Makes a given module the current resource module for one scope; a null module changes
// nothing.
class ScopedResourceModule {
public:
    explicit ScopedResourceModule(HINSTANCE module)
        : m_hPrevious(AfxGetResourceHandle()), m_bActive(module != NULL)
    {
        if (m_bActive)
            AfxSetResourceHandle(module);
    }
    ~ScopedResourceModule()
    {
        if (m_bActive)
            AfxSetResourceHandle(m_hPrevious);
    }
    ScopedResourceModule(ScopedResourceModule const &) = delete;
    ScopedResourceModule &operator=(ScopedResourceModule const &) = delete;

private:
    HINSTANCE m_hPrevious;
    bool m_bActive;
};

// String id of that one module, without the resource chain; "" when it has none.
CString loadFromModuleOnly(HINSTANCE module, UINT id)
{
    CString text;
    // LoadStringA cannot say that it cut the text, and it cuts before a double-byte character
    // that does not fit whole: a result within two bytes of the buffer's end may be cut.
    for (int size = 256;; size *= 2) {
        int loaded = LoadStringA(module, id, text.GetBuffer(size - 1), size);
        text.ReleaseBuffer(loaded > 0 ? loaded : 0);
        if (loaded < size - 2 || size > kLongestResourceText)
            return text;
    }
}

// The first character boundary at or after pos, given that start is one and lies before pos.
// Inserted text that ends in a lone lead byte pairs it with the byte that follows.
int boundaryFrom(CString const &text, int start, int pos)
{
    if (pos >= text.GetLength())
        return pos;
    auto const *from = reinterpret_cast<unsigned char const *>(static_cast<LPCSTR>(text)) + start;
    return _mbsbtype(from, static_cast<size_t>(pos - start)) == _MBC_TRAIL ? pos + 1 : pos;
}

}  // namespace

const TutString::_tagExpandibleMacro TutString::supportedMacros[] = {
    {"$ProductName$", PRODUCT_NAME},
    {"$CompanyName$", COMPANY_NAME},
    {nullptr, PRODUCT_NAME},
};

void TutString::load(unsigned int id, HINSTANCE module)
{
    ScopedResourceModule current(module);
    CString text;
    if (!text.LoadString(id) || text.IsEmpty())
        AfxThrowResourceException();
    m_strText = text;
}

int TutString::find(unsigned int id) const { return find(TutString(id, NULL, TRUE)); }

int TutString::findLast(unsigned int id) const { return findLast(TutString(id, NULL, TRUE)); }

int TutString::expandEmbeddedMacros()
{
    int found = 0;
    for (const _tagExpandibleMacro *macro = supportedMacros; macro->token; ++macro) {
        if (expandToken(*macro))
            found = 1;
    }
    return found;
}

bool TutString::expandToken(_tagExpandibleMacro const &macro)
{
    const int tokenLength = lstrlenA(macro.token);
    bool found = false;
    for (int pos = m_strText.Find(macro.token); pos >= 0;) {
        found = true;
        // Fetched for each occurrence: the name may change between them.
        TutString replacement = translateMacro(macro.id);
        m_strText = m_strText.Left(pos) + replacement.m_strText + m_strText.Mid(pos + tokenLength);
        // Searching on after the inserted text keeps a name that holds its own token from being
        // expanded forever.
        int next = boundaryFrom(m_strText, pos, pos + replacement.length());
        pos = m_strText.Find(macro.token, next);
    }
    return found;
}

TutString TutString::translateMacro(MACRO_ID id)
{
    switch (id) {
    case PRODUCT_NAME: {
        CString name;
        utProductName(name);
        return name;
    }
    case COMPANY_NAME:
        return loadFromModuleOnly(AfxGetResourceHandle(), kCompanyNameId);
    }
    return TutString();
}
