#include "time_entry/time_range.h"

#include <cstdio>
#include <cstring>

#include "format/fixed_text.h"
#include "format/win_string.h"
#include "time_entry/edit_field.h"
#include "windows.h"

using vks::detail::ClientBox;
using vks::detail::FieldText;

namespace {

// The read buffers: hours and minutes have 2 characters, a suffix 4, everything else 6.
using HoursText = FieldText<2>;
using MinutesText = FieldText<2>;
using SuffixText = FieldText<4>;
using OtherText = FieldText<6>;

constexpr unsigned int kUp = 0;
constexpr unsigned int kDown = 1;
constexpr int kGap = 2;

// Cut to the room of the member, never inside a double-byte character.
template <std::size_t N>
void copyText(char (&member)[N], char const *text)
{
    member[0] = '\0';
    vks::detail::appendText(member, N, text);
}

// What a suffix field stands for: a designator, at most 4 bytes.
void setSuffixText(char *suffixText, char const *text)
{
    constexpr std::size_t kDesignatorSize = 5;
    suffixText[0] = '\0';
    vks::detail::appendText(suffixText, kDesignatorSize, text);
}

char lowered(char ch)
{
    const auto single = reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(static_cast<BYTE>(ch)));
    return static_cast<char>(reinterpret_cast<ULONG_PTR>(CharLowerA(single)) & 0xFF);
}

}  // namespace

TvmTimeRange::TvmTimeRange() : m_time24HourMode(TutWinString::getTime24HourMode())
{
    copyText(m_timeSeparator, TutWinString::getTimeSeparatorChar());
    copyText(m_designatorAM, TutWinString::getTimeSuffixAM());
    copyText(m_designatorPM, TutWinString::getTimeSuffixPM());
}

void TvmTimeRange::initializeControlPointers(CEdit *beginHours, CEdit *beginMinutes,
                                             CEdit *beginSuffix, CEdit *endHours,
                                             CEdit *endMinutes, CEdit *endSuffix,
                                             CStatic *beginSeparator, CStatic *endSeparator,
                                             CStatic *label1, CStatic *label2,
                                             CSpinButtonCtrl *beginSpin, CSpinButtonCtrl *endSpin)
{
    m_beginHours = beginHours;
    m_beginMinutes = beginMinutes;
    m_beginSuffix = beginSuffix;
    m_endHours = endHours;
    m_endMinutes = endMinutes;
    m_endSuffix = endSuffix;
    m_beginSeparator = beginSeparator;
    m_endSeparator = endSeparator;
    m_labels[0] = label1;
    m_labels[1] = label2;
    m_beginSpin = beginSpin;
    m_endSpin = endSpin;
}

void TvmTimeRange::setTimeOrder(CEdit *hours, CStatic *separator, CEdit *minutes, CEdit *suffix)
{
    if (m_time24HourMode || !TutWinString::getTimePrefix())
        return;
    const ClientBox start = vks::detail::clientBoxOf(hours);
    const ClientBox suffixBox = vks::detail::clientBoxOf(suffix);
    const ClientBox separatorBox = vks::detail::clientBoxOf(separator);

    const int hoursX = start.x + suffixBox.width + separatorBox.width + kGap;
    const int separatorX = hoursX + start.width + kGap;
    const int separatorY = start.y + start.height / 2 - separatorBox.height / 2 - 1;
    const int minutesX = separatorX + separatorBox.width + kGap;

    vks::detail::moveTo(suffix, start.x, start.y);
    vks::detail::placeAfter(hours, suffix, hoursX, start.y);
    vks::detail::moveTo(separator, separatorX, separatorY);
    vks::detail::placeAfter(minutes, hours, minutesX, start.y);
}

void TvmTimeRange::initializeSeparators()
{
    vks::detail::writeText(m_beginSeparator, m_timeSeparator);
    vks::detail::writeText(m_endSeparator, m_timeSeparator);
}

void TvmTimeRange::initializeTimes(TutTimestamp begin, TutTimestamp end)
{
    if (end == TutDate::m_dateDosMin)
        end = TutTimestamp(TutDate::m_dateDosMax);
    const struct {
        CEdit *hours, *minutes, *suffix;
        char *suffixText;
        TutTimestamp const &time;
    } rows[] = {
        {m_beginHours, m_beginMinutes, m_beginSuffix, m_beginSuffixText, begin},
        {m_endHours, m_endMinutes, m_endSuffix, m_endSuffixText, end},
    };
    for (const auto &row : rows) {
        initHoursSuffixEditFields(row.hours, row.suffix, row.suffixText, row.time);
        char minutes[16];
        std::snprintf(minutes, sizeof minutes, "%u", static_cast<unsigned int>(row.time.minutes()));
        minutesLeadingZero(minutes);
        vks::detail::writeText(row.minutes, minutes);
        normalizeHours(row.hours);
        normalizeMinutes(row.minutes);
    }
}

