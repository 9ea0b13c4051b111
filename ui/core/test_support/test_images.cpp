// Test helpers of the framework: images made by the tests and the scratch folders
// they are written to (see test_images.h).
#include "core/test_support/test_images.h"

#include <map>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb_image_write.h"

#include "gtest/gtest.h"
#include "core/paint_manager.h"

namespace SkinUI {
namespace test {

void RgbaImage::Set(int x, int y, DWORD argb)
{
    BYTE* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    p[0] = static_cast<BYTE>(argb >> 16);
    p[1] = static_cast<BYTE>(argb >> 8);
    p[2] = static_cast<BYTE>(argb);
    p[3] = static_cast<BYTE>(argb >> 24);
}

RgbaImage SolidImage(int width, int height, DWORD argb)
{
    RgbaImage image{width, height, std::vector<BYTE>(static_cast<size_t>(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.Set(x, y, argb);
    return image;
}

namespace {

void Collect(void* context, void* data, int size)
{
    std::vector<BYTE>* out = static_cast<std::vector<BYTE>*>(context);
    const BYTE* bytes = static_cast<const BYTE*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

std::vector<BYTE> ToRgb(const RgbaImage& image)
{
    std::vector<BYTE> rgb;
    for (size_t i = 0; i < image.rgba.size(); i += 4) rgb.insert(rgb.end(), &image.rgba[i], &image.rgba[i] + 3);
    return rgb;
}

void Put16(std::vector<BYTE>& out, int v)
{
    out.push_back(static_cast<BYTE>(v & 0xFF));
    out.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
}

// LZW codes of a fixed 9-bit width: a clear code every 100 literals keeps the
// decoder's table from ever growing past 9 bits.
std::vector<BYTE> LzwLiterals(const std::vector<BYTE>& indexes)
{
    std::vector<BYTE> bytes;
    unsigned int bitBuffer = 0;
    int bitCount = 0;
    auto emit = [&](unsigned int code) {
        bitBuffer |= code << bitCount;
        bitCount += 9;
        while (bitCount >= 8) {
            bytes.push_back(static_cast<BYTE>(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    emit(256);
    for (size_t i = 0; i < indexes.size(); ++i) {
        if (i > 0 && i % 100 == 0) emit(256);
        emit(indexes[i]);
    }
    emit(257);
    if (bitCount > 0) bytes.push_back(static_cast<BYTE>(bitBuffer & 0xFF));
    return bytes;
}

}  // namespace

std::vector<BYTE> EncodePng(const RgbaImage& image)
{
    std::vector<BYTE> out;
    stbi_write_png_to_func(Collect, &out, image.width, image.height, 4, image.rgba.data(), image.width * 4);
    return out;
}

std::vector<BYTE> EncodeBmp(const RgbaImage& image)
{
    std::vector<BYTE> out;
    std::vector<BYTE> rgb = ToRgb(image);
    stbi_write_bmp_to_func(Collect, &out, image.width, image.height, 3, rgb.data());
    return out;
}

std::vector<BYTE> EncodeJpeg(const RgbaImage& image)
{
    std::vector<BYTE> out;
    std::vector<BYTE> rgb = ToRgb(image);
    stbi_write_jpg_to_func(Collect, &out, image.width, image.height, 3, rgb.data(), 95);
    return out;
}

std::vector<BYTE> EncodeGif(const std::vector<RgbaImage>& frames, const std::vector<int>& delays,
                            const std::vector<int>& disposals)
{
    std::map<DWORD, BYTE> palette;  // 0xRRGGBB -> index; index 0 is transparent
    std::vector<std::vector<BYTE>> indexed;
    for (const RgbaImage& frame : frames) {
        std::vector<BYTE> indexes;
        for (size_t i = 0; i < frame.rgba.size(); i += 4) {
            if (frame.rgba[i + 3] == 0) {
                indexes.push_back(0);
                continue;
            }
            DWORD colour = (frame.rgba[i] << 16) | (frame.rgba[i + 1] << 8) | frame.rgba[i + 2];
            auto found = palette.find(colour);
            if (found == palette.end()) {
                BYTE index = static_cast<BYTE>(palette.size() + 1);
                found = palette.insert(std::make_pair(colour, index)).first;
            }
            indexes.push_back(found->second);
        }
        indexed.push_back(indexes);
    }
    std::vector<BYTE> out = {'G', 'I', 'F', '8', '9', 'a'};
    Put16(out, frames[0].width);
    Put16(out, frames[0].height);
    out.push_back(0xF7);  // global colour table of 256 entries
    out.push_back(0);
    out.push_back(0);
    std::vector<BYTE> table(256 * 3, 0);
    for (const auto& entry : palette) {
        table[entry.second * 3] = static_cast<BYTE>(entry.first >> 16);
        table[entry.second * 3 + 1] = static_cast<BYTE>(entry.first >> 8);
        table[entry.second * 3 + 2] = static_cast<BYTE>(entry.first);
    }
    out.insert(out.end(), table.begin(), table.end());
    for (size_t f = 0; f < frames.size(); ++f) {
        // Graphic control: the disposal method, transparent index 0, the delay.
        int disposal = f < disposals.size() ? disposals[f] : 1;
        out.insert(out.end(), {0x21, 0xF9, 0x04, static_cast<BYTE>((disposal << 2) | 1)});
        Put16(out, f < delays.size() ? delays[f] : 0);
        out.insert(out.end(), {0x00, 0x00});
        out.push_back(0x2C);
        Put16(out, 0);
        Put16(out, 0);
        Put16(out, frames[f].width);
        Put16(out, frames[f].height);
        out.push_back(0);
        out.push_back(8);
        std::vector<BYTE> data = LzwLiterals(indexed[f]);
        for (size_t i = 0; i < data.size(); i += 255) {
            size_t n = data.size() - i < 255 ? data.size() - i : 255;
            out.push_back(static_cast<BYTE>(n));
            out.insert(out.end(), data.begin() + i, data.begin() + i + n);
        }
        out.push_back(0);
    }
    out.push_back(0x3B);
    return out;
}

std::wstring ScratchFolder(const wchar_t* name)
{
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"skinui_" + name + L"_" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), NULL);
    return folder + L"\\";
}

ScratchSkin::ScratchSkin(const wchar_t* name) : m_folder(ScratchFolder(name))
{
    CPaintManagerUI::SetResourceZip(L"", false);
    CPaintManagerUI::SetResourcePath(m_folder.c_str());
}

ScratchSkin::~ScratchSkin() { CPaintManagerUI::SetResourcePath(L""); }

void WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes)
{
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, NULL);
    ::CloseHandle(file);
}

void WriteText(const std::wstring& path, const std::string& utf8)
{
    WriteBytes(path, std::vector<BYTE>(utf8.begin(), utf8.end()));
}

void WriteSolidImages(const std::wstring& folder, std::initializer_list<SolidFile> files)
{
    for (const SolidFile& f : files) WriteBytes(folder + f.file, EncodePng(SolidImage(4, 4, f.argb)));
}

}  // namespace test
}  // namespace SkinUI
