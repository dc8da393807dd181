#pragma once
// IUiServices for batch work with nobody to ask (benchmarks, fuzzers): messages are written to a
// stream, or dropped when there is none; questions are answered "Ne", prompts and choosers cancel.

#include <ostream>

#include "core/UiServices.h"

namespace orv {

class CBatchUiServices : public IUiServices {
 public:
  explicit CBatchUiServices(std::ostream* messages = nullptr) : m_Messages(messages) {}

  void MessageDialog(std::string_view text) override { Write(text); }
  void MessageBox(std::string_view text, MessageIcon) override { Write(text); }
  bool AskYesNo(std::string_view text) override {
    Write(text);
    return false;
  }
  std::optional<std::string> AskPassword(std::string_view) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToOpen(std::string_view, std::string_view) override { return {}; }
  std::optional<std::string> ChooseFileToSave(std::string_view, std::string_view, std::string_view) override {
    return {};
  }
  void BeginWait() override {}
  void EndWait() override {}

 private:
  void Write(std::string_view text) {
    if (m_Messages) *m_Messages << text << '\n';
  }
  std::ostream* m_Messages;
};

}  // namespace orv
