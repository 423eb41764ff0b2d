// The one way UI tests answer what would wait for a person: message boxes through the host's
// answerer, dialogs by clicking their buttons through the dialog's own loop.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "windows.h"

namespace vkstest {

// One message box as it came up.
struct ShownBox {
    HWND owner;
    std::string text;
    std::string caption;
    UINT style;
};

// Answers each message box of the test's lifetime, recording it; the answer is the result of
// the button to press, or 0 to leave the box open for the program. No answerer is left behind.
class BoxAnswers {
public:
    using Answer = std::function<int(const ShownBox &)>;

    explicit BoxAnswers(int result = IDOK);
    explicit BoxAnswers(Answer answer);
    ~BoxAnswers();
    BoxAnswers(const BoxAnswers &) = delete;
    BoxAnswers &operator=(const BoxAnswers &) = delete;

    // From now on, each box is answered this way.
    void answerWith(Answer answer) { answer_ = std::move(answer); }
    void answerWith(int result);

    // The texts of the boxes shown so far, in order.
    std::vector<std::string> texts() const;

    std::vector<ShownBox> boxes;

private:
    static int call(HWND owner, const char *text, const char *caption, UINT style, void *context);

    Answer answer_;
};

// Clicks a dialog's button once the dialog's loop gets to it, as a user would.
void postClick(HWND dialog, int id);

}  // namespace vkstest
