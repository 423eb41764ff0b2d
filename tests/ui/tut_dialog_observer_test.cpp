// TutDialogObserver: the three notifications, delivered from the message loop in order and once
// each, and the two-way tie between dialog and observer whichever side goes first.
#include <functional>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_fixtures.h"
#include "ui/dialog_observer.h"

namespace {

using uitest::kSampleDialog;
using uitest::pumpAll;
using uitest::SampleDialog;
using Log = std::vector<std::string>;

// One link has one owner.
static_assert(!std::is_copy_constructible_v<TutDialogObserver>);
static_assert(!std::is_copy_assignable_v<TutDialogObserver>);

// Logs each notification, with whether it still knew its dialog then, and runs the test's
// reaction to DialogDestroyed, if any.
class RecordingObserver : public TutDialogObserver {
public:
    explicit RecordingObserver(Log &log, TutDialog *dialog = nullptr)
        : TutDialogObserver(dialog), log_(log)
    {
    }

    void DialogCreated() override { log_.push_back("created"); }
    void DialogPainted() override { log_.push_back("painted"); }
    void DialogDestroyed() override
    {
        log_.push_back("destroyed");
        if (onDestroyed)
            onDestroyed(*this);
    }

    std::function<void(RecordingObserver &)> onDestroyed;

private:
    Log &log_;
};

class DialogObserverTest : public uitest::DialogTest {
protected:
    // Makes the modeless dialog (visible, so that it gets painted) and runs the message loop.
    static void createAndPump(SampleDialog &dialog)
    {
        ASSERT_TRUE(dialog.Create(kSampleDialog));
        pumpAll();
    }

    // Lets the tick count pass `ms` milliseconds and runs the message loop.
    void elapseAndPump(DWORD ms)
    {
        now += ms;
        ticks.set(now);
        pumpAll();
    }

