// TvmDateRange on a dialog of ranges.rc: layout, filling, correction, stepping and disabling.
#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "../format/intl_settings.h"
#include "range_dialog.h"
#include "time_entry/date_range.h"

using formattest::IntlSettings;
using rangetest::leave;
using rangetest::RangeDialog;
using rangetest::setText;
using rangetest::textOf;
using rangetest::type;

namespace {

constexpr unsigned int kUp = 0, kDown = 1;

// The date dialog with its range editor wired as a dialog class wires it: the template's rows
// are month, day, year, handed over in that order and laid out in the regional order.
class DateRangeDialog : public RangeDialog {
public:
    DateRangeDialog() : RangeDialog(IDD_DATE_RANGE)
    {
        range.initializeControlPointers(&begin[0], &begin[1], &begin[2], &end[0], &end[1],
                                        &end[2], &beginSeparators[0], &beginSeparators[1],
                                        &endSeparators[0], &endSeparators[1], &labels[0],
                                        &labels[1], &labels[2], &labels[3], &beginSpin, &endSpin);
        onCommand = [this](int id, unsigned int code) { forward(range, id, code); };
        // The focus starts outside the range, so that no field of it loses the focus unasked.
        SetFocus(elsewhere.m_hWnd);
    }

    CEdit &beginMonth() { return begin[0]; }
    CEdit &beginDay() { return begin[1]; }
    CEdit &beginYear() { return begin[2]; }

    void layOut()
    {
        range.setMDYOrder(&begin[0], &beginSeparators[0], &begin[1], &beginSeparators[1],
                          &begin[2]);
        range.setMDYOrder(&end[0], &endSeparators[0], &end[1], &endSeparators[1], &end[2]);
    }
    // Month, day, year of the begin date, then of the end date.
    std::array<std::string, 6> texts() const
    {
        return {textOf(begin[0]), textOf(begin[1]), textOf(begin[2]),
                textOf(end[0]), textOf(end[1]), textOf(end[2])};
    }
    void setBegin(const std::string &month, const std::string &day, const std::string &year)
    {
        setText(begin[0], month);
        setText(begin[1], day);
        setText(begin[2], year);
    }

    static void forward(TvmDateRange &range, int id, unsigned int code)
    {
        switch (id) {
        case IDC_BEGIN_1: range.beginMonthNotify(code); break;
        case IDC_BEGIN_2: range.beginDayNotify(code); break;
        case IDC_BEGIN_3: range.beginYearNotify(code); break;
        case IDC_END_1: range.endMonthNotify(code); break;
        case IDC_END_2: range.endDayNotify(code); break;
        case IDC_END_3: range.endYearNotify(code); break;
        default: break;
        }
    }

    TvmDateRange range;
};

std::array<std::string, 6> six(const char *a, const char *b, const char *c, const char *d,
                               const char *e, const char *f)
{
    return {a, b, c, d, e, f};
}

}  // namespace

TEST(TvmDateRangeLayout, MonthDayYearMovesNothing)
{
    IntlSettings settings({"sShortDate=M/d/yyyy"});
    DateRangeDialog dialog;
    std::vector<RECT> before;
    CWnd *const row[] = {&dialog.begin[0], &dialog.beginSeparators[0], &dialog.begin[1],
                         &dialog.beginSeparators[1], &dialog.begin[2]};
    for (CWnd *control : row)
        before.push_back(dialog.clientRect(*control));
    const std::vector<HWND> zBefore = RangeDialog::zOrder(dialog.begin[0], 4);

    dialog.layOut();

    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        const RECT now = dialog.clientRect(*row[i]);
        EXPECT_EQ(before[i].left, now.left);
        EXPECT_EQ(before[i].top, now.top);
    }
    EXPECT_EQ(zBefore, RangeDialog::zOrder(dialog.begin[0], 4));
}

