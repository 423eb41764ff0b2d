#include "time_entry/date_range.h"

#include <cstring>

#include "time_entry/edit_field.h"
#include "windows.h"

using vks::detail::ClientBox;
using vks::detail::FieldText;

namespace {

// The read buffers: a month has 2 characters, a year 4, everything else 11.
using MonthText = FieldText<2>;
using YearText = FieldText<4>;
using OtherText = FieldText<11>;

constexpr unsigned int kUp = 0;
constexpr unsigned int kDown = 1;
constexpr int kGap = 2;

constexpr unsigned int kCenturyBase = TvmDateRange::kMinimumYear / 100 * 100;  // 1900
constexpr unsigned int kPivot = TvmDateRange::kMinimumYear % 100;              // 80

void copySeparator(char (&member)[2], TutString const &separator)
{
    member[0] = separator.length() > 0 ? separator.at(0) : '\0';
    member[1] = '\0';
}

}  // namespace

TvmDateRange::TvmDateRange()
    : m_monthPosition(TutWinString::getMonthPosition()),
      m_dayPosition(TutWinString::getDayPosition()),
      m_yearPosition(TutWinString::getYearPosition())
{
    copySeparator(m_firstSeparator, TutWinString::getFirstDateSeparator());
    copySeparator(m_secondSeparator, TutWinString::getSecondDateSeparator());
}

void TvmDateRange::initializeControlPointers(
    CEdit *beginMonth, CEdit *beginDay, CEdit *beginYear, CEdit *endMonth, CEdit *endDay,
    CEdit *endYear, CStatic *beginFirstSeparator, CStatic *beginSecondSeparator,
    CStatic *endFirstSeparator, CStatic *endSecondSeparator, CStatic *label1, CStatic *label2,
    CStatic *label3, CStatic *label4, CSpinButtonCtrl *beginSpin, CSpinButtonCtrl *endSpin)
{
    m_beginMonth = beginMonth;
    m_beginDay = beginDay;
    m_beginYear = beginYear;
    m_endMonth = endMonth;
    m_endDay = endDay;
    m_endYear = endYear;
    m_beginFirstSeparator = beginFirstSeparator;
    m_beginSecondSeparator = beginSecondSeparator;
    m_endFirstSeparator = endFirstSeparator;
    m_endSecondSeparator = endSecondSeparator;
    m_labels[0] = label1;
    m_labels[1] = label2;
    m_labels[2] = label3;
    m_labels[3] = label4;
    m_beginSpin = beginSpin;
    m_endSpin = endSpin;
}

CEdit *TvmDateRange::getEditControlSize(CEdit *month, CEdit *day, CEdit *year,
                                        TutWinString::DATE_POSITION position, CSize &size)
{
    CEdit *field = nullptr;
    if (m_monthPosition == position)
        field = month;
    else if (m_dayPosition == position)
        field = day;
    else if (m_yearPosition == position)
        field = year;
    if (!field)
        return month;
    const ClientBox box = vks::detail::clientBoxOf(field);
    size.cx = box.width;
    size.cy = box.height;
    return field;
}

void TvmDateRange::setMDYOrder(CEdit *month, CStatic *firstSeparator, CEdit *day,
                               CStatic *secondSeparator, CEdit *year)
{
    CSize size1(0, 0), size2(0, 0), size3(0, 0);
    CEdit *field1 = getEditControlSize(month, day, year, TutWinString::FIRST, size1);
    CEdit *field2 = getEditControlSize(month, day, year, TutWinString::SECOND, size2);
    CEdit *field3 = getEditControlSize(month, day, year, TutWinString::THIRD, size3);
    const ClientBox separator1 = vks::detail::clientBoxOf(firstSeparator);
    const ClientBox separator2 = vks::detail::clientBoxOf(secondSeparator);
    const ClientBox start = vks::detail::clientBoxOf(month);

    const int top = start.y;
    const int x1 = start.x;
    const int separator1X = x1 + size1.cx + kGap;
    const int x2 = separator1X + separator1.width + kGap;
    const int separator2X = x2 + size2.cx + kGap;
    const int x3 = separator2X + separator2.width + kGap;

    // Month-day-year is the template's own order: nothing moves. Otherwise each field from the
    // first one out of place on goes to its place, after the field before it in the Z-order.
    const bool monthFirst = m_monthPosition == TutWinString::FIRST;
    const bool daySecond = m_dayPosition == TutWinString::SECOND;
    if (!monthFirst) {
        vks::detail::moveTo(field1, x1, top);
        vks::detail::moveTo(firstSeparator, separator1X,
                            vks::detail::centredTop({x1, top, size1.cx, size1.cy},
                                                    separator1.height));
    }
    if (!monthFirst || !daySecond) {
        vks::detail::placeAfter(field2, field1, x2, top);
        vks::detail::moveTo(secondSeparator, separator2X,
                            vks::detail::centredTop({x2, top, size2.cx, size2.cy},
                                                    separator2.height));
        vks::detail::placeAfter(field3, field2, x3, top);
    }
}

