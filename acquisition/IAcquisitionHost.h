#pragma once
// What the acquisition core asks of whoever shows it: the window fills these with its
// controls, the command line and the tests with their own stand-ins. Every call except
// PostRunEnded comes on the GUI thread (the thread that calls CAcquisition's handlers).
#include <QString>

class IAcquisitionHost {
public:
    virtual ~IAcquisitionHost() = default;

    // Moves the bound members into the controls (false) or reads and validates the controls
    // into the members (true). False when a field failed validation; the host has then
    // shown its message already.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    // Modal box with an OK button.
    virtual void MessageBox(const QString& strText) = 0;
    virtual void EnableControl(int nId, bool bEnable) = 0;
    virtual void SetControlText(int nId, const QString& strText) = 0;

    virtual void SetProgressRange(int nLower, int nUpper) = 0;
    virtual void SetProgressPos(int nPos) = 0;
    virtual int GetProgressUpper() = 0;
    // The elapsed time written onto the progress bar.
    virtual void DrawProgressText(const QString& strText) = 0;
    // Repaint of the whole view with background erase (the capture plot changed).
    virtual void Invalidate() = 0;

    // Called on the recording thread as its very last step. A host that wants the end seen
    // before the next timer tick posts an OnTimer call to the GUI thread here; nothing else.
    virtual void PostRunEnded() {}
};
