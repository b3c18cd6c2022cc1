// The image and map dialogs' windows: a real picture chosen with the
// reference button is shown and sized, a file that is no
// picture says so and changes nothing, and clicks and drags on the picture
// give the map's coordinates.
#include "gui/dialogs/picture_dialog_view.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QTabWidget>
#include <QTest>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <filesystem>

#include "dialog_fixture.h"
#include "gui/dialogs/table_dialog_view.h"
#include "platform/pictures/picture_files.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

void Mouse(QWidget* on, QEvent::Type type, QPoint at) {
  QMouseEvent e(type, QPointF(at), on->mapToGlobal(QPointF(at)), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(on, &e);
}

struct PictureDialogTest : ::testing::Test {
  DialogFixture fx;
  test::TempDir dir;
  platform::QtPictureReader reader;
  QString picture, other, text;
  QString chosen;

  PictureDialogTest() {
    const QString doc = fx.SavedPageIn(dir.dir());
    std::filesystem::create_directories(dir.dir() / "doc" / "img");
    auto path = [&](const char* name) { return QString::fromStdString((dir.dir() / "doc" / "img" / name).string()); };
    picture = path("a.png");
    other = path("b.jpg");
    text = path("notes.gif");
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    EXPECT_TRUE(image.save(picture, "PNG"));
    EXPECT_TRUE(image.scaled(30, 20).save(other, "JPEG"));
    dir.Write("doc/img/notes.gif", "not a picture");
    fx.ctx.services.pictures = &reader;
    fx.ctx.services.resolveRelativePath = [](const std::string& url, const std::string& document) {
      return ResolveRelativePath(url, document);
    };
    fx.hooks.documentPath = [doc] { return doc; };
    fx.hooks.chooseFile = [this](QWidget*, const QString&, const QString&) { return chosen; };
    fx.Reregister();
  }
};

TEST_F(PictureDialogTest, ImageChosenShownAndInserted) {
  fx.LoadMarked("a|b");
  WhenShown<PictureDialogView>([this](PictureDialogView& view) {
    chosen = picture;
    view.findChild<QPushButton*>(QStringLiteral("RefBtn"))->click();
    EXPECT_EQ(ControlText(view, "cbImageFile"), QStringLiteral("img/a.png"));
    EXPECT_EQ(ControlText(view, "edWidth") + "x" + ControlText(view, "edHeight"), QStringLiteral("120x80"));
    EXPECT_EQ(view.PictureArea()->Picture().size(), QSize(120, 80));

    // No picture: a message, and the fields and picture as they were.
    chosen = text;
    WhenShown<QMessageBox>([](QMessageBox& box) {
      EXPECT_TRUE(box.text().contains(QStringLiteral("画像ファイルではない"))) << box.text().toStdString();
      box.accept();
    });
    view.findChild<QPushButton*>(QStringLiteral("RefBtn"))->click();
    EXPECT_EQ(ControlText(view, "cbImageFile"), QStringLiteral("img/a.png"));
    EXPECT_EQ(ControlText(view, "edWidth"), QStringLiteral("120"));
    EXPECT_EQ(view.PictureArea()->Picture().size(), QSize(120, 80));

    // Another picture, as a drop chooses it.
    view.ChooseFile(other);
    EXPECT_EQ(ControlText(view, "cbImageFile"), QStringLiteral("img/b.jpg"));
    EXPECT_EQ(view.PictureArea()->Picture().size(), QSize(30, 20));

    // Both are in the list; choosing one from it reads it again.
    auto* combo = qobject_cast<QComboBox*>(view.Control("cbImageFile"));
    ASSERT_EQ(combo->count(), 2);
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    EXPECT_EQ(ControlText(view, "edWidth"), QStringLiteral("120"));
    view.OkButton()->click();
  });
  fx.Run("IMGClick");
  EXPECT_EQ(fx.editor.Text(), "a<IMG SRC=\"img/a.png\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">b");
}

TEST_F(PictureDialogTest, MapShapesFromClicksAndDrags) {
  fx.LoadMarked("|");
  WhenShown<PictureDialogView>([this](PictureDialogView& view) {
    view.ChooseFile(picture);
    QWidget* image = view.PictureArea();
    EXPECT_EQ(image->cursor().shape(), Qt::CrossCursor);
    SetControl(view, "cbShape", "polygon");
    for (const QPoint at : {QPoint(0, 0), QPoint(10, 0), QPoint(5, 8)}) {
      Mouse(image, QEvent::MouseButtonPress, at);
      Mouse(image, QEvent::MouseButtonRelease, at);
    }
    EXPECT_EQ(ControlText(view, "edCoords"), QStringLiteral("0,0,10,0,5,8"));

    // Back to a rectangle, dragged up and left; a drag past the picture's
    // edge stops at it.
    SetControl(view, "cbShape", "rect");
    Mouse(image, QEvent::MouseButtonPress, QPoint(50, 40));
    Mouse(image, QEvent::MouseMove, QPoint(30, 30));
    EXPECT_EQ(view.StatusText(), QStringLiteral("始点 X=50 ,Y=40  終点 X=30 ,Y=30"));
    Mouse(image, QEvent::MouseMove, QPoint(10, 20));
    Mouse(image, QEvent::MouseButtonRelease, QPoint(10, 20));
    EXPECT_EQ(ControlText(view, "edCoords"), QStringLiteral("10,20,50,40"));
    Mouse(image, QEvent::MouseMove, QPoint(7, 8));
    EXPECT_EQ(view.StatusText(), QStringLiteral("X=7 ,Y=8"));

    SetControl(view, "cbShape", "circle");
    EXPECT_EQ(ControlText(view, "edCoords"), QString());
    Mouse(image, QEvent::MouseButtonPress, QPoint(100, 60));
    Mouse(image, QEvent::MouseMove, QPoint(400, 60));
    Mouse(image, QEvent::MouseButtonRelease, QPoint(400, 60));
    EXPECT_EQ(ControlText(view, "edCoords"), QStringLiteral("100,60,19"));
    SetControl(view, "cbURL", "b.html");
    view.OkButton()->click();
  });
  fx.Run("AREAClick");
  EXPECT_EQ(fx.editor.Text(), "<AREA SHAPE=\"circle\" COORDS=\"100,60,19\" HREF=\"b.html\">");
}

TEST_F(PictureDialogTest, ReEditOfAnAreaOpensOnItsOwnFields) {
  fx.LoadMarked("<AREA SHAPE=\"circle\" COORDS=\"9,9,3\" HREF=\"c.html\" ALT=\"x\">|");
  fx.editor.SetSelStart(3);
  WhenShown<PictureDialogView>([](PictureDialogView& view) {
    EXPECT_EQ(view.windowTitle(), QStringLiteral("<AREA>の再編集"));
    EXPECT_EQ(ControlText(view, "cbShape"), QStringLiteral("circle"));
    EXPECT_EQ(ControlText(view, "edCoords"), QStringLiteral("9,9,3"));
    EXPECT_FALSE(view.Control("ckIMG")->isEnabled());
    EXPECT_FALSE(view.Control("ckMAP")->isEnabled());
    SetControl(view, "edCoords", "9,9,4");
    view.OkButton()->click();
  });
  fx.Run("EditTagClick");
  EXPECT_EQ(fx.editor.Text(), "<AREA SHAPE=\"circle\" COORDS=\"9,9,4\" HREF=\"c.html\" ALT=\"x\">");
}


TEST_F(PictureDialogTest, ReEditOfAnImageShowsItsPictureAndKeepsItsSizes) {
  fx.ctx.fileName = fx.hooks.documentPath().toStdString();
  for (const char* src : {"img/a.png", "img/none.png"}) {
    const bool found = std::string_view(src) == "img/a.png";
    fx.LoadMarked(std::string("<IMG SRC=\"") + src + "\" WIDTH=\"50\">|");
    fx.editor.SetSelStart(3);
    WhenShown<PictureDialogView>([found](PictureDialogView& view) {
      EXPECT_EQ(view.windowTitle(), QStringLiteral("<IMG>の再編集"));
      EXPECT_EQ(view.PictureArea()->Picture().size(), found ? QSize(120, 80) : QSize(0, 0));
      EXPECT_EQ(ControlText(view, "edWidth") + "|" + ControlText(view, "edHeight"), QStringLiteral("50|"));
      // The picture's own height shows in the empty field.
      auto* height = qobject_cast<NumberField*>(view.Control("edHeight"));
      ASSERT_NE(height, nullptr);
      EXPECT_EQ(height->Edit()->placeholderText(), found ? QStringLiteral("80") : QString());
      SetControl(view, "edAlt", "x");
      view.OkButton()->click();
    });
    fx.Run("EditTagClick");
    EXPECT_EQ(fx.editor.Text(), std::string("<IMG SRC=\"") + src + "\" WIDTH=\"50\" ALT=\"x\">") << src;
  }
}

TEST_F(PictureDialogTest, ADroppedFileIsChosenUnlessAFolderComesWithIt) {
  fx.LoadMarked("|");
  WhenShown<PictureDialogView>([this](PictureDialogView& view) {
    const auto drop = [&view](const QList<QUrl>& urls) {
      QMimeData mime;
      mime.setUrls(urls);
      QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&view, &enter);
      EXPECT_TRUE(enter.isAccepted());
      QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&view, &dropped);
    };
    const QString folder = QFileInfo(picture).absolutePath();
    drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(folder)});
    EXPECT_EQ(ControlText(view, "cbImageFile"), QString());
    EXPECT_TRUE(view.PictureArea()->Picture().isNull());
    // Of two files the last is chosen.
    drop({QUrl::fromLocalFile(other), QUrl::fromLocalFile(picture)});
    EXPECT_EQ(ControlText(view, "cbImageFile"), QStringLiteral("img/a.png"));
    EXPECT_EQ(ControlText(view, "edWidth") + "x" + ControlText(view, "edHeight"), QStringLiteral("120x80"));
    EXPECT_EQ(view.PictureArea()->Picture().size(), QSize(120, 80));
    view.OkButton()->click();
  });
  fx.Run("IMGClick");
  EXPECT_EQ(fx.editor.Text(), "<IMG SRC=\"img/a.png\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">");
}

