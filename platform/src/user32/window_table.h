// Internal: the process's windows: their records, parent/child/owner links and Z-order. One lock
// guards the table; no window procedure is ever called with it held.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "windows.h"

namespace vks::detail {

class MessageQueue;

struct WindowRecord {
    HWND handle = nullptr;
    ATOM classAtom = 0;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    LONG_PTR id = 0;
    HWND parent = nullptr;  // children only
    HWND owner = nullptr;   // top-level windows only
    WNDPROC proc = nullptr;
    HINSTANCE instance = nullptr;
    LONG_PTR userData = 0;
    // Top-level windows: screen coordinates; children: their parent's client coordinates
    // (windows have no frame, so the client area is the whole window).
    RECT rect{};
    // The placement a minimised or maximised window returns to, and its stored positions.
    RECT normalRect{};
    POINT minPosition{-1, -1};
    POINT maxPosition{-1, -1};
    bool restoreToMaximized = false;
    std::vector<unsigned char> extraBytes;
    std::vector<HWND> children;  // Z-order, top first
    DWORD threadId = 0;
    std::shared_ptr<MessageQueue> queue;
    bool destroying = false;
    // Painting: the update region kept as its bounding rectangle, in client coordinates.
    RECT update{};
    bool eraseDue = false;
    bool internalPaint = false;
};

class WindowTable {
public:
    std::mutex lock;

    // With the lock held.
    WindowRecord *find(HWND hwnd);
    HWND add(std::unique_ptr<WindowRecord> record);  // gives the handle, links it in Z-order
    std::unique_ptr<WindowRecord> remove(HWND hwnd);  // unlinks it
    const std::vector<HWND> &siblingsOf(const WindowRecord &record);
    const std::vector<HWND> &topLevel() const { return topLevel_; }
    void descendants(HWND hwnd, std::vector<HWND> &out);  // hwnd itself first
    std::vector<HWND> windowsOfThread(DWORD threadId) const;
    void bringToTop(HWND hwnd);  // first among its siblings
    void sendToBottom(HWND hwnd);  // last among its siblings
    void placeAfter(HWND hwnd, HWND sibling);  // right below the sibling

private:
    std::uintptr_t nextHandle_ = 0x10020;
    std::unordered_map<HWND, std::unique_ptr<WindowRecord>> records_;
    std::vector<HWND> topLevel_;  // Z-order, top first
};

WindowTable &windowTable();

// Answers for one window, read under the lock; empty/null when hwnd is no window.
std::shared_ptr<MessageQueue> queueOfWindow(HWND hwnd);
WNDPROC procOfWindow(HWND hwnd);
std::optional<DWORD> threadOfWindow(HWND hwnd);
// The window and every window below it; empty when hwnd is no window.
std::vector<HWND> windowAndDescendants(HWND hwnd);

// A thread ends: its windows go without messages, as its window procedures can no longer run.
void forgetThreadWindows(DWORD threadId);

// Calls the window's procedure on the calling thread; 0 when hwnd is no window.
LRESULT callWindowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vks::detail
