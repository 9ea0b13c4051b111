// The plug-in interface of TarvelStock, for the authors of plug-ins.
//
// A plug-in is a DLL in the "plugin" folder beside TarvelStock.exe that exports
//   extern "C" __declspec(dllexport) DllApiInstance* GetDllApiInstance();
// The program calls it once at start-up and keeps the object (and the library)
// for the rest of its run. A file without that export is passed over.
//
// The plug-in's name (GetName) names its page: the program builds the layout file
// "<name>.xml" from its skin into a panel "mid_<name>" and then sends the plug-in
// the notification "init" with a DllApiInterface* as parameter. Keep that pointer:
// through it the plug-in reads and changes the main window's named controls and
// puts a tile on the home page, whose click opens the plug-in's page.
//
// Every notification of the main window ("click", "selectchanged", ...) reaches
// the plug-ins first, in the order of the folder listing, with the sender's name
// and a null parameter; a non-zero answer ends its handling there. All calls come
// on the program's UI thread, and the host operations may be called only on it.
// Text is 8-bit in the system's ANSI code page. The program and its plug-ins
// share one C++ runtime (the same compiler's DLLs), since strings cross by value.
#pragma once

#include <string>

class DllApiInstance {
 public:
  // The plug-in's name: its layout "<name>.xml" and its panel "mid_<name>".
  virtual const char* GetName() = 0;
  // Non-zero: the plug-in handled the notification and the host does nothing more.
  virtual int Notify(const char* type, const char* senderName, void* parameter) = 0;
};

class DllApiInterface {
 public:
  // Applies a layout attribute to the named control: 0, or -1 when there is none.
  virtual int SetControlAttribute(std::string name, std::string attribute, std::string value) = 0;
  // The named control's text, looked up under parentName when that control
  // exists; for "state" of a check box "1" or "0". Empty when there is none.
  virtual std::string GetControlAttribute(std::string name, std::string attribute, std::string parentName) = 0;
  // The name of the named control's parent, empty when there is none.
  virtual std::string GetParentName(std::string name) = 0;
  // Puts a tile on the home page; clicking it opens the page of that plug-in.
  virtual void AddMainGridItem(std::string name, std::string image, DllApiInstance* plugin) = 0;
};

typedef DllApiInstance* (*GetDllApiInstanceFunc)();
