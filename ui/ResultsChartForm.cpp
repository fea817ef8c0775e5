// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ResultsChartForm.h"

#include <algorithm>
#include <cmath>

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QScatterSeries>
#include <QVBoxLayout>
#include <QValueAxis>

#include "forms/ResultsChart.h"
#include "ui/QtText.h"

namespace tidewell {

ResultsChartForm::ResultsChartForm(const ResultsView& view, QWidget* parent)
    : QDialog(parent), view_(view) {
    setObjectName(QStringLiteral("ResultsChartForm"));
    setWindowTitle(QStringLiteral("Results Chart"));
    setAccessibleName(QStringLiteral("Results chart"));
    auto* layout = new QVBoxLayout(this);
    auto* choices = new QHBoxLayout;
    layout->addLayout(choices);
    auto label = [this](const QString& text) {
        auto* shown = new QLabel(text, this);
        shown->setTextFormat(Qt::PlainText);
        return shown;
    };
    columnBox_ = new QComboBox(this);
    columnBox_->setObjectName(QStringLiteral("ChartColumnBox"));
    columnBox_->setAccessibleName(QStringLiteral("Column drawn"));
    for (const std::string& title : ChartColumns(view_)) columnBox_->addItem(ToQ(title));
    axisBox_ = new QComboBox(this);
    axisBox_->setObjectName(QStringLiteral("ChartAxisBox"));
    axisBox_->setAccessibleName(QStringLiteral("Drawn against"));
    axisBox_->addItems({QStringLiteral("Pressure"), QStringLiteral("Depth")});
    choices->addWidget(label(QStringLiteral("Column:")));
    choices->addWidget(columnBox_, 1);
    choices->addWidget(label(QStringLiteral("against")));
    choices->addWidget(axisBox_);
    chartView_ = new QChartView(new QChart, this);
    chartView_->setObjectName(QStringLiteral("ChartView"));
    chartView_->setAccessibleName(QStringLiteral("Results chart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(560, 380);
    layout->addWidget(chartView_, 1);
    connect(columnBox_, &QComboBox::currentIndexChanged, this, &ResultsChartForm::Redraw);
    connect(axisBox_, &QComboBox::currentIndexChanged, this, &ResultsChartForm::Redraw);
    Redraw();
}

void ResultsChartForm::Redraw() {
    const ChartSeries series =
        ChartOf(view_, columnBox_->currentIndex(), axisBox_->currentIndex() == 1);
    auto* chart = new QChart;
    chart->setTitle(ToQ(series.yTitle));
    auto* line = new QLineSeries;
    line->setName(ToQ(series.yTitle));
    for (const ChartPoint& point : series.points) line->append(point.x, point.y);
    chart->addSeries(line);
    auto* x = new QValueAxis;
    x->setTitleText(ToQ(series.xTitle));
    auto* y = new QValueAxis;
    y->setTitleText(ToQ(series.yTitle));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    line->attachAxis(x);
    line->attachAxis(y);
    // Round tick values; a column of one value (zero stresses) still gets an axis of some height.
    if (!series.points.empty()) {
        double xLow = series.points.front().x, xHigh = xLow;
        double yLow = series.points.front().y, yHigh = yLow;
        for (const ChartPoint& point : series.points) {
            xLow = std::min(xLow, point.x);
            xHigh = std::max(xHigh, point.x);
            yLow = std::min(yLow, point.y);
            yHigh = std::max(yHigh, point.y);
        }
        const auto spread = [](double& low, double& high) {
            if (high > low) return;
            const double margin = low == 0 ? 1 : std::abs(low) * 0.1;
            low -= margin;
            high += margin;
        };
        spread(xLow, xHigh);
        spread(yLow, yHigh);
        x->setRange(xLow, xHigh);
        y->setRange(yLow, yHigh);
        x->applyNiceNumbers();
        y->applyNiceNumbers();
    }
    if (series.failure) {
        auto* failure = new QScatterSeries;
        failure->setName(QStringLiteral("Failure"));
        failure->setMarkerSize(11);
        failure->setColor(Qt::red);
        failure->append(series.failure->x, series.failure->y);
        chart->addSeries(failure);
        failure->attachAxis(x);
        failure->attachAxis(y);
    }
    QChart* previous = chartView_->chart();
    chartView_->setChart(chart);
    delete previous;
}

}  // namespace tidewell
