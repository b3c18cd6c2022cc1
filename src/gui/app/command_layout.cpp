// Where the main window's commands sit: the main menu, the popups, the
// main toolbar and the thirteen tag pages, each a list of row and submenu
// ids.
#include <array>

#include "gui/app/command_table.h"

namespace mw::gui {
namespace {

using E = std::string_view;

// Tag submenus, shared by the main menu and the editor popup.
#define TAG_TOOLS                                                                                   \
  "EditTag", "-", "ExtractAndJump", "ExtractAndJumpIE", "ExtractAndJumpNN", "-", "DeleteTag",       \
      "DeleteCurrentTag", "CloseTag", "DeleteComment", "-", "RepeatInsertTag", "ExtractRepeatTag", \
      "EditRepeatTag", "-", "CheckTag", "[mTagCase", "ToUpperCaseTag", "ToLowerCaseTag", "]"
#define TAG_INPUT                                                                                     \
  "[mLayout", "BR", "-", "HR", "P", "DIV", "CENTER", "BLOCKQUOTE", "PRE", "H1", "H2", "H3",  \
      "H4", "H5", "H6", "]", "[mLink", "NAME", "-", "HREF", "HREFM", "-", "IMG", "MAP", "AREA", \
      "]", "[mCharStyle", "FONT", "B", "I", "BIG", "SMALL", "TT", "SUP", "SUB", "-", "U",       \
      "STRIKE", "S", "]", "[mLogicStyle", "EM", "STRONG", "CODE", "CITE", "DFN", "KBD", "SAMP", \
      "VAR", "-", "ADDRESS", "]", "[mList", "UL", "OL", "DL", "DIR", "MENU", "-", "DT", "DD",    \
      "LI", "]", "[mTable", "TABLE", "-", "CAPTION", "TR", "TH", "TD", "]", "[mFrame",   \
      "FRAMESET", "-", "FRAME", "NOFRAMES", "]", "[mForm", "FORM", "-", "INPUT", "TEXTAREA",  \
      "SELECT", "]", "[mInteractive", "APPLET", "SCRIPT", "NOSCRIPT", "]"
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
  "[mInsertFile", "InsertFile", "InsertFileAfterTransform", "InsertFileWithBR",         \
      "InsertFileWithPRE", "]", "InsertDate", "InsertTime", "ColorPalette", "ColorForm", "InsertURL"
#define PHRASES                                                                                     \
  "JumpAndInsert", "[mRegisterPhrase", "RegisterFromSelText", "RegisterFromClipboard", "]", \
      "[mRegisterJump", "RegisterJFromSelText", "RegisterJFromClipboard", "]"
#define CODE_CONVERSION "mToShiftJIS", "mToJIS", "mToEUC"

constexpr auto kFileMenu = std::to_array<E>({
    "FileNew", "FileDuplicate", "-", "FileOpen", "ProjetOpen", "[mFileHistory", "@FileHistory", "]",
    "-", "ReturnToPrevFile", "-", "FileSave", "FileSaveAll", "FileSaveAs", "-", "TemplateOpen",
    "TemplateSave", "-", "FileClose", "FileCloseAll", "FileCloseOthers", "-", "MoveToNextFile",
    "MoveToPrevFile", "-", "FilePrint", "-", "FileExit",
});
constexpr auto kEditMenu = std::to_array<E>({
    "EditUndo", "-", "EditCut", "EditCopy", "EditPaste", "SelectAll", "BackSpace", "-",
    "[mPasteWith", PASTE_VARIANTS, "]", "-", "[mSelect", SELECTIONS, "]",
    "[mTransform", TRANSFORMS, "]", "-", "[mJump", JUMPS, "]", "[mInsert", INSERTS, "]",
    PHRASES, "-", "EditFind", "FindNext1", "EditReplace", "-", "Indent", "UnIndent", "-",
    "[mCodeConversion", CODE_CONVERSION, "]",
});
constexpr auto kPageMenu = std::to_array<E>({PAGE_SET});
constexpr auto kTagMenu = std::to_array<E>({
    "[mTagTools", TAG_TOOLS, "]", "-", TAG_INPUT, "[mSpecialChar", SPECIAL_CHARS, "]",
    "[mTagStyle", "STYLE", "-", "TagStyle", "]", "-", "[mEvents", EVENTS, "]",
    "[mCommonAttrs", COMMON_ATTRS, "]",
});
constexpr auto kStyleMenu = std::to_array<E>({
    "LINKREL", "-", "RegisterStyle", "-", "STYLE", "TagStyle", "-", "InsertStyle", "SPAN",
});
constexpr auto kRegisteredMenu = std::to_array<E>({"RegisterTag", "-", "@RegisteredTags"});
constexpr auto kToolMenu = std::to_array<E>({
    "UpdateRichEdit1", "ShowSubWindow", "ShowProjectForm", "-", "ShowIE", "ShowNN", "ShowBrowser", "-",
    "ExecExplorer", "-", "[mExternalTools", "ExecTool0", "ExecTool1", "ExecTool2", "ExecTool3",
    "ExecTool4", "]",
});
constexpr auto kViewMenu = std::to_array<E>({
    "ShowSpeedBar", "ShowTagToolBar", "-", "ShowFileList", "ShowLinkList", "-", "SimplestForm",
    "FullyShownScreen", "-", "FlatBtn",
});
constexpr auto kOptionMenu = std::to_array<E>({
    "AutoSelect", "DirectTagInsert", "LowerCaseTag", "AutoIndent", "[mCaretPolicy",
    "SelectEditedEnd", "SelectEditedAll", "SelectPreviousSelection", "]",
    "[mDropAction", "DropThenOpen", "DropThenInsert", "]", "-",
    "OpenToShiftJIS", "[mSaveConversion", "SaveAsItIs", "SaveToJIS", "SaveToEUC", "]", "-",
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
    "[mPasteWith", PASTE_VARIANTS, "]", "[mJump", JUMPS, "]", "[mSelect", SELECTIONS,
    "]", "[mTransform", TRANSFORMS, "]", "[mInsert", INSERTS, "]", PHRASES, "-",
    "[mOtherEdit", "[mCodeConversion", CODE_CONVERSION, "]", "-", "EditFind", "FindNext1", "EditReplace", "]",
    "-", "EditTag", "[mTagToolsPopup", TAG_TOOLS, "]", "[mRegisteredTagsPopup", "@RegisteredTags", "]", "-",
    "[mPageSetPopup", PAGE_SET, "]", "[mTagInputPopup", TAG_INPUT, "[mSpecialChar", SPECIAL_CHARS, "-", "@Comment", "]",
    "]", "[mStylePopup", "InsertStyle", "SPAN", "-", "STYLE", "TagStyle", "-", "RegisterStyle", "LINKREL", "]",
    "[mEventsPopup", EVENTS, "]", "[mCommonAttrsPopup", COMMON_ATTRS, "]",
});
constexpr auto kTabPopup = std::to_array<E>({
    "FileClose", "FileCloseAll", "FileCloseOthers", "-", "ReturnToPrevFile", "-", "UpdateRichEdit2",
    "ReOpen1", "OpenCurFileBySubWindow", "-", "[mPageShift", "PageShiftToRight", "PageShiftToLeft",
    "PageShiftToRightEdge", "PageShiftToLeftEdge", "]", "-", "FileNew", "FileDuplicate", "FileOpen",
    "FileSave", "FileSaveAll", "FileSaveAs",
});
constexpr auto kFileListPopup = std::to_array<E>({
    "mOpen1", "mOpenBySubWindow", "-", "mDelete1", "[mFileName", "Rename", "-", "ToLowerCase",
    "ToUpperCase", "]", "[mFileCodeConversion", "mConvertToShiftJIS", "mConvertToJIS", "mConvertToEUC", "]", "-",
    "SelectAll1",
});
constexpr auto kDirListPopup = std::to_array<E>({
    "[mFavoriteFolders", "@FavoriteFolders", "]", "AddToFavoriteDir", "-", "OpenAllInDir", "-", "ShowFileList",
});
constexpr auto kLinkListPopup = std::to_array<E>({
    "UpdateLinkList", "-", "JumpInText", "-", "JumpToTarget", "JumpToIE0", "JumpToNN0", "-", "Copy2", "Paste2",
    "-", "Close2",
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

std::span<const MenuLayout> MainMenus() { return kMainMenus; }
std::span<const MenuLayout> PopupMenus() { return kPopupMenus; }
std::span<const ToolButtonRow> MainToolbar() { return kMainToolbar; }
std::span<const TagPage> TagPages() { return kTagPages; }

}  // namespace mw::gui
