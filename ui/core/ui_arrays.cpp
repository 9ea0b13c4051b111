// Growth rule shared by both arrays: an addition that makes count + 1 reach the
// capacity doubles it (0 becomes 11), so one free slot always remains.
#include "ui_arrays.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

namespace {

// Grows block for an addition that brings the count to newCount; false (block
// untouched) when the memory cannot be had.
bool GrowFor(int newCount, int& allocated, int elementSize, void*& block)
{
    if (newCount < allocated) return true;
    int capacity = allocated == 0 ? 11 : allocated;
    while (capacity <= newCount) {
        if (capacity > INT_MAX / 2 / elementSize) return false;
        capacity *= 2;
    }
    void* grown = realloc(block, static_cast<size_t>(capacity) * elementSize);
    if (!grown) return false;
    block = grown;
    allocated = capacity;
    return true;
}

// Storage for an up-front capacity; null when there is none to take or when its
// byte size would not fit, so that a wrapped size never yields a short block.
void* Preallocate(int count, int elementSize)
{
    if (count <= 0 || count > INT_MAX / elementSize) return nullptr;
    return malloc(static_cast<size_t>(count) * elementSize);
}

}  // namespace

CStdPtrArray::CStdPtrArray(int preallocSize) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0)
{
    if (preallocSize > 0) {
        m_ppVoid = static_cast<void**>(Preallocate(preallocSize, sizeof(void*)));
        if (m_ppVoid) m_nAllocated = preallocSize;
    }
}

CStdPtrArray::CStdPtrArray(const CStdPtrArray& src) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0)
{
    for (int i = 0; i < src.GetSize(); ++i) Add(src.GetAt(i));
}

CStdPtrArray& CStdPtrArray::operator=(const CStdPtrArray& src)
{
    if (this != &src) {
        Empty();
        for (int i = 0; i < src.GetSize(); ++i) Add(src.GetAt(i));
    }
    return *this;
}

CStdPtrArray::~CStdPtrArray() { free(m_ppVoid); }

void CStdPtrArray::Empty()
{
    free(m_ppVoid);
    m_ppVoid = nullptr;
    m_nCount = m_nAllocated = 0;
}

void CStdPtrArray::Resize(int size)
{
    Empty();
    if (size <= 0) return;
    m_ppVoid = static_cast<void**>(calloc(size, sizeof(void*)));
    if (m_ppVoid) m_nCount = m_nAllocated = size;
}

bool CStdPtrArray::IsEmpty() const { return m_nCount == 0; }
int CStdPtrArray::GetSize() const { return m_nCount; }

bool CStdPtrArray::Add(void* p)
{
    void* block = m_ppVoid;
    if (!GrowFor(m_nCount + 1, m_nAllocated, sizeof(void*), block)) return false;
    m_ppVoid = static_cast<void**>(block);
    m_ppVoid[m_nCount++] = p;
    return true;
}

bool CStdPtrArray::InsertAt(int index, void* p)
{
    if (index == m_nCount) return Add(p);
    if (index < 0 || index > m_nCount) return false;
    void* block = m_ppVoid;
    if (!GrowFor(m_nCount + 1, m_nAllocated, sizeof(void*), block)) return false;
    m_ppVoid = static_cast<void**>(block);
    memmove(&m_ppVoid[index + 1], &m_ppVoid[index], (m_nCount - index) * sizeof(void*));
    m_ppVoid[index] = p;
    ++m_nCount;
    return true;
}

bool CStdPtrArray::SetAt(int index, void* p)
{
    if (index < 0 || index >= m_nCount) return false;
    m_ppVoid[index] = p;
    return true;
}

bool CStdPtrArray::Remove(int index)
{
    if (index < 0 || index >= m_nCount) return false;
    if (index < --m_nCount) memmove(&m_ppVoid[index], &m_ppVoid[index + 1], (m_nCount - index) * sizeof(void*));
    return true;
}

int CStdPtrArray::Find(void* p) const
{
    for (int i = 0; i < m_nCount; ++i)
        if (m_ppVoid[i] == p) return i;
    return -1;
}

void* CStdPtrArray::GetAt(int index) const
{
    if (index < 0 || index >= m_nCount) return nullptr;
    return m_ppVoid[index];
}

void* CStdPtrArray::operator[](int index) const { return m_ppVoid[index]; }
void** CStdPtrArray::GetData() { return m_ppVoid; }

CStdValArray::CStdValArray(int elementSize, int preallocSize)
    : m_pVoid(nullptr),
      m_iElementSize(elementSize > 0 ? elementSize : 1),
      m_nCount(0),
      m_nAllocated(0)
{
    if (preallocSize > 0) {
        m_pVoid = static_cast<unsigned char*>(Preallocate(preallocSize, m_iElementSize));
        if (m_pVoid) m_nAllocated = preallocSize;
    }
}

CStdValArray::CStdValArray(const CStdValArray& src)
    : m_pVoid(nullptr),
      m_iElementSize(src.m_iElementSize),
      m_nCount(0),
      m_nAllocated(0)
{
    for (int i = 0; i < src.GetSize(); ++i) Add(src.GetAt(i));
}

CStdValArray& CStdValArray::operator=(const CStdValArray& src)
{
    if (this != &src) {
        free(m_pVoid);
        m_pVoid = nullptr;
        m_nCount = m_nAllocated = 0;
        m_iElementSize = src.m_iElementSize;
        for (int i = 0; i < src.GetSize(); ++i) Add(src.GetAt(i));
    }
    return *this;
}

CStdValArray::~CStdValArray() { free(m_pVoid); }

void CStdValArray::Empty() { m_nCount = 0; }
bool CStdValArray::IsEmpty() const { return m_nCount == 0; }
int CStdValArray::GetSize() const { return m_nCount; }

bool CStdValArray::Add(const void* element)
{
    void* block = m_pVoid;
    if (!GrowFor(m_nCount + 1, m_nAllocated, m_iElementSize, block)) return false;
    m_pVoid = static_cast<unsigned char*>(block);
    memcpy(m_pVoid + static_cast<size_t>(m_nCount) * m_iElementSize, element, m_iElementSize);
    ++m_nCount;
    return true;
}

bool CStdValArray::Remove(int index)
{
    if (index < 0 || index >= m_nCount) return false;
    if (index < --m_nCount)
        memmove(m_pVoid + static_cast<size_t>(index) * m_iElementSize,
                m_pVoid + static_cast<size_t>(index + 1) * m_iElementSize,
                static_cast<size_t>(m_nCount - index) * m_iElementSize);
    return true;
}

void* CStdValArray::GetAt(int index) const
{
    if (index < 0 || index >= m_nCount) return nullptr;
    return m_pVoid + static_cast<size_t>(index) * m_iElementSize;
}

void* CStdValArray::operator[](int index) const { return m_pVoid + static_cast<size_t>(index) * m_iElementSize; }

void* CStdValArray::GetData() { return m_pVoid; }

}  // namespace SkinUI
