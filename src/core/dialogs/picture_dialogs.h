// The image dialog (TImageDlg) and the image map dialog (TAREADlg): the
// operations they have beyond their rows. A picture is chosen with the
// reference button, a drop, the drop-down list or "前回をロード"; the map
// dialog captures an area's coordinates from pointer gestures on the
// picture. The window and the command line both call these.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/dialogs/tag_dialog.h"
#include "core/editing/picture_reader.h"

namespace mw {

// The file-system path of the picture chosen last (what the window shows);
// empty when none is shown.
inline constexpr std::string_view kFieldPicture = "Image#file";
// The size of the picture shown, which the size fields show while empty.
inline constexpr std::string_view kFieldWidthHint = "edWidth#hint";
inline constexpr std::string_view kFieldHeightHint = "edHeight#hint";
// The map dialog's status bar.
inline constexpr std::string_view kFieldStatus = "StatusBar1";

// Chooses the picture file (a file-system path): its size goes into
// edWidth and edHeight, cbImageFile gets its URL relative to the document
// and keeps it in its list. A file that gives no picture changes nothing
// and the result is the message saying why; empty on success. Without a
// picture reader the file is taken with empty sizes.
std::string ChoosePicture(DialogFields& f, const std::string& file, const DialogEnv& env);

// F2 on an IMG: the picture its SRC names (relative to the page) is shown
// with its size as hints, the tag's own values kept. A SRC that names no
// readable picture changes nothing.
void ShowTagPicture(DialogFields& f, const DialogEnv& env);

// The picture a drop chooses: the last item, unless an item is a folder.
std::optional<std::string> DroppedPicture(const std::vector<std::string>& paths,
                                          const std::function<bool(const std::string&)>& isFolder);

// The cbImageFile text chosen from its list: chosen as a picture when it
// names an existing file (a message when that gives no picture).
std::string ChooseListedPicture(DialogFields& f, const DialogEnv& env);

// "前回をロード": the remembered fields, then the remembered picture when
// its file exists.
std::string ReloadPrevious(DialogFields& f, const TagDialogModel& model, const DialogEnv& env);

// The open-file dialog's filter for pictures: every format in one entry
// ("PNG(*.png),JPEG(*.jpg;*.jpeg),|*.png;*.jpg;*.jpeg;"), then all files.
std::string PictureFileFilter(const std::vector<PictureFormat>& formats);

// --- The map dialog's capture ----------------------------------------------------

enum class Pointer { Down, Move, Up, DoubleClick };
// A left-button gesture at (x, y) on the picture: edCoords and the status
// bar follow the shape chosen in cbShape.
void AreaPointer(DialogFields& f, Pointer p, int x, int y);
// The rubber band being dragged: a rectangle (x0, y0, x1, y1) or a circle
// (x0, y0, radius); nullopt when nothing is dragged.
struct RubberBand {
  bool circle = false;
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0, radius = 0;
};
std::optional<RubberBand> AreaRubberBand(const DialogFields& f);
// cbShape changed: any shape but "rect" starts its coordinates afresh.
void AreaShapeChanged(DialogFields& f);
// The shape's index in "rect", "circle", "polygon" ("poly" is a polygon
// too); -1 for any other text.
int AreaShapeIndex(std::string_view shape);

}  // namespace mw