TEST_F(PictureDialogTest, ShiftEnterInATableCellPutsTheImageDialogsTagInIt) {
  fx.ctx.fileName = fx.hooks.documentPath().toStdString();
  fx.LoadMarked("[a b]");
  WhenShown<TableDialogView>([this](TableDialogView& view) {
    SetControl(view, "rgIndent", "0");
    view.Pages()->setCurrentIndex(1);
    CellGrid& grid = *view.Grid();
    QApplication::setActiveWindow(&view);
    grid.setFocus();
    // In a cell not being edited: the image dialog, cancelled.
    view.SelectCells({1, 1, 1, 1});
    bool asked = false;
    WhenShown<PictureDialogView>([&asked](PictureDialogView& image) {
      asked = true;
      image.CancelButton()->click();
    });
    QTest::keyClick(&grid, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(asked);
    EXPECT_EQ(grid.item(0, 0)->text(), QStringLiteral("a"));
    // In a cell being typed into: the picture's tag replaces the text.
    view.SelectCells({2, 1, 2, 1});
    grid.setCurrentCell(0, 1);
    QTest::keyClick(&grid, Qt::Key_X);
    QWidget* editor = grid.indexWidget(grid.currentIndex());
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return, Qt::ShiftModifier);
    WhenShown<PictureDialogView>([this](PictureDialogView& image) {
      image.ChooseFile(picture);
      image.OkButton()->click();
    });
    QTRY_COMPARE(grid.item(0, 1)->text(),
                 QStringLiteral("<IMG SRC=\"img/a.png\" WIDTH=\"120\" HEIGHT=\"80\" BORDER=\"0\">"));
    view.OkButton()->click();
  });
  fx.Run("TABLEClick");
  EXPECT_EQ(fx.editor.Text(), "<TABLE>\r\n<TR>\r\n<TD>a</TD><TD><IMG SRC=\"img/a.png\" WIDTH=\"120\" HEIGHT=\"80\" "
                              "BORDER=\"0\"></TD>\r\n</TR>\r\n</TABLE>\r\n");
}


