#include "gui/app/command_actions.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QToolButton>
#include <stdexcept>

#include "core/editing/command_registry.h"

namespace mw::gui {

namespace {

QString Utf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

bool NeedsMet(Needs needs, Needs met) { return (needs & ~met) == 0; }

}  // namespace

QString MenuText(std::string_view caption) {
  QString text = Utf8(caption);
  if (!text.contains(QStringLiteral("(&"))) text.replace(QLatin1Char('&'), QStringLiteral("&&"));
  return text;
}

CommandActions::CommandActions(QWidget& owner, std::span<const CommandRow> rows, const CommandRegistry* engine,
                               std::function<void(const CommandRow&)> run)
    : QObject(&owner), m_rows(rows), m_engine(engine), m_run(std::move(run)) {
  std::map<std::string_view, QActionGroup*> groups;
  m_handled.reserve(m_rows.size());
  for (const CommandRow& row : m_rows) {
    m_handled.push_back(m_engine != nullptr && m_engine->Find(row.handler) != nullptr);
    auto* action = new QAction(MenuText(row.caption), &owner);
    action->setObjectName(Utf8(row.id));
    if (!row.shortcut.empty()) action->setShortcut(QKeySequence(Utf8(row.shortcut)));
    if (!row.hint.empty()) {
      action->setToolTip(Utf8(row.hint));
      action->setStatusTip(Utf8(row.hint));
    }
    if (row.check != CheckKind::None) {
      action->setCheckable(true);
      action->setChecked(row.check == CheckKind::Checked);
    }
    if (!row.radioGroup.empty()) {
      auto& group = groups[row.radioGroup];
      if (group == nullptr) group = new QActionGroup(this);
      group->addAction(action);
    }
    action->setEnabled(HasHandler(row) && row.needs == kNeedsNothing);
    m_needsUsed |= row.needs;
    const CommandRow* r = &row;
    connect(action, &QAction::triggered, this, [this, r] { m_run(*r); });
    m_actions.emplace(std::string(row.id), action);
  }
}

void CommandActions::Handle(std::string_view handler, Handler run) {
  if (m_handlers.find(handler) != m_handlers.end())
    throw std::logic_error("command handler registered twice: " + std::string(handler));
  const bool engine = m_engine != nullptr && m_engine->Find(handler) != nullptr;
  bool any = false;
  for (const CommandRow& row : m_rows) {
    if (row.handler != handler) continue;
    any = true;
    if (engine && row.runs != Runs::Window)
      throw std::logic_error("window handler for the engine command " + std::string(handler) + " (row " +
                             std::string(row.id) + " does not say the window runs it)");
  }
  if (!any) throw std::logic_error("no command row has the handler " + std::string(handler));
  m_handlers.emplace(std::string(handler), std::move(run));
  for (std::size_t i = 0; i < m_rows.size(); ++i) {
    if (m_rows[i].handler != handler) continue;
    m_handled[i] = true;
    if (m_rows[i].needs == kNeedsNothing) Action(m_rows[i].id)->setEnabled(true);
  }
}

bool CommandActions::HasHandler(const CommandRow& row) const {
  if (m_handlers.find(row.handler) != m_handlers.end()) return true;
  return m_engine != nullptr && m_engine->Find(row.handler) != nullptr;
}

const CommandActions::Handler* CommandActions::WindowHandler(const CommandRow& row) const {
  const auto it = m_handlers.find(row.handler);
  return it == m_handlers.end() ? nullptr : &it->second;
}

QAction* CommandActions::Action(std::string_view id) const {
  const auto it = m_actions.find(id);
  return it == m_actions.end() ? nullptr : it->second;
}

void CommandActions::BuildMenu(QMenu& menu, std::span<const std::string_view> entries) {
  std::size_t at = 0;
  BuildMenu(menu, entries, at);
}

void CommandActions::BuildMenu(QMenu& menu, std::span<const std::string_view> entries, std::size_t& at) {
  while (at < entries.size()) {
    const std::string_view e = entries[at++];
    if (e == "]") return;
    if (e == "-") {
      menu.addSeparator();
    } else if (e.starts_with('[')) {
      const SubmenuRow* row = FindSubmenu(e.substr(1));
      if (row == nullptr) throw std::logic_error("no submenu " + std::string(e.substr(1)));
      QMenu* sub = menu.addMenu(MenuText(row->caption));
      sub->setObjectName(Utf8(row->id));
      m_submenus.emplace_back(row, sub);
      m_needsUsed |= row->needs;
      BuildMenu(*sub, entries, at);
    } else if (e.starts_with('@')) {
      // The editor popup's special characters carry a comment item that
      // runs nothing; other places are filled by their owners.
      if (e == "@Comment") menu.addAction(QStringLiteral("<COMMENT></COMMENT>"));
      else m_runtimeMenus.emplace(std::string(e.substr(1)), &menu);
    } else if (QAction* action = Action(e)) {
      menu.addAction(action);
    }
  }
}

QMenu* CommandActions::RuntimeMenu(std::string_view name) const {
  const auto it = m_runtimeMenus.find(name);
  return it == m_runtimeMenus.end() ? nullptr : it->second;
}

std::vector<QMenu*> CommandActions::SubmenusOf(std::string_view id) const {
  std::vector<QMenu*> menus;
  for (const auto& [row, menu] : m_submenus)
    if (row->id == id) menus.push_back(menu);
  return menus;
}

QToolButton* CommandActions::MakeButton(QWidget* parent, const ToolButtonRow& b, const QString& text) {
  QAction* action = Action(b.command);
  auto* button = new QToolButton(parent);
  button->setObjectName(Utf8(b.name));
  if (!text.isEmpty()) button->setText(text);
  button->setToolTip(Utf8(b.hint));
  button->setStatusTip(Utf8(b.hint));
  button->setAutoRaise(true);
  if (action != nullptr) {
    button->setEnabled(action->isEnabled());
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  } else {
    button->setEnabled(false);
  }
  return button;
}

void CommandActions::UpdateEnabled(Needs met) {
  for (std::size_t i = 0; i < m_rows.size(); ++i) {
    // Rows that need nothing keep what their handler gave them.
    if (m_rows[i].needs == kNeedsNothing) continue;
    const bool on = m_handled[i] && NeedsMet(m_rows[i].needs, met);
    QAction* a = Action(m_rows[i].id);
    if (a->isEnabled() != on) a->setEnabled(on);
  }
  for (const auto& [row, menu] : m_submenus) {
    // A submenu filled at run time stays disabled while empty: Qt shows an
    // empty one once and never again.
    const bool on = NeedsMet(row->needs, met) && !menu->isEmpty();
    if (menu->menuAction()->isEnabled() != on) menu->menuAction()->setEnabled(on);
  }
}

void CommandActions::MirrorChecks(const std::function<std::optional<bool>(std::string_view option)>& stateOf) {
  for (const CommandRow& row : m_rows) {
    if (row.option.empty()) continue;
    const std::optional<bool> on = stateOf(row.option);
    if (!on) continue;
    QAction* a = Action(row.id);
    if (a->isChecked() != *on) a->setChecked(*on);
  }
}

}  // namespace mw::gui
