// The items of list and combo boxes, and the host's item limit.
#include "user32/list_items.h"

#include <atomic>
#include <cstring>
#include <limits>

#include "kernel32/codepage.h"
#include "vksboundary.h"
#include "vkshost.h"

namespace vks::detail {

namespace {

constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();
std::atomic<std::size_t> itemLimit{kNoLimit};

unsigned char folded(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}

// Compares at most `length` bytes of `b` with `a`; a trail byte of a double-byte character is
// compared as it stands, so it is never taken for a letter.
int compareNoCase(const char *a, const char *b, std::size_t length)
{
    const UINT codePage = GetACP();
    bool trail = false;
    for (std::size_t i = 0; i < length; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        const unsigned char fa = trail ? ca : folded(ca);
        const unsigned char fb = trail ? cb : folded(cb);
        if (fa != fb)
            return fa < fb ? -1 : 1;
        if (ca == 0)
            return 0;
        trail = !trail && isLeadByte(codePage, ca);
    }
    return 0;
}

}  // namespace

int compareNoCase(const char *a, const char *b)
{
    return compareNoCase(a, b, kNoLimit);
}

std::size_t listItemLimit()
{
    return itemLimit.load();
}

int ListItems::addPosition(const char *text, bool sorted) const
{
    if (!sorted)
        return count();
    if (!text)
        text = "";
    // Before the first item that does not sort below the text.
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (compareNoCase(at(middle).text.c_str(), text) < 0)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int ListItems::insert(int position, const char *text)
{
    if (position == -1)
        position = count();
    if (position < 0 || position > count())
        return LB_ERR;
    if (items_.size() >= listItemLimit())
        return LB_ERRSPACE;
    items_.insert(items_.begin() + position, ListItem{text ? text : "", 0, false});
    return position;
}

int ListItems::erase(WPARAM position)
{
    if (!valid(position))
        return LB_ERR;
    items_.erase(items_.begin() + static_cast<int>(position));
    return count();
}

int ListItems::find(WPARAM start, const char *text, bool exact) const
{
    if (!text || items_.empty())
        return LB_ERR;
    const int first = valid(start) ? static_cast<int>(start) + 1 : 0;
    const std::size_t length = std::strlen(text);
    for (int step = 0; step < count(); ++step) {
        const int index = (first + step) % count();
        const char *item = at(index).text.c_str();
        const int order = exact ? compareNoCase(item, text) : compareNoCase(item, text, length);
        if (order == 0)
            return index;
    }
    return LB_ERR;
}

LRESULT ListItems::copyText(WPARAM index, LPARAM buffer) const
{
    if (!valid(index))
        return LB_ERR;
    const std::string &text = at(index).text;
    if (buffer)
        std::memcpy(reinterpret_cast<char *>(buffer), text.c_str(), text.size() + 1);
    return static_cast<LRESULT>(text.size());
}

LRESULT ListItems::textLength(WPARAM index) const
{
    return valid(index) ? static_cast<LRESULT>(at(index).text.size()) : LB_ERR;
}

}  // namespace vks::detail

void VksHostSetListItemLimit(const UINT *limitOrNull)
{
    vks::atWin32BoundaryVoid([&] {
        vks::detail::itemLimit.store(limitOrNull ? *limitOrNull : vks::detail::kNoLimit);
    });
}