    DWORD now = kStart;
    Log log;
};

TEST_F(DialogObserverTest, HearsCreatedPaintedDestroyedOnceEachAndInOrder)
{
    SampleDialog dialog;
    RecordingObserver observer(log, &dialog);

    ASSERT_TRUE(dialog.Create(kSampleDialog));
    EXPECT_EQ(Log{}, log) << "notifications wait for the message loop";
    pumpAll();
    EXPECT_EQ(Log{"created"}, log);

    elapseAndPump(99);
    EXPECT_EQ(Log{"created"}, log) << "the first paint is told 100 ms after it";
    elapseAndPump(1);
    EXPECT_EQ((Log{"created", "painted"}), log);

    // Painting again, and time passing, tell nothing more.
    ASSERT_TRUE(InvalidateRect(dialog.GetSafeHwnd(), nullptr, TRUE));
    pumpAll();
    elapseAndPump(1000);
    EXPECT_EQ((Log{"created", "painted"}), log);

    ASSERT_TRUE(dialog.DestroyWindow());
    EXPECT_EQ((Log{"created", "painted"}), log);
    pumpAll();
    EXPECT_EQ((Log{"created", "painted", "destroyed"}), log);
    elapseAndPump(1000);
    EXPECT_EQ((Log{"created", "painted", "destroyed"}), log);
}

TEST_F(DialogObserverTest, AModalDialogsNotificationsComeFromItsModalLoop)
{
    // The clock moves on once the dialog has painted, so the timer falls due in the modal loop.
    struct ClockAfterPaint : SampleDialog {
        void OnPaint() override
        {
            SampleDialog::OnPaint();
            afterPaint();
        }
        std::function<void()> afterPaint;
    };
    ClockAfterPaint dialog;
    dialog.afterPaint = [this] { ticks.set(now += 100); };
    RecordingObserver observer(log, &dialog);
    // Ends the dialog when told of its first paint.
    struct Ending : RecordingObserver {
        using RecordingObserver::RecordingObserver;
        void DialogPainted() override
        {
            RecordingObserver::DialogPainted();
            Dialog()->EndDialog(IDOK);
        }
    };
    Log endingLog;
    Ending ending(endingLog);
    dialog.Observer(&ending);

    EXPECT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ((Log{"created", "painted"}), endingLog);
    pumpAll();
    EXPECT_EQ((Log{"created", "painted", "destroyed"}), endingLog);
    EXPECT_EQ(Log{}, log) << "the observer it replaced hears nothing";
}

TEST_F(DialogObserverTest, AttachedAfterTheFirstPaintNeverHearsPainted)
{
    SampleDialog dialog;
    createAndPump(dialog);
    RecordingObserver observer(log, &dialog);

    ASSERT_TRUE(InvalidateRect(dialog.GetSafeHwnd(), nullptr, TRUE));
    pumpAll();
    elapseAndPump(500);
    ASSERT_TRUE(dialog.DestroyWindow());
    pumpAll();
    EXPECT_EQ(Log{"destroyed"}, log);
}

TEST_F(DialogObserverTest, DetachedWhileTheTimerRunsHearsNothingMore)
{
    SampleDialog dialog;
    RecordingObserver observer(log, &dialog);
    createAndPump(dialog);
    ASSERT_EQ(Log{"created"}, log);

    observer.Dialog(nullptr);
    EXPECT_EQ(nullptr, dialog.Observer());
    EXPECT_EQ(nullptr, observer.Dialog());
    elapseAndPump(500);
    ASSERT_TRUE(dialog.DestroyWindow());
    pumpAll();
    EXPECT_EQ(Log{"created"}, log);
}

TEST_F(DialogObserverTest, ObserverDestroyedBeforeTheDialog)
{
    SampleDialog dialog;
    {
        RecordingObserver observer(log, &dialog);
        createAndPump(dialog);
        ASSERT_EQ(&observer, dialog.Observer());
    }
    EXPECT_EQ(nullptr, dialog.Observer());

    // The timer of the first paint and the destruction find no observer to tell.
    elapseAndPump(500);
    ASSERT_TRUE(dialog.DestroyWindow());
    pumpAll();
    EXPECT_EQ(Log{"created"}, log);
}

TEST_F(DialogObserverTest, DialogDestroyedBeforeTheObserver)
{
    RecordingObserver observer(log);
    {
        SampleDialog dialog;
        observer.Dialog(&dialog);
        createAndPump(dialog);
        elapseAndPump(100);
        ASSERT_EQ(&dialog, observer.Dialog());
        // The window is still there when the object goes.
    }
    EXPECT_EQ(nullptr, observer.Dialog());
    pumpAll();
    EXPECT_EQ((Log{"created", "painted", "destroyed"}), log);
}

TEST_F(DialogObserverTest, ObserverMayDeleteItselfWhenTold)
{
    SampleDialog dialog;
    auto *observer = new RecordingObserver(log, &dialog);
    observer->onDestroyed = [](RecordingObserver &self) { delete &self; };
    createAndPump(dialog);

    ASSERT_TRUE(dialog.DestroyWindow());
    pumpAll();
    EXPECT_EQ(nullptr, dialog.Observer());
    EXPECT_EQ((Log{"created", "destroyed"}), log);
}

TEST_F(DialogObserverTest, AttachingKeepsBothSidesInStep)
{
    SampleDialog first;
    SampleDialog second;
    Log otherLog;
    RecordingObserver observer(log, &first);
    RecordingObserver other(otherLog);

    // The observer moves: the dialog it leaves forgets it.
    observer.Dialog(&second);
    EXPECT_EQ(nullptr, first.Observer());
    EXPECT_EQ(&observer, second.Observer());
    EXPECT_EQ(&second, observer.Dialog());

    // The dialog takes another observer: the one it had forgets the dialog.
    second.Observer(&other);
    EXPECT_EQ(nullptr, observer.Dialog());
    EXPECT_EQ(&second, other.Dialog());

    // An observer attached elsewhere leaves that dialog for this one.
    first.Observer(&other);
    EXPECT_EQ(nullptr, second.Observer());
    EXPECT_EQ(&first, other.Dialog());

    first.Observer(nullptr);
    EXPECT_EQ(nullptr, other.Dialog());
    EXPECT_EQ(nullptr, first.Observer());
}

}  // namespace
