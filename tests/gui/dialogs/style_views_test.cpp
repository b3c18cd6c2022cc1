// The style dialogs' windows opened by their commands on a real editor,
// filled in through their widgets; the style editor on its own and from a
// tag dialog's 編集(&E) button.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QTest>

#include "core/app/document_file.h"
#include "core/dialogs/dialog_actions.h"
#include "gui/dialogs/style_editor_view.h"
#include "support/temp_dir.h"
#include "dialog_fixture.h"

namespace mw::gui {
namespace {

struct StyleViewFixture : DialogFixture {
  test::TempDir dir;
  StyleViewFixture() {
    ctx.services.dataFolder = dir.dir().string();
    dir.Write("StyleList.txt", "color:red\r\n");
    dir.Write("TagClassList.txt", "[H1]\r\nSTYLE=color:red\r\n");
    hooks.fieldChanged = [this](std::string_view c, std::string_view control, DialogFields& f) {
      DialogFieldChanged(ctx, c, control, f);
    };
    hooks.press = [this](std::string_view c, std::string_view button, DialogFields& f) {
      return PressDialogButton(ctx, c, button, f);
    };
    Reregister();
  }
  std::string File(const char* name) const { return ReadFileBytes((dir.dir() / name).string()); }
};

void Click(QWidget& dialog, const char* button) {
  auto* b = dialog.findChild<QPushButton*>(QString::fromLatin1(button));
  ASSERT_NE(b, nullptr) << button;
  b->click();
}

struct StyleCase {
  const char* command;
  const char* document;
  std::vector<std::pair<std::string, std::string>> set;
  std::string expected;
};

TEST(StyleViews, InsertionDialogsInsertWhatTheFieldsSay) {
  const StyleCase cases[] = {
      {"STYLEClick", "<HEAD>|</HEAD>",
       {{"edRowCount", "2"}, {"sgStyle[1,0]", "H1"}, {"sgStyle[1,1]", "color:red"}},
       "<HEAD>\r\n<STYLE TYPE=\"text/css\">\r\n<!--\r\nH1{color:red}\r\n-->\r\n</STYLE>\r\n</HEAD>"},
      {"LINKRELClick", "<HEAD>|</HEAD>", {{"edURL", "a.css"}, {"cbRel", "next"}},
       "<HEAD><LINK REL=\"next\" TYPE=\"text/css\" HREF=\"a.css\"></HEAD>"},
      {"InsertStyleClick", "<P |>", {{"cbStyle", "color:red"}, {"rgOption", "1"}}, "<P \"color:red\">"},
      {"TagStyleClick", "|", {{"cbTagClass", "H1"}}, "H1{color:red}\r\n"},
  };
  StyleViewFixture fx;
  for (const StyleCase& c : cases) {
    fx.LoadMarked(c.document);
    WhenShown<TagDialogView>([&c](TagDialogView& view) {
      for (const auto& [name, value] : c.set) SetControl(view, name, value);
      view.OkButton()->click();
    });
    fx.Run(c.command);
    EXPECT_EQ(fx.editor.GetText(), c.expected) << c.command;
  }
}

TEST(StyleViews, TheStyleEditorWindow) {
  StyleViewFixture fx;
  fx.LoadMarked("|");
  WhenShown<TRegisterStyleDlg>([&fx](TRegisterStyleDlg& view) {
    EXPECT_EQ(view.windowTitle(), QString::fromUtf8("スタイルの登録"));
    EXPECT_EQ(view.Pages()->count(), 2);
    auto* list = view.findChild<QListWidget*>(QStringLiteral("lbStyle"));
    ASSERT_EQ(list->count(), 1);
    static_cast<QComboBox*>(view.Control("cbColor"))->setEditText(QStringLiteral("#ff0000"));
    SetFieldWidgetText(view.Control("edFontSize"), QStringLiteral("12"));
    emit static_cast<NumberField*>(view.Control("edFontSize"))->TextEdited();
    auto* style = view.findChild<QLineEdit*>(QStringLiteral("reStyle"));
    EXPECT_EQ(style->text(), QStringLiteral("font-size:12pt;color:#ff0000"));
    view.findChild<QCheckBox*>(QStringLiteral("ckUpperCase"))->setChecked(true);
    EXPECT_EQ(style->text(), QStringLiteral("FONT-SIZE:12pt;COLOR:#FF0000"));
    Click(view, "AddBtn");
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->item(1)->text(), QStringLiteral("FONT-SIZE:12pt;COLOR:#FF0000"));
    EXPECT_EQ(list->currentRow(), 1);
    // Choosing the other entry fills the fields from it.
    emit list->itemClicked(list->item(0));
    EXPECT_EQ(FieldWidgetText(view.Control("edFontSize")), QString());
    EXPECT_EQ(static_cast<QComboBox*>(view.Control("cbColor"))->currentText(), QStringLiteral("red"));
    // Delete answered No keeps it.
    fx.prompts.QueueReply(Reply::No);
    Click(view, "DeleteBtn");
    EXPECT_EQ(list->count(), 2);
    Click(view, "OkBtn");
  });
  fx.Run("RegisterStyleClick");
  EXPECT_EQ(fx.File("StyleList.txt"), "color:red\r\nFONT-SIZE:12pt;COLOR:#FF0000\r\n");
}

TEST(StyleViews, TheEditButtonOfAStyleFieldTakesTheEditorsStyle) {
  StyleViewFixture fx;
  fx.LoadMarked("[x]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    WhenShown<TRegisterStyleDlg>([](TRegisterStyleDlg& editor) {
      static_cast<QComboBox*>(editor.Control("cbFloat"))->setEditText(QStringLiteral("left"));
      Click(editor, "AddBtn");
      Click(editor, "OkBtn");
    });
    Click(view, "RegisterStyleBtn");
    auto* style = static_cast<QComboBox*>(view.Control("cbStyle"));
    EXPECT_EQ(style->currentText(), QStringLiteral("float:left"));
    EXPECT_EQ(style->count(), 2) << "the list holds the registry as it now is";
    view.OkButton()->click();
  });
  fx.Run("FONTClick");
  EXPECT_EQ(fx.editor.GetText(), "<FONT STYLE=\"float:left\">x</FONT>");
}

