#include "platform/version_info.h"

#include <algorithm>

VersionInfo VersionInfo::ofProgram() {
  VersionInfo info;
  info.set("CompanyName", "Kelvane 字形工具组");
  info.set("FileVersion", KELVANE_VERSION);
  info.set("InternalName", "kelvane");
  info.set("LegalCopyright", "Copyright (C) 2026 Kelvane 字形工具组");
  info.set("ProductName", "Kelvane 形字体编辑器");
  info.set("ProductVersion", "1.0.0.0");
  info.set("Comments", "AutoCAD 形字体源文件(.SHP)的编辑器");
  return info;
}

std::string VersionInfo::value(const std::string& key) const {
  const auto found =
      std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) { return f.key == key; });
  return found == fields_.end() ? kNotAvailable : found->value;
}

void VersionInfo::set(const std::string& key, const std::string& value) {
  const auto found =
      std::find_if(fields_.begin(), fields_.end(), [&](const Field& f) { return f.key == key; });
  if (found == fields_.end()) {
    fields_.push_back({key, value});
  } else {
    found->value = value;
  }
}
