// CStdStringPtrMap: a hash map from CUIString keys (case-sensitive) to untyped
// pointers. The map owns its nodes and key copies, never the data pointers.
#pragma once

#include <memory>

#include "ui_export.h"
#include "ui_string.h"

namespace SkinUI {

class UILIB_API CStdStringPtrMap
{
public:
    CStdStringPtrMap();
    explicit CStdStringPtrMap(int size);
    CStdStringPtrMap(const CStdStringPtrMap&) = delete;
    CStdStringPtrMap& operator=(const CStdStringPtrMap&) = delete;
    ~CStdStringPtrMap();

    void Resize(int size = 83);
    void RemoveAll();
    void* Find(const wchar_t* key, bool optimize = true) const;
    bool Insert(const wchar_t* key, void* data);
    void* Set(const wchar_t* key, void* data);
    bool Remove(const wchar_t* key);
    int GetSize() const;
    int GetBucketCount() const { return m_nBuckets; }
    const wchar_t* GetAt(int index) const;
    const wchar_t* operator[](int index) const;

    // The bucket hash: characters from the last to the first, hash * 33 + code.
    static unsigned int HashKey(const wchar_t* key);

private:
    struct TITEM
    {
        CUIString Key;
        void* Data;
        TITEM* pPrev;
        TITEM* pNext;
    };

    void FreeBuckets();

    std::unique_ptr<TITEM*[]> m_aT;
    int m_nBuckets;
    int m_nCount;
};

}  // namespace SkinUI