// The gradation's style box and the BODY page's take the editor's style
// from 編集(&E) and from Shift+Enter or Ctrl+Enter in the box.
TEST(StyleViews, TheGradationAndTheSkeletonTakeTheEditorsStyle) {
  const struct {
    const char* command;
    const char* document;
    Qt::KeyboardModifiers keys;  // none: the button is clicked
    std::string expected;
  } cases[] = {
      {"GradationClick", "[x]", Qt::ShiftModifier, "<SPAN STYLE=\"float:left\">x</SPAN>"},
      {"GradationClick", "[x]", Qt::ControlModifier, "<SPAN STYLE=\"float:left\">x</SPAN>"},
      {"EditTagClick", "<BODY>|x</BODY>", Qt::NoModifier, "<BODY STYLE=\"float:left\">x</BODY>"},
      {"EditTagClick", "<BODY>|x</BODY>", Qt::ShiftModifier, "<BODY STYLE=\"float:left\">x</BODY>"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.command) + " " + std::to_string(c.keys.toInt()));
    StyleViewFixture fx;
    fx.LoadMarked(c.document);
    // The editor asks whether to add the changed style at OK: no.
    fx.prompts.QueueReply(Reply::No);
    WhenShown<TagDialogView>([&c](TagDialogView& view) {
      WhenShown<TRegisterStyleDlg>([](TRegisterStyleDlg& editor) {
        static_cast<QComboBox*>(editor.Control("cbFloat"))->setEditText(QStringLiteral("left"));
        Click(editor, "OkBtn");
      });
      auto* style = static_cast<QComboBox*>(view.Control("cbStyle"));
      if (c.keys == Qt::NoModifier) Click(view, "RegisterStyleBtn");
      else QTest::keyClick(style->lineEdit(), Qt::Key_Return, c.keys);
      EXPECT_EQ(style->currentText(), QStringLiteral("float:left"));
      EXPECT_TRUE(view.isVisible()) << "Enter with Shift or Ctrl does not confirm the dialog";
      view.RebuildNow();
      view.OkButton()->click();
    });
    fx.Run(c.command);
    EXPECT_EQ(fx.editor.GetText(), c.expected);
    EXPECT_EQ(fx.File("StyleList.txt"), "color:red\r\n");
  }
}