void TvmTimeRange::initHoursSuffixEditFields(CEdit *hours, CEdit *suffix, char *suffixText,
                                             TutTimestamp time)
{
    unsigned int hour = static_cast<unsigned int>(time.hour());
    char const *designator = m_designatorPM;
    if (!m_time24HourMode) {
        if (hour < 12)
            designator = m_designatorAM;
        if (hour == 0)
            hour = 12;
        else if (hour > 12)
            hour -= 12;
    }
    vks::detail::writeNumber(hours, hour);
    setSuffix(suffix, suffixText, designator);
}

void TvmTimeRange::minutesLeadingZero(char *text)
{
    const unsigned int value = vks::detail::decimalValue(text);
    if (value <= 9)
        std::snprintf(text, 3, "%02u", value);
}

void TvmTimeRange::beginHourNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeHours(m_beginHours);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_beginHours);
}

void TvmTimeRange::endHourNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeHours(m_endHours);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_endHours);
}

void TvmTimeRange::beginMinutesNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeMinutes(m_beginMinutes);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_beginMinutes);
}

void TvmTimeRange::endMinutesNotify(unsigned int code)
{
    if (code == EN_KILLFOCUS)
        normalizeMinutes(m_endMinutes);
    else if (code == EN_UPDATE)
        checkForNonDigits(m_endMinutes);
}

void TvmTimeRange::beginSuffixNotify(unsigned int code)
{
    if (code == EN_UPDATE && m_beginSuffix && m_beginSuffix->IsWindowEnabled())
        checkSuffixInput(m_beginSuffix, m_beginSuffixText);
}

void TvmTimeRange::endSuffixNotify(unsigned int code)
{
    if (code == EN_UPDATE && m_endSuffix && m_endSuffix->IsWindowEnabled())
        checkSuffixInput(m_endSuffix, m_endSuffixText);
}

void TvmTimeRange::beginTimeSpin(unsigned int direction)
{
    spinTime(m_beginHours, m_beginMinutes, m_beginSuffix, m_beginSuffixText, direction);
}

void TvmTimeRange::endTimeSpin(unsigned int direction)
{
    spinTime(m_endHours, m_endMinutes, m_endSuffix, m_endSuffixText, direction);
}

void TvmTimeRange::spinTime(CEdit *hours, CEdit *minutes, CEdit *suffix, char *suffixText,
                            unsigned int direction)
{
    if (vks::detail::hasFocus(hours))
        spinHours(hours, direction);
    else if (vks::detail::hasFocus(minutes))
        spinMinutes(minutes, direction);
    else if (vks::detail::hasFocus(suffix))
        flipSuffix(suffix, suffixText);
}

void TvmTimeRange::enableControls(int enable, int keepAsIs)
{
    if (!enable) {
        if (m_beginHours && m_beginHours->IsWindowEnabled() && !keepAsIs) {
            normalizeHours(m_beginHours);
            normalizeHours(m_endHours);
            normalizeMinutes(m_beginMinutes);
            normalizeMinutes(m_endMinutes);
        }
        const bool clock24 = m_time24HourMode != 0;
        m_savedBeginHour = getValueOrSetDefault(m_beginHours, clock24 ? 0 : 12);
        m_savedBeginMinutes = getValueOrSetDefault(m_beginMinutes, 0);
        getValueOrSetDefault(m_beginSuffix, m_beginSuffixText,
                             clock24 ? m_designatorPM : m_designatorAM);
        m_savedEndHour = getValueOrSetDefault(m_endHours, clock24 ? 23 : 11);
        m_savedEndMinutes = getValueOrSetDefault(m_endMinutes, 59);
        getValueOrSetDefault(m_endSuffix, m_endSuffixText, m_designatorPM);
    }
    CWnd *const controls[] = {
        m_beginHours, m_beginMinutes, m_endHours, m_endMinutes, m_beginSuffix, m_endSuffix,
        m_labels[0], m_labels[1], m_beginSpin, m_endSpin, m_beginSeparator, m_endSeparator,
    };
    for (CWnd *control : controls)
        vks::detail::enable(control, enable);
}

unsigned int TvmTimeRange::getHours(CEdit *hours, CEdit *suffix)
{
    const unsigned int value = getValue(hours);
    if (m_time24HourMode)
        return value;
    if (std::strcmp(SuffixText(suffix).text, m_designatorAM) == 0)
        return value == 12 ? 0 : value;
    return value < 12 ? value + 12 : value;
}

