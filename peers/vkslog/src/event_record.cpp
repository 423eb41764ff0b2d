#include "event_record.h"

#include <cstring>

#include "vkslog.h"

namespace vkslog {

std::string recordBytes(const LogEntry &entry, DWORD recordNumber)
{
    std::string texts = entry.source + '\0';
    VKSEVENTLOGRECORD record{};
    record.SourceNameOffset = sizeof record;
    record.MessageOffset = static_cast<DWORD>(sizeof record + texts.size());
    texts += entry.message + '\0';
    record.StringOffset = static_cast<DWORD>(sizeof record + texts.size());
    for (const std::string &text : entry.strings)
        texts += text + '\0';
    record.DataOffset = static_cast<DWORD>(sizeof record + texts.size());
    record.DataLength = static_cast<DWORD>(entry.data.size());
    texts += entry.data;
    while ((sizeof record + texts.size()) % 4)
        texts += '\0';
    record.Length = static_cast<DWORD>(sizeof record + texts.size() + sizeof(DWORD));
    record.Reserved = VKS_EVENTLOG_SIGNATURE;
    record.RecordNumber = recordNumber;
    record.TimeGenerated = secondsSince1970(entry.time);
    record.EventID = entry.eventId;
    record.EventType = entry.type;
    record.NumStrings = static_cast<WORD>(entry.strings.size());
    record.EventCategory = entry.category;

    std::string bytes(reinterpret_cast<const char *>(&record), sizeof record);
    bytes += texts;
    bytes.append(reinterpret_cast<const char *>(&record.Length), sizeof record.Length);
    return bytes;
}

}  // namespace vkslog
