// The plug-in interface: the object a plug-in library hands out (DllApiInstance,
// from its export GetDllApiInstance) and the host operations the main window offers
// it (DllApiInterface). Text crosses as 8-bit ANSI strings.
#pragma once

#include <string>

class DllApiInstance {
 public:
  virtual const char* GetName() = 0;
  // Non-zero: the plug-in handled the notification and the host does nothing more.
  virtual int Notify(const char* type, const char* senderName, void* parameter) = 0;
};

class DllApiInterface {
 public:
  virtual int SetControlAttribute(std::string name, std::string attribute, std::string value) = 0;
  virtual std::string GetControlAttribute(std::string name, std::string attribute, std::string parentName) = 0;
  virtual std::string GetParentName(std::string name) = 0;
  virtual void AddMainGridItem(std::string name, std::string image, DllApiInstance* plugin) = 0;
};

typedef DllApiInstance* (*GetDllApiInstanceFunc)();
