// CGifHandler and CRenderEngine::LoadGif: every frame of a GIF decoded into a
// bitmap the way LoadImage converts images.
#include "gif_handler.h"

#include <vector>

#include "image_decoder.h"
#include "render_engine.h"
#include "skin_file_reader.h"

namespace SkinUI {

CGifHandler::CGifHandler() : m_nCurrentFrame(0), m_bIsDeleting(false) {}

CGifHandler::~CGifHandler()
{
    m_bIsDeleting = true;
    for (int i = 0; i < m_aFrameInfos.GetSize(); i++) {
        CRenderEngine::FreeImage(static_cast<TImageInfo*>(m_aFrameInfos.GetAt(i)));
    }
    m_aFrameInfos.Empty();
}

void CGifHandler::AddFrameInfo(TImageInfo* pFrameInfo)
{
    if (pFrameInfo == NULL) return;
    if (!m_aFrameInfos.Add(pFrameInfo)) CRenderEngine::FreeImage(pFrameInfo);
}

int CGifHandler::GetFrameCount() const { return m_aFrameInfos.GetSize(); }

TImageInfo* CGifHandler::GetCurrentFrameInfo() { return GetFrameInfoAt(m_nCurrentFrame); }

TImageInfo* CGifHandler::GetNextFrameInfo()
{
    int count = m_aFrameInfos.GetSize();
    if (m_bIsDeleting || count == 0) return NULL;
    TImageInfo* pFrame = GetFrameInfoAt(m_nCurrentFrame);
    m_nCurrentFrame = (m_nCurrentFrame + 1) % count;
    return pFrame;
}

TImageInfo* CGifHandler::GetFrameInfoAt(int index)
{
    if (m_bIsDeleting) return NULL;
    return static_cast<TImageInfo*>(m_aFrameInfos.GetAt(index));
}

CGifHandler* CRenderEngine::LoadGif(STRINGorID bitmap, const wchar_t* type, DWORD mask)
{
    std::vector<BYTE> bytes;
    if (!ReadSkinBytes(bitmap, type, bytes)) return NULL;
    CGifHandler* pHandler = new CGifHandler();
    std::vector<GifFrame> frames;
    DecodeGifFrames(bytes.data(), bytes.size(), frames);
    for (size_t i = 0; i < frames.size(); ++i) {
        bool alpha = false;
        HBITMAP hBitmap = CreatePremultipliedBitmap(frames[i].image, mask, &alpha);
        if (hBitmap == NULL) continue;
        TImageInfo* pFrame = new TImageInfo();
        pFrame->hBitmap = hBitmap;
        pFrame->nX = frames[i].image.width;
        pFrame->nY = frames[i].image.height;
        pFrame->delay = frames[i].delay;
        pFrame->alphaChannel = alpha;
        pFrame->dwMask = mask;
        pHandler->AddFrameInfo(pFrame);
        // Each frame's pixels go as soon as its bitmap exists.
        std::vector<BYTE>().swap(frames[i].image.rgba);
    }
    return pHandler;
}

}  // namespace SkinUI
