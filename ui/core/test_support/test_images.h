// Test helpers of the framework: images made by the tests (PNG, JPEG and BMP
// through stb_image_write, GIF by a small encoder of our own) and the scratch
// folders, skin folders among them, that they are written to.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace SkinUI {
namespace test {

// RGBA pixels, top row first.
struct RgbaImage
{
    int width;
    int height;
    std::vector<BYTE> rgba;
    void Set(int x, int y, DWORD argb);
};
RgbaImage SolidImage(int width, int height, DWORD argb);

std::vector<BYTE> EncodePng(const RgbaImage& image);
std::vector<BYTE> EncodeBmp(const RgbaImage& image);
std::vector<BYTE> EncodeJpeg(const RgbaImage& image);
// An animated GIF; each frame's opaque colours must be among 255 colours in all;
// pixels with alpha 0 become the transparent index. Delays in hundredths;
// disposal methods per frame (1 keep, 2 background, 3 previous; default 1).
std::vector<BYTE> EncodeGif(const std::vector<RgbaImage>& frames, const std::vector<int>& delays,
                            const std::vector<int>& disposals = std::vector<int>());

// A fresh folder under the temporary folder, ending in a backslash.
std::wstring ScratchFolder(const wchar_t* name);

// A fresh scratch folder that is the skin folder (no archive) while the object
// lives; the skin folder is emptied again afterwards.
class ScratchSkin
{
public:
    explicit ScratchSkin(const wchar_t* name);
    ~ScratchSkin();
    ScratchSkin(const ScratchSkin&) = delete;
    ScratchSkin& operator=(const ScratchSkin&) = delete;
    const std::wstring& folder() const { return m_folder; }

private:
    std::wstring m_folder;
};
void WriteBytes(const std::wstring& path, const std::vector<BYTE>& bytes);
void WriteText(const std::wstring& path, const std::string& utf8);

// Solid-colour 4x4 PNG images written into a folder.
struct SolidFile
{
    const wchar_t* file;
    DWORD argb;
};
void WriteSolidImages(const std::wstring& folder, std::initializer_list<SolidFile> files);

}  // namespace test
}  // namespace SkinUI
