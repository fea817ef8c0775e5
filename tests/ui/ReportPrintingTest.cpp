// SPDX-FileCopyrightText: 2026 Tidewell developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The report leaving the program: drawn pages against the print layout, print jobs, the clipboard
// against the report file, and the command line's PDF against Export PDF.

#include <QPaintEngine>
#include <QPrinter>
#include <array>
#include <map>

#include "UiTestSupport.h"
#include "analysis/DesignOperations.h"
#include "analysis/ResultsTable.h"
#include "project/OpenProject.h"
#include "report/ReportAssembly.h"
#include "report/TextReport.h"
#include "ui/QtText.h"
#include "ui/ReportCommands.h"
#include "ui/ReportPrinting.h"
#include "ui/ResultForm.h"

namespace tidewell {

namespace {

const std::string kMaterials = TIDEWELL_BINARY_DIR "/bin/DesMat.Dat";

// An example's report as the program makes it after Perform Analysis; digits > 0 replace the
// design's significant digits.
ReportInput ExampleReport(const QString& name, int digits = 0) {
    ScriptedMessages messages;
    DesignRecord design;
    ResetLayout(design);
    NewProject(design);
    DesignFormState form;
    OpenProject(Example(name).toStdString(), TIDEWELL_BINARY_DIR "/bin", kMaterials, design, form,
                messages);
    if (digits > 0) design.SignificantDigits = static_cast<int16_t>(digits);
    const ResultsRequest request = DefaultResultsRequest(design);
    const ResultsView view = BuildResultsTable(design, request, messages);
    std::string problem;
    const auto material = LoadedMaterialTexts(design, kMaterials, problem);
    if (!view.Ok() || !material) qFatal("example not analysed");
    return AssembleReportInput(design, *material, view,
                               {request.weightUnit, request.evalDiameterText},
                               DesktopReportClock());
}

struct DrawnText {
    QPointF at;
    QString text;
    qreal width;
};

// Keeps the text drawn on it, page by page: 7 x 9.5 inches at 1200 dots per inch.
class RecordingDevice : public QPaintDevice, public QPaintEngine {
public:
    RecordingDevice() : QPaintEngine(QPaintEngine::AllFeatures) {}
    QPaintEngine* paintEngine() const override { return const_cast<RecordingDevice*>(this); }
    int metric(PaintDeviceMetric metric) const override {
        if (metric == PdmDevicePixelRatioScaled) return static_cast<int>(devicePixelRatioFScale());
        const std::map<PaintDeviceMetric, int> values{
            {PdmWidth, 8400},        {PdmHeight, 11400}, {PdmWidthMM, 178},
            {PdmHeightMM, 241},      {PdmDepth, 32},     {PdmNumColors, 0x7fffffff},
            {PdmDevicePixelRatio, 1}};
        const auto value = values.find(metric);
        return value != values.end() ? value->second : 1200;  // the resolutions
    }
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

class ScriptedPrintDialogs : public PrintDialogs {
public:
    bool ChoosePrinter(QPrinter& printer) override { return choose(printer); }
    void SetUpPage(QPrinter&) override {}
    void Preview(QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        paint(printer);
    }
    std::function<bool(QPrinter&)> choose;
};

// The report commands on scripted seams, with the given report as the current one.
struct Commands {
    explicit Commands(const ReportInput& report)
        : commands({&messages, &files, &printers, folder.path().toStdString(),
                    [report] { return std::optional<ReportInput>(report); },
                    [this](bool lock) { locks.push_back(lock); }}) {}
    QString Path(const char* name) const { return folder.filePath(QLatin1String(name)); }

    QTemporaryDir folder;
    ScriptedMessages messages;
    ScriptedFileDialogs files;
    ScriptedPrintDialogs printers;
    std::vector<bool> locks;
    ReportCommands commands;
};

int PdfPageCount(const QString& path) {
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return static_cast<int>(QString::fromLatin1(ReadFile(path)).count(page));
}

// The PDF's text, blanks collapsed (pdftotext places the words by their position).
QString PdfText(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), path, QStringLiteral("-")});
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

// The desktop program's --export-pdf of an example; the user's own preferences (safety factors)
// stay out of it: a home of its own.
bool ExportedByTheDesktop(const QString& pdf, const char* example, const QString& home) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TIDEWELL_DESKTOP_PATH),
                  {QStringLiteral("--export-pdf"), pdf, Example(example)});
    return program.waitForFinished(60000) && program.exitCode() == 0;
}

}  // namespace

class ReportPrintingTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        // The same time stamp here and in the exporting program.
        qputenv("SOURCE_DATE_EPOCH", "1700000000");
    }

    // Annular plate: 18 columns; ten digits make the widest first-row cell "-0.006690812305" (15
    // characters): columns of 17, four to a page, five pages. Tube: six columns of 13, one page.
    void pagesHoldTheLayoutsLines() {
        for (const auto& [project, digits, columns, pages] :
             {std::tuple{"AcrylicAnnularPort.prj", 10, 18, 5},
              {"TitaniumTube6000m.prj", 0, 6, 1}}) {
            ReportInput report = ExampleReport(QLatin1String(project), digits);
            for (auto& row : report.grid) row.resize(static_cast<size_t>(columns));
            ScriptedMessages messages;
            const PrintLayout layout = LayOutPrintedReport(report, messages);
            QCOMPARE(layout.pageCount, pages);

            RecordingDevice device;
            QPainter painter(&device);
            QVERIFY(PaintReportPages(painter, layout, QRectF(0, 0, 8400, 11400), [&device] {
                device.pages.emplace_back();
                return true;
            }));
            QCOMPARE(static_cast<int>(device.pages.size()), pages);
            for (size_t p = 0; p < device.pages.size(); ++p) {
                // Each non-empty line drawn once, at its line's height (empty lines keep their
                // space), inside the page.
                const std::vector<std::string>& lines = layout.pages[p].lines;
                const std::vector<DrawnText>& drawn = device.pages[p];
                std::vector<int> lineOf;
                for (size_t i = 0; i < lines.size(); ++i)
                    if (!lines[i].empty()) lineOf.push_back(static_cast<int>(i));
                QCOMPARE(drawn.size(), lineOf.size());
                const qreal top = drawn.front().at.y();
                const qreal step = (drawn.back().at.y() - top) / (lineOf.back() - lineOf.front());
                for (size_t k = 0; k < drawn.size(); ++k) {
                    QCOMPARE(drawn[k].text, ToQ(lines[static_cast<size_t>(lineOf[k])]));
                    QVERIFY(qAbs(drawn[k].at.y() - top - (lineOf[k] - lineOf.front()) * step) < 1);
                    QVERIFY(drawn[k].at.x() + drawn[k].width <= 8400 && drawn[k].at.y() <= 11400);
                }
            }
        }
    }

    void oneJobWhateverTheCopiesAndAPrinterThatWillNotStartIsSaid() {
        Commands run(ExampleReport(QStringLiteral("AcrylicAnnularPort.prj")));
        QString pdf = QStringLiteral("/nonexistent-folder/report.pdf");
        run.printers.choose = [&pdf](QPrinter& printer) {
            printer.setOutputFileName(pdf);
            printer.setCopyCount(3);
            return true;
        };
        run.commands.Print();
        QCOMPARE(run.messages.Texts(), std::vector<std::string>{kPrinterNotReadyMessage});
        pdf = run.Path("printed.pdf");
        run.commands.Print();
        // One job of the three pages: the printer, not the program, repeats them.
        QCOMPARE(run.commands.Printer().copyCount(), 3);
        QCOMPARE(PdfPageCount(pdf), 3);
        QCOMPARE(run.messages.shown.size(), size_t{1});
        QCOMPARE(run.locks, (std::vector<bool>{true, false, true, false}));
    }

    void clipboardHoldsTheReportFile() {
        const QStringList examples = QDir(Example(QString())).entryList({QStringLiteral("*.prj")});
        QVERIFY(examples.size() >= 6);
        for (const QString& example : examples) {
            Commands run(ExampleReport(example));
            run.commands.CopyToClipboard();
            const QString clip = QGuiApplication::clipboard()->text();
            run.files.saveAnswers.push_back(run.Path("Report.txt").toStdString());
            run.commands.SaveReportAs();
            QVERIFY2(!clip.contains(QRegularExpression(QStringLiteral("[^\\r]\\n"))),
                     qPrintable(example));
            QCOMPARE(QString(clip).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8(),
                     ReadFile(run.Path("Report.txt")));
        }
    }

    void resultsWindowDrivesTheReportCommands() {
        QTemporaryDir folder;
        QVERIFY(CopyMaterialsDatabase(folder.path()));
        StartedRun run(folder.path());
        QVERIFY(!run.Item("mnuitmExportPdf")->isEnabled());
        run.Open(Example("AcrylicAnnularPort.prj"));
        run.Item("mnuitmAnalyze")->trigger();
        for (const char* item : {"mnuitmPrint", "mnuitmPrintPreview", "mnuitmExportPdf"})
            QVERIFY2(run.Item(item)->isEnabled(), item);

        // The report of the window's run, as the model builds it.
        run.Item("mnuitmCopyReport")->trigger();
        ScriptedMessages messages;
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 ToQ(ClipboardReport(ExampleReport(QStringLiteral("AcrylicAnnularPort.prj")),
                                     messages)));

        // The Report button: one copy on the current printer, no dialog.
        QPrinter& printer = run.main->Reports().Printer();
        printer.setOutputFileName(folder.filePath(QStringLiteral("report.pdf")));
        printer.setCopyCount(2);
        run.Result<QPushButton>("PrintButton")->click();
        QCOMPARE(PdfPageCount(printer.outputFileName()), 3);
        QCOMPARE(printer.copyCount(), 1);
        QVERIFY(!run.main->MenusLocked());
    }

    void commandLinePdfIsExportPdfAndHeadingsStayApart() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const ReportInput report = ExampleReport(QStringLiteral("AcrylicAnnularPort.prj"));
        Commands run(report);
        run.files.saveAnswers.push_back(run.Path("exported.pdf").toStdString());
        run.commands.ExportPdf();

        QVERIFY(ExportedByTheDesktop(run.Path("command-line.pdf"), "AcrylicAnnularPort.prj",
                                     run.Path("home")));
        const QString exported = PdfText(run.Path("exported.pdf"));
        QCOMPARE(PdfText(run.Path("command-line.pdf")), exported);
        QCOMPARE(PdfPageCount(run.Path("command-line.pdf")), 3);
        // Every line of the report, in order.
        ScriptedMessages messages;
        qsizetype from = 0;
        for (const PrintedPage& page : LayOutPrintedReport(report, messages).pages) {
            for (const std::string& line : page.lines) {
                from = exported.indexOf(ToQ(line).simplified(), from);
                QVERIFY2(from >= 0, line.c_str());
            }
        }

        // The printed results table keeps a blank between cells, also where a heading is as wide
        // as its column ("De Max Radial", 13 characters) or wider ("Max Meridional", 14).
        for (const auto& [example, left, right] :
             {std::array{"AluminumFlatEndcap.prj", "De Max Radial", "De Max Tan"},
              {"AluminumHemisphericalEndcap.prj", "Max Meridional", "Max Hoop"}}) {
            QTemporaryDir folder;
            const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
            QVERIFY(ExportedByTheDesktop(pdf, example, folder.filePath(QStringLiteral("home"))));
            const QString text = PdfText(pdf);
            const QString joined = QLatin1String(left) + QLatin1String(right);
            QVERIFY2(!text.contains(joined), qPrintable(joined));
            const QRegularExpression apart(QRegularExpression::escape(QLatin1String(left)) +
                                           QStringLiteral(" +") +
                                           QRegularExpression::escape(QLatin1String(right)));
            QVERIFY2(text.contains(apart), qPrintable(joined + text.left(3000)));
        }
    }
};

}  // namespace tidewell

QTEST_MAIN(tidewell::ReportPrintingTest)
#include "ReportPrintingTest.moc"
