// CStdPtrArray and CStdValArray: growable arrays on the C heap. The pointer array
// never owns what its slots point at; the value array copies elements by bytes.
#pragma once

#include "ui_export.h"

namespace SkinUI {

class UILIB_API CStdPtrArray
{
public:
    CStdPtrArray(int preallocSize = 0);
    CStdPtrArray(const CStdPtrArray& src);
    CStdPtrArray& operator=(const CStdPtrArray& src);
    ~CStdPtrArray();

    void Empty();
    void Resize(int size);
    bool IsEmpty() const;
    int GetSize() const;
    int GetCapacity() const { return m_nAllocated; }
    bool Add(void* p);
    bool InsertAt(int index, void* p);
    bool SetAt(int index, void* p);
    bool Remove(int index);
    int Find(void* p) const;
    void* GetAt(int index) const;
    void* operator[](int index) const;
    void** GetData();

protected:
    void** m_ppVoid;
    int m_nCount;
    int m_nAllocated;
};

class UILIB_API CStdValArray
{
public:
    CStdValArray(int elementSize, int preallocSize = 0);
    CStdValArray(const CStdValArray& src);
    CStdValArray& operator=(const CStdValArray& src);
    ~CStdValArray();

    void Empty();
    bool IsEmpty() const;
    int GetSize() const;
    int GetCapacity() const { return m_nAllocated; }
    bool Add(const void* element);
    bool Remove(int index);
    void* GetAt(int index) const;
    void* operator[](int index) const;
    void* GetData();

protected:
    unsigned char* m_pVoid;
    int m_iElementSize;
    int m_nCount;
    int m_nAllocated;
};

}  // namespace SkinUI
