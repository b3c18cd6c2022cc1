#include "gui/check/check_commands.h"

#include <array>

namespace mw::gui {
namespace {

constexpr CommandRow Row(std::string_view id, std::string_view caption, std::string_view handler,
                         std::string_view hint) {
  return Command(id, caption, handler).Hint(hint).In(CommandWindow::Check);
}

constexpr auto kRows = std::to_array<CommandRow>({
    Row("NeglectOmissibleTagBtn", "省略可タグを無視(&N)", "NeglectOmissibleTagBtnClick", "省略可能タグの検査をしない"),
    Row("CheckOmissibleTagBtn", "省略可タグも検査(&I)", "CheckOmissibleTagBtnClick",
        "省略可能タグが閉じている事もチェック"),
    Row("CheckNextFileBtn", "次のファイル検査(&P)", "CheckNextFileBtnClick", "次のファイルへ移動してタグチェック実行"),
    Row("OptionBtn", "オプション(&O)", "OptionBtnClick", "検査タグの編集"),
    Row("CloseBtn", "閉じる(&C)", "CloseBtnClick", "ウインドウを閉じる"),
});

constexpr auto kToolbar = std::to_array<ToolButtonRow>({
    {"NeglectOmissibleTagBtn", "省略可能タグの検査をしない", "NeglectOmissibleTagBtn"},
    {"CheckOmissibleTagBtn", "省略可能タグが閉じている事もチェック", "CheckOmissibleTagBtn"},
    {"CheckNextFileBtn", "次のファイルへ移動してタグチェック実行", "CheckNextFileBtn"},
    {"OptionBtn", "検査タグの編集", "OptionBtn"},
    {"CloseBtn", "ウインドウを閉じる", "CloseBtn"},
});

}  // namespace

std::span<const CommandRow> CheckWindowRows() { return kRows; }
std::span<const ToolButtonRow> CheckToolbar() { return kToolbar; }

}  // namespace mw::gui
