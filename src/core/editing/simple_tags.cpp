#include "core/editing/simple_tags.h"

#include <cstdio>
#include <iterator>

#include "core/editing/dialog_services.h"
#include "core/editing/command_groups.h"
#include "core/editing/command_registry.h"
#include "core/editing/insertion.h"
#include "core/editing/simple_tag_dialog.h"
#include "core/editing/tag_scan.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr SimpleTagEntry kSimpleTags[] = {
    // ルートエレメント<HTML></HTML>：　省略可
    {"HTMLTagClick", "HTML", "\x83\x8B\x81\x5B\x83\x67\x83\x47\x83\x8C\x83\x81\x83\x93\x83\x67<HTML></HTML>\x81\x46\x81\x40\x8F\xC8\x97\xAA\x89\xC2"},
    // 文書タイトル<TITLE></TITLE>：　必須
    {"TITLETagClick", "TITLE", "\x95\xB6\x8F\x91\x83\x5E\x83\x43\x83\x67\x83\x8B<TITLE></TITLE>\x81\x46\x81\x40\x95\x4B\x90\x7B"},
    // ヘッダ<HEAD></HEAD>
    {"HEADTagClick", "HEAD", "\x83\x77\x83\x62\x83\x5F<HEAD></HEAD>"},
    // 文書本体<BODY></BODY>：　省略可
    {"BODYTagClick", "BODY", "\x95\xB6\x8F\x91\x96\x7B\x91\xCC<BODY></BODY>\x81\x46\x81\x40\x8F\xC8\x97\xAA\x89\xC2"},
    // 第一段見出し<H1></H1>：　ブロックレベル
    {"H1Click", "H1", "\x91\xE6\x88\xEA\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H1></H1>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 第二段見出し<H2></H2>：　ブロックレベル
    {"H2Click", "H2", "\x91\xE6\x93\xF1\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H2></H2>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 第三段見出し<H3></H3>：　ブロックレベル
    {"H3Click", "H3", "\x91\xE6\x8E\x4F\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H3></H3>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 第四段見出し<H4></H4>：　ブロックレベル
    {"H4Click", "H4", "\x91\xE6\x8E\x6C\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H4></H4>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 第五段見出し<H5></H5>：　ブロックレベル
    {"H5Click", "H5", "\x91\xE6\x8C\xDC\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H5></H5>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 第六段見出し<H6></H6>：　ブロックレベル
    {"H6Click", "H6", "\x91\xE6\x98\x5A\x92\x69\x8C\xA9\x8F\x6F\x82\xB5<H6></H6>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 中央そろえ<CENTER></CENTER>：　ブロックレベル
    {"CENTERClick", "CENTER", "\x92\x86\x89\x9B\x82\xBB\x82\xEB\x82\xA6<CENTER></CENTER>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // ボールド<B></B>：　インライン
    {"BClick", "B", "\x83\x7B\x81\x5B\x83\x8B\x83\x68<B></B>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // イタリック<I></I>：　インライン
    {"IClick", "I", "\x83\x43\x83\x5E\x83\x8A\x83\x62\x83\x4E<I></I>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 下線<U></U>：　インライン
    {"UClick", "U", "\x89\xBA\x90\xFC<U></U>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 等幅フォント<TT></TT>：　インライン
    {"TTClick", "TT", "\x93\x99\x95\x9D\x83\x74\x83\x48\x83\x93\x83\x67<TT></TT>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 打ち消し線<STRIKE></STRIKE>：　インライン
    {"STRIKEClick", "STRIKE", "\x91\xC5\x82\xBF\x8F\xC1\x82\xB5\x90\xFC<STRIKE></STRIKE>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 打ち消し線<S></S>：　インライン
    {"SClick", "S", "\x91\xC5\x82\xBF\x8F\xC1\x82\xB5\x90\xFC<S></S>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 上付き文字<SUP></SUP>：　インライン
    {"SUPClick", "SUP", "\x8F\xE3\x95\x74\x82\xAB\x95\xB6\x8E\x9A<SUP></SUP>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 下付き文字<SUB></SUB>：　インライン
    {"SUBClick", "SUB", "\x89\xBA\x95\x74\x82\xAB\x95\xB6\x8E\x9A<SUB></SUB>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 大きいフォント<BIG></BIG>：　インライン
    {"BIGClick", "BIG", "\x91\xE5\x82\xAB\x82\xA2\x83\x74\x83\x48\x83\x93\x83\x67<BIG></BIG>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 小さいフォント<SMALL></SMALL>：　インライン
    {"SMALLClick", "SMALL", "\x8F\xAC\x82\xB3\x82\xA2\x83\x74\x83\x48\x83\x93\x83\x67<SMALL></SMALL>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 著者の情報<ADDRESS></ADDRESS>：　ブロックレベル
    {"ADDRESSClick", "ADDRESS", "\x92\x98\x8E\xD2\x82\xCC\x8F\xEE\x95\xF1<ADDRESS></ADDRESS>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // コンピュータコード<CODE></CODE>：　インライン
    {"CODEClick", "CODE", "\x83\x52\x83\x93\x83\x73\x83\x85\x81\x5B\x83\x5E\x83\x52\x81\x5B\x83\x68<CODE></CODE>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 参考文献<CITE></CITE>：　インライン
    {"CITEClick", "CITE", "\x8E\x51\x8D\x6C\x95\xB6\x8C\xA3<CITE></CITE>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 例示定義<DFN></DFN>：　インライン
    {"DFNClick", "DFN", "\x97\xE1\x8E\xA6\x92\xE8\x8B\x60<DFN></DFN>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // ユーザ入力テキスト<KBD></KBD>：　インライン
    {"KBDClick", "KBD", "\x83\x86\x81\x5B\x83\x55\x93\xFC\x97\xCD\x83\x65\x83\x4C\x83\x58\x83\x67<KBD></KBD>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // サンプルプログラム<SAMP></SAMP>：　インライン
    {"SAMPClick", "SAMP", "\x83\x54\x83\x93\x83\x76\x83\x8B\x83\x76\x83\x8D\x83\x4F\x83\x89\x83\x80<SAMP></SAMP>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 変数<VAR></VAR>：　インライン
    {"VARClick", "VAR", "\x95\xCF\x90\x94<VAR></VAR>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 引用文<BLOCKQUOTE></BLOCKQUOTE>：　ブロックレベル
    {"BLOCKQUOTEClick", "BLOCKQUOTE", "\x88\xF8\x97\x70\x95\xB6<BLOCKQUOTE></BLOCKQUOTE>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // そのまま表示<PRE></PRE>：　ブロックレベル
    {"PREClick", "PRE", "\x82\xBB\x82\xCC\x82\xDC\x82\xDC\x95\x5C\x8E\xA6<PRE></PRE>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // 強調<EM></EM>：　インライン
    {"EMClick", "EM", "\x8B\xAD\x92\xB2<EM></EM>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // 強い強調<STRONG></STRONG>：　インライン
    {"STRONGClick", "STRONG", "\x8B\xAD\x82\xA2\x8B\xAD\x92\xB2<STRONG></STRONG>\x81\x46\x81\x40\x83\x43\x83\x93\x83\x89\x83\x43\x83\x93"},
    // フレーム非表示時<NOFRAMES></NOFRAMES>：　ブロックレベル
    {"NOFRAMESClick", "NOFRAMES", "\x83\x74\x83\x8C\x81\x5B\x83\x80\x94\xF1\x95\x5C\x8E\xA6\x8E\x9E<NOFRAMES></NOFRAMES>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // スクリプト代替文書<NOSCRIPT></NOSCRIPT>：　ブロックレベル
    {"NOSCRIPTClick", "NOSCRIPT", "\x83\x58\x83\x4E\x83\x8A\x83\x76\x83\x67\x91\xE3\x91\xD6\x95\xB6\x8F\x91<NOSCRIPT></NOSCRIPT>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
};

constexpr ListTagEntry kListTags[] = {
    // 定義型リスト<DL></DL>：　ブロックレベル
    {"DLClick", "DL", "\r\n<DT>", "\r\n<DD>\r\n",
     "\x92\xE8\x8B\x60\x8C\x5E\x83\x8A\x83\x58\x83\x67<DL></DL>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // ディレクトリリスト<DIR></DIR>：　ブロックレベル
    {"DIRClick", "DIR", "\r\n<LI>", "\r\n",
     "\x83\x66\x83\x42\x83\x8C\x83\x4E\x83\x67\x83\x8A\x83\x8A\x83\x58\x83\x67<DIR></DIR>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
    // メニューリリスト<MENU></MENU>：　ブロックレベル
    {"MENUClick", "MENU", "\r\n<LI>", "\r\n",
     "\x83\x81\x83\x6A\x83\x85\x81\x5B\x83\x8A\x83\x8A\x83\x58\x83\x67<MENU></MENU>\x81\x46\x81\x40\x83\x75\x83\x8D\x83\x62\x83\x4E\x83\x8C\x83\x78\x83\x8B"},
};

constexpr std::string_view kEventHandlers[] = {
    "onClick",     "onDblClick", "onMouseDown", "onMouseUp", "onMouseOver",
    "onMouseMove", "onMouseOut", "onKeyPress",  "onKeyDown", "onKeyUp",
};
constexpr std::string_view kCommonAttributes[] = {"ID", "CLASS", "STYLE", "TITLE", "LANG", "DIR"};

// "の挿入"
constexpr std::string_view kInsertTitleSuffix = "\x82\xCC\x91\x7D\x93\xFC";
// "属性・イベントハンドラの記述: "
constexpr std::string_view kAttributeLabel =
    "\x91\xAE\x90\xAB\x81\x45\x83\x43\x83\x78\x83\x93\x83\x67\x83\x6E\x83\x93\x83\x68\x83\x89"
    "\x82\xCC\x8B\x4C\x8F\x71: ";

std::string StartTextOf(std::string_view name) { return "<" + std::string(name) + ">"; }
std::string EndTextOf(std::string_view name) { return "</" + std::string(name) + ">"; }

// Wraps directly, or through the simple-tag dialog; the selection is
// already where the command wants it.
void WrapOrAsk(EditingContext& ctx, std::string_view name, std::string_view startText,
               std::string_view innerEnd, std::string_view innerStart, std::string_view caption,
               std::string_view endText) {
  EditorSurface& e = ctx.Editor();
  const EditingOptions& o = ctx.options;
  if (o.directTagInsert) {
    WrapSelection(ctx, ApplyTagCase(name, o));
    SetRepeatTag(ctx, ApplyTagCase(startText, o), ApplyTagCase(endText, o));
    e.SetFocus();
    return;
  }
  if (ctx.dialogs == nullptr) return;
  SimpleTagDialog d;
  d.caption = std::string(caption);
  d.name = ApplyTagCase(name, o);
  d.innerStart = ApplyTagCase(innerStart, o);
  d.innerEnd = ApplyTagCase(innerEnd, o);
  d.selText = e.GetSelText();
  DialogFields f = SimpleTagFields(d, o);
  FillCommonItemLists(f, ctx.services, e.GetText());
  const std::string presetPreview = f.Get("reTag");
  const bool ok = ctx.dialogs->Run(kSimpleTagDialogClass, f);
  e.SetFocus();
  if (!ok) return;
  // The command's own texts stand; only the attributes and the preview
  // come back from the author.
  SimpleTagDialog back = SimpleTagFromFields(f);
  back.caption = d.caption;
  back.name = d.name;
  back.innerStart = d.innerStart;
  back.innerEnd = d.innerEnd;
  back.selText = d.selText;
  back.wrap = true;
  const SimpleTagBuild b = BuildSimpleTag(back, o);
  // A preview the author edited by hand is inserted as it stands; one left
  // as preset follows the fields.
  const std::string returned = f.Get("reTag", presetPreview);
  const std::string& text = returned != presetPreview ? returned : b.preview;
  SetRepeatTag(ctx, b.startText, b.endText);
  InsertWrapped(ctx, text, b.innerOffset);
}

char LowerLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string TwoDigits(int v) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d", v);
  return buf;
}

void InsertNow(EditingContext& ctx, const std::string& format) {
  const std::time_t t = ctx.now();
  std::tm local{};
  localtime_r(&t, &local);
  UndoStep step(ctx.Editor());
  InsertPlain(ctx, FormatDateTime(format, local));
}

}  // namespace

std::span<const SimpleTagEntry> SimpleTagTable() { return kSimpleTags; }

bool IsDocumentTag(const SimpleTagEntry& entry) { return entry.command.ends_with("TagClick"); }
std::span<const ListTagEntry> ListTagTable() { return kListTags; }
std::span<const std::string_view> EventHandlerCaptions() { return kEventHandlers; }
std::span<const std::string_view> CommonAttributeCaptions() { return kCommonAttributes; }

const SimpleTagEntry* FindSimpleTag(std::string_view name) {
  for (const auto& entry : kSimpleTags)
    if (entry.name == name) return &entry;
  return nullptr;
}

void SimpleTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                     std::string_view caption, std::string_view endText) {
  UndoStep step(ctx.Editor());
  AutoSelect(ctx);
  WrapOrAsk(ctx, name, startText, {}, {}, caption, endText);
}

void ListTagInsert(EditingContext& ctx, std::string_view name, std::string_view startText,
                   std::string_view innerEnd, std::string_view innerStart,
                   std::string_view caption, std::string_view endText) {
  UndoStep step(ctx.Editor());
  WrapOrAsk(ctx, name, startText, innerEnd, innerStart, caption, endText);
}

void InsertBreak(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const std::string text = ApplyTagCase("<BR>", ctx.options);
  ReplaceSelection(ctx, text);
  SetRepeatTag(ctx, text, "");
  if (e.GetSelLength() > 0) e.SetSelStart(e.GetSelStart() + e.GetSelLength());
}

void InsertSingleTag(EditingContext& ctx, std::string_view tag) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const std::string text = ApplyTagCase(tag, ctx.options);
  ReplaceSelection(ctx, text);
  SetRepeatTag(ctx, text, "");
  e.SetFocus();
}

void InsertCharacterReference(EditingContext& ctx, std::string_view reference) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Offset s0 = e.GetSelStart();
  ReplaceSelection(ctx, reference);
  e.SetSelStart(s0 + static_cast<Offset>(reference.size()));
}

void InsertComment(EditingContext& ctx) {
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  AutoSelect(ctx);
  const Offset s0 = e.GetSelStart();
  {
    UpdateSuspension quiet(e);
    const std::string text = "<!--" + e.GetSelText() + "-->";
    // A comment is shown whole in the special font, not coloured as tags.
    e.SetTypingFormat(ctx.Font(FontClass::Special));
    e.SetSelText(text);
    SetRepeatTag(ctx, "<!--", "-->");
    e.SetSelStart(s0 + static_cast<Offset>(text.size()));
  }
  e.SetFocus();
}

std::string FormatDateTime(std::string_view format, const std::tm& t) {
  std::string out;
  bool afterHour = false;
  for (std::size_t i = 0; i < format.size();) {
    const std::size_t n = CharLength(format, i);
    const char c = n == 1 ? LowerLetter(format[i]) : '\0';
    if (c != 'y' && c != 'm' && c != 'd' && c != 'h' && c != 'n' && c != 's') {
      out.append(format.substr(i, n));
      i += n;
      continue;
    }
    std::size_t run = 1;
    const std::size_t most = c == 'y' ? 4 : 2;
    while (run < most && i + run < format.size() && LowerLetter(format[i + run]) == c) ++run;
    i += run;
    int v = 0;
    switch (c) {
      case 'y':
        v = t.tm_year + 1900;
        out += run > 2 ? std::to_string(v) : TwoDigits(v % 100);
        afterHour = false;
        continue;
      case 'm': v = afterHour ? t.tm_min : t.tm_mon + 1; break;
      case 'd': v = t.tm_mday; break;
      case 'h': v = t.tm_hour; break;
      case 'n': v = t.tm_min; break;
      default: v = t.tm_sec; break;
    }
    afterHour = c == 'h';
    out += run == 2 ? TwoDigits(v) : std::to_string(v);
  }
  return out;
}

void InsertDate(EditingContext& ctx) { InsertNow(ctx, ctx.options.dateFormat); }
void InsertTime(EditingContext& ctx) { InsertNow(ctx, ctx.options.timeFormat); }

void InsertAttribute(EditingContext& ctx, std::string_view caption,
                     std::span<const std::string> styleChoices) {
  if (caption.empty() || ctx.prompts == nullptr) return;
  StringRequest ask;
  ask.mode = InputMode::Plain;
  ask.title = std::string(caption) + std::string(kInsertTitleSuffix);
  ask.label = std::string(kAttributeLabel) + std::string(caption) + "=\"...\"";
  if (caption == "LANG") ask.choices.assign(std::begin(kLangChoices), std::end(kLangChoices));
  if (caption == "STYLE") ask.choices.assign(styleChoices.begin(), styleChoices.end());
  const auto typed = ctx.prompts->AskString(ask);
  if (!typed) return;
  EditorSurface& e = ctx.Editor();
  UndoStep step(e);
  const Offset s0 = e.GetSelStart();
  const std::string text = ApplyTagCase(caption, ctx.options) + "=\"" + *typed + "\"";
  InsertPlain(ctx, text);
  // The author goes on typing the value, whatever the caret policy.
  e.SetSelStart(s0 + static_cast<Offset>(text.size()) - 1);
}

void RegisterSimpleTagCommands(CommandRegistry& r) {
  for (const SimpleTagEntry& entry : kSimpleTags) {
    // HTML, TITLE, HEAD and BODY re-edit an existing tag in its dialog;
    // the tag dialogs register them.
    if (IsDocumentTag(entry)) continue;
    r.Add({std::string(entry.command), [&entry](EditingContext& ctx, std::string_view) {
             SimpleTagInsert(ctx, entry.name, StartTextOf(entry.name), entry.caption, EndTextOf(entry.name));
           }});
  }
  for (const ListTagEntry& entry : kListTags) {
    r.Add({std::string(entry.command), [&entry](EditingContext& ctx, std::string_view) {
             ListTagInsert(ctx, entry.name, StartTextOf(entry.name), entry.innerEnd, entry.innerStart,
                           entry.caption, EndTextOf(entry.name));
           }});
  }
  r.Add({"BRClick", [](EditingContext& ctx, std::string_view) { InsertBreak(ctx); }});
  const std::pair<const char*, const char*> singles[] = {
      {"LIClick", "<LI>"}, {"DTClick", "<DT>"}, {"DDClick", "<DD>"}};
  for (const auto& [command, tag] : singles)
    r.Add({command, [tag = tag](EditingContext& ctx, std::string_view) { InsertSingleTag(ctx, tag); }});
  const std::pair<const char*, const char*> references[] = {
      {"LTClick", "&lt;"},     {"GTClick", "&gt;"},          {"QuoteClick", "&quot;"},
      {"AndClick", "&amp;"},   {"HalfSpaceClick", "&nbsp;"},
  };
  for (const auto& [command, ref] : references)
    r.Add({command, [ref = ref](EditingContext& ctx, std::string_view) { InsertCharacterReference(ctx, ref); }});
  r.Add({"COMMENT1Click", [](EditingContext& ctx, std::string_view) { InsertComment(ctx); }});
  r.Add({"InsertDateClick", [](EditingContext& ctx, std::string_view) { InsertDate(ctx); }});
  r.Add({"InsertTimeClick", [](EditingContext& ctx, std::string_view) { InsertTime(ctx); }});
  // One handler for the event-handler and common-attribute items; the
  // item's caption is the attribute.
  r.Add({"onClick1Click", [](EditingContext& ctx, std::string_view caption) { InsertAttribute(ctx, caption); }});
}

}  // namespace mw
