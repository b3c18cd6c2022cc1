#include "gui/dialogs/picture_dialog_view.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <algorithm>

#include "core/dialogs/tag_dialogs.h"
#include "gui/app/qt_prompts.h"
#include "gui/dialogs/field_widgets.h"
#include "platform/app/native_path.h"
#include "platform/pictures/picture_files.h"

namespace mw::gui {

// --- The picture -------------------------------------------------------------------

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Image"));
  setMouseTracking(true);  // the status bar follows the pointer
}

void PictureWidget::SetPicture(const QImage& image) {
  m_image = image;
  resize(sizeHint());
  update();
}

void PictureWidget::SetOverlay(std::optional<RubberBand> band, int shape, const QString& coords) {
  m_band = band;
  m_shape = shape;
  m_coords = coords;
  update();
}

QSize PictureWidget::sizeHint() const { return m_image.isNull() ? QSize(1, 1) : m_image.size(); }

void PictureWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (m_image.isNull()) return;
  p.drawImage(0, 0, m_image);
  // Lines invert what is under them, so they show on any picture.
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(Qt::white, 1));
  p.setBrush(Qt::NoBrush);
  if (m_band) {
    if (m_band->circle) p.drawEllipse(QPoint(m_band->x0, m_band->y0), m_band->radius, m_band->radius);
    else p.drawRect(QRect(QPoint(m_band->x0, m_band->y0), QPoint(m_band->x1, m_band->y1)).normalized());
    return;
  }
  // The area the coordinates give, once no band is dragged.
  QList<int> n;
  for (const QString& part : m_coords.split(QLatin1Char(','))) {
    bool ok = false;
    n << part.trimmed().toInt(&ok);
    if (!ok) return;
  }
  if (m_shape == 0 && n.size() == 4) {
    p.drawRect(QRect(QPoint(n[0], n[1]), QPoint(n[2], n[3])).normalized());
  } else if (m_shape == 1 && n.size() == 3) {
    p.drawEllipse(QPoint(n[0], n[1]), n[2], n[2]);
  } else if (m_shape == 2 && n.size() >= 2) {
    QPolygon polygon;
    for (qsizetype i = 0; i + 1 < n.size(); i += 2) polygon << QPoint(n[i], n[i + 1]);
    if (polygon.size() > 1) p.drawPolygon(polygon);
    // Each corner marked, so a single point shows too.
    for (const QPoint& corner : polygon) p.drawRect(QRect(corner - QPoint(2, 2), QSize(4, 4)));
  }
}

QPoint PictureWidget::Pixel(const QPointF& at) const {
  // A drag may leave the picture; its points stay on it.
  const int w = std::max(m_image.width(), 1), h = std::max(m_image.height(), 1);
  return {std::clamp(static_cast<int>(at.x()), 0, w - 1), std::clamp(static_cast<int>(at.y()), 0, h - 1)};
}

void PictureWidget::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || m_image.isNull()) return;
  const QPoint at = Pixel(e->position());
  emit Gesture(Pointer::Down, at.x(), at.y());
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || m_image.isNull()) return;
  const QPoint at = Pixel(e->position());
  emit Gesture(Pointer::DoubleClick, at.x(), at.y());
}

void PictureWidget::mouseMoveEvent(QMouseEvent* e) {
  if (m_image.isNull()) return;
  const QPoint at = Pixel(e->position());
  emit Gesture(Pointer::Move, at.x(), at.y());
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || m_image.isNull()) return;
  const QPoint at = Pixel(e->position());
  emit Gesture(Pointer::Up, at.x(), at.y());
}

// --- The dialog ----------------------------------------------------------------------

