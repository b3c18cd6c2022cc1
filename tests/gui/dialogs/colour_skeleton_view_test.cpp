// The colour-name window, the gradation dialog and the skeleton dialog,
// opened by their commands over a real editor and worked with the mouse
// and keys.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/app/document_file.h"
#include "core/dialogs/colour_input.h"
#include "dialog_fixture.h"
#include "gui/dialogs/colour_form_view.h"
#include "gui/dialogs/skeleton_view.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

int RowOf(std::string_view name) {
  const auto t = ColourTable();
  for (std::size_t i = 0; i < t.size(); ++i)
    if (t[i].name == name) return static_cast<int>(i);
  return -1;
}

void ClickRow(QListWidget* list, int row, bool twice = false) {
  QListWidgetItem* item = list->item(row);
  list->scrollToItem(item);
  const QPoint at = list->visualItemRect(item).center();
  if (twice) QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  else QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
}

TEST(ColourFormView, ValueListSwitchAndDoubleClick) {
  DialogFixture fx;
  fx.LoadMarked("[Red]");
  WhenShown<TInputColorForm>([](TInputColorForm& form) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("色の入力"));
    EXPECT_EQ(form.ColourEdit()->text(), QStringLiteral("Red"));
    EXPECT_EQ(form.List()->currentRow(), RowOf("red"));
    EXPECT_EQ(form.Swatch()->palette().color(QPalette::Base), QColor(255, 0, 0));
    form.ColourEdit()->selectAll();
    QTest::keyClicks(form.ColourEdit(), QStringLiteral("#00ffff"));
    EXPECT_EQ(form.List()->currentRow(), RowOf("aqua"));
    EXPECT_EQ(form.List()->item(RowOf("navy"))->text(), QStringLiteral("#000080"));
    QTest::mouseClick(form.SwitchButton(), Qt::LeftButton);
    EXPECT_EQ(form.ColourEdit()->text(), QStringLiteral("aqua"));
    EXPECT_EQ(form.List()->item(RowOf("navy"))->text(), QStringLiteral("navy"));
    ClickRow(form.List(), 0);  // the header GRAY
    EXPECT_EQ(form.ColourEdit()->text(), QString());
    ClickRow(form.List(), RowOf("honeydewtad"));
    EXPECT_EQ(form.ColourEdit()->text(), QStringLiteral("#1EDEAA"));
    ClickRow(form.List(), RowOf("teal"), true);
    // A double click closes the window; a failure must not hang the test.
    EXPECT_FALSE(form.isVisible());
    if (form.isVisible()) form.reject();
  });
  fx.Run("ColorFormClick");
  EXPECT_EQ(fx.editor.Text(), "teal");
}

TEST(ColourFormView, CancelInsertsNothing) {
  DialogFixture fx;
  fx.LoadMarked("a|b");
  WhenShown<TInputColorForm>([](TInputColorForm& form) {
    QTest::keyClicks(form.ColourEdit(), QStringLiteral("blue"));
    form.reject();
  });
  fx.Run("ColorFormClick");
  EXPECT_EQ(fx.editor.Text(), "ab");
}

TEST(GradationView, PreviewFromTheSelectionAndOkReplacesIt) {
  DialogFixture fx;
  fx.LoadMarked("x[abc]y");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.objectName(), QStringLiteral("TGradationDlg"));
    EXPECT_EQ(view.windowTitle(), QStringLiteral("グラデーション化した文字列の作成"));
    EXPECT_EQ(FieldWidgetText(view.Control("edString")), QStringLiteral("abc"));
    auto* start = view.findChild<QLabel*>(QStringLiteral("StartColorPanel"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->text(), QStringLiteral("#0000FF"));
    EXPECT_EQ(view.PreviewText(),
              "<SPAN STYLE=\"color:#0000FF\">a</SPAN><SPAN STYLE=\"color:#800080\">b</SPAN>"
              "<SPAN STYLE=\"color:#FF0000\">c</SPAN>");
    auto* style = qobject_cast<QComboBox*>(view.Control("cbStyle"));
    QTest::keyClicks(style, QStringLiteral("font-size:large"));
    EXPECT_EQ(style->toolTip(), QStringLiteral("font-size:large"));
    view.RebuildNow();
    view.OkButton()->click();
  });
  fx.Run("GradationClick");
  EXPECT_EQ(fx.editor.Text(),
            "x<SPAN STYLE=\"font-size:large\"><SPAN STYLE=\"color:#0000FF\">a</SPAN><SPAN STYLE=\"color:#800080\">b</SPAN>"
            "<SPAN STYLE=\"color:#FF0000\">c</SPAN></SPAN>y");
}

TEST(GradationView, LineBreaksOfTheSelectionSurvive) {
  DialogFixture fx;
  fx.LoadMarked("[a\r\nb]");
  WhenShown<TagDialogView>([](TagDialogView& view) { view.OkButton()->click(); });
  fx.Run("GradationClick");
  EXPECT_EQ(fx.editor.Text(), "<SPAN STYLE=\"color:#0000FF\">a</SPAN>\r\n<SPAN STYLE=\"color:#FF0000\">b</SPAN>");
}

