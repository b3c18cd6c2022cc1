#include "gui/editing/qt_dialog_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/editing/repeat_tag.h"
#include "gui/display/surface_fixture.h"
#include "gui/display/when_shown.h"
#include "gui/editing/repeat_tag_dialog.h"
#include "core/text/messages.h"

namespace mw::gui {
namespace {

using test::SurfaceFixture;

using test::WhenShown;

// A view with one text field, to see the host's part alone.
class OneFieldView : public FieldsDialog {
 public:
  using FieldsDialog::FieldsDialog;
  void LoadFields(const DialogFields& f) override { value = f.Get("edValue"); }
  void StoreFields(DialogFields& f) const override { f.Set("edValue", value + "!"); }
  std::string value;
};

TEST(QtDialogHost, RunsTheViewRegisteredForTheClass) {
  test::TestApp();
  QWidget parent;
  QtDialogHost host(&parent);
  host.Register("TOneDlg", [](QWidget* p) { return std::make_unique<OneFieldView>(p); });
  EXPECT_TRUE(host.Knows("TOneDlg"));
  EXPECT_FALSE(host.Knows("TTableDlg"));

  DialogFields fields;
  fields.Set("edValue", "x");
  EXPECT_FALSE(host.Run("TTableDlg", fields));  // no view: as Cancel
  EXPECT_EQ(fields.Get("edValue"), "x");

  WhenShown<QDialog>([](QDialog& d) { d.reject(); });
  EXPECT_FALSE(host.Run("TOneDlg", fields));
  EXPECT_EQ(fields.Get("edValue"), "x");

  WhenShown<QDialog>([&parent](QDialog& d) {
    EXPECT_EQ(d.parentWidget(), &parent);
    EXPECT_EQ(static_cast<OneFieldView&>(d).value, "x");
    d.accept();
  });
  EXPECT_TRUE(host.Run("TOneDlg", fields));
  EXPECT_EQ(fields.Get("edValue"), "x!");
}

// The repeat dialog reached through the editing commands, as the menu runs
// them.
struct RepeatFixture : SurfaceFixture {
  QWidget window;
  QtDialogHost host{&window};
  std::vector<std::pair<std::string, std::string>> registered;

  explicit RepeatFixture(bool canRegister = false) {
    RegisterRepeatTagDialog(
        host, [this] { return &prompts; },
        canRegister ? RegisterTagHandler([this](std::string_view s, std::string_view e) {
          registered.emplace_back(s, e);
        })
                    : RegisterTagHandler());
    ctx.dialogs = &host;
  }
  void Run(const char* command) { EngineCommands().Find(command)->run(ctx, ""); }
};

TEST(RepeatTagDialog, OkStoresBothFieldsAndCancelKeepsThePair) {
  RepeatFixture f;
  // 表 (95 5C) and a line break in the end text come back byte for byte.
  f.ctx.repeatTag = {"<B>", "</B>\r\n\x95\x5C"};
  WhenShown<TRepeatTagDlg>([](TRepeatTagDlg& d) {
    EXPECT_EQ(d.windowTitle(), QStringLiteral("繰り返し挿入するタグの編集"));
    EXPECT_EQ(d.PreTagEdit()->toPlainText(), QStringLiteral("<B>"));
    EXPECT_EQ(d.PostTagEdit()->toPlainText(), QStringLiteral("</B>\n表"));
    EXPECT_FALSE(d.RegisterButton()->isEnabled());
    d.PreTagEdit()->setPlainText(QStringLiteral("<FONT COLOR=\"赤\">"));
    d.CancelButton()->click();
  });
  f.Run("EditRepeatTagClick");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<B>", "</B>\r\n\x95\x5C"}));

  WhenShown<TRepeatTagDlg>([](TRepeatTagDlg& d) {
    d.PreTagEdit()->setPlainText(QStringLiteral("<FONT COLOR=\"赤\">"));
    d.OkButton()->click();
  });
  f.Run("EditRepeatTagClick");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<FONT COLOR=\"\x90\xD4\">", "</B>\r\n\x95\x5C"}));
}

TEST(RepeatTagDialog, ExtractProposesTheElementsTagsAtTheCaret) {
  RepeatFixture f;
  f.editor.Load("x <A HREF=\"x\">link</A> y", false);
  f.editor.SetSelStart(16);
  WhenShown<TRepeatTagDlg>([](TRepeatTagDlg& d) {
    EXPECT_EQ(d.PreTagEdit()->toPlainText(), QStringLiteral("<A HREF=\"x\">"));
    EXPECT_EQ(d.PostTagEdit()->toPlainText(), QStringLiteral("</A>"));
    d.OkButton()->click();
  });
  f.Run("ExtractRepeatTagClick");
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<A HREF=\"x\">", "</A>"}));
}

TEST(RepeatTagDialog, RegisterHandsOverTrimmedTextsOrRefusesLineBreaks) {
  RepeatFixture f(true);
  f.ctx.repeatTag = {"<B>\r\n", "</B>"};
  WhenShown<TRepeatTagDlg>([&f](TRepeatTagDlg& d) {
    ASSERT_TRUE(d.RegisterButton()->isEnabled());
    d.PreTagEdit()->setPlainText(QStringLiteral("<B>\nx"));
    d.RegisterButton()->click();
    EXPECT_EQ(f.prompts.Texts(), std::vector<std::string>{MessageSjis(Msg::RepeatTagLineBreakRefusal)});
    EXPECT_TRUE(f.registered.empty());
    d.PreTagEdit()->setPlainText(QStringLiteral("  <B> "));
    d.RegisterButton()->click();
    EXPECT_TRUE(d.isVisible());  // the dialog stays for OK or Cancel
    d.CancelButton()->click();
  });
  f.Run("EditRepeatTagClick");
  EXPECT_EQ(f.registered, (std::vector<std::pair<std::string, std::string>>{{"<B>", "</B>"}}));
  EXPECT_EQ(f.ctx.repeatTag, (RepeatTagPair{"<B>\r\n", "</B>"}));
}

}  // namespace
}  // namespace mw::gui
