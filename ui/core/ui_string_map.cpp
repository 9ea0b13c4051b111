// CStdStringPtrMap: chained buckets with move-to-front on lookup.
#include "ui_string_map.h"

#include <cwchar>

namespace SkinUI {

CStdStringPtrMap::CStdStringPtrMap() : m_nBuckets(0), m_nCount(0) { Resize(83); }

CStdStringPtrMap::CStdStringPtrMap(int size) : m_nBuckets(0), m_nCount(0) { Resize(size < 16 ? 16 : size); }

CStdStringPtrMap::~CStdStringPtrMap() { FreeBuckets(); }

void CStdStringPtrMap::FreeBuckets()
{
    for (int i = 0; i < m_nBuckets; ++i) {
        TITEM* item = m_aT[i];
        while (item) {
            TITEM* next = item->pNext;
            delete item;
            item = next;
        }
    }
    m_aT.reset();
    m_nBuckets = 0;
    m_nCount = 0;
}

void CStdStringPtrMap::Resize(int size)
{
    FreeBuckets();
    if (size <= 0) return;
    m_aT.reset(new TITEM*[size]());
    m_nBuckets = size;
}

void CStdStringPtrMap::RemoveAll() { Resize(m_nBuckets); }

unsigned int CStdStringPtrMap::HashKey(const wchar_t* key)
{
    unsigned int hash = 0;
    for (size_t i = wcslen(key); i > 0; --i) hash = hash * 33 + key[i - 1];
    return hash;
}

void* CStdStringPtrMap::Find(const wchar_t* key, bool optimize) const
{
    if (!key || m_nBuckets == 0 || m_nCount == 0) return nullptr;
    unsigned int slot = HashKey(key) % static_cast<unsigned int>(m_nBuckets);
    for (TITEM* item = m_aT[slot]; item; item = item->pNext) {
        if (item->Key != key) continue;
        if (optimize && item != m_aT[slot]) {
            // Unlink, then put at the head so frequent names are found first.
            if (item->pPrev) item->pPrev->pNext = item->pNext;
            if (item->pNext) item->pNext->pPrev = item->pPrev;
            item->pPrev = nullptr;
            item->pNext = m_aT[slot];
            m_aT[slot]->pPrev = item;
            m_aT[slot] = item;
        }
        return item->Data;
    }
    return nullptr;
}

bool CStdStringPtrMap::Insert(const wchar_t* key, void* data)
{
    if (!key || m_nBuckets == 0) return false;
    if (Find(key)) return false;
    // A present key whose data is null is not found above; look once more exactly.
    unsigned int slot = HashKey(key) % static_cast<unsigned int>(m_nBuckets);
    for (TITEM* item = m_aT[slot]; item; item = item->pNext)
        if (item->Key == key) return false;
    TITEM* item = new TITEM;
    item->Key = key;
    item->Data = data;
    item->pPrev = nullptr;
    item->pNext = m_aT[slot];
    if (item->pNext) item->pNext->pPrev = item;
    m_aT[slot] = item;
    ++m_nCount;
    return true;
}

void* CStdStringPtrMap::Set(const wchar_t* key, void* data)
{
    if (!key || m_nBuckets == 0) return data;
    if (m_nCount > 0) {
        unsigned int slot = HashKey(key) % static_cast<unsigned int>(m_nBuckets);
        for (TITEM* item = m_aT[slot]; item; item = item->pNext) {
            if (item->Key == key) {
                void* previous = item->Data;
                item->Data = data;
                return previous;
            }
        }
    }
    Insert(key, data);
    return nullptr;
}

bool CStdStringPtrMap::Remove(const wchar_t* key)
{
    if (!key || m_nBuckets == 0 || m_nCount == 0) return false;
    unsigned int slot = HashKey(key) % static_cast<unsigned int>(m_nBuckets);
    for (TITEM* item = m_aT[slot]; item; item = item->pNext) {
        if (item->Key != key) continue;
        if (item->pNext) item->pNext->pPrev = item->pPrev;
        if (item->pPrev) item->pPrev->pNext = item->pNext;
        else m_aT[slot] = item->pNext;
        delete item;
        --m_nCount;
        return true;
    }
    return false;
}

int CStdStringPtrMap::GetSize() const { return m_nCount; }

const wchar_t* CStdStringPtrMap::GetAt(int index) const
{
    if (index < 0 || index >= m_nCount) return nullptr;
    int seen = 0;
    for (int slot = m_nBuckets - 1; slot >= 0; --slot) {
        for (TITEM* item = m_aT[slot]; item; item = item->pNext) {
            if (seen++ == index) return item->Key;
        }
    }
    return nullptr;
}

const wchar_t* CStdStringPtrMap::operator[](int index) const { return GetAt(index); }

}  // namespace SkinUI
