// Test helper: builds small ZIP archives in memory with full control over names
// (raw bytes, e.g. GBK), extra fields, attributes and declared sizes, so tests
// can make both sound and damaged archives.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace SkinUI {
namespace test {

struct ZipBuildEntry
{
    std::string name;  // stored bytes
    std::string data;
    bool deflate = false;
    std::string localExtra;
    std::string centralExtra;
    uint16_t dosTime = 0x6000;           // 12:00:00
    uint16_t dosDate = 0x5A21;           // 2025-01-01
    uint32_t externalAttr = 0x81A40000;  // regular file, rw-r--r--
    long declaredSize = -1;              // uncompressed size written in the headers (-1: true size)
};

class ZipBuilder
{
public:
    static std::string Extended(uint8_t flags, std::initializer_list<int32_t> times)
    {
        std::string block;
        for (int32_t t : times) Put32(block, static_cast<uint32_t>(t));
        std::string out;
        Put16(out, 0x5455);
        Put16(out, static_cast<uint16_t>(block.size() + 1));
        out += static_cast<char>(flags);
        return out + block;
    }

    static std::vector<unsigned char> Build(const std::vector<ZipBuildEntry>& entries, size_t* centralOffset = nullptr)
    {
        std::string out, central;
        for (const auto& e : entries) {
            std::string payload = e.deflate ? Deflate(e.data) : e.data;
            uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(e.data.data()), static_cast<uInt>(e.data.size()));
            uint32_t usize =
                e.declaredSize >= 0 ? static_cast<uint32_t>(e.declaredSize) : static_cast<uint32_t>(e.data.size());
            uint32_t offset = static_cast<uint32_t>(out.size());
            uint16_t method = e.deflate ? 8 : 0;

            Put32(out, 0x04034b50);
            Put16(out, 20);
            PutCommon(out, e, method, crc, static_cast<uint32_t>(payload.size()), usize, e.localExtra);
            out += e.name + e.localExtra + payload;

            Put32(central, 0x02014b50);
            Put16(central, 0x031E);
            Put16(central, 20);
            PutCommon(central, e, method, crc, static_cast<uint32_t>(payload.size()), usize, e.centralExtra);
            Put16(central, 0);
            Put16(central, 0);
            Put16(central, 0);
            Put32(central, e.externalAttr);
            Put32(central, offset);
            central += e.name + e.centralExtra;
        }
        uint32_t cdOffset = static_cast<uint32_t>(out.size());
        if (centralOffset) *centralOffset = cdOffset;
        out += central;
        Put32(out, 0x06054b50);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, static_cast<uint16_t>(entries.size()));
        Put16(out, static_cast<uint16_t>(entries.size()));
        Put32(out, static_cast<uint32_t>(central.size()));
        Put32(out, cdOffset);
        Put16(out, 0);
        return std::vector<unsigned char>(out.begin(), out.end());
    }

    static void Put16(std::string& s, uint16_t v)
    {
        s += static_cast<char>(v & 0xFF);
        s += static_cast<char>(v >> 8);
    }

    static void Put32(std::string& s, uint32_t v)
    {
        Put16(s, static_cast<uint16_t>(v & 0xFFFF));
        Put16(s, static_cast<uint16_t>(v >> 16));
    }

private:
    // The fields that local and central headers share, from the flags to the
    // extra field's length.
    static void PutCommon(std::string& s, const ZipBuildEntry& e, uint16_t method, uint32_t crc, uint32_t csize,
                          uint32_t usize, const std::string& extra)
    {
        Put16(s, 0);
        Put16(s, method);
        Put16(s, e.dosTime);
        Put16(s, e.dosDate);
        Put32(s, crc);
        Put32(s, csize);
        Put32(s, usize);
        Put16(s, static_cast<uint16_t>(e.name.size()));
        Put16(s, static_cast<uint16_t>(extra.size()));
    }

    static std::string Deflate(const std::string& data)
    {
        z_stream z = {};
        deflateInit2(&z, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
        std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 16, '\0');
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
        z.avail_in = static_cast<uInt>(data.size());
        z.next_out = reinterpret_cast<Bytef*>(&out[0]);
        z.avail_out = static_cast<uInt>(out.size());
        deflate(&z, Z_FINISH);
        out.resize(z.total_out);
        deflateEnd(&z);
        return out;
    }
};

}  // namespace test
}  // namespace SkinUI
