// One paint of the capture plot (6 curves × 200 points on 1000 × 600): the chart through
// the painter surface against Qt Charts updating and rendering the same six series. Both
// paint a reused image cleared to white; compare the two times for the ratio.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "chart/CEngString.h"
#include "chart/CapturePlot.h"
#include "platform/draw/CPainterDC.h"

#ifdef VADEL_BENCH_QTCHARTS
#include <QApplication>
#include <QGraphicsScene>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#else
#include <QGuiApplication>
#endif

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;
constexpr int kRate = 31250;

double g_capture[CAPTURE_CHANNELS][CAPTURE_FRAMES];

void FillSines()
{
    for (int i = 0; i < CAPTURE_CHANNELS; ++i) {
        for (int n = 0; n < CAPTURE_FRAMES; ++n)
            g_capture[i][n] = std::round(4000.0 * (i + 1) * std::sin(2 * M_PI * 1000.0 * (i + 1) * n / kRate));
    }
}

void BM_CGraphCapturePlot(benchmark::State& state)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        CPainterDC dc(painter, RECT{0, 0, kWidth, kHeight});
        DrawCapturePlot(dc, RECT{0, 0, kWidth, kHeight}, g_capture, CAPTURE_CHANNELS, kRate);
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_CGraphCapturePlot)->Unit(benchmark::kMicrosecond);

#ifdef VADEL_BENCH_QTCHARTS
void BM_QtChartsCapturePlot(benchmark::State& state)
{
    // Built once, as a window would keep it; each paint hands it the new capture.
    QGraphicsScene scene;
    auto* chart = new QChart;
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* axisX = new QValueAxis;
    auto* axisY = new QValueAxis;
    axisX->setTitleText("time");
    axisY->setTitleText("amplitude");
    chart->addAxis(axisX, Qt::AlignBottom);
    chart->addAxis(axisY, Qt::AlignLeft);
    const QColor colours[CAPTURE_CHANNELS] = {QColor(255, 0, 0), QColor(0, 0, 0), QColor(0, 0, 255),
                                              QColor(255, 0, 255), QColor(0, 255, 0), QColor(255, 128, 0)};
    QLineSeries* series[CAPTURE_CHANNELS];
    for (int j = 0; j < CAPTURE_CHANNELS; ++j) {
        series[j] = new QLineSeries;
        series[j]->setPen(QPen(colours[j], 1));
        chart->addSeries(series[j]);
        series[j]->attachAxis(axisX);
        series[j]->attachAxis(axisY);
    }
    scene.addItem(chart);
    chart->setGeometry(0, 0, kWidth, kHeight);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    QList<QPointF> points[CAPTURE_CHANNELS];
    for (int j = 0; j < CAPTURE_CHANNELS; ++j) {
        for (int i = 0; i < CAPTURE_PLOTTED; ++i)
            points[j].append(QPointF(double(i) / kRate, g_capture[j][i]));
    }
    for (auto _ : state) {
        double yMin = 0, yMax = 0;
        for (int j = 0; j < CAPTURE_CHANNELS; ++j) {
            series[j]->replace(points[j]);
            for (const QPointF& p : points[j]) {
                yMin = std::min(yMin, p.y());
                yMax = std::max(yMax, p.y());
            }
        }
        axisX->setRange(0, double(CAPTURE_PLOTTED - 1) / kRate);
        axisY->setRange(yMin, yMax);
        image.fill(Qt::white);
        QPainter painter(&image);
        scene.render(&painter, QRectF(0, 0, kWidth, kHeight), QRectF(0, 0, kWidth, kHeight));
    }
    benchmark::DoNotOptimize(image.constBits());
}
BENCHMARK(BM_QtChartsCapturePlot)->Unit(benchmark::kMicrosecond);
#endif

void BM_FormatEngineering(benchmark::State& state)
{
    const double values[] = {0.001234, 12345, -0.5, 2.2e-6, 123456789, 2.5e27, 0, 999.9999999};
    CEngString str;
    size_t n = 0;
    for (auto _ : state) {
        str.FormatEngineering(values[n++ % std::size(values)], 0, 0, 0);
        benchmark::DoNotOptimize(str.data());
    }
}
BENCHMARK(BM_FormatEngineering);

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
#ifdef VADEL_BENCH_QTCHARTS
    QApplication app(argc, argv);
#else
    QGuiApplication app(argc, argv);
#endif
    FillSines();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
