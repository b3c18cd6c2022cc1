#include "core/dialogs/word_list_dialog.h"

#include <algorithm>
#include <filesystem>

#include "core/app/data_folder.h"
#include "core/app/document_file.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialog.h"
#include "core/editing/insertion.h"
#include "core/text/messages.h"

namespace mw {

namespace {

}  // namespace

const std::vector<std::string>& BuiltInPreStrings() {
  static const std::vector<std::string> items = {
      "<P>",  "<LI>",  "> ",    MessageSjis(Msg::QuotePrefix), "| ",     "'n': ", "'n'. ",
      "'n') ", "('n') ", "&lt; ", "&gt; ",                    "&amp; ", "&quot; ",
  };
  return items;
}

WordListDialog::WordListDialog(WordListMode mode, std::string dataFolder)
    : m_mode(mode), m_folder(std::move(dataFolder)) {
  if (m_mode == WordListMode::Single) return;
  const std::string path = FilePath();
  const bool exists = !path.empty() && std::filesystem::exists(path);
  if (exists) m_items = LoadListFile(path);
  if (!exists && m_mode == WordListMode::PreString) m_items = BuiltInPreStrings();
  if (!m_items.empty()) {
    chosen = 0;
    text = m_items.front();
  }
}

std::string WordListDialog::FilePath() const {
  if (m_folder.empty()) return {};
  return DataFilePath(m_folder, m_mode == WordListMode::PreString ? kPreStringName : kBookMarkName);
}

void WordListDialog::MoveToTop(std::size_t i) {
  std::string item = std::move(m_items[i]);
  m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
  m_items.insert(m_items.begin(), std::move(item));
  chosen = 0;
}

void WordListDialog::Add() {
  const auto it = std::find(m_items.begin(), m_items.end(), text);
  if (it != m_items.end()) {
    MoveToTop(static_cast<std::size_t>(it - m_items.begin()));
  } else {
    m_items.insert(m_items.begin(), text);
    chosen = 0;
  }
  Save();
}

std::optional<std::string> WordListDialog::Delete() {
  if (chosen < 0 || chosen >= static_cast<int>(m_items.size()))
    return MessageSjis(Msg::WordListNothingChosen);
  m_items.erase(m_items.begin() + chosen);
  chosen = m_items.empty() ? -1 : 0;
  text = m_items.empty() ? std::string() : m_items.front();
  Save();
  return std::nullopt;
}

void WordListDialog::Ok() {
  if (m_mode == WordListMode::Single) return;
  const auto it = std::find(m_items.begin(), m_items.end(), text);
  if (it != m_items.end()) MoveToTop(static_cast<std::size_t>(it - m_items.begin()));
  if (!m_items.empty()) Save();
}

void WordListDialog::Save() const {
  const std::string path = FilePath();
  if (path.empty()) return;
  std::string bytes;
  for (const auto& item : m_items) bytes += item + "\r\n";
  WriteFileAtomic(path, bytes);
}

DialogFields WordListDialog::Fields() const {
  DialogFields f;
  f.Set(kFieldCaption, MessageSjis(Msg::WordListDlgCaption));
  f.Set(kFieldMode, std::to_string(static_cast<int>(m_mode)));
  f.Set("cbStr", text);
  f.SetIndex("cbStr#index", chosen);
  SetItems(f, "cbStr", m_items);
  return f;
}

void WordListDialog::FromFields(const DialogFields& f) {
  // The window's list buttons save as they go: the list it hands back is
  // the one OK must keep, not the one read when the dialog opened.
  if (m_mode != WordListMode::Single && f.Has(ItemsKey("cbStr")))
    m_items = f.Get(ItemsKey("cbStr")).empty() ? std::vector<std::string>{} : GetItems(f, "cbStr");
  text = f.Get("cbStr");
  // A chosen item whose text was then changed is no longer chosen.
  const int i = f.Index("cbStr#index", -1);
  chosen = i >= 0 && i < static_cast<int>(m_items.size()) && m_items[static_cast<std::size_t>(i)] == text ? i : -1;
}

void InsertRegisteredWord(EditingContext& ctx, const std::string& dataFolder) {
  if (!ctx.dialogs) return;
  WordListDialog d(WordListMode::BookMark, dataFolder);
  DialogFields f = d.Fields();
  if (!ctx.dialogs->Run(kWordListDialogClass, f)) return;
  d.FromFields(f);
  d.Ok();
  UndoStep step(ctx.Editor());
  InsertPlain(ctx, d.text);
}

std::optional<std::string> AskWithWordList(DialogHost& host, const StringRequest& request,
                                           const std::string& dataFolder) {
  const WordListMode mode = request.mode == InputMode::PhraseList  ? WordListMode::PreString
                            : request.mode == InputMode::Bookmarks ? WordListMode::BookMark
                                                                   : WordListMode::Single;
  WordListDialog d(mode, dataFolder);
  DialogFields f = d.Fields();
  if (!request.title.empty()) f.Set(kFieldCaption, request.title);
  if (!request.label.empty()) f.Set("lbStr", request.label);
  if (mode == WordListMode::Single) SetItems(f, "cbStr", request.choices);
  f.Set("cbStr", request.text);
  f.SetIndex("cbStr#index", -1);
  if (!host.Run(kWordListDialogClass, f)) return std::nullopt;
  d.FromFields(f);
  d.Ok();
  return d.text;
}

}  // namespace mw
