#pragma once

#include <string>
#include <vector>

// The program's version information, read by the standard keys of a version resource
// (CompanyName, FileVersion, InternalName, LegalCopyright, ProductName, ProductVersion,
// Comments). Strings are UTF-8.
class VersionInfo {
 public:
  static constexpr const char* kNotAvailable = "Value Not Available";

  // The values of this program.
  static VersionInfo ofProgram();

  // The value of a key; kNotAvailable for a key the information lacks.
  std::string value(const std::string& key) const;
  void set(const std::string& key, const std::string& value);

 private:
  struct Field {
    std::string key, value;
  };
  std::vector<Field> fields_;
};
