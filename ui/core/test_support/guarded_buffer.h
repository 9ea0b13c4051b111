// Test helper: a buffer whose last byte sits just before a no-access page, so a
// read past its end crashes the test instead of passing unnoticed.
#pragma once

#include <windows.h>

#include <cstring>
#include <cwchar>

namespace SkinUI {
namespace test {

class GuardedBuffer
{
public:
    GuardedBuffer(const void* data, size_t size) : m_size(size)
    {
        const size_t page = 4096;
        m_dataPages = (size + page - 1) / page;
        if (m_dataPages == 0) m_dataPages = 1;
        m_base = static_cast<BYTE*>(
            ::VirtualAlloc(nullptr, (m_dataPages + 1) * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old;
        ::VirtualProtect(m_base + m_dataPages * page, page, PAGE_NOACCESS, &old);
        m_data = m_base + m_dataPages * page - size;
        if (size) memcpy(m_data, data, size);
    }
    ~GuardedBuffer() { ::VirtualFree(m_base, 0, MEM_RELEASE); }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    BYTE* data() const { return m_data; }
    size_t size() const { return m_size; }

private:
    BYTE* m_base = nullptr;
    BYTE* m_data = nullptr;
    size_t m_size;
    size_t m_dataPages = 0;
};

// One guarded place for many inputs in turn (a fuzz loop): each input is copied to
// end right before the no-access page, and the pages are made again only when an
// input needs more of them. Saves the system calls of a new buffer per input.
class GuardedArena
{
public:
    GuardedArena() = default;
    ~GuardedArena() { Release(); }
    GuardedArena(const GuardedArena&) = delete;
    GuardedArena& operator=(const GuardedArena&) = delete;

    // The copy of the input, valid until the next call.
    BYTE* Place(const void* data, size_t size)
    {
        const size_t page = 4096;
        size_t pages = (size + page - 1) / page;
        if (pages == 0) pages = 1;
        if (pages > m_dataPages) {
            Release();
            m_base = static_cast<BYTE*>(
                ::VirtualAlloc(nullptr, (pages + 1) * page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
            DWORD old;
            ::VirtualProtect(m_base + pages * page, page, PAGE_NOACCESS, &old);
            m_dataPages = pages;
        }
        BYTE* at = m_base + m_dataPages * page - size;
        if (size) memcpy(at, data, size);
        return at;
    }

private:
    void Release()
    {
        if (m_base != nullptr) ::VirtualFree(m_base, 0, MEM_RELEASE);
        m_base = nullptr;
        m_dataPages = 0;
    }

    BYTE* m_base = nullptr;
    size_t m_dataPages = 0;
};

// Text copied to the very end of a page that a no-access page follows.
class GuardedText : public GuardedBuffer
{
public:
    explicit GuardedText(const wchar_t* text) : GuardedBuffer(text, (wcslen(text) + 1) * sizeof(wchar_t)) {}
    const wchar_t* get() const { return reinterpret_cast<const wchar_t*>(data()); }
};

}  // namespace test
}  // namespace SkinUI