unsigned int TvmTimeRange::getValue(CEdit *field)
{
    return vks::detail::decimalValue(OtherText(field).text);
}

int TvmTimeRange::findNonDigits(char *text)
{
    return vks::detail::removeNonDigits(text) ? 1 : 0;
}

// A text longer than the read buffer is written back cut as well, so that the field never keeps
// more than what was checked.
void TvmTimeRange::checkForNonDigits(CEdit *field)
{
    OtherText read(field);
    if (findNonDigits(read.text) || read.cut)
        vks::detail::writeText(field, read.text);
}

// On the 24-hour clock the suffix always stands for the afternoon designator, as the spin and
// the defaults have it, so typing there is only undone.
void TvmTimeRange::checkSuffixInput(CEdit *suffix, char *suffixText)
{
    const SuffixText typed(suffix);
    if (std::strcmp(typed.text, suffixText) == 0)
        return;
    if (!m_time24HourMode) {
        char const *other =
            std::strcmp(suffixText, m_designatorAM) == 0 ? m_designatorPM : m_designatorAM;
        if (lowered(typed.text[0]) == lowered(other[0]))
            setSuffixText(suffixText, other);
    }
    vks::detail::writeText(suffix, suffixText);
}

// A read that was cut writes the field back too: left as it was, the field would show a
// number other than the one checked, and getHours would read that one.
void TvmTimeRange::normalizeHours(CEdit *hours)
{
    const HoursText read(hours);
    const unsigned int value = vks::detail::decimalValue(read.text);
    const unsigned int highest = m_time24HourMode ? 23 : 12;
    if (value == 0)
        vks::detail::writeNumber(hours, m_time24HourMode ? 0 : 1);
    else if (value > highest)
        vks::detail::writeNumber(hours, highest);
    else if (read.cut)
        vks::detail::writeNumber(hours, value);
}

void TvmTimeRange::normalizeMinutes(CEdit *minutes)
{
    const MinutesText read(minutes);
    const unsigned int value = vks::detail::decimalValue(read.text);
    if (value > 59)
        vks::detail::writeNumber(minutes, 59, 2);
    else if (value <= 9 || read.cut)
        vks::detail::writeNumber(minutes, value, 2);
}

void TvmTimeRange::spinHours(CEdit *hours, unsigned int direction)
{
    unsigned int value = vks::detail::decimalValue(HoursText(hours).text);
    if (direction != kUp && direction != kDown)
        return;
    if (m_time24HourMode) {
        if (direction == kUp)
            value = value <= 22 ? value + 1 : 0;
        else
            value = value >= 1 && value <= 23 ? value - 1 : 23;
    } else {
        if (direction == kUp)
            value = value >= 1 && value <= 11 ? value + 1 : 1;
        else
            value = value >= 2 && value <= 12 ? value - 1 : 12;
    }
    vks::detail::writeNumber(hours, value);
}

void TvmTimeRange::spinMinutes(CEdit *minutes, unsigned int direction)
{
    unsigned int value = vks::detail::decimalValue(MinutesText(minutes).text);
    if (direction == kUp)
        value = value <= 58 ? value + 1 : 0;
    else if (direction == kDown)
        value = value >= 1 && value <= 59 ? value - 1 : 59;
    else
        return;
    vks::detail::writeNumber(minutes, value, 2);
}

void TvmTimeRange::flipSuffix(CEdit *suffix, char *suffixText)
{
    if (m_time24HourMode)
        return;
    SuffixText shown(suffix);
    CharUpperA(shown.text);
    if (std::strcmp(shown.text, m_designatorAM) == 0)
        setSuffix(suffix, suffixText, m_designatorPM);
    else if (std::strcmp(shown.text, m_designatorPM) == 0)
        setSuffix(suffix, suffixText, m_designatorAM);
}

void TvmTimeRange::setSuffix(CEdit *suffix, char *suffixText, char const *designator)
{
    setSuffixText(suffixText, designator);
    vks::detail::writeText(suffix, suffixText);
}

unsigned int TvmTimeRange::getValueOrSetDefault(CEdit *field, unsigned int fallback)
{
    const OtherText read(field);
    return read.empty() ? fallback : vks::detail::decimalValue(read.text);
}

void TvmTimeRange::getValueOrSetDefault(CEdit *suffix, char *suffixText, char const *fallback)
{
    const SuffixText read(suffix);
    setSuffixText(suffixText, read.empty() ? fallback : read.text);
}
