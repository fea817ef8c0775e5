// The report leaving the program: the drawn pages against the print layout, one print job
// whatever the copy count, a printer that will not start, the clipboard against the report file
// for every example, and the command line's PDF against Export PDF.

#include <QClipboard>
#include <QDir>
#include <QPaintEngine>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

#include "UiTestSupport.h"
#include "analysis/DesignOperations.h"
#include "analysis/ResultsTable.h"
#include "project/OpenProject.h"
#include "report/ReportAssembly.h"
#include "report/TextReport.h"
#include "ui/QtText.h"
#include "ui/ReportCommands.h"
#include "ui/ReportPrinting.h"

namespace tidewell {

namespace {

const QString kExamples = QStringLiteral(TIDEWELL_SOURCE_DIR "/data/examples/");
const std::string kMaterials = TIDEWELL_BINARY_DIR "/bin/DesMat.Dat";

// The report of an example project, made as the desktop program makes it after Perform Analysis;
// digits other than 0 replace the design's significant digits.
ReportInput ExampleReport(const QString& name, int digits = 0) {
    ScriptedMessages messages;
    DesignRecord design;
    ResetLayout(design);
    NewProject(design);
    DesignFormState form;
    const std::string path = (kExamples + name).toStdString();
    if (!OpenProject(path, TIDEWELL_BINARY_DIR "/bin", kMaterials, design, form, messages).opened)
        qFatal("example not opened");
    if (digits > 0) design.SignificantDigits = static_cast<int16_t>(digits);
    const ResultsRequest request = DefaultResultsRequest(design);
    const ResultsView view = BuildResultsTable(design, request, messages);
    std::string problem;
    const std::optional<MaterialFieldTexts> material =
        LoadedMaterialTexts(design, kMaterials, problem);
    if (!view.Ok() || !material) qFatal("example not analysed");
    return AssembleReportInput(design, *material, view,
                               {request.weightUnit, request.evalDiameterText},
                               DesktopReportClock());
}

// A paint device that keeps the text drawn on it, page by page.
struct DrawnText {
    QPointF at;
    QString text;
    qreal width;
};

class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        pages.back().push_back({at, item.text(), item.width()});
    }
    Type type() const override { return QPaintEngine::User; }

    std::vector<std::vector<DrawnText>> pages{1};
};

// 7 by 9.5 inches at 1200 dots per inch: a letter page inside three-quarter-inch margins.
class RecordingDevice : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return 8400;
            case PdmHeight:
                return 11400;
            case PdmWidthMM:
                return 178;
            case PdmHeightMM:
                return 241;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return 1200;
            case PdmDepth:
                return 32;
            case PdmNumColors:
                return 0x7fffffff;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
        }
        return 0;
    }
    mutable RecordingEngine engine;
};

class ScriptedPrintDialogs : public PrintDialogs {
public:
    bool ChoosePrinter(QPrinter& printer) override { return choose(printer); }
    void SetUpPage(QPrinter&) override {}
    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        paint(printer);
    }
    std::function<bool(QPrinter&)> choose;
};