// The template's begin row at x 60, top 12: month 24 px wide, separator 6, day 28, separator 8,
// year 44; fields 24 px high, separators 16, so a separator's top is 12 + 12 - 8.
TEST(TvmDateRangeLayout, FollowsTheRegionalOrderInPlaceAndTabOrder)
{
    const struct {
        const char *name;
        const char *shortDate;
        int monthX, dayX, yearX;
        int separator1X, separator2X;
        int first, second, third;  // the template's field index in tab order
    } rows[] = {
        {"day, month, year", "dd.MM.yyyy", 98, 60, 134, 90, 124, 1, 0, 2},
        {"year, month, day", "yyyy/MM/dd", 114, 150, 60, 106, 140, 2, 0, 1},
        {"month, year, day: the month stays", "M/yy/d", 60, 150, 94, 86, 140, 0, 2, 1},
        {"day, year, month", "d-yyyy-M", 154, 60, 98, 90, 144, 1, 2, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        IntlSettings settings({std::string("sShortDate=") + row.shortDate});
        DateRangeDialog dialog;
        dialog.layOut();

        const RECT month = dialog.clientRect(dialog.begin[0]);
        const RECT day = dialog.clientRect(dialog.begin[1]);
        const RECT year = dialog.clientRect(dialog.begin[2]);
        const RECT separator1 = dialog.clientRect(dialog.beginSeparators[0]);
        const RECT separator2 = dialog.clientRect(dialog.beginSeparators[1]);
        EXPECT_EQ(row.monthX, month.left);
        EXPECT_EQ(row.dayX, day.left);
        EXPECT_EQ(row.yearX, year.left);
        EXPECT_EQ(row.separator1X, separator1.left);
        EXPECT_EQ(row.separator2X, separator2.left);
        for (const RECT &field : {month, day, year})
            EXPECT_EQ(12, field.top);
        EXPECT_EQ(16, separator1.top);
        EXPECT_EQ(16, separator2.top);
        // Sizes never change.
        EXPECT_EQ(24, month.right - month.left);
        EXPECT_EQ(28, day.right - day.left);
        EXPECT_EQ(44, year.right - year.left);

        const std::vector<HWND> expected = {dialog.begin[row.first].m_hWnd,
                                            dialog.begin[row.second].m_hWnd,
                                            dialog.begin[row.third].m_hWnd};
        const std::vector<HWND> tabs = dialog.tabOrder(dialog.begin[row.first], 2);
        EXPECT_EQ(expected, tabs);
        // The end row follows the begin row, in its own regional order.
        EXPECT_EQ(dialog.end[row.first].m_hWnd,
                  GetNextDlgTabItem(dialog.hwnd(), dialog.begin[row.third].m_hWnd, FALSE));
        EXPECT_EQ(row.dayX, dialog.clientRect(dialog.end[1]).left);
        EXPECT_EQ(52, dialog.clientRect(dialog.end[1]).top);
    }
}

TEST(TvmDateRange, GetEditControlSizeFindsTheFieldAtAPosition)
{
    IntlSettings settings({"sShortDate=yyyy.d.M"});
    DateRangeDialog dialog;
    const struct {
        TutWinString::DATE_POSITION position;
        CEdit *field;
        CSize size;
    } rows[] = {
        {TutWinString::FIRST, &dialog.begin[2], CSize(44, 24)},
        {TutWinString::SECOND, &dialog.begin[1], CSize(28, 24)},
        {TutWinString::THIRD, &dialog.begin[0], CSize(24, 24)},
        {TutWinString::NO_POSITION, &dialog.begin[0], CSize(7, 9)},  // the size as it was
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.position);
        CSize size(7, 9);
        EXPECT_EQ(row.field, dialog.range.getEditControlSize(&dialog.begin[0], &dialog.begin[1],
                                                             &dialog.begin[2], row.position,
                                                             size));
        EXPECT_EQ(row.size.cx, size.cx);
        EXPECT_EQ(row.size.cy, size.cy);
    }
}

TEST(TvmDateRange, ShowsTheRegionalSeparators)
{
    IntlSettings settings({"sShortDate=yyyy-MM/dd"});
    DateRangeDialog dialog;
    dialog.range.initializeSeparators();
    EXPECT_EQ("-", textOf(dialog.beginSeparators[0]));
    EXPECT_EQ("/", textOf(dialog.beginSeparators[1]));
    EXPECT_EQ("-", textOf(dialog.endSeparators[0]));
    EXPECT_EQ("/", textOf(dialog.endSeparators[1]));
}

