#include "gui/app/command_table.h"

#include <array>

namespace mw::gui {
namespace {

constexpr CommandRow Row(std::string_view id, std::string_view caption, std::string_view handler,
                         std::string_view key, bool modifies) {
  return CommandRow{id, caption, key, handler, {}, modifies, CheckKind::None, {}};
}
constexpr CommandRow Shared(std::string_view id, std::string_view caption, std::string_view handler,
                            std::string_view arg, bool modifies) {
  return CommandRow{id, caption, {}, handler, arg, modifies, CheckKind::None, {}};
}
constexpr CommandRow Toggle(std::string_view id, std::string_view caption, std::string_view handler,
                            bool checked) {
  return CommandRow{id, caption, {}, handler, {}, false, checked ? CheckKind::Checked : CheckKind::Unchecked, {}};
}
// Radio items pass their own name, so one handler knows which was clicked.
constexpr CommandRow Radio(std::string_view id, std::string_view caption, std::string_view handler,
                           std::string_view group, bool checked) {
  return CommandRow{id, caption, {}, handler, id, false,
                    checked ? CheckKind::Checked : CheckKind::Unchecked, group};
}

// N: leaves the text alone; T: changes it. K variants carry a default key.
#define N(id, cap) Row(#id, cap, #id "Click", {}, false)
#define NK(id, cap, key) Row(#id, cap, #id "Click", key, false)
#define T(id, cap) Row(#id, cap, #id "Click", {}, true)
#define TK(id, cap, key) Row(#id, cap, #id "Click", key, true)

constexpr auto kCommands = std::to_array<CommandRow>({
    // File
    NK(FileNew, "新規作成(&N)", "Ctrl+N"),
    N(FileDuplicate, "複製して新規作成(&C)"),
    NK(FileOpen, "開く(&O)...", "Ctrl+O"),
    N(ProjetOpen, "プロジェクトを開く(&W)"),
    N(ReturnToPrevFile, "ファイル履歴をひとつ戻る(&B)"),
    NK(FileSave, "上書き保存(&S)", "Ctrl+S"),
    N(FileSaveAll, "すべて保存(&L)"),
    N(FileSaveAs, "名前を付けて保存(&A)..."),
    N(TemplateOpen, "テンプレートを開く(&T)"),
    N(TemplateSave, "テンプレートとして保存(&U)"),
    N(FileClose, "閉じる(&C)"),
    N(FileCloseAll, "すべて閉じる(&D)"),
    N(FileCloseOthers, "これ以外を閉じる(&K)"),
    NK(MoveToNextFile, "次のファイルへ(&T)", "Ctrl+Tab"),
    NK(MoveToPrevFile, "前のファイルへ(&V)", "Ctrl+Shift+Tab"),
    N(FilePrint, "印刷(&P)..."),
    N(FileExit, "終了(&X)"),
    // Edit
    TK(EditUndo, "元に戻す(&U)", "Ctrl+Z"),
    TK(EditCut, "切り取り(&T)", "Ctrl+X"),
    NK(EditCopy, "コピー(&C)", "Ctrl+C"),
    TK(EditPaste, "貼り付け(&P)", "Ctrl+V"),
    NK(SelectAll, "すべて選択(&L)", "Ctrl+A"),
    T(BackSpace, "バックスペース(&B)"),
    T(PasteWithTagFont, "フォントを区別して(&F)"),
    T(PasteAfterTransform, "特殊文字を変換して(&T)"),
    T(PasteWithBR, "改行に<BR>を付けて(&B)"),
    T(PasteWithStr, "文頭に文字を付けて(&S)"),
    T(PasteWithPRE, "<PRE>で囲んで(&P)"),
    T(PasteCode, "ソースコードとして(&C)"),
    N(SelectAutoRange, "自動選択(&A)"),
    N(SelectPreviousTag, "タグを前方にサーチ(&L)"),
    N(SelectNextTag, "タグを後方にサーチ(&N)"),
    N(SelectPreviousTagRange, "タグ範囲を前方にサーチ(&M)"),
    N(SelectNextTagRange, "タグ範囲を後方にサーチ(&O)"),
    N(SelectPreviousParameter, "パラメータを前方にサーチ(&P)"),
    N(SelectNextParameter, "パラメータを後方にサーチ(&Q)"),
    N(SelectPreviousText, "本文を前方にサーチ(&U)"),
    N(SelectNextText, "本文を後方にサーチ(&V)"),
    N(SelectRow, "現在の行全体(&R)"),
    N(SelectFromRowStart, "行頭まで(&T)"),
    N(SelectToRowEnd, "行末まで(&B)"),
    N(SelectFromStart, "文章頭まで(&H)"),
    N(SelectToEnd, "文章末まで(&E)"),
    T(InsertCite, "引用符を付ける(&Q)"),
    T(InsertStrAtTop, "文頭に設定した文字を挿入(&T)"),
    T(LFtoBR, "改行時に<BR>を挿入(&B)"),
    T(TransformSpecialChar, "特殊文字を文字参照に(&C)"),
    T(ReverseSpecialChar, "文字参照を特殊文字に(&R)"),
    T(TabToSpace, "タブをスペースに(&A)"),
    T(TransformSpace, "スペースを&&nbsp;に(&S)"),
    T(ReverseSpace, "&&nbsp;をスペースに(&P)"),
    T(UpperCase1, "大文字に(&U)"),
    T(LowerCase1, "小文字に(&L)"),
    T(DeleteOuterTag, "外側のタグを消去(&O)"),
    T(DeleteAllTag, "タグを消去(&D)"),
    T(DeleteText, "本文を消去(&X)"),
    T(DeleteTabSpace, "文頭文末のタブとスペース消去(&W)"),
    T(DeleteReturn, "改行を消去(&E)"),
    T(InsertLF, "改行を挿入(&I)"),
    T(HankakuKanaToZenkaku, "半角カナを全角に(&Z)"),
    T(ZenkakuKigoToHankaku, "全角記号を半角に(&H)"),
    T(Gradation, "グラデーション化(&G)"),
    N(JumpToTop, "文章頭へ(&S)"),
    N(JumpToBottom, "文章末へ(&E)"),
    N(JumpToLineNumber, "指定行へ(&L)"),
    N(JumpToHeadStart, "<HEAD>直後(&H)"),
    N(JumpToHeadEnd, "</HEAD>直前(&I)"),
    N(JumpToBodyStart, "<BODY>直後(&B)"),
    N(JumpToBodyEnd, "</BODY>直前(&C)"),
    N(JumpToBodyTag, "<BODY>タグ内(&D)"),
    T(InsertFile, "そのまま(&A)"),
    T(InsertFileAfterTransform, "特殊文字を変換して(&T)"),
    T(InsertFileWithBR, "改行に<BR>を付けて(&B)"),
    T(InsertFileWithPRE, "<PRE>で囲んで(&P)"),
    T(InsertDate, "今日の日付(&D)"),
    T(InsertTime, "現在の時刻(&T)"),
    T(ColorPalette, "カラーパレット(&P)..."),
    T(ColorForm, "カラー入力ウインドウ(&W)..."),
    T(InsertURL, "URL等の登録語(&U)..."),
    T(JumpAndInsert, "ジャンプ＆挿入(&J)..."),
    N(RegisterFromSelText, "選択テキストから(&S)"),
    N(RegisterFromClipboard, "クリップボードから(&C)"),
    N(RegisterJFromSelText, "選択テキストから(&S)"),
    N(RegisterJFromClipboard, "クリップボードから(&C)"),
    NK(EditFind, "検索(&F)", "Ctrl+F"),
    Row("FindNext1", "次を検索(&N)", "FindDialog1Find", "F3", false),
    TK(EditReplace, "置換(&R)", "Ctrl+R"),
    TK(Indent, "インデント(&I)", "Ctrl+Shift+I"),
    TK(UnIndent, "インデント解除(&U)", "Ctrl+Shift+U"),
    T(mToShiftJIS, "Shift-JISコードに(&S)"),
    T(mToJIS, "JISコードに(&J)"),
    T(mToEUC, "EUCコードに(&E)"),
    // Page settings
    TK(InitTagSet, "基本タグセット(&I)...", "Ctrl+I"),
    T(HTMLTag, "<HTML>"),
    T(HEADTag, "<HEAD>"),
    T(TITLETag, "<TITLE>"),
    T(META, "<META>..."),
    T(BODYTag, "<BODY>"),
    T(BASEFONT, "<BASEFONT>..."),
    T(LINKREL, "<LINK REL>..."),
    // Tag tools
    TK(EditTag, "タグの再編集(&E)", "F2"),
    Shared("ExtractAndJump", "リンク先へジャンプ(&J)", "ExtractAndJumpClick", "0", false),
    Shared("ExtractAndJumpIE", "リンク先をIEで開く(&I)", "ExtractAndJumpClick", "1", false),
    Shared("ExtractAndJumpNN", "リンク先をNNで開く(&N)", "ExtractAndJumpClick", "2", false),
    T(DeleteTag, "現在のタグを削除(&X)"),
    T(DeleteCurrentTag, "現在の前後タグを削除(&W)"),
    T(CloseTag, "現在位置でタグを閉じる(&Y)"),
    T(DeleteComment, "コメントの解除(&Q)"),
    T(RepeatInsertTag, "繰り返しタグ挿入(&R)"),
    N(ExtractRepeatTag, "繰り返し挿入するタグの抽出(&O)"),
    N(EditRepeatTag, "繰り返し挿入するタグの編集(&T)"),
    N(CheckTag, "タグの整合性チェック(&C)"),
    T(ToUpperCaseTag, "タグを大文字に(&U)"),
    T(ToLowerCaseTag, "タグを小文字に(&L)"),
    // Layout
    T(BR, "<BR>"), T(HR, "<HR>..."), T(P, "<P>..."), T(DIV, "<DIV>..."), T(CENTER, "<CENTER>"),
    T(BLOCKQUOTE, "<BLOCKQUOTE>"), T(PRE, "<PRE>"),
    T(H1, "<H1>"), T(H2, "<H2>"), T(H3, "<H3>"), T(H4, "<H4>"), T(H5, "<H5>"), T(H6, "<H6>"),
    // Links and images
    T(NAME, "<A NAME>..."), T(HREF, "<A HREF>..."), T(HREFM, "<A HREF=#>..."), T(IMG, "<IMG>..."),
    T(MAP, "<MAP>..."), T(AREA, "<AREA>..."),
    // Character and logical styles
    T(FONT, "<FONT>..."), T(B, "<B>"), T(I, "<I>"), T(BIG, "<BIG>"), T(SMALL, "<SMALL>"), T(TT, "<TT>"),
    T(SUP, "<SUP>"), T(SUB, "<SUB>"), T(U, "<U>"), T(STRIKE, "<STRIKE>"), T(S, "<S>"),
    T(EM, "<EM>"), T(STRONG, "<STRONG>"), T(CODE, "<CODE>"), T(CITE, "<CITE>"), T(DFN, "<DFN>"),
    T(KBD, "<KBD>"), T(SAMP, "<SAMP>"), T(VAR, "<VAR>"), T(ADDRESS, "<ADDRESS>"),
    // Lists, tables, frames, forms, interactive
    T(UL, "<UL>..."), T(OL, "<OL>..."), T(DL, "<DL>"), T(DIR, "<DIR>"), T(MENU, "<MENU>"),
    T(DT, "<DT>"), T(DD, "<DD>"), T(LI, "<LI>"),
    T(TABLE, "<TABLE>..."), T(CAPTION, "<CAPTION>..."), T(TR, "<TR>..."), T(TH, "<TH>..."), T(TD, "<TD>..."),
    T(FRAMESET, "<FRAMESET>..."), T(FRAME, "<FRAME>..."), T(NOFRAMES, "<NOFRAMES>"),
    T(FORM, "<FORM>..."), T(INPUT, "<INPUT>..."), T(TEXTAREA, "<TEXTAREA>..."), T(SELECT, "<SELECT>..."),
    T(APPLET, "<APPLET>..."), T(SCRIPT, "<SCRIPT>..."), T(NOSCRIPT, "<NOSCRIPT>"),
    // Special characters (captions shown literally: no accelerator)
    T(COMMENT1, "<!-- -->"), T(LT, "&lt;"), T(GT, "&gt;"), T(Quote, "&quot;"), T(And, "&amp;"),
    T(HalfSpace, "&nbsp;"),
    // Styles
    N(RegisterStyle, "スタイルの編集/登録(&R)..."),
    T(STYLE, "<STYLE>..."),
    T(TagStyle, "タグのスタイル(&T)..."),
    T(InsertStyle, "スタイルの挿入(&I)..."),
    T(SPAN, "<SPAN>..."),
    // Event handlers and common attributes: the caption is the attribute.
    Shared("onClick1", "onClick", "onClick1Click", "onClick", true),
    Shared("onDblClick1", "onDblClick", "onClick1Click", "onDblClick", true),
    Shared("onMouseDown1", "onMouseDown", "onClick1Click", "onMouseDown", true),
    Shared("onMouseUp1", "onMouseUp", "onClick1Click", "onMouseUp", true),
    Shared("onMouseOver1", "onMouseOver", "onClick1Click", "onMouseOver", true),
    Shared("onMouseMove1", "onMouseMove", "onClick1Click", "onMouseMove", true),
    Shared("onMouseOut1", "onMouseOut", "onClick1Click", "onMouseOut", true),
    Shared("onKeyPress1", "onKeyPress", "onClick1Click", "onKeyPress", true),
    Shared("onKeyDown1", "onKeyDown", "onClick1Click", "onKeyDown", true),
    Shared("onKeyUp1", "onKeyUp", "onClick1Click", "onKeyUp", true),
    Shared("ID1", "ID", "onClick1Click", "ID", true),
    Shared("CLASS1", "CLASS", "onClick1Click", "CLASS", true),
    Shared("STYLE1", "STYLE", "onClick1Click", "STYLE", true),
    Shared("TITLE1", "TITLE", "onClick1Click", "TITLE", true),
    Shared("LANG1", "LANG", "onClick1Click", "LANG", true),
    Shared("DIR1", "DIR", "onClick1Click", "DIR", true),
    // Registered tags
    N(RegisterTag, "タグの登録(&R)..."),
    // Tools
    N(UpdateRichEdit1, "表示の更新(&U)"),
    N(ShowSubWindow, "サブウインドウの表示(&W)"),
    N(ShowProjectForm, "プロジェクトマネージャの表示(&M)"),
    N(ShowIE, "IEで表示(&I)"),
    N(ShowNN, "NNで表示(&N)"),
    N(ShowBrowser, "（指定）ブラウザで表示(&B)"),
    N(ExecExplorer, "エクスプローラを起動(&E)"),
    Shared("ExecTool0", "tool1(&A)", "ExecTool0Click", "0", false),
    Shared("ExecTool1", "tool2(&B)", "ExecTool0Click", "1", false),
    Shared("ExecTool2", "tool3(&C)", "ExecTool0Click", "2", false),
    Shared("ExecTool3", "tool4(&D)", "ExecTool0Click", "3", false),
    Shared("ExecTool4", "tool5(&F)", "ExecTool0Click", "4", false),
    // View
    Toggle("ShowSpeedBar", "ツールバー(&T)", "ShowSpeedBarClick", true),
    Toggle("ShowTagToolBar", "タグツールバー(&G)", "ShowTagToolBarClick", true),
    N(ShowFileList, "ファイルリスト(&D)"),
    N(ShowLinkList, "リンク情報(&L)"),
    N(SimplestForm, "最もシンプルに(&S)"),
    N(FullyShownScreen, "フル表示に(&A)"),
    Toggle("FlatBtn", "フラットボタン(&F)", "FlatBtnClick", true),
    // Options
    Toggle("AutoSelect", "自動選択(&A)", "AutoSelectClick", false),
    Toggle("DirectTagInsert", "単純タグの直接挿入(&D)", "DirectTagInsertClick", false),
    Toggle("LowerCaseTag", "タグを小文字で挿入(&L)", "LowerCaseTagClick", false),
    Toggle("AutoIndent", "オートインデント(&I)", "AutoIndentClick", false),
    Radio("SelectEditedEnd", "編集部分の後ろへ移動(&M)", "DropThenOpenClick", "caret", true),
    Radio("SelectEditedAll", "編集部分全体を選択(&S)", "DropThenOpenClick", "caret", false),
    Radio("SelectPreviousSelection", "元の選択部分を保持(&O)", "DropThenOpenClick", "caret", false),
    Radio("DropThenOpen", "ファイルを開く(&O)", "DropThenOpenClick", "drop", true),
    Radio("DropThenInsert", "相対パスを挿入(&P)", "DropThenOpenClick", "drop", false),
    Toggle("OpenToShiftJIS", "ファイルを開くときShif-JISに変換(&J)", "OpenToShiftJISClick", false),
    Radio("SaveAsItIs", "なにもしない(&N)", "SaveAsItIsClick", "save", true),
    Radio("SaveToJIS", "JISに変換(&J)", "SaveToJISClick", "save", false),
    Radio("SaveToEUC", "EUCに変換(&E)", "SaveToEUCClick", "save", false),
    N(SetShotCut, "キー割り当て(&K)..."),
    N(SetToolBtn, "ツールバーの編集(&T)"),
    N(SetOptions, "その他のオプション(&O)..."),
    // Help
    NK(Help1, "トピックスの検索(&H)...", "F1"),
    N(About, "バージョン情報(&A)..."),
    // Document tab popup
    N(ReOpen1, "開きなおす"),
    N(OpenCurFileBySubWindow, "サブウインドウで表示"),
    N(PageShiftToRight, "右にシフト"),
    N(PageShiftToLeft, "左にシフト"),
    N(PageShiftToRightEdge, "右端にシフト"),
    N(PageShiftToLeftEdge, "左端にシフト"),
    // File list and folder list popups
    N(mOpen1, "開く"),
    N(mOpenBySubWindow, "サブウインドウで開く"),
    N(mDelete1, "ファイル削除"),
    N(Rename, "変更..."),
    N(ToLowerCase, "すべて小文字に"),
    N(ToUpperCase, "すべて大文字に"),
    N(mConvertToShiftJIS, "Shift-JISコードに"),
    N(mConvertToJIS, "JISコードに"),
    N(mConvertToEUC, "EUCコードに"),
    N(SelectAll1, "すべて選択"),
    N(AddToFavoriteDir, "お気に入りへ追加"),
    N(OpenAllInDir, "すべて開く"),
    // Link list popup
    N(UpdateLinkList, "更新"),
    N(JumpInText, "本文中でジャンプ"),
    Shared("JumpToTarget", "リンク先へジャンプ", "JumpToTargetClick", "0", false),
    Shared("JumpToIE0", "リンク先をIEで開く", "JumpToTargetClick", "1", false),
    Shared("JumpToNN0", "リンク先をNNで開く", "JumpToTargetClick", "2", false),
    N(Copy2, "コピー"),
    T(Paste2, "本文に張り付け"),
    // Favourites tree popup
    Row("JumpAndInsertRun", "実行", "JumpAndInsertFromTreeViewClick", {}, true),
    Shared("JumpAndInsertEdit", "編集", "JumpAndInsertClick", {}, true),
    // Tag toolbar popup: the window's own page order
    Shared("ToolPageShiftRight", "右にシフト", "ToolPageShiftClick", "right", false),
    Shared("ToolPageShiftLeft", "左にシフト", "ToolPageShiftClick", "left", false),
    Shared("ToolPageShiftRightEdge", "右端にシフト", "ToolPageShiftClick", "rightEdge", false),
    Shared("ToolPageShiftLeftEdge", "左端にシフト", "ToolPageShiftClick", "leftEdge", false),
    Shared("ToolPageDefault", "デフォルトに戻す", "ToolPageShiftClick", "default", false),
});

#undef N
#undef NK
#undef T
#undef TK

using E = std::string_view;

// Tag submenus, shared by the main menu and the editor popup.
#define TAG_TOOLS                                                                                   \
  "EditTag", "-", "ExtractAndJump", "ExtractAndJumpIE", "ExtractAndJumpNN", "-", "DeleteTag",       \
      "DeleteCurrentTag", "CloseTag", "DeleteComment", "-", "RepeatInsertTag", "ExtractRepeatTag", \
      "EditRepeatTag", "-", "CheckTag", "[タグの変換(&U)", "ToUpperCaseTag", "ToLowerCaseTag", "]"
#define TAG_INPUT                                                                                     \
  "[レイアウト(&L)", "BR", "-", "HR", "P", "DIV", "CENTER", "BLOCKQUOTE", "PRE", "H1", "H2", "H3",  \
      "H4", "H5", "H6", "]", "[リンク(&K)", "NAME", "-", "HREF", "HREFM", "-", "IMG", "MAP", "AREA", \
      "]", "[文字スタイル(&C)", "FONT", "B", "I", "BIG", "SMALL", "TT", "SUP", "SUB", "-", "U",       \
      "STRIKE", "S", "]", "[論理スタイル(&G)", "EM", "STRONG", "CODE", "CITE", "DFN", "KBD", "SAMP", \
      "VAR", "-", "ADDRESS", "]", "[リスト(&P)", "UL", "OL", "DL", "DIR", "MENU", "-", "DT", "DD",    \
      "LI", "]", "[テーブル(&T)", "TABLE", "-", "CAPTION", "TR", "TH", "TD", "]", "[フレーム(&R)",   \
      "FRAMESET", "-", "FRAME", "NOFRAMES", "]", "[フォーム(&F)", "FORM", "-", "INPUT", "TEXTAREA",  \
      "SELECT", "]", "[インタラクティブ(&I)", "APPLET", "SCRIPT", "NOSCRIPT", "]"
#define SPECIAL_CHARS "COMMENT1", "LT", "GT", "Quote", "And", "-", "HalfSpace"
#define EVENTS                                                                              \
  "onClick1", "onDblClick1", "onMouseDown1", "onMouseUp1", "onMouseOver1", "onMouseMove1", \
      "onMouseOut1", "onKeyPress1", "onKeyDown1", "onKeyUp1"
#define COMMON_ATTRS "ID1", "CLASS1", "STYLE1", "TITLE1", "LANG1", "DIR1"
#define PAGE_SET "InitTagSet", "-", "HTMLTag", "HEADTag", "TITLETag", "META", "BODYTag", "BASEFONT", "-", "LINKREL"
#define PASTE_VARIANTS \
  "PasteWithTagFont", "-", "PasteAfterTransform", "PasteWithBR", "PasteWithStr", "PasteWithPRE", "PasteCode"
#define SELECTIONS                                                                                      \
  "SelectAutoRange", "-", "SelectPreviousTag", "SelectPreviousTagRange", "SelectNextTag",                \
      "SelectNextTagRange", "-", "SelectPreviousParameter", "SelectNextParameter", "-",                  \
      "SelectPreviousText", "SelectNextText", "-", "SelectRow", "SelectFromRowStart", "SelectToRowEnd", \
      "SelectFromStart", "SelectToEnd"
#define TRANSFORMS                                                                                       \
  "InsertCite", "InsertStrAtTop", "-", "LFtoBR", "TransformSpecialChar", "ReverseSpecialChar",          \
      "TabToSpace", "TransformSpace", "ReverseSpace", "-", "UpperCase1", "LowerCase1", "-",              \
      "DeleteOuterTag", "DeleteAllTag", "DeleteText", "DeleteTabSpace", "DeleteReturn", "InsertLF", "-", \
      "HankakuKanaToZenkaku", "ZenkakuKigoToHankaku", "-", "Gradation"
#define JUMPS                                                                                       \
  "JumpToTop", "JumpToBottom", "-", "JumpToLineNumber", "-", "JumpToHeadStart", "JumpToHeadEnd", \
      "JumpToBodyStart", "JumpToBodyEnd", "JumpToBodyTag"
#define INSERTS                                                                                     \
  "[テキストファイル(&F)...", "InsertFile", "InsertFileAfterTransform", "InsertFileWithBR",         \
      "InsertFileWithPRE", "]", "InsertDate", "InsertTime", "ColorPalette", "ColorForm", "InsertURL"
#define PHRASES                                                                                     \
  "JumpAndInsert", "[お気に入り語句の登録(&A)", "RegisterFromSelText", "RegisterFromClipboard", "]", \
      "[ジャンプ＆挿入語句登録(&Z)", "RegisterJFromSelText", "RegisterJFromClipboard", "]"
#define CODE_CONVERSION "mToShiftJIS", "mToJIS", "mToEUC"

constexpr auto kFileMenu = std::to_array<E>({
    "FileNew", "FileDuplicate", "-", "FileOpen", "ProjetOpen", "[最近開いたファイル(&R)", "@FileHistory", "]",
    "-", "ReturnToPrevFile", "-", "FileSave", "FileSaveAll", "FileSaveAs", "-", "TemplateOpen",
    "TemplateSave", "-", "FileClose", "FileCloseAll", "FileCloseOthers", "-", "MoveToNextFile",
    "MoveToPrevFile", "-", "FilePrint", "-", "FileExit",
});
constexpr auto kEditMenu = std::to_array<E>({
    "EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "SelectAll", "BackSpace", "-",
    "[加工して張り付け(&S)...", PASTE_VARIANTS, "]", "-", "[選択(&E)...", SELECTIONS, "]",
    "[選択部分の変換(&M)...", TRANSFORMS, "]", "-", "[ジャンプ(&J)...", JUMPS, "]", "[挿入(&I)...", INSERTS, "]",
    PHRASES, "-", "EditFind", "FindNext1", "EditReplace", "-", "Indent", "UnIndent", "-",
    "[コード変換(&H)...", CODE_CONVERSION, "]",
});
constexpr auto kPageMenu = std::to_array<E>({PAGE_SET});
constexpr auto kTagMenu = std::to_array<E>({
    "[タグ関連ツール(&Z)", TAG_TOOLS, "]", "-", TAG_INPUT, "[特殊文字(&M)", SPECIAL_CHARS, "]",
    "[スタイル(&S)", "STYLE", "-", "TagStyle", "]", "-", "[イベントハンドラ(&H)", EVENTS, "]",
    "[共通属性(&A)", COMMON_ATTRS, "]",
});
constexpr auto kStyleMenu = std::to_array<E>({
    "LINKREL", "-", "RegisterStyle", "-", "STYLE", "TagStyle", "-", "InsertStyle", "SPAN",
});
constexpr auto kRegisteredMenu = std::to_array<E>({"RegisterTag", "-", "@RegisteredTags"});
constexpr auto kToolMenu = std::to_array<E>({
    "UpdateRichEdit1", "ShowSubWindow", "ShowProjectForm", "-", "ShowIE", "ShowNN", "ShowBrowser", "-",
    "ExecExplorer", "-", "[外部ツールを起動(&O)...", "ExecTool0", "ExecTool1", "ExecTool2", "ExecTool3",
    "ExecTool4", "]",
});
constexpr auto kViewMenu = std::to_array<E>({
    "ShowSpeedBar", "ShowTagToolBar", "-", "ShowFileList", "ShowLinkList", "-", "SimplestForm",
    "FullyShownScreen", "-", "FlatBtn",
});
constexpr auto kOptionMenu = std::to_array<E>({
    "AutoSelect", "DirectTagInsert", "LowerCaseTag", "AutoIndent", "[編集後のカーソル(&C)",
    "SelectEditedEnd", "SelectEditedAll", "SelectPreviousSelection", "]",
    "[エクスプローラからのファイルドロップ(&E)...", "DropThenOpen", "DropThenInsert", "]", "-",
    "OpenToShiftJIS", "[ファイル保存時の変換(&H)...", "SaveAsItIs", "SaveToJIS", "SaveToEUC", "]", "-",
    "SetShotCut", "SetToolBtn", "-", "SetOptions",
});
constexpr auto kHelpMenu = std::to_array<E>({"Help1", "-", "About"});

constexpr auto kMainMenus = std::to_array<MenuLayout>({
    {"File1", "ファイル(&F)", kFileMenu},
    {"Edit1", "編集(&E)", kEditMenu},
    {"PageSet1", "ページ設定(&P)", kPageMenu},
    {"Tag1", "タグ(&I)", kTagMenu},
    {"Style1", "スタイル(&S)", kStyleMenu},
    {"RegisteredTag1", "登録タグ(&R)", kRegisteredMenu},
    {"Tool1", "ツール(&T)", kToolMenu},
    {"View1", "表示(&V)", kViewMenu},
    {"Option1", "オプション(&O)", kOptionMenu},
    {"Help1Menu", "ヘルプ(&H)", kHelpMenu},
});

constexpr auto kEditorPopup = std::to_array<E>({
    "EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "SelectAll", "BackSpace", "-",
    "[加工して張り付け(&S)...", PASTE_VARIANTS, "]", "[ジャンプ(&J)...", JUMPS, "]", "[選択(&E)...", SELECTIONS,
    "]", "[選択部分の変換(&M)...", TRANSFORMS, "]", "[挿入(&I)...", INSERTS, "]", PHRASES, "-",
    "[その他編集", "[コード変換(&H)...", CODE_CONVERSION, "]", "-", "EditFind", "FindNext1", "EditReplace", "]",
    "-", "EditTag", "[タグ関連ツール", TAG_TOOLS, "]", "[登録タグ入力", "@RegisteredTags", "]", "-",
    "[基本設定", PAGE_SET, "]", "[タグ入力", TAG_INPUT, "[特殊文字(&M)", SPECIAL_CHARS, "-", "@Comment", "]",
    "]", "[スタイル", "InsertStyle", "SPAN", "-", "STYLE", "TagStyle", "-", "RegisterStyle", "LINKREL", "]",
    "[イベントハンドラ", EVENTS, "]", "[共通属性", COMMON_ATTRS, "]",
});
constexpr auto kTabPopup = std::to_array<E>({
    "FileClose", "FileCloseAll", "FileCloseOthers", "-", "ReturnToPrevFile", "-", "UpdateRichEdit1",
    "ReOpen1", "OpenCurFileBySubWindow", "-", "[ページの移動", "PageShiftToRight", "PageShiftToLeft",
    "PageShiftToRightEdge", "PageShiftToLeftEdge", "]", "-", "FileNew", "FileDuplicate", "FileOpen",
    "FileSave", "FileSaveAll", "FileSaveAs",
});
constexpr auto kFileListPopup = std::to_array<E>({
    "mOpen1", "mOpenBySubWindow", "-", "mDelete1", "[ファイル名...", "Rename", "-", "ToLowerCase",
    "ToUpperCase", "]", "[コード変換...", "mConvertToShiftJIS", "mConvertToJIS", "mConvertToEUC", "]", "-",
    "SelectAll1",
});
constexpr auto kDirListPopup = std::to_array<E>({
    "[お気に入りへ移動", "@FavoriteFolders", "]", "AddToFavoriteDir", "-", "OpenAllInDir", "-", "ShowFileList",
});
constexpr auto kLinkListPopup = std::to_array<E>({
    "UpdateLinkList", "-", "JumpInText", "-", "JumpToTarget", "JumpToIE0", "JumpToNN0", "-", "Copy2", "Paste2",
    "-", "ShowLinkList",
});
constexpr auto kFavoritePopup = std::to_array<E>({"JumpAndInsertRun", "-", "JumpAndInsertEdit"});
constexpr auto kToolPagePopup = std::to_array<E>({
    "ToolPageShiftRight", "ToolPageShiftLeft", "ToolPageShiftRightEdge", "ToolPageShiftLeftEdge", "-",
    "ToolPageDefault",
});

constexpr auto kPopupMenus = std::to_array<MenuLayout>({
    {"pmRichEdit", {}, kEditorPopup},
    {"pmMain1", {}, kTabPopup},
    {"pmFileList1", {}, kFileListPopup},
    {"pmDirList1", {}, kDirListPopup},
    {"pmLinkList", {}, kLinkListPopup},
    {"pmFavorite", {}, kFavoritePopup},
    {"pmToolPageControl", {}, kToolPagePopup},
});

constexpr auto kMainToolbar = std::to_array<ToolButtonRow>({
    {"NewBtn", "新規ファイル作成", "FileNew"},
    {"OpenBtn", "ファイルを開く", "FileOpen"},
    {"PrjOpenBtn", "プロジェクトを開く", "ProjetOpen"},
    {"SaveBtn", "ファイルを保存", "FileSave"},
    {"FileSaveAsBtn", "名前を付けて保存", "FileSaveAs"},
    {"SaveAllBtn", "全て保存", "FileSaveAll"},
    {"MoveToPrevFileBtn", "前のファイルへ移動", "MoveToPrevFile"},
    {"MoveToNextFileBtn", "次のファイルへ移動", "MoveToNextFile"},
    {"FileCloseBtn", "ファイルを閉じる", "FileClose"},
    {"FileCloseAllBtn", "全て閉じる", "FileCloseAll"},
    {"CutBtn", "切り取り", "EditCut"},
    {"CopyBtn", "コピー", "EditCopy"},
    {"PasteBtn", "貼り付け", "EditPaste"},
    {"UndoBtn", "取り消し", "EditUndo"},
    {"EditFindBtn", "文字検索", "EditFind"},
    {"EditReplaceBtn", "置換", "EditReplace"},
    {"UpdateBtn", "表示の更新", "UpdateRichEdit1"},
    {"ExtractAndJumpBtn", "リンク先へジャンプ", "ExtractAndJump"},
    {"PreviousTagBtn", "前のタグを選択", "SelectPreviousTag"},
    {"NextTagBtn", "次のタグを選択", "SelectNextTag"},
    {"PreviousTagRangeBtn", "前のタグ範囲を選択", "SelectPreviousTagRange"},
    {"NextTagRangeBtn", "次のタグ範囲を選択", "SelectNextTagRange"},
    {"PreviousTextBtn", "前の本文を選択", "SelectPreviousText"},
    {"NextTextBtn", "次の本文を選択", "SelectNextText"},
    {"ExtractRepeatTagBtn", "繰り返し挿入するタグの抽出", "ExtractRepeatTag"},
    {"RepeatInsertTagBtn", "繰り返しタグ挿入", "RepeatInsertTag"},
    {"EditTagBtn", "タグの再編集", "EditTag"},
    {"CheckTagBtn", "タグ整合性チェック", "CheckTag"},
    {"LFtoBRBtn", "改行時に<BR>を挿入", "LFtoBR"},
    {"InsertStrAtTopBtn", "文頭に設定した文字を挿入", "InsertStrAtTop"},
    {"DeleteTagBtn", "タグを消去", "DeleteAllTag"},
    {"DeleteTabSpaceBtn", "文頭文末のタブとスペース消去", "DeleteTabSpace"},
    {"DeleteReturnBtn", "改行を消去", "DeleteReturn"},
    {"InsertDateBtn", "今日の日付を挿入", "InsertDate"},
    {"InsertTimeBtn", "現在の時刻を挿入", "InsertTime"},
    {"ColorPaletteBtn", "カラーパレットからカラー数値を入力", "ColorPalette"},
    {"mShowColorForm1", "カラー入力ウインドウから選択", "ColorForm"},
    {"InputUrlBtn", "URL等の登録語の挿入", "InsertURL"},
    {"ShowIEBtn", "IEで表示", "ShowIE"},
    {"ShowNNBtn", "NNで表示", "ShowNN"},
    {"ShowBrowserBtn", "（指定）ブラウザで表示", "ShowBrowser"},
    {"ShowFileListBtn", "ファイルリストの表示", "ShowFileList"},
    {"ShowLinkListBtn", "リンク情報の表示", "ShowLinkList"},
    {"ShowSubWindowBtn", "サブウインドウの表示", "ShowSubWindow"},
    {"ProjectFormShowBtn", "プロジェクトマネージャを表示", "ShowProjectForm"},
    {"ExplorerBtn", "エクスプローラを起動", "ExecExplorer"},
    {"Tool1Btn", "外部ツール１起動", "ExecTool0"},
});

constexpr auto kPageSetButtons = std::to_array<ToolButtonRow>({
    {"InitTagSetBtn", "基本タグセットの挿入", "InitTagSet"},
    {"HTMLBtn", "<HTML></HTML>ルートエレメント", "HTMLTag"},
    {"HEADBtn", "<HEAD></HEAD>ヘッダ", "HEADTag"},
    {"TITLEBtn", "<TITLE></TITLE>文書タイトル", "TITLETag"},
    {"BODYBtn", "<BODY></BODY>文書本体", "BODYTag"},
    {"BASEFONTBtn", "<BASEFONT>基本フォント", "BASEFONT"},
    {"METABtn", "<META>文書情報", "META"},
    {"LINKRELBtn", "<LINK REL>スタイルシートのリンク", "LINKREL"},
});
constexpr auto kParagraphButtons = std::to_array<ToolButtonRow>({
    {"BRBtn", "<BR>改行", "BR"},
    {"PBtn", "<P></P>段落", "P"},
    {"HRBtn", "<HR>水平線", "HR"},
    {"H1Btn", "<H1></H1>第一段見出し", "H1"},
    {"H2Btn", "<H2></H2>第二段見出し", "H2"},
    {"H3Btn", "<H3></H3>第三段見出し", "H3"},
    {"H4Btn", "<H4></H4>第四段見出し", "H4"},
    {"H5Btn", "<H5></H5>第五段見出し", "H5"},
    {"H6Btn", "<H6></H6>第六段見出し", "H6"},
    {"CENTERBtn", "<CENTER></CENTER>中央そろえ", "CENTER"},
    {"DIVBtn", "<DIV></DIV>ブロックの配置", "DIV"},
    {"PREBtn", "<PRE></PRE>そのまま表示", "PRE"},
    {"BLOCKQUOTEBtn", "<BLOCKQUOTE></BLOCKQUOTE>引用文", "BLOCKQUOTE"},
});
constexpr auto kLinkButtons = std::to_array<ToolButtonRow>({
    {"NAMEBtn", "<A NAME></A>マーカーの指定", "NAME"},
    {"HREFBtn", "<A HREF></A>リンク", "HREF"},
    {"HREFMBtn", "<A HREF=#></A>マーカーへのリンク", "HREFM"},
    {"IMGBtn", "<IMG>画像", "IMG"},
    {"MAPBtn", "<MAP></MAP>画像マップ", "MAP"},
    {"AREABtn", "<AREA>マップ領域", "AREA"},
});
constexpr auto kStyleButtons = std::to_array<ToolButtonRow>({
    {"IBtn", "<I></I>イタリック", "I"},
    {"TTBtn", "<TT></TT>等幅フォント", "TT"},
    {"SUPBtn", "<SUP></SUP>上付き文字", "SUP"},
    {"SUBBtn", "<SUB></SUB>下付き文字", "SUB"},
    {"BBtn", "<B></B>ボールド", "B"},
    {"FONTBtn", "<FONT></FONT>フォント", "FONT"},
});
constexpr auto kLogicStyleButtons = std::to_array<ToolButtonRow>({
    {"ADDRESSBtn", "<ADDRESS></ADDRESS>著者の情報", "ADDRESS"},
    {"SAMPBtn", "<SAMP></SAMP>サンプルプログラム", "SAMP"},
    {"CODEBtn", "<CODE></CODE>コンピュータコード", "CODE"},
    {"VARBtn", "<VAR></VAR>変数", "VAR"},
    {"CITEBtn", "<CITE></CITE>参考文献", "CITE"},
    {"DFNBtn", "<DFN></DFN>例示定義", "DFN"},
    {"KBDBtn", "<KBD></KBD>ユーザ入力テキスト", "KBD"},
    {"EMBtn", "<EM></EM>強調", "EM"},
    {"STRONGBtn", "<STRONG></STRONG>強い強調", "STRONG"},
});
constexpr auto kListButtons = std::to_array<ToolButtonRow>({
    {"ULBtn", "<UL></UL>番号なしリスト", "UL"},
    {"DDBtn", "<DD>定義の説明", "DD"},
    {"OLBtn", "<OL></OL>番号付きリスト", "OL"},
    {"DLBtn", "<DL></DL>定義型リスト", "DL"},
    {"DIRBtn", "<DIR></DIR>ディレクトリリスト", "DIR"},
    {"MENUBtn", "<MENU></MENU>メニューリスト", "MENU"},
    {"LIBtn", "<LI>リスト項目", "LI"},
    {"DTBtn", "<DT>定義する語", "DT"},
});
constexpr auto kTableButtons = std::to_array<ToolButtonRow>({
    {"TABLEBtn", "<TABLE></TABLE>テーブル", "TABLE"},
    {"CAPTIONBtn", "<CAPTION></CAPTION>表のタイトル", "CAPTION"},
    {"THBtn", "<TH></TH>見出しセル", "TH"},
    {"TRBtn", "<TR></TR>行", "TR"},
    {"TDBtn", "<TD></TD>セル", "TD"},
});
constexpr auto kFrameButtons = std::to_array<ToolButtonRow>({
    {"FRAMESETBtn", "<FRAMESET></FRAMESET>フレームセット", "FRAMESET"},
    {"FRAMEBtn", "<FRAME>フレーム", "FRAME"},
    {"NOFRAMESBtn", "<NOFRAMES></NOFRAMES>フレーム非表示時", "NOFRAMES"},
});
constexpr auto kFormButtons = std::to_array<ToolButtonRow>({
    {"FORMBtn", "<FORM></FORM>フォーム", "FORM"},
    {"INPUTBtn", "<INPUT>入力フィールド", "INPUT"},
    {"TEXTAREABtn", "<TEXTAREA></TEXTAREA>テキストエリア", "TEXTAREA"},
    {"SELECTBtn", "<SELECT></SELECT>選択リスト", "SELECT"},
});
constexpr auto kInteractiveButtons = std::to_array<ToolButtonRow>({
    {"APPLETBtn", "<APPLET></APPLET>Javaアプレット", "APPLET"},
    {"SCRIPTBtn", "<SCRIPT></SCRIPT>スクリプト", "SCRIPT"},
    {"NOSCRIPTBtn", "<NOSCRIPT></NOSCRIPT>スクリプト代替文書", "NOSCRIPT"},
});
constexpr auto kSpecialCharButtons = std::to_array<ToolButtonRow>({
    {"HalfSpaceBtn", "&nbsp;半角スペース", "HalfSpace"},
    {"COMMENT1Btn", "<!-- -->コメント", "COMMENT1"},
    {"LTBtn", "&lt;不等号（小なり）", "LT"},
    {"GTBtn", "&gt;不等号（大なり）", "GT"},
    {"QuoteBtn", "&quot;二重引用符", "Quote"},
    {"AndBtn", "&amp;アンパサンド", "And"},
});
constexpr auto kStyleSheetButtons = std::to_array<ToolButtonRow>({
    {"LINKREL1Btn", "<LINK REL>スタイルシートのリンク", "LINKREL"},
    {"RegisterStyleBtn", "スタイルの編集/登録", "RegisterStyle"},
    {"STYLEBtn", "<STYLE></STYLE>スタイル定義", "STYLE"},
    {"TagStyleBtn", "タグのスタイル", "TagStyle"},
    {"InsertStyleBtn", "STYLE属性の挿入", "InsertStyle"},
    {"SPANBtn", "<SPAN></SPAN>スタイルの適用範囲", "SPAN"},
});

constexpr auto kTagPages = std::to_array<TagPage>({
    {"基本設定", "PageSetSheet", kPageSetButtons},
    {"ﾚｲｱｳﾄ", "ParagraphSheet", kParagraphButtons},
    {"ﾘﾝｸと画像", "LinkSheet", kLinkButtons},
    {"文字ｽﾀｲﾙ", "StyleSheet", kStyleButtons},
    {"論理ｽﾀｲﾙ", "LogicStyleSheet", kLogicStyleButtons},
    {"ﾘｽﾄ", "ListSheet", kListButtons},
    {"ﾃｰﾌﾞﾙ", "TableSheet", kTableButtons},
    {"ﾌﾚｰﾑ", "FrameSheet", kFrameButtons},
    {"ﾌｫｰﾑ", "FormSheet", kFormButtons},
    {"ｲﾝﾀﾗｸﾃｨﾌﾞ", "InteractiveSheet", kInteractiveButtons},
    {"特殊文字", "SpecialCharSheet", kSpecialCharButtons},
    {"ｽﾀｲﾙ", "StyleSheet1", kStyleSheetButtons},
    {"登録ﾀｸﾞ", "RegisteredSheet", {}},
});

}  // namespace

std::span<const CommandRow> CommandTable() { return kCommands; }

const CommandRow* FindCommand(std::string_view id) {
  for (const auto& row : kCommands)
    if (row.id == id) return &row;
  return nullptr;
}

std::span<const MenuLayout> MainMenus() { return kMainMenus; }
std::span<const MenuLayout> PopupMenus() { return kPopupMenus; }
std::span<const ToolButtonRow> MainToolbar() { return kMainToolbar; }
std::span<const TagPage> TagPages() { return kTagPages; }

}  // namespace mw::gui