TEST(SkeletonView, ProfileSavedThenOkWrapsTheSelection) {
  test::TempDir dir;
  DialogFixture fx;
  fx.ctx.services.dataFolder = dir.dir().string();
  fx.LoadMarked("[<P>x</P>]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* dlg = qobject_cast<TInitTagSetDlg*>(&view);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(view.windowTitle(), QStringLiteral("HTMLファイルの初期設定"));
    // An unsaved page: the save button is offered.
    EXPECT_FALSE(dlg->Button("FileSaveBtn")->isHidden());
    QTest::keyClicks(view.Control("edTitle"), QStringLiteral("Top"));
    QTest::mouseClick(dlg->Button("SaveBtn"), Qt::LeftButton);  // no name yet
    QTest::keyClicks(dlg->Profile(), QStringLiteral("site"));
    QTest::mouseClick(dlg->Button("SaveBtn"), Qt::LeftButton);
    EXPECT_EQ(dlg->Profile()->count(), 1);
    QTest::mouseClick(dlg->Button("NewBtn"), Qt::LeftButton);
    EXPECT_EQ(FieldWidgetText(view.Control("edTitle")), QString());
    // Choosing the saved profile loads it again.
    dlg->Profile()->setCurrentIndex(0);
    EXPECT_EQ(FieldWidgetText(view.Control("edTitle")), QStringLiteral("Top"));
    view.RebuildNow();
    view.OkButton()->click();
  });
  fx.Run("InitTagSetClick");
  ASSERT_EQ(fx.prompts.Log().size(), 1u);
  EXPECT_EQ(fx.prompts.Log()[0].text, MessageSjis(Msg::ProfileNameMissing));
  EXPECT_NE(ReadFileBytes(dir.Path("InitTagSetting.txt")).find("[site]\r\n"), std::string::npos);
  const std::string text = fx.editor.Text();
  EXPECT_NE(text.find("<TITLE>Top</TITLE>\r\n</HEAD>\r\n<BODY>\r\n<P>x</P>\r\n</BODY>\r\n</HTML>\r\n"), std::string::npos)
      << text;
}

TEST(SkeletonView, BodyModeShowsTheTagAndLeavesTheBasicPageOff) {
  DialogFixture fx;
  fx.LoadMarked("<BODY BGCOLOR=\"#FFFFFF\">|x</BODY>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("BODYの再編集"));
    EXPECT_FALSE(view.Control("edTitle")->isEnabled());
    auto* pages = view.findChild<QTabWidget*>(QStringLiteral("pcPages"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("BodySheet"));
    EXPECT_EQ(FieldWidgetText(view.Control("cbBgColor")), QStringLiteral("#FFFFFF"));
    QTest::keyClicks(view.Control("cbText"), QStringLiteral("navy"));
    view.RebuildNow();
    EXPECT_EQ(view.PreviewText(), "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"navy\">");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<BODY BGCOLOR=\"#FFFFFF\" TEXT=\"navy\">x</BODY>");
}

TEST(SkeletonView, ColourButtonsAreNamedByFieldAndTheLinkColoursGrouped) {
  DialogFixture fx;
  fx.LoadMarked("<BODY>|x</BODY>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* links = view.findChild<QGroupBox*>(QStringLiteral("gbLinkColor"));
    ASSERT_NE(links, nullptr);
    EXPECT_EQ(links->title(), QStringLiteral("リンクの色(&C)"));
    const struct {
      const char* field;
      const char* suffix;
      bool linkColour;
    } rows[] = {{"cbText", "", false}, {"cbBgColor", "1", false}, {"cbLink", "2", true},
                {"cbVLink", "3", true}, {"cbALink", "4", true}};
    for (const auto& r : rows) {
      SCOPED_TRACE(r.field);
      QWidget* field = view.Control(r.field);
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(links->isAncestorOf(field), r.linkColour);
      for (const char* base : {"ColorFormBtn", "ColorPaletteBtn"}) {
        auto* button = view.findChild<QPushButton*>(QString::fromLatin1(base) + QString::fromLatin1(r.suffix));
        ASSERT_NE(button, nullptr) << base;
        EXPECT_EQ(links->isAncestorOf(button), r.linkColour) << base;
        // The button sits on the field's line.
        EXPECT_EQ(button->parentWidget(), field->parentWidget()) << base;
        EXPECT_NEAR(button->geometry().center().y(), field->geometry().center().y(), 8) << base;
      }
    }
    EXPECT_EQ(view.findChild<QPushButton*>(QStringLiteral("ColorFormBtn5")), nullptr);
    view.CancelButton()->click();
  });
  fx.Run("EditTagClick");
}

}  // namespace
}  // namespace mw::gui
