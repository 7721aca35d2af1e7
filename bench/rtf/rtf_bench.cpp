// Reads and writes a generated RTF document of about 5 MB: mixed Latin and
// Cyrillic text, several formats per paragraph, a few fonts and colours.
#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextCursor>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr qsizetype kTargetBytes = 5 * 1024 * 1024;

QTextCharFormat format_number(int n) {
    QTextCharFormat format;
    format.setFontWeight(n % 3 == 0 ? QFont::Bold : QFont::Normal);
    format.setFontItalic(n % 5 == 0);
    format.setFontUnderline(n % 7 == 0);
    format.setFontFamilies(
        {n % 2 == 0 ? QStringLiteral("DejaVu Sans") : QStringLiteral("DejaVu Serif")});
    format.setFontPointSize(9 + n % 6);
    if (n % 4 == 0) {
        format.setForeground(QColor(n % 256, 40, 200));
    }
    return format;
}

void fill(QTextDocument& document, int paragraphs) {
    const QString english = QStringLiteral("The quick brown fox jumps over the lazy dog, ");
    const QString russian = QStringLiteral("съешь же ещё этих мягких булок, ");
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    for (int p = 0; p < paragraphs; ++p) {
        if (p > 0) {
            cursor.insertBlock();
        }
        for (int run = 0; run < 6; ++run) {
            cursor.insertText(run % 2 == 0 ? english : russian, format_number(p + run));
        }
        cursor.insertText(QStringLiteral("\t{end}"), format_number(p));
    }
    cursor.endEditBlock();
}

// Sized from a sample so the written document comes out at about 5 MB.
int paragraphs_for_target() {
    constexpr int kSample = 1000;
    QTextDocument sample;
    fill(sample, kSample);
    const qsizetype bytes_per_paragraph = vorna::rtf::write_rtf(sample).size() / kSample;
    return static_cast<int>(kTargetBytes / bytes_per_paragraph) + 1;
}

void write_large_document(benchmark::State& state, const QTextDocument* document) {
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray rtf = vorna::rtf::write_rtf(*document);
        bytes = rtf.size();
        benchmark::DoNotOptimize(rtf.constData());
    }
    state.counters["MB"] = static_cast<double>(bytes) / (1024 * 1024);
}

// `with_layout`: the document has a layout, as the document of a text box does.
void read_large_document(benchmark::State& state, const QByteArray* rtf, bool with_layout) {
    for (auto _ : state) {
        QTextDocument document;
        if (with_layout) {
            document.documentLayout();
        }
        vorna::rtf::read_rtf(*rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.counters["MB"] = static_cast<double>(rtf->size()) / (1024 * 1024);
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application; no display is needed to measure.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    QTextDocument document;
    fill(document, paragraphs_for_target());
    const QByteArray rtf = vorna::rtf::write_rtf(document);
    std::printf("document: %d paragraphs, %.2f MB of RTF\n", document.blockCount(),
                static_cast<double>(rtf.size()) / (1024 * 1024));

    benchmark::RegisterBenchmark("write_rtf/5MB", write_large_document, &document)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read_rtf/5MB", read_large_document, &rtf, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("read_rtf/5MB_with_layout", read_large_document, &rtf, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
