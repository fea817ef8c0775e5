// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AEndGraphForm.h"

#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>

#include "forms/StressGraphSeries.h"
#include "ui/HomeForm.h"
#include "ui/QtText.h"

namespace tidewell {

namespace {

QLineSeries* Series(const QString& name, const std::vector<GraphPoint>& points) {
    auto* series = new QLineSeries;
    series->setName(name);
    for (const GraphPoint& point : points) series->append(point.x, point.y);
    return series;
}

}  // namespace

AEndGraphForm::AEndGraphForm(const std::vector<PlateStressRow>& table, UserMessages& messages,
                             FileDialogs& dialogs, QWidget* parent)
    : QDialog(parent), messages_(messages), dialogs_(dialogs) {
    setObjectName(QStringLiteral("AEndGraphForm"));
    setWindowTitle(QLatin1String(kStressGraphCaption));
    setAccessibleName(QLatin1String(kStressGraphCaption));

    const StressGraphSeries series = PlateStressSeries(table);
    auto* chart = new QChart;
    chart->setTitle(QLatin1String(kStressGraphTitle));
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignRight);
    QLineSeries* radial = Series(QStringLiteral("Radial"), series.radial);
    QLineSeries* tangential = Series(QStringLiteral("Tangential"), series.tangential);
    chart->addSeries(radial);
    chart->addSeries(tangential);
    auto* x = new QValueAxis;
    x->setTitleText(QLatin1String(kStressGraphXTitle));
    auto* y = new QValueAxis;
    y->setTitleText(QLatin1String(kStressGraphYTitle));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* line : {radial, tangential}) {
        line->attachAxis(x);
        line->attachAxis(y);
    }
    // Both curves whole: the axes span every point of either series.
    if (!series.radial.empty()) {
        double low = 0, high = 0;
        for (const auto* points : {&series.radial, &series.tangential}) {
            for (const GraphPoint& point : *points) {
                low = std::min(low, point.y);
                high = std::max(high, point.y);
            }
        }
        x->setRange(series.radial.front().x, series.radial.back().x);
        y->setRange(low, high > low ? high : low + 1);
        y->applyNiceNumbers();
    }

    graph1_ = new QChartView(chart, this);
    graph1_->setObjectName(QStringLiteral("Graph1"));
    graph1_->setAccessibleName(QLatin1String(kStressGraphTitle));
    graph1_->setRenderHint(QPainter::Antialiasing);

    auto* save = new QPushButton(QStringLiteral("Save Image..."), this);
    save->setObjectName(QStringLiteral("SaveGraphButton"));
    save->setAccessibleName(QStringLiteral("Save the graph as an image"));
    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setObjectName(QStringLiteral("GraphDone"));
    done->setAccessibleName(QStringLiteral("Done"));
    done->setDefault(true);
    connect(save, &QPushButton::clicked, this, &AEndGraphForm::SaveButton_Click);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(graph1_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(done);
    layout->addLayout(buttons);
    // Plot area 5100 x 5700 twips, with room for the titles and the legend.
    resize(6400 / kTwipsPerPixel + 120, 6700 / kTwipsPerPixel);
}

void AEndGraphForm::SaveButton_Click() {
    FileDialogSetup setup;
    setup.filter = "PNG image (*.png)|*.png";
    setup.defaultExtension = "png";
    setup.fileName = "StressGraph.png";
    setup.promptOverwrite = true;
    if (const std::optional<std::string> chosen = dialogs_.SaveFile(setup)) {
        if (!chosen->empty()) SaveImage(*chosen);
    }
}

bool AEndGraphForm::SaveImage(const std::string& path) {
    QSaveFile file(ToQ(path));
    const bool saved =
        file.open(QIODevice::WriteOnly) && graph1_->grab().save(&file, "PNG") && file.commit();
    if (!saved) {
        messages_.Show("The graph could not be saved as " + path + ".", kProgramTitle,
                       MessageIcon::Critical);
    }
    return saved;
}

}  // namespace tidewell
