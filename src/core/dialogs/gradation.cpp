#include "core/dialogs/gradation.h"

#include "core/dialogs/dialog_actions.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/tag_dialog.h"
#include "core/editing/insertion.h"
#include "core/editing/tag_text.h"
#include "core/text/encoding.h"

namespace mw {

namespace {

bool IsBlank(unsigned char b) { return b <= 0x20; }

// A piece of the text: coloured (a character, a character reference) or
// kept as it is (a tag, a line break).
struct Unit {
  std::size_t at, length;
  bool coloured;
};

// The length of a character reference at i ("&amp;", "&#12354;"), or 0.
std::size_t ReferenceLength(std::string_view s, std::size_t i) {
  std::size_t j = i + 1;
  if (j < s.size() && s[j] == '#') ++j;
  const std::size_t first = j;
  while (j < s.size() && j - i < 12 && std::isalnum(static_cast<unsigned char>(s[j]))) ++j;
  return j > first && j < s.size() && s[j] == ';' ? j + 1 - i : 0;
}

template <typename F>
void ForEachUnit(std::string_view s, F&& f) {
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    std::size_t n = static_cast<std::size_t>(CharLength(s, static_cast<Offset>(i)));
    bool coloured = true;
    if (b == '<') {
      // A tag split into coloured bytes would no longer be a tag.
      const Offset close = Find(s, ">", static_cast<Offset>(i));
      if (close != kNoPos) {
        n = static_cast<std::size_t>(close) + 1 - i;
        coloured = false;
      }
    } else if (b == '&') {
      if (const std::size_t r = ReferenceLength(s, i)) n = r;
    } else if (b == '\r' || b == '\n') {
      coloured = false;
    }
    f(Unit{i, n, coloured});
    i += n;
  }
}

}  // namespace

std::string GradationText(std::string_view text, Rgb start, Rgb end, std::string_view style,
                          const EditingOptions& o) {
  std::size_t lead = 0;
  while (lead < text.size() && IsBlank(static_cast<unsigned char>(text[lead]))) ++lead;
  std::size_t stop = text.size();
  while (stop > lead && IsBlank(static_cast<unsigned char>(text[stop - 1]))) --stop;
  const std::string_view core = text.substr(lead, stop - lead);

  std::size_t n = 0;
  ForEachUnit(core, [&](const Unit& u) { n += u.coloured ? u.length : 0; });
  if (n == 0) return std::string(text);

  std::string r;
  if (n == 1) {
    r = std::string(core);
  } else {
    const std::string open = ApplyTagCase("<SPAN STYLE=\"color:#", o);
    const std::string close = ApplyTagCase("</SPAN>", o);
    const std::string hex = ApplyTagCase("0123456789ABCDEF", o);
    r.reserve(core.size() * (open.size() + close.size() + 10));
    const double steps = static_cast<double>(n - 1);
    auto component = [&](unsigned char from, unsigned char to, std::size_t i) {
      const double v = from + std::ceil(static_cast<double>(i) * (to - from) / steps);
      return static_cast<unsigned char>(std::clamp(v, 0.0, 255.0));
    };
    std::size_t i = 0;  // offset among the coloured bytes
    ForEachUnit(core, [&](const Unit& u) {
      const std::string_view piece = core.substr(u.at, u.length);
      if (!u.coloured) {
        r += piece;
        return;
      }
      r += open;
      for (const unsigned char c : {component(start.red, end.red, i), component(start.green, end.green, i),
                                    component(start.blue, end.blue, i)}) {
        r += hex[c >> 4];
        r += hex[c & 15];
      }
      r += "\">";
      r += piece;
      r += close;
      i += u.length;
    });
  }
  if (!style.empty())
    r = ApplyTagCase("<SPAN STYLE=\"", o) + std::string(style) + "\">" + r + ApplyTagCase("</SPAN>", o);
  return std::string(text.substr(0, lead)) + r + std::string(text.substr(stop));
}

