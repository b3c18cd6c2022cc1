#include "gui/project/project_commands.h"

#include <array>

namespace mw::gui {
namespace {

constexpr CommandRow Row(std::string_view id, std::string_view caption, std::string_view handler) {
  return Command(id, caption, handler).In(CommandWindow::Project);
}

constexpr auto kRows = std::to_array<CommandRow>({
    // File
    Row("FileNewProject", "プロジェクトの新規作成(&N)", "FileNewProjectClick").Key("Ctrl+N"),
    Row("FileOpenProject", "プロジェクトを開く(&O)...", "FileOpenProjectClick").Key("Ctrl+O"),
    Row("FileSaveProject", "プロジェクトの上書き保存(&S)", "FileSaveProjectClick").Key("Ctrl+S"),
    Row("FileSaveAsProject", "プロジェクトに名前をつけて保存(&A)...", "FileSaveAsProjectClick"),
    // One handler converts every file; the item's code tells which.
    Row("mConvertAllToShiftJIS", "Shift-JISコードに(&S)", "mConvertAllClick").Arg("s").Needing(kNeedsKanji),
    Row("mConvertAllToJIS", "JISコードに(&J)", "mConvertAllClick").Arg("j").Needing(kNeedsKanji),
    Row("mConvertAllToEUC", "EUCコード(&E)", "mConvertAllClick").Arg("e").Needing(kNeedsKanji),
    Row("Exit1", "閉じる(&X)", "Exit1Click"),
    // Project
    Row("FileAddToProject", "プロジェクトへのファイル追加(&A)", "FileAddToProjectClick").Key("Ctrl+A"),
    Row("FileDeleteFromProject", "プロジェクトからのファイル削除(&D)", "FileDeleteFromProjectClick").Key("Ctrl+X"),
    Row("mFileSort", "ファイルリストのソート(&S)", "mFileSortClick"),
    Row("AllFileAddToProject", "開いているファイルをすべてプロジェクトに追加(&E)", "AllFileAddToProjectClick"),
    Row("FileOpen", "選択ファイルを編集ウインドウで開く(&O)", "FileOpenClick"),
    Row("ReplaceAllFile", "プロジェクト登録ファイルに総入替え(&R)", "ReplaceAllFileClick"),
    // Links
    Row("UpdateLocalLinkTreeView", "ローカルリンクリストの更新(&L)", "UpdateLocalLinkTreeViewClick"),
    Row("UpdateRelMarkerTreeView", "相対参照マーカーリストの更新(&U)", "UpdateRelMarkerTreeViewClick"),
    Row("SendLinkToEditor", "リンク情報をテキストに張り付け(&L)", "SendLinkToEditorClick"),
    // Pop-up menus of the list, the trees and the results
    Row("FileOpen1", "選択ファイルを開く", "FileOpenClick"),
    Row("FileDeleteFromProject1", "プロジェクトからの選択ファイルの削除", "FileDeleteFromProjectClick"),
    Row("JumpToText1", "テキストへジャンプ", "JumpToTextClick"),
    Row("UpdateLocalLinkTreeView1", "リンク情報の更新", "UpdateLocalLinkTreeViewClick"),
    Row("SendLinkToEditor1", "テキストに張り付け", "SendLinkToEditorClick"),
    Row("JumpToMatch1", "本文中へジャンプ", "JumpToMatchClick").Key("Ctrl+J"),
});

constexpr SubmenuRow kSubmenus[] = {
    {"PrjFileHistoryMenu", "最近開いたプロジェクトファイル(&R)..."},
    {"mConvertAll", "すべてのファイルをコード変換...(&C)", kNeedsKanji},
};

using E = std::string_view;
constexpr auto kFileMenu = std::to_array<E>({
    "FileNewProject", "FileOpenProject", "[PrjFileHistoryMenu", "@PrjFileHistory", "]", "FileSaveProject",
    "FileSaveAsProject", "[mConvertAll", "mConvertAllToShiftJIS", "mConvertAllToJIS", "mConvertAllToEUC", "]", "-",
    "Exit1",
});
constexpr auto kProjectMenu = std::to_array<E>({
    "FileAddToProject", "FileDeleteFromProject", "mFileSort", "AllFileAddToProject", "-", "FileOpen",
    "ReplaceAllFile",
});
constexpr auto kLinkMenu = std::to_array<E>({"UpdateLocalLinkTreeView", "UpdateRelMarkerTreeView", "SendLinkToEditor"});
constexpr auto kMenus = std::to_array<MenuLayout>({
    {"File1", "ファイル(&F)", kFileMenu},
    {"Project1", "プロジェクト(&P)", kProjectMenu},
    {"Link1", "リンク(&L)", kLinkMenu},
});

constexpr auto kFileListPopup = std::to_array<E>({"FileOpen1", "FileDeleteFromProject1"});
constexpr auto kTreePopup = std::to_array<E>({"JumpToText1", "UpdateLocalLinkTreeView1"});
constexpr auto kRelMarkerPopup = std::to_array<E>({"SendLinkToEditor1", "UpdateLocalLinkTreeView1"});
constexpr auto kGrepPopup = std::to_array<E>({"JumpToMatch1"});
constexpr auto kPopups = std::to_array<MenuLayout>({
    {"pmProjectFileList", {}, kFileListPopup},
    {"pmLinkTrees", {}, kTreePopup},
    {"pmRelMarker", {}, kRelMarkerPopup},
    {"pmGrepResult", {}, kGrepPopup},
});

constexpr auto kToolbar = std::to_array<ToolButtonRow>({
    {"FileNewProjectBtn", "新規プロジェクトファイルを作成", "FileNewProject"},
    {"FileOpenProjectBtn", "プロジェクトファイルを開く", "FileOpenProject"},
    {"FileSaveProjectBtn", "プロジェクトファイルを保存", "FileSaveProject"},
    {"FileAddToPrjBtn", "プロジェクトへファイルの追加", "FileAddToProject"},
    {"FileDeleteFromPrjBtn", "プロジェクトからファイルの削除", "FileDeleteFromProject"},
    {"FileOpenBtn", "選択ファイルを編集画面で開く", "FileOpen"},
});

}  // namespace

std::span<const CommandRow> ProjectWindowRows() { return kRows; }
std::span<const SubmenuRow> ProjectWindowSubmenus() { return kSubmenus; }
std::span<const MenuLayout> ProjectMenus() { return kMenus; }
std::span<const MenuLayout> ProjectPopups() { return kPopups; }
std::span<const ToolButtonRow> ProjectToolbar() { return kToolbar; }

}  // namespace mw::gui
