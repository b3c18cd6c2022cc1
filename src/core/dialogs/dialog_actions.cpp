// The steps a dialog takes alike whichever host drives it.
#include "core/dialogs/dialog_actions.h"

#include <cstdio>
#include <filesystem>
#include <optional>

#include "core/dialogs/colour_input.h"
#include "core/dialogs/dialog_lists.h"
#include "core/dialogs/style_editor.h"
#include "core/dialogs/tag_dialog.h"
#include "core/text/encoding.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

// The page as a full file-system path, for reference buttons and the
// pictures a page names; empty for a page never saved.
std::string DocumentPathOf(const EditingContext& ctx) {
  if (ctx.fileName.empty()) return {};
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(ctx.fileName, ec);
  return ec ? ctx.fileName : absolute.string();
}

// A file chosen in the host's open-file dialog; its name comes back as
// document text.
std::optional<std::string> ChooseFile(EditingContext& ctx, const std::string& filter, const std::string& start) {
  if (!ctx.dialogs) return std::nullopt;
  DialogFields choice;
  choice.Set("Title", "");
  choice.Set("Filter", filter);
  choice.Set("InitialDir", start);
  choice.Set("FileName", "");
  if (!ctx.dialogs->Run("OpenDialog", choice)) return std::nullopt;
  const std::string name = choice.Get("FileName");
  if (name.empty()) return std::nullopt;
  return name;
}

}  // namespace

TagDialogActions::TagDialogActions(EditingContext& ctx, std::string_view dialogClass)
    : m_ctx(ctx), m_class(dialogClass), m_model(FindTagDialogModel(dialogClass)) {}

TagDialogActions::TagDialogActions(EditingContext& ctx, const TagDialogModel& model)
    : m_ctx(ctx), m_class(model.dialogClass), m_model(&model) {}

bool TagDialogActions::Take(const DialogStep& step, DialogFields& f) {
  switch (step.kind) {
    case DialogStep::Field:
      f.Set(step.control, step.value);
      DialogFieldChanged(m_ctx, m_class, step.control, f);
      Act(step, f);  // the model's own rule for the change, as the window follows it
      return true;
    case DialogStep::Press:
      return Act(step, f) || PressDialogButton(m_ctx, m_class, step.control, f) || PressPlain(step.control, f);
    case DialogStep::Row:
      if (m_class != kRegisterStyleDlgClass || step.control != kFieldStyleList) return false;
      f.Set(step.control, step.value);
      DialogFieldChanged(m_ctx, m_class, step.control, f);
      return true;
    case DialogStep::Gesture:
      return Act(step, f);
  }
  return false;
}

bool TagDialogActions::Act(const DialogStep& step, DialogFields& f) {
  if (m_model == nullptr || m_model->act == nullptr) return false;
  DialogEnv env;
  env.services = &m_ctx.services;
  env.documentPath = DocumentPathOf(m_ctx);
  // A picture file is found by its name on the file system.
  env.chooseFile = [this](const std::string& filter, const std::string& start) -> std::optional<std::string> {
    const auto name = ChooseFile(m_ctx, filter, start);
    if (!name) return std::nullopt;
    std::error_code ec;
    const std::string path = SjisToUnicodeView(*name);
    const auto absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.string();
  };
  env.message = [this](const std::string& text) {
    if (m_ctx.prompts) m_ctx.prompts->ShowMessage(text, MessageKind::Warning);
  };
  return m_model->act(f, step, env);
}

// The style editor's colour boxes name their buttons after the box
// (ColorFormBtn_cbColor). Names are kept in lower case, and so are palette
// colours but the text colour's; a chosen colour counts as a change.
bool TagDialogActions::PressStyleColour(std::string_view button, DialogFields& f) {
  for (const std::string_view field : {"cbColor", "cbBgColor", "cbBorderColor"}) {
    std::string colour;
    if (button == "ColorFormBtn_" + std::string(field)) {
      colour = AsciiLower(PickColourName(*m_ctx.dialogs, m_ctx.services, f.Get(field), m_ctx.options));
    } else if (button == "ColorPaletteBtn_" + std::string(field)) {
      DialogFields palette;
      palette.Set("Color", f.Get(field));
      unsigned rgb = 0;
      if (m_ctx.dialogs->Run("ColorDialog", palette)) {
        const std::string c = palette.Get("Color");
        if (c.size() == 7 && c[0] == '#' && std::sscanf(c.c_str() + 1, "%6x", &rgb) == 1)
          colour = PaletteColour(static_cast<unsigned char>(rgb >> 16), static_cast<unsigned char>(rgb >> 8),
                                 static_cast<unsigned char>(rgb), m_ctx.options);
      }
      if (field != "cbColor") colour = AsciiLower(colour);
    } else {
      continue;
    }
    if (!colour.empty()) Take(DialogStep::SetField(std::string(field), colour), f);
    return true;
  }
  return false;
}

bool TagDialogActions::PressPlain(std::string_view button, DialogFields& f) {
  const std::span<const Binding> rows = m_model ? m_model->rows : CommonRows();
  if (button == "RefBtn") {
    for (const Binding& b : rows) {
      if (b.filter.empty()) continue;
      const std::string document = DocumentPathOf(m_ctx);
      if (!ReferenceButtonEnabled(document)) return true;
      if (const auto file = ChooseFile(m_ctx, b.filter.Sjis(), {}))
        ApplyReferenceChoice(f, b.control, *file, document, m_ctx.services);
      return true;
    }
    return false;
  }
  if (!m_ctx.dialogs) return false;
  if (m_class == kRegisterStyleDlgClass) return PressStyleColour(button, f);
  // The colour-name window opens with the field's text and takes the steps
  // that follow, up to its own OK or Cancel.
  if (const Binding* b = ColourRowOfButton("ColorFormBtn", rows, button)) {
    const std::string name = PickColourName(*m_ctx.dialogs, m_ctx.services, f.Get(b->control), m_ctx.options);
    if (!name.empty()) f.Set(b->control, name);
    return true;
  }
  if (const Binding* b = ColourRowOfButton("ColorPaletteBtn", rows, button)) {
    DialogFields palette;
    palette.Set("Color", f.Get(b->control));
    if (!m_ctx.dialogs->Run("ColorDialog", palette)) return true;
    const std::string c = palette.Get("Color");
    unsigned rgb = 0;
    if (c.size() != 7 || c[0] != '#' || std::sscanf(c.c_str() + 1, "%6x", &rgb) != 1) return true;
    f.Set(b->control, PaletteColour(static_cast<unsigned char>(rgb >> 16), static_cast<unsigned char>(rgb >> 8),
                                    static_cast<unsigned char>(rgb), m_ctx.options));
    return true;
  }
  return false;
}

}  // namespace mw
