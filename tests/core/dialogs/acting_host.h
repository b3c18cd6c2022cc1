// A dialog host that plays the author: in each dialog it sets fields,
// presses buttons and clicks list rows in the order given, through the
// dialog's model as a window would, then confirms or cancels.
#pragma once

#include <string>
#include <vector>

#include "core/editing/dialog_host.h"

namespace mw::test {

struct ActingHost : DialogHost {
  struct Act {
    enum Kind { Field, Press, Mouse } kind;
    std::string name, value;
  };
  std::vector<Act> acts;
  bool ok = true;
  std::vector<std::string> shownClasses;
  DialogFields shown;  // the fields the last dialog opened with
  DialogFields after;  // and as the author left them

  ActingHost& Field(std::string name, std::string value) { return Add(Act::Field, std::move(name), std::move(value)); }
  ActingHost& Press(std::string name) { return Add(Act::Press, std::move(name), {}); }
  ActingHost& Mouse(std::string name, int row) { return Add(Act::Mouse, std::move(name), std::to_string(row)); }

  bool Run(std::string_view dialogClass, DialogFields& f) override {
    shownClasses.emplace_back(dialogClass);
    shown = f;
    for (const Act& a : acts) {
      switch (a.kind) {
        case Act::Field:
          if (f.actions) f.actions->Take(DialogStep::SetField(a.name, a.value), f);
          else f.Set(a.name, a.value);
          break;
        case Act::Press:
          if (f.actions) f.actions->Take(DialogStep::PressButton(a.name), f);
          break;
        case Act::Mouse:
          if (f.actions) f.actions->Take(DialogStep::ClickRow(a.name, a.value), f);
          break;
      }
    }
    after = f;
    return ok;
  }

 private:
  ActingHost& Add(Act::Kind k, std::string name, std::string value) {
    acts.push_back({k, std::move(name), std::move(value)});
    return *this;
  }
};

}  // namespace mw::test
