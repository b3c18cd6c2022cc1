#include "core/dialogs/skeleton_dialog.h"

#include "core/dialogs/dialog_actions.h"

#include "core/app/data_folder.h"
#include "core/app/ini_file.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/gradation.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_text.h"
#include "core/text/encoding.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

constexpr std::string_view kDefaultVersion = "-//W3C//DTD HTML 4.01 Transitional//EN";
constexpr int kBodyRowsAt = 7;

// The "基本" page first (no attribute of BODY: the build writes them where
// they belong), then the BODY page in the order its attributes are written.
constexpr Binding kRows[] = {
    Combo("cbVersion", {}, "バージョン情報(&V)",
          "-//IETF//DTD HTML//EN\n-//W3C//DTD HTML 3.2 Final//EN\n-//W3C//DTD HTML 4.01//EN\n"
          "-//W3C//DTD HTML 4.01 Transitional//EN\n-//W3C//DTD HTML 4.01 Frameset//EN")
        .Starts(kDefaultVersion),
    Text("edTitle", {}, "タイトル(&T)"),
    Text("edURL", {}, "基準パス(&U)").Ref(Msg::HtmlFileFilter),
    Text("edStyleSheet", {}, "スタイルシート(&Y)").Ref(Msg::StyleSheetFileFilter),
    Radio("rgSize", {}, "標準ﾌｫﾝﾄ(&F)", "1\n2\n3\n4\n5\n6\n7", 2),
    Combo("cbCharSet", {}, "文字コード　(&Charset)", "SHIFT_JIS\nISO-2022-JP\nEUC-JP\nX-SJIS").Starts("SHIFT_JIS"),
    Combo("cbLang", {}, "言語(&LANG)", kLangItems),
    // BODY
    Combo("cbStyle", "STYLE", "BODY のスタイル(&Y)", {}, ListSource::Styles),
    Colour("cbText", "TEXT", "テキスト全体の色(&T)").Buttons(0),
    Colour("cbBgColor", "BGCOLOR", "背景色(&B)").Buttons(1),
    Text("edBackGround", "BACKGROUND", "背景イメージ(&U)").Ref(Msg::ImageFileFilter),
    Colour("cbLink", "LINK", "未アクセスリンク色(&L)").Buttons(2).Boxed("gbLinkColor", "リンクの色(&C)"),
    Colour("cbVLink", "VLINK", "アクセス済みリンク色(&V)").Buttons(3).Boxed("gbLinkColor", "リンクの色(&C)"),
    Colour("cbALink", "ALINK", "アクティブリンク色(&A)").Buttons(4).Boxed("gbLinkColor", "リンクの色(&C)"),
    Handler("cbOnLoad", "onLoad"),
    Handler("cbOnUnload", "onUnload"),
};

constexpr std::span<const Binding> kBodyRows = std::span(kRows).subspan(kBodyRowsAt);

// The profile keys and the field each keeps (SIZE is the index of rgSize).
constexpr std::pair<std::string_view, std::string_view> kKeys[] = {
    {"VERSION", "cbVersion"},       {"CHARSET", "cbCharSet"}, {"LANG", "cbLang"},       {"TITLE", "edTitle"},
    {"onLoad", "cbOnLoad"},         {"onUnload", "cbOnUnload"}, {"BACKGROUND", "edBackGround"},
    {"URL", "edURL"},               {"STYLESHEET", "edStyleSheet"}, {"LINK", "cbLink"}, {"VLINK", "cbVLink"},
    {"ALINK", "cbALink"},           {"TEXT", "cbText"},       {"BGCOLOR", "cbBgColor"}, {"STYLE", "cbStyle"},
};

std::string BodyTag(const DialogFields& f, const EditingOptions& o) {
  TagWriter w(o);
  w.Open("BODY").Attributes(f, kBodyRows).Raw(">");
  return w.Text();
}

