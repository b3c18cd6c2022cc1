// The image dialog and the image map dialog: their rows, their builds, the
// choice of a picture and the map's coordinate capture.
#include "core/dialogs/picture_dialogs.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/app/data_folder.h"
#include "core/app/ini_file.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/dialogs/tag_reedit.h"
#include "core/editing/tag_text.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

constexpr std::string_view kAlignItems = "\ntop\nmiddle\nbottom\nleft\nright";
constexpr std::string_view kShapeItems = "rect\ncircle\npolygon";

// --- TImageDlg -------------------------------------------------------------------

// The numbers start at 0 and may be stepped back to 0, which is then
// written; BORDER keeps its "0", so a new picture has no border.
constexpr Binding kImageRows[] = {
    Combo("cbImageFile", "SRC", "画像ファイル名(&U)").Required().Ref(Msg::ImageFileFilter),
    Combo("cbNAME", "USEMAP", "マップ名 (USE&MAP)", {}, ListSource::Urls).Prefixed("#"),
    Text("edAlt", "ALT", "画像の代わりに挿入する文字列(&A)"),
    Percent("edWidth", "ckWidth", "WIDTH", "画像の幅(&W)", 0).Lowest(0),
    Percent("edHeight", "ckHeight", "HEIGHT", "画像の高さ(&H)", 0).Lowest(0),
    Number("edBorder", "BORDER", "枠線の幅(&B)", 0).Lowest(0),
    Number("edVSpace", "VSPACE", "テキストとの縦間隔(&V)", 0).Lowest(0),
    Number("edHSpace", "HSPACE", "テキストとの横間隔(&S)", 0).Lowest(0),
    Radio("rgAlign", "ALIGN", "位置(&P)", kAlignItems),
};

TagBuild BuildImage(const DialogFields& f, const EditingOptions& o) {
  if (RequiredMissing(f, kImageRows)) return {};
  TagWriter w(o);
  w.Open("IMG").Attributes(f, kImageRows).Raw(">");
  return SingleBuild(w.Text());
}

// BORDER is never blanked: it shows its "0" in both modes.
void ShowImage(DialogFields& f, bool) {
  if (f.Get("edBorder").empty()) f.Set("edBorder", "0");
}

constexpr ReEditSpec kImageReEdits[] = {{"IMG", "IMG"}};

// --- TAREADlg --------------------------------------------------------------------

// The IMG tag's rows (page "<IMG>設定", with the map name of the other
// page as its USEMAP), then the AREA tag's, then the two choices.
constexpr Binding kAreaRows[] = {
    Combo("cbImageFile", "SRC", "画像ファイル(&F)").Ref(Msg::ImageFileFilter),
    Combo("cbNAME", "USEMAP", "マップ名 (&N)", {}, ListSource::Urls).Prefixed("#"),
    Text("edAlt", "ALT", "画像の代わりに挿入する文字列(&A)"),
    Number("edWidth", "WIDTH", "画像の幅(&W)", 0),
    Number("edHeight", "HEIGHT", "画像の高さ(&H)", 0),
    Number("edBorder", "BORDER", "枠線の幅(&B)", 0).Lowest(0),
    Radio("rgAlign", "ALIGN", "位置合わせ(&P)", kAlignItems),
    Number("edVSpace", "VSPACE", "テキストとの縦間隔(&V)", 0),
    Number("edHSpace", "HSPACE", "テキストとの横間隔(&S)", 0),
    Combo("cbShape", "SHAPE", "&SHAPE", kShapeItems).Always(),
    Text("edCoords", "COORDS", "&COORDS"),
    Combo("cbURL", "HREF", "リンク先&URL名", {}, ListSource::Urls).Ref(Msg::HtmlFileFilter),
    Handler("cbOnFocus", "onFocus"),
    Handler("cbOnBlur", "onBlur"),
    Keyword("ckIMG", {}, "<&IMG>も同時に挿入"),
    Keyword("ckMAP", {}, "<&MAP>も同時に挿入"),
};
constexpr std::size_t kAreaImgRows = 9;   // cbImageFile ... edHSpace
constexpr std::size_t kAreaAreaRows = 5;  // cbShape ... cbOnBlur

