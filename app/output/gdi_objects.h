// Scope classes for the printer's GDI objects: a device context deleted at
// scope end, a GDI object deleted, an object selected into a DC and the old one
// put back.
#pragma once

#include <windows.h>

namespace output {

class DcScope {
 public:
  explicit DcScope(HDC dc) : dc_(dc) {}
  ~DcScope() {
    if (dc_ != nullptr) ::DeleteDC(dc_);
  }
  DcScope(const DcScope&) = delete;
  DcScope& operator=(const DcScope&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

class GdiObjectScope {
 public:
  explicit GdiObjectScope(HGDIOBJ object) : object_(object) {}
  ~GdiObjectScope() {
    if (object_ != nullptr) ::DeleteObject(object_);
  }
  GdiObjectScope(const GdiObjectScope&) = delete;
  GdiObjectScope& operator=(const GdiObjectScope&) = delete;
  HGDIOBJ get() const { return object_; }

 private:
  HGDIOBJ object_;
};

class SelectScope {
 public:
  SelectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  ~SelectScope() { ::SelectObject(dc_, old_); }
  SelectScope(const SelectScope&) = delete;
  SelectScope& operator=(const SelectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace output
