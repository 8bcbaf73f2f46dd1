#include "platform/forms/CFormBuilder.h"
#include "res/Resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace {

// Rounds half away from zero, as the original conversion did.
int MulDivRound(int n, int nNum, int nDen)
{
    const long long v = static_cast<long long>(n) * nNum;
    return static_cast<int>(v >= 0 ? (v + nDen / 2) / nDen : -((-v + nDen / 2) / nDen));
}

bool Has(const res::DLGITEM& item, std::uint32_t dwStyle) { return (item.dwStyle & dwStyle) != 0; }

QPixmap IconPixmap(const QSize& size)
{
    QIcon icon = QApplication::windowIcon();
    if (icon.isNull())
        icon = QApplication::style()->standardIcon(QStyle::SP_ComputerIcon);
    return icon.pixmap(size);
}

}  // namespace

int DialogUnitsToPixelsX(int nUnits) { return MulDivRound(nUnits, 6, 4); }
int DialogUnitsToPixelsY(int nUnits) { return MulDivRound(nUnits, 13, 8); }

QRect MapDialogRect(int x, int y, int cx, int cy)
{
    // Map both corners so adjacent controls share their edges exactly.
    const int left = DialogUnitsToPixelsX(x);
    const int top = DialogUnitsToPixelsY(y);
    return QRect(left, top, DialogUnitsToPixelsX(x + cx) - left, DialogUnitsToPixelsY(y + cy) - top);
}

QWidget* CFormControls::GetDlgItem(int nId) const
{
    for (const ITEM& item : m_items) {
        if (item.nId == nId)
            return item.pWidget;
    }
    return nullptr;
}

QFont CFormBuilder::DialogFont(const res::DLGTEMPLATE& tmpl)
{
    // The template's face is rarely installed. The base units assume its average character
    // is 6 pixels wide, so shrink the platform font until its own average fits, or captions
    // sized for the original are cut off.
    QFont font = QApplication::font();
    const int nTemplatePixels = MulDivRound(tmpl.nPointSize, 96, 72);
    static const QString kAlphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    for (int nPixels = nTemplatePixels; nPixels >= nTemplatePixels - 3; --nPixels) {
        font.setPixelSize(nPixels);
        if (QFontMetricsF(font).horizontalAdvance(kAlphabet) / kAlphabet.size() <= 6.2)
            break;
    }
    return font;
}

QSize CFormBuilder::DialogSize(const res::DLGTEMPLATE& tmpl)
{
    return QSize(DialogUnitsToPixelsX(tmpl.cx), DialogUnitsToPixelsY(tmpl.cy));
}

QWidget* CFormBuilder::CreateStandard(const res::DLGITEM& item, QWidget* pParent)
{
    const QString strText = QString::fromUtf8(item.szText);
    switch (item.kind) {
    case res::CONTROLKIND::PushButton: {
        auto* p = new QPushButton(strText, pParent);
        if (Has(item, res::BS_DEFPUSHBUTTON))
            p->setDefault(true);
        return p;
    }
    case res::CONTROLKIND::Edit: {
        auto* p = new QLineEdit(strText, pParent);
        p->setFrame(Has(item, res::WS_BORDER));
        return p;
    }
    case res::CONTROLKIND::AutoCheckBox:
        return new QCheckBox(strText, pParent);
    case res::CONTROLKIND::GroupBox: {
        auto* p = new QGroupBox(strText, pParent);
        // Only a frame: it must never take the clicks of the controls drawn inside it.
        p->setAttribute(Qt::WA_TransparentForMouseEvents);
        // The template places the frame's top edge through the middle of the title line.
        p->setStyleSheet(QStringLiteral(
            "QGroupBox { border: 1px solid palette(mid); border-radius: 2px; margin-top: 0.5em; }"
            "QGroupBox::title { subcontrol-origin: margin; left: 6px; padding: 0 2px; }"));
        return p;
    }
    case res::CONTROLKIND::Static: {
        auto* p = new QLabel(strText, pParent);
        p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        p->setWordWrap(strText.contains(u'\n'));
        p->setTextFormat(Qt::PlainText);
        return p;
    }
    case res::CONTROLKIND::Progress: {
        auto* p = new QProgressBar(pParent);
        p->setRange(0, 100);
        p->setValue(0);
        p->setTextVisible(false);
        return p;
    }
    case res::CONTROLKIND::Icon: {
        auto* p = new QLabel(pParent);
        p->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return p;
    }
    }
    return new QWidget(pParent);
}

void CFormBuilder::ApplyCommonStyles(const res::DLGITEM& item, QWidget* pWidget)
{
    QRect rect = MapDialogRect(item.x, item.y, item.cx, item.cy);
    // A one-line label may run past its box rather than lose letters to a wider font.
    auto* pLabel = qobject_cast<QLabel*>(pWidget);
    if (item.kind == res::CONTROLKIND::Static && pLabel && !pLabel->wordWrap())
        rect.setWidth(qMax(rect.width(), pWidget->sizeHint().width()));
    pWidget->setGeometry(rect);
    if (item.kind == res::CONTROLKIND::Icon) {
        if (pLabel)
            pLabel->setPixmap(IconPixmap(pWidget->size().boundedTo(QSize(32, 32))));
    }
    if (item.nId != res::IDC_STATIC)
        pWidget->setObjectName(QStringLiteral("idc%1").arg(item.nId));

    const bool bFocusable = pWidget->focusPolicy() != Qt::NoFocus;
    if (bFocusable)
        pWidget->setFocusPolicy(Has(item, res::WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    pWidget->setEnabled(!Has(item, res::WS_DISABLED));
    pWidget->show();
}

CFormControls CFormBuilder::Build(const res::DLGTEMPLATE& tmpl, QWidget* pParent, const CREATEHOOK& fnCreate)
{
    CFormControls controls;
    pParent->setFont(DialogFont(tmpl));

    QWidget* pPrevTab = nullptr;
    std::vector<QWidget*> groups;
    for (const res::DLGITEM& item : tmpl.items) {
        QWidget* pWidget = fnCreate ? fnCreate(item, pParent) : nullptr;
        if (!pWidget)
            pWidget = CreateStandard(item, pParent);
        else if (pWidget->parentWidget() != pParent)
            pWidget->setParent(pParent);
        ApplyCommonStyles(item, pWidget);
        controls.Add(item.nId, pWidget);

        if (item.kind == res::CONTROLKIND::GroupBox)
            groups.push_back(pWidget);
        if (pWidget->focusPolicy() & Qt::TabFocus) {
            if (pPrevTab)
                QWidget::setTabOrder(pPrevTab, pWidget);
            pPrevTab = pWidget;
        }
    }
    // A group box listed after the controls it frames would otherwise hide them.
    for (auto it = groups.rbegin(); it != groups.rend(); ++it)
        (*it)->lower();

    const QSize size = DialogSize(tmpl);
    if (tmpl.dwStyle & res::DS_POPUP) {
        pParent->setWindowTitle(QString::fromUtf8(tmpl.szCaption));
        pParent->setFixedSize(size);
    } else {
        pParent->resize(size);
    }
    return controls;
}

CFormControls CFormBuilder::Build(int nTemplateId, QWidget* pParent, const CREATEHOOK& fnCreate)
{
    const res::DLGTEMPLATE* pTemplate = res::FindDialogTemplate(nTemplateId);
    return pTemplate ? Build(*pTemplate, pParent, fnCreate) : CFormControls{};
}
