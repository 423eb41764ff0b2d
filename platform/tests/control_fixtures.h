// A parent window that records what its standard controls tell it, for the control tests.
#pragma once

#include <ostream>
#include <vector>

#include <gtest/gtest.h>

#include "commctrl.h"
#include "window_fixtures.h"
#include "windows.h"

namespace vkstest {

// One notification as the parent saw it; for UDN_DELTAPOS also the request's fields.
struct Note {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    int iPos = 0;
    int iDelta = 0;

    bool operator==(const Note &) const = default;
};

inline void PrintTo(const Note &note, std::ostream *os)
{
    *os << "{msg 0x" << std::hex << note.message << ", wParam 0x" << note.wParam << std::dec
        << ", lParam " << note.lParam << ", iPos " << note.iPos << ", iDelta " << note.iDelta
        << "}";
}

// How the parent answers UDN_DELTAPOS: its return value, and a delta it writes back (0 keeps).
struct DeltaAnswer {
    LRESULT result = 0;
    int newDelta = 0;
};

inline std::vector<Note> &parentNotes()
{
    thread_local std::vector<Note> notes;
    return notes;
}

inline DeltaAnswer &deltaAnswer()
{
    thread_local DeltaAnswer answer;
    return answer;
}

inline LRESULT CALLBACK recordingParentProc(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
    case WM_VSCROLL:
    case WM_HSCROLL:
        parentNotes().push_back({message, wParam, lParam});
        return 0;
    case WM_NOTIFY: {
        auto *request = reinterpret_cast<NMUPDOWN *>(lParam);
        EXPECT_EQ(static_cast<UINT>(UDN_DELTAPOS), request->hdr.code);
        EXPECT_EQ(wParam, request->hdr.idFrom);
        parentNotes().push_back({message, wParam,
                                 reinterpret_cast<LPARAM>(request->hdr.hwndFrom), request->iPos,
                                 request->iDelta});
        if (deltaAnswer().newDelta)
            request->iDelta = deltaAnswer().newDelta;
        return deltaAnswer().result;
    }
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// A top-level parent that records its children's notifications.
class ControlTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        parentNotes().clear();
        deltaAnswer() = {};
        parent = parentClass.create("parent", WS_POPUP);
        ASSERT_NE(nullptr, parent);
    }

    void TearDown() override
    {
        DestroyWindow(parent);
        WindowTest::TearDown();
    }

    HWND child(const char *className, const char *text, DWORD style, int id = kId, int width = 80,
               int height = 40) const
    {
        return CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, width,
                               height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                               nullptr, nullptr);
    }

    static std::vector<Note> takeNotes()
    {
        std::vector<Note> notes;
        notes.swap(parentNotes());
        return notes;
    }

    // What a control sends through WM_COMMAND.
    static Note command(HWND control, WORD code, int id = kId)
    {
        return {WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(control)};
    }

    static constexpr int kId = 100;
    ScopedWindowClass parentClass{recordingParentProc};
    HWND parent = nullptr;
};

}  // namespace vkstest
