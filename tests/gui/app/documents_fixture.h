// The document set driven through the real window: files in a temporary
// folder, commands run as their menu items run them, questions answered by
// a script, file dialogs by a queue of paths.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTabWidget>
#include <deque>
#include <ostream>
#include <filesystem>

#include "core/app/document_file.h"
#include "core/app/file_history.h"
#include "core/app/tools/kanji_converter.h"
#include "core/editing/scripted_prompts.h"
#include "gui/app/document_set.h"
#include "gui/app/file_history_menu.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompts.h"
#include "gui/display/scintilla_surface.h"
#include "gui/display/test_app.h"
#include "support/temp_dir.h"

// Failures show texts, not UTF-16 code units.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace mw::gui::test_documents {

namespace fs = std::filesystem;

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return ToDocumentText(s); }

// A window with scripted questions and file dialogs.
struct Window {
  explicit Window(std::string dataFolder = {}) : w(std::move(dataFolder)) {
    w.SetPrompts(&prompts);
    w.SetFileChooser([this](const FileChoice& c) {
      choices.push_back(c);
      if (paths.empty()) return QString();
      const QString p = paths.front();
      paths.pop_front();
      return p;
    });
  }
  void Run(std::string_view id) {
    const CommandRow* row = FindCommand(id);
    ASSERT_NE(row, nullptr) << id;
    w.RunCommand(*row);
  }
  ScintillaSurface& Doc() { return *w.ActiveSurface(); }
  std::string Text() { return Doc().Text(); }
  void Type(std::string_view sjis) { Doc().SetSelText(sjis); }
  QStringList Captions() const {
    QStringList c;
    for (int i = 0; i < w.Documents()->count(); ++i) c << w.Documents()->tabText(i);
    return c;
  }

  TMainForm w;
  ScriptedPrompts prompts;
  std::deque<QString> paths;
  std::vector<FileChoice> choices;
};

class DocumentsTest : public ::testing::Test {
 protected:
  void SetUp() override { test::TestApp(); }
  std::string File(const std::string& name, const std::string& bytes = "x") { return m_dir.Write(name, bytes); }
  test::TempDir m_dir;
};

}  // namespace mw::gui::test_documents
