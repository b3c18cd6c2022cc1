// The rows' own steps: the fields they create, the show step, the item
// lists they offer and the attributes they write.
#include "core/dialogs/tag_bindings.h"

#include "core/dialogs/tag_dialogs.h"
#include "core/editing/tag_text.h"
#include "core/text/unicode_view.h"

namespace mw {

namespace {

constexpr Binding kCommonRows[] = {MW_COMMON_ROWS};

// The items in the document's encoding, as fields and tags hold them.
std::vector<std::string> DocumentItems(std::string_view utf8Items) {
  return SplitItems(UnicodeViewToSjis(utf8Items).bytes);
}

bool Listed(const Binding& b, std::string_view value) {
  for (const auto& item : DocumentItems(b.items))
    if (item == value) return true;
  return false;
}

}  // namespace

std::string_view DialogText::Utf8() const { return empty() ? std::string_view() : MessageUtf8(id); }

const std::string& DialogText::Sjis() const {
  static const std::string none;
  return empty() ? none : MessageSjis(id);
}

std::span<const Binding> CommonRows() { return kCommonRows; }

const Binding* FindBinding(std::span<const Binding> rows, std::string_view control) {
  for (const Binding& b : rows)
    if (b.control == control) return &b;
  return nullptr;
}

std::string ColourButtonName(std::string_view base, std::span<const Binding> rows, const Binding& row) {
  int number = row.buttonNumber;
  if (number == Binding::kNumberedByPlace) {
    int colours = 0, place = 0;
    for (const Binding& b : rows) {
      if (b.kind != Kind::Colour) continue;
      ++colours;
      if (&b == &row) place = colours;
    }
    number = colours > 1 ? place : 0;
  }
  return std::string(base) + (number > 0 ? std::to_string(number) : std::string());
}

const Binding* ColourRowOfButton(std::string_view base, std::span<const Binding> rows, std::string_view button) {
  for (const Binding& b : rows)
    if (b.kind == Kind::Colour && ColourButtonName(base, rows, b) == button) return &b;
  return nullptr;
}

void TagDialogModel::create(DialogFields& f) const {
  for (const Binding& b : rows) {
    switch (b.kind) {
      case Kind::Text:
      case Kind::Combo:
      case Kind::Colour:
      case Kind::Handler:
      case Kind::Anchor: f.Set(b.control, std::string(b.initialText)); break;
      case Kind::Percent: f.SetChecked(b.check, false); [[fallthrough]];
      case Kind::Number:
      case Kind::Count: f.Set(b.control, std::to_string(b.initial)); break;
      case Kind::Radio: f.SetIndex(b.control, b.initial); break;
      case Kind::Keyword: f.SetChecked(b.control, false); break;
      case Kind::Grid: {
        const auto headers = DocumentItems(b.items);
        for (std::size_t i = 0; i < headers.size(); ++i)
          f.Set(CellName(b.control, 0, static_cast<int>(i)), headers[i]);
        break;
      }
      case Kind::FrameGrid: break;
    }
  }
  if (createMore) createMore(f);
}

void TagDialogModel::show(DialogFields& f, bool reEdit) const {
  for (const Binding& b : rows) {
    if (b.kind == Kind::Number || b.kind == Kind::Percent) {
      // Zero is no size, span or count a tag would say: it shows empty too.
      const std::string v = f.Get(b.control);
      if (v == "-1" || v == "0") f.Set(b.control, "");
    }
    if (!reEdit && !b.newTagText.empty()) f.Set(b.control, std::string(b.newTagText));
  }
  if (showMore) showMore(f, reEdit);
}

TagWriter& TagWriter::Attributes(const DialogFields& f, std::span<const Binding> rows, Part part) {
  for (const Binding& b : rows) {
    if (part == Part::BeforeHandlers && b.kind == Kind::Handler) continue;
    if (part == Part::Handlers && b.kind != Kind::Handler) continue;
    // A choice of the dialog's own (an indent, NOFRAMES) writes nothing.
    if (b.attribute.empty() && b.kind != Kind::Anchor) continue;
    const std::string value = f.Get(b.control);
    switch (b.kind) {
      case Kind::Text:
      case Kind::Combo:
      case Kind::Colour:
      case Kind::Handler:
        if (b.write == Write::Always) {
          Syntax(" " + std::string(b.attribute) + "=\"").Raw(value).Raw("\"");
        } else if (!b.valuePrefix.empty()) {
          if (!value.empty()) Syntax(" " + std::string(b.attribute) + "=\"" + std::string(b.valuePrefix)).Raw(value).Raw("\"");
        } else if (b.write != Write::Listed || Listed(b, value)) {
          Attr(b.attribute, value);
        }
        break;
      case Kind::Anchor:
        if (!value.empty())
          Syntax(" " + f.Get(kFieldAttribute, "HREF") + "=\"").Raw(f.Get(kFieldPrefix)).Raw(value).Raw("\"");
        break;
      case Kind::Number: Attr(b.attribute, NumberText(f, b.control)); break;
      case Kind::Percent: Size(b.attribute, NumberText(f, b.control), f.Checked(b.check)); break;
      case Kind::Radio: {
        const int index = f.Index(b.control, b.initial);
        if (b.write == Write::Always) {
          const auto items = DocumentItems(b.items);
          const bool in = index >= 0 && index < static_cast<int>(items.size());
          Syntax(" " + std::string(b.attribute) + "=\"")
              .Raw(in ? items[static_cast<std::size_t>(index)] : std::string())
              .Raw("\"");
        } else if (index != b.notWritten && index >= 0) {
          const auto items = DocumentItems(b.items);
          if (static_cast<std::size_t>(index) < items.size()) Attr(b.attribute, items[static_cast<std::size_t>(index)]);
        }
        break;
      }
      case Kind::Keyword: Keyword(" " + std::string(b.attribute), f.Checked(b.control)); break;
      case Kind::Count:
      case Kind::Grid:
      case Kind::FrameGrid: break;
    }
  }
  return *this;
}

bool RequiredMissing(const DialogFields& f, std::span<const Binding> rows) {
  for (const Binding& b : rows)
    if (b.write == Write::Required && f.Get(b.control).empty()) return true;
  return false;
}

}  // namespace mw
