#pragma once
// Settings kept in memory instead of a file, for the keeper and the menu.

#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

class MemoryStore final : public SettingsStore {
 public:
  std::optional<std::string> text;
  std::vector<std::string> said;
  std::optional<std::string> Read(std::size_t limit, bool& whole) override {
    if (!text) return std::nullopt;
    whole = text->size() <= limit;
    return text->substr(0, limit);
  }
  bool Write(const std::string& kept, std::string&) override { return text = kept, true; }
  std::string Place() const override { return "memory"; }
  void Say(const std::string& line) override { said.push_back(line); }
};