void TvmDateRange::initializeSeparators()
{
    vks::detail::writeText(m_beginFirstSeparator, m_firstSeparator);
    vks::detail::writeText(m_endFirstSeparator, m_firstSeparator);
    vks::detail::writeText(m_beginSecondSeparator, m_secondSeparator);
    vks::detail::writeText(m_endSecondSeparator, m_secondSeparator);
}

void TvmDateRange::initializeDates(TutTimestamp begin, TutTimestamp end)
{
    if (end == TutDate::m_dateDosMin)
        end = TutTimestamp(TutDate::m_dateDosMax);
    fillDate(m_beginMonth, m_beginDay, m_beginYear, begin);
    fillDate(m_endMonth, m_endDay, m_endYear, end);
    normalizeDate(m_beginMonth, m_beginDay, m_beginYear);
    normalizeDate(m_endMonth, m_endDay, m_endYear);
}

void TvmDateRange::fillDate(CEdit *month, CEdit *day, CEdit *year, TutTimestamp const &date)
{
    vks::detail::writeNumber(month, static_cast<unsigned int>(date.month()));
    vks::detail::writeNumber(day, static_cast<unsigned int>(date.day()));
    vks::detail::writeNumber(year, static_cast<unsigned int>(date.year()), 4);
}

void TvmDateRange::beginMonthNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS) {
        normalizeMonths(m_beginMonth);
        normalizeDays(m_beginMonth, m_beginDay, m_beginYear);
    } else if (code == EN_UPDATE) {
        checkForNonDigits(m_beginMonth);
    }
}

void TvmDateRange::beginDayNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeDays(m_beginMonth, m_beginDay, m_beginYear);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_beginDay);
}

void TvmDateRange::beginYearNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS) {
        normalizeYears(m_beginYear);
        normalizeDays(m_beginMonth, m_beginDay, m_beginYear);
    } else if (code == EN_UPDATE) {
        checkForNonDigits(m_beginYear);
    }
}

void TvmDateRange::endMonthNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS) {
        normalizeMonths(m_endMonth);
        normalizeDays(m_endMonth, m_endDay, m_endYear);
    } else if (code == EN_UPDATE) {
        checkForNonDigits(m_endMonth);
    }
}

void TvmDateRange::endDayNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeDays(m_endMonth, m_endDay, m_endYear);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_endDay);
}

void TvmDateRange::endYearNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS) {
        normalizeYears(m_endYear);
        normalizeDays(m_endMonth, m_endDay, m_endYear);
    } else if (code == EN_UPDATE) {
        checkForNonDigits(m_endYear);
    }
}

void TvmDateRange::beginDateSpin(unsigned int direction)
{
    spinDate(m_beginMonth, m_beginDay, m_beginYear, direction);
}

void TvmDateRange::endDateSpin(unsigned int direction)
{
    spinDate(m_endMonth, m_endDay, m_endYear, direction);
}

void TvmDateRange::spinDate(CEdit *month, CEdit *day, CEdit *year, unsigned int direction)
{
    if (vks::detail::hasFocus(month))
        spinMonths(month, direction);
    else if (vks::detail::hasFocus(day))
        spinDays(month, day, year, direction);
    else if (vks::detail::hasFocus(year))
        spinYears(year, direction);
}

void TvmDateRange::enableControls(int enable, int keepAsIs)
{
    if (!enable) {
        if (m_beginMonth && m_beginMonth->IsWindowEnabled() && !keepAsIs) {
            normalizeDate(m_beginMonth, m_beginDay, m_beginYear);
            normalizeDate(m_endMonth, m_endDay, m_endYear);
        }
        m_savedBeginMonth = getValueOrSetDefault(m_beginMonth, 1);
        m_savedBeginDay = getValueOrSetDefault(m_beginDay, 1);
        m_savedBeginYear = getValueOrSetDefault(m_beginYear, kMinimumYear);
        m_savedEndMonth = getValueOrSetDefault(m_endMonth, 12);
        m_savedEndDay = getValueOrSetDefault(m_endDay, 31);
        m_savedEndYear = getValueOrSetDefault(m_endYear, kMaximumYear);
    }
    CWnd *const controls[] = {
        m_beginMonth, m_beginDay, m_beginYear, m_endMonth, m_endDay, m_endYear,
        m_labels[0], m_labels[1], m_labels[2], m_labels[3], m_beginSpin, m_endSpin,
        m_beginFirstSeparator, m_beginSecondSeparator, m_endFirstSeparator,
        m_endSecondSeparator,
    };
    for (CWnd *control : controls)
        vks::detail::enable(control, enable);
}

unsigned int TvmDateRange::getValue(CEdit *field)
{
    return vks::detail::decimalValue(OtherText(field).text);
}

