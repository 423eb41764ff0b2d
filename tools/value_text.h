// The typed values of `vksutil profile`: their names, how they are typed and shown, and their
// road through TutProfileKey.
#pragma once

#include <string>

class TutProfileKey;

namespace tool {

enum class ValueType { kText, kInt, kUInt, kLong, kInt64, kBool, kDate, kEncrypt };

enum class WriteResult { kWritten, kBadValue, kNotWritten };

bool parseValueType(const std::string &name, ValueType &type);

// Whether `text` is a valid value of `type`; `error` says why not.
bool checkValueText(ValueType type, const std::string &text, std::string &error);

// The key's value as the product reads it, shown in the tool's form for the type.
bool readValue(const TutProfileKey &key, ValueType type, std::string &shown, std::string &error);

// Writes the value typed as `text`; the key is read back to make sure the file took it. On
// kBadValue `error` says what is wrong with the value, on kNotWritten why the write failed
// (empty when the platform did not say).
WriteResult writeValue(const TutProfileKey &key, ValueType type, const std::string &text,
                       std::string &error);

}  // namespace tool
