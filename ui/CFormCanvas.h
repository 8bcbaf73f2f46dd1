#pragma once
// The surface of the form view: it carries the controls and hands its paint to the view.
#include <QWidget>

#include <functional>

class QPainter;

class CFormCanvas : public QWidget {
public:
    using PAINTER = std::function<void(QPainter& painter, const QRect& client)>;

    explicit CFormCanvas(QWidget* pParent = nullptr);
    void SetPainter(PAINTER fnPaint) { m_fnPaint = std::move(fnPaint); }

protected:
    void paintEvent(QPaintEvent* pEvent) override;

private:
    PAINTER m_fnPaint;
};
