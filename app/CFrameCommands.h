#pragma once
// The frame's commands as actions: menu 128, accelerators 128, prompts from the string
// table. A command nobody handles stays disabled, as in the menu it came from.
#include <QObject>
#include <QStringList>

#include <functional>
#include <map>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

class CFrameCommands : public QObject {
    Q_OBJECT
public:
    // Creates an action for every command of the menu, the accelerators and the toolbar;
    // the actions belong to pWindow, so their keys work anywhere in it.
    explicit CFrameCommands(QWidget* pWindow);

    QAction* GetAction(int nID) const;
    // Gives the command a handler, which enables it.
    void OnCommand(int nID, std::function<void()> fnHandler);

    // Fills the menu bar from menu 128.
    void BuildMenuBar(QMenuBar* pMenuBar);
    // Puts the entries (menu texts, latest first) in place of the "Recent File" item.
    void SetRecentFiles(const QStringList& strEntries);
    const QList<QAction*>& GetRecentFileActions() const { return m_recentActions; }

signals:
    void RecentFileChosen(int nIndex);
    // A pop-up menu is about to open: check marks are brought up to date.
    void MenuAboutToShow(QMenu* pMenu);

private:
    QAction* CreateAction(int nID, const QString& strText);
    void UpdateRecentFileMenu();

    QWidget* m_pWindow;
    std::map<int, QAction*> m_actions;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentPlaceholder = nullptr;
    QList<QAction*> m_recentActions;
    QStringList m_strRecentEntries;
};
