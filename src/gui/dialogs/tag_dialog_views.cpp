// Which view shows which dialog class.
#include "core/dialogs/edit_tag.h"
#include "core/dialogs/tag_dialogs.h"
#include "core/editing/simple_tag_dialog.h"
#include "gui/dialogs/picture_dialog_view.h"
#include "gui/dialogs/style_editor_view.h"
#include "gui/dialogs/table_dialog_view.h"
#include "gui/dialogs/tag_dialog_view.h"
#include "gui/dialogs/word_list_view.h"
#include "gui/dialogs/colour_form_view.h"
#include "gui/dialogs/skeleton_view.h"
#include "gui/app/qt_prompts.h"

#include <QPushButton>

namespace mw::gui {

const DialogServices& ServicesOf(const TagDialogViewHooks& hooks) {
  static const DialogServices none;
  return hooks.services != nullptr ? *hooks.services : none;
}

std::span<const Binding> SimpleTagControls() { return CommonRows(); }

void RegisterTagDialogViews(QtDialogHost& host, TagDialogViewHooks hooks) {
  // Every (N) button opens the colour-name window on this same host.
  if (!hooks.pickColourName) {
    hooks.pickColourName = [&host, services = hooks.services, options = hooks.options](const std::string& initial) {
      static const DialogServices none;
      return PickColourName(host, services ? *services : none, initial, options ? options() : EditingOptions{});
    };
  }
  RegisterColourViews(host, hooks);
  RegisterSkeletonView(host, hooks);
  for (const TagDialogModel* model : TagDialogModels()) {
    if (model == &kImageDlg || model == &kAREADlg) {
      host.Register(std::string(model->dialogClass), [model, hooks](QWidget* parent) {
        return std::make_unique<PictureDialogView>(parent, *model, hooks);
      });
      continue;
    }
    host.Register(std::string(model->dialogClass), [model, hooks](QWidget* parent) {
      auto view = std::make_unique<TagDialogView>(
          parent, model->rows,
          [model](const DialogFields& f, const EditingOptions& o) { return model->build(f, o).preview; }, hooks);
      view->setObjectName(QString::fromLatin1(model->dialogClass.data(), static_cast<qsizetype>(model->dialogClass.size())));
      view->SetDialogClass(std::string(model->dialogClass));
      view->AddButtons(model->buttons);
      if (!model->previewLabel.empty())
        view->SetPreviewLabel(UiText(model->previewLabel.id),
                              model->previewHint.empty() ? QString() : UiText(model->previewHint.id));
      return view;
    });
  }
  host.Register(std::string(kSimpleTagDialogClass), [hooks](QWidget* parent) {
    auto view = std::make_unique<TagDialogView>(
        parent, SimpleTagControls(),
        // A re-edit previews the tag exactly as OK writes it, handlers and all.
        [](const DialogFields& f, const EditingOptions& o) { return SimpleTagText(f, o); },
        hooks);
    view->setObjectName(QStringLiteral("TSimpleReDlg"));
    view->SetDialogClass(std::string(kSimpleTagDialogClass));
    view->OkButton()->setText(QStringLiteral("&OK"));
    view->CancelButton()->setText(QStringLiteral("Cancel"));
    return view;
  });
  RegisterStyleEditorView(host, hooks);
  host.RegisterModelView(std::string(kTableDialogClass),
                       [hooks](QWidget* parent, DialogFields& fields) -> std::unique_ptr<FieldsDialog> {
                         auto* table = dynamic_cast<TableDialog*>(fields.actions);
                         if (table == nullptr) return nullptr;
                         return std::make_unique<TableDialogView>(parent, *table, hooks);
                       });
  host.Register(std::string(kWordListDialogClass), [hooks](QWidget* parent) {
    return std::make_unique<TInsertStrDlg>(parent, hooks);
  });
}

}  // namespace mw::gui
