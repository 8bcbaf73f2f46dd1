#pragma once
// The Open and Save As dialogs of the document, through a hook so tests can answer them.
#include <QString>

#include <functional>

class QWidget;

struct DOCFILEPROMPT {
    bool bOpen = true;        // false: Save As (asks before overwriting)
    QString strTitle;         // "Open" or "Save As"
    QString strFileName;      // proposed name (Save As)
};

// TRUE-like: true with the chosen full path; false when the operator cancelled.
using DOCFILEHOOK = std::function<bool(QWidget* pParent, const DOCFILEPROMPT& prompt, QString& strPathName)>;

bool PromptForDocFileName(QWidget* pParent, const DOCFILEPROMPT& prompt, QString& strPathName);
// Replaces the dialog; an empty function restores the real one. Returns the previous hook.
DOCFILEHOOK SetDocFileHook(DOCFILEHOOK hook);
