#include "res_file.h"

#include "byte_writer.h"

namespace vksrc {

namespace {

void writeEntry(ByteWriter &out, const Resource &resource)
{
    ByteWriter header;
    header.id(resource.type);
    header.id(resource.name);
    header.alignTo4();
    header.dword(0);  // DataVersion
    header.word(resource.memoryFlags);
    header.word(resource.language);
    header.dword(resource.version);
    header.dword(resource.characteristics);
    out.dword(static_cast<std::uint32_t>(resource.data.size()));
    out.dword(static_cast<std::uint32_t>(header.size() + 8));
    out.bytes(header.take());
    out.bytes(resource.data);
    out.alignTo4();
}

class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool has(std::size_t count) const { return at_ <= bytes_.size() && bytes_.size() - at_ >= count; }
    std::size_t at() const { return at_; }
    void seek(std::size_t at) { at_ = at; }
    std::uint16_t word()
    {
        const auto value = static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes_[at_]) |
                                                      static_cast<std::uint8_t>(bytes_[at_ + 1]) << 8);
        at_ += 2;
        return value;
    }
    std::uint32_t dword()
    {
        const std::uint32_t low = word();
        return low | static_cast<std::uint32_t>(word()) << 16;
    }
    bool id(std::size_t end, ResourceId &out)
    {
        if (end - at_ < 2)
            return false;
        if (word() == 0xFFFF) {
            if (end - at_ < 2)
                return false;
            out = ResourceId::of(word());
            return true;
        }
        at_ -= 2;
        out = ResourceId::named({});
        for (;;) {
            if (end - at_ < 2)
                return false;
            const std::uint16_t unit = word();
            if (unit == 0)
                return true;
            out.text.push_back(static_cast<char16_t>(unit));
        }
    }

private:
    std::string_view bytes_;
    std::size_t at_ = 0;
};

}  // namespace

std::vector<std::uint8_t> resFile(const std::vector<Resource> &resources)
{
    ByteWriter out;
    Resource empty;
    empty.type = ResourceId::of(0);
    empty.name = ResourceId::of(0);
    empty.memoryFlags = 0;
    empty.language = 0;
    writeEntry(out, empty);
    for (const Resource &resource : resources)
        writeEntry(out, resource);
    return out.take();
}

std::optional<std::vector<Resource>> readResFile(std::string_view bytes)
{
    Reader in(bytes);
    std::vector<Resource> out;
    while (in.has(8)) {
        const std::size_t start = in.at();
        const std::uint32_t dataSize = in.dword();
        const std::uint32_t headerSize = in.dword();
        if (headerSize < 32 || headerSize > bytes.size() - start ||
            dataSize > bytes.size() - start - headerSize)
            return std::nullopt;
        const std::size_t headerEnd = start + headerSize;
        Resource resource;
        if (!in.id(headerEnd, resource.type) || !in.id(headerEnd, resource.name))
            return std::nullopt;
        in.seek((in.at() + 3) & ~std::size_t{3});
        if (headerEnd - in.at() < 16)
            return std::nullopt;
        in.dword();  // DataVersion
        resource.memoryFlags = in.word();
        resource.language = in.word();
        resource.version = in.dword();
        resource.characteristics = in.dword();
        const auto *data = reinterpret_cast<const std::uint8_t *>(bytes.data()) + headerEnd;
        resource.data.assign(data, data + dataSize);
        in.seek((headerEnd + dataSize + 3) & ~std::size_t{3});
        const bool marker = resource.type.isNumber && resource.type.number == 0 &&
                            resource.name.isNumber && resource.name.number == 0 && dataSize == 0;
        if (!marker)
            out.push_back(std::move(resource));
        if (in.at() > bytes.size())
            break;
    }
    return out;
}

}  // namespace vksrc
