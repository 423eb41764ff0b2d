// Compiling scripts held in memory, and writing expected bytes field by field.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "compiler.h"
#include "file_access.h"

namespace rctest {

// The script as "main.rc" beside the other files given (name → bytes).
inline std::vector<vksrc::Resource> compile(const std::string &script,
                                            std::map<std::string, std::string> files = {},
                                            vksrc::CompileOptions options = {})
{
    files["main.rc"] = script;
    vksrc::MemoryFiles memory(std::move(files));
    return vksrc::compileScript("main.rc", options, memory).resources;
}

// The one resource of `type` the script makes.
inline std::vector<std::uint8_t> only(const std::vector<vksrc::Resource> &resources,
                                      std::uint16_t type)
{
    std::vector<std::uint8_t> found;
    int count = 0;
    for (const vksrc::Resource &resource : resources) {
        if (resource.type.isNumber && resource.type.number == type) {
            found = resource.data;
            ++count;
        }
    }
    EXPECT_EQ(1, count) << "resources of type " << type;
    return found;
}

// "FILE:LINE: REASON" of the fault compiling the script, or "" when it compiles.
inline std::string fault(const std::string &script, std::map<std::string, std::string> files = {})
{
    try {
        compile(script, std::move(files));
    } catch (const vksrc::ScriptError &error) {
        return error.where().fileName() + ":" + std::to_string(error.line()) + ": " + error.what();
    }
    return "";
}

// Bytes written field by field in the documented order, to compare with the compiler's.
class Layout {
public:
    Layout &word(std::uint16_t v)
    {
        bytes.push_back(static_cast<std::uint8_t>(v));
        bytes.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Layout &dword(std::uint32_t v)
    {
        return word(static_cast<std::uint16_t>(v)).word(static_cast<std::uint16_t>(v >> 16));
    }
    Layout &words(std::initializer_list<std::uint16_t> values)
    {
        for (std::uint16_t v : values)
            word(v);
        return *this;
    }
    // UTF-16 text with its NUL.
    Layout &text(const std::u16string &units)
    {
        for (char16_t unit : units)
            word(unit);
        return word(0);
    }
    Layout &byte(std::uint8_t v)
    {
        bytes.push_back(v);
        return *this;
    }
    Layout &align()
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
        return *this;
    }
    std::vector<std::uint8_t> bytes;
};

}  // namespace rctest
