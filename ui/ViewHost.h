#pragma once
// The acquisition core's view of the form: its controls, the progress bar, message boxes
// and the repaint of the plot.
#include "acquisition/IAcquisitionHost.h"

class CVadelView;

class CViewHost : public IAcquisitionHost {
public:
    explicit CViewHost(CVadelView& view) : m_view(view) {}

    bool UpdateData(bool bSaveAndValidate) override;
    void MessageBox(const QString& strText) override;
    void EnableControl(int nId, bool bEnable) override;
    void SetControlText(int nId, const QString& strText) override;
    void SetProgressRange(int nLower, int nUpper) override;
    void SetProgressPos(int nPos) override;
    int GetProgressUpper() override;
    void DrawProgressText(const QString& strText) override;
    void Invalidate() override;
    // Recording thread: the end of a run is handled at once, not at the next tick.
    void PostRunEnded() override;

private:
    CVadelView& m_view;
};
