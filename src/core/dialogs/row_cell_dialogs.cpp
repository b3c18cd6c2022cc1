// Table row and cell dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr std::string_view kHAlignItems = "\nleft\ncenter\nright";
constexpr std::string_view kVAlignItems = "\ntop\nmiddle\nbottom";

// --- TTRDlg ----------------------------------------------------------------------

constexpr Binding kTRRows[] = {
    Colour("cbBgColor", "BGCOLOR", "背景色(&C)"),
    Text("edBackGround", "BACKGROUND", "背景イメージ(&U)").Ref(Msg::ImageFileFilter),
    Radio("rgAlign", "ALIGN", "水平方向(&H)", kHAlignItems),
    Radio("rgVAlign", "VALIGN", "垂直方向(&V)", kVAlignItems),
    MW_COMMON_ROWS,
};

TagBuild BuildTR(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TR");
  TagWriter w(o);
  w.Open(element).Attributes(f, kTRRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr ReEditSpec kTRReEdits[] = {{"TR", "TR"}};

// --- TTHTDDlg --------------------------------------------------------------------

constexpr Binding kTHTDRows[] = {
    Number("edRowSpan", "ROWSPAN", "縦方向の連結(&Z)", -1),
    Number("edColSpan", "COLSPAN", "横方向の連結(&Y)", -1),
    Radio("rgAlign", "ALIGN", "水平方向(&S)", kHAlignItems),
    Radio("rgVAlign", "VALIGN", "垂直方向(&V)", kVAlignItems),
    Percent("edWidth", "ckWidth", "WIDTH", "幅(&W)", -1),
    Percent("edHeight", "ckHeight", "HEIGHT", "高さ(&H)", -1),
    Colour("cbBgColor", "BGCOLOR", "背景色(&C)"),
    Text("edBackGround", "BACKGROUND", "背景画像(&U)").Ref(Msg::ImageFileFilter),
    Keyword("ckNOWRAP", "NOWRAP", "NOWRAP(&X)"),
    MW_COMMON_ROWS,
};

TagBuild BuildTHTD(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TD");
  TagWriter w(o);
  w.Open(element).Attributes(f, kTHTDRows).Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

constexpr ReEditSpec kTHTDReEdits[] = {{"TH", "TH"}, {"TD", "TD"}};

}  // namespace

const TagDialogModel kTRDlg{"TTRDlg", {Msg::TRDlgCaption}, InsertWay::Wrap, kTRRows, BuildTR, nullptr, nullptr,
                            kTRReEdits};
const TagDialogModel kTHTDDlg{"TTHTDDlg", {Msg::THTDDlgCaption}, InsertWay::Wrap, kTHTDRows, BuildTHTD, nullptr,
                              nullptr, kTHTDReEdits};

}  // namespace mw