// A dialog that inserts text says so over its preview; one that inserts a
// tag keeps the usual label.
TEST(StyleViews, PreviewLabelsAndHints) {
  const struct {
    const char* command;
    const char* label;
    const char* previewHint;
    const char* radio;  // a radio group and its hint
    const char* radioHint;
  } cases[] = {
      {"InsertStyleClick", "挿入する文字", "挿入文字のプレビュー", "rgOption", "スタイル挿入時のオプション"},
      {"LINKRELClick", "挿入するタグ内容", "", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.command);
    StyleViewFixture fx;
    fx.LoadMarked("<HEAD>|</HEAD>");
    WhenShown<TagDialogView>([&c](TagDialogView& view) {
      auto* label = view.findChild<QLabel*>(QStringLiteral("lbPreview"));
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), QString::fromUtf8(c.label));
      EXPECT_EQ(label->buddy(), view.PreviewWidget());
      EXPECT_EQ(view.PreviewWidget()->toolTip(), QString::fromUtf8(c.previewHint));
      if (c.radio) {
        EXPECT_EQ(view.Control(c.radio)->toolTip(), QString::fromUtf8(c.radioHint));
      }
      view.CancelButton()->click();
    });
    fx.Run(c.command);
  }
}

// The selector box's pop-up item deletes as リストから削除(&D) does: asked
// first, and the box emptied whatever the answer.
TEST(StyleViews, TheSelectorBoxPopupDeletesTheSelector) {
  for (const Reply answer : {Reply::Yes, Reply::No}) {
    SCOPED_TRACE(answer == Reply::Yes ? "yes" : "no");
    StyleViewFixture fx;
    fx.LoadMarked("|");
    fx.prompts.QueueReply(answer);
    WhenShown<TagDialogView>([](TagDialogView& view) {
      SetControl(view, "cbTagClass", "H1");
      QLineEdit* edit = static_cast<QComboBox*>(view.Control("cbTagClass"))->lineEdit();
      QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), QStringLiteral("項目削除"));
        menu->setActiveAction(menu->actions()[0]);
        QTest::keyClick(menu, Qt::Key_Return);
      });
      QContextMenuEvent click(QContextMenuEvent::Mouse, edit->rect().center(), edit->mapToGlobal(edit->rect().center()));
      QApplication::sendEvent(edit, &click);
      EXPECT_EQ(ControlText(view, "cbTagClass"), QString());
      view.CancelButton()->click();
    });
    fx.Run("TagStyleClick");
    ASSERT_EQ(fx.prompts.Log().size(), 1u);
    EXPECT_EQ(fx.prompts.Log()[0].text, MessageSjis(Msg::StyleItemDeleteQuestion));
    EXPECT_EQ(fx.File("TagClassList.txt"), answer == Reply::Yes ? "" : "[H1]\r\nSTYLE=color:red\r\n");
  }
}

TEST(StyleViews, SelectorRulesAreSavedFromTheirDialog) {
  StyleViewFixture fx;
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    SetControl(view, "cbTagClass", "H1");
    EXPECT_EQ(ControlText(view, "cbStyle"), QStringLiteral("color:red"));
    SetControl(view, "cbTagClass", "P.note");
    SetControl(view, "cbStyle", "font-size:10pt");
    Click(view, "AddBtn");
    EXPECT_EQ(static_cast<QComboBox*>(view.Control("cbTagClass"))->count(), 2);
    view.CancelButton()->click();
  });
  fx.Run("TagStyleClick");
  EXPECT_EQ(fx.editor.GetText(), "");
  EXPECT_EQ(fx.File("TagClassList.txt"), "[H1]\r\nSTYLE=color:red\r\n[P.note]\r\nSTYLE=font-size:10pt\r\n");
}

}  // namespace
}  // namespace mw::gui
