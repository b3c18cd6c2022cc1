// The settings store as the main window sees it: Markupwright.ini (section
// "FORM") and FontColor.dat are read into the window's widgets, options and
// fonts at creation and collected back from them at every close query.
//
// What a widget or option shows is the truth while the program runs (the
// toolbar check marks, the tag page order, the window's bounds, the editing
// options, the display fonts); every other "FORM" value lives in the
// window's Settings() until the next save.
#pragma once

#include <string>
#include <string_view>

#include "core/app/settings.h"
#include "gui/display/scintilla_editor.h"

namespace mw::gui {

class TMainForm;

// Reads the settings and fonts from dataFolder and applies them to the
// window. A missing or unreadable settings file gives the defaults, a
// missing or damaged FontColor.dat the design fonts; nothing is reported.
// Stored numbers out of their range give their defaults, and the window's
// bounds are fitted to the screens. An empty dataFolder reads nothing and
// applies the values already held.
void LoadWindowSettings(TMainForm& w, const std::string& dataFolder);

// Writes every "FORM" key (the window bounds only in normal state, or when
// the file's could not open as they are; always fitted to the screens) into
// Markupwright.ini, keeping every other section, key and line of the file,
// and writes FontColor.dat anew; a damaged FontColor.dat is left as it is
// while the fonts are the defaults, and kept as FontColor.dat.bak before it
// is replaced. When a file cannot be read or written it
// returns false with the system's reason in *error; an existing settings
// file that cannot be read is never overwritten (its other sections would
// be lost). An empty dataFolder writes nothing.
bool SaveWindowSettings(const TMainForm& w, const std::string& dataFolder, std::string* error = nullptr);

// The window's current settings as Save would write them: Settings() with
// every value a widget or option mirrors collected from the window.
FormSettings CollectWindowSettings(const TMainForm& w);

// How document editors look with the current settings and fonts (new
// editors are configured with it).
EditorLook WindowEditorLook(const TMainForm& w);
// Gives every open document editor that look again (after the fonts or
// display options changed).
void ApplyEditorLook(TMainForm& w);

// The captions of the five external tool items and the tool button's hint,
// from the tool paths in Settings().
void ApplyToolCaptions(TMainForm& w);

// Writes one "FORM" integer at once, for the values kept on disk the moment
// they change (the width to restore when a panel is shown again). Returns
// false when the file cannot be read or written.
bool WriteFormInt(const std::string& dataFolder, std::string_view key, int value);

}  // namespace mw::gui
