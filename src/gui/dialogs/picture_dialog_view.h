// The windows of the image dialog (TImageDlg) and the image map dialog
// (TAREADlg): the rows' form with the chosen picture beside it, unscaled
// in a scroll box, the "前回をロード" and Explorer buttons, drops of
// picture files, and for the map the cross cursor, the rubber band and the
// area drawn over the picture, and the status bar. What a choice or a
// gesture does is the core's (core/dialogs/picture_dialogs.h).
#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

#include "core/dialogs/picture_dialogs.h"
#include "gui/dialogs/tag_dialog_view.h"

class QLabel;
class QScrollArea;
class QStatusBar;

namespace mw::gui {

// The picture, at its own size; pointer gestures in its pixels.
class PictureWidget : public QWidget {
  Q_OBJECT
 public:
  explicit PictureWidget(QWidget* parent);
  void SetPicture(const QImage& image);
  const QImage& Picture() const { return m_image; }
  // What is drawn over the picture: the rubber band being dragged, and
  // the area the coordinates describe (shape index as AreaShapeIndex).
  void SetOverlay(std::optional<RubberBand> band, int shape, const QString& coords);
  QSize sizeHint() const override;

 signals:
  void Gesture(mw::Pointer pointer, int x, int y);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPoint Pixel(const QPointF& at) const;
  QImage m_image;
  std::optional<RubberBand> m_band;
  int m_shape = -1;
  QString m_coords;
};

class PictureDialogView : public TagDialogView {
  Q_OBJECT
 public:
  PictureDialogView(QWidget* parent, const TagDialogModel& model, TagDialogViewHooks hooks);

  void LoadFields(const DialogFields& fields) override;

  PictureWidget* PictureArea() const { return m_picture; }
  QString StatusText() const;
  // Chooses a file as the reference button, a drop or "前回をロード" do.
  void ChooseFile(const QString& file);

 protected:
  bool ReferenceChosen(std::string_view control, const QString& file) override;
  QString ReferenceFilter(std::string_view control, const QString& filter) const override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  DialogEnv Env();
  // The fields after a choice: a message when it gave no picture, else
  // the controls and the picture follow.
  void Apply(const std::string& message, const DialogFields& f);
  void OnGesture(Pointer pointer, int x, int y);
  void UpdateOverlay(const DialogFields& f);

  const TagDialogModel& m_model;
  bool m_area = false;
  PictureWidget* m_picture = nullptr;
  QScrollArea* m_scroll = nullptr;
  QStatusBar* m_status = nullptr;
  DialogFields m_capture;  // the map's capture state between gestures
  bool m_loadingFields = false;
};

}  // namespace mw::gui