TagBuild BuildArea(const DialogFields& in, const EditingOptions& o) {
  const std::span<const Binding> rows(kAreaRows);
  // Sizes and spaces of 0 say nothing: they are blank in this dialog.
  DialogFields f = in;
  for (const char* c : {"edWidth", "edHeight", "edVSpace", "edHSpace"})
    if (f.Get(c) == "0") f.Set(c, "");
  const std::string name = f.Get("cbNAME");
  std::string mapStart, mapEnd;
  if (!name.empty()) {
    TagWriter start(o);
    start.Open("MAP").Syntax(" NAME=\"").Raw(name).Raw("\">\r\n");
    mapStart = start.Text();
    mapEnd = ApplyTagCase("</MAP>\r\n", o);
  }
  std::string img;
  if (!f.Get("cbImageFile").empty()) {
    TagWriter w(o);
    w.Open("IMG").Attributes(f, rows.first(kAreaImgRows)).Raw(">\r\n");
    img = w.Text();
  }
  std::string area;
  if (!f.Get("cbURL").empty() && !f.Get("edCoords").empty()) {
    TagWriter w(o);
    w.Open("AREA").Attributes(f, rows.subspan(kAreaImgRows, kAreaAreaRows)).Raw(">");
    area = w.Text();
  }
  std::string text = area;
  if (f.Checked("ckMAP")) text = mapStart + area + "\r\n" + mapEnd;
  if (f.Checked("ckIMG")) text = img + text;
  return SingleBuild(std::move(text));
}

void ShowArea(DialogFields& f, bool reEdit) {
  if (f.Get("edBorder").empty()) f.Set("edBorder", "0");
  if (reEdit) {
    // Only the AREA tag is re-edited: nothing may be wrapped around it.
    for (const char* c : {"ckIMG", "ckMAP"}) {
      f.SetChecked(c, false);
      f.Set(std::string(c) + "#enabled", "0");
    }
    f.Set("#page", "MapSheet");
  } else {
    f.Set("cbShape", "rect");
  }
}

// The AREA re-edit reads the AREA tag's own attributes; the IMG page
// stays as it is.
constexpr std::string_view kAreaUnread[] = {"cbImageFile", "cbNAME",   "edAlt",    "edWidth", "edHeight",
                                            "edBorder",    "rgAlign",  "edVSpace", "edHSpace"};
constexpr ReEditSpec kAreaReEdits[] = {{"AREA", "AREA", {}, {}, kAreaUnread}};

// --- Remembered values -------------------------------------------------------------

struct Remembered {
  std::string_view key;
  std::string_view control;
};
constexpr Remembered kImageKeys[] = {
    {"IMAGEFILE", "cbImageFile"}, {"ALT", "edAlt"},       {"WIDTH", "edWidth"}, {"HEIGHT", "edHeight"},
    {"VSPACE", "edVSpace"},       {"HSPACE", "edHSpace"}, {"BORDER", "edBorder"}, {"NAME", "cbNAME"},
};
constexpr Remembered kAreaKeys[] = {
    {"COORDS", "edCoords"}, {"HREF", "cbURL"}, {"OnFocus", "cbOnFocus"}, {"OnBlur", "cbOnBlur"},
};

bool IsArea(const TagDialogModel& m) { return &m == &kAREADlg; }
std::string_view SectionOf(const TagDialogModel& m) { return IsArea(m) ? "AREA" : "IMAGE"; }

void Remember(const TagDialogModel& m, const DialogFields& f, const DialogServices& s) {
  if (s.dataFolder.empty()) return;
  const std::string path = DataFilePath(s.dataFolder, kPreviousSettingName);
  IniFile ini = IniFile::Load(path);
  const std::string_view section = SectionOf(m);
  for (const Remembered& r : kImageKeys) ini.Set(section, r.key, f.Get(r.control));
  ini.SetInt(section, "ALIGN", f.Index("rgAlign", 0));
  if (IsArea(m)) {
    for (const Remembered& r : kAreaKeys) ini.Set(section, r.key, f.Get(r.control));
    ini.SetInt(section, "SHAPE", std::max(AreaShapeIndex(f.Get("cbShape")), 0));
  }
  ini.Save(path);
}

void RememberImage(const DialogFields& f, const DialogServices& s) { Remember(kImageDlg, f, s); }
void RememberArea(const DialogFields& f, const DialogServices& s) { Remember(kAREADlg, f, s); }

// --- Paths -------------------------------------------------------------------------

// A file-system path as a page writes it (the file system's names are
// UTF-8 here; a name Shift-JIS cannot hold keeps its own bytes).
std::string AsDocumentText(const std::string& native) {
  const bool ascii = std::all_of(native.begin(), native.end(), [](char c) { return (c & 0x80) == 0; });
  if (ascii) return native;
  SjisFromView r = UnicodeViewToSjis(native);
  if (r.badAt != std::string::npos) r.bytes.append(native.substr(r.badAt));
  return r.bytes;
}

