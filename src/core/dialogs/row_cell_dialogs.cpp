// Table row and cell dialogs.
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"

namespace mw {

namespace {

constexpr std::string_view kHAlignItems = "\nleft\ncenter\nright";
constexpr std::string_view kVAlignItems = "\ntop\nmiddle\nbottom";

std::string ElementOf(const DialogFields& f, std::string_view fallback) {
  std::string name = f.Get(kFieldName);
  return name.empty() ? std::string(fallback) : name;
}

// --- TTRDlg ----------------------------------------------------------------------

constexpr ControlSpec kTRControls[] = {
    {"cbBgColor", "\x94\x77\x8C\x69\x90\x46(&C)" /* 背景色(&C) */, {}, ListSource::Colours},
    {"edBackGround", "\x94\x77\x8C\x69\x83\x43\x83\x81\x81\x5B\x83\x57(&U)" /* 背景イメージ(&U) */},
    {"rgAlign", "\x90\x85\x95\xBD\x95\xFB\x8C\xFC(&H)" /* 水平方向(&H) */, kHAlignItems},
    {"rgVAlign", "\x90\x82\x92\xBC\x95\xFB\x8C\xFC(&V)" /* 垂直方向(&V) */, kVAlignItems},
    MW_COMMON_CONTROLS,
};

void CreateTR(DialogFields& f) {
  f.Set("cbBgColor", "");
  f.Set("edBackGround", "");
  f.SetIndex("rgAlign", 0);
  f.SetIndex("rgVAlign", 0);
  CreateCommon(f);
}

TagBuild BuildTR(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TR");
  TagWriter w(o);
  w.Open(element)
      .Attr("BGCOLOR", f.Get("cbBgColor"))
      .Attr("BACKGROUND", f.Get("edBackGround"))
      .Radio("ALIGN", kHAlignItems, f.Index("rgAlign", 0))
      .Radio("VALIGN", kVAlignItems, f.Index("rgVAlign", 0))
      .Common(f)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

// --- TTHTDDlg --------------------------------------------------------------------

constexpr ControlSpec kTHTDControls[] = {
    {"edRowSpan", "\x8F\x63\x95\xFB\x8C\xFC\x82\xCC\x98\x41\x8C\x8B(&Z)" /* 縦方向の連結(&Z) */},
    {"edColSpan", "\x89\xA1\x95\xFB\x8C\xFC\x82\xCC\x98\x41\x8C\x8B(&Y)" /* 横方向の連結(&Y) */},
    {"rgAlign", "\x90\x85\x95\xBD\x95\xFB\x8C\xFC(&S)" /* 水平方向(&S) */, kHAlignItems},
    {"rgVAlign", "\x90\x82\x92\xBC\x95\xFB\x8C\xFC(&V)" /* 垂直方向(&V) */, kVAlignItems},
    {"edWidth", "\x95\x9D(&W)" /* 幅(&W) */},
    {"ckWidth", "%"},
    {"edHeight", "\x8D\x82\x82\xB3(&H)" /* 高さ(&H) */},
    {"ckHeight", "%"},
    {"cbBgColor", "\x94\x77\x8C\x69\x90\x46(&C)" /* 背景色(&C) */, {}, ListSource::Colours},
    {"edBackGround", "\x94\x77\x8C\x69\x89\xE6\x91\x9C(&U)" /* 背景画像(&U) */},
    {"ckNOWRAP", "NOWRAP(&X)"},
    MW_COMMON_CONTROLS,
};

void CreateTHTD(DialogFields& f) {
  for (const auto c : {"edRowSpan", "edColSpan", "edWidth", "edHeight"}) f.Set(c, "-1");
  f.SetIndex("rgAlign", 0);
  f.SetIndex("rgVAlign", 0);
  f.SetChecked("ckWidth", false);
  f.SetChecked("ckHeight", false);
  f.Set("cbBgColor", "");
  f.Set("edBackGround", "");
  f.SetChecked("ckNOWRAP", false);
  CreateCommon(f);
}

void ShowTHTD(DialogFields& f, bool) {
  BlankUnset(f, {"edRowSpan", "edColSpan", "edWidth", "edHeight"}, true);
}

TagBuild BuildTHTD(const DialogFields& f, const EditingOptions& o) {
  const std::string element = ElementOf(f, "TD");
  TagWriter w(o);
  w.Open(element)
      .Attr("ROWSPAN", NumberText(f, "edRowSpan"))
      .Attr("COLSPAN", NumberText(f, "edColSpan"))
      .Radio("ALIGN", kHAlignItems, f.Index("rgAlign", 0))
      .Radio("VALIGN", kVAlignItems, f.Index("rgVAlign", 0))
      .Size("WIDTH", NumberText(f, "edWidth"), f.Checked("ckWidth"))
      .Size("HEIGHT", NumberText(f, "edHeight"), f.Checked("ckHeight"))
      .Attr("BGCOLOR", f.Get("cbBgColor"))
      .Attr("BACKGROUND", f.Get("edBackGround"))
      .Keyword(" NOWRAP", f.Checked("ckNOWRAP"))
      .Common(f)
      .PassThrough(f)
      .Raw(">");
  return WrapBuild(f, w.Text(), ApplyTagCase("</" + element + ">", o));
}

}  // namespace

const TagDialogModel kTRDlg{"TTRDlg", "\x83\x65\x81\x5B\x83\x75\x83\x8B\x82\xCC\x8D\x73<TR></TR>\x81\x46\x81\x40\x8F\x49\x97\xB9\x83\x5E\x83\x4F\x8F\xC8\x97\xAA\x89\xC2" /* テーブルの行<TR></TR>：　終了タグ省略可 */, InsertWay::Wrap,
                            kTRControls, CreateTR, NoShowStep, BuildTR};
const TagDialogModel kTHTDDlg{"TTHTDDlg", "\x8D\x73\x82\xCC\x92\xE8\x8B\x60" /* 行の定義 */, InsertWay::Wrap, kTHTDControls, CreateTHTD,
                              ShowTHTD, BuildTHTD};

}  // namespace mw
