#pragma once
#include <string>
#include <vector>

// The version resource of a file, read once, and its string values in the
// first language and code page the resource lists.
class FileVersionInfo {
 public:
  explicit FileVersionInfo(const std::string& fileName);

  // The value, or empty when the file has no version resource or no such
  // value.
  std::string Query(const std::string& name) const;

  // "%04x%04x" of the first listed language and code page; empty if none.
  const std::string& Translation() const { return m_translation; }

 private:
  std::vector<char> m_data;
  std::string m_translation;
};