// The file a typed URL names; empty when there is none on disk.
std::string ExistingFileOf(const std::string& url, const DialogEnv& env) {
  if (url.empty() || !env.services || !env.services->resolveRelativePath) return {};
  const std::string path = env.services->resolveRelativePath(url, env.documentPath);
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec) ? path : std::string();
}

Msg ProblemText(PictureProblem p) {
  switch (p) {
    case PictureProblem::Missing: return Msg::PictureMissing;
    case PictureProblem::NotPicture: return Msg::PictureNotPicture;
    case PictureProblem::Damaged: return Msg::PictureDamaged;
    case PictureProblem::Unreadable:
    case PictureProblem::None: break;
  }
  return Msg::PictureUnreadable;
}

// --- Buttons and gestures ---------------------------------------------------------

std::string StartOf(const DialogFields& f, std::string_view control, const DialogEnv& env) {
  return ExistingFileOf(f.Get(control), env);
}

bool ActPicture(const TagDialogModel& m, DialogFields& f, const DialogStep& a, const DialogEnv& env) {
  const bool area = IsArea(m);
  auto say = [&](const std::string& text) {
    if (!text.empty() && env.message) env.message(text);
  };
  if (a.kind == DialogStep::Press) {
    if (a.control == (area ? "ImageRefBtn" : "RefBtn")) {
      if (!ReferenceButtonEnabled(env.documentPath) || !env.chooseFile) return true;
      const std::vector<PictureFormat> formats =
          env.services && env.services->pictures ? env.services->pictures->Formats() : std::vector<PictureFormat>{};
      if (auto file = env.chooseFile(PictureFileFilter(formats), StartOf(f, "cbImageFile", env)))
        say(ChoosePicture(f, *file, env));
      return true;
    }
    if (area && a.control == "URLRefBtn") {  // the link, as any reference button
      if (!ReferenceButtonEnabled(env.documentPath) || !env.chooseFile || !env.services) return true;
      if (auto file = env.chooseFile(MessageSjis(Msg::HtmlFileFilter), StartOf(f, "cbURL", env)))
        ApplyReferenceChoice(f, "cbURL", AsDocumentText(*file), AsDocumentText(env.documentPath), *env.services);
      return true;
    }
    if (a.control == "ReloadBtn") {
      say(ReloadPrevious(f, m, env));
      return true;
    }
    if (a.control == "cbImageFile") {  // an item of the drop-down list chosen
      say(ChooseListedPicture(f, env));
      return true;
    }
    // The file manager is the window's; without one it does nothing.
    return a.control == "ExplorerBtn";
  }
  if (a.kind == DialogStep::Field) {
    // Another shape starts its coordinates afresh.
    if (area && a.control == "cbShape") AreaShapeChanged(f);
    return area && a.control == "cbShape";
  }
  if (!area || a.kind != DialogStep::Gesture || a.control != "Image") return false;
  if (a.value == "down") AreaPointer(f, Pointer::Down, a.x, a.y);
  else if (a.value == "move") AreaPointer(f, Pointer::Move, a.x, a.y);
  else if (a.value == "up") AreaPointer(f, Pointer::Up, a.x, a.y);
  else if (a.value == "dbl") AreaPointer(f, Pointer::DoubleClick, a.x, a.y);
  else return false;
  return true;
}

bool ActImage(DialogFields& f, const DialogStep& a, const DialogEnv& env) { return ActPicture(kImageDlg, f, a, env); }
bool ActArea(DialogFields& f, const DialogStep& a, const DialogEnv& env) { return ActPicture(kAREADlg, f, a, env); }

// The capture state, kept beside the fields.
constexpr std::string_view kX0 = "Image#x0", kY0 = "Image#y0", kX1 = "Image#x1", kY1 = "Image#y1",
                           kRadius = "Image#r", kDragging = "Image#dragging";

int Int(const DialogFields& f, std::string_view key) { return f.Index(key, 0); }
void SetInt(DialogFields& f, std::string_view key, long long v) { f.Set(key, std::to_string(v)); }

std::string Joined(std::initializer_list<long long> numbers) {
  std::string s;
  for (const long long n : numbers) {
    if (!s.empty()) s += ',';
    s += std::to_string(n);
  }
  return s;
}

}  // namespace

// --- Choosing a picture -----------------------------------------------------------