TagBuild BuildSkeleton(const DialogFields& f, const EditingOptions& o) {
  auto cased = [&](std::string_view t) { return ApplyTagCase(t, o); };
  std::string t;
  const std::string version = f.Get("cbVersion");
  if (!version.empty()) t += "<!DOCTYPE HTML PUBLIC \"" + version + "\">\r\n";
  TagWriter html(o);
  html.Open("HTML").Attr("LANG", f.Get("cbLang")).Raw(cased(">\r\n"));
  t += html.Text();
  t += cased("<HEAD>\r\n");
  const std::string charset = f.Get("cbCharSet");
  // The character set is fixed syntax here, lower-cased with the tags.
  if (!charset.empty())
    t += cased("<META HTTP-EQUIV=\"Content-Type\" ") + cased("CONTENT=\"text/html; charset=" + charset + "\">\r\n");
  t += cased("<TITLE>") + f.Get("edTitle") + cased("</TITLE>\r\n");
  if (const std::string url = f.Get("edURL"); !url.empty()) t += cased("<BASE HREF=\"") + url + "\">\r\n";
  if (const std::string sheet = f.Get("edStyleSheet"); !sheet.empty())
    t += cased("<LINK REL=\"stylesheet\" TYPE=\"text/css\" HREF=\"") + sheet + "\">\r\n";
  t += cased("</HEAD>\r\n");
  t += BodyTag(f, o) + "\r\n";
  TagBuild b;
  b.start = t;
  b.innerOffset = static_cast<Offset>(t.size());
  std::string rest;
  const int size = f.Index("rgSize", 2);
  if (size != 2 && size >= 0 && size < 7) rest += cased("<BASEFONT SIZE=\"") + std::to_string(size + 1) + "\">\r\n";
  rest += "\r\n" + cased("</BODY>\r\n") + cased("</HTML>\r\n");
  b.end = rest;
  // The author's selection goes inside the new BODY, where the caret would
  // be, instead of being replaced by the skeleton.
  b.preview = t + f.Get(kFieldSelText) + rest;
  return b;
}

constexpr std::string_view kUnreadInBody[] = {"cbVersion", "edTitle", "edURL", "edStyleSheet",
                                              "rgSize",    "cbCharSet", "cbLang"};
const ReEditSpec kBodySpec{"BODY", "BODY", {Msg::BodyReEditTitle}, {}, kUnreadInBody, true};

void SetProfileItems(DialogFields& f, const SkeletonProfiles& p) { SetItems(f, "cbProfile", p.Names()); }

// The profile controls: the model answers them, the host shows the fields;
// the other steps are those every dialog shares.
class SkeletonActions : public TagDialogActions {
 public:
  SkeletonActions(EditingContext& ctx)
      : TagDialogActions(ctx, kInitTagSetDlg), m_ctx(ctx), m_profiles(ctx.services.dataFolder) {}

  bool Take(const DialogStep& step, DialogFields& f) override {
    if (step.kind == DialogStep::Field && step.control == "cbProfile") {
      f.Set(step.control, step.value);
      const std::string name = f.Get("cbProfile");
      if (m_profiles.Has(name)) m_profiles.Load(name, f);
      return true;
    }
    if (step.kind == DialogStep::Press && Press(step.control, f)) return true;
    return TagDialogActions::Take(step, f);
  }

 private:
  bool Press(std::string_view button, DialogFields& f) {
    if (button == "SaveBtn") {
      const std::string name = f.Get("cbProfile");
      if (name.empty()) {
        Message(MessageSjis(Msg::ProfileNameMissing));
      } else {
        m_profiles.Save(name, f);
        SetProfileItems(f, m_profiles);
      }
    } else if (button == "DeleteBtn") {
      // No keeps the profile and the fields as they are.
      if (!m_ctx.prompts || m_ctx.prompts->Ask(MessageSjis(Msg::ProfileDeleteQuestion), QuestionButtons::YesNo) !=
                                Reply::Yes)
        return true;
      m_profiles.Erase(f.Get("cbProfile"));
      SetProfileItems(f, m_profiles);
      ResetSkeletonFields(f);
    } else if (button == "NewBtn") {
      ResetSkeletonFields(f);
    } else if (button == "FileSaveBtn") {
      if (m_ctx.services.saveDocument && m_ctx.services.saveDocument()) {
        f.Set("FileSaveBtn#visible", "0");
        f.Set("#documentSaved", "1");
      }
    } else {
      return false;
    }
    return true;
  }

  void Message(const std::string& text) {
    if (m_ctx.prompts) m_ctx.prompts->ShowMessage(text, MessageKind::Information);
  }
  EditingContext& m_ctx;
  SkeletonProfiles m_profiles;
};

// Fields every mode shows beside the rows: the profiles and the save button.
void AddProfileFields(const EditingContext& ctx, DialogFields& f) {
  const SkeletonProfiles profiles(ctx.services.dataFolder);
  SetProfileItems(f, profiles);
  const bool saved = ReferenceButtonEnabled(ctx.fileName);
  f.Set("FileSaveBtn#visible", saved ? "0" : "1");
}

}  // namespace

const TagDialogModel kInitTagSetDlg{"TInitTagSetDlg", {Msg::InitTagSetDlgCaption}, InsertWay::Own, kRows,
                                    BuildSkeleton};

std::span<const Binding> SkeletonBodyRows() { return kBodyRows; }

// --- Profiles -------------------------------------------------------------------

SkeletonProfiles::SkeletonProfiles(std::string dataFolder) : m_folder(std::move(dataFolder)) {}

