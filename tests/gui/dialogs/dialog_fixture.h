// A real editor offscreen with the tag dialog views registered, and the
// helpers that act on a dialog once its command has opened it.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "core/editing/command_registry.h"
#include "core/engine_commands.h"
#include "core/project/relative_path.h"
#include "gui/dialogs/field_widgets.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/display/surface_fixture.h"
#include "gui/display/when_shown.h"

namespace mw::gui {
namespace {

using test::WhenShown;

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

  // A saved page at folder/doc/index.html with the real relative-path
  // service, for the reference buttons; returns the page's path.
  QString SavedPageIn(const std::filesystem::path& folder) {
    const auto doc = folder / "doc" / "index.html";
    std::filesystem::create_directories(doc.parent_path());
    std::ofstream(doc) << "x";
    ctx.services.makeRelativePath = [](const std::string& file, const std::string& document) {
      return MakeRelativePath(file, document);
    };
    return QString::fromStdString(doc.string());
  }

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
