#include "core/editing/dialog_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mw {
namespace {

// A dialog that notes the steps it took, by control name; its OpenBtn
// opens a dialog "Inner" on the same host.
struct Recorder : DialogActions {
  DialogHost* host = nullptr;
  std::vector<std::string> taken;
  bool innerOk = false;
  std::vector<std::string>* innerTaken = nullptr;

  bool Take(const DialogStep& step, DialogFields& f) override {
    if (step.control == "Unknown") return false;
    taken.push_back(step.control);
    if (step.kind == DialogStep::Field) f.Set(step.control, step.value);
    if (step.kind == DialogStep::Press && step.control == "OpenBtn" && host) {
      Recorder inner;
      DialogFields g;
      g.actions = &inner;
      innerOk = host->Run("Inner", g);
      if (innerTaken) *innerTaken = inner.taken;
    }
    return true;
  }
};

std::vector<DialogStep> Steps(std::string_view closer) {
  return {DialogStep::SetField("edA", "1"), DialogStep::PressButton("OpenBtn"), DialogStep::SetField("edB", "2"),
          DialogStep::PressButton(std::string(closer)), DialogStep::SetField("edC", "3")};
}

TEST(DialogScript, AButtonsDialogTakesTheStepsAfterItsPressUpToItsOkOrCancel) {
  for (const std::string_view closer : {"OkBtn", "CancelBtn"}) {
    SCOPED_TRACE(std::string(closer));
    DialogScript script(Steps(closer));
    Recorder outer;
    std::vector<std::string> inner;
    outer.host = &script;
    outer.innerTaken = &inner;
    DialogFields f;
    f.actions = &outer;
    EXPECT_TRUE(script.Run("Outer", f)) << "the steps ran out without a closing button";
    EXPECT_EQ(outer.taken, (std::vector<std::string>{"edA", "OpenBtn", "edC"}));
    EXPECT_EQ(inner, (std::vector<std::string>{"edB"}));
    EXPECT_EQ(outer.innerOk, closer == "OkBtn");
    EXPECT_EQ(f.Get("edC"), "3");
  }
}

TEST(DialogScript, EveryDialogACommandOpensTakesTheStepsFromTheFirst) {
  DialogScript script({DialogStep::SetField("edA", "1"), DialogStep::PressButton("CancelBtn")});
  for (int run = 0; run < 2; ++run) {
    Recorder r;
    DialogFields f;
    f.actions = &r;
    EXPECT_FALSE(script.Run("Outer", f));
    EXPECT_EQ(r.taken, (std::vector<std::string>{"edA"}));
  }
}

TEST(DialogScript, StepsNoModelTakesGoToTheFallbackAndRefusalsAreReported) {
  const std::vector<DialogStep> steps = {DialogStep::SetField("edA", "1"), DialogStep::PressButton("Unknown"),
                                         DialogStep::ClickRow("lbList", "2"),
                                         DialogStep::Pointer("Image", "down", 3, 4)};
  std::vector<std::string> refused;
  auto note = [&](std::string_view c, const DialogStep& s) { refused.push_back(std::string(c) + " " + s.control); };

  DialogScript plain(steps);
  plain.SetRefused(note);
  DialogFields f;
  EXPECT_TRUE(plain.Run("Plain", f));
  EXPECT_EQ(f.Get("edA"), "1") << "a dialog of plain fields only holds them";
  EXPECT_EQ(refused, (std::vector<std::string>{"Plain Unknown", "Plain lbList", "Plain Image"}));

  refused.clear();
  DialogScript shared(steps);
  shared.SetRefused(note);
  std::vector<std::string> seen;
  shared.SetFallback([&](std::string_view c, const DialogStep& s, DialogFields&) {
    seen.push_back(std::string(c) + " " + s.control);
    return s.kind != DialogStep::Press;
  });
  DialogFields g;
  EXPECT_TRUE(shared.Run("Shared", g));
  EXPECT_EQ(seen, (std::vector<std::string>{"Shared edA", "Shared Unknown", "Shared lbList", "Shared Image"}));
  EXPECT_EQ(refused, (std::vector<std::string>{"Shared Unknown"}));

  refused.clear();
  Recorder own;
  DialogFields h;
  h.actions = &own;
  DialogScript modelFirst(steps);
  modelFirst.SetRefused(note);
  modelFirst.SetFallback([&](std::string_view, const DialogStep&, DialogFields&) -> bool {
    ADD_FAILURE() << "a dialog with a model of its own takes its steps there";
    return true;
  });
  modelFirst.Run("Own", h);
  EXPECT_EQ(refused, (std::vector<std::string>{"Own Unknown"}));
}

}  // namespace
}  // namespace mw
