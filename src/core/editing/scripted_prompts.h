// Prompts answered from a script: replies are queued in advance, and every
// prompt shown is logged so a test can check the exact texts. A prompt with
// no queued reply gets the answer that changes nothing (Cancel, No for a
// Yes/No question, a cancelled input) and is counted as unscripted.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/editing/user_prompts.h"

namespace mw {

class ScriptedPrompts : public UserPrompts {
 public:
  enum class Kind { Message, Question, Input };
  struct Shown {
    Kind kind = Kind::Message;
    std::string text;  // message or question text, or the input's label
    std::string caption;  // caption or input title
    MessageKind messageKind = MessageKind::Information;
    std::optional<StringRequest> request;
    // The window's own texts: as shown (UTF-8), and the question's icon.
    std::string utf8;
    QuestionIcon icon = QuestionIcon::Question;
  };

  void QueueReply(Reply r) { m_replies.push_back(r); }
  void QueueString(std::optional<std::string> s) { m_strings.push_back(std::move(s)); }

  const std::vector<Shown>& Log() const { return m_log; }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const auto& s : m_log) t.push_back(s.text);
    return t;
  }
  int Unscripted() const { return m_unscripted; }
  void ClearLog() { m_log.clear(); }

  void ShowMessage(std::string_view text, MessageKind kind, std::string_view caption) override {
    m_log.push_back({Kind::Message, std::string(text), std::string(caption), kind, std::nullopt, {}, {}});
  }

  Reply Ask(std::string_view text, QuestionButtons buttons, std::string_view caption) override {
    m_log.push_back(
        {Kind::Question, std::string(text), std::string(caption), MessageKind::Information, std::nullopt, {}, {}});
    if (m_replies.empty()) {
      ++m_unscripted;
      return buttons == QuestionButtons::YesNo ? Reply::No : Reply::Cancel;
    }
    const Reply r = m_replies.front();
    m_replies.pop_front();
    // A Yes/No box has no Cancel button; its close box answers No.
    return buttons == QuestionButtons::YesNo && r == Reply::Cancel ? Reply::No : r;
  }

  void ShowMessageUtf8(std::string_view text, MessageKind kind) override {
    ShowMessage(SjisShowingTheRest(text), kind, {});
    m_log.back().utf8 = std::string(text);
  }

  Reply AskUtf8(std::string_view text, QuestionButtons buttons, QuestionIcon icon) override {
    const Reply r = Ask(SjisShowingTheRest(text), buttons, {});
    m_log.back().utf8 = std::string(text);
    m_log.back().icon = icon;
    return r;
  }

  std::optional<std::string> AskString(const StringRequest& request) override {
    m_log.push_back({Kind::Input, request.label, request.title, MessageKind::Information, request, {}, {}});
    if (m_strings.empty()) {
      ++m_unscripted;
      return std::nullopt;
    }
    auto s = std::move(m_strings.front());
    m_strings.pop_front();
    return s;
  }

 private:
  std::deque<Reply> m_replies;
  std::deque<std::optional<std::string>> m_strings;
  std::vector<Shown> m_log;
  int m_unscripted = 0;
};

}  // namespace mw