// The report commands on scripted seams, printing the given report.
struct Commands {
    explicit Commands(const ReportInput& report) {
        ReportCommandServices services;
        services.messages = &messages;
        services.fileDialogs = &files;
        services.printDialogs = &printers;
        services.programFolder = folder.path().toStdString();
        services.source = [report] { return std::optional<ReportInput>(report); };
        services.lockMenus = [this](bool lock) { locks.push_back(lock); };
        commands = std::make_unique<ReportCommands>(services);
    }
    QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    ScriptedPrintDialogs printers;
    std::vector<bool> locks;
    std::unique_ptr<ReportCommands> commands;
};

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int PdfPageCount(const QString& path) {
    return static_cast<int>(QString::fromLatin1(ReadAll(path))
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString Collapsed(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

}  // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The same time stamp in this process and in the exporting program.
        qputenv("SOURCE_DATE_EPOCH", "1700000000");
    }

    void pagesHoldTheLayoutsLines_data() {
        QTest::addColumn<QString>("project");
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("pages");
        // 18 columns; ten digits make the first row's widest cell "-0.006690812305" (15
        // characters): columns of 17, four to a page, five pages.
        QTest::newRow("annular plate, wide table")
            << QStringLiteral("AcrylicAnnularPort.prj") << 10 << 18 << 5;
        // Six columns of 13 characters fill one page.
        QTest::newRow("tube, six columns")
            << QStringLiteral("TitaniumTube6000m.prj") << 0 << 6 << 1;
    }

    void pagesHoldTheLayoutsLines() {
        QFETCH(QString, project);
        QFETCH(int, digits);
        QFETCH(int, columns);
        QFETCH(int, pages);
        ReportInput report = ExampleReport(project, digits);
        for (auto& row : report.grid) row.resize(static_cast<size_t>(columns));
        ScriptedMessages messages;
        const PrintLayout layout = LayOutPrintedReport(report, messages);
        QCOMPARE(layout.pageCount, pages);

        RecordingDevice device;
        QPainter painter(&device);
        const bool drawn = PaintReportPages(painter, layout, QRectF(0, 0, 8400, 11400), [&device] {
            device.engine.pages.emplace_back();
            return true;
        });
        painter.end();
        QVERIFY(drawn);
        QCOMPARE(static_cast<int>(device.engine.pages.size()), pages);

        for (int p = 0; p < pages; ++p) {
            const std::vector<std::string>& lines = layout.pages[static_cast<size_t>(p)].lines;
            const std::vector<DrawnText>& texts = device.engine.pages[static_cast<size_t>(p)];
            // Each non-empty line is drawn once, at its own line's height; empty lines keep
            // their space; everything lies inside the page.
            std::vector<int> lineOf;
            for (int i = 0; i < static_cast<int>(lines.size()); ++i)
                if (!lines[static_cast<size_t>(i)].empty()) lineOf.push_back(i);
            QCOMPARE(texts.size(), lineOf.size());
            const qreal step = (texts.back().at.y() - texts.front().at.y()) /
                               qMax(1, lineOf.back() - lineOf.front());
            for (size_t k = 0; k < texts.size(); ++k) {
                QCOMPARE(texts[k].text, ToQ(lines[static_cast<size_t>(lineOf[k])]));
                QVERIFY(qAbs(texts[k].at.y() - texts.front().at.y() -
                             (lineOf[k] - lineOf.front()) * step) < 1.0);
                QVERIFY(texts[k].at.x() + texts[k].width <= 8400);
                QVERIFY(texts[k].at.y() <= 11400);
            }
        }
    }

    void copiesAreThePrintersJob() {
        Commands run(ExampleReport(QStringLiteral("AcrylicAnnularPort.prj")));
        const QString pdf = run.Path("printed.pdf");
        run.printers.choose = [&pdf](QPrinter& printer) {
            printer.setOutputFileName(pdf);
            printer.setCopyCount(3);
            return true;
        };
        run.commands->Print();
        QCOMPARE(run.commands->Printer().copyCount(), 3);
        // One job of the three pages: the printer, not the program, repeats them.
        QCOMPARE(PdfPageCount(pdf), 3);
        QVERIFY(run.messages.Empty());
        QCOMPARE(run.locks, (std::vector<bool>{true, false}));
    }

    void printerThatWillNotStartIsSaidPlainly() {
        Commands run(ExampleReport(QStringLiteral("TitaniumTube6000m.prj")));
        run.printers.choose = [](QPrinter& printer) {
            printer.setOutputFileName(QStringLiteral("/nonexistent-folder/report.pdf"));
            return true;
        };
        run.commands->Print();
        QCOMPARE(run.messages.Texts(), std::vector<std::string>{kPrinterNotReadyMessage});
        QCOMPARE(run.locks, (std::vector<bool>{true, false}));
    }

    void clipboardHoldsTheReportFile() {
        const QStringList examples =
            QDir(kExamples).entryList({QStringLiteral("*.prj")}, QDir::Files, QDir::Name);
        QVERIFY(examples.size() >= 6);
        for (const QString& example : examples) {
            Commands run(ExampleReport(example));
            run.commands->CopyToClipboard();
            const QString clip = QGuiApplication::clipboard()->text();
            run.files.saveAnswers.push_back(run.Path("Report.txt").toStdString());
            run.commands->SaveReportAs();
            QVERIFY2(!clip.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))),
                     qPrintable(example));
            QString lineFeeds = clip;
            lineFeeds.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            QCOMPARE(lineFeeds.toUtf8(), ReadAll(run.Path("Report.txt")));
        }
    }

    void commandLinePdfIsExportPdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const ReportInput report = ExampleReport(QStringLiteral("AcrylicAnnularPort.prj"));
        Commands run(report);
        run.files.saveAnswers.push_back(run.Path("exported.pdf").toStdString());
        run.commands->ExportPdf();

        QProcess program;
        program.start(QStringLiteral(TIDEWELL_DESKTOP_PATH),
                      {QStringLiteral("--export-pdf"), run.Path("command-line.pdf"),
                       kExamples + QStringLiteral("AcrylicAnnularPort.prj")});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 0);

        const QString exported = PdfText(run.Path("exported.pdf"));
        QCOMPARE(PdfText(run.Path("command-line.pdf")), exported);
        QCOMPARE(PdfPageCount(run.Path("command-line.pdf")), 3);
        // Every line of the report, in order, in the PDF's text.
        ScriptedMessages messages;
        const QString text = Collapsed(exported);
        qsizetype from = 0;
        for (const PrintedPage& page : LayOutPrintedReport(report, messages).pages) {
            for (const std::string& line : page.lines) {
                if (line.empty()) continue;
                const qsizetype at = text.indexOf(Collapsed(ToQ(line)), from);
                QVERIFY2(at >= 0, line.c_str());
                from = at;
            }
        }
    }
};

}  // namespace tidewell

QTEST_MAIN(tidewell::ReportPrintingTest)
#include "ReportPrintingTest.moc"
