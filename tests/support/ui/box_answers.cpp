#include "box_answers.h"

#include "vkshost.h"

namespace vkstest {

BoxAnswers::BoxAnswers(int result)
{
    answerWith(result);
    VksHostSetMessageBoxAnswerer(&BoxAnswers::call, this);
}

BoxAnswers::BoxAnswers(Answer answer) : answer_(std::move(answer))
{
    VksHostSetMessageBoxAnswerer(&BoxAnswers::call, this);
}

BoxAnswers::~BoxAnswers()
{
    VksHostSetMessageBoxAnswerer(nullptr, nullptr);
}

void BoxAnswers::answerWith(int result)
{
    answer_ = [result](const ShownBox &) { return result; };
}

std::vector<std::string> BoxAnswers::texts() const
{
    std::vector<std::string> shown;
    for (const ShownBox &box : boxes)
        shown.push_back(box.text);
    return shown;
}

int BoxAnswers::call(HWND owner, const char *text, const char *caption, UINT style, void *context)
{
    auto *self = static_cast<BoxAnswers *>(context);
    self->boxes.push_back({owner, text ? text : "", caption ? caption : "", style});
    // A copy: the answer may hand the answerer a new answer for the next box.
    const Answer answer = self->answer_;
    return answer(self->boxes.back());
}

void postClick(HWND dialog, int id)
{
    PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

}  // namespace vkstest
