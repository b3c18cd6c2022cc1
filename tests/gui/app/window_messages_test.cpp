// The window's own message boxes, real ones: file names in them are shown
// whole, in Unicode, and each box carries its icon.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

namespace mw::gui {
namespace {

struct ShownBox {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
};

// Answers the next message box with `button` once it is up, after noting
// what it shows.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton button) : m_button(button) {
    QObject::connect(&m_poll, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      m_poll.stop();
      shown.push_back({box->text().remove(QChar(0x200B)), box->windowTitle(), box->icon(), {}});
      for (QAbstractButton* b : box->buttons()) shown.back().buttons << b->text();
      box->button(m_button) != nullptr ? box->button(m_button)->click() : box->reject();
    });
    m_poll.start(10);
  }
  std::vector<ShownBox> shown;

 private:
  QMessageBox::StandardButton m_button;
  QTimer m_poll;
};

class WindowMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override { w.show(); }
  QString File(const std::string& name, const std::string& bytes = "<P>x</P>\r\n") {
    return QString::fromStdString(dir.Write(name, bytes));
  }
  QApplication& app = test::TestApp();
  test::TempDir dir;
  TMainForm w;
};

TEST_F(WindowMessagesTest, SaveQuestionShowsANameShiftJisCannotHoldWholeWithTheWarningIcon) {
  const QString path = File("résumé €.html");
  ASSERT_TRUE(w.OpenDocument(path));
  w.ActiveSurface()->SetSelText("edit ");
  BoxAnswerer answer(QMessageBox::No);
  w.RunCommand("FileClose");
  ASSERT_EQ(answer.shown.size(), 1u);
  EXPECT_EQ(answer.shown[0].text, path + QStringLiteral(" が修正されています。\n保存しますか？"));
  EXPECT_EQ(answer.shown[0].icon, QMessageBox::Warning);
  EXPECT_EQ(answer.shown[0].caption, QStringLiteral("Markupwright - résumé €.html"));
  EXPECT_EQ(answer.shown[0].buttons.size(), 3);
}

TEST_F(WindowMessagesTest, EachQuestionAndMessageCarriesItsIcon) {
  const QString path = File("résumé €.html");
  ASSERT_TRUE(w.OpenDocument(path));
  const struct {
    const char* what;
    std::function<void()> run;
    QMessageBox::Icon icon;
    QString text;
  } cases[] = {
      {"drop", [&] { w.DropPaths({path}); }, QMessageBox::Warning,
       QStringLiteral("ドロップしたファイルとディレクトリ内のフィルター指定したファイルをすべて開きますか？")},
      {"reopen", [&] { w.OpenDocument(path, true); }, QMessageBox::Question,
       path + QStringLiteral("を開き直しますか？\n未保存の場合は、修正中の内容が破棄されます。")},
      {"missing", [&] { w.OpenDocument(path + QStringLiteral(".gone")); }, QMessageBox::Information,
       path + QStringLiteral(".gone\nが見つかりません。")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    BoxAnswerer answer(QMessageBox::No);
    c.run();
    ASSERT_EQ(answer.shown.size(), 1u);
    EXPECT_EQ(answer.shown[0].icon, c.icon);
    EXPECT_EQ(answer.shown[0].text, c.text);
  }
}

}  // namespace
}  // namespace mw::gui
