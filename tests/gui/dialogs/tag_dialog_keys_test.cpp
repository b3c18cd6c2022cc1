// The tag dialogs' keys, typed into the real widgets: Shift/Ctrl+Enter on
// the combo boxes themselves, Tab and Ctrl+Tab in the preview, the arrows
// of number fields; and the re-edit preview of the simple-tag dialog.
#include <gtest/gtest.h>

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "core/project/relative_path.h"
#include "dialog_fixture.h"
#include "gui/dialogs/colour_form_view.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

// Chooses pure red in the palette once it is up.
void ChooseRedInThePalette(bool* shown) {
  QTimer::singleShot(0, [shown] {
    auto* palette = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    *shown = palette != nullptr;
    if (palette == nullptr) return;
    palette->setCurrentColor(QColor(255, 0, 0));
    palette->accept();
  });
}

TEST(TagDialogKeys, ShiftAndCtrlEnterOnTheComboBoxes) {
  DialogFixture fx;
  fx.LoadMarked("[x]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* colour = qobject_cast<QComboBox*>(view.Control("cbColor"));
    ASSERT_NE(colour, nullptr);
    colour->setFocus();
    bool palette = false;
    ChooseRedInThePalette(&palette);
    QTest::keyClick(colour, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(palette);
    EXPECT_EQ(colour->currentText(), QStringLiteral("#FF0000"));
    EXPECT_TRUE(view.isVisible());
    // Ctrl+Enter opens the colour-name window; its value replaces the
    // field. Neither confirms the dialog, nor do they in the style field.
    WhenShown<TInputColorForm>([](TInputColorForm& form) {
      EXPECT_EQ(form.ColourEdit()->text(), QStringLiteral("#FF0000"));
      form.ColourEdit()->selectAll();
      QTest::keyClicks(form.ColourEdit(), QStringLiteral("Navy"));
      form.accept();
    });
    QTest::keyClick(colour, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(colour->currentText(), QStringLiteral("Navy"));
    EXPECT_TRUE(view.isVisible());
    auto* style = qobject_cast<QComboBox*>(view.Control("cbStyle"));
    QTest::keyClick(style, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(style, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(view.isVisible());
    // Enter alone confirms, from the combo box too.
    QTest::keyClick(colour, Qt::Key_Return);
  });
  fx.Run("FONTClick");
  EXPECT_EQ(fx.editor.Text(), "<FONT COLOR=\"Navy\">x</FONT>");
}

TEST(TagDialogKeys, ShiftAndCtrlEnterOnAUrlComboRunTheReferenceButton) {
  test::TempDir dir;
  DialogFixture fx;
  const QString docPath = fx.SavedPageIn(dir.dir());
  int chosen = 0;
  fx.hooks.documentPath = [docPath] { return docPath; };
  fx.hooks.chooseFile = [&](QWidget*, const QString&, const QString&) {
    ++chosen;
    return QString::fromStdString((dir.dir() / (chosen == 1 ? "a.html" : "b.html")).string());
  };
  fx.Reregister();
  fx.LoadMarked("[x]");
  WhenShown<TagDialogView>([&chosen](TagDialogView& view) {
    auto* url = qobject_cast<QComboBox*>(view.Control("cbURL"));
    ASSERT_NE(url, nullptr);
    url->setFocus();
    QTest::keyClick(url, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(url->currentText(), QStringLiteral("../a.html"));
    QTest::keyClick(url, Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(url->currentText(), QStringLiteral("../b.html"));
    EXPECT_TRUE(view.isVisible());
    view.OkButton()->click();
  });
  fx.Run("HREFClick");
  EXPECT_EQ(fx.editor.Text(), "<A HREF=\"../b.html\">x</A>");
}

TEST(TagDialogKeys, TabTypesATabAndCtrlTabLeavesThePreview) {
  DialogFixture fx;
  fx.LoadMarked("|");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    ScintillaEditor* preview = view.PreviewWidget();
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_End);
    QTest::keyClick(preview, Qt::Key_Tab);
    EXPECT_EQ(view.PreviewText(), "<HR>\t");
    EXPECT_EQ(view.focusWidget(), preview);
    QTest::keyClick(preview, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(view.focusWidget(), view.OkButton());
    EXPECT_EQ(view.PreviewText(), "<HR>\t");
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_NE(view.focusWidget(), preview);
    view.CancelButton()->click();
  });
  fx.Run("HRClick");
}

TEST(TagDialogKeys, UpFromABlankNumberGivesItsLowestValue) {
  DialogFixture fx;
  fx.LoadMarked("[a]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* start = qobject_cast<NumberField*>(view.Control("edStart"));
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->Text(), QString());
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Down);
    EXPECT_EQ(start->Text(), QString()) << "nothing below not set";
    QTest::keyClick(start, Qt::Key_Up);
    EXPECT_EQ(start->Text(), QStringLiteral("1"));
    QTest::keyClick(start, Qt::Key_Down);
    EXPECT_EQ(start->Text(), QString());
    QTest::keyClick(start, Qt::Key_Up);
    view.OkButton()->click();
  });
  fx.Run("OLClick");
  EXPECT_TRUE(fx.editor.Text().starts_with("<OL START=\"1\">")) << fx.editor.Text();

  // A margin of 0 is a real one.
  WhenShown<TagDialogView>([](TagDialogView& view) {
    auto* margin = qobject_cast<NumberField*>(view.Control("edMarginWidth"));
    margin->setFocus();
    QTest::keyClick(margin, Qt::Key_Up);
    EXPECT_EQ(margin->Text(), QStringLiteral("0"));
    view.CancelButton()->click();
  });
  fx.Run("FRAMEClick");
}

TEST(TagDialogKeys, SimpleTagReEditPreviewsTheWholeTag) {
  DialogFixture fx;
  fx.LoadMarked("<SPAN CLASS=x onclick=\"f()\">|y</SPAN>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.PreviewText(), "<SPAN CLASS=x onclick=\"f()\">");
    EXPECT_EQ(ControlText(view, "cbCLASS"), QStringLiteral("x"));
    // A hand edit of the preview keeps the handler it shows.
    ScintillaEditor* preview = view.PreviewWidget();
    preview->setFocus();
    QTest::keyClick(preview, Qt::Key_End);
    QTest::keyClick(preview, Qt::Key_Left);
    QTest::keyClicks(preview, QStringLiteral(" id=z"));
    EXPECT_TRUE(view.PreviewEditedByHand());
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<SPAN CLASS=x onclick=\"f()\" id=z>y</SPAN>");

  // With a field changed, the preview follows, handlers and all.
  fx.LoadMarked("<SPAN CLASS=x onclick=\"f()\">|y</SPAN>");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    SetControl(view, "cbCLASS", "w");
    view.RebuildNow();
    EXPECT_EQ(view.PreviewText(), "<SPAN CLASS=\"w\" onclick=\"f()\">");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<SPAN CLASS=\"w\" onclick=\"f()\">y</SPAN>");
}

TEST(TagDialogKeys, ParagraphAndDivisionOpenWithTheirTitles) {
  DialogFixture fx;
  fx.LoadMarked("[a]");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("段落<P></P>：ブロックレベル, </P>省略可"));
    view.CancelButton()->click();
  });
  fx.Run("PClick");
  WhenShown<TagDialogView>([](TagDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("スタイルコンテナ<DIV></DIV>：　ブロックレベル"));
    view.CancelButton()->click();
  });
  fx.Run("DIVClick");
}

}  // namespace
}  // namespace mw::gui