std::string SkeletonProfiles::Path() const { return DataFilePath(m_folder, kInitTagSettingName); }

std::vector<std::string> SkeletonProfiles::Names() const {
  if (m_folder.empty()) return {};
  return IniFile::Load(Path()).Sections();
}

bool SkeletonProfiles::Has(std::string_view name) const {
  if (name.empty()) return false;
  for (const std::string& n : Names())
    if (EqualsNoCase(n, name)) return true;
  return false;
}

void SkeletonProfiles::Load(std::string_view name, DialogFields& f) const {
  const IniFile ini = IniFile::Load(Path());
  for (const auto& [key, control] : kKeys) f.Set(control, ini.GetString(name, key, ""));
  f.SetIndex("rgSize", ini.GetInt(name, "SIZE", 2, 0, 6));
}

void SkeletonProfiles::Save(std::string_view name, const DialogFields& f) const {
  if (m_folder.empty()) return;
  IniFile ini = IniFile::Load(Path());
  for (const auto& [key, control] : kKeys) ini.Set(name, key, f.Get(control));
  ini.SetInt(name, "SIZE", f.Index("rgSize", 2));
  ini.Save(Path());
}

void SkeletonProfiles::Erase(std::string_view name) const {
  if (m_folder.empty()) return;
  IniFile ini = IniFile::Load(Path());
  ini.EraseSection(name);
  ini.Save(Path());
}

void SkeletonProfiles::SaveCurrent(const DialogFields& f) const {
  if (m_folder.empty()) return;
  Save(kCurrentProfile, f);
  IniFile ini = IniFile::Load(Path());
  ini.Set(kCurrentProfile, "PROFILE", f.Get("cbProfile"));
  ini.Save(Path());
}

std::string SkeletonProfiles::LastUsed() const {
  if (m_folder.empty()) return {};
  return IniFile::Load(Path()).GetString(kCurrentProfile, "PROFILE", "");
}

void ResetSkeletonFields(DialogFields& f) {
  for (const std::string_view c : {"cbProfile", "edTitle", "edBackGround", "edURL", "edStyleSheet", "cbLink",
                                   "cbVLink", "cbALink", "cbText", "cbBgColor", "cbStyle"})
    f.Set(c, "");
  f.Set("cbVersion", std::string(kDefaultVersion));
  f.SetIndex("rgSize", 2);
}

DialogFields SkeletonFields(const EditingContext& ctx) {
  DialogFields f = CreateFields(kInitTagSetDlg, ctx.editor ? ctx.Editor().GetSelText() : std::string());
  AddProfileFields(ctx, f);
  const SkeletonProfiles profiles(ctx.services.dataFolder);
  const std::string last = profiles.LastUsed();
  f.Set("cbProfile", last);
  if (profiles.Has(last)) profiles.Load(last, f);
  kInitTagSetDlg.show(f, false);
  return f;
}

void InitTagSetCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  DialogFields f = SkeletonFields(ctx);
  SkeletonActions actions(ctx);
  f.actions = &actions;
  const DialogOutcome r = RunTagDialog(ctx, kInitTagSetDlg, std::move(f));
  if (!r.ok) return;
  UndoStep step(ctx.Editor());
  InsertWrapped(ctx, r.text, r.build.innerOffset);
}

void BodyReEdit(EditingContext& ctx, std::string_view tag) {
  if (!ctx.dialogs) return;
  DialogFields f = PresetFromTag(kInitTagSetDlg, kBodySpec, tag, ctx.options);
  AddProfileFields(ctx, f);
  const SkeletonProfiles profiles(ctx.services.dataFolder);
  f.Set("cbProfile", profiles.LastUsed());
  // Opened on the BODY page.
  f.Set("#page", "BodySheet");
  SkeletonActions actions(ctx);
  f.actions = &actions;
  const DialogOutcome r = RunTagDialog(ctx, kInitTagSetDlg, std::move(f));
  if (!r.ok) return;
  {
    UndoStep step(ctx.Editor());
    ReplaceSelection(ctx, r.text);
  }
  profiles.SaveCurrent(r.fields);
}

void RegisterSkeletonAndColourCommands(CommandRegistry& r) {
  SetReEditHandler("BODY", BodyReEdit);
  r.Add({"InitTagSetClick", [](EditingContext& ctx, std::string_view) { InitTagSetCommand(ctx); }});
  r.Add({"GradationClick", [](EditingContext& ctx, std::string_view) { GradationCommand(ctx); }});
  r.Add({"ColorPaletteClick", [](EditingContext& ctx, std::string_view) { ColourPaletteCommand(ctx); }});
  r.Add({"ColorFormClick", [](EditingContext& ctx, std::string_view) { ColourNameCommand(ctx); }});
}

}  // namespace mw
