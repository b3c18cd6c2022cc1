#include "core/editing/simple_tag_dialog.h"

#include <utility>

#include "core/editing/tag_text.h"

namespace mw {

SimpleTagBuild BuildSimpleTag(const SimpleTagDialog& d, const EditingOptions& options) {
  std::string t = "<" + d.name;
  const std::pair<const char*, const std::string*> fields[] = {
      {" TITLE=\"", &d.title}, {" LANG=\"", &d.lang}, {" ID=\"", &d.id},
      {" CLASS=\"", &d.cls},   {" STYLE=\"", &d.style},
  };
  for (const auto& [keyword, value] : fields) {
    if (value->empty()) continue;
    t += ApplyTagCase(keyword, options) + *value + "\"";
  }
  t += ">";
  SimpleTagBuild b;
  if (!d.wrap) {
    b.startText = t;
    b.innerOffset = static_cast<Offset>(t.size());
    b.preview = std::move(t);
    return b;
  }
  b.endText = d.innerEnd + "</" + d.name + ">";
  t += d.innerStart;
  b.innerOffset = static_cast<Offset>(t.size());
  b.startText = t;
  b.preview = t + d.selText + b.endText;
  return b;
}

DialogFields SimpleTagFields(const SimpleTagDialog& d, const EditingOptions& options) {
  DialogFields f;
  f.Set(kFieldCaption, d.caption);
  f.Set(kFieldName, d.name);
  f.Set(kFieldInnerStart, d.innerStart);
  f.Set(kFieldInnerEnd, d.innerEnd);
  f.Set(kFieldSelText, d.selText);
  f.SetChecked(kFieldWrap, d.wrap);
  f.Set("edTitle", d.title);
  f.Set("cbLang", d.lang);
  f.Set("cbID", d.id);
  f.Set("cbCLASS", d.cls);
  f.Set("cbStyle", d.style);
  f.Set("reTag", BuildSimpleTag(d, options).preview);
  return f;
}

SimpleTagDialog SimpleTagFromFields(const DialogFields& f) {
  SimpleTagDialog d;
  d.caption = f.Get(kFieldCaption);
  d.name = f.Get(kFieldName);
  d.innerStart = f.Get(kFieldInnerStart);
  d.innerEnd = f.Get(kFieldInnerEnd);
  d.selText = f.Get(kFieldSelText);
  d.wrap = f.Get(kFieldWrap, "1") == "1";
  d.title = f.Get("edTitle");
  d.lang = f.Get("cbLang");
  d.id = f.Get("cbID");
  d.cls = f.Get("cbCLASS");
  d.style = f.Get("cbStyle");
  return d;
}

}  // namespace mw
