// HTML, TITLE, HEAD and BODY: a page holds one of each, so the command
// re-edits an existing tag in its dialog instead of inserting another.
#include <gtest/gtest.h>

#include "core/dialogs/skeleton_dialog.h"
#include "core/dialogs/tag_dialog_commands.h"
#include "core/editing/command_registry.h"
#include "core/editing/editing_fixture.h"

namespace mw {
namespace {

using test::EditingFixture;
using test::kA;
using test::kHyo;
using test::kSo;
using test::kTsu;
using test::Show;

// Cancels every dialog and counts them.
class CancellingDialogs : public DialogHost {
 public:
  bool ok = false;
  int runs = 0;
  bool Run(std::string_view, DialogFields&) override {
    ++runs;
    return ok;
  }
};

struct Fixture : EditingFixture {
  CancellingDialogs dialogs;
  CommandRegistry registry;
  Fixture() {
    ctx.dialogs = &dialogs;
    RegisterTagDialogCommands(registry);
    // BODY's re-edit is the skeleton dialog's, registered with its commands.
    RegisterSkeletonAndColourCommands(registry);
  }
  void Run(std::string_view handler) {
    const EditCommand* c = registry.Find(handler);
    ASSERT_NE(c, nullptr) << handler;
    c->run(ctx, "");
  }
};

TEST(DocumentTagInsert, WithoutTheTagTheSelectionIsWrapped) {
  const struct {
    const char* handler;
    std::string before;
    std::string after;
    RepeatTagPair pair;
  } rows[] = {
      {"BODYTagClick", "<html>[abc]", "<html><BODY>abc</BODY>|", {"<BODY>", "</BODY>"}},
      {"TITLETagClick", kSo + "[t]", kSo + "<TITLE>t</TITLE>|", {"<TITLE>", "</TITLE>"}},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.handler);
    Fixture f;
    f.ctx.options.directTagInsert = true;
    f.Load(r.before);
    f.Run(r.handler);
    EXPECT_EQ(Show(f.editor), r.after);
    EXPECT_EQ(f.ctx.repeatTag, r.pair);
    EXPECT_EQ(f.dialogs.runs, 0);
  }
}

TEST(DocumentTagInsert, ExistingTagIsReEditedNotInsertedAgain) {
  const struct {
    const char* handler;
    std::string before;
    Offset caret;
  } rows[] = {
      {"TITLETagClick", "<html><title>x</title>[abc]", 7},
      {"HTMLTagClick", "<HTML>[x]", 1},  // found at offset 0
      {"HEADTagClick", kHyo + "<Head>|", 3},
      {"BODYTagClick", kTsu + "\r\n<body bgcolor=" + kA + ">\r\n|", 5},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.handler);
    Fixture f;
    f.ctx.options.directTagInsert = true;
    f.Load(r.before);
    const std::string text = f.editor.GetText();
    f.Run(r.handler);
    EXPECT_EQ(f.editor.GetText(), text);
    // The re-edit leaves the existing tag under the caret from its '<'.
    EXPECT_EQ(f.editor.GetSelStart(), r.caret - 1);
    EXPECT_EQ(f.ctx.repeatTag, RepeatTagPair{});
    // BODY opens the skeleton dialog in its BODY mode, the others the generic one.
    EXPECT_EQ(f.dialogs.runs, 1);
  }
}

TEST(DocumentTagInsert, OnlyBodyIsCentredInTheView) {
  std::string text;
  for (int i = 0; i < 50; ++i) text += kTsu + "\r\n";
  text += "<TITLE>t</TITLE>\r\n";
  for (int i = 0; i < 50; ++i) text += kTsu + "\r\n";
  text += "<BODY>\r\n|";
  for (const char* handler : {"TITLETagClick", "BODYTagClick"}) {
    Fixture f;
    f.editor.SetVisibleLineCount(20);
    f.Load(text);
    f.Run(handler);
    const bool body = std::string_view(handler) == "BODYTagClick";
    EXPECT_EQ(f.editor.LineFromChar(f.editor.GetSelStart()), body ? 101 : 50) << handler;
    // TITLE's view follows its re-edit dialog; BODY is centred by the
    // command itself, before any dialog.
    if (body) {
      EXPECT_EQ(f.editor.TopDisplayLine(), 92);
    }
  }
}

}  // namespace
}  // namespace mw