TEST(TvmDateRange, InitializeDatesFillsAndCorrectsBothDates)
{
    const struct {
        const char *name;
        TutTimestamp begin, end;
        std::array<std::string, 6> texts;
    } rows[] = {
        {"plain dates", TutTimestamp(2002, 3, 5, 14, 7, 9), TutTimestamp(2003, 11, 30, 0, 0, 0),
         six("3", "5", "2002", "11", "30", "2003")},
        {"the minimum date as end means no end", TutTimestamp(2002, 3, 5, 0, 0, 0),
         TutTimestamp(1980, 1, 1, 0, 0, 0), six("3", "5", "2002", "12", "31", "2107")},
        {"a second past the minimum is a real end", TutTimestamp(2002, 3, 5, 0, 0, 0),
         TutTimestamp(1980, 1, 1, 0, 0, 1), six("3", "5", "2002", "1", "1", "1980")},
        {"years outside DOS dates are clamped", TutTimestamp(1979, 12, 31, 0, 0, 0),
         TutTimestamp(2108, 2, 29, 0, 0, 0), six("12", "31", "1980", "2", "28", "2107")},
        {"no date at all", TutTimestamp(TutDate()), TutTimestamp(TutDate()),
         six("1", "1", "1980", "1", "1", "1980")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DateRangeDialog dialog;
        dialog.range.initializeDates(row.begin, row.end);
        EXPECT_EQ(row.texts, dialog.texts());
    }
}

// What the begin date's fields show after one of them lost the focus.
TEST(TvmDateRange, CorrectsTheDateWhenAFieldLosesTheFocus)
{
    enum Field { kMonth, kDay, kYear };
    const struct {
        const char *name;
        const char *month, *day, *year;
        Field leaving;
        const char *monthAfter, *dayAfter, *yearAfter;
    } rows[] = {
        {"year 99", "1", "1", "99", kYear, "1", "1", "1999"},
        {"year 05", "1", "1", "05", kYear, "1", "1", "2005"},
        {"year 79 is 2079", "1", "1", "79", kYear, "1", "1", "2079"},
        {"year 80 is 1980", "1", "1", "80", kYear, "1", "1", "1980"},
        {"year 1979", "1", "1", "1979", kYear, "1", "1", "1980"},
        {"year 2200", "1", "1", "2200", kYear, "1", "1", "2107"},
        {"year 2005 stays", "1", "1", "2005", kYear, "1", "1", "2005"},
        {"year 02005 is read as 0200", "1", "1", "02005", kYear, "1", "1", "1980"},
        {"an empty year is 00", "1", "1", "", kYear, "1", "1", "2000"},
        {"year 100", "1", "1", "100", kYear, "1", "1", "1980"},
        {"a year cut at 4 digits", "1", "1", "20071", kYear, "1", "1", "2007"},
        {"month 0", "0", "1", "2002", kMonth, "1", "1", "2002"},
        {"month 13", "13", "1", "2002", kMonth, "12", "1", "2002"},
        {"an empty month", "", "1", "2002", kMonth, "1", "1", "2002"},
        {"month 05 is left untouched", "05", "1", "2002", kMonth, "05", "1", "2002"},
        {"a month cut at 2 digits", "123", "1", "2002", kMonth, "12", "1", "2002"},
        {"day 31 of April, day leaving", "4", "31", "2002", kDay, "4", "30", "2002"},
        {"day 31 of April, month leaving", "4", "31", "2002", kMonth, "4", "30", "2002"},
        {"day 31 of April, year leaving", "4", "31", "2002", kYear, "4", "30", "2002"},
        {"29 February 2003", "2", "29", "2003", kDay, "2", "28", "2003"},
        {"29 February 2004", "2", "29", "2004", kDay, "2", "29", "2004"},
        {"29 February 2100", "2", "29", "2100", kDay, "2", "28", "2100"},
        {"29 February 03, year widened first", "2", "29", "03", kYear, "2", "28", "2003"},
        {"month 14 of day 31, month corrected first", "14", "31", "2002", kMonth, "12", "31",
         "2002"},
        {"day 0", "5", "0", "2002", kDay, "5", "1", "2002"},
        {"an empty day", "5", "", "2002", kDay, "5", "1", "2002"},
        {"day 07 is left untouched", "5", "07", "2002", kDay, "5", "07", "2002"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DateRangeDialog dialog;
        dialog.setBegin(row.month, row.day, row.year);
        leave(dialog.begin[row.leaving], dialog.elsewhere);
        EXPECT_EQ(row.monthAfter, textOf(dialog.beginMonth()));
        EXPECT_EQ(row.dayAfter, textOf(dialog.beginDay()));
        EXPECT_EQ(row.yearAfter, textOf(dialog.beginYear()));
    }
}

TEST(TvmDateRange, EndDateIsCorrectedByItsOwnFields)
{
    DateRangeDialog dialog;
    dialog.setBegin("4", "31", "99");
    setText(dialog.end[0], "4");
    setText(dialog.end[1], "31");
    setText(dialog.end[2], "99");
    leave(dialog.end[2], dialog.elsewhere);
    EXPECT_EQ(six("4", "31", "99", "4", "30", "1999"), dialog.texts());
}

// Each row types its bytes one after another at the end of the field's text. (A field written
// back has its caret at the start again, so the rows type non-digits last.)
TEST(TvmDateRange, TypedNonDigitsGoAsSoonAsTheFieldReportsTheChange)
{
    const struct {
        const char *name;
        const char *before;
        const char *typed;
        const char *shown;
    } rows[] = {
        {"digits stay", "", "12", "12"},
        {"a letter", "1", "2a", "12"},
        {"only letters", "", "a", ""},
        {"a sign", "4", "-", "4"},
        {"a double-byte digit, both bytes", "2", "\x82\x4f", "2"},
        {"bytes of 0x80 and above", "1", "\xb1", "1"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DateRangeDialog dialog;
        for (CEdit *field : {&dialog.begin[0], &dialog.begin[1], &dialog.begin[2], &dialog.end[0],
                             &dialog.end[1], &dialog.end[2]}) {
            setText(*field, row.before);
            type(*field, row.typed, false);
            EXPECT_EQ(row.shown, textOf(*field)) << GetDlgCtrlID(field->m_hWnd);
        }
    }
}

TEST(TvmDateRange, ALetterTypedOverTheWholeTextEmptiesTheField)
{
    DateRangeDialog dialog;
    setText(dialog.beginYear(), "2002");
    type(dialog.beginYear(), "x");
    EXPECT_EQ("", textOf(dialog.beginYear()));
}

TEST(TvmDateRange, PastedTextLongerThanTheReadBufferIsCut)
{
    DateRangeDialog dialog;
    setText(dialog.beginDay(), "123456789012x4");
    EXPECT_EQ("12345678901", textOf(dialog.beginDay()));
}

TEST(TvmDateRange, StepsTheFieldWithTheFocus)
{
    enum Field { kMonth, kDay, kYear };
    const struct {
        const char *name;
        const char *month, *day, *year;
        Field focused;
        unsigned int direction;
        const char *after;  // the stepped field's text
    } rows[] = {
        {"month up", "5", "1", "2002", kMonth, kUp, "6"},
        {"month down", "5", "1", "2002", kMonth, kDown, "4"},
        {"month 12 up", "12", "1", "2002", kMonth, kUp, "1"},
        {"month 1 down", "1", "1", "2002", kMonth, kDown, "12"},
        {"month 12 down", "12", "1", "2002", kMonth, kDown, "11"},
        {"month 0 up", "0", "1", "2002", kMonth, kUp, "1"},
        {"month 0 down", "0", "1", "2002", kMonth, kDown, "12"},
        {"month 13 up", "13", "1", "2002", kMonth, kUp, "1"},
        {"month 13 down", "13", "1", "2002", kMonth, kDown, "12"},
        {"month 05 in another direction is rewritten", "05", "1", "2002", kMonth, 2, "5"},
        {"day up", "4", "29", "2002", kDay, kUp, "30"},
        {"day 30 of April up", "4", "30", "2002", kDay, kUp, "1"},
        {"day 1 of April down", "4", "1", "2002", kDay, kDown, "30"},
        {"day 30 of April down", "4", "30", "2002", kDay, kDown, "29"},
        {"day 31 of April up", "4", "31", "2002", kDay, kUp, "1"},
        {"day 31 of April down", "4", "31", "2002", kDay, kDown, "30"},
        {"day 0 up", "4", "0", "2002", kDay, kUp, "1"},
        {"day 0 down", "4", "0", "2002", kDay, kDown, "30"},
        {"day 28 of February 2004 up", "2", "28", "2004", kDay, kUp, "29"},
        {"day 28 of February 2003 up", "2", "28", "2003", kDay, kUp, "1"},
        {"day 1 of February 2100 down", "2", "1", "2100", kDay, kDown, "28"},
        {"day 30 with month 13 up: 31 days", "13", "30", "2002", kDay, kUp, "31"},
        {"day 1 with month 0 down: 31 days", "0", "1", "2002", kDay, kDown, "31"},
        {"year up", "1", "1", "2002", kYear, kUp, "2003"},
        {"year down", "1", "1", "2002", kYear, kDown, "2001"},
        {"year 2107 up", "1", "1", "2107", kYear, kUp, "1980"},
        {"year 1980 down", "1", "1", "1980", kYear, kDown, "2107"},
        {"year 00 down", "1", "1", "00", kYear, kDown, "99"},
        {"year 99 up", "1", "1", "99", kYear, kUp, "00"},
        {"year 5 up keeps two digits", "1", "1", "5", kYear, kUp, "06"},
        {"year 1979 up", "1", "1", "1979", kYear, kUp, "1980"},
        {"year 1979 down", "1", "1", "1979", kYear, kDown, "2107"},
        {"year 2108 up", "1", "1", "2108", kYear, kUp, "1980"},
        {"year 100 down", "1", "1", "100", kYear, kDown, "2107"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DateRangeDialog dialog;
        // Focused first, so that no correction on a loss of the focus runs after the texts.
        SetFocus(dialog.begin[row.focused].m_hWnd);
        dialog.setBegin(row.month, row.day, row.year);
        // The end date's spin steps only the end date's fields.
        setText(dialog.end[row.focused], "7");
        dialog.range.endDateSpin(row.direction);
        dialog.range.beginDateSpin(row.direction);
        EXPECT_EQ(row.after, textOf(dialog.begin[row.focused]));
        EXPECT_EQ("7", textOf(dialog.end[row.focused]));
    }
}

TEST(TvmDateRange, SpinsWithTheFocusElsewhereChangeNothing)
{
    DateRangeDialog dialog;
    dialog.range.initializeDates(TutTimestamp(2002, 3, 5, 0, 0, 0),
                                 TutTimestamp(2003, 4, 6, 0, 0, 0));
    const auto before = dialog.texts();
    // (Not the dialog itself: a dialog given the focus hands it to its first field.)
    for (HWND focus : {dialog.elsewhere.m_hWnd, dialog.beginSpin.m_hWnd,
                       dialog.beginSeparators[0].m_hWnd, dialog.end[0].m_hWnd,
                       static_cast<HWND>(nullptr)}) {
        SetFocus(focus);
        dialog.range.beginDateSpin(kUp);
        if (focus != dialog.end[0].m_hWnd)
            dialog.range.endDateSpin(kDown);
        EXPECT_EQ(before, dialog.texts());
    }
}

TEST(TvmDateRange, DisablingStoresTheFieldsOrTheirDefaults)
{
    const struct {
        const char *name;
        std::array<std::string, 6> texts;
        int keepAsIs;
        std::array<unsigned int, 6> saved;
        std::array<std::string, 6> textsAfter;
    } rows[] = {
        {"empty fields kept as they are give the defaults", six("", "", "", "", "", ""), 1,
         {1, 1, 1980, 12, 31, 2107}, six("", "", "", "", "", "")},
        {"empty fields are corrected first", six("", "", "", "", "", ""), 0,
         {1, 1, 2000, 1, 1, 2000}, six("1", "1", "2000", "1", "1", "2000")},
        {"an empty end year kept as it is", six("3", "5", "2002", "4", "6", ""), 1,
         {3, 5, 2002, 4, 6, 2107}, six("3", "5", "2002", "4", "6", "")},
        {"values out of range are corrected first", six("13", "31", "79", "2", "30", "04"),
         0, {12, 31, 2079, 2, 29, 2004}, six("12", "31", "2079", "2", "29", "2004")},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        DateRangeDialog dialog;
        for (int i = 0; i < 3; ++i) {
            setText(dialog.begin[i], row.texts[i]);
            setText(dialog.end[i], row.texts[3 + i]);
        }
        dialog.range.enableControls(FALSE, row.keepAsIs);
        const std::array<unsigned int, 6> saved = {
            dialog.range.savedBeginMonth(), dialog.range.savedBeginDay(),
            dialog.range.savedBeginYear(), dialog.range.savedEndMonth(),
            dialog.range.savedEndDay(), dialog.range.savedEndYear()};
        EXPECT_EQ(row.saved, saved);
        EXPECT_EQ(row.textsAfter, dialog.texts());
    }
}

TEST(TvmDateRange, DisabledFieldsAreStoredAsTheyAre)
{
    DateRangeDialog dialog;
    dialog.range.enableControls(FALSE, 0);
    setText(dialog.end[2], "");
    dialog.range.enableControls(FALSE, 0);
    EXPECT_EQ(2107u, dialog.range.savedEndYear());
    EXPECT_EQ("", textOf(dialog.end[2]));
}

TEST(TvmDateRange, EnablesAndDisablesEverySixteenControls)
{
    DateRangeDialog dialog;
    CWnd *const controls[] = {
        &dialog.begin[0], &dialog.begin[1], &dialog.begin[2], &dialog.end[0], &dialog.end[1],
        &dialog.end[2], &dialog.labels[0], &dialog.labels[1], &dialog.labels[2],
        &dialog.labels[3], &dialog.beginSpin, &dialog.endSpin, &dialog.beginSeparators[0],
        &dialog.beginSeparators[1], &dialog.endSeparators[0], &dialog.endSeparators[1]};
    dialog.range.enableControls(FALSE, 1);
    for (CWnd *control : controls)
        EXPECT_FALSE(IsWindowEnabled(control->m_hWnd)) << GetDlgCtrlID(control->m_hWnd);
    EXPECT_TRUE(IsWindowEnabled(dialog.elsewhere.m_hWnd));
    dialog.range.enableControls(TRUE, 0);
    for (CWnd *control : controls)
        EXPECT_TRUE(IsWindowEnabled(control->m_hWnd)) << GetDlgCtrlID(control->m_hWnd);
}

TEST(TvmDateRange, GetValueReadsTheDecimalValue)
{
    const struct {
        const char *text;
        unsigned int value;
    } rows[] = {{"", 0}, {"0", 0}, {"2107", 2107}, {"00031", 31}, {"12345678901", 2147483647}};
    DateRangeDialog dialog;
    dialog.onCommand = nullptr;  // the text as set, letters included
    for (const auto &row : rows) {
        SCOPED_TRACE(row.text);
        setText(dialog.beginDay(), row.text);
        EXPECT_EQ(row.value, dialog.range.getValue(&dialog.beginDay()));
    }
    setText(dialog.beginDay(), "abc");
    EXPECT_EQ(0u, dialog.range.getValue(&dialog.beginDay()));
}

TEST(TvmDateRange, ACopyDrivesTheSameControls)
{
    DateRangeDialog dialog;
    TvmDateRange copy;
    copy = dialog.range;
    setText(dialog.beginMonth(), "13");
    copy.beginMonthNotify(EN_KILLFOCUS);
    EXPECT_EQ("12", textOf(dialog.beginMonth()));
}

TEST(TvmDateRange, OtherNotificationCodesAreIgnored)
{
    DateRangeDialog dialog;
    dialog.onCommand = nullptr;
    setText(dialog.beginMonth(), "1x3");
    for (unsigned int code : {EN_CHANGE, EN_SETFOCUS, EN_MAXTEXT, 0}) {
        dialog.range.beginMonthNotify(code);
        dialog.range.beginDayNotify(code);
        dialog.range.beginYearNotify(code);
    }
    EXPECT_EQ("1x3", textOf(dialog.beginMonth()));
}