namespace {

// The picture shown, with its own size as the size fields' hints; the
// fields' values are the caller's. What the file gives, or why it gives
// no picture (nothing is changed then).
PictureSize ShowPicture(DialogFields& f, const std::string& file, PictureReader& reader) {
  PictureSize size = reader.ReadSize(file);
  if (size.problem == PictureProblem::None) size.problem = reader.Decode(file);
  if (size.problem != PictureProblem::None) return size;
  f.Set(kFieldPicture, file);
  f.Set(kFieldWidthHint, std::to_string(size.width));
  f.Set(kFieldHeightHint, std::to_string(size.height));
  return size;
}

}  // namespace

std::string ChoosePicture(DialogFields& f, const std::string& file, const DialogEnv& env) {
  PictureReader* reader = env.services ? env.services->pictures : nullptr;
  std::string width, height;
  if (reader) {
    const PictureSize size = ShowPicture(f, file, *reader);
    if (size.problem != PictureProblem::None)
      return FormatMessage(MessageSjis(ProblemText(size.problem)), {AsDocumentText(file)});
    width = std::to_string(size.width);
    height = std::to_string(size.height);
  } else {
    f.Set(kFieldPicture, "");
    f.Set(kFieldWidthHint, "");
    f.Set(kFieldHeightHint, "");
  }
  f.Set("edWidth", width);
  f.Set("edHeight", height);
  // The URL relative to the page; a page never saved gives the whole path.
  if (!env.services ||
      !ApplyReferenceChoice(f, "cbImageFile", AsDocumentText(file), AsDocumentText(env.documentPath), *env.services))
    f.Set("cbImageFile", AsDocumentText(file));
  const std::string url = f.Get("cbImageFile");
  std::vector<std::string> items = GetItems(f, "cbImageFile");
  if (std::find(items.begin(), items.end(), url) == items.end()) {
    items.push_back(url);
    // The map dialog (the one with a shape) keeps its list sorted.
    if (f.Has("cbShape")) std::sort(items.begin(), items.end());
    SetItems(f, "cbImageFile", items);
  }
  return {};
}

void ShowTagPicture(DialogFields& f, const DialogEnv& env) {
  PictureReader* reader = env.services ? env.services->pictures : nullptr;
  const std::string file = ExistingFileOf(f.Get("cbImageFile"), env);
  if (reader && !file.empty()) ShowPicture(f, file, *reader);
}

std::optional<std::string> DroppedPicture(const std::vector<std::string>& paths,
                                          const std::function<bool(const std::string&)>& isFolder) {
  if (paths.empty()) return std::nullopt;
  for (const std::string& p : paths)
    if (isFolder(p)) return std::nullopt;
  return paths.back();
}

std::string ChooseListedPicture(DialogFields& f, const DialogEnv& env) {
  const std::string file = ExistingFileOf(f.Get("cbImageFile"), env);
  return file.empty() ? std::string() : ChoosePicture(f, file, env);
}

std::string ReloadPrevious(DialogFields& f, const TagDialogModel& m, const DialogEnv& env) {
  if (!env.services || env.services->dataFolder.empty()) return {};
  const IniFile ini = IniFile::Load(DataFilePath(env.services->dataFolder, kPreviousSettingName));
  const std::string_view section = SectionOf(m);
  const bool area = IsArea(m);
  for (const Remembered& r : kImageKeys) {
    // The image dialog keeps its width when none is remembered.
    const std::string def = r.key == "BORDER" ? "0" : r.key == "WIDTH" && !area ? f.Get("edWidth") : "";
    f.Set(r.control, ini.GetString(section, r.key, def));
  }
  const int align = ini.GetInt(section, "ALIGN", 0);
  f.SetIndex("rgAlign", align >= 0 && align < 6 ? align : 0);
  if (area) {
    for (const Remembered& r : kAreaKeys) f.Set(r.control, ini.GetString(section, r.key, ""));
    const auto shapes = SplitItems(kShapeItems);
    const int shape = ini.GetInt(section, "SHAPE", 0);
    f.Set("cbShape", shapes[shape >= 0 && shape < 3 ? static_cast<std::size_t>(shape) : 0]);
  }
  return ChooseListedPicture(f, env);
}

std::string PictureFileFilter(const std::vector<PictureFormat>& formats) {
  std::string descriptions, patterns;
  for (const PictureFormat& format : formats) {
    std::string list;
    for (const std::string& p : format.patterns) {
      if (!list.empty()) list += ';';
      list += p;
    }
    descriptions += format.description + "(" + list + "),";
    patterns += list + ";";
  }
  return descriptions + "|" + patterns + "|" + MessageSjis(Msg::AllFilesFilterEntry);
}

