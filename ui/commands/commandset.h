#pragma once

#include "ui/commands/command.h"
#include "ui/commands/shortcutlisting.h"

#include <QKeyEvent>
#include <QMenu>

#include <initializer_list>
#include <optional>

// A screen's commands by id, each made once from its definition. Menus, context menus, the key
// handling and the Keyboard Shortcuts box all take the same actions, so none of them can show a
// key or a text another does not. `Id` is the screen's enumeration of its commands; its value
// `Separator` stands for a rule between menu entries.
template <typename Id> class CommandSet
{
public:
    // The actions become children of `owner`.
    explicit CommandSet(QObject* owner) : m_owner(owner) {}

    QAction* add(Id id, const Command& command)
    {
        QAction* action = command.createAction(m_owner);
        m_entries.append({id, command, action});
        return action;
    }

    // Null for a command that was not added.
    QAction* action(Id id) const
    {
        const Entry* entry = find(id);
        return entry ? entry->action : nullptr;
    }

    // Turns the command's action on or off with what it acts on being there (an account, say);
    // a command whose screen is still to come stays off.
    void setAvailable(Id id, bool available)
    {
        if (const Entry* entry = find(id))
            entry->action->setEnabled(entry->command.enabled && available);
    }

    std::optional<Id> idOf(const QAction* action) const
    {
        for (const Entry& entry : m_entries) {
            if (entry.action == action)
                return entry.id;
        }
        return std::nullopt;
    }

    // The first command, in the order they were added, that the key press runs.
    std::optional<Id> commandForKey(const QKeyEvent* event) const
    {
        for (const Entry& entry : m_entries) {
            if (entry.command.isPressedBy(event, entry.action->shortcuts()))
                return entry.id;
        }
        return std::nullopt;
    }

    // Appends the commands' actions to the menu in this order.
    void addToMenu(QMenu* menu, std::initializer_list<Id> ids) const
    {
        for (const Id id : ids) {
            if (id == Id::Separator)
                menu->addSeparator();
            else
                menu->addAction(action(id));
        }
    }

    // A context menu entry for the command acting on one item: the command's context text for
    // the item's name, enabled as the command is, running `run`. No keys are shown: the keys act
    // on the current item, not on the one under the menu.
    QAction* addContextEntry(QMenu* menu, Id id, const QString& subject,
                             const std::function<void()>& run) const
    {
        const Entry* entry = find(id);
        auto* item = new QAction(entry->command.contextTextFor(subject), menu);
        item->setEnabled(entry->action->isEnabled());
        QObject::connect(item, &QAction::triggered, menu, run);
        menu->addAction(item);
        return item;
    }

    // The Keyboard Shortcuts box's row for the command: its first key and the meaning given.
    ShortcutRow shortcutRow(Id id, const QString& meaning) const
    {
        return ShortcutRow::forKeys(action(id)->shortcut(), meaning);
    }

private:
    struct Entry
    {
        Id id;
        Command command;
        QAction* action;
    };

    const Entry* find(Id id) const
    {
        for (const Entry& entry : m_entries) {
            if (entry.id == id)
                return &entry;
        }
        return nullptr;
    }

    QObject* m_owner;
    QList<Entry> m_entries;
};