TEST_F(PictureDialogTest, TheMapsFieldsStandOnTwoPagesUnderThePictureFile) {
  fx.LoadMarked("|");
  WhenShown<PictureDialogView>([](PictureDialogView& view) {
    auto* pages = view.findChild<QTabWidget*>(QStringLiteral("pcPages"));
    ASSERT_NE(pages, nullptr);
    ASSERT_EQ(pages->count(), 2);
    EXPECT_EQ(pages->tabText(0), QStringLiteral("<IMG>設定"));
    EXPECT_EQ(pages->tabText(1), QStringLiteral("<MAP>と<AREA>設定"));
    const auto pageOf = [&](const char* control) -> QString {
      for (QWidget* w = view.Control(control); w != nullptr; w = w->parentWidget())
        if (w->parentWidget() && w->parentWidget()->parentWidget() == pages) return w->objectName();
      return QStringLiteral("none");
    };
    struct Row {
      const char* control;
      const char* page;
    } rows[] = {{"cbImageFile", "none"}, {"ckIMG", "none"},       {"ckMAP", "none"},
                {"edAlt", "ImgSheet"},   {"rgAlign", "ImgSheet"}, {"edHSpace", "ImgSheet"},
                {"cbNAME", "MapSheet"},  {"cbShape", "MapSheet"}, {"cbURL", "MapSheet"},
                {"cbOnBlur", "MapSheet"}};
    for (const Row& r : rows) EXPECT_EQ(pageOf(r.control), QString::fromLatin1(r.page)) << r.control;
    EXPECT_TRUE(view.Control("cbImageFile")->isVisible());
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("ImgSheet"));
    view.CancelButton()->click();
  });
  fx.Run("AREAClick");
  // F2 on an AREA opens on its own page.
  fx.LoadMarked("<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"c.html\">|");
  fx.editor.SetSelStart(3);
  WhenShown<PictureDialogView>([](PictureDialogView& view) {
    auto* pages = view.findChild<QTabWidget*>(QStringLiteral("pcPages"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->currentWidget()->objectName(), QStringLiteral("MapSheet"));
    view.CancelButton()->click();
  });
  fx.Run("EditTagClick");
}

}  // namespace
}  // namespace mw::gui
