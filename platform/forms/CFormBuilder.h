#pragma once
// Turns a dialog template into Qt widgets addressed by their numeric ids.
#include "res/DialogTemplate.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

// Dialog units to pixels with the base units of the original dialog font at 96 dpi:
// 6 × 13 pixels per 4 × 8 units, so every form keeps its proportions whatever font Qt uses.
int DialogUnitsToPixelsX(int nUnits);
int DialogUnitsToPixelsY(int nUnits);
QRect MapDialogRect(int x, int y, int cx, int cy);

// The controls of one built template, in template (= tab) order.
class CFormControls {
public:
    struct ITEM {
        int nId;
        QPointer<QWidget> pWidget;
    };

    // The control with that id (the first, if a template repeats one), or nullptr.
    QWidget* GetDlgItem(int nId) const;
    template <class T>
    T* GetItem(int nId) const
    {
        return qobject_cast<T*>(GetDlgItem(nId));
    }

    const std::vector<ITEM>& Items() const { return m_items; }
    bool IsEmpty() const { return m_items.empty(); }
    void Add(int nId, QWidget* pWidget) { m_items.push_back({nId, pWidget}); }
    void Clear() { m_items.clear(); }

private:
    std::vector<ITEM> m_items;
};

class CFormBuilder {
public:
    // Lets a caller supply its own widget for an item (e.g. a progress bar that paints a
    // text); returning nullptr falls back to the standard widget for the item's kind.
    using CREATEHOOK = std::function<QWidget*(const res::DLGITEM& item, QWidget* pParent)>;

    // Creates every item of the template as a child of pParent with its absolute geometry,
    // styles and tab order, and sizes pParent to the template (a pop-up gets its caption and
    // a fixed size).
    static CFormControls Build(const res::DLGTEMPLATE& tmpl, QWidget* pParent,
                               const CREATEHOOK& fnCreate = {});
    // Build() for the template with that resource id; an unknown id builds nothing.
    static CFormControls Build(int nTemplateId, QWidget* pParent, const CREATEHOOK& fnCreate = {});

    static QFont DialogFont(const res::DLGTEMPLATE& tmpl);
    static QSize DialogSize(const res::DLGTEMPLATE& tmpl);

private:
    static QWidget* CreateStandard(const res::DLGITEM& item, QWidget* pParent);
    static void ApplyCommonStyles(const res::DLGITEM& item, QWidget* pWidget);
};