namespace {

constexpr std::string_view kCaptureKeys = "Image#";

// The map dialog's pages; the picture file and the two check boxes stand
// above them.
constexpr std::string_view kImgSheet[] = {"edAlt", "edWidth", "edHeight", "edBorder", "rgAlign", "edVSpace", "edHSpace"};
constexpr std::string_view kMapSheet[] = {"cbNAME", "cbShape", "edCoords", "cbURL", "cbOnFocus", "cbOnBlur"};
constexpr ViewPage kAreaPages[] = {{Msg::AreaImgPage, {}, "ImgSheet", kImgSheet},
                                   {Msg::AreaMapPage, {}, "MapSheet", kMapSheet}};

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

PictureDialogView::PictureDialogView(QWidget* parent, const TagDialogModel& model, TagDialogViewHooks hooks)
    : TagDialogView(parent, model.rows, [&model](const DialogFields& f, const EditingOptions& o) {
        return model.build(f, o).preview;
      }, std::move(hooks), &model == &kAREADlg ? std::span<const ViewPage>(kAreaPages) : std::span<const ViewPage>()),
      m_model(model),
      m_area(&model == &kAREADlg) {
  setObjectName(Utf8(model.dialogClass));
  setAcceptDrops(true);

  m_picture = new PictureWidget(this);
  if (m_area) m_picture->setCursor(Qt::CrossCursor);
  connect(m_picture, &PictureWidget::Gesture, this, &PictureDialogView::OnGesture);
  m_scroll = new QScrollArea(this);
  m_scroll->setObjectName(QStringLiteral("ImageScrollBox"));
  m_scroll->setWidget(m_picture);
  m_scroll->setMinimumSize(380, 260);
  m_scroll->setBackgroundRole(QPalette::Dark);

  auto* reload = new QPushButton(Utf8(m_area ? "前回をロード(&Z)" : "前回をロード(&L)"), this);
  reload->setObjectName(QStringLiteral("ReloadBtn"));
  reload->setAutoDefault(false);
  connect(reload, &QPushButton::clicked, this, [this] {
    DialogFields f = CurrentFields();
    const std::string message = ReloadPrevious(f, m_model, Env());
    LoadFields(f);
    if (!message.empty()) Apply(message, f);
  });
  auto* explorer = new QPushButton(QStringLiteral("(&E)"), this);
  explorer->setObjectName(QStringLiteral("ExplorerBtn"));
  explorer->setToolTip(UiText(Msg::ExplorerHint));
  explorer->setAutoDefault(false);
  connect(explorer, &QPushButton::clicked, this, [this] {
    if (Hooks().runCommand) Hooks().runCommand("ExecExplorer");
  });

  auto* side = new QVBoxLayout;
  side->addWidget(m_scroll, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(reload);
  buttons->addWidget(explorer);
  buttons->addStretch();
  side->addLayout(buttons);
  auto* main = static_cast<QBoxLayout*>(layout());
  static_cast<QBoxLayout*>(main->itemAt(0)->layout())->addLayout(side, 3);
  if (m_area) {
    m_status = new QStatusBar(this);
    m_status->setObjectName(QStringLiteral("StatusBar1"));
    m_status->setSizeGripEnabled(false);
    main->addWidget(m_status);
    if (QPushButton* ref = ReferenceButton("cbImageFile")) ref->setObjectName(QStringLiteral("ImageRefBtn"));
    if (QPushButton* ref = ReferenceButton("cbURL")) {
      ref->setObjectName(QStringLiteral("URLRefBtn"));
      ref->setText(QStringLiteral("(&L)"));
      ref->setToolTip(UiText(Msg::LinkReferenceHint));
    }
    // Another shape starts its coordinates afresh.
    if (auto* shape = qobject_cast<QComboBox*>(Control("cbShape"))) {
      connect(shape, &QComboBox::currentTextChanged, this, [this] {
        if (m_loadingFields) return;
        DialogFields f = CurrentFields();
        m_model.act(f, DialogStep::SetField("cbShape", f.Get("cbShape")), Env());
        SetControlValue("edCoords", FromDocumentText(f.Get("edCoords")));
        UpdateOverlay(f);
      });
    }
    if (auto* coords = qobject_cast<QLineEdit*>(Control("edCoords")))
      connect(coords, &QLineEdit::textChanged, this, [this] { UpdateOverlay(CurrentFields()); });
  }
  // A picture chosen from the list of those chosen before.
  if (auto* file = qobject_cast<QComboBox*>(Control("cbImageFile"))) {
    connect(file, &QComboBox::activated, this, [this] {
      DialogFields f = CurrentFields();
      Apply(ChooseListedPicture(f, Env()), f);
    });
  }
  resize(width() + 360, std::max(height(), 560));
}

DialogEnv PictureDialogView::Env() {
  DialogEnv env;
  env.services = &ServicesOf(Hooks());
  const QString doc = Hooks().documentPath ? Hooks().documentPath() : QString();
  env.documentPath = doc.isEmpty() ? std::string() : platform::NativePathString(doc);
  return env;
}

void PictureDialogView::LoadFields(const DialogFields& fields) {
  m_loadingFields = true;
  TagDialogView::LoadFields(fields);
  m_loadingFields = false;
  auto* reader = dynamic_cast<platform::QtPictureReader*>(ServicesOf(Hooks()).pictures);
  const std::string path = fields.Get(kFieldPicture);
  m_picture->SetPicture(reader && !path.empty() ? reader->Picture(path) : QImage());
  // The picture's own size shows in a size field left empty.
  for (const auto& [control, hint] : {std::pair{"edWidth", kFieldWidthHint}, std::pair{"edHeight", kFieldHeightHint}})
    if (auto* number = qobject_cast<NumberField*>(Control(control)))
      number->Edit()->setPlaceholderText(path.empty() ? QString() : FromDocumentText(fields.Get(hint)));
  if (m_status) m_status->showMessage(FromDocumentText(fields.Get(kFieldStatus)));
  UpdateOverlay(fields);
}

void PictureDialogView::Apply(const std::string& message, const DialogFields& f) {
  if (!message.empty()) {
    QMessageBox::warning(this, windowTitle(), FromDocumentText(message));
    return;
  }
  LoadFields(f);
}

void PictureDialogView::ChooseFile(const QString& file) {
  DialogFields f = CurrentFields();
  Apply(ChoosePicture(f, platform::NativePathString(file), Env()), f);
}

bool PictureDialogView::ReferenceChosen(std::string_view control, const QString& file) {
  if (control != "cbImageFile") return false;
  ChooseFile(file);
  return true;
}

QString PictureDialogView::ReferenceFilter(std::string_view control, const QString& filter) const {
  const PictureReader* reader = ServicesOf(Hooks()).pictures;
  if (control != "cbImageFile" || reader == nullptr) return filter;
  // Every format in one entry, then all files.
  const QStringList parts = FromDocumentText(PictureFileFilter(reader->Formats())).split(QLatin1Char('|'));
  if (parts.size() < 4) return filter;
  QString formats = parts[0];
  if (formats.endsWith(QLatin1Char(','))) formats.chop(1);
  const QString patterns = parts[1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
  return formats + QStringLiteral(" (") + patterns + QStringLiteral(");;") + parts[2] + QStringLiteral(" (*)");
}

void PictureDialogView::dragEnterEvent(QDragEnterEvent* e) {
  if (e->mimeData()->hasUrls()) e->acceptProposedAction();
}

void PictureDialogView::dropEvent(QDropEvent* e) {
  std::vector<std::string> paths;
  for (const QUrl& url : e->mimeData()->urls()) {
    if (!url.isLocalFile()) return;
    paths.push_back(platform::NativePathString(url.toLocalFile()));
  }
  const auto chosen = DroppedPicture(paths, [](const std::string& p) {
    return QFileInfo(platform::PathFromNative(p)).isDir();
  });
  if (!chosen) return;
  e->acceptProposedAction();
  ChooseFile(platform::PathFromNative(*chosen));
}

QString PictureDialogView::StatusText() const { return m_status ? m_status->currentMessage() : QString(); }

void PictureDialogView::OnGesture(Pointer pointer, int x, int y) {
  if (!m_area) return;
  DialogFields f = CurrentFields();
  for (const auto& [key, value] : m_capture.values) f.Set(key, value);
  const std::string before = f.Get("edCoords");
  AreaPointer(f, pointer, x, y);
  for (const auto& [key, value] : f.values)
    if (key.starts_with(kCaptureKeys) && key != kFieldPicture) m_capture.Set(key, value);
  if (f.Get("edCoords") != before) SetControlValue("edCoords", FromDocumentText(f.Get("edCoords")));
  m_status->showMessage(FromDocumentText(f.Get(kFieldStatus)));
  UpdateOverlay(f);
}

void PictureDialogView::UpdateOverlay(const DialogFields& f) {
  if (!m_area) return;
  DialogFields state = f;
  for (const auto& [key, value] : m_capture.values) state.Set(key, value);
  m_picture->SetOverlay(AreaRubberBand(state), AreaShapeIndex(f.Get("cbShape")), FromDocumentText(f.Get("edCoords")));
}

}  // namespace mw::gui
