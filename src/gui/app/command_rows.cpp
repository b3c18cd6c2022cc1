// The main window's command rows: every menu item, popup item, toolbar and
// tag-page button of the main window, and the submenus its layouts place.
#include <array>

#include "gui/app/command_rows.h"

namespace mw::gui {
namespace {

constexpr CommandRow Row(std::string_view id, std::string_view caption, std::string_view handler,
                         std::string_view key, bool modifies, Needs needs = kNeedsNothing) {
  CommandRow r = Command(id, caption, handler).Key(key).Needing(needs);
  r.modifiesText = modifies;
  return r;
}
constexpr CommandRow Shared(std::string_view id, std::string_view caption, std::string_view handler,
                            std::string_view arg, bool modifies) {
  return Row(id, caption, handler, {}, modifies).Arg(arg);
}
// A check item and the option its mark mirrors.
constexpr CommandRow Toggle(std::string_view id, std::string_view caption, std::string_view handler,
                            bool checked, std::string_view option, Needs needs = kNeedsNothing) {
  CommandRow r = Row(id, caption, handler, {}, false, needs);
  r.check = checked ? CheckKind::Checked : CheckKind::Unchecked;
  r.option = option;
  return r;
}
// Radio items pass their own name, so one handler knows which was clicked.
constexpr CommandRow Radio(std::string_view id, std::string_view caption, std::string_view handler,
                           std::string_view group, bool checked, std::string_view option) {
  CommandRow r = Toggle(id, caption, handler, checked, option).Arg(id);
  r.radioGroup = group;
  return r;
}
// The window's own handler runs instead of the engine command of the same
// name (a modeless dialog, or more around the engine's step).
constexpr CommandRow Window(CommandRow r) {
  r.runs = Runs::Window;
  return r;
}

// N: leaves the text alone; T: changes it. K variants carry a default key;
// a last argument gives the row's needs.
#define N(id, cap, ...) Row(#id, cap, #id "Click", {}, false __VA_OPT__(, ) __VA_ARGS__)
#define NK(id, cap, key, ...) Row(#id, cap, #id "Click", key, false __VA_OPT__(, ) __VA_ARGS__)
#define T(id, cap, ...) Row(#id, cap, #id "Click", {}, true __VA_OPT__(, ) __VA_ARGS__)
#define TK(id, cap, key, ...) Row(#id, cap, #id "Click", key, true __VA_OPT__(, ) __VA_ARGS__)

constexpr auto kMainRows = std::to_array<CommandRow>({
    // File
    NK(FileNew, "新規作成(&N)", "Ctrl+N"),
    N(FileDuplicate, "複製して新規作成(&C)"),
    NK(FileOpen, "開く(&O)...", "Ctrl+O"),
    N(ProjetOpen, "プロジェクトを開く(&W)"),
    N(ReturnToPrevFile, "ファイル履歴をひとつ戻る(&B)"),
    NK(FileSave, "上書き保存(&S)", "Ctrl+S"),
    N(FileSaveAll, "すべて上書き保存(&F)"),
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
    TK(EditUndo, "元に戻す(&U)", "Ctrl+Z", kNeedsUndo),
    TK(EditCut, "切り取り(&T)", "Ctrl+X", kNeedsSelection),
    NK(EditCopy, "コピー(&C)", "Ctrl+C", kNeedsSelection),
    TK(EditPaste, "貼り付け(&P)", "Ctrl+V", kNeedsClipboardText),
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
    T(InsertStrAtTop, "文頭に設定した文字を挿入(&T)", kNeedsSelection),
    T(LFtoBR, "改行時に<BR>を挿入(&B)", kNeedsSelection),
    T(TransformSpecialChar, "特殊文字を文字参照に(&C)"),
    T(ReverseSpecialChar, "文字参照を特殊文字に(&R)"),
    T(TabToSpace, "タブをスペースに(&A)"),
    T(TransformSpace, "スペースを&&nbsp;に(&S)"),
    T(ReverseSpace, "&&nbsp;をスペースに(&P)"),
    T(UpperCase1, "大文字に(&U)"),
    T(LowerCase1, "小文字に(&L)"),
    T(DeleteOuterTag, "外側のタグを消去(&O)"),
    T(DeleteAllTag, "タグを消去(&D)", kNeedsSelection),
    T(DeleteText, "本文を消去(&X)"),
    T(DeleteTabSpace, "文頭文末のタブとスペース消去(&W)", kNeedsSelection),
    T(DeleteReturn, "改行を消去(&E)", kNeedsSelection),
    T(InsertLF, "改行を挿入(&I)"),
    T(HankakuKanaToZenkaku, "半角カナを全角に(&Z)", kNeedsKanji),
    T(ZenkakuKigoToHankaku, "全角記号を半角に(&H)", kNeedsKanji),
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
    T(ColorPalette, "色数値...(&P)"),
    T(ColorForm, "色名称...(&C)"),
    T(InsertURL, "URL等の登録語(&U)..."),
    T(JumpAndInsert, "ジャンプ＆挿入(&K)..."),
    N(RegisterFromSelText, "選択中のテキスト(&T)", kNeedsSelection),
    N(RegisterFromClipboard, "クリップボード内容(&C)", kNeedsClipboardText),
    N(RegisterJFromSelText, "選択中のテキスト(&T)", kNeedsSelection),
    N(RegisterJFromClipboard, "クリップボード内容(&C)", kNeedsClipboardText),
    Window(NK(EditFind, "検索(&F)", "Ctrl+F")),
    Window(Row("FindNext1", "次を検索(&N)", "FindDialog1Find", "F3", false)),
    Window(TK(EditReplace, "置換(&R)", "Ctrl+R")),
    TK(Indent, "インデント(&I)", "Ctrl+Shift+I"),
    TK(UnIndent, "インデント解除(&U)", "Ctrl+Shift+U"),
    T(mToShiftJIS, "Shift-JISコードに(&S)", kNeedsKanji),
    T(mToJIS, "JISコードに(&J)", kNeedsKanji),
    T(mToEUC, "EUCコードに(&E)", kNeedsKanji),
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
    Window(T(CloseTag, "現在位置でタグを閉じる(&Y)")),
    T(DeleteComment, "コメントの解除(&Q)"),
    T(RepeatInsertTag, "繰り返しタグ挿入(&R)", kNeedsRepeatTag),
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
    Toggle("ShowSpeedBar", "ツールバー(&T)", "ShowSpeedBarClick", true, "bShowSpeedBar"),
    Toggle("ShowTagToolBar", "タグツールバー(&G)", "ShowTagToolBarClick", true, "bShowTagToolBar"),
    N(ShowFileList, "ファイルリスト(&D)"),
    N(ShowLinkList, "リンク情報(&L)"),
    N(SimplestForm, "最もシンプルに(&S)"),
    N(FullyShownScreen, "フル表示に(&A)"),
    Toggle("FlatBtn", "フラットボタン(&F)", "FlatBtnClick", true, "bFlatBtn"),
    // Options
    Toggle("AutoSelect", "前後タグ挿入時の自動選択(&A)", "AutoSelectClick", false, "bAutoSelect"),
    Toggle("DirectTagInsert", "単純タグの直接挿入(&D)", "DirectTagInsertClick", false, "bDirectTagInsert"),
    Toggle("LowerCaseTag", "タグを小文字で挿入(&L)", "LowerCaseTagClick", false, "bLowerCaseTag"),
    Toggle("AutoIndent", "オートインデント(&I)", "AutoIndentClick", false, "bAutoIndent"),
    Radio("SelectEditedEnd", "編集部分の後ろへ移動(&M)", "DropThenOpenClick", "caret", true, "bSelectEditedEnd"),
    Radio("SelectEditedAll", "編集部分全体を選択(&S)", "DropThenOpenClick", "caret", false, "bSelectEditedAll"),
    Radio("SelectPreviousSelection", "元の選択部分を保持(&O)", "DropThenOpenClick", "caret", false, "bSelectPreviousSelection"),
    Radio("DropThenOpen", "ファイルを開く(&O)", "DropThenOpenClick", "drop", true, "bDropThenOpen"),
    Radio("DropThenInsert", "相対パスを挿入(&P)", "DropThenOpenClick", "drop", false, "bDropThenInsert"),
    Toggle("OpenToShiftJIS", "ファイルを開くときShif-JISに変換(&J)", "OpenToShiftJISClick", false, "bOpenToShiftJIS", kNeedsKanji),
    Radio("SaveAsItIs", "なにもしない(&N)", "SaveAsItIsClick", "save", true, "bSaveAsItIs"),
    Radio("SaveToJIS", "JISに変換(&J)", "SaveToJISClick", "save", false, "bSaveToJIS"),
    Radio("SaveToEUC", "EUCに変換(&E)", "SaveToEUCClick", "save", false, "bSaveToEUC"),
    N(SetShotCut, "キー割り当て(&K)..."),
    N(SetToolBtn, "ツールバーの編集(&T)"),
    N(SetOptions, "その他のオプション(&O)..."),
    // Help
    NK(Help1, "トピックスの検索(&H)...", "F1"),
    N(About, "バージョン情報(&A)..."),
    // Document tab popup
    Shared("UpdateRichEdit2", "表示画面の更新", "UpdateRichEdit1Click", {}, false),
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
    N(mConvertToShiftJIS, "Shift-JISコードに", kNeedsKanji),
    N(mConvertToJIS, "JISコードに", kNeedsKanji),
    N(mConvertToEUC, "EUCコードに", kNeedsKanji),
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
    // The panel is shown while its popup is up, so this hides it.
    Shared("Close2", "閉じる", "ShowLinkListClick", {}, false),
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

constexpr SubmenuRow kSubmenus[] = {
    {"mFileHistory", "最近開いたファイル(&R)"},
    {"mPasteWith", "加工して張り付け(&S)...", kNeedsClipboardText},
    {"mSelect", "選択(&E)..."},
    {"mTransform", "選択部分の変換(&M)...", kNeedsSelection},
    {"mJump", "ジャンプ(&J)..."},
    {"mInsert", "挿入(&I)..."},
    {"mInsertFile", "テキストファイル(&F)..."},
    {"mRegisterPhrase", "お気に入り語句の登録(&A)"},
    {"mRegisterJump", "ジャンプ＆挿入語句登録(&Z)"},
    {"mCodeConversion", "コード変換(&H)...", kNeedsKanji},
    {"mTagTools", "タグ関連ツール(&Z)"},
    {"mTagToolsPopup", "タグ関連ツール"},
    {"mTagCase", "タグの変換(&U)"},
    {"mLayout", "レイアウト(&L)"},
    {"mLink", "リンク(&K)"},
    {"mCharStyle", "文字スタイル(&C)"},
    {"mLogicStyle", "論理スタイル(&G)"},
    {"mList", "リスト(&P)"},
    {"mTable", "テーブル(&T)"},
    {"mFrame", "フレーム(&R)"},
    {"mForm", "フォーム(&F)"},
    {"mInteractive", "インタラクティブ(&I)"},
    {"mSpecialChar", "特殊文字(&M)"},
    {"mTagStyle", "スタイル(&S)"},
    {"mStylePopup", "スタイル"},
    {"mEvents", "イベントハンドラ(&H)"},
    {"mEventsPopup", "イベントハンドラ"},
    {"mCommonAttrs", "共通属性(&A)"},
    {"mCommonAttrsPopup", "共通属性"},
    {"mExternalTools", "外部ツールを起動(&O)..."},
    {"mCaretPolicy", "編集後のカーソル(&C)"},
    {"mDropAction", "エクスプローラからのファイルドロップ(&E)..."},
    {"mSaveConversion", "ファイル保存時の変換(&H)...", kNeedsKanji},
    {"mOtherEdit", "その他編集"},
    {"mRegisteredTagsPopup", "登録タグ入力"},
    {"mPageSetPopup", "基本設定"},
    {"mTagInputPopup", "タグ入力"},
    {"mPageShift", "ページの移動"},
    {"mFileName", "ファイル名..."},
    {"mFileCodeConversion", "コード変換...", kNeedsKanji},
    {"mFavoriteFolders", "お気に入りへ移動"},
};

}  // namespace

std::span<const CommandRow> MainWindowRows() { return kMainRows; }
std::span<const SubmenuRow> MainWindowSubmenus() { return kSubmenus; }

}  // namespace mw::gui