std::string GradationPreview(const DialogFields& f, const EditingOptions& o) {
  return GradationText(f.Get("edString"), ReadColourText(f.Get("StartColorPanel")),
                       ReadColourText(f.Get("EndColorPanel")), f.Get("cbStyle"), o);
}

std::optional<Rgb> PickPaletteColour(DialogHost& host, Rgb initial) {
  DialogFields f;
  f.Set("Color", ColourTextOf(initial));
  if (!host.Run(kColourDialogClass, f)) return std::nullopt;
  return ReadColourText(f.Get("Color"));
}

namespace {

// The colour buttons open the system colour dialog on their panel's
// colour; the style's 編集(&E) and the rest are those every dialog shares.
class GradationActions : public TagDialogActions {
 public:
  explicit GradationActions(EditingContext& ctx) : TagDialogActions(ctx, kGradationDlgClass), m_ctx(ctx) {}

  bool Take(const DialogStep& step, DialogFields& f) override {
    if (step.kind == DialogStep::Press && (step.control == "StartColorBtn" || step.control == "EndColorBtn")) {
      const std::string panel = step.control.substr(0, step.control.size() - 3) + "Panel";
      if (m_ctx.dialogs)
        if (const auto chosen = PickPaletteColour(*m_ctx.dialogs, ReadColourText(f.Get(panel))))
          f.Set(panel, ColourTextOf(*chosen));
      return true;
    }
    return TagDialogActions::Take(step, f);
  }

 private:
  EditingContext& m_ctx;
};

}  // namespace

void GradationCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  EditorSurface& e = ctx.Editor();
  const DialogServices& s = ctx.services;
  DialogFields f;
  f.Set(kFieldCaption, MessageSjis(Msg::GradationDlgCaption));
  f.Set("edString", e.GetSelText());
  f.Set("cbStyle", "");
  SetItems(f, "cbStyle", SourceItems(s, ListSource::Styles, {}));
  const auto colour = [&](std::string_view key, std::uint32_t def) {
    const int v = ReadPreviousInt(s, kGradationSection, key, static_cast<int>(def));
    return ColourTextOf(FromColourValue(static_cast<std::uint32_t>(v)));
  };
  f.Set("StartColorPanel", colour("StartColor", 0xFF0000));
  f.Set("EndColorPanel", colour("EndColor", 0x0000FF));
  const std::string preset = GradationPreview(f, ctx.options);
  f.Set(kFieldPreview, preset);
  GradationActions actions(ctx);
  f.actions = &actions;
  const bool ok = ctx.dialogs->Run(kGradationDlgClass, f);
  f.actions = nullptr;
  // The colours are remembered however the dialog closed.
  for (const auto& [key, panel] : {std::pair{"StartColor", "StartColorPanel"}, std::pair{"EndColor", "EndColorPanel"}})
    WritePreviousInt(s, kGradationSection, key, static_cast<int>(ToColourValue(ReadColourText(f.Get(panel)))));
  e.SetFocus();
  if (!ok) return;
  // A preview edited by hand goes in as it stands.
  const std::string returned = f.Get(kFieldPreview, preset);
  const std::string text = returned != preset ? returned : GradationPreview(f, ctx.options);
  UndoStep step(e);
  ReplaceSelection(ctx, text);
}

void ColourPaletteCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  const auto chosen = PickPaletteColour(*ctx.dialogs, {255, 255, 255});
  ctx.Editor().SetFocus();
  if (!chosen) return;
  UndoStep step(ctx.Editor());
  InsertPlain(ctx, ApplyTagCase(ColourTextOf(*chosen), ctx.options));
}

void ColourNameCommand(EditingContext& ctx) {
  if (!ctx.dialogs) return;
  const std::string text = PickColourName(*ctx.dialogs, ctx.services, ctx.Editor().GetSelText(), ctx.options);
  ctx.Editor().SetFocus();
  if (text.empty()) return;
  UndoStep step(ctx.Editor());
  InsertPlain(ctx, text);
}

}  // namespace mw
