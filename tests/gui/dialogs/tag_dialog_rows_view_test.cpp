// Every tag dialog's window made from its rows: each row's kind gives its
// widget (number field with its lowest value, check box, radio group,
// colour and reference buttons, grid), and each label and radio item is the
// row's text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "core/dialogs/tag_dialogs.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/test_app.h"

namespace mw::gui {
namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The push buttons on the line of a field, in the window as laid out.
QStringList ButtonsBeside(QWidget* field) {
  QStringList names;
  const QRect line = field->geometry();
  for (QPushButton* b : field->parentWidget()->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
    const int y = b->geometry().center().y();
    if (b->isVisibleTo(field->window()) && y >= line.top() && y <= line.bottom()) names << b->objectName();
  }
  return names;
}

bool HasLabel(const TagDialogView& view, QWidget* buddy, const QString& text) {
  for (QLabel* l : view.findChildren<QLabel*>())
    if (l->buddy() == buddy && l->text() == text) return true;
  return false;
}

TEST(TagDialogRows, EachRowsKindMakesItsWidget) {
  test::TestApp();
  std::vector<std::pair<std::string_view, std::span<const Binding>>> dialogs;
  for (const TagDialogModel* m : TagDialogModels()) dialogs.emplace_back(m->dialogClass, m->rows);
  dialogs.emplace_back("TSimpleReDlg", SimpleTagControls());
  for (const auto& [name, rows] : dialogs) {
    SCOPED_TRACE(std::string(name));
    TagDialogView view(nullptr, rows, {}, {});
    view.show();
    QApplication::processEvents();
    for (const Binding& b : rows) {
      SCOPED_TRACE(std::string(b.control));
      QWidget* w = view.Control(b.control);
      ASSERT_NE(w, nullptr);
      switch (b.kind) {
        case Kind::Text:
          EXPECT_NE(qobject_cast<QLineEdit*>(w), nullptr);
          EXPECT_TRUE(HasLabel(view, w, Utf8(b.label)));
          break;
        case Kind::Combo:
        case Kind::Colour:
        case Kind::Handler:
        case Kind::Anchor:
          EXPECT_NE(qobject_cast<QComboBox*>(w), nullptr);
          EXPECT_TRUE(HasLabel(view, w, Utf8(b.label)));
          break;
        case Kind::Number:
        case Kind::Percent:
        case Kind::Count: {
          auto* number = qobject_cast<NumberField*>(w);
          ASSERT_NE(number, nullptr);
          EXPECT_TRUE(HasLabel(view, w, Utf8(b.label)));
          // Below the lowest value a size is "not set" (empty); a count stays.
          number->SetText(QString::number(b.lowest));
          number->stepBy(-1);
          EXPECT_EQ(number->Text(), b.kind == Kind::Count ? QString::number(b.lowest) : QString());
          if (b.kind == Kind::Percent) {
            auto* percent = qobject_cast<QCheckBox*>(view.Control(b.check));
            ASSERT_NE(percent, nullptr);
            EXPECT_EQ(percent->text(), QStringLiteral("%"));
          }
          break;
        }
        case Kind::Keyword: {
          auto* check = qobject_cast<QCheckBox*>(w);
          ASSERT_NE(check, nullptr);
          EXPECT_EQ(check->text(), Utf8(b.label));
          break;
        }
        case Kind::Radio: {
          auto* group = qobject_cast<QGroupBox*>(w);
          ASSERT_NE(group, nullptr);
          EXPECT_EQ(group->title(), Utf8(b.label));
          const auto items = SplitItems(b.items);
          const auto radios = group->findChildren<QRadioButton*>();
          ASSERT_EQ(radios.size(), static_cast<qsizetype>(items.size()));
          for (std::size_t i = 0; i < items.size(); ++i)
            EXPECT_EQ(radios[static_cast<qsizetype>(i)]->text(), Utf8(items[i]));
          break;
        }
        case Kind::Grid: {
          auto* table = qobject_cast<QTableWidget*>(w);
          ASSERT_NE(table, nullptr);
          const auto headers = SplitItems(b.items);
          ASSERT_EQ(table->columnCount(), static_cast<int>(headers.size()));
          EXPECT_EQ(table->horizontalHeaderItem(1)->text(), Utf8(headers[1]));
          break;
        }
        case Kind::FrameGrid: EXPECT_NE(qobject_cast<QTableWidget*>(w), nullptr); break;
      }
      // Buttons beside the field: the palette and colour names for a
      // colour, the file chooser for a reference, nothing else.
      if (IsTextKind(b.kind) || b.kind == Kind::Anchor) {
        const QStringList buttons = ButtonsBeside(w);
        EXPECT_EQ(buttons.filter(QStringLiteral("ColorPaletteBtn")).size(), b.kind == Kind::Colour ? 1 : 0);
        EXPECT_EQ(buttons.filter(QStringLiteral("RefBtn")).size(), b.filter.empty() ? 0 : 1);
      }
    }
  }
}

}  // namespace
}  // namespace mw::gui
