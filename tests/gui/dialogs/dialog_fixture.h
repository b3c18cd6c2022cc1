// A real editor offscreen with the tag dialog views registered, and the
// helpers that act on a dialog once its command has opened it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>

#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/surface_fixture.h"

namespace mw::gui {
namespace {

// Acts on the modal dialog once it is up; a dialog of another kind is
// cancelled so a test never hangs on it.
template <typename View>
void WhenShown(std::function<void(View&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    auto* view = qobject_cast<View*>(modal);
    EXPECT_NE(view, nullptr);
    if (view != nullptr) act(*view);
    else if (auto* other = qobject_cast<QDialog*>(modal)) other->reject();
  });
}

inline void SetControl(TagDialogView& view, const std::string& name, const std::string& value) {
  ASSERT_TRUE(view.SetControlValue(name, QString::fromStdString(value))) << name << " = " << value;
}

inline QString ControlText(TagDialogView& view, const std::string& name) { return FieldWidgetText(view.Control(name)); }

struct DialogFixture : test::SurfaceFixture {
  QWidget window;
  QtDialogHost host{&window};
  TagDialogViewHooks hooks;

  DialogFixture() {
    ctx.dialogs = &host;
    hooks.options = [this] { return ctx.options; };
    hooks.services = &ctx.services;
    RegisterTagDialogViews(host, hooks);
  }

  void Reregister() { RegisterTagDialogViews(host, hooks); }

  // Document bytes with the selection marked: "a[bc]d", or "a|b" for a caret.
  void LoadMarked(std::string marked) {
    Offset start = 0, length = 0;
    if (const auto caret = marked.find('|'); caret != std::string::npos) {
      marked.erase(caret, 1);
      start = static_cast<Offset>(caret);
    } else if (const auto open = marked.find('['); open != std::string::npos) {
      const auto close = marked.find(']');
      marked.erase(close, 1);
      marked.erase(open, 1);
      start = static_cast<Offset>(open);
      length = static_cast<Offset>(close - open - 1);
    }
    editor.Load(marked, true);
    editor.SetSelStart(start);
    editor.SetSelLength(length);
  }
  void Run(std::string_view command) {
    const EditCommand* c = EngineCommands().Find(command);
    ASSERT_NE(c, nullptr) << command;
    c->run(ctx, {});
  }
};

}  // namespace
}  // namespace mw::gui