int TvmDateRange::findNonDigits(char *text)
{
    return vks::detail::removeNonDigits(text) ? 1 : 0;
}

// A text longer than the read buffer is written back cut as well, so that the field never keeps
// more than what was checked.
void TvmDateRange::checkForNonDigits(CEdit *field)
{
    OtherText read(field);
    if (findNonDigits(read.text) || read.cut)
        vks::detail::writeText(field, read.text);
}

void TvmDateRange::normalizeDate(CEdit *month, CEdit *day, CEdit *year)
{
    normalizeMonths(month);
    normalizeYears(year);
    normalizeDays(month, day, year);
}

// A read that was cut writes the field back too: left as it was, the field would show a
// number other than the one checked, and getValue would read that one.
void TvmDateRange::normalizeMonths(CEdit *month)
{
    const MonthText read(month);
    const unsigned int value = vks::detail::decimalValue(read.text);
    if (value == 0)
        vks::detail::writeNumber(month, 1);
    else if (value > 12)
        vks::detail::writeNumber(month, 12);
    else if (read.cut)
        vks::detail::writeNumber(month, value);
}

int TvmDateRange::years2To4DigitFormat(unsigned int &year)
{
    if (year < kPivot) {
        year = kCenturyBase + 100 + year;
        return 1;
    }
    if (year <= 99) {
        year = kCenturyBase + year;
        return 1;
    }
    return 0;
}

void TvmDateRange::normalizeYears(CEdit *year)
{
    const YearText read(year);
    unsigned int value = vks::detail::decimalValue(read.text);
    bool rewrite = years2To4DigitFormat(value) != 0 || read.cut;
    if (value < kMinimumYear) {
        value = kMinimumYear;
        rewrite = true;
    } else if (value > kMaximumYear) {
        value = kMaximumYear;
        rewrite = true;
    }
    if (rewrite)
        vks::detail::writeNumber(year, value, 4);
}

unsigned int TvmDateRange::highestLegalDay(unsigned int month, unsigned int year)
{
    switch (month) {
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        // Exact for 1980 to 2107, the only century year of which is not a leap year.
        return year % 4 == 0 && year != 2100 ? 29 : 28;
    default:
        // Months outside 1 to 12 as well: a day field being stepped with such a month keeps
        // the widest range until the month is corrected.
        return 31;
    }
}

void TvmDateRange::normalizeDays(CEdit *month, CEdit *day, CEdit *year)
{
    const OtherText read(day);
    const unsigned int value = vks::detail::decimalValue(read.text);
    const unsigned int highest = highestLegalDay(vks::detail::decimalValue(MonthText(month).text),
                                                 vks::detail::decimalValue(YearText(year).text));
    if (value == 0)
        vks::detail::writeNumber(day, 1);
    else if (value > highest)
        vks::detail::writeNumber(day, highest);
    else if (read.cut)
        vks::detail::writeNumber(day, value);
}

void TvmDateRange::spinMonths(CEdit *month, unsigned int direction)
{
    unsigned int value = vks::detail::decimalValue(MonthText(month).text);
    if (direction == kUp)
        value = value >= 1 && value <= 11 ? value + 1 : 1;
    else if (direction == kDown)
        value = value >= 2 && value <= 12 ? value - 1 : 12;
    vks::detail::writeNumber(month, value);
}

void TvmDateRange::spinDays(CEdit *month, CEdit *day, CEdit *year, unsigned int direction)
{
    unsigned int value = vks::detail::decimalValue(OtherText(day).text);
    const unsigned int highest = highestLegalDay(vks::detail::decimalValue(MonthText(month).text),
                                                 vks::detail::decimalValue(YearText(year).text));
    if (direction == kUp)
        value = value >= 1 && value < highest ? value + 1 : 1;
    else if (direction == kDown)
        value = value >= 2 && value <= highest ? value - 1 : highest;
    vks::detail::writeNumber(day, value);
}

// Two-digit years step within 00 to 99 and keep two digits; the field widens them when it loses
// the focus.
void TvmDateRange::spinYears(CEdit *year, unsigned int direction)
{
    unsigned int value = vks::detail::decimalValue(YearText(year).text);
    const bool twoDigits = value <= 99;
    if (direction == kUp) {
        if (twoDigits)
            value = value == 99 ? 0 : value + 1;
        else
            value = value >= kMinimumYear && value < kMaximumYear ? value + 1 : kMinimumYear;
    } else if (direction == kDown) {
        if (twoDigits)
            value = value == 0 ? 99 : value - 1;
        else
            value = value > kMinimumYear && value <= kMaximumYear ? value - 1 : kMaximumYear;
    }
    vks::detail::writeNumber(year, value, 2);
}

unsigned int TvmDateRange::getValueOrSetDefault(CEdit *field, unsigned int fallback)
{
    const OtherText read(field);
    return read.empty() ? fallback : vks::detail::decimalValue(read.text);
}