// --- Capture ------------------------------------------------------------------------

int AreaShapeIndex(std::string_view shape) {
  if (EqualsNoCase(shape, "rect")) return 0;
  if (EqualsNoCase(shape, "circle")) return 1;
  if (EqualsNoCase(shape, "polygon") || EqualsNoCase(shape, "poly")) return 2;
  return -1;
}

void AreaPointer(DialogFields& f, Pointer p, int x, int y) {
  const int shape = AreaShapeIndex(f.Get("cbShape"));
  const bool dragging = f.Checked(kDragging);
  switch (p) {
    case Pointer::Down:
    case Pointer::DoubleClick: {
      // The second press of a double click is a press like the first.
      SetInt(f, kX0, x);
      SetInt(f, kY0, y);
      SetInt(f, kX1, x);
      SetInt(f, kY1, y);
      SetInt(f, kRadius, 0);
      f.SetChecked(kDragging, true);
      if (shape == 0 || shape == 1) {
        f.Set("edCoords", Joined({x, y}));
      } else if (shape == 2) {
        const std::string coords = f.Get("edCoords");
        f.Set("edCoords", coords.empty() ? Joined({x, y}) : coords + "," + Joined({x, y}));
      }
      break;
    }
    case Pointer::Move: {
      const long long x0 = Int(f, kX0), y0 = Int(f, kY0);
      if (!dragging) {
        f.Set(kFieldStatus, FormatMessage(MessageSjis(Msg::AreaStatusPoint), {std::to_string(x), std::to_string(y)}));
      } else if (shape == 0) {
        SetInt(f, kX1, x);
        SetInt(f, kY1, y);
        f.Set("edCoords", Joined({x0, y0, x, y}));
        f.Set(kFieldStatus, FormatMessage(MessageSjis(Msg::AreaStatusRect),
                                          {std::to_string(x0), std::to_string(y0), std::to_string(x), std::to_string(y)}));
      } else if (shape == 1) {
        SetInt(f, kX1, x);
        SetInt(f, kY1, y);
        const double dx = static_cast<double>(x - x0), dy = static_cast<double>(y - y0);
        const long long r = static_cast<long long>(std::sqrt(dx * dx + dy * dy));
        SetInt(f, kRadius, r);
        f.Set("edCoords", Joined({x0, y0, r}));
        f.Set(kFieldStatus, FormatMessage(MessageSjis(Msg::AreaStatusCircle),
                                          {std::to_string(x0), std::to_string(y0), std::to_string(r)}));
      }
      break;
    }
    case Pointer::Up: {
      // A release whose press was elsewhere (outside the picture) has no
      // points of its own: it must not replace the coordinates.
      if (!dragging) break;
      f.SetChecked(kDragging, false);
      long long x0 = Int(f, kX0), y0 = Int(f, kY0), x1 = Int(f, kX1), y1 = Int(f, kY1);
      if (x0 > x1) std::swap(x0, x1);
      if (y0 > y1) std::swap(y0, y1);
      SetInt(f, kX0, x0);
      SetInt(f, kY0, y0);
      SetInt(f, kX1, x1);
      SetInt(f, kY1, y1);
      if (shape == 0) f.Set("edCoords", Joined({x0, y0, x1, y1}));
      break;
    }
  }
}

std::optional<RubberBand> AreaRubberBand(const DialogFields& f) {
  if (!f.Checked(kDragging)) return std::nullopt;
  const int shape = AreaShapeIndex(f.Get("cbShape"));
  if (shape != 0 && shape != 1) return std::nullopt;
  RubberBand b;
  b.circle = shape == 1;
  b.x0 = Int(f, kX0);
  b.y0 = Int(f, kY0);
  b.x1 = Int(f, kX1);
  b.y1 = Int(f, kY1);
  b.radius = Int(f, kRadius);
  return b;
}

void AreaShapeChanged(DialogFields& f) {
  if (AreaShapeIndex(f.Get("cbShape")) != 0) f.Set("edCoords", "");
}

const TagDialogModel kImageDlg{"TImageDlg", {Msg::ImageDlgCaption}, InsertWay::ByCommand, kImageRows, BuildImage,
                               nullptr, ShowImage, kImageReEdits, {}, ActImage, RememberImage};
const TagDialogModel kAREADlg{"TAREADlg", {Msg::AreaDlgCaption}, InsertWay::Single, kAreaRows, BuildArea,
                              nullptr, ShowArea, kAreaReEdits, {}, ActArea, RememberArea};

}  // namespace mw
