#include "value_text.h"

#include <cctype>
#include <cerrno>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <vksutil/vksutil.h>

#include "error_text.h"
#include "moment_text.h"
#include "profile_names.h"

namespace tool {

namespace {

struct TypeName {
    const char *name;
    ValueType type;
};

const TypeName kTypeNames[] = {
    {"text", ValueType::kText}, {"int", ValueType::kInt},     {"uint", ValueType::kUInt},
    {"long", ValueType::kLong}, {"int64", ValueType::kInt64}, {"bool", ValueType::kBool},
    {"date", ValueType::kDate}, {"encrypt", ValueType::kEncrypt},
};

// The longest texts the product reads back whole.
constexpr size_t kMaxText = 32766;
constexpr size_t kMaxEncrypted = 255;

bool parseInteger(const std::string &text, long long min, long long max, long long &value)
{
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    errno = 0;
    char *end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value >= min && value <= max;
}

bool parseUnsigned(const std::string &text, unsigned long long max, unsigned long long &value)
{
    if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0])))
        return false;
    errno = 0;
    char *end = nullptr;
    value = std::strtoull(text.c_str(), &end, 10);
    return errno == 0 && *end == '\0' && value <= max;
}

bool equalsNoCase(const std::string &a, const char *b)
{
    return strcasecmp(a.c_str(), b) == 0;
}

bool parseBool(const std::string &text, int &value)
{
    for (const char *yes : {"yes", "y", "true", "on", "1"})
        if (equalsNoCase(text, yes))
            return value = 1, true;
    for (const char *no : {"no", "n", "false", "off", "0"})
        if (equalsNoCase(text, no))
            return value = 0, true;
    return false;
}

bool parseDate(const std::string &text, TutDate &date)
{
    MomentFields fields;
    if (!parseMomentText(text, fields))
        return false;
    date = TutDate(fields.year, fields.month, fields.day, fields.hour, fields.minute,
                   fields.second, 0);
    return !date.isEqual(TutDate::Min());
}

std::string showDate(const TutDate &date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u", date.GetYear(),
                  date.GetMonth(), date.GetDay(), date.GetHour(), date.GetMinute(),
                  date.GetSecond());
    return text;
}

// A value typed at the command line, checked and in its native form.
struct Value {
    long long integer = 0;
    unsigned long long unsignedInteger = 0;
    int boolean = 0;
    TutDate date;
    std::string text;
};

bool parseValue(ValueType type, const std::string &text, Value &value, std::string &error)
{
    bool ok = true;
    switch (type) {
    case ValueType::kText:
        ok = text.size() <= kMaxText;
        error = "a text holds at most 32766 characters";
        break;
    case ValueType::kEncrypt:
        ok = text.size() <= kMaxEncrypted;
        error = "a scrambled text holds at most 255 characters";
        break;
    case ValueType::kInt:
    case ValueType::kLong:
        ok = parseInteger(text, INT32_MIN, INT32_MAX, value.integer);
        error = "'" + text + "' is not a 32-bit signed integer";
        break;
    case ValueType::kUInt:
        ok = parseUnsigned(text, UINT32_MAX, value.unsignedInteger);
        error = "'" + text + "' is not a 32-bit unsigned integer";
        break;
    case ValueType::kInt64:
        ok = parseInteger(text, INT64_MIN, INT64_MAX, value.integer);
        error = "'" + text + "' is not a 64-bit signed integer";
        break;
    case ValueType::kBool:
        ok = parseBool(text, value.boolean);
        error = "'" + text + "' is not yes or no";
        break;
    case ValueType::kDate:
        ok = parseDate(text, value.date);
        error = "'" + text + "' is not a date YYYY-MM-DDTHH:MM:SS from 1601 on";
        break;
    }
    value.text = text;
    if (ok)
        error.clear();
    return ok;
}

}  // namespace

bool parseValueType(const std::string &name, ValueType &type)
{
    for (const TypeName &entry : kTypeNames)
        if (name == entry.name)
            return type = entry.type, true;
    return false;
}

bool checkValueText(ValueType type, const std::string &text, std::string &error)
{
    Value ignored;
    return parseValue(type, text, ignored, error);
}

bool readValue(const TutProfileKey &key, ValueType type, std::string &shown, std::string &)
{
    switch (type) {
    case ValueType::kText: {
        CString text;
        key.read(text, "");
        shown = static_cast<const char *>(text);
        break;
    }
    case ValueType::kEncrypt: {
        CString text;
        key.readEncrypt(text, "");
        shown = static_cast<const char *>(text);
        break;
    }
    case ValueType::kInt: {
        int value = 0;
        key.read(value, 0);
        shown = std::to_string(value);
        break;
    }
    case ValueType::kUInt: {
        unsigned int value = 0;
        key.read(value, 0u);
        shown = std::to_string(value);
        break;
    }
    case ValueType::kLong: {
        long value = 0;
        key.read(value, 0L);
        shown = std::to_string(value);
        break;
    }
    case ValueType::kInt64: {
        __int64 value = 0;
        key.read(value, static_cast<__int64>(0));
        shown = std::to_string(value);
        break;
    }
    case ValueType::kBool: {
        int value = 0;
        key.readBool(value, 0);
        shown = value ? "yes" : "no";
        break;
    }
    case ValueType::kDate: {
        TutDate value;
        key.readDate(value, TutDate::Min());
        shown = value.isEqual(TutDate::Min()) ? std::string() : showDate(value);
        break;
    }
    }
    return true;
}

WriteResult writeValue(const TutProfileKey &key, ValueType type, const std::string &text,
                       std::string &error)
{
    Value value;
    if (!parseValue(type, text, value, error))
        return WriteResult::kBadValue;
    if (type == ValueType::kText && !checkTextValue(value.text, error))
        return WriteResult::kBadValue;
    std::string expected;
    SetLastError(ERROR_SUCCESS);
    switch (type) {
    case ValueType::kText:
        key.write(value.text.c_str());
        expected = readBackForm(value.text);
        break;
    case ValueType::kEncrypt:
        key.writeEncrypt(value.text.c_str());
        expected = value.text;
        break;
    case ValueType::kInt:
        key.write(static_cast<int>(value.integer));
        expected = std::to_string(value.integer);
        break;
    case ValueType::kUInt:
        key.write(static_cast<unsigned int>(value.unsignedInteger));
        expected = std::to_string(value.unsignedInteger);
        break;
    case ValueType::kLong:
        key.write(static_cast<long>(value.integer));
        expected = std::to_string(value.integer);
        break;
    case ValueType::kInt64:
        key.write(static_cast<__int64>(value.integer));
        expected = std::to_string(value.integer);
        break;
    case ValueType::kBool:
        key.writeBool(value.boolean);
        expected = value.boolean ? "yes" : "no";
        break;
    case ValueType::kDate:
        key.writeDate(value.date);
        expected = showDate(value.date);
        break;
    }
    // The library's writes report nothing; the platform's error is still there to tell why.
    const DWORD writeError = GetLastError();
    std::string stored;
    readValue(key, type, stored, error);
    if (key.exists() && stored == expected)
        return WriteResult::kWritten;
    error = writeError == ERROR_SUCCESS ? std::string() : errorText(writeError);
    return WriteResult::kNotWritten;
}

}  // namespace tool
