// CGifHandler: the frames of an animated GIF, decoded once into ready-to-draw
// premultiplied bitmaps with their delays, handed out in order.
#pragma once

#include "paint_manager.h"
#include "ui_arrays.h"

namespace SkinUI {

class UILIB_API CGifHandler
{
public:
    CGifHandler();
    virtual ~CGifHandler();
    CGifHandler(const CGifHandler&) = delete;
    CGifHandler& operator=(const CGifHandler&) = delete;

    // Appends a frame (the handler owns it from now on); none is ignored.
    void AddFrameInfo(TImageInfo* pFrameInfo);
    int GetFrameCount() const;
    TImageInfo* GetCurrentFrameInfo();
    // The frame at the current index; the index then moves on, back to 0 after
    // the last frame. None when there are no frames.
    TImageInfo* GetNextFrameInfo();
    TImageInfo* GetFrameInfoAt(int index);

private:
    CStdPtrArray m_aFrameInfos;
    int m_nCurrentFrame;
    bool m_bIsDeleting;
};

}  // namespace SkinUI
